#pragma once
// The texture converter built into the inspector: a process runner that does in this
// process what the converter program does when the app starts it, with the same
// conversion code. Starting a program per texture would cost more than the reading of
// a whole mod.

#include <memory>
#include <string>
#include <vector>

#include "platform/process.h"

namespace strohvik {

class BuiltInConverter : public ProcessRunner {
 public:
  // Block decoding runs on this thread alone: a store picture is too small to share, and
  // the idle helper threads would spin against the next mod's reading.
  BuiltInConverter();
  // arguments: the converter's path, then the DDS name, possibly split into words.
  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override;
};

}  // namespace strohvik
