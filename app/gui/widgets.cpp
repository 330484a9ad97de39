#include "app/gui/widgets.h"

#include <QCloseEvent>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

#include "app/gui/gui.h"
#include "app/gui/native.h"

namespace strohvik {
namespace {

void DrawPicture(QPainter& painter, const QRect& area, const QPixmap& picture, int mode) {
  if (picture.isNull() || area.isEmpty()) return;
  switch (mode) {
    case kPixmapStretch: painter.drawPixmap(area, picture); break;
    case kPixmapTile: painter.drawTiledPixmap(area, picture); break;
    case kPixmapScaleToWidth: {
      const int height = picture.height() * area.width() / picture.width();
      painter.drawPixmap(QRect(area.x(), area.y() + (area.height() - height) / 2, area.width(), height), picture);
      break;
    }
    default:
      painter.drawPixmap(area.x() + (area.width() - picture.width()) / 2,
                         area.y() + (area.height() - picture.height()) / 2, picture);
  }
}

int ModifiersOf(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

int ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kMouseLeft;
    case Qt::RightButton: return kMouseRight;
    case Qt::MiddleButton: return kMouseMiddle;
    default: return 0;
  }
}

}  // namespace

void EmitFrom(TGadget& gadget, int id, int data, int x, int y, int mods) {
  TEvent event;
  event.id = id;
  event.source = &gadget;
  event.data = data;
  event.x = x;
  event.y = y;
  event.mods = mods;
  gadget.Gui().Emit(event);
}

TPanelWidget::TPanelWidget(TGadget& gadget, QWidget* parent) : QFrame(parent), gadget_(gadget) {}

void TPanelWidget::paintEvent(QPaintEvent*) {
  const TGadget::Native& native = gadget_.GetNative();
  QPainter painter(this);
  const QRect area = gadget_.Kind() == GadgetKind::Group ? rect() : contentsRect();
  if (native.background) painter.fillRect(area, *native.background);
  DrawPicture(painter, area, native.picture, native.pixmapFlags);
  if (gadget_.Kind() == GadgetKind::Group)
    PaintGroupFrame(painter);
  else
    drawFrame(&painter);
}

void TPanelWidget::PaintGroupFrame(QPainter& painter) {
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.rect = rect().adjusted(0, lineY, 0, 0);
  frame.lineWidth = 1;
  style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);
  const QString title = windowTitle();
  if (title.isEmpty()) return;
  const QRect titleArea(8, 0, metrics.horizontalAdvance(title) + 6, metrics.height());
  painter.fillRect(titleArea, gadget_.GetNative().background.value_or(palette().window().color()));
  painter.setPen(palette().windowText().color());
  painter.drawText(titleArea, Qt::AlignCenter, title);
}

TTabStripWidget::TTabStripWidget(QWidget* parent, int barHeight)
    : QWidget(parent), bar_(new QTabBar(this)), barHeight_(barHeight) {
  bar_->setDrawBase(false);
  bar_->setExpanding(false);
  bar_->setIconSize(QSize(16, 16));
  // Tabs as low as the strip's fixed bar, so that the pages get the full client area.
  bar_->setStyleSheet(QString("QTabBar::tab { height: %1px; padding: 0px 8px; }").arg(barHeight - 4));
}

void TTabStripWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = rect().adjusted(0, barHeight_ - 1, 0, 0);
  frame.shape = QTabBar::RoundedNorth;
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TTabStripWidget::resizeEvent(QResizeEvent*) { bar_->setGeometry(2, 0, width() - 4, barHeight_); }

bool TEventTranslator::eventFilter(QObject* watched, QEvent* event) {
  const TGadget::Native& native = gadget_.GetNative();
  if (watched == native.widget && event->type() == QEvent::Resize) PlaceClient(gadget_);
  if (watched == native.client && event->type() == QEvent::Resize) gadget_.LayoutChildren();
  if (gadget_.Kind() == GadgetKind::Window && watched == native.widget) return TranslateWindowEvent(event);
  if (gadget_.Kind() == GadgetKind::Panel && (gadget_.Style() & kPanelActive) && watched == native.client)
    TranslateInput(event);
  return false;
}

bool TEventTranslator::TranslateWindowEvent(QEvent* event) {
  QWidget* window = gadget_.GetNative().widget;
  switch (event->type()) {
    case QEvent::Close:
      // The program decides what a close request means; the toolkit never closes by itself.
      event->ignore();
      EmitFrom(gadget_, kEventWindowClose, 0);
      return true;
    case QEvent::WindowActivate: EmitFrom(gadget_, kEventWindowActivate, 0); break;
    case QEvent::Move: EmitFrom(gadget_, kEventWindowMove, 0, window->x(), window->y()); break;
    case QEvent::Resize:
      EmitFrom(gadget_, kEventWindowSize, 0, gadget_.ClientWidth(), gadget_.ClientHeight());
      break;
    default: break;
  }
  return false;
}

void TEventTranslator::TranslateInput(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const int button = ButtonOf(mouse->button());
      if (button == 0) return;
      const QPoint at = mouse->position().toPoint();
      const int id = event->type() == QEvent::MouseButtonRelease ? kEventMouseUp : kEventMouseDown;
      EmitFrom(gadget_, id, button, at.x(), at.y(), ModifiersOf(mouse->modifiers()));
      break;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      EmitFrom(gadget_, kEventMouseMove, 0, at.x(), at.y(), ModifiersOf(mouse->modifiers()));
      break;
    }
    case QEvent::Enter: {
      // A move at the entry point follows, so that whatever tracks the pointer knows
      // where it is before the first click (a click right after a dialog closes).
      const QPoint at = static_cast<QEnterEvent*>(event)->position().toPoint();
      EmitFrom(gadget_, kEventMouseEnter, 0, at.x(), at.y());
      EmitFrom(gadget_, kEventMouseMove, 0, at.x(), at.y());
      break;
    }
    case QEvent::Leave: EmitFrom(gadget_, kEventMouseLeave, 0); break;
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      const int steps = wheel->angleDelta().y() / 120;
      const QPoint at = wheel->position().toPoint();
      if (steps != 0) EmitFrom(gadget_, kEventMouseWheel, steps, at.x(), at.y(), ModifiersOf(wheel->modifiers()));
      break;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      EmitFrom(gadget_, kEventKeyDown, key->key(), 0, 0, ModifiersOf(key->modifiers()));
      break;
    }
    default: break;
  }
}

}  // namespace strohvik
