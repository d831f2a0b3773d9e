#include <csignal>
#include <iostream>

#include "cli/cli_main.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::signal(SIGINT, [](int) { xuanhao::RequestCliStop(); });
    return xuanhao::CliMain(argc, argv, std::cin, std::cout, std::cerr);
}
