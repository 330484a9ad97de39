#pragma once
// The toolkit's objects behind a gadget. Only the adapter's own sources include this.

#include <QAction>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTreeWidget>
#include <QWidget>
#include <map>
#include <optional>

#include "app/gui/gadget.h"

namespace strohvik {

struct TGadget::Native {
  QPointer<QWidget> widget;    // the outer widget; null for menus and menu items
  QPointer<QWidget> client;    // where child gadgets are placed
  QPointer<QMenuBar> menuBar;  // windows with a menu
  QPointer<QTabBar> tabBar;    // tab strips
  QPointer<QTreeWidget> tree;  // tree views
  QPointer<QMenu> menu;        // menus
  QPointer<QAction> action;    // menu items; a menu's own entry in its menu bar
  QMargins insets;             // the client area inside the outer widget
  QSize windowFrame{0, 0};     // what the desktop adds around a window's client area
  QSize clientSize;            // windows: the client area asked for
  QSize minimumClientSize;
  std::optional<QColor> background;
  PixmapPtr pixmap;
  int pixmapFlags = 0;
  QPixmap picture;  // pixmap converted for drawing
  PixmapPtr iconStrip;
  std::vector<TGadget*> pages;
  std::unique_ptr<TTreeNode> root;
  std::map<QTreeWidgetItem*, std::unique_ptr<TTreeNode>> nodes;
};

struct TTreeNode::Native {
  QTreeWidget* tree = nullptr;
  QTreeWidgetItem* item = nullptr;  // null for the invisible root
};

// Builds the toolkit objects of a new gadget and connects their signals to the hub.
void BuildNative(TGadget& gadget, const std::string& text, const TRect& shape);
// Places the client widget inside the outer widget, and a window's menu bar.
void PlaceClient(TGadget& gadget);
// Sizes a window so that its client area, below the menu bar, is the size asked for.
void FitWindow(TGadget& window);
// A hyperlink label shows its text as a link and keeps the plain text as its title.
void SetLinkText(QLabel& label, const QString& text);
QPixmap ToQPixmap(const TPixmap& pixmap);
QIcon ToQIcon(const PixmapPtr& pixmap);

}  // namespace strohvik
