// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/BulkSettings.h"

#include "model/ChannelTree.h"

namespace qvx {
namespace {

std::uint8_t& fieldOf(ChannelRecord& record, BulkField field) {
    switch (field) {
    case BulkField::Lnb: return record.lnb;
    case BulkField::RotorPosition: return record.rotorPosition;
    case BulkField::Volume: break;
    }
    return record.volume;
}

void writeField(ChannelTree& tree, TreeItem* item, BulkField field, std::uint8_t value) {
    ChannelRecord record = item->record();
    fieldOf(record, field) = value;
    tree.replaceRecord(item, record);
}

void writeWithChildren(ChannelTree& tree, TreeItem* item, BulkField field, std::uint8_t value) {
    writeField(tree, item, field, value);
    for (const auto& channel : item->children()) writeField(tree, channel.get(), field, value);
}

}  // namespace

int bulkStartValue(BulkField field, const TreeItem* reference) {
    if (!reference) return field == BulkField::Volume ? 100 : 1;
    ChannelRecord record = reference->record();
    return fieldOf(record, field);
}

void applyBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value) {
    const auto byte = static_cast<std::uint8_t>(value & 0xFF);
    if (reference) {
        if (reference->hasParent())
            writeField(tree, reference, field, byte);
        else
            writeWithChildren(tree, reference, field, byte);
        return;
    }
    for (const auto& top : tree.topLevelItems()) writeWithChildren(tree, top.get(), field, byte);
}

void applyBulkValue(ChannelTree& tree, std::span<TreeItem* const> items, BulkField field, int value,
                    bool withChannels) {
    if (withChannels) {
        for (TreeItem* item : items) applyBulkValue(tree, item, field, value);
        return;
    }
    const auto byte = static_cast<std::uint8_t>(value & 0xFF);
    for (TreeItem* item : items) writeField(tree, item, field, byte);
}

}  // namespace qvx
