#pragma once
// Finding a program in the search path (PATH), and how a Windows program, the game,
// is started on this system.

#include <string>
#include <vector>

namespace strohvik {

// The "PATH" of the environment.
std::string ProgramSearchPath();
// The first executable file of that name in a search path, as a host path; empty when
// there is none. The path's folders are separated by ":", on Windows by ";", where a
// name without ending also stands for NAME.exe.
std::string FindProgram(const std::string& name, const std::string& searchPath);
// The words that start the Windows program at the host path: on Windows the program
// itself, elsewhere "wine" from the search path before it; empty without wine.
std::vector<std::string> WindowsProgramCommand(const std::string& program, const std::string& searchPath);

}  // namespace strohvik
