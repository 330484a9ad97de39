// The main window: its menus, frame, tab pages and button bar.
#include "app/windows.h"

namespace strohvik {
namespace {

using K = GadgetKind;

constexpr const char* kWindowIcon = "Images\\16x16-images.png";
constexpr const char* kAluminium = "Images/gebuerstetealuminiumtextur.png";
constexpr const char* kWood = "Images/holzblocktextur.png";
constexpr TRgb kSage{177, 207, 182};
inline const TFont kArial9Italic{"Arial", 9, false, true};

const GadgetSpec kMainWindow[] = {
    {.name = "Window1", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 992, 501}, .text = "Strohvik",
     .style = kWindowTitleBar | kWindowResizable | kWindowMenu | kWindowClientSize | kWindowCentred,
     .picture = kWindowIcon},

    {.name = "Window1#Dateien", .kind = K::Menu, .parent = "Window1", .shape = {}, .text = "Dateien", .tag = 100},
    {.name = "Window1#ModLaden", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {}, .text = "Mod Laden",
     .picture = "Images/bulb_add.png", .tag = 101, .hotKey = "L"},
    {.name = "Window1#ModLoeschen", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {},
     .text = "Mod Löschen", .picture = "Images/sign_deny.png", .tag = 102, .hotKey = "O"},
    {.name = "Window1#ModInstallieren", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {},
     .text = "Mod Installieren", .picture = "Images/spanner_go.png", .tag = 103, .hotKey = "I"},
    {.name = "Window1#ModBackup", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {},
     .text = "Mod Backup", .picture = "Images/folder_go.png", .tag = 104, .hotKey = "B"},
    // Ctrl+B belongs to the harmless "Mod Backup" alone: a key shared by two items runs
    // neither, and the destructive one must never be a slip of the finger.
    {.name = "Window1#ModBackupdel", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {},
     .text = "Mod Backup & Löschen", .picture = "Images/folder_mo.png", .tag = 105},
    {.name = "Window1#ModSpeichern", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {},
     .text = "Mod Speichern", .picture = "Images/save_dark.png", .tag = 106, .hotKey = "S"},
    {.name = "Window1#Beenden", .kind = K::MenuItem, .parent = "Window1#Dateien", .shape = {}, .text = "Beenden",
     .picture = "Images/sign_cacel.png", .tag = 107, .hotKey = "Q"},

    {.name = "Window1#Einstellungen", .kind = K::Menu, .parent = "Window1", .shape = {}, .text = "Einstellungen",
     .tag = 200},
    {.name = "Window1#Programm", .kind = K::MenuItem, .parent = "Window1#Einstellungen", .shape = {},
     .text = "Programm", .picture = "Images/ls2011_1.png", .tag = 201, .hotKey = "E"},

    {.name = "Window1#SpielPfade", .kind = K::Menu, .parent = "Window1", .shape = {}, .text = "Spiel Pfade",
     .tag = 300},
    {.name = "Window1#ModsOrdner", .kind = K::MenuItem, .parent = "Window1#SpielPfade", .shape = {},
     .text = "Mods Ordner", .picture = "Images/save_dark.png", .tag = 301},
    {.name = "Window1#BackupOrdner", .kind = K::MenuItem, .parent = "Window1#SpielPfade", .shape = {},
     .text = "Backup Ordner", .picture = "Images/save_dark.png", .tag = 302},

