// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace qvx {

class ChannelTree;
class TreeItem;

// The record fields that "Set LNB", "Set Rotor position" and "Set Volume" write.
enum class BulkField { Lnb, RotorPosition, Volume };

// The value a setting dialog opens with: the field of the reference item's
// record, or 1, 1, 100 without one.
int bulkStartValue(BulkField field, const TreeItem* reference);

// Writes the low 8 bits of `value` (-1, "no entry chosen", becomes 255) into
// the field: of the reference channel; of the reference provider and each of
// its channels; without a reference, of every record of the tree, providers
// included. Nothing else changes; records are copied out and stored back whole.
void applyBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value);
// The same for each item of an operand (operandItems): a channel, or a provider with its
// channels; without `withChannels` each item's own record only (what a filter shows).
void applyBulkValue(ChannelTree& tree, std::span<TreeItem* const> items, BulkField field, int value,
                    bool withChannels = true);

}  // namespace qvx
