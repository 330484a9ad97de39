// The seven dialog windows, built hidden (the wait window shown) in this order.
#include <string>

#include "app/windows.h"
#include "settings/settings_dialog.h"

namespace strohvik {
namespace {

using K = GadgetKind;

constexpr const char* kWindowIcon = "Images\\16x16-images.png";
constexpr const char* kAluminium = "Images/gebuerstetealuminiumtextur.png";
constexpr const char* kFolderIcon = "Images\\Folder.png";
constexpr int kDialog = kWindowTitleBar | kWindowCentred;
inline const TFont kArial9Bold{"Arial", 9, true, false};
inline const TFont kArial10Bold{"Arial", 10, true, false};
inline const TFont kArial20Bold{"Arial", 20, true, false};

const std::string kRule(42, '-');
const std::string kInformationNote =
    "In dieser Version wird 7Zip mitgeliefert\n"
    "dieses ist Freeware und wird kostenlos auf \n"
    "www.7-zip.org angeboten.\n"
    "\n" + kRule + "\n"
    "\n"
    "Ein herzlicher Gruß geht an alle,\n"
    "die beim Testen geholfen haben.\n"
    "\n"
    "Und alle die mir Fehler gemeldet\n"
    "oder Tipps gegeben haben.\n"
    "\n" + kRule + "\n";

const GadgetSpec kAboutWindow[] = {
    {.name = "ChildWindow2", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 256, 233}, .text = "Über",
     .style = kDialog, .picture = kWindowIcon},
    {.name = "PlainPanel6", .kind = K::Panel, .parent = "ChildWindow2", .shape = {0, 0, 250, 202},
     .picture = kAluminium},
    {.name = "Label8", .kind = K::Label, .parent = "PlainPanel6", .shape = {7, 13, 237, 18}, .text = "Strohvik",
     .style = kLabelCentre | kLabelFrameThin, .colour = kWhite, .textColour = kBlack, .font = kArial9Bold},
    {.name = "Label10", .kind = K::Label, .parent = "PlainPanel6", .shape = {7, 36, 237, 14},
     .text = "Ein freies Werkzeug für LS 2011 Mods", .style = kLabelCentre, .font = kStandardFont},
    {.name = "Label9", .kind = K::Label, .parent = "PlainPanel6", .shape = {7, 54, 237, 14}, .text = "Version :",
     .style = kLabelCentre, .font = kStandardFont},
    {.name = "HyperLink1", .kind = K::HyperLink, .parent = "PlainPanel6", .shape = {7, 74, 237, 14},
     .text = "Home Page", .style = kLabelCentre},
    {.name = "HyperLink3", .kind = K::HyperLink, .parent = "PlainPanel6", .shape = {7, 96, 237, 14}, .text = "Forum",
     .style = kLabelCentre},
    {.name = "Label36", .kind = K::Label, .parent = "PlainPanel6", .shape = {7, 117, 237, 36}, .text = "...",
     .style = kLabelCentre | kLabelFrameSunken},
};

const GadgetSpec kInformationWindow[] = {
    {.name = "ChildWindow12", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 304, 227}, .text = "Info",
     .style = kDialog, .picture = kWindowIcon},
    {.name = "PlainPanel21", .kind = K::Panel, .parent = "ChildWindow12", .shape = {0, 0, 298, 196},
     .picture = kAluminium},
    {.name = "TextArea4", .kind = K::TextArea, .parent = "PlainPanel21", .shape = {11, 6, 279, 148},
     .text = kInformationNote.c_str()},
};

const GadgetSpec kWaitWindow[] = {
    {.name = "ChildWindow11", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 420, 90}, .text = "",
     .style = kWindowTool | kWindowCentred},
    {.name = "PlainPanel19", .kind = K::Panel, .parent = "ChildWindow11", .shape = {1, 1, 416, 86},
     .style = kPanelRaised, .picture = kAluminium, .pictureMode = kPixmapScaleToWidth},
    {.name = "Label32", .kind = K::Label, .parent = "PlainPanel19", .shape = {17, 19, 384, 49},
     .text = "Bitte Warten ...", .style = kLabelCentre, .font = kArial20Bold},
};

