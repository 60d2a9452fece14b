#pragma once
// players-check: rules files checked and tried from the command line.

#include <iosfwd>
#include <string>
#include <vector>

// Runs the command on its arguments (without the program name) and gives its exit status:
// 0 every file valid, 1 one is not (or warned, with --werror), 2 a usage or input/output
// error. `in` is read for "--titles -".
int RunPlayersCheck(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err);