    {.name = "Window1#Ueber", .kind = K::Menu, .parent = "Window1", .shape = {}, .text = "Über", .tag = 400},
    {.name = "Window1#OnlineHilfe", .kind = K::MenuItem, .parent = "Window1#Ueber", .shape = {},
     .text = "OnlineHilfe", .picture = "Images/sign_question.png", .tag = 401},
    {.name = "Window1#HomePage", .kind = K::MenuItem, .parent = "Window1#Ueber", .shape = {}, .text = "Home Page",
     .picture = "Images/globe.png", .tag = 402},
    {.name = "Window1#Forum", .kind = K::MenuItem, .parent = "Window1#Ueber", .shape = {}, .text = "Forum",
     .picture = "Images/globe.png", .tag = 403},
    {.name = "Window1#Informationen", .kind = K::MenuItem, .parent = "Window1#Ueber", .shape = {},
     .text = "Informationen", .picture = "Images/sign_explain.png", .tag = 404},
    {.name = "Window1#UpdatePruefen", .kind = K::MenuItem, .parent = "Window1#Ueber", .shape = {},
     .text = "Update Prüfen", .picture = "Images/globe.png", .tag = 405},
    {.name = "Window1#Info", .kind = K::MenuItem, .parent = "Window1#Ueber", .shape = {}, .text = "Über",
     .picture = "Images/sign_explain.png", .tag = 406},

    {.name = "TreeView3_PopUpMenu", .kind = K::Menu, .parent = nullptr, .shape = {}, .text = ""},
    {.name = "TreeView3_PopUpMenu#ModOrdner", .kind = K::MenuItem, .parent = "TreeView3_PopUpMenu", .shape = {},
     .text = "Mod Ordner", .picture = "Images/16x16-zip-images.png", .tag = 10100},
    {.name = "TreeView3_PopUpMenu#BackupOrdner", .kind = K::MenuItem, .parent = "TreeView3_PopUpMenu", .shape = {},
     .text = "Backup Ordner", .picture = "Images/16x16-zip-images.png", .tag = 10200},

    // The frame.
    {.name = "PlainPanel30", .kind = K::Panel, .parent = "Window1", .shape = {0, 0, 992, 501},
     .picture = "Images/Brushed prepainted metal.png", .anchor = kAnchorAll},
    {.name = "Tabber1", .kind = K::TabStrip, .parent = "PlainPanel30", .shape = {9, 8, 660, 242}},
    {.name = "PlainPanel18", .kind = K::Panel, .parent = "PlainPanel30", .shape = {9, 258, 660, 97},
     .style = kPanelRaised, .picture = kAluminium, .colour = TRgb{92, 148, 100}},
    {.name = "BorderPanel31", .kind = K::Panel, .parent = "PlainPanel30", .shape = {9, 362, 660, 104},
     .style = kPanelSunken, .picture = "Images/Strohvik-Logo.png", .anchor = kAnchorLeft | kAnchorBottom},
    {.name = "TextArea5", .kind = K::TextArea, .parent = "PlainPanel30", .shape = {677, 8, 308, 20},
     .text = "Freier Ordner :", .anchor = kAnchorLeft | kAnchorRight | kAnchorTop},
    {.name = "Group13", .kind = K::Group, .parent = "PlainPanel30", .shape = {677, 33, 308, 433},
     .text = "Verzeichnis Liste :", .picture = kAluminium, .colour = kWhite, .anchor = kAnchorAll},
    {.name = "TreeView3", .kind = K::TreeView, .parent = "Group13", .shape = {0, 0, 300, 412},
     .picture = "Images/16x16-zip-images.png", .anchor = kAnchorAll},
    {.name = "PlainPanel33", .kind = K::Panel, .parent = "PlainPanel30", .shape = {10, 472, 975, 26},
     .picture = "Images/nav.png", .anchor = kAnchorLeft | kAnchorRight | kAnchorBottom},
    {.name = "Label46", .kind = K::Label, .parent = "PlainPanel33", .shape = {11, 3, 250, 18},
     .text = "© 2011 Strohvik, frei für alle Spieler", .textColour = kWhite, .font = kArial9Italic},
    {.name = "Label47", .kind = K::Label, .parent = "PlainPanel33", .shape = {692, 6, 273, 18}, .text = "",
     .style = kLabelRight, .textColour = kWhite, .font = kArial9Italic, .anchor = kAnchorRight | kAnchorBottom},

