#pragma once
// A finding of the check: a code that stays the same from release to release, for
// scripts, and a text in German for the player.

#include <string>
#include <vector>

namespace strohvik {

struct Problem {
  std::string code;
  std::string text;
};

using Problems = std::vector<Problem>;

}  // namespace strohvik
