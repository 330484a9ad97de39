#pragma once
// A temporary folder per test, and documents opened from bytes written there.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/test_folder.h"
#include "xml/xml_file.h"

namespace strohvik {

// One line per node, "typ ebene name|values|text", so that a whole list compares as
// a table and a mismatch shows the node at a glance.
std::vector<std::string> Describe(const XMLNodeList& nodes);

class XmlTest : public testing::Test {
 protected:
  // The system's form of a path below the test folder.
  std::string Sys(const std::string& relative) const;
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  std::string ReadFile(const std::string& relative) const;
  // Writes the bytes to a file and opens it into doc; returns Open's result.
  int OpenBytes(const std::string& bytes);

  TestFolder folder_{"xml"};
  std::filesystem::path root_ = folder_.Path();
  std::shared_ptr<XMLFile> doc = XMLFile::New();
};

}  // namespace strohvik
