// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// whole tree; other steps name one item or none.
enum class StepScope : std::uint8_t { Item, Provider, All };

struct StepName {
    StepName(StepKind what, StepScope where = StepScope::Item, std::string label = {})
        : kind(what), scope(where), subject(std::move(label)) {}

    StepKind kind;
    StepScope scope;
    // The label of the item the step names, in the lists' Windows-1252
    // bytes; empty for a step that names none.
    std::string subject;

    bool operator==(const StepName&) const = default;
};

}  // namespace qvx
