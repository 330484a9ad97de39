#include "zip/entry_destination.h"

#include <gtest/gtest.h>

namespace strohvik {
namespace {

TEST(EntryDestinationTest, KeepsEveryEntryInsideTheFolder) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"modDesc.xml", "C:\\temp\\modDesc.xml"},
      {"store/pic.dds", "C:\\temp\\store\\pic.dds"},
      {"a\\./b//c", "C:\\temp\\a\\b\\c"},
      {"dir/", "C:\\temp\\dir"},
      {"..", ""},
      {"../evil.txt", ""},
      {"a/../../evil.txt", ""},
      {"a\\..\\b", ""},
      {"/etc/passwd", ""},
      {"\\windows\\system.ini", ""},
      {"C:evil.txt", ""},
      {"D:\\evil.txt", ""},
      {"file.txt:stream", ""},
      {"", ""},
      {"./", ""},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(EntryDestination("C:\\temp", name), expected) << name;
}

}  // namespace
}  // namespace strohvik
