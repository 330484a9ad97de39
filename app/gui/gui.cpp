#include "app/gui/gui.h"

#include <QApplication>
#include <QCursor>
#include <QStyleFactory>
#include <algorithm>
#include <stdexcept>

#include "app/gui/native.h"

namespace strohvik {
namespace {

// One application object serves every TGui of the process. It is never destroyed:
// the toolkit cannot be torn down safely from the exit handlers.
void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "strohvik";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
  // One look on every desktop, and the standard font the layout was made for.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QFont standard("Arial");
  standard.setPixelSize(11);
  QApplication::setFont(standard);
  QApplication::setQuitOnLastWindowClosed(false);
}

Qt::CursorShape CursorShapeOf(int shape) {
  switch (shape) {
    case kPointerWait: return Qt::WaitCursor;
    case kPointerCross: return Qt::CrossCursor;
    case kPointerText: return Qt::IBeamCursor;
    case kPointerHand: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace

TGui::TGui(std::shared_ptr<TSystemDriver> system) : system_(std::move(system)) { EnsureApplication(); }

TGui::~TGui() {
  SetPointer(kPointerDefault);
  // Children before their parents, so that no widget is deleted twice.
  while (!gadgets_.empty()) gadgets_.pop_back();
}

TGadget& TGui::CreateGadget(GadgetKind kind, const std::string& name, const std::string& text, const TRect& shape,
                            TGadget* parent, int style) {
  if (!name.empty() && byName_.count(name) != 0) throw std::logic_error("gadget created twice: " + name);
  auto gadget = std::make_unique<TGadget>(*this, kind, name, parent, style);
  BuildNative(*gadget, text, shape);
  TGadget& made = *gadget;
  gadgets_.push_back(std::move(gadget));
  if (!name.empty()) byName_[name] = &made;
  return made;
}

void TGui::FreeGadget(const TGadget* gadget) {
  const auto owned = [this](const TGadget* wanted) {
    return std::find_if(gadgets_.begin(), gadgets_.end(), [wanted](const auto& held) { return held.get() == wanted; });
  };
  if (owned(gadget) == gadgets_.end()) return;
  // Children first: each takes its widget and its place in its parent's list with it.
  while (!gadget->Children().empty()) FreeGadget(gadget->Children().back());
  byName_.erase(gadget->Name());
  gadgets_.erase(owned(gadget));
}

TGadget* TGui::Find(const std::string& name) const {
  auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : found->second;
}

TGadget& TGui::Get(const std::string& name) const {
  TGadget* gadget = Find(name);
  if (gadget == nullptr) throw std::logic_error("no gadget named " + name);
  return *gadget;
}

TEvent TGui::WaitEvent() {
  while (queue_.Empty()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return *queue_.Pop();
}

void TGui::ProcessPendingEvents() { QApplication::processEvents(QEventLoop::AllEvents); }

void TGui::SetPointer(int shape) {
  if (shape == pointer_) return;
  if (pointer_ != kPointerDefault) QApplication::restoreOverrideCursor();
  pointer_ = shape;
  if (shape != kPointerDefault) QApplication::setOverrideCursor(QCursor(CursorShapeOf(shape)));
}

void TGui::PopupMenu(TGadget&, TGadget& menu) {
  if (QMenu* native = menu.GetNative().menu) native->popup(QCursor::pos());
}

PixmapPtr LoadPixmapOrThrow(const std::string& url) {
  PixmapPtr pixmap = TPixmap::Load(url);
  if (!pixmap) throw std::runtime_error("picture missing: " + url);
  return pixmap;
}

}  // namespace strohvik
