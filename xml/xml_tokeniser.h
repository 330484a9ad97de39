#pragma once
// Cuts the normalised text into tags: one node per '<', with its kind, name and
// attribute text. Levels and element texts come later.

#include <string>

#include "xml/xml_node.h"
#include "xml/xml_parse_budget.h"

namespace strohvik {

// Appends a node for every '<' of the text. False when a '<' has no '>' after it (the
// nodes found before it stay) or the budget runs out.
bool TokeniseTags(const std::string& text, XMLNodeList& nodes, ParseBudget& budget);

// Turns an apostrophe into a double quote where it opens a value (after "=", blanks
// allowed between) or closes a value it opened. Apostrophes inside a double-quoted
// value or outside any value stay, so a folder such as O'Brien survives.
void ConvertValueApostrophes(std::string& values);

}  // namespace strohvik
