// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "compare/ChannelPlace.h"
#include "compare/CompareOptions.h"

namespace qvx {

class ChannelTree;
struct RecordField;

// Two channels the comparison pairs, and the fields in which their records differ.
struct ChangedPair {
    ChannelPlace a;
    ChannelPlace b;
    std::vector<const RecordField*> fields;
};

struct TreeDiff {
    std::vector<ChannelPlace> onlyInA;  // in tree A's order
    std::vector<ChannelPlace> onlyInB;  // in tree B's order
    std::vector<ChangedPair> changed;   // in tree A's order

    bool same() const { return onlyInA.empty() && onlyInB.empty() && changed.empty(); }
};

// What tells two trees apart, without changing either: channels are paired
// exactly as CompareTrees pairs them (each channel of `a`, in tree order,
// with the first still unpaired equal channel of `b`); what stays unpaired is
// only in one of them, and a pair whose records differ in any named field but
// the key is changed (the key's other fields are equal in a pair anyway; the
// names may differ in trailing blanks). Linear, on the comparison's index.
TreeDiff diffTrees(const ChannelTree& a, const ChannelTree& b, CompareOptions options);

}  // namespace qvx
