#include "app/gui/input_simulation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include "app/gui/event.h"
#include "app/gui/native.h"
#include "app/gui/qt_text.h"

namespace strohvik {
namespace {

QWidget& InputWidget(TGadget& gadget) {
  QWidget* widget = gadget.GetNative().client;
  if (widget == nullptr) throw std::logic_error(gadget.Name() + " takes no mouse input");
  return *widget;
}

Qt::MouseButton QtButton(int button) {
  switch (button) {
    case kMouseLeft: return Qt::LeftButton;
    case kMouseRight: return Qt::RightButton;
    default: return Qt::MiddleButton;
  }
}

}  // namespace

void SimulateMouseEnter(TGadget& gadget, int x, int y) {
  QWidget& widget = InputWidget(gadget);
  const QPointF at(x, y);
  QEnterEvent enter(at, at, widget.mapToGlobal(at));
  QApplication::sendEvent(&widget, &enter);
}

void SimulateMouseLeave(TGadget& gadget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&InputWidget(gadget), &leave);
}

void SimulateMouseMove(TGadget& gadget, int x, int y) {
  QWidget& widget = InputWidget(gadget);
  const QPointF at(x, y);
  QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

void SimulateMouseButton(TGadget& gadget, bool down, int button, int x, int y) {
  QWidget& widget = InputWidget(gadget);
  const QPointF at(x, y);
  const Qt::MouseButton qtButton = QtButton(button);
  QMouseEvent press(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), qtButton,
                    down ? qtButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
}

void SimulateMouseWheel(TGadget& gadget, int steps, int x, int y) {
  QWidget& widget = InputWidget(gadget);
  const QPointF at(x, y);
  QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &wheel);
}

void SimulatePointerPress(TGadget& gadget, int button, int x, int y) {
  SimulateMouseEnter(gadget, x, y);
  SimulateMouseButton(gadget, true, button, x, y);
}

void SimulatePointerRelease(TGadget& gadget, int button, int x, int y) {
  SimulateMouseButton(gadget, false, button, x, y);
  SimulateMouseLeave(gadget);
}

void SimulateCloseRequest(TGadget& window) {
  QCloseEvent close;
  QApplication::sendEvent(window.GetNative().widget, &close);
}

void SimulateContextClick(TGadget& gadget, int x, int y) {
  QWidget& widget = InputWidget(gadget);
  // The desktop reports the click to the innermost widget under the pointer, such as a
  // tree's viewport.
  const QPoint at(x, y);
  QWidget* under = widget.childAt(at);
  QWidget& target = under != nullptr ? *under : widget;
  QContextMenuEvent click(QContextMenuEvent::Mouse, target.mapFrom(&widget, at), widget.mapToGlobal(at));
  QApplication::sendEvent(&target, &click);
}

void SimulateKeyChord(TGadget& window, const std::string& chord) {
  const QKeyCombination keys = QKeySequence(QString::fromStdString(chord))[0];
  QWidget* widget = window.GetNative().widget;
  QWidget* focus = widget->focusWidget();
  // The test library's key clicks pass the toolkit's shortcut resolution, as typing does.
  QTest::keyClick(focus != nullptr ? focus : widget, keys.key(), keys.keyboardModifiers());
}

void SimulateMenuChoice(TGadget& item) {
  if (QAction* action = item.GetNative().action) action->trigger();
}

void SimulateLinkClick(TGadget& hyperLink) {
  if (auto* label = qobject_cast<QLabel*>(hyperLink.GetNative().widget)) emit label->linkActivated("link");
}

std::string DrawnText(TGadget& gadget) {
  const TGadget::Native& native = gadget.GetNative();
  QString text;
  if (native.action) text = native.action->text();
  else if (auto* button = qobject_cast<QPushButton*>(native.widget)) text = button->text();
  // An action's icon text is its text as menus draw it, the shortcut marks taken out.
  return ToUtf8(QAction(text).iconText());
}

int TopLevelWindowCount() { return static_cast<int>(QApplication::topLevelWidgets().size()); }

PixmapPtr Photograph(TGadget& gadget) {
  const QImage image = gadget.GetNative().widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  PixmapPtr picture = TPixmap::Create(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) picture->WritePixel(x, y, image.pixel(x, y));
  return picture;
}

void SimulateTabClick(TGadget& strip, int index) {
  if (QTabBar* bar = strip.GetNative().tabBar) bar->setCurrentIndex(index);
}

}  // namespace strohvik
