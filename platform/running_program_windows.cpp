#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <memory>

#include "platform/running_program.h"
#include "platform/windows_api.h"
// After <windows.h>, whose types it uses.
#include <shellapi.h>

namespace strohvik {
namespace {

struct LocalFree {
  void operator()(wchar_t** words) const { ::LocalFree(words); }
};

}  // namespace

// argv holds the arguments in the narrow code page, where a "ö" the page lacks is lost:
// the wide command line keeps every character.
std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  const std::unique_ptr<wchar_t*, LocalFree> words(::CommandLineToArgvW(::GetCommandLineW(), &count));
  std::vector<std::string> arguments;
  for (int index = 1; words && index < count; ++index) arguments.push_back(Narrow(words.get()[index]));
  return arguments;
}

int CurrentProcessId() { return static_cast<int>(::GetCurrentProcessId()); }

void MakeStandardOutputBinary() {
  std::fflush(stdout);
  ::_setmode(::_fileno(stdout), _O_BINARY);
}

}  // namespace strohvik
