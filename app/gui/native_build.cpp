// Making the toolkit objects for each kind of gadget, and wiring their signals to the
// hook chain. Every signal is connected directly, so an event is emitted while the
// toolkit delivers the input that caused it, never later.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/gui/gui.h"
#include "app/gui/native.h"
#include "app/gui/qt_text.h"
#include "app/gui/widgets.h"

namespace strohvik {
namespace {

// The frame the desktop draws around a dialog on the platform its sizes were made for;
// the real frame is known only once a window manager has drawn it.
constexpr QSize kTitledFrame(6, 31);
constexpr QSize kBorderOnlyFrame(2, 2);
constexpr int kTabBarHeight = 20;


QWidget* ParentClient(TGadget& gadget) {
  return gadget.Parent() != nullptr ? gadget.Parent()->GetNative().client.data() : nullptr;
}

void Watch(TGadget& gadget) {
  TGadget::Native& native = gadget.GetNative();
  auto* translator = new TEventTranslator(gadget, native.widget);
  native.widget->installEventFilter(translator);
  if (native.client != native.widget) native.client->installEventFilter(translator);
}

void BuildWindow(TGadget& gadget, const std::string& text, const TRect& shape) {
  TGadget::Native& native = gadget.GetNative();
  const int style = gadget.Style();
  Qt::WindowFlags flags = Qt::Window;
  if (!(style & kWindowTitleBar)) flags |= Qt::FramelessWindowHint;
  if (style & kWindowTool) flags |= Qt::Tool;
  // An owned window, such as a tooltip, floats over its owner and leaves the focus
  // where the user has it.
  QWidget* owner = gadget.Parent() != nullptr ? gadget.Parent()->GetNative().widget->window() : nullptr;
  if (owner != nullptr) flags |= Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  native.widget = new QWidget(owner, flags);
  if (owner != nullptr) native.widget->setAttribute(Qt::WA_ShowWithoutActivating);
  native.client = new QWidget(native.widget);
  native.widget->setWindowTitle(FromUtf8(text));
  if (style & kWindowMenu) native.menuBar = new QMenuBar(native.widget);
  if (!(style & kWindowClientSize) && owner == nullptr)
    native.windowFrame = style & kWindowTitleBar ? kTitledFrame : kBorderOnlyFrame;
  gadget.SetShape(shape);
  if (style & kWindowCentred) {
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    const int outerWidth = shape.width, outerHeight = shape.height + (native.menuBar ? native.menuBar->height() : 0);
    native.widget->move(desktop.x() + std::max(0, (desktop.width() - outerWidth) / 2),
                        desktop.y() + std::max(0, (desktop.height() - outerHeight) / 2));
  }
}

void BuildPanel(TGadget& gadget, const std::string& text, const TRect& shape) {
  TGadget::Native& native = gadget.GetNative();
  const int style = gadget.Style();
  auto* panel = new TPanelWidget(gadget, ParentClient(gadget));
  native.widget = panel;
  if (gadget.Kind() == GadgetKind::Group) {
    native.insets = QMargins(4, 16, 4, 5);
    panel->setWindowTitle(FromUtf8(text));
  } else if (style & (kPanelSunken | kPanelRaised)) {
    panel->setFrameStyle(QFrame::Panel | (style & kPanelSunken ? QFrame::Sunken : QFrame::Raised));
    panel->setLineWidth(2);
    native.insets = QMargins(2, 2, 2, 2);
  }
  native.client = native.insets.isNull() ? panel : new QWidget(panel);
  if (style & kPanelActive) {
    native.client->setMouseTracking(true);
    native.client->setFocusPolicy(Qt::ClickFocus);
  }
  gadget.SetShape(shape);
}

void BuildLabel(TGadget& gadget, const std::string& text, const TRect& shape) {
  const int style = gadget.Style();
  auto* label = new QLabel(FromUtf8(text), ParentClient(gadget));
  Qt::Alignment alignment = Qt::AlignVCenter;
  alignment |= style & kLabelCentre ? Qt::AlignHCenter : style & kLabelRight ? Qt::AlignRight : Qt::AlignLeft;
  label->setAlignment(alignment);
  if (style & kLabelFrameThin) label->setFrameStyle(QFrame::Box | QFrame::Plain);
  if (style & kLabelFrameSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setTextFormat(Qt::PlainText);
  gadget.GetNative().widget = gadget.GetNative().client = label;
  gadget.SetShape(shape);
}

void BuildHyperLink(TGadget& gadget, const std::string& text, const TRect& shape) {
  auto* label = new QLabel(ParentClient(gadget));
  label->setTextFormat(Qt::RichText);
  SetLinkText(*label, FromUtf8(text));
  label->setAlignment(Qt::AlignCenter);
  label->setCursor(Qt::PointingHandCursor);
  QObject::connect(label, &QLabel::linkActivated, label, [&gadget] {
    if (!gadget.LinkUrl().empty()) gadget.Gui().System().OpenURL(gadget.LinkUrl());
  });
  gadget.GetNative().widget = gadget.GetNative().client = label;
  gadget.SetShape(shape);
}

void BuildTextField(TGadget& gadget, const std::string& text, const TRect& shape) {
  auto* field = new QLineEdit(FromUtf8(text), ParentClient(gadget));
  field->setTextMargins(1, 0, 1, 0);
  // Only the user's edits are reported; the program's own SetText is not.
  QObject::connect(field, &QLineEdit::textEdited, field, [&gadget] { EmitFrom(gadget, kEventGadgetAction, 0); });
  gadget.GetNative().widget = gadget.GetNative().client = field;
  gadget.SetShape(shape);
  // Only displays, but in the normal dark text: a disabled field's pale grey on grey is
  // hard to read, and this is the player's main information. Its text can be copied.
  if (gadget.Style() & kTextFieldDisabled) field->setReadOnly(true);
}

void BuildTextArea(TGadget& gadget, const std::string& text, const TRect& shape) {
  auto* area = new QPlainTextEdit(FromUtf8(text), ParentClient(gadget));
  area->setLineWrapMode(gadget.Style() & kTextAreaWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  area->document()->setDocumentMargin(2);
  // A one-line heading has no room for a scroll bar.
  if (shape.height < 3 * area->fontMetrics().lineSpacing()) area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QObject::connect(area, &QPlainTextEdit::textChanged, area, [&gadget] { EmitFrom(gadget, kEventGadgetAction, 0); });
  gadget.GetNative().widget = gadget.GetNative().client = area;
  gadget.SetShape(shape);
}

void BuildTabStrip(TGadget& gadget, const std::string&, const TRect& shape) {
  TGadget::Native& native = gadget.GetNative();
  auto* strip = new TTabStripWidget(ParentClient(gadget), kTabBarHeight);
  native.widget = strip;
  native.tabBar = strip->Bar();
  native.client = new QWidget(strip);
  native.insets = QMargins(2, kTabBarHeight + 2, 2, 0);
  QObject::connect(strip->Bar(), &QTabBar::currentChanged, strip,
                   [&gadget](int index) { EmitFrom(gadget, kEventGadgetAction, index); });
  gadget.SetShape(shape);
}

void BuildTreeView(TGadget& gadget, const std::string&, const TRect& shape) {
  TGadget::Native& native = gadget.GetNative();
  auto* tree = new QTreeWidget(ParentClient(gadget));
  tree->setHeaderHidden(true);
  tree->setContextMenuPolicy(Qt::CustomContextMenu);
  tree->setIndentation(16);
  native.widget = native.client = native.tree = tree;
  QObject::connect(tree, &QTreeWidget::itemActivated, tree, [&gadget] { EmitFrom(gadget, kEventGadgetAction, 0); });
  QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                   [&gadget] { EmitFrom(gadget, kEventGadgetSelect, 0); });
  QObject::connect(tree, &QTreeWidget::customContextMenuRequested, tree,
                   [&gadget](const QPoint& at) { EmitFrom(gadget, kEventGadgetMenu, 0, at.x(), at.y()); });
  gadget.SetShape(shape);
}

void BuildButton(TGadget& gadget, const std::string& text, const TRect& shape) {
  auto* button = new QPushButton(ShortcutFree(text), ParentClient(gadget));
  button->setIconSize(QSize(16, 16));
  QObject::connect(button, &QPushButton::clicked, button, [&gadget] { EmitFrom(gadget, kEventGadgetAction, 0); });
  gadget.GetNative().widget = gadget.GetNative().client = button;
  gadget.SetShape(shape);
}

void BuildMenu(TGadget& gadget, const std::string& text, const TRect&) {
  TGadget::Native& native = gadget.GetNative();
  TGadget* owner = gadget.Parent();
  QWidget* ownerWidget = owner != nullptr ? owner->GetNative().widget.data() : nullptr;
  native.menu = new QMenu(ShortcutFree(text), ownerWidget);
  native.action = native.menu->menuAction();
  if (owner != nullptr && owner->GetNative().menuBar) {
    owner->GetNative().menuBar->addMenu(native.menu);
    FitWindow(*owner);
  }
}

void BuildMenuItem(TGadget& gadget, const std::string& text, const TRect&) {
  QMenu* menu = gadget.Parent()->GetNative().menu;
  auto* action = new QAction(ShortcutFree(text), menu);
  // A shortcut of a menu bar item works in the whole window.
  action->setShortcutContext(Qt::WindowShortcut);
  menu->addAction(action);
  QObject::connect(action, &QAction::triggered, action,
                   [&gadget] { EmitFrom(gadget, kEventMenuAction, gadget.Tag()); });
  gadget.GetNative().action = action;
}

using Builder = void (*)(TGadget&, const std::string&, const TRect&);

Builder BuilderOf(GadgetKind kind) {
  switch (kind) {
    case GadgetKind::Window: return BuildWindow;
    case GadgetKind::Panel:
    case GadgetKind::Group: return BuildPanel;
    case GadgetKind::Label: return BuildLabel;
    case GadgetKind::HyperLink: return BuildHyperLink;
    case GadgetKind::TextField: return BuildTextField;
    case GadgetKind::TextArea: return BuildTextArea;
    case GadgetKind::TabStrip: return BuildTabStrip;
    case GadgetKind::TreeView: return BuildTreeView;
    case GadgetKind::Button: return BuildButton;
    case GadgetKind::Menu: return BuildMenu;
    case GadgetKind::MenuItem: return BuildMenuItem;
  }
  throw std::logic_error("unknown gadget kind");
}

}  // namespace

void BuildNative(TGadget& gadget, const std::string& text, const TRect& shape) {
  BuilderOf(gadget.Kind())(gadget, text, shape);
  TGadget::Native& native = gadget.GetNative();
  if (native.widget == nullptr) return;
  if (gadget.Kind() != GadgetKind::Window) native.widget->show();  // visible within its parent
  Watch(gadget);
}

void PlaceClient(TGadget& gadget) {
  TGadget::Native& native = gadget.GetNative();
  if (native.widget == nullptr || native.client == native.widget) return;
  QRect area = native.widget->rect();
  if (native.menuBar) {
    const int barHeight = native.menuBar->sizeHint().height();
    native.menuBar->setGeometry(0, 0, area.width(), barHeight);
    area.setTop(barHeight);
  }
  native.client->setGeometry(area.marginsRemoved(native.insets));
}

void FitWindow(TGadget& window) {
  TGadget::Native& native = window.GetNative();
  const QSize bar(0, native.menuBar ? native.menuBar->sizeHint().height() : 0);
  if (window.Style() & kWindowResizable) {
    if (!native.minimumClientSize.isEmpty()) native.widget->setMinimumSize(native.minimumClientSize + bar);
    native.widget->resize(native.clientSize + bar);
  } else {
    native.widget->setFixedSize(native.clientSize + bar);
  }
  PlaceClient(window);
}

void SetLinkText(QLabel& label, const QString& text) {
  label.setWindowTitle(text);
  label.setText("<a href=\"link\">" + text.toHtmlEscaped() + "</a>");
}

QPixmap ToQPixmap(const TPixmap& pixmap) {
  if (pixmap.Width() == 0 || pixmap.Height() == 0) return QPixmap();
  const PixmapPtr rgba = pixmap.Format() == kPixelFormatRGBA8888 ? nullptr : pixmap.Convert(kPixelFormatRGBA8888);
  const TPixmap& source = rgba ? *rgba : pixmap;
  const QImage image(source.Row(0), source.Width(), source.Height(), source.Pitch(), QImage::Format_RGBA8888);
  return QPixmap::fromImage(image.copy());
}

QIcon ToQIcon(const PixmapPtr& pixmap) { return pixmap ? QIcon(ToQPixmap(*pixmap)) : QIcon(); }

}  // namespace strohvik
