#include "mods/line_edit.h"

#include <gtest/gtest.h>

namespace strohvik {
namespace {

const std::vector<TaggedLineEdit> kPrice = {{"price", "500"}};

TEST(LineEditTest, RewritesTaggedLinesWithTheirIndentAndEndsLinesInCrLf) {
  struct Case {
    std::string input;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"\t\t<price>1000</price>\n", "\t  <price>500</price>\r\n\r\n"},
      {"<a>\r\n  <price>1</price>  \r\n<b>\xC4</b>", "<a>\r\n\t  <price>500</price>\r\n<b>\xC4</b>\r\n\r\n"},
      {"<price>1</price>\n<x/>\n\t<price>2</price>\n", "\t<price>500</price>\r\n<x/>\r\n\t <price>500</price>\r\n\r\n"},
      {"<price></price>\n", "\t<price>500</price>\r\n\r\n"},
      {"", "\r\n"},
  };
  for (const Case& c : cases) {
    const LineEditResult result = EditTaggedLines(c.input, kPrice, "modDesc.xml");
    EXPECT_EQ(result.error, "") << c.input;
    EXPECT_EQ(result.text, c.expected) << c.input;
  }
  EXPECT_EQ(EditTaggedLines("<price>1</price>\n<a/>\n<price>2</price>", kPrice, "m").replaced, std::vector<int>{2});
}

TEST(LineEditTest, FirstOnlyEditStopsAfterItsFirstLine) {
  const std::vector<TaggedLineEdit> edits = {{"price", "7"}, {"xmlFilename", "tractor.xml", true}};
  const LineEditResult result = EditTaggedLines(
      "<price>1</price>\n  <xmlFilename>a/t.xml</xmlFilename>\n<xmlFilename>b/u.xml</xmlFilename>\n", edits, "m");
  EXPECT_EQ(result.text,
            "\t<price>7</price>\r\n\t  <xmlFilename>tractor.xml</xmlFilename>\r\n"
            "<xmlFilename>b/u.xml</xmlFilename>\r\n\r\n");
  EXPECT_EQ(result.replaced, (std::vector<int>{1, 1}));
}

TEST(LineEditTest, RefusesFilesItCannotEditSafely) {
  struct Case {
    std::string input;
    std::string errorPart;
  };
  const std::vector<Case> cases = {
      {"<price>1000</price><capacity>5</capacity>\n", "Zeile 1: <price> steht nicht allein"},
      {"<a/>\n<storeItem><price>1</price></storeItem>\n", "Zeile 2: <price>"},
      {"<price>\n  1000\n</price>\n", "Zeile 1: <price>"},
      {"<price currency=\"EUR\">1000</price>\n", "Zeile 1: <price>"},
      {"<price>1<!-- x --></price>\n", "Zeile 1: <price>"},
      {"<!-- <price>1</price> -->\n", "Zeile 1: <price>"},
      {std::string("<a>\0</a>\n<price>1</price>\n", 26), "enthält Nullbytes"},
      {std::string("\xFF\xFE<\0p\0", 6), "UTF-16"},
      {"\xFE\xFF", "UTF-16"},
  };
  for (const Case& c : cases) {
    const LineEditResult result = EditTaggedLines(c.input, kPrice, "modDesc.xml");
    EXPECT_NE(result.error.find(c.errorPart), std::string::npos) << c.input << " -> " << result.error;
    EXPECT_EQ(result.error.rfind("Fehler: modDesc.xml", 0), 0u) << result.error;
    EXPECT_EQ(result.text, "");
  }
}

TEST(LineEditTest, ValuesWithMarkupOrControlCharactersAreRefused) {
  for (const std::string& bad : std::vector<std::string>{"<b>", "1>", "A&B", "\"1\"", "'1'", "10\t0", "1\n2", std::string("1\0", 2), "\x7f"}) {
    EXPECT_NE(ValueRefusal(bad, "Der Preis"), "") << bad;
  }
  for (const std::string good : {"1000", "12.5", "", "1 000", "\xC4nderung"}) {
    EXPECT_EQ(ValueRefusal(good, "Der Preis"), "") << good;
  }
  EXPECT_EQ(ValueRefusal("<", "Der Preis").rfind("Fehler: Der Preis darf keine Zeichen", 0), 0u);
}

}  // namespace
}  // namespace strohvik
