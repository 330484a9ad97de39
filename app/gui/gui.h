#pragma once
// The toolkit as the program sees it: it makes gadgets and finds them by designer name,
// owns the emit-event hook chain and the event queue, and runs the pull loop's wait.
// Make one per run (or per test); its gadgets live as long as it does.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/gui/event_hub.h"
#include "app/gui/event_queue.h"
#include "app/gui/gadget.h"
#include "app/gui/system_driver.h"

namespace strohvik {

// Pointer shapes: 0 the default arrow, 12 the pointing hand.
enum PointerShape : int { kPointerDefault = 0, kPointerWait = 3, kPointerCross = 4, kPointerText = 5, kPointerHand = 12 };

class TGui {
 public:
  explicit TGui(std::shared_ptr<TSystemDriver> system);
  ~TGui();
  TGui(const TGui&) = delete;
  TGui& operator=(const TGui&) = delete;

  TEventHub& Hub() { return hub_; }
  TEventQueue& Queue() { return queue_; }
  void Emit(TEvent& event) { hub_.Emit(event); }
  TSystemDriver& System() { return *system_; }

  // Names are unique; a second gadget of the same name is a programming fault. A gadget
  // made with an empty name is not found by name. A window made with a parent is a
  // frameless window owned by it that never takes the focus, placed on the desktop.
  TGadget& CreateGadget(GadgetKind kind, const std::string& name, const std::string& text, const TRect& shape,
                        TGadget* parent, int style);
  // Frees the gadget with everything built on it; a gadget already gone is skipped.
  void FreeGadget(const TGadget* gadget);
  TGadget* Find(const std::string& name) const;
  TGadget& Get(const std::string& name) const;  // throws when there is no such gadget
  const std::vector<std::unique_ptr<TGadget>>& Gadgets() const { return gadgets_; }

  // Blocks until the queue holds an event, then takes it.
  TEvent WaitEvent();
  // Lets the toolkit deliver what is pending, without waiting.
  void ProcessPendingEvents();

  void SetPointer(int shape);
  int Pointer() const { return pointer_; }
  // In screen coordinates; none where the platform cannot tell.
  std::optional<TPoint> CursorPosition() const { return system_->CursorPosition(); }

  // Opens the menu at the mouse position and returns at once; the chosen item arrives
  // as a MenuAction event.
  void PopupMenu(TGadget& window, TGadget& menu);

 private:
  std::shared_ptr<TSystemDriver> system_;
  TEventHub hub_;
  TEventQueue queue_{hub_};
  int pointer_ = kPointerDefault;
  std::vector<std::unique_ptr<TGadget>> gadgets_;
  std::map<std::string, TGadget*> byName_;
};

// Loads a picture, or throws naming it: the program's own pictures are always there.
PixmapPtr LoadPixmapOrThrow(const std::string& url);

}  // namespace strohvik