const GadgetSpec kBackupWindow[] = {
    {.name = "ChildWindow13", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 368, 448},
     .text = "Backup Kategorien", .style = kDialog | kWindowResizable, .picture = kWindowIcon},
    {.name = "PlainPanel24", .kind = K::Panel, .parent = "ChildWindow13", .shape = {9, 9, 50, 50},
     .style = kPanelRaised, .picture = "Images\\bg-image-MB.png"},
    {.name = "Label37", .kind = K::Label, .parent = "ChildWindow13", .shape = {69, 9, 76, 18}, .text = "Mod Name :",
     .colour = kWhite, .textColour = kBlack},
    {.name = "Label39", .kind = K::Label, .parent = "ChildWindow13", .shape = {151, 9, 198, 18},
     .style = kLabelFrameSunken, .colour = kWhite, .textColour = kBlack, .font = kStandardFont},
    {.name = "Label38", .kind = K::Label, .parent = "ChildWindow13", .shape = {69, 42, 76, 18},
     .text = "Datei Name :", .colour = kWhite, .textColour = kBlack},
    {.name = "Label40", .kind = K::Label, .parent = "ChildWindow13", .shape = {151, 42, 198, 18},
     .style = kLabelFrameSunken, .colour = kWhite, .textColour = kBlack},
    {.name = "Group23", .kind = K::Group, .parent = "ChildWindow13", .shape = {9, 69, 340, 340},
     .text = "Bitte Kategorie wählen :", .picture = kAluminium, .colour = kWhite},
    {.name = "TreeView4", .kind = K::TreeView, .parent = "Group23", .shape = {0, 0, 332, 319},
     .picture = "Images/FarmingSimulator2011-16x16.PNG", .font = kStandardFont},
};

const GadgetSpec kSettingsWindow[] = {
    {.name = "ChildWindow6", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 357, 394},
     .text = "Einstellungen Programm.", .style = kDialog, .picture = kWindowIcon},
    {.name = "PlainPanel5", .kind = K::Panel, .parent = "ChildWindow6", .shape = {11, 4, 331, 137},
     .style = kPanelRaised, .picture = "Images/holzblocktextur.png", .pictureMode = kPixmapTile,
     .colour = TRgb{255, 174, 174}},
    {.name = "TextArea1", .kind = K::TextArea, .parent = "PlainPanel5", .shape = {7, 6, 311, 120},
     .text = kFirstStartText, .style = kTextAreaWordWrap},
    {.name = "PlainPanel4", .kind = K::Panel, .parent = "ChildWindow6", .shape = {11, 163, 331, 158},
     .style = kPanelRaised, .picture = kAluminium, .pictureMode = kPixmapTile, .colour = TRgb{177, 207, 182}},
    {.name = "Label18", .kind = K::Label, .parent = "PlainPanel4", .shape = {4, 5, 318, 19},
     .text = "LS 2011 Spiele Ordner ?", .font = kStandardFont},
    {.name = "TextField11", .kind = K::TextField, .parent = "PlainPanel4", .shape = {7, 28, 283, 18},
     .text = "Spiele Ordner"},
    {.name = "Button7", .kind = K::Button, .parent = "PlainPanel4", .shape = {303, 28, 18, 18},
     .picture = kFolderIcon},
    {.name = "Label19", .kind = K::Label, .parent = "PlainPanel4", .shape = {4, 54, 318, 14},
     .text = "LS 2011 Mods Ordner ?", .font = kStandardFont},
    {.name = "TextField12", .kind = K::TextField, .parent = "PlainPanel4", .shape = {7, 78, 283, 18},
     .text = "Mods Ordner"},
    {.name = "Button8", .kind = K::Button, .parent = "PlainPanel4", .shape = {303, 78, 18, 18},
     .picture = kFolderIcon},
    {.name = "Label20", .kind = K::Label, .parent = "PlainPanel4", .shape = {4, 107, 318, 14},
     .text = "Mods Backup Ordner ?", .font = kStandardFont},
    {.name = "TextField13", .kind = K::TextField, .parent = "PlainPanel4", .shape = {7, 127, 283, 18},
     .text = "Backup Ordner"},
    {.name = "Button13", .kind = K::Button, .parent = "PlainPanel4", .shape = {303, 127, 18, 18},
     .picture = kFolderIcon},
};

