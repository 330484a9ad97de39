#pragma once
// The windows are described as tables of gadgets, built by one function.

#include <optional>
#include <span>

#include "app/gui/gui.h"

namespace strohvik {

enum Anchor : int { kAnchorLeft = 1, kAnchorRight = 2, kAnchorTop = 4, kAnchorBottom = 8 };
constexpr int kAnchorLeftTop = kAnchorLeft | kAnchorTop;
constexpr int kAnchorAll = kAnchorLeft | kAnchorRight | kAnchorTop | kAnchorBottom;

inline const TFont kArial9{"Arial", 9, false, false};
inline const TFont kStandardFont{};
constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kBlack{0, 0, 0};

struct GadgetSpec {
  const char* name;
  GadgetKind kind;
  const char* parent;  // null for windows and pop-up menus
  TRect shape;
  const char* text = "";
  int style = 0;
  const char* picture = nullptr;  // embedded resource: background, icon or icon strip
  int pictureMode = kPixmapStretch;
  std::optional<TRgb> colour = std::nullopt;
  std::optional<TRgb> textColour = std::nullopt;
  TFont font = kArial9;
  int anchor = kAnchorLeftTop;
  int tag = 0;              // menus and menu items
  const char* hotKey = "";  // menu items: the letter pressed with Ctrl
};

// A tab of a tab strip and the page panel it shows.
struct TabSpec {
  const char* strip;
  const char* text;
  const char* page;
  const char* icon;
};

void BuildGadgets(TGui& gui, std::span<const GadgetSpec> specs);
// An embedded picture ("Images/nav.png"), decoded once per run.
PixmapPtr ResourcePicture(const std::string& name);
void BuildTabs(TGui& gui, std::span<const TabSpec> tabs);

}  // namespace strohvik
