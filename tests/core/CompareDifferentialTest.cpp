// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "compare/CompareTrees.h"
#include "compare/LiteralCompare.h"
#include "RandomTrees.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

using testing::build;
using testing::Generator;
using testing::snapshot;
using testing::Snapshot;
using testing::TreePlan;

class StepLog final : public CompareProgress {
public:
    std::vector<long> events;
    void begin(std::size_t maximum) override { events.push_back(-static_cast<long>(maximum) - 1); }
    void step() override { events.push_back(1); }
    void end() override { events.push_back(0); }
};

TEST(CompareDifferential, IndexedSearchGivesExactlyTheLiteralResult) {
    const CompareOptions optionSets[] = {{true, true, false},  {true, false, false}, {false, true, false},
                                         {false, false, false}, {false, true, true},  {true, true, true}};
    int pairs = 0;
    int changedPairs = 0;
    for (std::uint32_t seed = 1; seed <= 4000; ++seed) {
        Generator generator(seed);
        const TreePlan planA = generator.tree();
        const TreePlan planB = generator.tree();
        for (const CompareOptions& options : optionSets) {
            ChannelTree indexedA(TreeKind::Television), indexedB(TreeKind::Television);
            ChannelTree literalA(TreeKind::Television), literalB(TreeKind::Television);
            build(indexedA, planA);
            build(indexedB, planB);
            build(literalA, planA);
            build(literalB, planB);
            const Snapshot beforeA = snapshot(literalA);
            const Snapshot beforeB = snapshot(literalB);
            StepLog indexedSteps, literalSteps;

            const bool indexedRan = CompareTrees(indexedA, indexedB, options, &indexedSteps);
            const bool literalRan = compareTreesLiteral(literalA, literalB, options, &literalSteps);

            ASSERT_EQ(indexedRan, literalRan) << "seed " << seed;
            ASSERT_EQ(indexedSteps.events, literalSteps.events) << "seed " << seed;
            ASSERT_EQ(snapshot(indexedA), snapshot(literalA))
                << "seed " << seed << " byName " << options.byName << " byServiceId " << options.byServiceId << " byTuning " << options.byTuning;
            ASSERT_EQ(snapshot(indexedB), snapshot(literalB))
                << "seed " << seed << " byName " << options.byName << " byServiceId " << options.byServiceId;
            ASSERT_EQ(indexedA.itemCount(), literalA.itemCount());
            ASSERT_EQ(indexedB.itemCount(), literalB.itemCount());
            ++pairs;
            if (!(snapshot(literalA) == beforeA) || !(snapshot(literalB) == beforeB)) ++changedPairs;
        }
    }
    EXPECT_EQ(pairs, 24000);
    // The generator must give comparisons that remove things, not only ones that change nothing.
    EXPECT_GT(changedPairs, 11000);
}

}  // namespace
}  // namespace qvx