const GadgetSpec kDeleteWindow[] = {
    {.name = "ChildWindow4", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 426, 212},
     .text = "Mod Löschen ?", .style = kDialog, .picture = kWindowIcon},
    {.name = "PlainPanel12", .kind = K::Panel, .parent = "ChildWindow4", .shape = {6, 6, 409, 137},
     .style = kPanelRaised, .picture = kAluminium, .pictureMode = kPixmapTile},
    {.name = "Label16", .kind = K::Label, .parent = "PlainPanel12", .shape = {8, 6, 386, 16},
     .text = "Möchtest du diesen Mod wirklich Löschen ?", .style = kLabelCentre | kLabelFrameSunken,
     .textColour = kWhite, .font = kArial10Bold},
    {.name = "PlainPanel15", .kind = K::Panel, .parent = "PlainPanel12", .shape = {6, 33, 50, 50},
     .style = kPanelRaised, .picture = "Images\\bg-image-MB.png"},
    {.name = "Label23", .kind = K::Label, .parent = "PlainPanel12", .shape = {66, 29, 135, 14},
     .text = "Dateiname :", .textColour = kWhite, .font = kStandardFont},
    {.name = "TextField9", .kind = K::TextField, .parent = "PlainPanel12", .shape = {66, 46, 332, 18}},
    {.name = "Label24", .kind = K::Label, .parent = "PlainPanel12", .shape = {3, 87, 80, 14},
     .text = "Datei Pfad :", .textColour = kWhite, .font = kStandardFont},
    {.name = "TextField15", .kind = K::TextField, .parent = "PlainPanel12", .shape = {3, 107, 395, 18}},
};

const GadgetSpec kInstallWindow[] = {
    {.name = "ChildWindow4_c5", .kind = K::Window, .parent = nullptr, .shape = {0, 0, 427, 212},
     .text = "Mod Installieren ?", .style = kDialog, .picture = kWindowIcon},
    {.name = "PlainPanel11", .kind = K::Panel, .parent = "ChildWindow4_c5", .shape = {5, 6, 409, 137},
     .style = kPanelRaised, .picture = kAluminium, .pictureMode = kPixmapTile},
    {.name = "Label16_c17", .kind = K::Label, .parent = "PlainPanel11", .shape = {8, 6, 386, 16},
     .text = "Möchtest du diesen Mod wirklich Installieren ?", .style = kLabelCentre | kLabelFrameSunken,
     .textColour = kWhite, .font = kArial10Bold},
    {.name = "PlainPanel15_c16", .kind = K::Panel, .parent = "PlainPanel11", .shape = {5, 33, 50, 50},
     .style = kPanelRaised, .picture = "Images/bg-image-MB.png"},
    {.name = "Label25", .kind = K::Label, .parent = "PlainPanel11", .shape = {67, 29, 127, 14},
     .text = "Dateiname :", .textColour = kWhite, .font = kStandardFont},
    {.name = "TextField9_c10", .kind = K::TextField, .parent = "PlainPanel11", .shape = {67, 46, 330, 18}},
    {.name = "Label27", .kind = K::Label, .parent = "PlainPanel11", .shape = {1, 87, 164, 14},
     .text = "Datei Pfad zum Mods Ordner :", .textColour = kWhite, .font = kStandardFont},
    {.name = "TextField16", .kind = K::TextField, .parent = "PlainPanel11", .shape = {1, 107, 396, 18}},
};

// The about and information windows sound the second click on a right press.
const PictureButtonSpec kDialogButtons[] = {
    {"SmartButton35", "PlainPanel6", 97, 163, "18.png", TriggerRightDown},
    {"SmartButton36", "PlainPanel21", 122, 166, "18.png", TriggerRightDown},
    {"SmartButton39", "ChildWindow6", 97, 329, "19.png", TriggerLeftUp},
    {"SmartButton37", "ChildWindow4", 11, 152, "17.png", TriggerLeftUp},
    {"SmartButton38", "ChildWindow4", 304, 152, "21.png", TriggerLeftUp},
    {"SmartButton43", "ChildWindow4_c5", 12, 152, "24.png", TriggerLeftUp},
    {"SmartButton44", "ChildWindow4_c5", 297, 152, "21.png", TriggerLeftUp},
};

}  // namespace

void BuildDialogWindows(TGui& gui) {
  const std::span<const GadgetSpec> windows[] = {kAboutWindow,  kInformationWindow, kWaitWindow,   kBackupWindow,
                                                 kSettingsWindow, kDeleteWindow,      kInstallWindow};
  for (const auto& window : windows) BuildGadgets(gui, window);
  BuildPictureButtons(gui, kDialogButtons);
  gui.Get("ChildWindow13").SetMinimumSize(350, 400);
  // The wait window is the one window visible from the moment it is built.
  gui.Get("ChildWindow11").SetShow(true);
}

}  // namespace strohvik
