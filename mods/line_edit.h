#pragma once
// Rewriting the lines of an XML file that hold one element, as text, without a parser:
// a line holding "<price>" becomes one tab, as many blanks as characters stood before
// the tag, and the element with its new value. Lines end in CR LF afterwards, and the
// text ends with one more CR LF.
//
// A line is rewritten only when it holds nothing but blanks and that one element, so no
// other content of the line is lost; a file with any other line holding the tag, or one
// that is not 8-bit text, is refused as a whole.

#include <string>
#include <string_view>
#include <vector>

namespace strohvik {

struct TaggedLineEdit {
  std::string tag;    // the element's name, such as "price"
  std::string value;  // written as given; see ValueRefusal
  bool firstOnly = false;
};

struct LineEditResult {
  std::string text;           // the edited file; empty when refused
  std::vector<int> replaced;  // for each edit, the number of lines rewritten
  std::string error;          // for the status line; empty when the edit went through
};

// The edits are tried in their order on every line.
LineEditResult EditTaggedLines(std::string_view bytes, const std::vector<TaggedLineEdit>& edits,
                               const std::string& fileName);

// Empty when the value can stand between the tags as it is; otherwise the message for
// the status line. "what" names the value in that message ("Der Preis").
std::string ValueRefusal(std::string_view value, const std::string& what);

}  // namespace strohvik
