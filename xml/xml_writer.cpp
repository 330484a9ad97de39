#include "xml/xml_writer.h"

#include <algorithm>

#include "platform/debug_log.h"
#include "xml/xml_limits.h"

namespace strohvik {
namespace {

// The tag itself, without indentation and line end.
std::string TagForm(const XMLNode& node) {
  const std::string attributes = node.values.empty() ? std::string() : " " + node.values;
  switch (node.typ) {
    case kStartTag: return "<" + node.name + attributes + ">";
    case kEndTag: return "</" + node.name + attributes + ">";
    case kEmptyElementTag: return "<" + node.name + attributes + " />";
    case kDeclarationTag: return "<?" + node.name + attributes + "?>";
    case kMarkupTag: return "<!" + node.name + attributes + ">";
    default: return std::string();
  }
}

size_t Tabs(int64_t level) { return static_cast<size_t>(std::max<int64_t>(level, 0)); }

// Calls visit(level, content) for every line of the saved text.
template <typename Visit>
void VisitLines(const XMLNodeList& nodes, Visit visit) {
  for (const auto& node : nodes) {
    visit(node->ebene, TagForm(*node));
    if (node->typ == kStartTag && !node->text.empty()) visit(int64_t{node->ebene} + 1, node->text);
  }
}

}  // namespace

bool FormatDocument(const XMLNodeList& nodes, std::string& out) {
  out.clear();
  size_t size = 0;
  VisitLines(nodes, [&](int64_t level, const std::string& content) { size += Tabs(level) + content.size() + 2; });
  if (size > static_cast<size_t>(kMaxSavedBytes)) {
    DebugLog("XML: the saved text would exceed " + std::to_string(kMaxSavedBytes) + " bytes");
    return false;
  }
  out.reserve(size);
  VisitLines(nodes, [&](int64_t level, const std::string& content) {
    out.append(Tabs(level), '\t').append(content).append("\r\n");
  });
  return true;
}

}  // namespace strohvik
