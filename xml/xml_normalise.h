#pragma once
// The text clean-up rules of the document reader. Each runs in one pass.

#include <string>

namespace strohvik {

// The whole file text before tokenising: every CR LF pair deleted (not replaced, so the
// words around a line break run together), TABs made spaces, runs of spaces made one,
// and characters below code 33 removed at both ends.
std::string NormaliseDocumentText(const std::string& bytes);

// A node's attribute text or element text: runs of spaces made one, and characters
// below code 33 removed at both ends.
void CleanUpField(std::string& field);

// Removes characters below code 33 at both ends.
void TrimControlsAndBlanks(std::string& field);

}  // namespace strohvik
