#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "compare/CompareTrees.h"
#include "compare/LiteralCompare.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

// Random pairs of trees rich in the cases that tell a wrong index from the
// plain search: many equal names, names equal only after stripping blanks,
// equal Service IDs under different names, empty providers, channels at the
// top level and empty trees. Fixed seeds keep every run the same.

struct ChannelPlan {
    std::string nameBytes;  // up to 32 bytes, written into the field as they are
    std::uint16_t serviceId;
};

struct TopPlan {
    bool isChannel;
    ChannelPlan self;
    std::vector<ChannelPlan> children;
};

using TreePlan = std::vector<TopPlan>;

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    TreePlan tree() {
        TreePlan plan;
        if (chance(10)) return plan;  // empty tree
        const bool larger = chance(15);
        const unsigned tops = below(larger ? 12 : 6) + 1;
        for (unsigned t = 0; t < tops; ++t) {
            TopPlan top;
            top.isChannel = chance(12);
            top.self = channel();
            // Channels at the top level seldom have children; providers are often empty.
            const unsigned children = top.isChannel ? (chance(20) ? below(3) : 0)
                                                    : (chance(25) ? 0 : below(larger ? 20 : 7));
            for (unsigned c = 0; c < children; ++c) top.children.push_back(channel());
            plan.push_back(std::move(top));
        }
        return plan;
    }

private:
    bool chance(unsigned percent) { return random_() % 100 < percent; }
    unsigned below(unsigned limit) { return static_cast<unsigned>(random_() % limit); }

    ChannelPlan channel() {
        static const std::vector<std::string> names = {
            "Alpha", "Alpha ", "Alpha  ", "alpha", " Alpha", "Alpha\t", "Beta", "Beta   ", "Gamma", "",
            "  ", std::string("Ab\0zz", 5), std::string("Ab\0yy", 5), "Ab",
            std::string(31, 'n'), std::string(32, 'n'), std::string(31, 'n') + ' ', std::string(32, ' '),
        };
        static const std::uint16_t ids[] = {0, 1, 2, 3, 28006, 65535};
        return {names[below(static_cast<unsigned>(names.size()))], ids[below(6)]};
    }

    std::mt19937 random_;
};

ChannelRecord recordOf(const ChannelPlan& plan, bool isChannel, std::uint8_t kind) {
    ChannelRecord record = isChannel ? ChannelRecord::newChannel(kind) : ChannelRecord::newProvider(kind);
    std::memset(record.name, 0, sizeof record.name);
    std::memcpy(record.name, plan.nameBytes.data(), plan.nameBytes.size());
    record.serviceId = plan.serviceId;
    return record;
}

void build(ChannelTree& tree, const TreePlan& plan) {
    for (const TopPlan& top : plan) {
        const ChannelRecord record = recordOf(top.self, top.isChannel, tree.serviceType());
        TreeItem* item = tree.appendItem(nullptr, top.isChannel ? TreeItem::makeChannel(record)
                                                                : TreeItem::makeProvider(record));
        for (const ChannelPlan& child : top.children)
            tree.appendItem(item, TreeItem::makeChannel(recordOf(child, true, tree.serviceType())));
    }
}

// Everything a tree holds, in order: level, label and record image of each item.
struct Snapshot {
    std::vector<int> levels;
    std::vector<std::string> labels;
    std::vector<RecordImage> images;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const ChannelTree& tree) {
    Snapshot shot;
    for (const auto& top : tree.topLevelItems()) {
        shot.levels.push_back(0);
        shot.labels.push_back(top->label());
        shot.images.push_back(top->record().image());
        for (const auto& child : top->children()) {
            shot.levels.push_back(1);
            shot.labels.push_back(child->label());
            shot.images.push_back(child->record().image());
        }
    }
    return shot;
}

class StepLog final : public CompareProgress {
public:
    std::vector<long> events;
    void begin(std::size_t maximum) override { events.push_back(-static_cast<long>(maximum) - 1); }
    void step() override { events.push_back(1); }
    void end() override { events.push_back(0); }
};

TEST(CompareDifferential, IndexedSearchGivesExactlyTheLiteralResult) {
    const CompareOptions optionSets[] = {{true, true}, {true, false}, {false, true}, {false, false}};
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
                << "seed " << seed << " byName " << options.byName << " byServiceId " << options.byServiceId;
            ASSERT_EQ(snapshot(indexedB), snapshot(literalB))
                << "seed " << seed << " byName " << options.byName << " byServiceId " << options.byServiceId;
            ASSERT_EQ(indexedA.itemCount(), literalA.itemCount());
            ASSERT_EQ(indexedB.itemCount(), literalB.itemCount());
            ++pairs;
            if (!(snapshot(literalA) == beforeA) || !(snapshot(literalB) == beforeB)) ++changedPairs;
        }
    }
    EXPECT_EQ(pairs, 16000);
    // The generator must give comparisons that remove things, not only ones that change nothing.
    EXPECT_GT(changedPairs, 8000);
}

}  // namespace
}  // namespace qvx
