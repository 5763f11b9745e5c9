#include "cli/Subcommand.h"

#include <array>

namespace qvx::cli {

std::span<const Subcommand> subcommands() {
    static constexpr std::array<Subcommand, 3> kCommands = {{
        {"convert", "convert IN OUT", "read IN and write the same list to OUT", runConvert},
        {"dump", "dump IN [--json]", "print the list in IN, as JSON with --json", runDump},
        {"info", "info IN", "print the numbers of providers and channels per tree", runInfo},
    }};
    return kCommands;
}

}  // namespace qvx::cli
