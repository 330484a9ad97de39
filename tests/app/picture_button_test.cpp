// The picture buttons of the real windows, pressed with the mouse as a person presses
// them: what each one runs, how it looks under the pointer, and how it looks and
// behaves while disabled.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/gui/input_simulation.h"
#include "fake_search_path.h"
#include "platform/audio.h"
#include "shell_fixture.h"
#include "smartbutton/picture_filters.h"
#include "smartbutton/smart_action.h"
#include "smartbutton/smart_button.h"
#include "smartbutton/sound_action.h"

namespace strohvik {
namespace {
namespace fs = std::filesystem;

bool SamePixels(const TPixmap& a, const TPixmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.ReadPixel(x, y) != b.ReadPixel(x, y)) return false;
  return true;
}

// Public, so that the steps of the table cases can reach the helpers.
class PictureButtons : public ShellFixture {
 public:
  using ShellFixture::App;
  using ShellFixture::driver_;
  using ShellFixture::G;
  using ShellFixture::Press;
  using ShellFixture::Read;
  using ShellFixture::Sys;
  using ShellFixture::Write;

  void SetUp() override {
    ShellFixture::SetUp();
    shell_->HandlePending();  // the first pass reads the settings file
  }

  // Loads an archive outside the mods folder through the button bar, as a player does.
  void LoadMod() {
    driver_->fileAnswers.push_back(
        WriteArchive("downloads/Traktor.zip", {{"modDesc.xml", modtest::ModDescription("")}}));
    ASSERT_TRUE(Press("SmartButton25"));
    ASSERT_FALSE(App().state.mod.modPath.empty()) << G("Label41").GetText();
  }
  void OpenFromMenu(const std::string& item) { Send(kEventMenuAction, item); }
  bool Exists(const std::string& relative) const { return fs::exists(folder_ / relative); }

