#pragma once
// A gadget of the GUI toolkit: a window, panel, group, label, text field, text area, tab
// strip, tree view, push button, hyperlink label, menu or menu item. Gadgets are made by
// TGui::CreateGadget, carry a designer name, and live as long as their TGui. Setters do
// nothing when the value is unchanged, so calling them after every event is cheap and
// never re-raises a window.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/gui/object.h"
#include "app/gui/pixmap.h"

namespace strohvik {

class TGui;
class TTreeNode;

enum class GadgetKind { Window, Panel, Group, Label, TextField, TextArea, TabStrip, TreeView, Button, HyperLink, Menu, MenuItem };

// Style bits; their meaning depends on the kind.
enum GadgetStyle : int {
  kWindowTitleBar = 1,
  kWindowResizable = 2,
  kWindowMenu = 4,
  kWindowTool = 8,        // no task-bar entry
  kWindowClientSize = 16, // width and height are the client area's, not the outer size
  kWindowCentred = 32,

  kPanelSunken = 1,
  kPanelRaised = 2,
  kPanelActive = 4,  // reports mouse and keyboard events

  kLabelFrameThin = 1,
  kLabelFrameSunken = 2,
  kLabelRight = 8,
  kLabelCentre = 16,

  kTextAreaWordWrap = 1,
  kTextFieldDisabled = 1,  // displays only: the user cannot edit it
};

// How a panel draws its background picture.
enum PixmapMode : int { kPixmapCentre = 0, kPixmapTile = 1, kPixmapStretch = 2, kPixmapScaleToWidth = 3 };

struct TRgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const TRgb&) const = default;
};

// An empty family means the toolkit's standard font.
struct TFont {
  std::string family;
  int size = 9;  // points at 96 dots per inch
  bool bold = false;
  bool italic = false;
  bool operator==(const TFont&) const = default;
};

struct TRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TRect&) const = default;
};

// Told of what the program changes on a gadget, such as the picture button that draws
// on a panel and must look disabled when the panel is.
class TGadgetObserver {
 public:
  virtual void EnabledChanged(bool enabled) = 0;

 protected:
  ~TGadgetObserver() = default;
};

class TGadget : public TObject {
 public:
  struct Native;  // the toolkit's objects behind the gadget; known only inside the adapter

  TGadget(TGui& gui, GadgetKind kind, std::string name, TGadget* parent, int style);
  ~TGadget() override;

  TGui& Gui() const { return gui_; }
  GadgetKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  TGadget* Parent() const { return parent_; }
  int Style() const { return style_; }
  Native& GetNative() const { return *native_; }

  void SetText(const std::string& text);
  std::string GetText() const;

  void SetShow(bool show);
  bool Shown() const;  // its own state, whatever its parents show; pop-up menus: open
  void SetEnabled(bool enabled);
  bool Enabled() const;  // its own state, whatever its parents are
  bool EnabledWithParents() const;  // false inside a disabled window too
  // Windows are raised and activated; other gadgets take the keyboard focus without
  // activating their window.
  void Activate();

  // Position and size in the parent's client area (a window: its client size).
  TRect Shape() const;
  void SetShape(const TRect& shape);
  // Windows: the whole window on the desktop, menu bar and frame included.
  TRect FrameShape() const;
  // The width the gadget needs to show its whole text in its font, its frame included.
  int TextWidth() const;
  int ClientWidth() const;
  int ClientHeight() const;
  void SetMinimumSize(int width, int height);

  // Which edges keep their distance to the same edges of the parent on a resize.
  void SetLayout(bool left, bool right, bool top, bool bottom);

  void SetColor(TRgb colour);
  std::optional<TRgb> Color() const;  // none until SetColor
  void SetTextColor(TRgb colour);
  void SetFont(const TFont& font);

  // A panel's background (flags: PixmapMode), a window's icon, a button's, tab's or
  // menu item's icon.
  void SetPixmap(const PixmapPtr& pixmap, int flags);
  PixmapPtr Pixmap() const;
  int PixmapFlags() const;
  // The strip of a tree view; pictures of a strip are its 16-pixel-high squares.
  void SetIconStrip(const PixmapPtr& strip);

  // Tab strips: a tab with its text, icon and page gadget.
  void InsertItem(int index, const std::string& text, const PixmapPtr& icon, TGadget* page);
  int ItemCount() const;
  std::string ItemText(int index) const;
  TGadget* ItemPage(int index) const;
  int SelectedItem() const;
  void SelectItem(int index);

  // Tree views.
  TTreeNode* RootNode();
  TTreeNode* InsertNode(TTreeNode* parent, const std::string& text);
  std::vector<TTreeNode*> ChildNodes(TTreeNode* parent);  // null: the nodes under the root
  TTreeNode* SelectedNode();
  void SelectNode(TTreeNode* node);
  void FreeChildren(TTreeNode* node);

  // Menu items: Ctrl with a letter; an empty key removes the shortcut.
  void SetHotKey(const std::string& key);
  std::string HotKey() const;  // "Ctrl+L", or empty
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Hyperlink labels open this address through the system driver when clicked.
  void SetLinkUrl(const std::string& url) { linkUrl_ = url; }
  const std::string& LinkUrl() const { return linkUrl_; }

  // An object the owner ties to the gadget, such as the picture button on its panel.
  void SetContext(std::shared_ptr<TObject> context) { context_ = std::move(context); }
  const std::shared_ptr<TObject>& Context() const { return context_; }
  // One observer at most; it must outlive the gadget or be replaced first.
  void SetObserver(TGadgetObserver* observer) { observer_ = observer; }

  const std::vector<TGadget*>& Children() const { return children_; }
  // Follows the anchoring of each child after this gadget's client area changed.
  void LayoutChildren();

 private:
  struct Anchoring {
    bool active = false;
    bool left = true, right = false, top = true, bottom = false;
    int rightDistance = 0, bottomDistance = 0;
  };

  TGui& gui_;
  GadgetKind kind_;
  std::string name_;
  TGadget* parent_;
  int style_;
  int tag_ = 0;
  std::string linkUrl_;
  std::shared_ptr<TObject> context_;
  TGadgetObserver* observer_ = nullptr;
  std::vector<TGadget*> children_;
  Anchoring anchoring_;
  std::unique_ptr<Native> native_;
};

class TTreeNode {
 public:
  struct Native;
  explicit TTreeNode(std::unique_ptr<Native> native);
  ~TTreeNode();
  std::string Text() const;
  Native& GetNative() const { return *native_; }

 private:
  std::unique_ptr<Native> native_;
};

}  // namespace strohvik
