#include "app/gui/system_driver.h"

namespace strohvik {
namespace {

std::string TakeFront(std::deque<std::string>& answers) {
  if (answers.empty()) return "";
  std::string answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

std::string TScriptedSystemDriver::RequestFile(const std::string& title, const std::string& filter,
                                               const std::string& start) {
  requests.push_back({"file", title, filter, start});
  return TakeFront(fileAnswers);
}

std::string TScriptedSystemDriver::RequestDir(const std::string& title, const std::string& start) {
  requests.push_back({"dir", title, "", start});
  return TakeFront(dirAnswers);
}

bool TScriptedSystemDriver::OpenURL(const std::string& url) {
  openedUrls.push_back(url);
  return true;
}

ProcessResult TScriptedSystemDriver::Run(const std::vector<std::string>& arguments,
                                         const std::string& workingDirectory) {
  startedProcesses.push_back(arguments);
  if (processResults.empty()) return runProcesses ? RunProcess(arguments, workingDirectory) : ProcessResult{true, 0};
  ProcessResult result = processResults.front();
  processResults.pop_front();
  return result;
}

}  // namespace strohvik
