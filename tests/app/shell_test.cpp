// Start-up, dispatch, the after-event step, the dialogs and the ways out.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/gui/input_simulation.h"
#include "app/gui/timer.h"
#include "shell_fixture.h"

namespace strohvik {
namespace {

// Records the id, source and position of every event, in emission order.
struct Trace : TObject {
  std::vector<TEvent> events;
  static TEvent* Hook(int, TEvent* event, TObject* self) {
    static_cast<Trace*>(self)->events.push_back(*event);
    return event;
  }
};

class FirstStart : public ShellFixture {
 protected:
  FirstStart() : ShellFixture(false) {}
};

TEST_F(FirstStart, ShowsTheMainWindowAndTheSettingsDialogOverIt) {
  shell_->HandlePending();
  EXPECT_TRUE(G("Window1").Shown());
  EXPECT_FALSE(G("ChildWindow11").Shown());
  EXPECT_TRUE(G("ChildWindow6").Shown());
  EXPECT_FALSE(G("Window1").Enabled());
  EXPECT_EQ(App().state.settingsDialog.startupCheckFlag, "JA");
  EXPECT_EQ(G("Label9").GetText(), "Version : v1.7.0");
  EXPECT_EQ(G("Label47").GetText(), "v1.7.0");
}

class Shell : public ShellFixture {
 protected:
  // Picture buttons are pressed as a person presses them; other sources emit.
  bool Act(int id, const std::string& source) {
    const bool pictureButton = id == kEventGadgetAction && source.starts_with("SmartButton");
    return pictureButton ? Press(source) : Send(id, source);
  }
};

TEST_F(Shell, TheFirstPassComesEvenWhenThePlatformReportsNoActivation) {
  // Take away whatever the platform has queued, as a platform that reports nothing would.
  for (int round = 0; round < 5; ++round) {
    gui_->ProcessPendingEvents();
    while (gui_->Queue().Pop()) {
    }
  }
  ASSERT_FALSE(G("Window1").Shown());
  shell_->Start();
  EXPECT_TRUE(G("Window1").Shown());
  EXPECT_FALSE(G("ChildWindow11").Shown());
}

TEST_F(Shell, StartsWithTheWorkAndTempFolders) {
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "Data_Temp"));
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "LS_2011_Data_Temp"));
  shell_->HandlePending();
  EXPECT_FALSE(G("ChildWindow6").Shown()) << "a settings file exists";
  EXPECT_TRUE(G("Window1").Enabled());
}

// The information window, active over the main window, which it leaves enabled.
class WithInformationWindow : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    gui_->Hub().AddHook(&Trace::Hook, &trace_, 100);
    Send(kEventMenuAction, "Window1#Informationen");
    G("ChildWindow12").Activate();
    for (int round = 0; round < 5; ++round) shell_->HandlePending();  // activations arrive late
    TObject* lastActivated = nullptr;
    for (const TEvent& event : trace_.events)
      if (event.id == kEventWindowActivate) lastActivated = event.source;
    ASSERT_EQ(lastActivated, &G("ChildWindow12")) << "the loop passes so far left the dialog on top";
    trace_.events.clear();
  }
  Trace trace_;
};

TEST_F(WithInformationWindow, TheAfterEventStepIsQuietAndRaisesNoWindowAboveIt) {
  for (int i = 0; i < 10; ++i) shell_->AfterEvent(nullptr);
  for (int round = 0; round < 5; ++round) gui_->ProcessPendingEvents();
  EXPECT_TRUE(trace_.events.empty()) << EventName(trace_.events.front().id);
}

TEST_F(WithInformationWindow, AnActivePanelTakesTheKeysWithoutActivatingItsWindow) {
  G("SmartButton25").Activate();
  for (int round = 0; round < 5; ++round) gui_->ProcessPendingEvents();
  SimulateKeyChord(G("Window1"), "A");
  ASSERT_EQ(trace_.events.size(), 1u) << "Window1 stays in the background";
  EXPECT_EQ(trace_.events[0].id, kEventKeyDown);
  EXPECT_EQ(trace_.events[0].source, &G("SmartButton25"));
}

