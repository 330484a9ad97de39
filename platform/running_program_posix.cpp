#include <unistd.h>

#include "platform/running_program.h"

namespace strohvik {

// The bytes of each argument are the program's already.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

int CurrentProcessId() { return static_cast<int>(::getpid()); }

// Standard output takes bytes as they are.
void MakeStandardOutputBinary() {}

}  // namespace strohvik
