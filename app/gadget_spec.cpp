#include "app/gadget_spec.h"

#include <map>

namespace strohvik {

// The windows share a handful of textures; each is decoded once per run.
PixmapPtr ResourcePicture(const std::string& name) {
  static std::map<std::string, PixmapPtr> decoded;
  PixmapPtr& picture = decoded[name];
  if (!picture) picture = LoadPixmapOrThrow("incbin::" + name);
  return picture;
}

namespace {

void ApplyLooks(TGadget& gadget, const GadgetSpec& spec, const PixmapPtr& picture) {
  if (spec.colour) gadget.SetColor(*spec.colour);
  if (spec.textColour) gadget.SetTextColor(*spec.textColour);
  if (spec.kind != GadgetKind::Menu && spec.kind != GadgetKind::MenuItem) gadget.SetFont(spec.font);
  if (!picture) return;
  if (spec.kind == GadgetKind::TreeView)
    gadget.SetIconStrip(picture);
  else
    gadget.SetPixmap(picture, spec.pictureMode);
}

}  // namespace

void BuildGadgets(TGui& gui, std::span<const GadgetSpec> specs) {
  for (const GadgetSpec& spec : specs) {
    const PixmapPtr picture = spec.picture != nullptr ? ResourcePicture(spec.picture) : nullptr;
    TGadget* parent = spec.parent != nullptr ? &gui.Get(spec.parent) : nullptr;
    TGadget& gadget = gui.CreateGadget(spec.kind, spec.name, spec.text, spec.shape, parent, spec.style);
    gadget.SetTag(spec.tag);
    if (*spec.hotKey != '\0') gadget.SetHotKey(spec.hotKey);
    ApplyLooks(gadget, spec, picture);
    if (parent != nullptr && spec.kind != GadgetKind::Menu && spec.kind != GadgetKind::MenuItem)
      gadget.SetLayout(spec.anchor & kAnchorLeft, spec.anchor & kAnchorRight, spec.anchor & kAnchorTop,
                       spec.anchor & kAnchorBottom);
  }
}

void BuildTabs(TGui& gui, std::span<const TabSpec> tabs) {
  for (const TabSpec& tab : tabs) {
    TGadget& strip = gui.Get(tab.strip);
    strip.InsertItem(strip.ItemCount(), tab.text, ResourcePicture(tab.icon), &gui.Get(tab.page));
  }
}

}  // namespace strohvik
