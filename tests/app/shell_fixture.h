#pragma once
// Starts the real program in a working folder of its own, with a scripted system
// driver, for one test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include "app/gui/gui.h"
#include "app/gui/input_simulation.h"
#include "app/shell.h"
#include "platform/host_path.h"
#include "tests/mods/mod_test_support.h"

namespace strohvik {

class ShellFixture : public ::testing::Test {
 protected:
  // With a settings file of this version present the first start opens no settings
  // dialog. The file names the folders Spiel, mods and Backup of the test folder, which
  // exist; the first pass of the loop reads it, replacing values set before.
  explicit ShellFixture(bool withSettingsFile = true) : withSettingsFile_(withSettingsFile) {}

  void SetUp() override {
    previous_ = std::filesystem::current_path();
    char pattern[] = "/tmp/strohvik-shell-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::current_path(folder_);
    if (withSettingsFile_) WriteSettingsFile("1.7.0");
    gui_ = std::make_unique<TGui>(driver_);
    shell_ = std::make_unique<TShell>(*gui_);
  }

  void TearDown() override {
    shell_.reset();
    gui_.reset();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  // The system's "\" form of a path below the test folder ("" gives the folder itself).
  std::string Sys(const std::string& relative) const {
    return SystemPath(relative.empty() ? folder_.string() : (folder_ / relative).string());
  }

  // A file below the test folder, its folders made as needed.
  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((folder_ / relative).parent_path());
    std::ofstream(folder_ / relative, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(folder_ / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // A zip archive below the test folder, written with our zip writer; its system path.
  std::string WriteArchive(const std::string& relative, const modtest::Entries& entries) const {
    std::filesystem::create_directories((folder_ / relative).parent_path());
    modtest::WriteArchive(Sys(relative), entries);
    return Sys(relative);
  }

  // The settings file as the program writes it, for the folders Spiel, mods and Backup.
  std::string SettingsText(const std::string& version) const {
    return "<Einstellungen>\r\n"
           "\t<SpieleOrdner SpieleOrdner=\"" + Sys("Spiel") + "\\\" />\r\n"
           "\t<ModsOrdner ModsOrdner=\"" + Sys("mods") + "\\\" />\r\n"
           "\t<ModsBackup ModsBackup=\"" + Sys("Backup") + "\\\" />\r\n"
           "</Einstellungen>\r\n"
           "<LS2011-ini>\r\n"
           "\t<StartLogo StartLogo=\"NEIN\" />\r\n"
           "\t<PRGVersion PRGVersion=\"" + version + "\" />\r\n"
           "</LS2011-ini>\r\n";
  }
  void WriteSettingsFile(const std::string& version) {
    for (const char* folder : {"Spiel", "mods", "Backup"}) std::filesystem::create_directories(folder_ / folder);
    Write("Strohvik-ini.xml", SettingsText(version));
  }

  TGadget& G(const std::string& name) { return gui_->Get(name); }
  TAppContext& App() { return shell_->App(); }

  void Emit(int id, const std::string& source, int data = 0) {
    TEvent event{id, &G(source), data};
    gui_->Emit(event);
  }
  // A person's left click on a picture button, at (x, y) of its face or in its middle:
  // the program handles the press before the release. False once it ends.
  bool Press(const std::string& button, std::optional<TPoint> at = std::nullopt) {
    TGadget& panel = G(button);
    const TPoint point = at.value_or(TPoint{panel.Shape().width / 2, panel.Shape().height / 2});
    SimulatePointerPress(panel, kMouseLeft, point.x, point.y);
    if (!shell_->HandlePending()) return false;
    SimulatePointerRelease(panel, kMouseLeft, point.x, point.y);
    return shell_->HandlePending();
  }

  // Emits and lets the program handle everything that follows. False once it ends.
  bool Send(int id, const std::string& source, int data = 0) {
    Emit(id, source, data);
    return shell_->HandlePending();
  }

  std::shared_ptr<TScriptedSystemDriver> driver_ = std::make_shared<TScriptedSystemDriver>();
  std::unique_ptr<TGui> gui_;
  std::unique_ptr<TShell> shell_;
  std::filesystem::path folder_;

 private:
  bool withSettingsFile_;
  std::filesystem::path previous_;
};

}  // namespace strohvik
