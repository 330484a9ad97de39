#pragma once
// What a program learns about itself from the system: its arguments, its process id,
// and how its standard output carries bytes.

#include <string>
#include <vector>

namespace strohvik {

// The arguments after the program's name, in UTF-8 whatever the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);
int CurrentProcessId();
// Standard output passes bytes unchanged: no CR before each LF in a JSON or CSV report.
void MakeStandardOutputBinary();

}  // namespace strohvik
