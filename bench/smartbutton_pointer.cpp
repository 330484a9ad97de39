// Targets: a mouse move costs under 20 us in the hook chain with the program's 17
// picture buttons subscribed; a hover on and off one button (tint, own picture again,
// both drawn) under 1 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/gui/gui.h"
#include "app/gui/input_simulation.h"
#include "app/shell.h"

namespace strohvik {
namespace {

// The real program with all its windows, started in a folder of its own, its main
// window in use.
class RunningProgram {
 public:
  RunningProgram() : previous_(std::filesystem::current_path()) {
    char pattern[] = "/tmp/strohvik-bench-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::current_path(folder_);
    gui_ = std::make_unique<TGui>(std::make_shared<TScriptedSystemDriver>());
    shell_ = std::make_unique<TShell>(*gui_);
    shell_->HandlePending();
    // Without a settings file the first start opens the settings dialog over a
    // disabled main window; closed, the main window's buttons answer.
    SimulateCloseRequest(gui_->Get("ChildWindow6"));
    shell_->HandlePending();
  }
  ~RunningProgram() {
    shell_.reset();
    gui_.reset();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }
  TGui& Gui() { return *gui_; }
  TShell& Shell() { return *shell_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path folder_;
  std::unique_ptr<TGui> gui_;
  std::unique_ptr<TShell> shell_;
};

// A drag across a button's face: after the first arrival every move stays in its one
// region, the common case. The loop empties the queue as the program's loop would.
template <typename Deliver>
void Drag(benchmark::State& state, Deliver deliver) {
  RunningProgram program;
  TGadget& panel = program.Gui().Get("SmartButton25");
  SimulateMouseEnter(panel, 5, 5);
  int x = 5;
  for (auto _ : state) {
    x = x == 100 ? 5 : x + 1;
    deliver(program.Gui(), panel, x);
    while (program.Gui().Queue().Pop()) {
    }
  }
}

// The move emitted into the hook chain: what the 17 subscribed buttons add to it.
void BM_MouseMoveThroughTheHookChain(benchmark::State& state) {
  Drag(state, [](TGui& gui, TGadget& panel, int x) {
    TEvent move{.id = kEventMouseMove, .source = &panel, .x = x, .y = 12};
    gui.Emit(move);
  });
}
BENCHMARK(BM_MouseMoveThroughTheHookChain)->Unit(benchmark::kMicrosecond);

// The same move, delivered by the toolkit to the panel's widget as a real one is.
void BM_MouseMoveFromTheToolkit(benchmark::State& state) {
  Drag(state, [](TGui&, TGadget& panel, int x) { SimulateMouseMove(panel, x, 12); });
}
BENCHMARK(BM_MouseMoveFromTheToolkit)->Unit(benchmark::kMicrosecond);

// Enter (green tint), leave (own picture), each drawn by the toolkit before the next.
void BM_HoverOnAndOff(benchmark::State& state) {
  RunningProgram program;
  TGadget& panel = program.Gui().Get("SmartButton25");
  for (auto _ : state) {
    SimulateMouseEnter(panel, 30, 12);
    program.Gui().ProcessPendingEvents();
    SimulateMouseLeave(panel);
    program.Gui().ProcessPendingEvents();
    while (program.Gui().Queue().Pop()) {
    }
  }
}
BENCHMARK(BM_HoverOnAndOff)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace strohvik
