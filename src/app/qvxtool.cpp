// SPDX-License-Identifier: GPL-3.0-or-later
#include <signal.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/Qvxtool.h"
#include "cli/StandardOutput.h"

int main(int argc, char** argv) {
    // A reader that went away is EPIPE, said or ignored where it matters, not
    // a death in the middle of a warning once the list is in place.
    ::signal(SIGPIPE, SIG_IGN);
    qvx::cli::reserveStandardDescriptors();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    qvx::cli::DescriptorBuffer standardOutput(1);
    std::ostream out(&standardOutput);
    return qvx::cli::runQvxtool(arguments, out, std::cerr);
}
