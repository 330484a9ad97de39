// Path queries: the locating walk, attribute reads, node kinds and child lists.

#include <gtest/gtest.h>

#include "tests/xml/xml_test_support.h"

namespace strohvik {
namespace {

const char* const kModDesc =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<modDesc descVersion=\"4\">\r\n"
    "  <title><en>Tractor</en><de>Traktor</de></title>\r\n"
    "  <price>1000</price>\r\n"
    "  <multiplayer supported=\"true\"/>\r\n"
    "  <storeItems>\r\n"
    "    <storeItem><xmlFilename>a.xml</xmlFilename></storeItem>\r\n"
    "    <storeItem><xmlFilename>b.xml</xmlFilename></storeItem>\r\n"
    "  </storeItems>\r\n"
    "  <empty>   </empty>\r\n"
    "  <attrs xnum=\"1\" num=\"2\" blank=\"\" spaced = \"3\" open=\"cut off/>\r\n"
    "  <unquoted plain=5 next=\"6\"/>\r\n"
    "</modDesc>\r\n"
    "<after><b>outside</b></after>\r\n";

class Queries : public XmlTest {
 protected:
  void SetUp() override {
    XmlTest::SetUp();
    ASSERT_EQ(OpenBytes(kModDesc), 1);
  }
};

struct TextCase {
  const char* path;
  const char* expected;
};

TEST_F(Queries, ReadNodeTextFollowsTheWalk) {
  const TextCase cases[] = {
      {"modDesc/title/de", "Traktor"},
      {"modDesc/price", "1000"},
      {"/modDesc/price/", "1000"},
      {"modDesc/storeItems/storeItem/xmlFilename", "a.xml"},
      {"modDesc/storeItems/storeItem[2]/xmlFilename", "b.xml"},
      {"modDesc/storeItem[2]/xmlFilename", "b.xml"},  // counts after modDesc, not inside storeItems
      {"modDesc/title/b", "outside"},                // a later tag outside the element
      {"modDesc/Price", "0"},                        // case-sensitive
      {"modDesc/empty", "0"},
      {"modDesc/missing", "0"},
      {"modDesc/storeItems/storeItem[3]/xmlFilename", "0"},
      {"modDesc/multiplayer/storeItems", "0"},  // an empty-element tag only ends a path
      {"//modDesc/price", "0"},                 // only one leading slash is dropped
      {"modDesc/storeItem[x]/xmlFilename", "0"},
      {"modDesc/storeItem[0]/xmlFilename", "0"},
      {"modDesc/storeItem[-1]/xmlFilename", "0"},
      {"modDesc/storeItem[99999999999]/xmlFilename", "0"},
      {"modDesc/storeItem[+2]/xmlFilename", "b.xml"},
      {"modDesc/storeItem[2x]/xmlFilename", "b.xml"},
      {"", "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(doc->ReadNodeText(c.path), c.expected) << c.path;
}

struct ValueCase {
  const char* path;
  const char* attribute;
  const char* expected;
};

TEST_F(Queries, ReadNodeValueFindsWholeAttributeNames) {
  const ValueCase cases[] = {
      {"modDesc/multiplayer", "supported", "true"},
      {"modDesc", "descVersion", "4"},
      {"xml", "encoding", "utf-8"},             // a declaration as the last step
      {"modDesc/attrs", "num", "2"},            // not the tail of xnum
      {"modDesc/attrs", "xnum", "1"},
      {"modDesc/attrs", "blank", ""},           // empty value, not a miss
      {"modDesc/attrs", "spaced", "0"},         // blanks around "="
      {"modDesc/attrs", "open", "cut off"},     // no closing quote: to the end
      {"modDesc/attrs", "cut", "0"},            // inside a value, not a name
      {"modDesc/attrs", "none", "0"},
      {"modDesc/unquoted", "plain", "5"},       // unquoted: up to the next blank
      {"modDesc/unquoted", "next", "6"},
      {"modDesc/price", "num", "0"},
      {"modDesc/nothing", "num", "0"},
      {"modDesc/attrs", "", "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(doc->ReadNodeValue(c.path, c.attribute), c.expected) << c.path << " " << c.attribute;
}

TEST_F(Queries, GetNodeTypeNamesTheKind) {
  EXPECT_EQ(doc->GetNodeType("modDesc"), 1);
  EXPECT_EQ(doc->GetNodeType("modDesc/multiplayer"), 2);
  EXPECT_EQ(doc->GetNodeType("xml"), 3);
  EXPECT_EQ(doc->GetNodeType("modDesc/missing"), 0);
}

TEST_F(Queries, GetNodesListsDirectChildrenWithIndexes) {
  EXPECT_EQ(doc->GetNodes("modDesc"), (std::vector<std::string>{"title[1]", "price[1]", "multiplayer[1]", "storeItems[1]",
                                                                "empty[1]", "attrs[1]", "unquoted[1]"}));
  EXPECT_EQ(doc->GetNodes("modDesc/storeItems"), (std::vector<std::string>{"storeItem[1]", "storeItem[2]"}));
  EXPECT_TRUE(doc->GetNodes("modDesc/price").empty());
  EXPECT_TRUE(doc->GetNodes("modDesc/multiplayer").empty()) << "only start tags are located";
  EXPECT_TRUE(doc->GetNodes("nothing").empty());
  for (const auto& child : doc->GetNodes("modDesc/storeItems")) {
    EXPECT_NE(doc->ReadNodeText("modDesc/storeItems/" + child + "/xmlFilename"), "0") << child;
  }
}

TEST_F(XmlTest, GetNodesNumbersRepeatedNamesInOrder) {
  ASSERT_EQ(OpenBytes("<s><storeItem><x/></storeItem><storeItem/><title>t</title></s>"), 1);
  EXPECT_EQ(doc->GetNodes("s"), (std::vector<std::string>{"storeItem[1]", "storeItem[2]", "title[1]"}));
}

}  // namespace
}  // namespace strohvik