  TSmartButton& Button(const std::string& name) { return dynamic_cast<TSmartButton&>(*G(name).Context()); }
  const TPixmap& Shown(const std::string& name) { return *G(name).Pixmap(); }
};

struct ButtonCase {
  const char* button;
  void (*prepare)(PictureButtons&);
  bool (*ranItsCommand)(PictureButtons&);
  bool programGoesOn = true;
};

void Nothing(PictureButtons&) {}
void Loaded(PictureButtons& t) { t.LoadMod(); }
void InDeleteWindow(PictureButtons& t) {
  t.LoadMod();
  t.Press("SmartButton28");
}
void InInstallWindow(PictureButtons& t) {
  t.LoadMod();
  t.Press("SmartButton27");
}

// Every picture button of the program, pressed in the middle of its face.
const ButtonCase kButtons[] = {
    {"SmartButton25", [](PictureButtons& t) { t.driver_->fileAnswers.push_back(t.Sys("mods\\nichts.zip")); },
     [](PictureButtons& t) { return t.driver_->requests.size() == 1 && t.driver_->requests[0].kind == "file"; }},
    {"SmartButton26", Loaded,
     [](PictureButtons& t) { return t.G("ChildWindow13").Shown() && t.App().state.deleteAfterBackup == "NEIN"; }},
    {"SmartButton27", Loaded, [](PictureButtons& t) { return t.G("ChildWindow4_c5").Shown(); }},
    {"SmartButton28", Loaded, [](PictureButtons& t) { return t.G("ChildWindow4").Shown(); }},
    {"SmartButton34", Loaded,
     [](PictureButtons& t) { return t.G("Label41").GetText().find("7-Zip") != std::string::npos; }},
    {"SmartButton30", [](PictureButtons& t) { t.Write("Spiel/FarmingSimulator2011.exe", ""); },
     [](PictureButtons& t) { return t.driver_->startedProcesses.size() == 1; }, false},
    {"SmartButton31", Loaded,
     [](PictureButtons& t) { return t.G("ChildWindow13").Shown() && t.App().state.deleteAfterBackup == "JA"; }},
    {"SmartButton32", Nothing, [](PictureButtons& t) { return t.G("TextArea5").GetText() == "Backup Ordner :"; }},
    {"SmartButton33", Nothing, [](PictureButtons& t) { return t.G("TextArea5").GetText() == "Mods Ordner :"; }},
    {"SmartButton29", Nothing, [](PictureButtons& t) { return t.App().exitCode == 0; }, false},
    {"SmartButton35", [](PictureButtons& t) { t.OpenFromMenu("Window1#Info"); },
     [](PictureButtons& t) { return !t.G("ChildWindow2").Shown() && t.G("Window1").Enabled(); }},
    {"SmartButton36", [](PictureButtons& t) { t.OpenFromMenu("Window1#Informationen"); },
     [](PictureButtons& t) { return !t.G("ChildWindow12").Shown(); }},
    {"SmartButton39",
     [](PictureButtons& t) {
       t.OpenFromMenu("Window1#Programm");
       t.G("TextField11").SetText(t.Sys("Spiel") + "\\");
     },
     [](PictureButtons& t) { return !t.G("ChildWindow6").Shown() && t.G("Window1").Enabled(); }},
    {"SmartButton37", InDeleteWindow, [](PictureButtons& t) { return !t.Exists("downloads/Traktor.zip"); }},
    {"SmartButton38", InDeleteWindow,
     [](PictureButtons& t) { return !t.G("ChildWindow4").Shown() && t.Exists("downloads/Traktor.zip"); }},
    {"SmartButton43", InInstallWindow, [](PictureButtons& t) { return t.Exists("mods/Traktor.zip"); }},
    {"SmartButton44", InInstallWindow,
     [](PictureButtons& t) { return !t.G("ChildWindow4_c5").Shown() && !t.Exists("mods/Traktor.zip"); }},
};

class EveryButton : public PictureButtons, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(EveryButton, ALeftPressInItsFaceRunsItsCommand) {
  const FakeSearchPath path(folder_ / "bin", true);
  const ButtonCase& button = GetParam();
  button.prepare(*this);
  shell_->AfterEvent(nullptr);
  ASSERT_FALSE(button.ranItsCommand(*this)) << "already so before the press";
  EXPECT_EQ(Press(button.button), button.programGoesOn);
  EXPECT_TRUE(button.ranItsCommand(*this)) << G("Label41").GetText();
}

INSTANTIATE_TEST_SUITE_P(Table, EveryButton, ::testing::ValuesIn(kButtons),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(PictureButtons, TheWholeFaceAnswersItsCornersIncluded) {
  const TRect face = G("SmartButton32").Shape();
  ASSERT_GT(face.width, 131) << "a face wider than the old region";
  EXPECT_TRUE(Press("SmartButton32", TPoint{face.width - 1, face.height - 1}));
  EXPECT_EQ(G("TextArea5").GetText(), "Backup Ordner :");
  EXPECT_TRUE(Press("SmartButton33", TPoint{0, 0}));
  EXPECT_EQ(G("TextArea5").GetText(), "Mods Ordner :");
}

TEST_F(PictureButtons, ThePointerTintsTheButtonGreenAndLeavingRestoresItsOwnPicture) {
  TSmartButton& button = Button("SmartButton25");
  const PixmapPtr own = button.PixMap();
  SimulateMouseEnter(G("SmartButton25"), 30, 12);
  EXPECT_TRUE(SamePixels(Shown("SmartButton25"), *Tint(*own, 8, 2, 8)));
  EXPECT_FALSE(SamePixels(Shown("SmartButton25"), *own));
  EXPECT_EQ(gui_->Pointer(), kPointerHand);
  SimulateMouseLeave(G("SmartButton25"));
  EXPECT_EQ(G("SmartButton25").Pixmap(), own);
  EXPECT_EQ(gui_->Pointer(), kPointerDefault);
}

TEST_F(PictureButtons, APressBrightensTheButtonAndClicks) {
  setenv("ALSOFT_DRIVERS", "null", 0);
  TSmartButton& button = Button("SmartButton33");
  const PixmapPtr own = button.PixMap();
  SimulatePointerPress(G("SmartButton33"), kMouseLeft, 30, 12);
  EXPECT_TRUE(SamePixels(Shown("SmartButton33"), *HighLight(*Tint(*own, 8, 2, 8), 2)));
  if (AudioAvailable()) {
    const auto* pressSound = dynamic_cast<const TActionSound*>(button.SmartRegions()[0]->Actions().Items()[3].get());
    ASSERT_NE(pressSound, nullptr);
    EXPECT_TRUE(pressSound->Channel()->Playing());
  }
  SimulateMouseButton(G("SmartButton33"), false, kMouseLeft, 30, 12);
  EXPECT_TRUE(SamePixels(Shown("SmartButton33"), *Tint(*own, 8, 2, 8))) << "the release tints it again";
}

TEST_F(PictureButtons, ADisabledButtonIsGreyAndAPressDoesNothing) {
  TSmartButton& button = Button("SmartButton28");
  ASSERT_FALSE(G("SmartButton28").Enabled()) << "no mod is loaded";
  EXPECT_TRUE(SamePixels(Shown("SmartButton28"), *Grey(*button.PixMap())));
  SimulatePointerPress(G("SmartButton28"), kMouseLeft, 30, 12);
  EXPECT_TRUE(SamePixels(Shown("SmartButton28"), *Grey(*button.PixMap()))) << "no tint, no highlight";
  EXPECT_TRUE(shell_->HandlePending());
  EXPECT_FALSE(G("ChildWindow4").Shown());

  LoadMod();
  EXPECT_EQ(G("SmartButton28").Pixmap(), button.PixMap()) << "enabled: its own picture again";
}

TEST_F(PictureButtons, DisablingAButtonUnderThePointerLeavesNoTintBehind) {
  LoadMod();
  TSmartButton& button = Button("SmartButton28");
  SimulateMouseEnter(G("SmartButton28"), 30, 12);
  ASSERT_EQ(gui_->Pointer(), kPointerHand);
  App().state.mod.modPath.clear();
  shell_->AfterEvent(nullptr);
  EXPECT_TRUE(SamePixels(Shown("SmartButton28"), *Grey(*button.PixMap())));
  EXPECT_EQ(gui_->Pointer(), kPointerDefault);
}

class FirstStartButtons : public ShellFixture {
 protected:
  FirstStartButtons() : ShellFixture(false) {}
};

TEST_F(FirstStartButtons, ModCommandsAreGreyUnderTheSettingsDialogAndAfterItCloses) {
  shell_->HandlePending();
  ASSERT_TRUE(G("ChildWindow6").Shown());
  const auto grey = [this](const char* name) {
    const auto& button = dynamic_cast<TSmartButton&>(*G(name).Context());
    return SamePixels(*G(name).Pixmap(), *Grey(*button.PixMap()));
  };
  EXPECT_TRUE(grey("SmartButton28")) << "disabled while the dialog had disabled the whole window";
  SimulateCloseRequest(G("ChildWindow6"));
  shell_->HandlePending();
  EXPECT_TRUE(grey("SmartButton28"));
  EXPECT_FALSE(grey("SmartButton25"));
}

TEST_F(PictureButtons, ButtonsOfTheMainWindowDoNothingWhileADialogHasItDisabled) {
  OpenFromMenu("Window1#Info");
  ASSERT_FALSE(G("Window1").Enabled());
  EXPECT_TRUE(Press("SmartButton32"));
  EXPECT_EQ(G("TextArea5").GetText(), "Freier Ordner :");
}

}  // namespace
}  // namespace strohvik
