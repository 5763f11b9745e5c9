// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CommandTestSupport.h"
#include "commands/CommandHistory.h"
#include "commands/ListCommands.h"
#include "editing/EditorClipboard.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

using commandtest::holds;
using commandtest::snapshotOf;

// Random lists and random runs of every kind of command through one history;
// then every step is undone, each time giving back exactly the state before
// it, and redone, giving back the state after it. The records are random
// bytes throughout (padding included), labels need not match the names and
// looks need not follow the rule, so that only a faithful undo passes.
class RandomRun {
public:
    explicit RandomRun(std::uint32_t seed) : random_(seed) {
        for (ChannelList* list : {&list1_, &list2_})
            for (ChannelTree* tree : {&list->television(), &list->radio()}) fill(*tree);
        history_.clear();
    }

    void run(int commands) {
        states_.push_back(snapshotOf(list1_, list2_));
        for (int i = 0; i < commands; ++i) {
            const std::size_t before = history_.undoCount();
            expected_.clear();
            const ItemToSelect selected = history_.execute(randomCommand());
            expectSelectable(selected);
            expectCopiesCarry(selected);
            if (history_.undoCount() != before)
                states_.push_back(snapshotOf(list1_, list2_));
            else
                ASSERT_SAME_LISTS(snapshotOf(list1_, list2_), states_.back()) << "a step not kept changed a list";
        }
        ASSERT_FALSE(::testing::Test::HasFailure());

        for (std::size_t step = states_.size() - 1; step > 0; --step) {
            ASSERT_TRUE(history_.canUndo());
            const std::string text = history_.undoStep()->subject;
            expectSelectable(history_.undo());
            ASSERT_SAME_LISTS(snapshotOf(list1_, list2_), states_[step - 1]) << "undo of " << text;
        }
        EXPECT_FALSE(history_.canUndo());
        for (std::size_t step = 1; step < states_.size(); ++step) {
            ASSERT_TRUE(history_.canRedo());
            const std::string text = history_.redoStep()->subject;
            expectSelectable(history_.redo());
            ASSERT_SAME_LISTS(snapshotOf(list1_, list2_), states_[step]) << "redo of " << text;
        }
        EXPECT_FALSE(history_.canRedo());
    }

private:
    unsigned below(unsigned limit) { return static_cast<unsigned>(random_() % limit); }
    bool chance(unsigned percent) { return below(100) < percent; }

    ChannelRecord randomRecord(bool isChannel, std::uint8_t kind) {
        RecordImage image;
        for (auto& byte : image) byte = static_cast<std::uint8_t>(random_());
        ChannelRecord record = ChannelRecord::fromImage(image);
        record.isChannel = isChannel ? 1 : 0;
        record.serviceType = kind;
        // Few names and Service IDs, so that the comparison finds pairs.
        static const char* const names[] = {"ARD", "ZDF", "Arte ", "3sat", "KiKA"};
        record.setName(names[below(5)]);
        record.serviceId = static_cast<std::uint16_t>(below(4));
        record.scrambled = static_cast<std::uint16_t>(below(2));
        return record;
    }

    std::unique_ptr<TreeItem> randomItem(bool isChannel, std::uint8_t kind) {
        const ChannelRecord record = randomRecord(isChannel, kind);
        std::string label = chance(70) ? std::string(record.nameText()) : "label" + std::to_string(below(1000));
        if (chance(10)) label += std::string(40, 'x');
        const ItemLooks looks{chance(isChannel ? 10 : 90), static_cast<int>(below(4)), static_cast<int>(below(4))};
        // Most items came from a text file and carry their line.
        CarriedPtr carried;
        if (chance(80))
            carried = makeCarried("vdr", ++lines_, {{"line", "line " + std::to_string(lines_)}});
        return std::make_unique<TreeItem>(record, label, looks, carried);
    }

    void fill(ChannelTree& tree) {
        if (chance(15)) return;
        const unsigned tops = below(5) + 1;
        for (unsigned t = 0; t < tops; ++t) {
            auto top = randomItem(chance(5), tree.serviceType());
            const unsigned children = chance(20) ? 0 : below(6);
            for (unsigned c = 0; c < children; ++c) top->appendDetachedChild(randomItem(true, tree.serviceType()));
            tree.appendItem(nullptr, std::move(top));
        }
    }

    ChannelTree& anyTree() {
        ChannelList& list = chance(50) ? list1_ : list2_;
        return chance(50) ? list.television() : list.radio();
    }

    TreeItem* anyItem(ChannelTree& tree) {
        if (tree.empty()) return nullptr;
        TreeItem* top = tree.topLevelItem(static_cast<int>(below(static_cast<unsigned>(tree.topLevelCount()))));
        if (!top->hasChildren() || chance(30)) return top;
        return top->child(static_cast<int>(below(static_cast<unsigned>(top->childCount()))));
    }

