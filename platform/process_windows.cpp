// Programs started with CreateProcessW, which takes one command line: the program splits
// it itself, by the rules SplitCommandLine follows.
#include "platform/host_path.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/windows_api.h"

namespace strohvik {
namespace {

// A program named with a folder is taken relative to our own working directory; for a
// bare name Windows searches its own places and PATH, and adds ".exe".
std::wstring ProgramFile(const std::string& program) {
  if (FolderPart(program).empty()) return {};
  return HostFilePath(AbsoluteHostPath(program)).make_preferred().wstring();
}

ProcessResult Start(const std::string& program, const std::string& commandLine, const std::string& workingDirectory) {
  ProcessResult result;
  if (program.empty()) return result;
  const std::wstring file = ProgramFile(program);
  std::wstring line = Widen(commandLine);
  const std::wstring folder = workingDirectory.empty() ? std::wstring()
                                                       : HostFilePath(workingDirectory).make_preferred().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  if (!::CreateProcessW(file.empty() ? nullptr : file.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    return result;
  }
  const WindowsHandle process(started.hProcess);
  const WindowsHandle thread(started.hThread);
  result.started = true;
  DWORD exitCode = 0;
  if (::WaitForSingleObject(process.Get(), INFINITE) == WAIT_OBJECT_0 && ::GetExitCodeProcess(process.Get(), &exitCode)) {
    result.exitCode = static_cast<int>(exitCode);
  }
  return result;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
  if (arguments.empty()) return ProcessResult{};
  return Start(arguments.front(), JoinCommandLine(arguments), workingDirectory);
}

ProcessResult RunCommandLine(const std::string& commandLine, const std::string& workingDirectory) {
  const std::vector<std::string> words = SplitCommandLine(commandLine);
  if (words.empty()) return ProcessResult{};
  return Start(words.front(), commandLine, workingDirectory);
}

}  // namespace strohvik
