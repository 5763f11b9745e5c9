// SPDX-License-Identifier: GPL-3.0-or-later
// Times the list comparison: the indexed search the program uses against the
// literal one that starts again at the top of list 2 for every channel.
// Prints figures; it never fails on time. Run it from a Release build.
// Times are processor time of this program (the machine may be shared), the
// best of several runs for the short ones.

#include <algorithm>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "BenchLists.h"
#include "ProcessorTime.h"
#include "compare/CompareTrees.h"
#include "compare/LiteralCompare.h"
#include "model/ChannelTree.h"

namespace {

using qvx::ChannelRecord;
using qvx::ChannelTree;
using qvx::CompareOptions;
using qvx::TreeItem;
using qvx::TreeKind;
using qvx::bench::fill;
using qvx::bench::ListPair;
using qvx::bench::makePair;

using CompareFunction = bool (*)(ChannelTree&, ChannelTree&, CompareOptions, qvx::CompareProgress*);

struct Timing {
    double milliseconds;
    std::size_t remainingA;
    std::size_t remainingB;
};

// The best of `runs` runs; the trees are built anew (untimed) for each.
Timing timeCompare(CompareFunction compare, const ListPair& pair, CompareOptions options, int runs) {
    Timing best{1e300, 0, 0};
    for (int run = 0; run < runs; ++run) {
        ChannelTree a(TreeKind::Television);
        ChannelTree b(TreeKind::Television);
        fill(a, pair.first);
        fill(b, pair.second);
        const double ms = cpuMilliseconds([&] { compare(a, b, options, nullptr); });
        if (ms < best.milliseconds) best = {ms, a.itemCount(), b.itemCount()};
    }
    return best;
}

const char* describe(CompareOptions options) {
    if (options.byName && options.byServiceId) return "name + service id";
    return options.byName ? "name only" : "service id only";
}

}  // namespace

int main() {
    const CompareOptions optionSets[] = {{true, true}, {true, false}, {false, true}};
    const std::size_t literalSizes[] = {2000, 5000, 10000, 20000};
    // Past 100,000 the lists no longer fit the processor caches at any size, which shows the linear growth.
    const std::size_t growthSizes[] = {12500, 25000, 50000, 100000, 200000, 400000};

    for (const CompareOptions& options : optionSets) {
        std::printf("== options: %s\n", describe(options));

        std::printf("indexed, growth with list size (channels per list):\n");
        double previous = 0;
        for (std::size_t size : growthSizes) {
            const ListPair pair = makePair(size, 42);
            const Timing t = timeCompare(qvx::CompareTrees, pair, options, size <= 100000 ? 5 : 3);
            std::printf("  %7zu x %-7zu %9.2f ms  %6.0f ns per channel", size, size, t.milliseconds,
                        t.milliseconds * 1e6 / static_cast<double>(2 * size));
            if (previous > 0) std::printf("   x%.2f from the half size", t.milliseconds / previous);
            std::printf("   (items left: %zu / %zu)\n", t.remainingA, t.remainingB);
            previous = t.milliseconds;
        }

        std::printf("literal against indexed at equal sizes:\n");
        for (std::size_t size : literalSizes) {
            const ListPair pair = makePair(size, 7);
            const Timing indexed = timeCompare(qvx::CompareTrees, pair, options, 5);
            const Timing literal = timeCompare(qvx::compareTreesLiteral, pair, options, size <= 5000 ? 2 : 1);
            const bool same = indexed.remainingA == literal.remainingA && indexed.remainingB == literal.remainingB;
            std::printf("  %7zu x %-7zu literal %10.1f ms   indexed %7.3f ms   ratio %8.0fx%s\n", size, size,
                        literal.milliseconds, indexed.milliseconds, literal.milliseconds / indexed.milliseconds,
                        same ? "" : "   (RESULTS DIFFER)");
        }
        std::fflush(stdout);
    }
    return 0;
}
