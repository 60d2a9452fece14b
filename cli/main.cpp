#include <iostream>
#include <string>
#include <vector>

#include "cli/PlayersCheck.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunPlayersCheck(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
