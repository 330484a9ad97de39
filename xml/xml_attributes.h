#pragma once
// Reading and writing one attribute in a node's raw attribute text.

#include <string>

namespace strohvik {

// The value of the attribute, or "0" when the text lacks it. The name must stand at the
// start of an attribute name (xnum= is no hit for num) followed directly by "=".
// A double-quoted value runs to the next double quote, or to the end when there is
// none; an unquoted value runs to the next blank.
std::string ReadAttribute(const std::string& values, const std::string& name);

// Replaces the first such attribute by name="value", or appends it after one space;
// then removes blanks and control characters at both ends.
void WriteAttribute(std::string& values, const std::string& name, const std::string& value);

}  // namespace strohvik
