// The parser works in one pass per step and buckets nodes by level; this checks that
// it gives exactly what the reading rules give when followed literally: find/erase
// loops, and a blanked copy of the text searched afresh for every tag, level by level.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/xml/xml_test_support.h"
#include "xml/xml_parser.h"
#include "xml/xml_tokeniser.h"

namespace strohvik {
namespace {

constexpr size_t npos = std::string::npos;

void Trim(std::string& s) {
  while (!s.empty() && static_cast<unsigned char>(s.back()) < 33) s.pop_back();
  while (!s.empty() && static_cast<unsigned char>(s.front()) < 33) s.erase(0, 1);
}

void CollapseSpaces(std::string& s) {
  for (size_t i = s.find("  "); i != npos; i = s.find("  ")) s.erase(i, 1);
}

size_t OrEnd(size_t found, const std::string& s) { return found == npos ? s.size() : found; }

std::string Cut(const std::string& s, size_t from, size_t to) {
  to = std::min(to, s.size());
  return from < to ? s.substr(from, to - from) : std::string();
}

void ReferenceNameAndValues(const std::string& inner, XMLNode& node) {
  const size_t space = OrEnd(inner.find(' '), inner);
  const bool hasSpace = space < inner.size();
  std::string values;
  if (inner.empty()) {
    node.typ = kStartTag;
  } else if (inner[0] == '/') {
    node.typ = kEndTag;
  } else if (inner[0] == '?') {
    node.typ = kDeclarationTag;
  } else if (inner[0] == '!') {
    node.typ = kMarkupTag;
  } else {
    node.typ = inner.back() == '/' ? kEmptyElementTag : kStartTag;
  }
  const size_t question = OrEnd(inner.find('?', 1), inner);
  switch (node.typ) {
    case kStartTag:
      node.name = Cut(inner, 0, space);
      values = hasSpace ? Cut(inner, space + 1, inner.size()) : "";
      break;
    case kEndTag: node.name = Cut(inner, 1, space); break;
    case kEmptyElementTag:
      node.name = Cut(inner, 0, hasSpace ? space : inner.find('/'));
      values = hasSpace ? Cut(inner, space + 1, inner.size() - 1) : "";
      break;
    case kDeclarationTag:
      node.name = Cut(inner, 1, hasSpace ? space : question);
      values = hasSpace ? Cut(inner, space + 1, question) : "";
      break;
    default:
      node.name = Cut(inner, 1, space);
      values = hasSpace ? Cut(inner, space + 1, inner.size()) : "";
  }
  ConvertValueApostrophes(values);
  node.values = values;
}

void Blank(std::string& w, size_t from, size_t through) {
  for (size_t i = from; i <= std::min(through, w.size() - 1); ++i) w[i] = ' ';
}

bool ReferenceParse(const std::string& bytes, XMLNodeList& nodes) {
  std::string s = bytes;
  for (size_t i = s.find("\r\n"); i != npos; i = s.find("\r\n", i)) s.erase(i, 2);
  std::replace(s.begin(), s.end(), '\t', ' ');
  CollapseSpaces(s);
  Trim(s);

  for (size_t open = s.find('<'); open != npos; open = s.find('<', open + 1)) {
    const size_t close = s.find('>', open);
    if (close == npos) return false;
    auto node = std::make_shared<XMLNode>();
    node->pos = static_cast<int32_t>(open + 1);
    ReferenceNameAndValues(s.substr(open + 1, close - open - 1), *node);
    nodes.push_back(node);
  }

  int32_t level = 0, deepest = 0;
  for (auto& node : nodes) {
    if (node->typ == kEndTag) --level;
    node->ebene = level;
    deepest = std::max(deepest, level);
    if (node->typ == kStartTag) ++level;
  }

  std::string w = s;
  for (int32_t ebene = deepest; ebene >= 0; --ebene) {
    for (auto& node : nodes) {
      if (node->ebene != ebene || node->typ == kEndTag) continue;
      const size_t p = static_cast<size_t>(node->pos - 1);
      const size_t close = OrEnd(w.find('>', p), w);
      if (node->typ == kStartTag) {
        node->text = Cut(w, close + 1, OrEnd(w.find('<', p + 1), w));
        Blank(w, p, close < w.size() ? OrEnd(w.find('>', close + 1), w) : w.size());
      } else {
        Blank(w, p, close);
      }
    }
  }
  for (auto& node : nodes) {
    CollapseSpaces(node->values);
    Trim(node->values);
    CollapseSpaces(node->text);
    Trim(node->text);
  }
  return true;
}

// Pieces that make tags overlap, nest badly, lack ends and carry every kind of blank.
const char* const kSoupPieces[] = {"<",  ">",   "/",   "?",    "!",    " ",    "  ",    "\t",     "\r",
                                   "\n", "\r\n", "a",  "b",    "=",    "\"",   "'",     "x='1'",  "<a>",
                                   "</a>", "<b>", "</b>", "<c/>", "<?x?>", "<!-- c -->", "\xE4", "\x01"};

std::string Soup(std::mt19937& random) {
  std::string text;
  const int pieces = static_cast<int>(random() % 60);
  for (int i = 0; i < pieces; ++i) text += kSoupPieces[random() % std::size(kSoupPieces)];
  return text;
}

// A document of nested elements with attributes, texts, comments and empty tags.
std::string Tree(std::mt19937& random) {
  const char* const names[] = {"a", "b", "storeItem"};
  std::string text;
  std::vector<std::string> open;
  const int steps = static_cast<int>(random() % 80);
  for (int i = 0; i < steps; ++i) {
    const std::string name = names[random() % std::size(names)];
    switch (random() % 6) {
      case 0:
      case 1:
        text += "<" + name + (random() % 2 ? " k='v' n=\"w\"" : "") + ">\r\n";
        open.push_back(name);
        break;
      case 2:
        if (!open.empty()) {
          text += "</" + open.back() + ">\r\n\t";
          open.pop_back();
        }
        break;
      case 3: text += "<" + name + " p=\"x/y\"/>"; break;
      case 4: text += "<!-- note -->"; break;
      default: text += random() % 2 ? " some  text " : "more\r\ntext";
    }
  }
  return text;
}

void ExpectSameAsReference(const std::string& input) {
  XMLNodeList expected, actual;
  const bool expectedResult = ReferenceParse(input, expected);
  ASSERT_EQ(ParseDocument(input, actual), expectedResult) << testing::PrintToString(input);
  ASSERT_EQ(Describe(actual), Describe(expected)) << testing::PrintToString(input);
  for (size_t i = 0; i < actual.size(); ++i) ASSERT_EQ(actual[i]->pos, expected[i]->pos) << testing::PrintToString(input);
}

TEST(ReferenceParser, GeneratedSoupGivesTheSameNodes) {
  std::mt19937 random(5);
  for (int i = 0; i < 20'000; ++i) ExpectSameAsReference(Soup(random));
}

TEST(ReferenceParser, GeneratedTreesGiveTheSameNodes) {
  std::mt19937 random(11);
  for (int i = 0; i < 3'000; ++i) ExpectSameAsReference(Tree(random));
}

}  // namespace
}  // namespace strohvik
