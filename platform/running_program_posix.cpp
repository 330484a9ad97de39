#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/host_path.h"
#include "platform/running_program.h"

namespace strohvik {

std::string OwnProgramFile() {
  std::error_code error;
  return SystemPath(std::filesystem::read_symlink("/proc/self/exe", error).string());
}

// The bytes of each argument are the program's already.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

int CurrentProcessId() { return static_cast<int>(::getpid()); }

// Standard output takes bytes as they are.
void MakeStandardOutputBinary() {}

}  // namespace strohvik
