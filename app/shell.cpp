#include "app/shell.h"

#include "app/commands.h"
#include "app/embedded_resources.h"
#include "app/windows.h"
#include "mods/start_game.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "settings/folder_value.h"

namespace strohvik {
namespace {

using Handler = void (*)(TAppContext&, const TEvent&);

struct Route {
  int eventId;
  const char* source;
  Handler handler;
};

void LoadModFromRequester(TAppContext& app) {
  LoadMod(app, "");
  // A cancelled requester leaves no mod path: the tree keeps its folder, and the status
  // line keeps the loader's message.
  if (!app.state.mod.modPath.empty()) FillFolderTree(app, app.state.mod.modPath);
}

void ShowBackupCategories(TAppContext& app) {
  app.Gadget("TextArea5").SetText("Backup Ordner :");
  FillCategoryTree(app, app.Gadget("TreeView3"));
}

void ShowModsFolder(TAppContext& app) {
  ResetDisplay(app);
  app.Gadget("TextArea5").SetText("Mods Ordner :");
  // A folder picked with the folder button lacks the trailing "\"; the tree lists the
  // folder itself either way, never its parent.
  FillFolderTree(app, WithTrailingBackslash(app.state.settings.modsFolder));
}

// Becoming the active window runs the version check; a desktop without a window
// manager would not make it active by itself.
void ShowAboutWindow(TAppContext& app) {
  OpenDialog(app, "ChildWindow2");
  app.Gadget("ChildWindow2").Activate();
}

// Each event goes to at most one handler, found by its id and source.
const Route kRoutes[] = {
    {kEventWindowClose, "Window1", [](TAppContext& app, const TEvent&) {
       ClearTempFolder(app);
       app.EndProgram(0);
     }},
    {kEventWindowClose, "ChildWindow2", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow2"); }},
    {kEventWindowClose, "ChildWindow12", [](TAppContext& app, const TEvent&) { app.Gadget("ChildWindow12").SetShow(false); }},
    {kEventWindowClose, "ChildWindow11", [](TAppContext& app, const TEvent&) { app.EndProgram(0); }},
    {kEventWindowClose, "ChildWindow13", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow13"); }},
    {kEventWindowClose, "ChildWindow6", [](TAppContext& app, const TEvent&) {
       CloseDialog(app, "ChildWindow6");
       app.Gadget("Window1").Activate();
     }},
    {kEventWindowClose, "ChildWindow4", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow4"); }},
    {kEventWindowClose, "ChildWindow4_c5", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow4_c5"); }},

    {kEventWindowActivate, "ChildWindow2", [](TAppContext& app, const TEvent&) { CheckOnlineVersion(app); }},

    {kEventGadgetAction, "Tabber1", [](TAppContext& app, const TEvent& event) { ShowTabPage(app.gui, event.data); }},
    {kEventGadgetAction, "SmartButton25", [](TAppContext& app, const TEvent&) { LoadModFromRequester(app); }},
    {kEventGadgetAction, "SmartButton26", [](TAppContext& app, const TEvent&) { ShowBackupWindow(app, "NEIN"); }},
    {kEventGadgetAction, "SmartButton27", [](TAppContext& app, const TEvent&) { ShowInstallWindow(app, true); }},
    {kEventGadgetAction, "SmartButton28", [](TAppContext& app, const TEvent&) { ShowDeleteWindow(app, true); }},
    {kEventGadgetAction, "SmartButton29", [](TAppContext& app, const TEvent&) {
       ClearTempFolder(app);
       app.EndProgram(0);
     }},
    {kEventGadgetAction, "SmartButton30", [](TAppContext& app, const TEvent&) { StartGame(app); }},
    {kEventGadgetAction, "SmartButton31", [](TAppContext& app, const TEvent&) { ShowBackupWindow(app, "JA"); }},
    {kEventGadgetAction, "SmartButton32", [](TAppContext& app, const TEvent&) { ShowBackupCategories(app); }},
    {kEventGadgetAction, "SmartButton33", [](TAppContext& app, const TEvent&) { ShowModsFolder(app); }},
    {kEventGadgetAction, "SmartButton34", [](TAppContext& app, const TEvent&) { SaveMod(app); }},
    {kEventGadgetAction, "SmartButton35", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow2"); }},
    {kEventGadgetAction, "SmartButton36", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow12"); }},
    {kEventGadgetAction, "Button7", [](TAppContext& app, const TEvent&) { AskForGameFolder(app); }},
    {kEventGadgetAction, "Button8", [](TAppContext& app, const TEvent&) { AskForModsFolder(app); }},
    {kEventGadgetAction, "Button13", [](TAppContext& app, const TEvent&) { AskForBackupFolder(app); }},
    {kEventGadgetAction, "SmartButton39", [](TAppContext& app, const TEvent&) { SaveSettings(app); }},
    {kEventGadgetAction, "SmartButton37", [](TAppContext& app, const TEvent&) { DeleteLoadedMod(app); }},
    {kEventGadgetAction, "SmartButton38", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow4"); }},
    {kEventGadgetAction, "SmartButton43", [](TAppContext& app, const TEvent&) { InstallLoadedMod(app); }},
    {kEventGadgetAction, "SmartButton44", [](TAppContext& app, const TEvent&) { CloseDialog(app, "ChildWindow4_c5"); }},

    {kEventGadgetMenu, "TreeView3", [](TAppContext& app, const TEvent&) {
       app.gui.PopupMenu(app.Gadget("Window1"), app.Gadget("TreeView3_PopUpMenu"));
     }},

    {kEventMenuAction, "Window1#ModLaden", [](TAppContext& app, const TEvent&) { LoadModFromRequester(app); }},
    {kEventMenuAction, "Window1#ModLoeschen", [](TAppContext& app, const TEvent&) { ShowDeleteWindow(app, false); }},
    {kEventMenuAction, "Window1#ModInstallieren", [](TAppContext& app, const TEvent&) { ShowInstallWindow(app, false); }},
    {kEventMenuAction, "Window1#ModBackup", [](TAppContext& app, const TEvent&) {
       PlayClickSound(app);
       ShowBackupWindow(app, "NEIN");
     }},
    {kEventMenuAction, "Window1#ModBackupdel", [](TAppContext& app, const TEvent&) {
       PlayClickSound(app);
       ShowBackupWindow(app, "JA");
     }},
    {kEventMenuAction, "Window1#ModSpeichern", [](TAppContext& app, const TEvent&) { SaveMod(app); }},
    {kEventMenuAction, "Window1#Beenden", [](TAppContext& app, const TEvent&) { app.EndProgram(0); }},
    {kEventMenuAction, "Window1#Programm", [](TAppContext& app, const TEvent&) { OpenSettingsFromMenu(app); }},
    {kEventMenuAction, "Window1#ModsOrdner", [](TAppContext& app, const TEvent&) {
       PlayClickSound(app);
       ShowModsFolder(app);
     }},
    {kEventMenuAction, "TreeView3_PopUpMenu#ModOrdner", [](TAppContext& app, const TEvent&) {
       PlayClickSound(app);
       ShowModsFolder(app);
     }},
    {kEventMenuAction, "Window1#BackupOrdner", [](TAppContext& app, const TEvent&) {
       PlayClickSound(app);
       ShowBackupCategories(app);
     }},
    {kEventMenuAction, "TreeView3_PopUpMenu#BackupOrdner", [](TAppContext& app, const TEvent&) {
       PlayClickSound(app);
       ShowBackupCategories(app);
     }},
    {kEventMenuAction, "Window1#OnlineHilfe", [](TAppContext& app, const TEvent&) { OpenWebPage(app, kHelpPagePath); }},
    {kEventMenuAction, "Window1#HomePage", [](TAppContext& app, const TEvent&) { OpenWebPage(app, kHomePagePath); }},
    {kEventMenuAction, "Window1#Forum", [](TAppContext& app, const TEvent&) { OpenWebPage(app, kForumPagePath); }},
    {kEventMenuAction, "Window1#Informationen", [](TAppContext& app, const TEvent&) { app.Gadget("ChildWindow12").SetShow(true); }},
    {kEventMenuAction, "Window1#UpdatePruefen", [](TAppContext& app, const TEvent&) { ShowAboutWindow(app); }},
    {kEventMenuAction, "Window1#Info", [](TAppContext& app, const TEvent&) { ShowAboutWindow(app); }},
};

// Enabled exactly while a mod is loaded.
constexpr const char* kModCommands[] = {
    "SmartButton26",       "SmartButton27",           "SmartButton28",     "SmartButton31",        "SmartButton34",
    "Window1#ModLoeschen", "Window1#ModInstallieren", "Window1#ModBackup", "Window1#ModBackupdel", "Window1#ModSpeichern",
};

bool IsActionFrom(const TEvent& event, TGadget& gadget) {
  return event.id == kEventGadgetAction && event.source == &gadget;
}

}  // namespace

TShell::TShell(TGui& gui) : app_{gui, {}, std::nullopt} {
  RegisterEmbeddedResources();
  // A failure here is left to the operations that use the folders.
  CreateFolderWithParents(CurrentDirectory() + "\\Data_Temp");
  CreateFolderWithParents(CurrentDirectory() + "\\LS_2011_Data_Temp");
  BuildMainWindow(gui);
  BuildDialogWindows(gui);
  for (const Route& route : kRoutes) routes_[{route.eventId, &gui.Get(route.source)}] = route.handler;
  gui.Get("HyperLink1").SetLinkUrl(PageUrl(app_.state.server, kHomePagePath));
  gui.Get("HyperLink3").SetLinkUrl(PageUrl(app_.state.server, kForumPagePath));
}

int TShell::Run() {
  Start();
  while (!app_.exitCode) Handle(app_.gui.WaitEvent());
  return *app_.exitCode;
}

void TShell::Start() {
  app_.gui.ProcessPendingEvents();
  if (app_.gui.Queue().Empty()) AfterEvent(nullptr);
}

bool TShell::Handle(const TEvent& event) {
  Dispatch(event);
  if (app_.exitCode) return false;
  AfterEvent(&event);
  return !app_.exitCode;
}

bool TShell::HandlePending() {
  app_.gui.ProcessPendingEvents();
  while (!app_.exitCode) {
    std::optional<TEvent> event = app_.gui.Queue().Pop();
    if (!event) break;
    Handle(*event);
  }
  return !app_.exitCode;
}

void TShell::Dispatch(const TEvent& event) {
  auto route = routes_.find({event.id, event.source});
  if (route != routes_.end()) route->second(app_, event);
}

void TShell::AfterEvent(const TEvent* event) {
  TAppState& state = app_.state;
  app_.Gadget("Window1").SetShow(true);
  app_.Gadget("ChildWindow11").SetShow(false);
  app_.Gadget("Label9").SetText("Version : v" + state.programVersion);
  app_.Gadget("Label47").SetText("v" + state.programVersion);
  RunStartupSettingsCheck(app_);
  // An unset folder joined with the name would find a file in the working directory.
  const std::string& gameFolder = state.settings.gameFolder;
  app_.Gadget("SmartButton30").SetEnabled(IsFolderSet(gameFolder) && IsFile(JoinPath(gameFolder, kGameExecutable)));
  if (event != nullptr) RunTreeActions(*event);
  const bool modLoaded = !state.mod.modPath.empty();
  for (const char* command : kModCommands) app_.Gadget(command).SetEnabled(modLoaded);
  TGadget& capacity = app_.Gadget("TextField6");
  capacity.SetEnabled(!capacity.GetText().empty());
}

void TShell::RunTreeActions(const TEvent& event) {
  // A double click can arrive with no node selected (an empty tree): nothing to do.
  if (IsActionFrom(event, app_.Gadget("TreeView3"))) {
    TTreeNode* node = app_.Gadget("TreeView3").SelectedNode();
    if (node == nullptr) return;
    OpenFolderTreeNode(app_, node->Text());
  }
  if (IsActionFrom(event, app_.Gadget("TreeView4"))) {
    TTreeNode* node = app_.Gadget("TreeView4").SelectedNode();
    if (node != nullptr) BackupIntoCategory(app_, node->Text());
  }
}

}  // namespace strohvik
