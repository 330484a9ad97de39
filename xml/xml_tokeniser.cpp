#include "xml/xml_tokeniser.h"

#include "platform/debug_log.h"

namespace strohvik {
namespace {

// Finds the first occurrence of one character at or after a position. The positions
// asked for never decrease, so the text is scanned once in all however many tags
// overlap (every '<' starts a tag, even inside another one).
class ForwardFinder {
 public:
  ForwardFinder(const std::string& text, char wanted) : text_(text), wanted_(wanted) {}

  // text.size() when there is none.
  size_t FirstAtOrAfter(size_t position) {
    if (!valid_ || found_ < position) {
      const size_t found = text_.find(wanted_, position);
      found_ = found == std::string::npos ? text_.size() : found;
      valid_ = true;
    }
    return found_;
  }

 private:
  const std::string& text_;
  char wanted_;
  size_t found_ = 0;
  bool valid_ = false;
};

// The tag between a '<' and its '>': inner text [begin, end) of the normalised text.
struct TagSpan {
  size_t begin;
  size_t end;
};

int32_t ClassifyTag(const std::string& text, TagSpan tag) {
  if (tag.begin == tag.end) return kStartTag;
  switch (text[tag.begin]) {
    case '/': return kEndTag;
    case '?': return kDeclarationTag;
    case '!': return kMarkupTag;
    default: return text[tag.end - 1] == '/' ? kEmptyElementTag : kStartTag;
  }
}

class Tokeniser {
 public:
  explicit Tokeniser(const std::string& text)
      : text_(text), closes_(text, '>'), spaces_(text, ' '), slashes_(text, '/'), questions_(text, '?') {}

  bool Run(XMLNodeList& nodes, ParseBudget& budget) {
    for (size_t open = text_.find('<'); open != std::string::npos; open = text_.find('<', open + 1)) {
      const size_t close = closes_.FirstAtOrAfter(open);
      if (close == text_.size()) {
        DebugLog("XML: '<' without '>' at position " + std::to_string(open + 1));
        return false;
      }
      auto node = MakeNode({open + 1, close});
      if (!budget.Spend(kNodeOverheadBytes + int64_t(node->name.size() + node->values.size()))) {
        DebugLog("XML: the tags take more memory than a document may");
        return false;
      }
      node->pos = static_cast<int32_t>(open + 1);
      nodes.push_back(std::move(node));
    }
    return true;
  }

 private:
  // The characters of [from, to) limited to the tag; empty when to lies before from.
  std::string Cut(size_t from, size_t to, TagSpan tag) const {
    to = std::min(to, tag.end);
    return from < to ? text_.substr(from, to - from) : std::string();
  }

  XMLNodePtr MakeNode(TagSpan tag) {
    auto node = std::make_shared<XMLNode>();
    node->typ = ClassifyTag(text_, tag);
    const size_t space = std::min(spaces_.FirstAtOrAfter(tag.begin), tag.end);
    const bool hasSpace = space < tag.end;
    const size_t afterSpace = space + 1;
    switch (node->typ) {
      case kStartTag:
        node->name = Cut(tag.begin, space, tag);
        if (hasSpace) node->values = Cut(afterSpace, tag.end, tag);
        break;
      case kEndTag:
        node->name = Cut(tag.begin + 1, space, tag);
        break;
      case kEmptyElementTag:
        node->name = Cut(tag.begin, hasSpace ? space : slashes_.FirstAtOrAfter(tag.begin), tag);
        if (hasSpace) node->values = Cut(afterSpace, tag.end - 1, tag);
        break;
      case kDeclarationTag: {
        const size_t secondQuestion = questions_.FirstAtOrAfter(tag.begin + 1);
        node->name = Cut(tag.begin + 1, hasSpace ? space : secondQuestion, tag);
        if (hasSpace) node->values = Cut(afterSpace, secondQuestion, tag);
        break;
      }
      default:  // kMarkupTag
        node->name = Cut(tag.begin + 1, space, tag);
        if (hasSpace) node->values = Cut(afterSpace, tag.end, tag);
        break;
    }
    ConvertValueApostrophes(node->values);
    return node;
  }

  const std::string& text_;
  ForwardFinder closes_;
  ForwardFinder spaces_;
  ForwardFinder slashes_;
  ForwardFinder questions_;
};

}  // namespace

bool TokeniseTags(const std::string& text, XMLNodeList& nodes, ParseBudget& budget) {
  return Tokeniser(text).Run(nodes, budget);
}

void ConvertValueApostrophes(std::string& values) {
  char openQuote = 0;  // the quote of the value being read; 0 between values
  char lastOutside = 0;  // the last non-blank character between values
  for (char& c : values) {
    if (openQuote != 0) {
      if (c != openQuote) continue;
      openQuote = 0;
      c = '"';
      lastOutside = c;
    } else if ((c == '"' || c == '\'') && lastOutside == '=') {
      openQuote = c;
      c = '"';
      lastOutside = c;
    } else if (static_cast<unsigned char>(c) > ' ') {
      lastOutside = c;
    }
  }
}

}  // namespace strohvik