    // Tab pages.
    {.name = "Tabber1_Page0", .kind = K::Panel, .parent = "Tabber1", .shape = {0, 0, 656, 220}, .anchor = kAnchorAll},
    {.name = "Tabber1_Page1", .kind = K::Panel, .parent = "Tabber1", .shape = {0, 0, 656, 220}, .anchor = kAnchorAll},
    {.name = "Tabber1_Page2", .kind = K::Panel, .parent = "Tabber1", .shape = {0, 0, 656, 220}, .anchor = kAnchorAll},

    // "Mod Anzeige".
    {.name = "Group1", .kind = K::Panel, .parent = "Tabber1_Page0", .shape = {0, 0, 656, 220}, .style = kPanelSunken,
     .picture = kWood, .colour = kWhite, .anchor = kAnchorAll},
    {.name = "PlainPanel2", .kind = K::Panel, .parent = "Group1", .shape = {5, 6, 180, 180}, .style = kPanelSunken,
     .picture = "Images\\bg-image-MB.png", .colour = kBlack},
    {.name = "Label22", .kind = K::Label, .parent = "Group1", .shape = {5, 191, 180, 16}, .text = "MultiPlayer : ?",
     .style = kLabelCentre | kLabelFrameSunken, .colour = kWhite, .textColour = kBlack},
    {.name = "RaisedPanel3", .kind = K::Panel, .parent = "Group1", .shape = {191, 6, 449, 201}, .style = kPanelRaised,
     .picture = kAluminium, .colour = kSage},
    {.name = "Label2", .kind = K::Label, .parent = "RaisedPanel3", .shape = {7, 9, 80, 18}, .text = "Mod Name :",
     .font = kStandardFont},
    {.name = "TextField2", .kind = K::TextField, .parent = "RaisedPanel3", .shape = {87, 9, 346, 18},
     .style = kTextFieldDisabled},
    {.name = "Label4", .kind = K::Label, .parent = "RaisedPanel3", .shape = {7, 38, 80, 18}, .text = "Mod Autor :",
     .font = kStandardFont},
    {.name = "TextField1", .kind = K::TextField, .parent = "RaisedPanel3", .shape = {87, 39, 346, 18},
     .font = kStandardFont},
    {.name = "Label5", .kind = K::Label, .parent = "RaisedPanel3", .shape = {7, 67, 80, 18}, .text = "Version :",
     .font = kStandardFont},
    {.name = "TextField3", .kind = K::TextField, .parent = "RaisedPanel3", .shape = {87, 69, 346, 18},
     .style = kTextFieldDisabled},
    {.name = "Label3", .kind = K::Label, .parent = "RaisedPanel3", .shape = {7, 97, 80, 18}, .text = "Mod Info 1 :",
     .font = kStandardFont},
    {.name = "TextField4", .kind = K::TextField, .parent = "RaisedPanel3", .shape = {87, 99, 346, 18},
     .style = kTextFieldDisabled},
    {.name = "Label6", .kind = K::Label, .parent = "RaisedPanel3", .shape = {7, 128, 80, 18}, .text = "Preis :",
     .font = kStandardFont},
    {.name = "TextField5", .kind = K::TextField, .parent = "RaisedPanel3", .shape = {87, 129, 111, 18}},
    {.name = "Label13", .kind = K::Label, .parent = "RaisedPanel3", .shape = {7, 163, 80, 17}, .text = "Dateiname : ",
     .font = kStandardFont},
    {.name = "TextField7", .kind = K::TextField, .parent = "RaisedPanel3", .shape = {87, 163, 346, 18},
     .style = kTextFieldDisabled},

    // "Traktoren Anzeige".
    {.name = "RaisedPanel25", .kind = K::Panel, .parent = "Tabber1_Page1", .shape = {0, 0, 656, 220},
     .style = kPanelRaised, .picture = kWood, .anchor = kAnchorAll},
    {.name = "Group26", .kind = K::Group, .parent = "RaisedPanel25", .shape = {10, 12, 260, 60},
     .text = "Tank Anzeige :", .picture = kAluminium, .colour = kWhite},
    {.name = "Label43", .kind = K::Label, .parent = "Group26", .shape = {12, 10, 94, 16}, .text = "max Tank inhalt :"},
    {.name = "Label44", .kind = K::Label, .parent = "Group26", .shape = {118, 10, 124, 16},
     .style = kLabelFrameSunken, .colour = kWhite, .textColour = kBlack},

