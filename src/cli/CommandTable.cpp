#include "cli/Subcommand.h"

namespace qvx::cli {

std::span<const Subcommand> subcommands() {
    static constexpr Subcommand kCommands[] = {
        {"convert", "convert IN OUT", "read IN and write the same list to OUT", runConvert},
        {"dump", "dump IN [--json]", "print the list in IN, as JSON with --json", runDump},
        {"info", "info IN", "print the numbers of providers and channels per tree", runInfo},
        {"compare", "compare A B OUT_A OUT_B [--by name|sid|both]", "write what only A, only B holds",
         runCompare},
    };
    return kCommands;
}

}  // namespace qvx::cli
