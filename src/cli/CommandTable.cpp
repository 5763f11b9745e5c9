#include "cli/Subcommand.h"

namespace qvx::cli {

std::span<const Subcommand> subcommands() {
    static constexpr Subcommand kCommands[] = {
        {"convert", "convert IN OUT", "read IN and write the same list to OUT",
         "  IN                  the list to read\n"
         "  OUT                 the list to write; it is replaced only when every byte is written\n",
         runConvert},
        {"dump", "dump IN [--json]", "print the list in IN, as JSON with --json",
         "  IN                  the list to read\n"
         "  --json              every field of every record, and its 172 bytes in hex, as JSON\n",
         runDump},
        {"info", "info IN", "print the numbers of providers and channels per tree",
         "  IN                  the list to read\n", runInfo},
        {"compare", "compare A B OUT_A OUT_B [--by name|sid|both]",
         "remove the channels both hold, write the rest",
         "  A, B                the lists to compare, as list 1 and list 2\n"
         "  OUT_A, OUT_B        where the rest of A and of B is written (two different files)\n"
         "  --by name|sid|both  what makes two channels equal: the name, the Service ID or both\n"
         "                      (default both)\n",
         runCompare},
    };
    return kCommands;
}

}  // namespace qvx::cli
