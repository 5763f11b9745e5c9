// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EditingTestSupport.h"
#include "editing/PrefixSearch.h"
#include "editing/TreeCommands.h"

namespace qvx {
namespace {

using treetest::addChannel;
using treetest::addProvider;
using treetest::buildTree;

// Labels from a small alphabet with both cases, so prefixes collide often.
std::string randomLabel(std::mt19937& random, std::size_t maxLength) {
    static const char letters[] = {'a', 'A', 'b', 'B', '\xD6', '\xF6', ' '};
    std::string label(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), ' ');
    for (char& c : label) c = letters[std::uniform_int_distribution<std::size_t>(0, 6)(random)];
    return label;
}

TEST(PrefixIndex, FindsWhatTheTreeWalkFinds) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        ChannelTree tree(TreeKind::Television);
        const int providers = std::uniform_int_distribution<int>(0, 4)(random);
        for (int p = 0; p < providers; ++p) {
            TreeItem* provider = addProvider(tree, randomLabel(random, 20));
            const int channels = std::uniform_int_distribution<int>(0, 5)(random);
            for (int c = 0; c < channels; ++c) addChannel(tree, provider, randomLabel(random, 20));
        }
        PrefixIndex index;
        for (int probe = 0; probe < 20; ++probe) {
            // Up to 18 characters: texts past the index's key length take the walk.
            const std::string text = randomLabel(random, 18);
            EXPECT_EQ(index.find(text, tree), FindPrefixInTree(text, tree)) << "text '" << text << "'";
        }
    }
}

TEST(PrefixIndex, FollowsEveryChangeOfTheTree) {
    ChannelTree tree(TreeKind::Radio);
    buildTree(tree, "Alpha[Beta,Gamma]");
    PrefixIndex index;
    ASSERT_EQ(index.find("gam", tree), tree.topLevelItem(0)->child(1));

    tree.setLabel(tree.topLevelItem(0)->child(0), "Gamma Eins");  // a rename
    EXPECT_EQ(index.find("gam", tree), tree.topLevelItem(0)->child(0));

    DeleteTreeItem(tree, tree.topLevelItem(0)->child(0));  // a removal
    EXPECT_EQ(index.find("gamma e", tree), nullptr);

    TreeItem* added = addChannel(tree, tree.topLevelItem(0), "Delta");  // an insertion
    EXPECT_EQ(index.find("d", tree), added);

    tree.clear();  // a bulk change
    EXPECT_EQ(index.find("d", tree), nullptr);

    ChannelTree other(TreeKind::Radio);  // another tree through the same index
    buildTree(other, "Delta[x]");
    EXPECT_EQ(index.find("d", other), other.topLevelItem(0));
}

}  // namespace
}  // namespace qvx
