#include "tools/inspect/check_summary.h"

#include <map>

namespace strohvik {

std::string CheckSummary(const std::vector<InspectionRecord>& records) {
  std::map<std::string, size_t> perCode;
  size_t withProblems = 0;
  for (const InspectionRecord& record : records) {
    const Problems problems = record.problems.value_or(Problems{});
    if (!problems.empty()) ++withProblems;
    for (const Problem& problem : problems) ++perCode[problem.code];
  }
  std::string summary = std::to_string(records.size()) + " Mods, " + std::to_string(withProblems) + " mit Problemen";
  const char* separator = ": ";
  for (const auto& [code, count] : perCode) {
    summary += separator + code + " " + std::to_string(count);
    separator = ", ";
  }
  return summary;
}

}  // namespace strohvik
