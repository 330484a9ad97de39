#include "xml/xml_path.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace strohvik {
namespace {

// The leading decimal digits of text with an optional sign, 0 when there are none;
// saturated at the range of a 32-bit integer.
int64_t ReadIndex(const std::string& text) {
  constexpr int64_t limit = std::numeric_limits<int32_t>::max();
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = std::min(limit, value * 10 + (text[i] - '0'));
  return negative ? -value : value;
}

PathSegment ParseSegment(std::string segment) {
  if (segment.empty() || segment.back() != ']') segment += "[1]";
  const size_t open = segment.find('[');
  const size_t close = segment.find(']');
  PathSegment parsed;
  parsed.name = segment.substr(0, open);
  parsed.index = open < close ? ReadIndex(segment.substr(open + 1, close - open - 1)) : 0;
  return parsed;
}

bool IsSelfContainedTag(int32_t typ) { return typ == kEmptyElementTag || typ == kDeclarationTag || typ == kMarkupTag; }

bool IndexesPositiveThrough(const std::vector<PathSegment>& path, size_t last) {
  return std::all_of(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                     [](const PathSegment& segment) { return segment.index > 0; });
}

// The shared walk: segment k matches its index-th counted tag after the tag segment
// k - 1 matched. Stops at the node where segment `last` is matched.
size_t Walk(const XMLNodeList& nodes, const std::vector<PathSegment>& path, size_t last, CountedTags counted) {
  if (!IndexesPositiveThrough(path, last)) return kNotLocated;
  const size_t lastSegment = path.size() - 1;
  size_t k = 0;
  int64_t count = 0;
  for (size_t i = 0; i < nodes.size(); ++i) {
    const XMLNode& node = *nodes[i];
    const bool kindCounts = node.typ == kStartTag || (counted == CountedTags::StartOrLastStepAny && k == lastSegment &&
                                                      IsSelfContainedTag(node.typ));
    if (kindCounts && node.name == path[k].name && ++count == path[k].index) {
      if (k == last) return i;
      ++k;
      count = 0;
    }
  }
  return kNotLocated;
}

}  // namespace

std::vector<PathSegment> ParsePath(const std::string& path) {
  std::string trimmed = path;
  if (!trimmed.empty() && trimmed.front() == '/') trimmed.erase(0, 1);
  if (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
  std::vector<PathSegment> segments;
  size_t begin = 0;
  for (;;) {
    const size_t slash = trimmed.find('/', begin);
    segments.push_back(ParseSegment(trimmed.substr(begin, slash == std::string::npos ? std::string::npos : slash - begin)));
    if (slash == std::string::npos) return segments;
    begin = slash + 1;
  }
}

size_t LocateNode(const XMLNodeList& nodes, const std::vector<PathSegment>& path, CountedTags counted) {
  return Walk(nodes, path, path.size() - 1, counted);
}

size_t LocateParentEndTag(const XMLNodeList& nodes, const std::vector<PathSegment>& path) {
  const size_t parentSegment = path.size() - 2;
  const size_t parent = Walk(nodes, path, parentSegment, CountedTags::StartOnly);
  if (parent == kNotLocated) return kNotLocated;
  const std::string& parentName = path[parentSegment].name;
  for (size_t i = parent + 1; i < nodes.size(); ++i) {
    if (nodes[i]->typ == kEndTag && nodes[i]->name == parentName) return i;
  }
  return kNotLocated;
}

std::vector<std::string> ListChildren(const XMLNodeList& nodes, size_t parent) {
  std::vector<std::string> children;
  std::unordered_map<std::string, int> seen;
  for (size_t i = parent + 1; i < nodes.size() && nodes[i]->typ != kEndTag; ++i) {
    const std::string& name = nodes[i]->name;
    children.push_back(name + "[" + std::to_string(++seen[name]) + "]");
    if (nodes[i]->typ != kStartTag) continue;
    while (i < nodes.size() && !(nodes[i]->typ == kEndTag && nodes[i]->name == name)) ++i;
  }
  return children;
}

}  // namespace strohvik
