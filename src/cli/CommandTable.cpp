// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Subcommand.h"

namespace qvx::cli {

std::span<const Subcommand> subcommands() {
    static constexpr Subcommand kCommands[] = {
        {"convert", "convert IN OUT [--force]", "read IN and write the same list to OUT",
         "  IN                  the list to read\n"
         "  OUT                 the list to write; it is replaced only when every byte is written\n"
         "  --force             write OUT even when it is IN and reading IN left something out\n",
         runConvert, ExitRule::ListsWritten},
        {"dump", "dump IN [--json]", "print the list in IN, as JSON with --json",
         "  IN                  the list to read\n"
         "  --json              every field of every record, and its 172 bytes in hex, as JSON\n",
         runDump},
        {"info", "info IN", "print the numbers of providers and channels per tree",
         "  IN                  the list to read\n", runInfo},
        {"compare", "compare A B OUT_A OUT_B [--by name|sid|both] [--force]",
         "remove the channels both hold, write the rest",
         "  A, B                the lists to compare, as list 1 and list 2\n"
         "  OUT_A, OUT_B        where the rest of A and of B is written (two different files)\n"
         "  --by name|sid|both  what makes two channels equal: the name, the Service ID or both\n"
         "                      (default both)\n"
         "  --force             write an output that is an input even when its read left something out\n",
         runCompare, ExitRule::ListsWritten},
        {"duplicates", "duplicates LIST [--by KEY] [--json]",
         "list the groups of equal channels in each tree",
         "  LIST                the list to read; it is not changed\n"
         "  --by KEY            what makes two channels equal: name, sid, both (default) or tuning\n"
         "                      (frequency, symbol rate, polarity and Service ID)\n"
         "  --json              the groups as JSON\n",
         runDuplicates},
        {"dedupe", "dedupe IN OUT [--by KEY] [--force]",
         "keep the first of every group of equal channels, write the list to OUT",
         "  IN                  the list to read; it is not changed unless OUT is IN\n"
         "  OUT                 the list to write; providers left without channels are dropped\n"
         "  --by KEY            what makes two channels equal: name, sid, both (default) or tuning\n"
         "  --force             write OUT even when it is IN and reading IN left something out\n",
         runDedupe, ExitRule::ListsWritten},
        {"diff", "diff A B [--by KEY] [--json]",
         "show the channels only one list holds and the fields that differ",
         "  A, B                the lists to compare, as list 1 and list 2; neither is changed\n"
         "  --by KEY            what pairs two channels: name, sid, both (default) or tuning\n"
         "  --json              the findings as JSON\n"
         "                      exit status 0 when the lists are the same, 1 when not, 2 on trouble\n",
         runDiff, ExitRule::Comparison},
        {"sort", "sort IN OUT --by KEY [--providers] [--force]",
         "sort the channels of every provider, write the list to OUT",
         "  IN                  the list to read; it is not changed unless OUT is IN\n"
         "  OUT                 the list to write\n"
         "  --by KEY            the order: name (as bytes, without trailing blanks), frequency or sid;\n"
         "                      channels that are equal in it keep their order\n"
         "  --providers         sort the providers by name too\n"
         "  --force             write OUT even when it is IN and reading IN left something out\n",
         runSort, ExitRule::ListsWritten},
        {"arrange", "arrange IN REFERENCE OUT [--by KEY] [--force]",
         "put IN in the order of REFERENCE, write the list to OUT",
         "  IN                  the list to arrange; it is not changed unless OUT is IN\n"
         "  REFERENCE           the list whose order IN takes; it is not changed unless OUT is REFERENCE\n"
         "  OUT                 the list to write: IN's channels and providers, nothing added or removed\n"
         "  --by KEY            what pairs two channels: name, sid, both (default) or tuning;\n"
         "                      providers pair by name. In each tree the paired channels and providers\n"
         "                      come in REFERENCE's order, a channel under the provider named like its\n"
         "                      partner's where IN has one, the others after them in their own order\n"
         "  --force             write OUT even when it is an input and reading it left something out\n",
         runArrange, ExitRule::ListsWritten},
    };
    return kCommands;
}

}  // namespace qvx::cli
