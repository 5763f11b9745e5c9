// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/Qvxtool.h"
#include "cli/StandardOutput.h"

int main(int argc, char** argv) {
    qvx::cli::reserveStandardDescriptors();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    qvx::cli::DescriptorBuffer standardOutput(1);
    std::ostream out(&standardOutput);
    return qvx::cli::runQvxtool(arguments, out, std::cerr);
}
