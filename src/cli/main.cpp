#include <iostream>
#include <unistd.h>

#include "cli/cli.h"

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return klettra::cli::run(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