    static TreeItem* providerOf(TreeItem* item) { return item && item->hasParent() ? item->parent() : item; }

    SortKey randomSortKey() {
        static const SortKey keys[] = {SortKey::Name, SortKey::Frequency, SortKey::ServiceId};
        return keys[below(3)];
    }

    TreeItem* itemOrNone(ChannelTree& tree) { return chance(20) ? nullptr : anyItem(tree); }

    std::unique_ptr<ListCommand> randomCommand() {
        ChannelTree& tree = anyTree();
        TreeItem* item = anyItem(tree);
        // Commands that need an item fall back to one that does not.
        switch (item ? below(14) : 5 + below(9)) {
        case 0:
            return makeEditRecordCommand(tree, *item, randomRecord(item->hasParent(), tree.serviceType()),
                                         chance(80));
        case 1:
            return makeRenameCommand(tree, *item, chance(10) ? "" : "renamed" + std::string(below(40), 'r'));
        case 2:
            return makeDeleteCommand(tree, *item);
        case 3:
            return makeCutCommand(tree, *item, clipboard_);
        case 4: {
            // Copy is no command; it only fills the clipboard for a paste.
            ChannelTree& from = anyTree();
            if (TreeItem* copied = anyItem(from)) clipboard_.copy(*copied);
            expectCarried(clipboard_.carried());
            return makePasteCommand(tree, itemOrNone(tree), clipboard_);
        }
        case 5:
            expectCarried(clipboard_.carried());
            return makePasteCommand(tree, itemOrNone(tree), clipboard_);
        case 6:
            return makeNewChannelCommand(tree, itemOrNone(tree));
        case 7:
            return makeNewProviderCommand(tree, itemOrNone(tree));
        case 8:
        case 9: {
            ChannelTree& source = anyTree();
            TreeItem* dragged = anyItem(source);
            ChannelTree& target = chance(50) ? source : anyTree();
            if (!dragged) return makeNewChannelCommand(target, itemOrNone(target));
            expected_ = {dragged->carried()};
            for (const auto& child : dragged->children()) expected_.push_back(child->carried());
            return makeTransferCommand(source, target, *dragged, itemOrNone(target));
        }
        case 10: {
            static const BulkField fields[] = {BulkField::Lnb, BulkField::RotorPosition, BulkField::Volume};
            return makeBulkSettingCommand(tree, itemOrNone(tree), fields[below(3)], static_cast<int>(below(300)) - 1);
        }
        case 11: {
            const unsigned options = below(3);
            return makeCompareListsCommand(list1_, list2_, {options != 1, options != 0});
        }
        case 12:
            if (chance(50)) {
                const unsigned options = below(3);
                return makeRemoveDuplicatesCommand(tree, {options != 1, options != 0});
            }
            if (chance(50)) {
                ChannelList& other = &list1_.tree(tree.kind()) == &tree ? list2_ : list1_;
                const unsigned options = below(3);
                return makeArrangeCommand(tree, other.tree(tree.kind()), {options != 1, options != 0});
            }
            return makeSortChannelsCommand(tree, chance(30) ? nullptr : providerOf(anyItem(tree)), randomSortKey());
        default:
            if (chance(40)) return makeClearAllCommand(chance(50) ? list1_ : list2_);
            return makeNewProviderCommand(tree, itemOrNone(tree));
        }
    }

    // A paste or drop puts in copies that carry what their originals carried.
    void expectCarried(const std::vector<CarriedPtr>& carried) { expected_ = carried; }
    void expectCopiesCarry(ItemToSelect inserted) {
        if (expected_.empty() || !inserted.item) return;
        // A channel's image pastes alone, even where the clipboard holds more.
        std::vector<CarriedPtr> found = {inserted.item->carried()};
        if (expected_.size() > 1)
            for (const auto& child : inserted.item->children()) found.push_back(child->carried());
        ASSERT_LE(found.size(), expected_.size());
        EXPECT_EQ(found, std::vector<CarriedPtr>(expected_.begin(), expected_.begin() + static_cast<long>(found.size())))
            << "a copy lost what its original carried";
    }

    void expectSelectable(ItemToSelect selected) {
        if (!selected.item) return;
        ASSERT_NE(selected.tree, nullptr);
        EXPECT_TRUE(holds(*selected.tree, selected.item)) << "the item to select is not in its tree";
    }

    std::mt19937 random_;
    ChannelList list1_;
    ChannelList list2_;
    EditorClipboard clipboard_;
    CommandHistory history_{list1_, list2_};
    std::vector<std::string> states_;
    std::uint32_t lines_ = 0;
    // What the items a paste or drop inserts must carry, in order.
    std::vector<CarriedPtr> expected_;
};

TEST(CommandHistoryRandom, UndoAllGivesBackEveryEarlierStateAndRedoAllEveryLaterOne) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomRun run(seed);
        run.run(40);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace qvx
