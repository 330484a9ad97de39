#pragma once
// The normalised text a document is saved as: one tag per line, TAB indentation,
// an element's text on its own line one TAB deeper, CR LF line ends. Nothing escaped.

#include <string>

#include "xml/xml_node.h"

namespace strohvik {

// False when the text would exceed kMaxSavedBytes.
bool FormatDocument(const XMLNodeList& nodes, std::string& out);

}  // namespace strohvik
