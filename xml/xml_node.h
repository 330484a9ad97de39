#pragma once
// One tag of an XML document as the document keeps it: a flat record in document order,
// not a tree. Strings are bytes, one character per byte, never decoded.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace strohvik {

// The kinds of tag, as the typ field holds them.
inline constexpr int32_t kStartTag = 0;         // <name attributes>
inline constexpr int32_t kEndTag = 1;           // </name>
inline constexpr int32_t kEmptyElementTag = 2;  // <name attributes/>
inline constexpr int32_t kDeclarationTag = 3;   // <?name attributes?>
inline constexpr int32_t kMarkupTag = 4;        // <!name rest>: comments, document types

struct XMLNode {
  std::string name;
  std::string values;  // the raw attribute text after the name
  std::string text;    // the element's character data; start tags only
  int32_t pos = 0;     // 1-based position of the '<' in the normalised text; 0 for written nodes
  int32_t ebene = 0;   // nesting level, 0 at the top
  int32_t typ = kStartTag;
};

using XMLNodePtr = std::shared_ptr<XMLNode>;
using XMLNodeList = std::vector<XMLNodePtr>;

}  // namespace strohvik
