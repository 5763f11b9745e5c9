// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace qvx {

// What a step of the history did. The window words it in its own language
// from its table of commands; the core only names it.
enum class StepKind : std::uint8_t {
    Edit,          // the settings panel's OK
    Rename,
    Delete,
    Cut,
    Paste,
    NewChannel,
    NewProvider,
    Move,          // a drop within its own tree
    CopyInto,      // a drop into another tree
    SetLnb,
    SetRotorPosition,
    SetVolume,
    CompareLists,
    RemoveDuplicates,
    SortChannels,
    ArrangeLikeOtherList,
    ClearAll,
};

// What a setting covered: one channel, a provider with its channels, or a
// whole tree; other steps name one item or none. Items: several selected
// items, named by their count; Shown: what a filter shows of a tree, counted.
enum class StepScope : std::uint8_t { Item, Provider, All, Items, Shown };

struct StepName {
    StepName(StepKind what, StepScope where = StepScope::Item, std::string label = {})
        : kind(what), scope(where), subject(std::move(label)) {}

    StepKind kind;
    StepScope scope;
    // The label of the item the step names, in the lists' Windows-1252
    // bytes; empty for a step that names none.
    std::string subject;
    // How many items a step of scope Items or Shown covered.
    std::size_t count = 0;

    static StepName counted(StepKind what, std::size_t items, StepScope where = StepScope::Items) {
        StepName name(what, where);
        name.count = items;
        return name;
    }

    bool operator==(const StepName&) const = default;
};

}  // namespace qvx