    // "Anhänger Anzeige".
    {.name = "BorderPanel27", .kind = K::Panel, .parent = "Tabber1_Page2", .shape = {0, 0, 656, 220},
     .style = kPanelRaised, .picture = kWood, .anchor = kAnchorAll},
    {.name = "Group28", .kind = K::Group, .parent = "BorderPanel27", .shape = {10, 12, 260, 42},
     .text = "Ladekapazität :", .picture = kAluminium, .colour = kWhite},
    {.name = "TextField6", .kind = K::TextField, .parent = "Group28", .shape = {4, 2, 242, 18}},
    {.name = "Group29", .kind = K::Group, .parent = "BorderPanel27", .shape = {10, 66, 260, 137},
     .text = "Fruchttypen :", .picture = kAluminium, .pictureMode = kPixmapTile, .colour = kWhite},
    {.name = "TreeView5", .kind = K::TreeView, .parent = "Group29", .shape = {0, 0, 252, 116}, .font = kStandardFont,
     .anchor = kAnchorAll},

    // The button bar's status line; its picture buttons follow below.
    {.name = "Label15", .kind = K::Label, .parent = "PlainPanel18", .shape = {6, 66, 42, 18}, .text = "Fehler :",
     .font = kStandardFont},
    {.name = "Label41", .kind = K::Label, .parent = "PlainPanel18", .shape = {54, 66, 593, 18}, .text = "...",
     .style = kLabelFrameThin, .colour = kWhite, .textColour = kBlack},
};

// Commands run on the left press; the second click sounds on the release.
const PictureButtonSpec kButtonBar[] = {
    {"SmartButton25", "PlainPanel18", 5, 4, "8.png", TriggerLeftUp},
    {"SmartButton26", "PlainPanel18", 122, 4, "15.png", TriggerLeftUp},
    {"SmartButton27", "PlainPanel18", 246, 4, "11.png", TriggerLeftUp},
    {"SmartButton28", "PlainPanel18", 390, 4, "10.png", TriggerLeftUp},
    {"SmartButton34", "PlainPanel18", 521, 4, "7.png", TriggerLeftUp},
    {"SmartButton30", "PlainPanel18", 5, 35, "14.png", TriggerLeftUp},
    {"SmartButton31", "PlainPanel18", 144, 35, "16.png", TriggerLeftUp},
    {"SmartButton32", "PlainPanel18", 300, 35, "13.png", TriggerLeftUp},
    {"SmartButton33", "PlainPanel18", 436, 35, "12.png", TriggerLeftUp},
    {"SmartButton29", "PlainPanel18", 556, 35, "9.png", TriggerLeftUp},
};

const TabSpec kTabs[] = {
    {"Tabber1", "Mod Anzeige", "Tabber1_Page0", "Images/sign_question.png"},
    {"Tabber1", "Traktoren Anzeige", "Tabber1_Page1", "Images/sign_question.png"},
    {"Tabber1", "Anhänger Anzeige", "Tabber1_Page2", "Images/sign_question.png"},
};

}  // namespace

void BuildMainWindow(TGui& gui) {
  BuildGadgets(gui, kMainWindow);
  BuildPictureButtons(gui, kButtonBar);
  BuildTabs(gui, kTabs);
  gui.Get("Window1").SetMinimumSize(990, 501);
  ShowTabPage(gui, 0);
}

void ShowTabPage(TGui& gui, int index) {
  TGadget& strip = gui.Get("Tabber1");
  for (int tab = 0; tab < strip.ItemCount(); ++tab) strip.ItemPage(tab)->SetShow(false);
  if (index < 0 || index >= strip.ItemCount()) return;
  strip.SelectItem(index);
  strip.ItemPage(index)->SetShow(true);
}

}  // namespace strohvik
