// strohvik-inspect [--format json|csv] PATH...
//
// Reports what loading each mod archive would show on the mod page, one record per
// archive. A PATH is an archive or a folder, whose .zip files are read in name order.
// Exit code 0 when every archive had a readable modDesc.xml, 1 when some had not (their
// records are still printed), 2 for a usage error or a PATH that does not exist.
//
// DDS store pictures are converted inside this program by the converter's own code.

#include <unistd.h>

#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mods/mod_environment.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "tools/inspect/archive_list.h"
#include "tools/inspect/built_in_converter.h"
#include "tools/inspect/record_output.h"
#include "tools/inspect/scratch_folder.h"

namespace strohvik {
namespace {

constexpr int kAllRead = 0;
constexpr int kSomeUnread = 1;
constexpr int kUsageError = 2;
// Fewer archives than this finish before a progress line would help.
constexpr size_t kProgressFrom = 51;

constexpr char kUsage[] = "usage: strohvik-inspect [--format json|csv] PATH...\n";

struct Options {
  std::string format = "json";
  std::vector<std::string> paths;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  bool optionsEnded = false;
  for (size_t index = 0; index < arguments.size(); ++index) {
    const std::string& argument = arguments[index];
    if (optionsEnded || argument.empty() || argument[0] != '-') {
      options.paths.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--format" && index + 1 < arguments.size()) {
      options.format = arguments[++index];
    } else if (argument.starts_with("--format=")) {
      options.format = argument.substr(9);
    } else {
      return std::nullopt;
    }
  }
  if (options.paths.empty() || (options.format != "json" && options.format != "csv")) return std::nullopt;
  return options;
}

ModEnvironment InspectorEnvironment(const ScratchFolder& scratch) {
  const WorkingFolders folders{SystemPath(scratch.HostPath())};
  CreateFolderWithParents(folders.Temp());
  // No trace lines: standard output carries the report.
  return ModEnvironment{folders, OwnProgramFile(), std::make_shared<BuiltInConverter>(), nullptr, nullptr};
}

void ShowProgress(size_t done, size_t total) {
  std::cerr << "\rstrohvik-inspect: " << done << "/" << total << (done == total ? "\n" : "") << std::flush;
}

int Inspect(const Options& options, const std::vector<std::string>& archives) {
  const ScratchFolder scratch;
  const ModEnvironment environment = InspectorEnvironment(scratch);
  const auto writer = options.format == "csv" ? CsvRecordWriter(std::cout) : JsonRecordWriter(std::cout);
  const bool progress = archives.size() >= kProgressFrom && isatty(STDERR_FILENO);
  int exitCode = kAllRead;
  for (size_t index = 0; index < archives.size(); ++index) {
    const InspectionRecord record = InspectArchive(environment, archives[index]);
    if (!record.descriptionRead) exitCode = kSomeUnread;
    writer->Write(record);
    if (progress) ShowProgress(index + 1, archives.size());
  }
  writer->Finish();
  return exitCode;
}

int Run(const std::vector<std::string>& arguments) {
  const auto options = ParseOptions(arguments);
  if (!options) {
    std::cerr << kUsage;
    return kUsageError;
  }
  const ArchiveList list = ListArchives(options->paths);
  if (list.missing) {
    std::cerr << "strohvik-inspect: " << *list.missing << ": no such file or folder\n";
    return kUsageError;
  }
  return Inspect(*options, list.archives);
}

}  // namespace
}  // namespace strohvik

int main(int argc, char** argv) {
  try {
    return strohvik::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "strohvik-inspect: " << error.what() << "\n";
    return 2;
  }
}
