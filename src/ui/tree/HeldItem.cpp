// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tree/HeldItem.h"

#include "ui/tree/ChannelTreeModel.h"

namespace qvx {

void HeldItem::hold(const ChannelTreeModel* model, const TreeItem* item) {
    index_ = model && item ? QPersistentModelIndex(model->indexOf(item)) : QPersistentModelIndex();
}

TreeItem* HeldItem::get() const {
    return index_.isValid() ? static_cast<TreeItem*>(index_.internalPointer()) : nullptr;
}

}  // namespace qvx