TEST_F(Shell, ModCommandsAreEnabledExactlyWhileAModIsLoaded) {
  const char* const commands[] = {"SmartButton26",       "SmartButton27",           "SmartButton28",
                                  "SmartButton31",       "SmartButton34",           "Window1#ModLoeschen",
                                  "Window1#ModInstallieren", "Window1#ModBackup",   "Window1#ModBackupdel",
                                  "Window1#ModSpeichern"};
  shell_->HandlePending();
  for (const char* command : commands) EXPECT_FALSE(G(command).Enabled()) << command;
  App().state.mod.modPath = "C:\\Spiele\\mods\\Traktor.zip";
  shell_->AfterEvent(nullptr);
  for (const char* command : commands) EXPECT_TRUE(G(command).Enabled()) << command;
  for (const char* untouched : {"SmartButton25", "SmartButton29", "SmartButton32", "SmartButton33", "Window1#ModLaden"})
    EXPECT_TRUE(G(untouched).Enabled()) << untouched;
}

TEST_F(Shell, TheCapacityFieldIsEnabledOnlyWhileItHoldsText) {
  shell_->HandlePending();
  EXPECT_FALSE(G("TextField6").Enabled());
  G("TextField6").SetText("8000");
  shell_->AfterEvent(nullptr);
  EXPECT_TRUE(G("TextField6").Enabled());
  G("TextField6").SetText("");
  shell_->AfterEvent(nullptr);
  EXPECT_FALSE(G("TextField6").Enabled());
}

TEST_F(Shell, TheGameButtonFollowsTheGameExecutable) {
  shell_->HandlePending();  // the first pass reads the settings file
  std::filesystem::create_directory(folder_ / "Spiel");
  App().state.settings.gameFolder = folder_.string() + "\\Spiel";
  shell_->AfterEvent(nullptr);
  EXPECT_FALSE(G("SmartButton30").Enabled());
  std::ofstream(folder_ / "Spiel" / "FarmingSimulator2011.exe") << "";
  shell_->AfterEvent(nullptr);
  EXPECT_TRUE(G("SmartButton30").Enabled());
  App().state.settings.gameFolder += "\\";
  shell_->AfterEvent(nullptr);
  EXPECT_TRUE(G("SmartButton30").Enabled()) << "no second separator after a trailing one";

  // An unset folder must not find the executable in the working directory.
  std::ofstream(folder_ / "FarmingSimulator2011.exe") << "";
  for (const char* unset : {"", "0"}) {
    App().state.settings.gameFolder = unset;
    shell_->AfterEvent(nullptr);
    EXPECT_FALSE(G("SmartButton30").Enabled()) << "game folder \"" << unset << "\"";
  }
}

TEST_F(Shell, ATabClickShowsThatTabsPageAlone) {
  shell_->HandlePending();
  SimulateTabClick(G("Tabber1"), 2);
  shell_->HandlePending();
  EXPECT_FALSE(G("Tabber1_Page0").Shown());
  EXPECT_FALSE(G("Tabber1_Page1").Shown());
  EXPECT_TRUE(G("Tabber1_Page2").Shown());
  EXPECT_TRUE(Send(kEventGadgetAction, "Tabber1", 1));
  EXPECT_TRUE(G("Tabber1_Page1").Shown());
  EXPECT_FALSE(G("Tabber1_Page2").Shown());
}

