#include "app/gui/gadget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <stdexcept>

#include "app/gui/gui.h"
#include "app/gui/native.h"
#include "app/gui/qt_text.h"
#include "app/gui/widgets.h"

namespace strohvik {
namespace {


QFont ToQFont(const TFont& font) {
  QFont made = font.family.empty() ? QApplication::font() : QFont(FromUtf8(font.family));
  if (!font.family.empty()) made.setPixelSize((font.size * 96 + 36) / 72);
  made.setBold(font.bold);
  made.setItalic(font.italic);
  return made;
}

bool IsWindow(const TGadget& gadget) { return gadget.Kind() == GadgetKind::Window; }

}  // namespace

TGadget::TGadget(TGui& gui, GadgetKind kind, std::string name, TGadget* parent, int style)
    : gui_(gui), kind_(kind), name_(std::move(name)), parent_(parent), style_(style), native_(std::make_unique<Native>()) {
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

TGadget::~TGadget() {
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  native_->nodes.clear();
  if (kind_ == GadgetKind::MenuItem) delete native_->action.data();
  if (kind_ == GadgetKind::Menu) delete native_->menu.data();
  delete native_->widget.data();
}

void TGadget::SetText(const std::string& text) {
  if (text == GetText()) return;
  const QString value = FromUtf8(text);
  QObject* target = native_->widget ? static_cast<QObject*>(native_->widget.data()) : native_->action.data();
  const QSignalBlocker quiet(target);
  if (auto* field = qobject_cast<QLineEdit*>(native_->widget)) field->setText(value);
  else if (auto* area = qobject_cast<QPlainTextEdit*>(native_->widget)) area->setPlainText(value);
  else if (kind_ == GadgetKind::HyperLink) SetLinkText(*static_cast<QLabel*>(native_->widget.data()), value);
  else if (auto* label = qobject_cast<QLabel*>(native_->widget)) label->setText(value);
  else if (auto* button = qobject_cast<QPushButton*>(native_->widget)) button->setText(ShortcutFree(text));
  else if (kind_ == GadgetKind::Menu) native_->menu->setTitle(ShortcutFree(text));
  else if (kind_ == GadgetKind::MenuItem) native_->action->setText(ShortcutFree(text));
  else if (native_->widget) {
    native_->widget->setWindowTitle(value);
    native_->widget->update();
  }
}

std::string TGadget::GetText() const {
  if (auto* field = qobject_cast<QLineEdit*>(native_->widget)) return ToUtf8(field->text());
  if (auto* area = qobject_cast<QPlainTextEdit*>(native_->widget)) return ToUtf8(area->toPlainText());
  if (kind_ == GadgetKind::HyperLink) return ToUtf8(native_->widget->windowTitle());
  if (auto* label = qobject_cast<QLabel*>(native_->widget)) return ToUtf8(label->text());
  if (auto* button = qobject_cast<QPushButton*>(native_->widget)) return FromShortcutFree(button->text());
  if (kind_ == GadgetKind::Menu) return FromShortcutFree(native_->menu->title());
  if (kind_ == GadgetKind::MenuItem) return FromShortcutFree(native_->action->text());
  return native_->widget ? ToUtf8(native_->widget->windowTitle()) : "";
}

void TGadget::SetShow(bool show) {
  if (show == Shown()) return;
  if (native_->widget) native_->widget->setVisible(show);
  else if (native_->action) native_->action->setVisible(show);
}

bool TGadget::Shown() const {
  if (native_->widget) return !native_->widget->isHidden();
  // A pop-up menu is shown while it is open; a menu of the bar while its entry is.
  if (kind_ == GadgetKind::Menu && parent_ == nullptr) return native_->menu->isVisible();
  return native_->action && native_->action->isVisible();
}

void TGadget::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (native_->widget) native_->widget->setEnabled(enabled);
  else if (native_->action) native_->action->setEnabled(enabled);
  if (observer_ != nullptr) observer_->EnabledChanged(enabled);
}

bool TGadget::Enabled() const {
  if (native_->widget) return !native_->widget->testAttribute(Qt::WA_ForceDisabled);
  return native_->action && native_->action->isEnabled();
}

bool TGadget::EnabledWithParents() const {
  if (native_->widget) return native_->widget->isEnabled();
  return native_->action && native_->action->isEnabled();
}

void TGadget::Activate() {
  if (!native_->widget) return;
  if (IsWindow(*this)) {
    native_->widget->raise();
    native_->widget->activateWindow();
  } else {
    native_->client->setFocus(Qt::OtherFocusReason);
  }
}

TRect TGadget::Shape() const {
  if (!native_->widget) return {};
  const QWidget& widget = *native_->widget;
  if (IsWindow(*this)) return {widget.x(), widget.y(), ClientWidth(), ClientHeight()};
  return {widget.x(), widget.y(), widget.width(), widget.height()};
}

void TGadget::SetShape(const TRect& shape) {
  QWidget* widget = native_->widget;
  if (!widget) return;
  widget->move(shape.x, shape.y);
  if (IsWindow(*this)) {
    native_->clientSize = QSize(shape.width, shape.height) - native_->windowFrame;
    FitWindow(*this);
    return;
  }
  widget->resize(shape.width, shape.height);
  PlaceClient(*this);
}

TRect TGadget::FrameShape() const {
  if (!native_->widget) return {};
  const QRect frame = native_->widget->frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

int TGadget::TextWidth() const { return native_->widget ? native_->widget->sizeHint().width() : 0; }

int TGadget::ClientWidth() const { return native_->client ? native_->client->width() : 0; }
int TGadget::ClientHeight() const { return native_->client ? native_->client->height() : 0; }

void TGadget::SetMinimumSize(int width, int height) {
  if (!IsWindow(*this)) return;
  native_->minimumClientSize = QSize(width, height) - native_->windowFrame;
  FitWindow(*this);
}

void TGadget::SetLayout(bool left, bool right, bool top, bool bottom) {
  if (parent_ == nullptr) return;
  const TRect shape = Shape();
  anchoring_ = {true, left, right, top, bottom, parent_->ClientWidth() - (shape.x + shape.width),
                parent_->ClientHeight() - (shape.y + shape.height)};
}

void TGadget::LayoutChildren() {
  const int width = ClientWidth(), height = ClientHeight();
  for (TGadget* child : children_) {
    const Anchoring& a = child->anchoring_;
    if (!a.active) continue;
    TRect shape = child->Shape();
    if (a.left && a.right) shape.width = std::max(0, width - shape.x - a.rightDistance);
    else if (a.right) shape.x = width - a.rightDistance - shape.width;
    if (a.top && a.bottom) shape.height = std::max(0, height - shape.y - a.bottomDistance);
    else if (a.bottom) shape.y = height - a.bottomDistance - shape.height;
    if (!(shape == child->Shape())) child->SetShape(shape);
  }
}

void TGadget::SetColor(TRgb colour) {
  const QColor value(colour.red, colour.green, colour.blue);
  if (native_->background == value || !native_->widget) return;
  native_->background = value;
  QWidget& widget = *native_->widget;
  if (kind_ == GadgetKind::Panel || kind_ == GadgetKind::Group) {
    widget.update();
    return;
  }
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, value);
  palette.setColor(QPalette::Base, value);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

std::optional<TRgb> TGadget::Color() const {
  if (!native_->background) return std::nullopt;
  return TRgb{native_->background->red(), native_->background->green(), native_->background->blue()};
}

void TGadget::SetTextColor(TRgb colour) {
  if (!native_->widget) return;
  const QColor value(colour.red, colour.green, colour.blue);
  QPalette palette = native_->widget->palette();
  if (palette.color(QPalette::WindowText) == value && palette.color(QPalette::Text) == value) return;
  palette.setColor(QPalette::WindowText, value);
  palette.setColor(QPalette::Text, value);
  native_->widget->setPalette(palette);
}

void TGadget::SetFont(const TFont& font) {
  const QFont value = ToQFont(font);
  if (native_->widget && native_->widget->font() != value) native_->widget->setFont(value);
  if (native_->action && native_->action->font() != value) native_->action->setFont(value);
}

void TGadget::SetPixmap(const PixmapPtr& pixmap, int flags) {
  if (pixmap == native_->pixmap && flags == native_->pixmapFlags) return;
  native_->pixmap = pixmap;
  native_->pixmapFlags = flags;
  native_->picture = pixmap ? ToQPixmap(*pixmap) : QPixmap();
  if (kind_ == GadgetKind::MenuItem) native_->action->setIcon(ToQIcon(pixmap));
  else if (kind_ == GadgetKind::Button) static_cast<QPushButton*>(native_->widget.data())->setIcon(ToQIcon(pixmap));
  else if (IsWindow(*this)) native_->widget->setWindowIcon(ToQIcon(pixmap));
  else if (native_->widget) native_->widget->update();
}

PixmapPtr TGadget::Pixmap() const { return native_->pixmap; }
int TGadget::PixmapFlags() const { return native_->pixmapFlags; }

void TGadget::SetIconStrip(const PixmapPtr& strip) {
  native_->iconStrip = strip;
  if (native_->tree) native_->tree->setIconSize(QSize(16, 16));
}

void TGadget::InsertItem(int index, const std::string& text, const PixmapPtr& icon, TGadget* page) {
  QTabBar* bar = native_->tabBar;
  if (!bar) throw std::logic_error(name_ + " is not a tab strip");
  const QSignalBlocker quiet(bar);
  bar->insertTab(index, ToQIcon(icon), ShortcutFree(text));
  native_->pages.insert(native_->pages.begin() + std::clamp(index, 0, ItemCount() - 1), page);
}

int TGadget::ItemCount() const { return native_->tabBar ? native_->tabBar->count() : 0; }
std::string TGadget::ItemText(int index) const { return FromShortcutFree(native_->tabBar->tabText(index)); }
TGadget* TGadget::ItemPage(int index) const { return native_->pages.at(static_cast<size_t>(index)); }
int TGadget::SelectedItem() const { return native_->tabBar ? native_->tabBar->currentIndex() : -1; }

void TGadget::SelectItem(int index) {
  if (!native_->tabBar || index == SelectedItem()) return;
  const QSignalBlocker quiet(native_->tabBar);
  native_->tabBar->setCurrentIndex(index);
}

TTreeNode* TGadget::RootNode() {
  if (!native_->tree) throw std::logic_error(name_ + " is not a tree view");
  if (!native_->root) native_->root = std::make_unique<TTreeNode>(std::make_unique<TTreeNode::Native>(TTreeNode::Native{native_->tree, nullptr}));
  return native_->root.get();
}

TTreeNode* TGadget::InsertNode(TTreeNode* parent, const std::string& text) {
  RootNode();
  QTreeWidgetItem* parentItem = parent != nullptr ? parent->GetNative().item : nullptr;
  auto* item = parentItem != nullptr ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(native_->tree);
  item->setText(0, FromUtf8(text));
  auto node = std::make_unique<TTreeNode>(std::make_unique<TTreeNode::Native>(TTreeNode::Native{native_->tree, item}));
  TTreeNode* made = node.get();
  native_->nodes[item] = std::move(node);
  return made;
}

std::vector<TTreeNode*> TGadget::ChildNodes(TTreeNode* parent) {
  RootNode();
  QTreeWidgetItem* parentItem = parent != nullptr ? parent->GetNative().item : nullptr;
  const int count = parentItem != nullptr ? parentItem->childCount() : native_->tree->topLevelItemCount();
  std::vector<TTreeNode*> children;
  for (int i = 0; i < count; ++i) {
    QTreeWidgetItem* item = parentItem != nullptr ? parentItem->child(i) : native_->tree->topLevelItem(i);
    children.push_back(native_->nodes.at(item).get());
  }
  return children;
}

TTreeNode* TGadget::SelectedNode() {
  if (!native_->tree) return nullptr;
  auto found = native_->nodes.find(native_->tree->currentItem());
  return found == native_->nodes.end() ? nullptr : found->second.get();
}

void TGadget::SelectNode(TTreeNode* node) {
  if (native_->tree && node != nullptr) native_->tree->setCurrentItem(node->GetNative().item);
}

void TGadget::FreeChildren(TTreeNode* node) {
  if (!native_->tree || node == nullptr) return;
  QTreeWidgetItem* item = node->GetNative().item;
  const QList<QTreeWidgetItem*> children =
      item != nullptr ? item->takeChildren() : [this] {
        QList<QTreeWidgetItem*> top;
        while (native_->tree->topLevelItemCount() > 0) top << native_->tree->takeTopLevelItem(0);
        return top;
      }();
  std::vector<QTreeWidgetItem*> pending(children.begin(), children.end());
  while (!pending.empty()) {
    QTreeWidgetItem* gone = pending.back();
    pending.pop_back();
    for (int i = 0; i < gone->childCount(); ++i) pending.push_back(gone->child(i));
    native_->nodes.erase(gone);
  }
  qDeleteAll(children);
}

void TGadget::SetHotKey(const std::string& key) {
  if (!native_->action) return;
  native_->action->setShortcut(key.empty() ? QKeySequence() : QKeySequence(FromUtf8("Ctrl+" + key)));
}

std::string TGadget::HotKey() const {
  return native_->action ? ToUtf8(native_->action->shortcut().toString(QKeySequence::PortableText)) : "";
}

TTreeNode::TTreeNode(std::unique_ptr<Native> native) : native_(std::move(native)) {}
TTreeNode::~TTreeNode() = default;

std::string TTreeNode::Text() const { return native_->item ? ToUtf8(native_->item->text(0)) : ""; }

}  // namespace strohvik
