// Saving: the normalised text, byte for byte, and the safety of the file on failure.

#include <gtest/gtest.h>

#include "platform/debug_log.h"
#include "tests/platform/file_size_limit.h"
#include "tests/xml/xml_test_support.h"

namespace strohvik {
namespace {

// Every construct the reader knows, written untidily.
const char* const kUntidy =
    "<?xml version='1.0' encoding=\"iso-8859-1\"?>\r\n"
    "<!-- Mod  description -->\r\n"
    "<modDesc\tdescVersion='4'>\r\n"
    "\t<title>\r\n\t\tK\xE4se   und\r\nBrot\r\n\t</title>\r\n"
    "  <author>O'Brien \xC3\xA4</author>\r\n"
    "  <store path=\"data/store.dds\" name='it\"s'/>\r\n"
    "  <br/>\r\n"
    "  <mixed>one<i>two</i>three</mixed>\r\n"
    "  <lines>first\nsecond</lines>\r\n"
    "  <blank>  </blank>\r\n"
    "</modDesc>\r\n"
    "trailing text\r\n";

const char* const kNormalised =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
    "<!-- Mod description -->\r\n"
    "<modDesc descVersion=\"4\">\r\n"
    "\t<title>\r\n\t\tK\xE4se undBrot\r\n\t</title>\r\n"
    "\t<author>\r\n\t\tO'Brien \xC3\xA4\r\n\t</author>\r\n"
    "\t<store path=\"data/store.dds\" name=\"it\"s\" />\r\n"
    "\t<br />\r\n"
    "\t<mixed>\r\n\t\tone three\r\n\t\t<i>\r\n\t\t\ttwo\r\n\t\t</i>\r\n\t</mixed>\r\n"
    "\t<lines>\r\n\t\tfirst\nsecond\r\n\t</lines>\r\n"
    "\t<blank>\r\n\t</blank>\r\n"
    "</modDesc>\r\n";

TEST_F(XmlTest, SavedTextIsTheNormalisedFormAndStable) {
  ASSERT_EQ(OpenBytes(kUntidy), 1);
  ASSERT_EQ(doc->Save(Sys("first.xml")), 1);
  EXPECT_EQ(ReadFile("first.xml"), kNormalised);

  auto reread = XMLFile::New();
  ASSERT_EQ(reread->Open(Sys("first.xml")), 1);
  EXPECT_EQ(Describe(reread->taglist), Describe(doc->taglist));
  ASSERT_EQ(reread->Save(Sys("second.xml")), 1);
  EXPECT_EQ(ReadFile("second.xml"), kNormalised);
}

TEST_F(XmlTest, WritesEveryKindAndNegativeLevels) {
  doc->Create();
  const std::pair<int32_t, int32_t> kinds[] = {{0, -1}, {1, -2}, {2, 1}, {3, 0}, {4, 2}, {9, 1}};
  for (auto [typ, ebene] : kinds) {
    doc->taglist.push_back(std::make_shared<XMLNode>(XMLNode{"n", "k=\"v\"", "t", 0, ebene, typ}));
  }
  ASSERT_EQ(doc->Save(Sys("kinds.xml")), 1);
  EXPECT_EQ(ReadFile("kinds.xml"),
            "<n k=\"v\">\r\nt\r\n"
            "</n k=\"v\">\r\n"
            "\t<n k=\"v\" />\r\n"
            "<?n k=\"v\"?>\r\n"
            "\t\t<!n k=\"v\">\r\n"
            "\t\r\n");
}

TEST_F(XmlTest, SaveReplacesTheFileWholeAndKeepsItOnFailure) {
  WriteFile("settings.xml", "old content that is longer than the new one");
  doc->Create();
  doc->WriteNode("E", 1);
  ASSERT_EQ(doc->Save(Sys("settings.xml")), 1);
  EXPECT_EQ(ReadFile("settings.xml"), "<E>\r\n</E>\r\n");

  std::vector<std::string> log;
  ScopedDebugLogSink sink([&](const std::string& line) { log.push_back(line); });
  EXPECT_EQ(doc->Save(Sys("missing folder\\settings.xml")), 0);
  std::filesystem::create_directories(root_ / "a folder");
  EXPECT_EQ(doc->Save(Sys("a folder")), 0);
  EXPECT_EQ(log.size(), 2u);
  EXPECT_EQ(ReadFile("settings.xml"), "<E>\r\n</E>\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root_), {}), 2) << "no temporary file left behind";
}

TEST_F(XmlTest, AWriteFailingHalfwayLeavesTheOldFile) {
  WriteFile("settings.xml", "old");
  doc->Create();
  doc->WriteNode("E", 1);
  doc->WriteNodeText("E", std::string(100'000, 'x'));
  int result = 0;
  {
    const ScopedFileSizeLimit limit(4096);
    result = doc->Save(Sys("settings.xml"));
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ReadFile("settings.xml"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root_), {}), 1) << "no temporary file left behind";
}

TEST_F(XmlTest, Utf8PathsSurvive) {
  std::filesystem::create_directories(root_ / "\xC3\x96rdner");
  doc->Create();
  doc->WriteNode("E", 1);
  doc->WriteNodeText("E", "\xC3\xBC");
  const std::string path = Sys("\xC3\x96rdner\\Kategorien \xC3\xA4.xml");
  ASSERT_EQ(doc->Save(path), 1);
  auto reread = XMLFile::New();
  ASSERT_EQ(reread->Open(path), 1);
  EXPECT_EQ(reread->ReadNodeText("E"), "\xC3\xBC");
}

}  // namespace
}  // namespace strohvik
