#pragma once
// Starts the real program in a working folder of its own, with a scripted system
// driver, for one test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/gui/gui.h"
#include "app/shell.h"

namespace strohvik {

class ShellFixture : public ::testing::Test {
 protected:
  // With a settings file present the first start opens no settings dialog.
  explicit ShellFixture(bool withSettingsFile = true) : withSettingsFile_(withSettingsFile) {}

  void SetUp() override {
    previous_ = std::filesystem::current_path();
    char pattern[] = "/tmp/strohvik-shell-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::current_path(folder_);
    if (withSettingsFile_) std::ofstream("Strohvik-ini.xml") << "<Einstellungen/>\n";
    gui_ = std::make_unique<TGui>(driver_);
    shell_ = std::make_unique<TShell>(*gui_);
  }

  void TearDown() override {
    shell_.reset();
    gui_.reset();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  TGadget& G(const std::string& name) { return gui_->Get(name); }
  TAppContext& App() { return shell_->App(); }

  void Emit(int id, const std::string& source, int data = 0) {
    TEvent event{id, &G(source), data};
    gui_->Emit(event);
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
