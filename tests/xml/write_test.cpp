// Building and changing documents by path.

#include <gtest/gtest.h>

#include "tests/xml/xml_test_support.h"

namespace strohvik {
namespace {

using Lines = std::vector<std::string>;

TEST_F(XmlTest, BuildsTheSettingsDocument) {
  const std::string folder = "C:\\Spiele\\O'Brien\\LS 2011 \xC3\xA4";
  doc->Create();
  EXPECT_EQ(doc->WriteNode("Einstellungen", 1), 1);
  EXPECT_EQ(doc->WriteNode("Einstellungen/SpieleOrdner", 2), 1);
  EXPECT_EQ(doc->WriteNodeValue("Einstellungen/SpieleOrdner", "SpieleOrdner", folder), 1);
  EXPECT_EQ(Describe(doc->taglist),
            (Lines{"0 0 Einstellungen||", "2 1 SpieleOrdner|SpieleOrdner=\"" + folder + "\"|", "1 0 Einstellungen||"}));

  ASSERT_EQ(doc->Save(Sys("Strohvik-ini.xml")), 1);
  EXPECT_EQ(ReadFile("Strohvik-ini.xml"),
            "<Einstellungen>\r\n\t<SpieleOrdner SpieleOrdner=\"" + folder + "\" />\r\n</Einstellungen>\r\n");
  auto reread = XMLFile::New();
  ASSERT_EQ(reread->Open(Sys("Strohvik-ini.xml")), 1);
  EXPECT_EQ(reread->ReadNodeValue("Einstellungen/SpieleOrdner", "SpieleOrdner"), folder);
}

TEST_F(XmlTest, WriteNodeAddsLastChildrenOfEachKind) {
  ASSERT_EQ(OpenBytes("<r><p><q/></p></r>"), 1);
  doc->WriteNode("r/p/e", 1);
  doc->WriteNode("r/p/s[7]", 2);  // the last index is ignored
  doc->WriteNode("r/p/d", 3);
  doc->WriteNode("r/p/m", 4);
  doc->WriteNode("top", 2);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 r||", "0 1 p||", "2 2 q||", "0 2 e||", "1 2 e||", "2 2 s||", "3 2 d||",
                                           "4 2 m||", "1 1 p||", "1 0 r||", "2 0 top||"}));
  for (size_t i = 3; i < 8; ++i) EXPECT_EQ(doc->taglist[i]->pos, 0);
}

TEST_F(XmlTest, WriteNodeWithoutParentChangesNothing) {
  doc->Create();
  EXPECT_EQ(doc->WriteNode("Einstellungen/SpieleOrdner", 2), 1);
  EXPECT_TRUE(doc->taglist.empty());
  doc->WriteNode("Einstellungen", 1);
  EXPECT_EQ(doc->WriteNode("Einstellungen[0]/SpieleOrdner", 2), 1);
  EXPECT_EQ(doc->WriteNode("Einstellungen/x/SpieleOrdner", 2), 1);
  EXPECT_EQ(doc->taglist.size(), 2u);
}

TEST_F(XmlTest, TwoWritesOfOnePathAddTwoTagsAndReadsSeeTheFirst) {
  doc->Create();
  doc->WriteNode("E", 1);
  doc->WriteNode("E/K", 2);
  doc->WriteNode("E/K", 2);
  doc->WriteNodeValue("E/K[2]", "v", "second");
  doc->WriteNodeValue("E/K", "v", "first");
  EXPECT_EQ(doc->taglist.size(), 4u);
  EXPECT_EQ(doc->ReadNodeValue("E/K", "v"), "first");
  EXPECT_EQ(doc->ReadNodeValue("E/K[2]", "v"), "second");
}

struct AttributeWrite {
  const char* values;
  const char* attribute;
  const char* value;
  const char* expected;
};

TEST_F(XmlTest, WriteNodeValueReplacesOneAttributeInPlaceOrAppends) {
  const AttributeWrite cases[] = {
      {"a=\"1\" b=\"2\"", "a", "9", "a=\"9\" b=\"2\""},
      {"a=\"1\" b=\"2\"", "c", "3", "a=\"1\" b=\"2\" c=\"3\""},
      {"", "c", "3", "c=\"3\""},
      {"xnum=\"1\" num=\"2\"", "num", "5", "xnum=\"1\" num=\"5\""},  // the whole name, not a tail
      {"a=\"1\" xa=\"1\"", "a", "2", "a=\"2\" xa=\"1\""},           // only that one occurrence
      {"a=\"1\"", "a", "1", "a=\"1\""},                            // new text equal to the old
      {"a=\"1\"", "a", "a=\"1\" a=\"1", "a=\"a=\"1\" a=\"1\""},      // new text containing the old
      {"a=\"open", "a", "2", "a=\"2\""},
      {"a=5 b=\"6\"", "a", "7", "a=\"7\" b=\"6\""},
  };
  for (const auto& c : cases) {
    doc->Create();
    doc->WriteNode("n", 2);
    doc->taglist[0]->values = c.values;
    EXPECT_EQ(doc->WriteNodeValue("n", c.attribute, c.value), 1);
    EXPECT_EQ(doc->taglist[0]->values, c.expected) << c.values;
  }
}

TEST_F(XmlTest, WriteNodeTextSetsStartTagsOnly) {
  ASSERT_EQ(OpenBytes("<a><b/><c>old</c></a>"), 1);
  EXPECT_EQ(doc->WriteNodeText("a/c", " new  text "), 1);
  EXPECT_EQ(doc->taglist[2]->text, " new  text ") << "stored unchanged";
  EXPECT_EQ(doc->WriteNodeText("a/b", "x"), 1);
  EXPECT_EQ(doc->WriteNodeText("a/missing", "x"), 1);
  EXPECT_EQ(doc->taglist[1]->text, "");
  EXPECT_EQ(doc->WriteNodeValue("a/missing", "k", "v"), 1);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 a||", "2 1 b||", "0 1 c|| new  text ", "1 1 c||", "1 0 a||"}));
}

}  // namespace
}  // namespace strohvik
