#pragma once
// The adapter's own widgets: panels that draw a background picture, tab strips whose
// pages are ordinary panels, and the filter that turns toolkit input into TEvents.

#include <QEvent>
#include <QFrame>
#include <QObject>
#include <QTabBar>

#include "app/gui/gadget.h"

namespace strohvik {

// Panels and groups: colour, then picture, then the border or the group's frame.
class TPanelWidget : public QFrame {
 public:
  TPanelWidget(TGadget& gadget, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintGroupFrame(QPainter& painter);
  TGadget& gadget_;
};

// A row of tabs over a framed client area; the pages are child gadgets of the strip.
class TTabStripWidget : public QWidget {
 public:
  TTabStripWidget(QWidget* parent, int barHeight);
  QTabBar* Bar() const { return bar_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* bar_;
  int barHeight_;
};

// Watches a gadget's widgets and emits TEvents synchronously through the hook chain:
// window closes, activations, moves and sizes; the mouse and keys of active panels;
// and the re-layout of the children when the client area changes.
class TEventTranslator : public QObject {
 public:
  TEventTranslator(TGadget& gadget, QObject* parent) : QObject(parent), gadget_(gadget) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool TranslateWindowEvent(QEvent* event);
  void TranslateInput(QEvent* event);
  TGadget& gadget_;
};

// Emits one event with the gadget as its source.
void EmitFrom(TGadget& gadget, int id, int data, int x = 0, int y = 0, int mods = 0);

}  // namespace strohvik
