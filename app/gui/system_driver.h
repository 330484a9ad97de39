#pragma once
// What the program asks of the desktop: file and folder requesters, opening a web
// address, running a program. The desktop driver does it for real; the scripted driver
// answers from a script and records what was asked, so tests run without a person.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/process.h"

namespace strohvik {

struct TPoint {
  int x = 0;
  int y = 0;
};

class TSystemDriver : public ProcessRunner {
 public:
  virtual ~TSystemDriver() = default;
  // Paths in the system's "\" form; the empty string when the user cancels. A filter is
  // "Name:ext,ext;Name:*".
  virtual std::string RequestFile(const std::string& title, const std::string& filter, const std::string& start) = 0;
  virtual std::string RequestDir(const std::string& title, const std::string& start) = 0;
  // Returns at once; false when nothing could take the address.
  virtual bool OpenURL(const std::string& url) = 0;
  // The mouse cursor in screen coordinates; none where the platform cannot tell.
  virtual std::optional<TPoint> CursorPosition() = 0;
  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override = 0;
};

std::shared_ptr<TSystemDriver> CreateDesktopSystemDriver();

class TScriptedSystemDriver : public TSystemDriver {
 public:
  struct Request {
    std::string kind;  // "file" or "dir"
    std::string title;
    std::string filter;
    std::string start;
  };

  std::string RequestFile(const std::string& title, const std::string& filter, const std::string& start) override;
  std::string RequestDir(const std::string& title, const std::string& start) override;
  bool OpenURL(const std::string& url) override;
  std::optional<TPoint> CursorPosition() override { return cursor; }
  ProcessResult Run(const std::vector<std::string>& arguments, const std::string& workingDirectory) override;

  // Answers in order; when they run out the user is taken to have cancelled.
  std::deque<std::string> fileAnswers;
  std::deque<std::string> dirAnswers;
  // Results in order; when they run out a program starts and ends with code 0, or,
  // with runProcesses set, is really run (tests of the texture converter).
  std::deque<ProcessResult> processResults;
  bool runProcesses = false;
  std::optional<TPoint> cursor = TPoint{};

  std::vector<Request> requests;
  std::vector<std::string> openedUrls;
  std::vector<std::vector<std::string>> startedProcesses;
};

}  // namespace strohvik
