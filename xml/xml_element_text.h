#pragma once
// The second half of parsing: nesting levels, then the element texts.

#include <string>

#include "xml/xml_node.h"
#include "xml/xml_parse_budget.h"

namespace strohvik {

// Sets every node's level by a running count of open start tags. Returns the level
// left open at the end (0 for balanced tags).
int32_t AssignLevels(XMLNodeList& nodes);

// Gives every start tag its character data. Deeper levels are handled first, and each
// handled tag is overwritten with blanks in a working copy of the text, so an
// element's text is its own data with its children's stretches blanked out. False
// when the budget runs out.
bool AssignElementTexts(const std::string& text, XMLNodeList& nodes, ParseBudget& budget);

}  // namespace strohvik
