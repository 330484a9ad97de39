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

class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}

  bool Line(int64_t level, const std::string& content) {
    const int64_t tabs = std::max<int64_t>(level, 0);
    if (static_cast<int64_t>(out_.size()) + tabs + static_cast<int64_t>(content.size()) + 2 > kMaxSavedBytes) {
      return false;
    }
    out_.append(static_cast<size_t>(tabs), '\t').append(content).append("\r\n");
    return true;
  }

 private:
  std::string& out_;
};

}  // namespace

bool FormatDocument(const XMLNodeList& nodes, std::string& out) {
  out.clear();
  LineWriter writer(out);
  for (const auto& node : nodes) {
    const bool written = writer.Line(node->ebene, TagForm(*node)) &&
                         (node->typ != kStartTag || node->text.empty() || writer.Line(int64_t{node->ebene} + 1, node->text));
    if (!written) {
      DebugLog("XML: the saved text would exceed " + std::to_string(kMaxSavedBytes) + " bytes");
      out.clear();
      return false;
    }
  }
  return true;
}

}  // namespace strohvik