TEST_F(Shell, ARightClickOnTheFolderTreeOpensItsMenuWithoutWaitingForAChoice) {
  shell_->HandlePending();
  SimulateContextClick(G("TreeView3"), 40, 30);
  EXPECT_TRUE(shell_->HandlePending()) << "a menu with a loop of its own would not return before a choice";
  EXPECT_TRUE(G("TreeView3_PopUpMenu").Shown());
  SimulateMenuChoice(G("TreeView3_PopUpMenu#BackupOrdner"));
  shell_->HandlePending();
  EXPECT_EQ(G("TextArea5").GetText(), "Backup Ordner :");
}

TEST_F(Shell, ATreeActionWithNoSelectedNodeIsIgnored) {
  EXPECT_TRUE(Send(kEventGadgetAction, "TreeView3"));
  EXPECT_TRUE(Send(kEventGadgetAction, "TreeView4"));
  TGadget& tree = G("TreeView4");
  tree.InsertNode(nullptr, "Traktoren");
  tree.FreeChildren(tree.RootNode());
  EXPECT_EQ(tree.SelectedNode(), nullptr);
  EXPECT_TRUE(Send(kEventGadgetAction, "TreeView4"));
}

struct DialogCase {
  const char* name;
  int openId;
  const char* opener;
  const char* window;
  bool disablesMain;
  int closeId;
  const char* closer;
};

// Every way of opening each dialog and every way of closing it.
const DialogCase kDialogCases[] = {
    {"AboutFromUpdateByOk", kEventMenuAction, "Window1#UpdatePruefen", "ChildWindow2", true, kEventGadgetAction, "SmartButton35"},
    {"AboutFromInfoByCloseBox", kEventMenuAction, "Window1#Info", "ChildWindow2", true, kEventWindowClose, "ChildWindow2"},
    {"InformationByOk", kEventMenuAction, "Window1#Informationen", "ChildWindow12", false, kEventGadgetAction, "SmartButton36"},
    {"InformationByCloseBox", kEventMenuAction, "Window1#Informationen", "ChildWindow12", false, kEventWindowClose, "ChildWindow12"},
    {"BackupFromButton", kEventGadgetAction, "SmartButton26", "ChildWindow13", true, kEventWindowClose, "ChildWindow13"},
    {"BackupAndDeleteFromButton", kEventGadgetAction, "SmartButton31", "ChildWindow13", true, kEventWindowClose, "ChildWindow13"},
    {"BackupFromMenu", kEventMenuAction, "Window1#ModBackup", "ChildWindow13", true, kEventWindowClose, "ChildWindow13"},
    {"BackupAndDeleteFromMenu", kEventMenuAction, "Window1#ModBackupdel", "ChildWindow13", true, kEventWindowClose, "ChildWindow13"},
    {"SettingsFromMenu", kEventMenuAction, "Window1#Programm", "ChildWindow6", true, kEventWindowClose, "ChildWindow6"},
    {"DeleteFromButtonByCancel", kEventGadgetAction, "SmartButton28", "ChildWindow4", true, kEventGadgetAction, "SmartButton38"},
    {"DeleteFromMenuByCloseBox", kEventMenuAction, "Window1#ModLoeschen", "ChildWindow4", true, kEventWindowClose, "ChildWindow4"},
    {"InstallFromButtonByCancel", kEventGadgetAction, "SmartButton27", "ChildWindow4_c5", true, kEventGadgetAction, "SmartButton44"},
    {"InstallFromMenuByCloseBox", kEventMenuAction, "Window1#ModInstallieren", "ChildWindow4_c5", true, kEventWindowClose, "ChildWindow4_c5"},
};

class Dialogs : public Shell, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(Dialogs, OpeningDisablesTheMainWindowAndClosingEnablesIt) {
  const DialogCase& dialog = GetParam();
  App().state.mod.modPath = "C:\\Spiele\\mods\\Traktor.zip";  // the mod commands are enabled
  shell_->HandlePending();
  EXPECT_TRUE(Act(dialog.openId, dialog.opener));
  EXPECT_TRUE(G(dialog.window).Shown());
  EXPECT_EQ(G("Window1").Enabled(), !dialog.disablesMain);
  EXPECT_TRUE(Act(dialog.closeId, dialog.closer));
  EXPECT_FALSE(G(dialog.window).Shown());
  EXPECT_TRUE(G("Window1").Enabled());
}

