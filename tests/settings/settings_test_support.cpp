#include "tests/settings/settings_test_support.h"

#include <fstream>
#include <iterator>

#include "platform/host_path.h"

namespace strohvik {

namespace fs = std::filesystem;

namespace {

// Relative paths in the tests are written in the system's "\" form too.
fs::path Below(const fs::path& root, const std::string& relative) { return root / HostPath(relative); }

}  // namespace

void SettingsTest::SetUp() { workingDirectory_ = MakeFolder("work"); }

std::string SettingsTest::Sys(const std::string& relative) const {
  const std::string root = SystemPath(root_.string());
  return relative.empty() ? root : root + "\\" + relative;
}

std::string SettingsTest::MakeFolder(const std::string& relative) const {
  fs::create_directories(Below(root_, relative));
  return Sys(relative);
}

void SettingsTest::WriteFile(const std::string& relative, const std::string& bytes) const {
  fs::create_directories(Below(root_, relative).parent_path());
  std::ofstream(Below(root_, relative), std::ios::binary) << bytes;
}

std::string SettingsTest::ReadFile(const std::string& relative) const {
  std::ifstream in(Below(root_, relative), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool SettingsTest::Exists(const std::string& relative) const { return fs::exists(Below(root_, relative)); }

}  // namespace strohvik
