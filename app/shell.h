#pragma once
// The program itself: start-up, the event loop with its dispatch by event id and
// source, and the after-event step that keeps the windows in line with the state.

#include <map>
#include <utility>

#include "app/app_context.h"

namespace strohvik {

class TShell {
 public:
  // Start-up: resources, the work and temp folders, the main window and the dialogs.
  explicit TShell(TGui& gui);

  // Runs until a handler ends the program and returns its exit code.
  int Run();

  // One turn of the loop for an event that has been taken from the queue. False once
  // the program is to end.
  bool Handle(const TEvent& event);
  // Before the first wait: the first pass of the after-event step comes at once even
  // where the platform reports no window activation.
  void Start();
  void AfterEvent(const TEvent* event);
  // Lets the toolkit deliver what is pending and handles every queued event, without
  // waiting. False once the program is to end.
  bool HandlePending();

  TAppContext& App() { return app_; }

 private:
  using Handler = void (*)(TAppContext&, const TEvent&);
  void Dispatch(const TEvent& event);
  void RunTreeActions(const TEvent& event);

  TAppContext app_;
  std::map<std::pair<int, const TObject*>, Handler> routes_;
};

}  // namespace strohvik
