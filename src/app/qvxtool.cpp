#include <iostream>
#include <string_view>
#include <vector>

#include "cli/Qvxtool.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return qvx::cli::runQvxtool(arguments, std::cout, std::cerr);
}
