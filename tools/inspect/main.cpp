// strohvik-inspect [--format json|csv] [--check] [--verify] [-j N] PATH...
//
// Reports what loading each mod archive would show on the mod page, one record per
// archive. A PATH is an archive or a folder, whose .zip files are read in name order.
// Exit code 0 when every archive had a readable modDesc.xml, 1 when some had not (their
// records are still printed), 2 for a usage error or a PATH that does not exist.
// --check adds each record's problems and a record for every other file of a folder
// given; the exit code is then 1 when any problem was found. --verify checks as well and
// reads every entry of every archive to its end. -j N reads N archives at the same time
// (all cores by default); the report is the same for every N.
// SIGINT and SIGTERM stop the run after the archive being read: the records so far are
// printed, and the program ends by that signal.
//
// Nothing is written to disk: the entries a reading takes out of an archive stay in
// memory, and a DDS store picture is judged by the converter's own header check.

#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/running_program.h"
#include "tools/inspect/archive_list.h"
#include "tools/inspect/inspection_run.h"
#include "tools/inspect/stop_signals.h"

namespace strohvik {
namespace {

constexpr char kUsage[] =
    "usage: strohvik-inspect [--format json|csv] [-j N] PATH...\n"
    "       strohvik-inspect --check|--verify [--format json|csv] [-j N] PATH...\n";

std::optional<InspectOptions> ParseOptions(const std::vector<std::string>& arguments, std::vector<std::string>& paths) {
  InspectOptions options;
  options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  bool optionsEnded = false;
  for (size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    if (optionsEnded || argument.empty() || argument[0] != '-') {
      paths.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--format" && index + 1 < arguments.size()) {
      options.format = arguments[++index];
    } else if (argument.starts_with("--format=")) {
      options.format = argument.substr(9);
    } else if (argument == "-j" && index + 1 < arguments.size()) {
      const std::string& count = arguments[++index];
      if (count.empty() || count.size() > 4 || count.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
      options.threads = std::stoi(count);
      if (options.threads < 1) return std::nullopt;
    } else if (argument == "--check" || argument == "--verify") {
      options.check = true;
      options.verify = options.verify || argument == "--verify";
    } else {
      return std::nullopt;
    }
  }
  if (paths.empty() || (options.format != "json" && options.format != "csv")) return std::nullopt;
  return options;
}

int Run(const std::vector<std::string>& arguments) {
  std::vector<std::string> paths;
  const auto options = ParseOptions(arguments, paths);
  if (!options) {
    std::cerr << kUsage;
    return kUsageError;
  }
  const ArchiveList list = ListArchives(paths);
  if (list.missing) {
    std::cerr << "strohvik-inspect: " << *list.missing << ": no such file or folder\n";
    return kUsageError;
  }
  return RunInspection(*options, list);
}

}  // namespace
}  // namespace strohvik
int main(int argc, char** argv) {
  strohvik::CatchStopSignals();
  // The report is the same bytes on every system.
  strohvik::MakeStandardOutputBinary();
  int exitCode = strohvik::kUsageError;
  try {
    exitCode = strohvik::Run(strohvik::ProgramArguments(argc, argv));
  } catch (const std::exception& error) {
    std::cerr << "strohvik-inspect: " << error.what() << "\n";
  }
  // The records read so far reach the reader before the signal ends the program.
  std::cout.flush();
  strohvik::EndByStopSignal();
  return exitCode;
}