INSTANTIATE_TEST_SUITE_P(Table, Dialogs, ::testing::ValuesIn(kDialogCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, InformationOkKeepsTheMainWindowDisabledWhileAnotherDialogIsOpen) {
  App().state.mod.modPath = "C:\\Spiele\\mods\\Traktor.zip";
  shell_->HandlePending();
  Send(kEventMenuAction, "Window1#Informationen");
  Press("SmartButton28");
  Press("SmartButton36");
  EXPECT_FALSE(G("ChildWindow12").Shown());
  EXPECT_TRUE(G("ChildWindow4").Shown());
  EXPECT_FALSE(G("Window1").Enabled()) << "the delete window still acts on the mod it shows";
  Press("SmartButton38");
  EXPECT_TRUE(G("Window1").Enabled());
}

TEST_F(Shell, TheSettingsCloseBoxReactivatesTheMainWindowAndSavesNothing) {
  shell_->HandlePending();
  Send(kEventMenuAction, "Window1#Programm");
  EXPECT_EQ(App().state.settingsDialog.mode, "NEW");
  EXPECT_EQ(G("TextArea1").GetText(),
            "Hier die Ordnerpfade zu eurer LS 2011 Installation angeben.Und noch einen Ordner zum erstellen der "
            "Backups angeben.");
  Send(kEventWindowClose, "ChildWindow6");
  EXPECT_TRUE(G("Window1").Enabled());
  EXPECT_FALSE(G("ChildWindow6").Shown());
}

TEST_F(Shell, TheDeleteWindowShowsTheFolderInTheFormOfItsOpener) {
  App().state.mod.modPath = "C:\\Spiele/mods\\Traktor.zip";
  shell_->AfterEvent(nullptr);
  Press("SmartButton28");
  EXPECT_EQ(G("TextField9").GetText(), "Traktor.zip");
  EXPECT_EQ(G("TextField15").GetText(), "C:\\Spiele\\mods\\");
  Press("SmartButton38");
  Send(kEventMenuAction, "Window1#ModLoeschen");
  EXPECT_EQ(G("TextField15").GetText(), "C:/Spiele/mods\\");
}

struct ExitCase {
  const char* name;
  int id;
  const char* source;
};

const ExitCase kExitCases[] = {
    {"MainWindowCloseBox", kEventWindowClose, "Window1"},
    {"BeendenButton", kEventGadgetAction, "SmartButton29"},
    {"BeendenMenu", kEventMenuAction, "Window1#Beenden"},
    {"WaitWindowCloseRequest", kEventWindowClose, "ChildWindow11"},
};

class ExitPaths : public ShellFixture, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitPaths, TheLoopReturnsExitCodeZero) {
  const std::string source = GetParam().source;
  if (source.starts_with("SmartButton")) {
    shell_->HandlePending();
    SimulatePointerPress(G(source), kMouseLeft, 10, 10);
  } else {
    Emit(GetParam().id, source);
  }
  EXPECT_EQ(shell_->Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, ExitPaths, ::testing::ValuesIn(kExitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Shell, TheCloseBoxOfTheMainWindowEndsTheRunWithoutTheToolkitClosingIt) {
  shell_->HandlePending();
  SimulateCloseRequest(G("Window1"));
  EXPECT_TRUE(G("Window1").Shown()) << "the program decides, not the toolkit";
  EXPECT_EQ(shell_->Run(), 0);
}

TEST_F(Shell, OtherCloseBoxesDoNotEndTheRun) {
  shell_->HandlePending();
  for (const char* window : {"ChildWindow2", "ChildWindow12", "ChildWindow13", "ChildWindow6", "ChildWindow4", "ChildWindow4_c5"})
    EXPECT_TRUE(Send(kEventWindowClose, window)) << window;
}

TEST_F(Shell, CtrlBRunsTheHarmlessBackupOnly) {
  App().state.mod.modPath = "C:\\mods\\Traktor.zip";
  shell_->HandlePending();
  G("Window1").Activate();
  shell_->HandlePending();
  std::vector<TObject*> menuSources;
  gui_->Hub().AddHook([](int id, TEvent* event, TObject* sources) {
    if (id == kEventMenuAction) reinterpret_cast<std::vector<TObject*>*>(sources)->push_back(event->source);
    return event;
  }, reinterpret_cast<TObject*>(&menuSources), 100);
  SimulateKeyChord(G("Window1"), "Ctrl+B");
  ASSERT_EQ(menuSources.size(), 1u);
  EXPECT_EQ(menuSources[0], &G("Window1#ModBackup"));
  shell_->HandlePending();
  EXPECT_EQ(App().state.deleteAfterBackup, "NEIN");
  EXPECT_TRUE(G("ChildWindow13").Shown());
}

TEST_F(Shell, EnteringAnActivePanelIsFollowedByAMoveAtTheEntryPoint) {
  shell_->HandlePending();
  Trace trace;
  gui_->Hub().AddHook(&Trace::Hook, &trace, 100);
  SimulateMouseEnter(G("SmartButton25"), 12, 7);
  std::erase_if(trace.events, [](const TEvent& event) { return event.id == kEventGadgetSelect; });
  ASSERT_EQ(trace.events.size(), 2u);
  EXPECT_EQ(trace.events[0].id, kEventMouseEnter);
  EXPECT_EQ(trace.events[1].id, kEventMouseMove);
  EXPECT_EQ(trace.events[1].source, &G("SmartButton25"));
  EXPECT_EQ(trace.events[1].x, 12);
  EXPECT_EQ(trace.events[1].y, 7);
}

TEST_F(Shell, ARealPressQueuesTheButtonsActionAheadOfThePressItself) {
  shell_->HandlePending();
  SimulateMouseEnter(G("SmartButton25"), 20, 10);
  while (gui_->Queue().Pop()) {
  }
  SimulateMouseButton(G("SmartButton25"), true, kMouseLeft, 20, 10);
  ASSERT_EQ(gui_->Queue().Size(), 2);
  const TEvent action = *gui_->Queue().Pop();
  const TEvent press = *gui_->Queue().Pop();
  EXPECT_EQ(action.id, kEventGadgetAction);
  EXPECT_EQ(action.source, &G("SmartButton25"));
  EXPECT_EQ(action.data, 1) << "the number of the button's one region";
  EXPECT_EQ(press.id, kEventMouseDown);
  EXPECT_EQ(press.source, &G("SmartButton25"));
  EXPECT_EQ(press.x, 20);
}

TEST_F(Shell, EveryMouseAndTimerEventHasASource) {
  shell_->HandlePending();
  Trace trace;
  gui_->Hub().AddHook(&Trace::Hook, &trace, 100);
  TGadget& panel = G("SmartButton29");
  SimulateMouseEnter(panel, 3, 3);
  SimulateMouseMove(panel, 5, 4);
  SimulateMouseButton(panel, true, kMouseRight, 5, 4);
  SimulateMouseButton(panel, false, kMouseRight, 5, 4);
  SimulateMouseLeave(panel);
  auto timer = TTimer::Create(*gui_, 100.0, TEvent{kEventTimerTick});
  while (timer->Ticks() == 0) gui_->WaitEvent();
  timer->Stop();
  ASSERT_GE(trace.events.size(), 6u);
  for (const TEvent& event : trace.events) EXPECT_NE(event.source, nullptr) << EventName(event.id);
  EXPECT_EQ(trace.events.back().source, timer.get());
}

}  // namespace
}  // namespace strohvik
