#pragma once
// Starting programs. A command line in the Windows form is split into arguments by the
// Windows rules and the program is executed directly: no shell ever sees the text, so
// ";", "&", "$(...)" and quotes inside an argument reach the program unchanged.

#include <memory>
#include <string>
#include <vector>

namespace strohvik {

// Splits like the Windows C runtime: blanks separate; "..." groups; 2n backslashes before
// a quote give n backslashes and the quote toggles grouping, 2n+1 give n and a literal
// quote; "" inside a group is a literal quote; other backslashes are literal. The first
// word, the program, ends at the first blank outside quotes and takes no escapes.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);
// The command line SplitCommandLine splits into these words again: blanks and quotes
// inside a word are quoted and escaped by the same rules. A program word holding a
// quote cannot be written so (Windows names never hold one).
std::string JoinCommandLine(const std::vector<std::string>& words);

struct ProcessResult {
  bool started = false;  // false when the program could not be found or executed
  int exitCode = -1;     // the program's exit code; 128 + signal when a signal ended it
};

// Runs arguments[0] with the given arguments in the working directory (empty: the
// current one), with the inherited standard handles, and waits for its end. The program
// is a system path; one without a folder part is looked up in PATH.
ProcessResult RunProcess(const std::vector<std::string>& arguments, const std::string& workingDirectory);
// Runs the program the command line names; on Windows it receives the line as it is,
// elsewhere SplitCommandLine's words.
ProcessResult RunCommandLine(const std::string& commandLine, const std::string& workingDirectory);

// Where the system's operations start their programs (converter, archiver, game), so
// that tests can watch or script what would be started.
class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  virtual ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) = 0;
};

// Starts programs for real through RunProcess.
std::shared_ptr<ProcessRunner> SystemProcessRunner();

}  // namespace strohvik
