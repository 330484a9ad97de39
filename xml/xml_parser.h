#pragma once
// Parses the bytes of a document into its flat tag list.

#include <string>

#include "xml/xml_node.h"

namespace strohvik {

// Fills nodes (expected empty) from the file bytes. False when a '<' has no '>' after it
// (the tags before it stay, with level 0 and no text), or when the bytes exceed
// kMaxDocumentBytes or would take more than kMaxParsedBytes (nodes then stay empty).
bool ParseDocument(const std::string& bytes, XMLNodeList& nodes);

}  // namespace strohvik
