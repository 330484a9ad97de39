// Reading documents into the flat tag list: kinds, names, attribute texts, levels and
// element texts, with the quirks callers rely on.

#include <gtest/gtest.h>

#include "tests/xml/xml_test_support.h"
#include "xml/xml_tokeniser.h"

namespace strohvik {
namespace {

using Lines = std::vector<std::string>;

TEST_F(XmlTest, ReadsTheExampleDocument) {
  ASSERT_EQ(OpenBytes("<a x='1'>\r\n<b>hi</b>\r\n<c/>\r\n</a>"), 1);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 a|x=\"1\"|", "0 1 b||hi", "1 1 b||", "2 1 c||", "1 0 a||"}));
  std::vector<int32_t> positions;
  for (const auto& node : doc->taglist) positions.push_back(node->pos);
  EXPECT_EQ(positions, (std::vector<int32_t>{1, 10, 15, 19, 23})) << "1-based, in the text without CR LF";
}

struct ParseCase {
  const char* label;
  std::string input;
  Lines nodes;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.label; }

class Parsing : public XmlTest, public testing::WithParamInterface<ParseCase> {};

TEST_P(Parsing, GivesTheseNodes) {
  EXPECT_EQ(OpenBytes(GetParam().input), 1);
  EXPECT_EQ(Describe(doc->taglist), GetParam().nodes);
}

const ParseCase kParseCases[] = {
    {"NoTagsAtAll", "just text", {}},
    {"CrLfJoinsWordsWithoutSpace", "<a>one\r\ntwo</a>", {"0 0 a||onetwo", "1 0 a||"}},
    {"LoneLfStaysInText", "<a>one\ntwo</a>", {"0 0 a||one\ntwo", "1 0 a||"}},
    {"TabsAndSpaceRunsCollapse", "<a\tx='1'\t\ty='2'>  some \t text  </a>",
     {"0 0 a|x=\"1\" y=\"2\"|some text", "1 0 a||"}},
    {"EmptyElementWithoutAttributes", "<br/>", {"2 0 br||"}},
    {"EmptyElementKeepsSlashesInValues", "<img src=\"data/pic.png\"/>", {"2 0 img|src=\"data/pic.png\"|"}},
    {"Comment", "<!-- note -->", {"4 0 --|note --|"}},
    {"GreaterThanEndsACommentEarly", "<!-- a > b -->", {"4 0 --|a|"}},
    {"Declaration", "<?xml version=\"1.0\"?>", {"3 0 xml|version=\"1.0\"|"}},
    {"DeclarationWithoutSpace", "<?xml?>", {"3 0 xml||"}},
    {"MixedContentJoinsTextPieces", "<a>one<b>two</b>three</a>", {"0 0 a||one three", "0 1 b||two", "1 1 b||", "1 0 a||"}},
    {"BlankAndChildOnlyContentHasNoText", "<a> <b/> </a>", {"0 0 a||", "2 1 b||", "1 0 a||"}},
    {"SecondTopLevelElementIsLevelZero", "<a></a><b></b>", {"0 0 a||", "1 0 a||", "0 0 b||", "1 0 b||"}},
    {"SurplusEndTagsGoNegativeAndGetNoText", "</x><b>t</b>", {"1 -1 x||", "0 -1 b||", "1 -1 b||"}},
    {"Latin1ByteStaysOneByte", "<a>K\xE4se</a>", {"0 0 a||K\xE4se", "1 0 a||"}},
    {"Utf8BytesPassThrough", "<a n='\xC3\xA4'>\xC3\xBC</a>", {"0 0 a|n=\"\xC3\xA4\"|\xC3\xBC", "1 0 a||"}},
    {"EndTagNameStopsAtSpace", "<a></a b>", {"0 0 a||", "1 0 a||"}},
    // Searches that find nothing clamp to empty or to the end of the tag.
    {"DeclarationWithoutName", "<?>", {"3 0 ||"}},
    {"DeclarationWithoutClosingQuestionMark", "<?a b>", {"3 0 a|b|"}},
    {"SecondQuestionMarkBeforeTheSpace", "<?a?b c?>", {"3 0 a?b||"}},
    {"LessThanInsideATag", "<a<b>", {"0 0 a<b||", "0 1 b||"}},
    {"EmptyTag", "<>x</>", {"0 0 ||x", "1 0 ||"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Parsing, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) { return info.param.label; });

TEST_F(XmlTest, AGreaterThanMissingAfterALessThanFailsAndKeepsTheTagsBefore) {
  EXPECT_EQ(OpenBytes("<a>\r\n  <b x='1' >text<c"), 0);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 a||", "0 0 b|x=\"1\" |"})) << "no levels, texts or clean-up";
}

TEST(ValueApostrophes, OnlyThoseOpeningOrClosingAValueBecomeDoubleQuotes) {
  const std::pair<std::string, std::string> cases[] = {
      {"x='1'", "x=\"1\""},
      {"a = '1' b='2'", "a = \"1\" b=\"2\""},
      {"path=\"C:\\O'Brien\\LS\"", "path=\"C:\\O'Brien\\LS\""},
      {"path='C:\\O\"Brien'", "path=\"C:\\O\"Brien\""},
      {"don't x='it''s'", "don't x=\"it\"'s'"},
      {"open='unclosed", "open=\"unclosed"},
      {"-- it's a comment --", "-- it's a comment --"},
  };
  for (auto [input, expected] : cases) {
    ConvertValueApostrophes(input);
    EXPECT_EQ(input, expected);
  }
}

TEST_F(XmlTest, AnApostropheInsideADoubleQuotedValueKeepsTheValueWhole) {
  ASSERT_EQ(OpenBytes("<S Ordner=\"D:\\Spiele\\O'Brien\\LS 2011\" Art='alt'/>"), 1);
  EXPECT_EQ(doc->ReadNodeValue("S", "Ordner"), "D:\\Spiele\\O'Brien\\LS 2011");
  EXPECT_EQ(doc->ReadNodeValue("S", "Art"), "alt");
}

TEST_F(XmlTest, OpenReplacesTheListAndOperationsNeedOne) {
  auto fresh = XMLFile::New();
  EXPECT_THROW(fresh->ReadNodeText("a"), std::logic_error);
  EXPECT_THROW(fresh->Save(Sys("out.xml")), std::logic_error);
  EXPECT_EQ(fresh->Create(), 1);
  EXPECT_EQ(fresh->ReadNodeText("a"), "0");

  ASSERT_EQ(OpenBytes("<a>1</a>"), 1);
  ASSERT_EQ(OpenBytes("<b>2</b>"), 1);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 b||2", "1 0 b||"}));
}

}  // namespace
}  // namespace strohvik
