// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the command tests compare: a whole list pair written out exactly, and
// checks that a tree's bookkeeping (rows, parents, count) is sound.

#include <gtest/gtest.h>

#include <string>

#include "model/ChannelList.h"

namespace qvx::commandtest {

// Every byte of every record, label, looks and order, with the tree's own
// bookkeeping checked on the way.
inline std::string snapshotOf(const ChannelTree& tree) {
    std::string out;
    std::size_t count = 0;
    // One line per item: indentation, label, looks, the record in hex.
    auto write = [&](const TreeItem& item) {
        static const char digits[] = "0123456789abcdef";
        out += (item.hasParent() ? "    " : "  ") + item.label() + '|' + (item.isBold() ? 'b' : '-') +
               std::to_string(item.image()) + ',' + std::to_string(item.selectedImage()) + '|';
        for (const std::uint8_t byte : item.record().image()) {
            out += digits[byte >> 4];
            out += digits[byte & 15];
        }
        // What it carries from a text format goes with it as much as its record.
        if (const CarriedPtr& carried = item.carried()) {
            out += '|' + carried->format() + '@' + std::to_string(carried->place());
            for (const Carried::Field& field : carried->fields())
                out += '|' + std::string(field.name) + '=' + std::string(field.value);
        }
        out += '\n';
        ++count;
    };
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        const TreeItem& top = *tree.topLevelItem(row);
        EXPECT_EQ(top.row(), row);
        EXPECT_EQ(top.parent(), nullptr);
        write(top);
        for (int child = 0; child < top.childCount(); ++child) {
            EXPECT_EQ(top.child(child)->row(), child);
            EXPECT_EQ(top.child(child)->parent(), &top);
            write(*top.child(child));
        }
    }
    EXPECT_EQ(tree.itemCount(), count);
    return out;
}

inline std::string snapshotOf(const ChannelList& first, const ChannelList& second) {
    return "File1 Television\n" + snapshotOf(first.television()) + "File1 Radio\n" + snapshotOf(first.radio()) +
           "File2 Television\n" + snapshotOf(second.television()) + "File2 Radio\n" + snapshotOf(second.radio());
}

// The first line where two snapshots part, for a readable failure.
inline std::string firstDifference(const std::string& actual, const std::string& expected) {
    std::size_t line = 0;
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size()) {
        const std::size_t endA = actual.find('\n', at);
        const std::size_t endE = expected.find('\n', at);
        if (actual.compare(at, endA - at, expected, at, endE - at) != 0 || endA != endE)
            return "line " + std::to_string(line) + ":\n  is        " + actual.substr(at, endA - at) +
                   "\n  should be " + expected.substr(at, endE - at);
        at = endA + 1;
        ++line;
    }
    return actual.size() < expected.size() ? "items missing from line " + std::to_string(line)
           : actual.size() > expected.size() ? "items too many from line " + std::to_string(line)
                                             : std::string("none");
}

#define EXPECT_SAME_LISTS(actual, expected) \
    EXPECT_TRUE((actual) == (expected)) << ::qvx::commandtest::firstDifference((actual), (expected))
#define ASSERT_SAME_LISTS(actual, expected) \
    ASSERT_TRUE((actual) == (expected)) << ::qvx::commandtest::firstDifference((actual), (expected))

// Whether the item stands in the tree (so a view may select it).
inline bool holds(const ChannelTree& tree, const TreeItem* item) {
    for (const auto& top : tree.topLevelItems()) {
        if (top.get() == item) return true;
        for (const auto& child : top->children())
            if (child.get() == item) return true;
    }
    return false;
}

}  // namespace qvx::commandtest
