#include "tests/xml/xml_test_support.h"

#include <fstream>
#include <iterator>

namespace strohvik {

namespace fs = std::filesystem;

std::vector<std::string> Describe(const XMLNodeList& nodes) {
  std::vector<std::string> lines;
  for (const auto& node : nodes) {
    lines.push_back(std::to_string(node->typ) + " " + std::to_string(node->ebene) + " " + node->name + "|" +
                    node->values + "|" + node->text);
  }
  return lines;
}

std::string XmlTest::Sys(const std::string& relative) const { return root_.string() + "\\" + relative; }

void XmlTest::WriteFile(const std::string& relative, const std::string& bytes) const {
  std::ofstream(root_ / relative, std::ios::binary) << bytes;
}

std::string XmlTest::ReadFile(const std::string& relative) const {
  std::ifstream in(root_ / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int XmlTest::OpenBytes(const std::string& bytes) {
  WriteFile("input.xml", bytes);
  return doc->Open(Sys("input.xml"));
}

}  // namespace strohvik
