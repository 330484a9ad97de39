#include "xml/xml_parser.h"

#include "platform/debug_log.h"
#include "xml/xml_element_text.h"
#include "xml/xml_limits.h"
#include "xml/xml_normalise.h"
#include "xml/xml_tokeniser.h"

namespace strohvik {

bool ParseDocument(const std::string& bytes, XMLNodeList& nodes) {
  if (static_cast<int64_t>(bytes.size()) > kMaxDocumentBytes) {
    DebugLog("XML: a document of " + std::to_string(bytes.size()) + " bytes is too large");
    return false;
  }
  const std::string text = NormaliseDocumentText(bytes);
  ParseBudget budget;
  if (!TokeniseTags(text, nodes, budget)) {
    if (budget.Exhausted()) nodes.clear();
    return false;
  }
  const int32_t levelLeftOpen = AssignLevels(nodes);
  if (levelLeftOpen != 0) DebugLog("XML: unbalanced tags, level " + std::to_string(levelLeftOpen) + " at the end");
  if (!AssignElementTexts(text, nodes, budget)) {
    nodes.clear();
    return false;
  }
  for (auto& node : nodes) {
    CleanUpField(node->values);
    CleanUpField(node->text);
  }
  return true;
}

}  // namespace strohvik
