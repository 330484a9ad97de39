#pragma once
// Slash-separated tag paths ("modDesc/storeItems/storeItem[2]/xmlFilename") and the walk
// that locates them in a tag list. The walk counts tag names in document order; it
// does not check containment, so a later segment may match a tag after the end of the
// element an earlier segment matched.

#include <cstdint>
#include <string>
#include <vector>

#include "xml/xml_node.h"

namespace strohvik {

struct PathSegment {
  std::string name;
  int64_t index = 1;  // 1-based; saturated, never overflowing
};

std::vector<PathSegment> ParsePath(const std::string& path);

// Which tags count while locating: start tags at every segment, and at the last segment
// also empty-element, declaration and <! tags; or start tags only.
enum class CountedTags { StartOrLastStepAny, StartOnly };

inline constexpr size_t kNotLocated = static_cast<size_t>(-1);

// The list index of the located node, or kNotLocated. An index of 0 or below locates
// nothing.
size_t LocateNode(const XMLNodeList& nodes, const std::vector<PathSegment>& path, CountedTags counted);

// Where a new last child of the path's parent goes: the index of the parent's end tag,
// or kNotLocated. Needs at least two segments.
size_t LocateParentEndTag(const XMLNodeList& nodes, const std::vector<PathSegment>& path);

// The direct children of the start tag at index parent, each as name "[" k "]".
std::vector<std::string> ListChildren(const XMLNodeList& nodes, size_t parent);

}  // namespace strohvik
