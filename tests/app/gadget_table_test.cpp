// The windows as built, against the tables they are made from.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shell_fixture.h"

namespace strohvik {
namespace {

using K = GadgetKind;

struct Expected {
  const char* name;
  GadgetKind kind;
  const char* parent;
  TRect shape;
  const char* text;
};

// Windows give their client size: the main window's as listed, the dialogs' their
// outer size less the frame of a titled window (6 x 31) or of the border-only wait
// window (2 x 2).
const Expected kGadgets[] = {
    {"Window1", K::Window, nullptr, {0, 0, 992, 501}, "Strohvik"},
    {"PlainPanel30", K::Panel, "Window1", {0, 0, 992, 501}, ""},
    {"Tabber1", K::TabStrip, "PlainPanel30", {9, 8, 660, 242}, ""},
    {"PlainPanel18", K::Panel, "PlainPanel30", {9, 258, 660, 97}, ""},
    {"BorderPanel31", K::Panel, "PlainPanel30", {9, 362, 660, 104}, ""},
    {"TextArea5", K::TextArea, "PlainPanel30", {677, 8, 308, 20}, "Freier Ordner :"},
    {"Group13", K::Group, "PlainPanel30", {677, 33, 308, 433}, "Verzeichnis Liste :"},
    {"TreeView3", K::TreeView, "Group13", {0, 0, 300, 412}, ""},
    {"PlainPanel33", K::Panel, "PlainPanel30", {10, 472, 975, 26}, ""},
    {"Label46", K::Label, "PlainPanel33", {11, 3, 250, 18}, "© 2011 Strohvik, frei für alle Spieler"},
    {"Label47", K::Label, "PlainPanel33", {692, 6, 273, 18}, "v1.7.0"},
    {"Tabber1_Page0", K::Panel, "Tabber1", {0, 0, 656, 220}, ""},
    {"Tabber1_Page1", K::Panel, "Tabber1", {0, 0, 656, 220}, ""},
    {"Tabber1_Page2", K::Panel, "Tabber1", {0, 0, 656, 220}, ""},
    {"Group1", K::Panel, "Tabber1_Page0", {0, 0, 656, 220}, ""},
    {"PlainPanel2", K::Panel, "Group1", {5, 6, 180, 180}, ""},
    {"Label22", K::Label, "Group1", {5, 191, 180, 16}, "MultiPlayer : ?"},
    {"RaisedPanel3", K::Panel, "Group1", {191, 6, 449, 201}, ""},
    {"Label2", K::Label, "RaisedPanel3", {7, 9, 80, 18}, "Mod Name :"},
    {"TextField2", K::TextField, "RaisedPanel3", {87, 9, 346, 18}, ""},
    {"Label4", K::Label, "RaisedPanel3", {7, 38, 80, 18}, "Mod Autor :"},
    {"TextField1", K::TextField, "RaisedPanel3", {87, 39, 346, 18}, ""},
    {"Label5", K::Label, "RaisedPanel3", {7, 67, 80, 18}, "Version :"},
    {"TextField3", K::TextField, "RaisedPanel3", {87, 69, 346, 18}, ""},
    {"Label3", K::Label, "RaisedPanel3", {7, 97, 80, 18}, "Mod Info 1 :"},
    {"TextField4", K::TextField, "RaisedPanel3", {87, 99, 346, 18}, ""},
    {"Label6", K::Label, "RaisedPanel3", {7, 128, 80, 18}, "Preis :"},
    {"TextField5", K::TextField, "RaisedPanel3", {87, 129, 111, 18}, ""},
    {"Label13", K::Label, "RaisedPanel3", {7, 163, 80, 17}, "Dateiname : "},
    {"TextField7", K::TextField, "RaisedPanel3", {87, 163, 346, 18}, ""},
    {"RaisedPanel25", K::Panel, "Tabber1_Page1", {0, 0, 656, 220}, ""},
    {"Group26", K::Group, "RaisedPanel25", {10, 12, 260, 60}, "Tank Anzeige :"},
    {"Label43", K::Label, "Group26", {12, 10, 94, 16}, "max Tank inhalt :"},
    {"Label44", K::Label, "Group26", {118, 10, 124, 16}, ""},
    {"BorderPanel27", K::Panel, "Tabber1_Page2", {0, 0, 656, 220}, ""},
    {"Group28", K::Group, "BorderPanel27", {10, 12, 260, 42}, "Ladekapazität :"},
    {"TextField6", K::TextField, "Group28", {4, 2, 242, 18}, ""},
    {"Group29", K::Group, "BorderPanel27", {10, 66, 260, 137}, "Fruchttypen :"},
    {"TreeView5", K::TreeView, "Group29", {0, 0, 252, 116}, ""},
    {"SmartButton25", K::Panel, "PlainPanel18", {5, 4, 109, 24}, ""},
    {"SmartButton26", K::Panel, "PlainPanel18", {122, 4, 117, 24}, ""},
    {"SmartButton27", K::Panel, "PlainPanel18", {246, 4, 137, 24}, ""},
    {"SmartButton28", K::Panel, "PlainPanel18", {390, 4, 123, 24}, ""},
    {"SmartButton34", K::Panel, "PlainPanel18", {521, 4, 131, 24}, ""},
    {"SmartButton30", K::Panel, "PlainPanel18", {5, 35, 135, 24}, ""},
    {"SmartButton31", K::Panel, "PlainPanel18", {144, 35, 153, 24}, ""},
    {"SmartButton32", K::Panel, "PlainPanel18", {300, 35, 133, 24}, ""},
    {"SmartButton33", K::Panel, "PlainPanel18", {436, 35, 114, 24}, ""},
    {"SmartButton29", K::Panel, "PlainPanel18", {556, 35, 96, 24}, ""},
    {"Label15", K::Label, "PlainPanel18", {6, 66, 42, 18}, "Fehler :"},
    {"Label41", K::Label, "PlainPanel18", {54, 66, 593, 18}, "..."},

    {"ChildWindow2", K::Window, nullptr, {0, 0, 250, 202}, "Über"},
    {"PlainPanel6", K::Panel, "ChildWindow2", {0, 0, 250, 202}, ""},
    {"Label8", K::Label, "PlainPanel6", {7, 13, 237, 18}, "Strohvik"},
    {"Label10", K::Label, "PlainPanel6", {7, 36, 237, 14}, "Ein freies Werkzeug für LS 2011 Mods"},
    {"Label9", K::Label, "PlainPanel6", {7, 54, 237, 14}, "Version : v1.7.0"},
    {"HyperLink1", K::HyperLink, "PlainPanel6", {7, 74, 237, 14}, "Home Page"},
    {"HyperLink3", K::HyperLink, "PlainPanel6", {7, 96, 237, 14}, "Forum"},
    {"Label36", K::Label, "PlainPanel6", {7, 117, 237, 36}, "..."},
    {"SmartButton35", K::Panel, "PlainPanel6", {97, 163, 57, 24}, ""},

    {"ChildWindow12", K::Window, nullptr, {0, 0, 298, 196}, "Info"},
    {"PlainPanel21", K::Panel, "ChildWindow12", {0, 0, 298, 196}, ""},
    {"TextArea4", K::TextArea, "PlainPanel21", {11, 6, 279, 148}, nullptr},
    {"SmartButton36", K::Panel, "PlainPanel21", {122, 166, 57, 24}, ""},

    {"ChildWindow11", K::Window, nullptr, {0, 0, 418, 88}, ""},
    {"PlainPanel19", K::Panel, "ChildWindow11", {1, 1, 416, 86}, ""},
    {"Label32", K::Label, "PlainPanel19", {17, 19, 384, 49}, "Bitte Warten ..."},

    {"ChildWindow13", K::Window, nullptr, {0, 0, 362, 417}, "Backup Kategorien"},
    {"PlainPanel24", K::Panel, "ChildWindow13", {9, 9, 50, 50}, ""},
    {"Label37", K::Label, "ChildWindow13", {69, 9, 76, 18}, "Mod Name :"},
    {"Label39", K::Label, "ChildWindow13", {151, 9, 198, 18}, ""},
    {"Label38", K::Label, "ChildWindow13", {69, 42, 76, 18}, "Datei Name :"},
    {"Label40", K::Label, "ChildWindow13", {151, 42, 198, 18}, ""},
    {"Group23", K::Group, "ChildWindow13", {9, 69, 340, 340}, "Bitte Kategorie wählen :"},
    {"TreeView4", K::TreeView, "Group23", {0, 0, 332, 319}, ""},

    {"ChildWindow6", K::Window, nullptr, {0, 0, 351, 363}, "Einstellungen Programm."},
    {"PlainPanel5", K::Panel, "ChildWindow6", {11, 4, 331, 137}, ""},
    {"TextArea1", K::TextArea, "PlainPanel5", {7, 6, 311, 120}, nullptr},
    {"PlainPanel4", K::Panel, "ChildWindow6", {11, 163, 331, 158}, ""},
    {"Label18", K::Label, "PlainPanel4", {4, 5, 318, 19}, "LS 2011 Spiele Ordner ?"},
    {"TextField11", K::TextField, "PlainPanel4", {7, 28, 283, 18}, "Spiele Ordner"},
    {"Button7", K::Button, "PlainPanel4", {303, 28, 18, 18}, ""},
    {"Label19", K::Label, "PlainPanel4", {4, 54, 318, 14}, "LS 2011 Mods Ordner ?"},
    {"TextField12", K::TextField, "PlainPanel4", {7, 78, 283, 18}, "Mods Ordner"},
    {"Button8", K::Button, "PlainPanel4", {303, 78, 18, 18}, ""},
    {"Label20", K::Label, "PlainPanel4", {4, 107, 318, 14}, "Mods Backup Ordner ?"},
    {"TextField13", K::TextField, "PlainPanel4", {7, 127, 283, 18}, "Backup Ordner"},
    {"Button13", K::Button, "PlainPanel4", {303, 127, 18, 18}, ""},
    {"SmartButton39", K::Panel, "ChildWindow6", {97, 329, 168, 24}, ""},

    {"ChildWindow4", K::Window, nullptr, {0, 0, 420, 181}, "Mod Löschen ?"},
    {"PlainPanel12", K::Panel, "ChildWindow4", {6, 6, 409, 137}, ""},
    {"Label16", K::Label, "PlainPanel12", {8, 6, 386, 16}, "Möchtest du diesen Mod wirklich Löschen ?"},
    {"PlainPanel15", K::Panel, "PlainPanel12", {6, 33, 50, 50}, ""},
    {"Label23", K::Label, "PlainPanel12", {66, 29, 135, 14}, "Dateiname :"},
    {"TextField9", K::TextField, "PlainPanel12", {66, 46, 332, 18}, ""},
    {"Label24", K::Label, "PlainPanel12", {3, 87, 80, 14}, "Datei Pfad :"},
    {"TextField15", K::TextField, "PlainPanel12", {3, 107, 395, 18}, ""},
    {"SmartButton37", K::Panel, "ChildWindow4", {11, 152, 94, 24}, ""},
    {"SmartButton38", K::Panel, "ChildWindow4", {304, 152, 108, 24}, ""},

    {"ChildWindow4_c5", K::Window, nullptr, {0, 0, 421, 181}, "Mod Installieren ?"},
    {"PlainPanel11", K::Panel, "ChildWindow4_c5", {5, 6, 409, 137}, ""},
    {"Label16_c17", K::Label, "PlainPanel11", {8, 6, 386, 16}, "Möchtest du diesen Mod wirklich Installieren ?"},
    {"PlainPanel15_c16", K::Panel, "PlainPanel11", {5, 33, 50, 50}, ""},
    {"Label25", K::Label, "PlainPanel11", {67, 29, 127, 14}, "Dateiname :"},
    {"TextField9_c10", K::TextField, "PlainPanel11", {67, 46, 330, 18}, ""},
    {"Label27", K::Label, "PlainPanel11", {1, 87, 164, 14}, "Datei Pfad zum Mods Ordner :"},
    {"TextField16", K::TextField, "PlainPanel11", {1, 107, 396, 18}, ""},
    {"SmartButton43", K::Panel, "ChildWindow4_c5", {12, 152, 109, 24}, ""},
    {"SmartButton44", K::Panel, "ChildWindow4_c5", {297, 152, 108, 24}, ""},
};

struct ExpectedMenuItem {
  const char* name;
  const char* menu;
  const char* text;
  int tag;
  const char* hotKey;
};

const ExpectedMenuItem kMenuItems[] = {
    {"Window1#Dateien", "Window1", "Dateien", 100, ""},
    {"Window1#ModLaden", "Window1#Dateien", "Mod Laden", 101, "Ctrl+L"},
    {"Window1#ModLoeschen", "Window1#Dateien", "Mod Löschen", 102, "Ctrl+O"},
    {"Window1#ModInstallieren", "Window1#Dateien", "Mod Installieren", 103, "Ctrl+I"},
    {"Window1#ModBackup", "Window1#Dateien", "Mod Backup", 104, "Ctrl+B"},
    {"Window1#ModBackupdel", "Window1#Dateien", "Mod Backup & Löschen", 105, ""},
    {"Window1#ModSpeichern", "Window1#Dateien", "Mod Speichern", 106, "Ctrl+S"},
    {"Window1#Beenden", "Window1#Dateien", "Beenden", 107, "Ctrl+Q"},
    {"Window1#Einstellungen", "Window1", "Einstellungen", 200, ""},
    {"Window1#Programm", "Window1#Einstellungen", "Programm", 201, "Ctrl+E"},
    {"Window1#SpielPfade", "Window1", "Spiel Pfade", 300, ""},
    {"Window1#ModsOrdner", "Window1#SpielPfade", "Mods Ordner", 301, ""},
    {"Window1#BackupOrdner", "Window1#SpielPfade", "Backup Ordner", 302, ""},
    {"Window1#Ueber", "Window1", "Über", 400, ""},
    {"Window1#OnlineHilfe", "Window1#Ueber", "OnlineHilfe", 401, ""},
    {"Window1#HomePage", "Window1#Ueber", "Home Page", 402, ""},
    {"Window1#Forum", "Window1#Ueber", "Forum", 403, ""},
    {"Window1#Informationen", "Window1#Ueber", "Informationen", 404, ""},
    {"Window1#UpdatePruefen", "Window1#Ueber", "Update Prüfen", 405, ""},
    {"Window1#Info", "Window1#Ueber", "Über", 406, ""},
    {"TreeView3_PopUpMenu#ModOrdner", "TreeView3_PopUpMenu", "Mod Ordner", 10100, ""},
    {"TreeView3_PopUpMenu#BackupOrdner", "TreeView3_PopUpMenu", "Backup Ordner", 10200, ""},
};

class GadgetTable : public ShellFixture {};

TEST_F(GadgetTable, EveryGadgetHasItsKindParentPlaceAndText) {
  shell_->HandlePending();
  for (const Expected& expected : kGadgets) {
    SCOPED_TRACE(expected.name);
    TGadget* gadget = gui_->Find(expected.name);
    ASSERT_NE(gadget, nullptr);
    EXPECT_EQ(gadget->Kind(), expected.kind);
    EXPECT_EQ(gadget->Parent(), expected.parent ? gui_->Find(expected.parent) : nullptr);
    TRect shape = gadget->Shape();
    if (expected.kind == K::Window) shape.x = shape.y = 0;  // centred on whatever desktop there is
    EXPECT_EQ(shape, expected.shape);
    if (expected.text != nullptr) {
      EXPECT_EQ(gadget->GetText(), expected.text);
    }
  }
}

TEST_F(GadgetTable, NoteAndFirstStartTextsAreComplete) {
  const std::string rule(42, '-');
  const std::string note = G("TextArea4").GetText();
  EXPECT_EQ(std::count(note.begin(), note.end(), '\n'), 13);
  EXPECT_TRUE(note.starts_with("In dieser Version wird 7Zip mitgeliefert\ndieses ist Freeware und wird kostenlos auf \n"));
  EXPECT_TRUE(note.ends_with("oder Tipps gegeben haben.\n\n" + rule + "\n"));
  const std::string firstStart = G("TextArea1").GetText();
  EXPECT_EQ(std::count(firstStart.begin(), firstStart.end(), '\n'), 8);
  EXPECT_TRUE(firstStart.starts_with("Beim ersten Start von Strohvik.\nMuss man ein paar Einstellungen tätigen.\n"));
  EXPECT_TRUE(firstStart.ends_with("Diese Einstellungen müssen aber nur ein mal\ngemacht werden.\n"));
}

TEST_F(GadgetTable, EveryLabelShowsItsWholeText) {
  shell_->HandlePending();  // the first pass writes the version labels
  for (const auto& gadget : gui_->Gadgets()) {
    if (gadget->Kind() != K::Label && gadget->Kind() != K::HyperLink) continue;
    EXPECT_LE(gadget->TextWidth(), gadget->Shape().width) << gadget->Name() << " \"" << gadget->GetText() << "\"";
  }
}

TEST_F(GadgetTable, MenusHaveTheirTextsTagsAndCtrlShortcuts) {
  for (const ExpectedMenuItem& item : kMenuItems) {
    SCOPED_TRACE(item.name);
    TGadget* gadget = gui_->Find(item.name);
    ASSERT_NE(gadget, nullptr);
    EXPECT_EQ(gadget->Parent(), gui_->Find(item.menu));
    EXPECT_EQ(gadget->GetText(), item.text);
    EXPECT_EQ(gadget->Tag(), item.tag);
    EXPECT_EQ(gadget->HotKey(), item.hotKey);
  }
}

TEST_F(GadgetTable, TabsShowTheirPagesAndTheFirstPageAtStart) {
  TGadget& strip = G("Tabber1");
  ASSERT_EQ(strip.ItemCount(), 3);
  const char* const texts[] = {"Mod Anzeige", "Traktoren Anzeige", "Anhänger Anzeige"};
  for (int tab = 0; tab < 3; ++tab) {
    EXPECT_EQ(strip.ItemText(tab), texts[tab]);
    EXPECT_EQ(strip.ItemPage(tab), &G("Tabber1_Page" + std::to_string(tab)));
    EXPECT_EQ(strip.ItemPage(tab)->Shown(), tab == 0);
  }
}

TEST_F(GadgetTable, WindowsStartHiddenButTheWaitWindow) {
  for (const char* window : {"Window1", "ChildWindow2", "ChildWindow12", "ChildWindow13", "ChildWindow6",
                             "ChildWindow4", "ChildWindow4_c5"})
    EXPECT_FALSE(G(window).Shown()) << window;
  EXPECT_TRUE(G("ChildWindow11").Shown());
}

TEST_F(GadgetTable, AResizeGrowsOnlyTheAnchoredGadgets) {
  shell_->HandlePending();
  TGadget& window = G("Window1");
  std::map<std::string, TRect> before;
  for (const auto& gadget : gui_->Gadgets()) before[gadget->Name()] = gadget->Shape();
  window.SetShape({window.Shape().x, window.Shape().y, 1200, 700});
  shell_->HandlePending();

  // Grown by 208 x 199, or moved with the right or bottom edge.
  const std::map<std::string, TRect> changed = {
      {"PlainPanel30", {0, 0, 1200, 700}},     {"TextArea5", {677, 8, 516, 20}},
      {"Group13", {677, 33, 516, 632}},        {"TreeView3", {0, 0, 508, 611}},
      {"PlainPanel33", {10, 671, 1183, 26}},   {"Label47", {900, 6, 273, 18}},
      {"BorderPanel31", {9, 561, 660, 104}},
  };
  for (const auto& gadget : gui_->Gadgets()) {
    if (gadget->Kind() == K::Window || gadget->Kind() == K::Menu || gadget->Kind() == K::MenuItem) continue;
    auto grown = changed.find(gadget->Name());
    EXPECT_EQ(gadget->Shape(), grown != changed.end() ? grown->second : before[gadget->Name()]) << gadget->Name();
  }
}

TEST_F(GadgetTable, ResizableWindowsKeepTheirMinimumSize) {
  // The main window's minimum is its client size, the backup window's its outer size.
  const struct {
    const char* window;
    int width, height;
  } kMinimums[] = {{"Window1", 990, 501}, {"ChildWindow13", 344, 369}};
  for (const auto& minimum : kMinimums) {
    TGadget& window = G(minimum.window);
    window.SetShape({window.Shape().x, window.Shape().y, 100, 100});
    EXPECT_EQ(window.Shape().width, minimum.width) << minimum.window;
    EXPECT_EQ(window.Shape().height, minimum.height) << minimum.window;
  }
}

TEST_F(GadgetTable, AnAmpersandShowsAsItselfWhereTheToolkitWouldHideIt) {
  EXPECT_EQ(DrawnText(G("Window1#ModBackupdel")), "Mod Backup & Löschen");
  EXPECT_EQ(G("Window1#ModBackupdel").GetText(), "Mod Backup & Löschen");
  for (const char* gadget : {"Window1#Dateien", "Window1#Beenden", "Button7"}) {
    G(gadget).SetText("Laden & Speichern");
    EXPECT_EQ(DrawnText(G(gadget)), "Laden & Speichern") << gadget;
    EXPECT_EQ(G(gadget).GetText(), "Laden & Speichern") << gadget;
  }
}

TEST_F(GadgetTable, TheModPagesDisplayFieldsShowDarkTextAndTakeNoTyping) {
  shell_->HandlePending();
  TGadget& title = G("TextField2");
  title.SetText("Großer Traktor");
  const PixmapPtr shown = Photograph(title);
  int darkest = 255;
  for (int y = 0; y < shown->Height(); ++y)
    for (int x = 0; x < shown->Width(); ++x) {
      const uint32_t p = shown->ReadPixel(x, y);
      darkest = std::min(darkest, static_cast<int>(std::max({p >> 16 & 0xff, p >> 8 & 0xff, p & 0xff})));
    }
  EXPECT_LT(darkest, 60) << "the text is drawn dark, not pale grey";
  title.Activate();
  SimulateKeyChord(G("Window1"), "A");
  EXPECT_EQ(title.GetText(), "Großer Traktor") << "the player cannot edit it";
}

}  // namespace
}  // namespace strohvik
