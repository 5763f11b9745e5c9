// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on several selected items: where they land, and that one undo takes all of it back.
#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "commands/CommandHistory.h"
#include "commands/ListCommands.h"
#include "editing/EditorClipboard.h"
#include "editing/TreeCommands.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

using namespace treetest;

TreeItem* named(const ChannelTree& tree, const std::string& label) {
    for (const auto& top : tree.topLevelItems()) {
        if (top->label() == label) return top.get();
        for (const auto& channel : top->children())
            if (channel->label() == label) return channel.get();
    }
    ADD_FAILURE() << "no item " << label;
    return nullptr;
}

std::vector<RecordImage> imagesOf(const ChannelTree& tree) {
    std::vector<RecordImage> images;
    for (const auto& top : tree.topLevelItems()) {
        images.push_back(top->record().image());
        for (const auto& channel : top->children()) images.push_back(channel->record().image());
    }
    return images;
}

enum class Action { Delete, Move, CopyInto, CutPaste, CopyPaste };

struct Case {
    const char* what;
    Action action;
    std::vector<std::string> selected;  // in the order of clicks, not of the tree
    const char* target;                 // reference item (in the other tree for CopyInto/CopyPaste); "" for none
    const char* tree;                   // "P[A,B] Q[C,D,E]" afterwards
    const char* other;                  // "X[Y] S[Z]" afterwards
    std::size_t count;                  // the count the step is named by
    const char* next = "";              // Delete: the item the selection moves on to
};

// The expected shapes follow the insertion rules item after item: a channel before a
// channel reference or first under a provider reference (or last under the last
// provider without one), a provider before the reference's provider (or last), each
// further one directly after the previous one of its kind.
TEST(SeveralItems, LandWhereTheRulesPutTheFirstOneAfterAnotherAsOneUndoableStep) {
    const Case cases[] = {
        {"provider covers its own channels", Action::Delete, {"A", "P", "D"}, "", "Q[C,E]", "X[Y] S[Z]", 2, "Q"},
        {"channels of several providers", Action::Delete, {"E", "A"}, "", "P[B] Q[C,D]", "X[Y] S[Z]", 2, "B"},
        {"move channels onto a channel", Action::Move, {"E", "A"}, "C", "P[B] Q[A,E,C,D]", "X[Y] S[Z]", 2},
        {"move channels onto a provider keeps their order", Action::Move, {"B", "D"}, "P", "P[B,D,A] Q[C,E]",
         "X[Y] S[Z]", 2},
        {"drop on a moved item: first unselected after it", Action::Move, {"A", "B"}, "A", "P Q[A,B,C,D,E]",
         "X[Y] S[Z]", 2},
        {"provider and channel dropped below", Action::Move, {"C", "P"}, "", "Q[D,E] P[A,B,C]", "X[Y] S[Z]", 2},
        {"drop on a channel of a moved provider", Action::Move, {"P", "E"}, "B", "P[A,B] Q[E,C,D]", "X[Y] S[Z]", 2},
        {"copy into the other tree", Action::CopyInto, {"D", "P", "A"}, "Y", "P[A,B] Q[C,D,E]",
         "P[A,B] X[D,Y] S[Z]", 2},
        {"cut and paste onto a provider", Action::CutPaste, {"C", "A"}, "Q", "P[B] Q[A,C,D,E]", "X[Y] S[Z]", 2},
        {"copy and paste into the other tree below", Action::CopyPaste, {"Q", "B"}, "", "P[A,B] Q[C,D,E]",
         "X[Y] S[Z,B] Q[C,D,E]", 2},
        {"three channels, one provider each", Action::Delete, {"E", "B", "C"}, "", "P[A] Q[D]", "X[Y] S[Z]", 3, "Q"},
        {"everything after the first item", Action::Delete, {"Q", "B"}, "", "P[A]", "X[Y] S[Z]", 2, "A"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        ChannelList list1;
        ChannelList list2;
        ChannelTree& tree = list1.television();
        ChannelTree& other = list2.television();
        buildTree(tree, "P[A,B] Q[C,D,E]");
        buildTree(other, "X[Y] S[Z]");
        CommandHistory history(list1, list2);
        EditorClipboard clipboard;
        const std::string before = shapeOf(tree);
        const std::string otherBefore = shapeOf(other);
        const std::vector<RecordImage> images = imagesOf(tree);

        std::vector<TreeItem*> selected;
        for (const std::string& label : test.selected) selected.push_back(named(tree, label));
        const std::vector<TreeItem*> items = operandItems(selected);
        ASSERT_EQ(items.size(), test.count);
        const bool intoOther = test.action == Action::CopyInto || test.action == Action::CopyPaste;
        ChannelTree& into = intoOther ? other : tree;
        const std::string targetLabel = test.target;

        std::unique_ptr<ListCommand> command;
        switch (test.action) {
        case Action::Delete:
            command = makeDeleteCommand(tree, items);
            break;
        case Action::Move:
        case Action::CopyInto:
            command = makeTransferCommand(tree, into, items, targetLabel.empty() ? nullptr : named(into, targetLabel));
            break;
        case Action::CutPaste:
            history.execute(makeCutCommand(tree, items, clipboard));
            break;
        case Action::CopyPaste:
            clipboard.copy(items);
            break;
        }
        if (test.action == Action::CutPaste || test.action == Action::CopyPaste) {
            ASSERT_EQ(clipboard.groupCount(), test.count);
            command = makePasteCommand(into, targetLabel.empty() ? nullptr : named(into, targetLabel), clipboard);
        }
        const StepName name = command->name();
        EXPECT_EQ(name.scope, StepScope::Items);
        EXPECT_EQ(name.count, test.count);
        const ItemToSelect after = history.execute(std::move(command));
        if (test.action == Action::Delete) {
            ASSERT_NE(after.item, nullptr);
            EXPECT_EQ(after.item->label(), test.next);
        }

        EXPECT_EQ(shapeOf(tree), test.tree);
        EXPECT_EQ(shapeOf(other), test.other);
        EXPECT_TRUE(clipboard.empty());

        // One step: one undo gives both trees back.
        if (test.action == Action::CutPaste) history.undo();
        history.undo();
        EXPECT_EQ(shapeOf(tree), before);
        EXPECT_EQ(shapeOf(other), otherBefore);
        EXPECT_EQ(imagesOf(tree), images);
    }
}

}  // namespace
}  // namespace qvx
