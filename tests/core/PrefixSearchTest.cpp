// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "editing/PrefixSearch.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

using treetest::buildTree;

TEST(PrefixSearch, ProviderBeforeItsChannelsAndFirstProvidersChannelsBeforeTheNext) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "Astra[BBC One,ARD] Arte[Arte HD] BBC[x]");
    EXPECT_EQ(FindPrefixInTree("a", tree), tree.topLevelItem(0));
    EXPECT_EQ(FindPrefixInTree("ar", tree), tree.topLevelItem(0)->child(1));
    EXPECT_EQ(FindPrefixInTree("art", tree), tree.topLevelItem(1));
    EXPECT_EQ(FindPrefixInTree("arte h", tree), tree.topLevelItem(1)->child(0));
    EXPECT_EQ(FindPrefixInTree("BBC", tree), tree.topLevelItem(0)->child(0));
    EXPECT_EQ(FindPrefixInTree("bbc ", tree), tree.topLevelItem(0)->child(0));
}

TEST(PrefixSearch, NothingForEmptyTextEmptyTreeOrNoMatch) {
    ChannelTree tree(TreeKind::Radio);
    EXPECT_EQ(FindPrefixInTree("a", tree), nullptr);
    buildTree(tree, "Ab[Abc]");
    EXPECT_EQ(FindPrefixInTree("", tree), nullptr);
    EXPECT_EQ(FindPrefixInTree("x", tree), nullptr);
    // A text longer than a name never matches it.
    EXPECT_EQ(FindPrefixInTree("abcd", tree), nullptr);
    EXPECT_EQ(FindPrefixInTree("abc", tree), tree.topLevelItem(0)->child(0));
}

TEST(PrefixSearch, LabelIsSearchedNotTheRecordName) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A]");
    tree.setLabel(tree.topLevelItem(0)->child(0), "Zweites Deutsches Fernsehen HD Extra");
    EXPECT_EQ(FindPrefixInTree("zweites deutsches fernsehen hd e", tree), tree.topLevelItem(0)->child(0));
}

TEST(PrefixSearch, SingleByteCodePageCaseFolding) {
    // ÖSTERREICH (0xD6) is found by öst (0xF6), and the other way round.
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[\xD6STERREICH,\xE9t\xE9,\x8A" "kola,\xD7x]");
    const TreeItem* p = tree.topLevelItem(0);
    EXPECT_EQ(FindPrefixInTree("\xF6st", tree), p->child(0));
    EXPECT_EQ(FindPrefixInTree("\xC9T\xC9", tree), p->child(1));
    EXPECT_EQ(FindPrefixInTree("\x9A" "KOLA", tree), p->child(2));
    // The multiplication sign 0xD7 has no lower case; 0xF7 (division sign) does not find it.
    EXPECT_EQ(FindPrefixInTree("\xF7", tree), nullptr);
    EXPECT_EQ(FindPrefixInTree("\xD7X", tree), p->child(3));
}

TEST(Windows1252, LowerCaseTable) {
    EXPECT_EQ(lowerWindows1252(std::uint8_t{'A'}), 'a');
    EXPECT_EQ(lowerWindows1252(std::uint8_t{'Z'}), 'z');
    EXPECT_EQ(lowerWindows1252(std::uint8_t{'@'}), '@');
    EXPECT_EQ(lowerWindows1252(std::uint8_t{'['}), '[');
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0xC0}), 0xE0);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0xDE}), 0xFE);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0xD7}), 0xD7);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0xDF}), 0xDF);  // ß has no capital here
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0x8A}), 0x9A);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0x8C}), 0x9C);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0x8E}), 0x9E);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0x9F}), 0xFF);
    EXPECT_EQ(lowerWindows1252(std::uint8_t{0xBF}), 0xBF);
    // Exactly 26 + 30 + 4 bytes change.
    int changed = 0;
    for (int c = 0; c < 256; ++c) changed += lowerWindows1252(static_cast<std::uint8_t>(c)) != c;
    EXPECT_EQ(changed, 60);
}

}  // namespace
}  // namespace qvx
