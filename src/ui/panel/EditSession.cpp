// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/EditSession.h"

#include "commands/ListCommands.h"
#include "model/ChannelTree.h"
#include "session/EditorSession.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/fields/ST_InfoWnd.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {

EditSession::EditSession(ChannelSettingsPanel& panel, EditorSession& session, QObject* parent)
    : QObject(parent), panel_(panel), session_(session) {}

bool EditSession::isEditing() const { return session_.isEditing(); }

void EditSession::showCurrentItem(CTreeSat& tree, TreeItem* item) {
    if (session_.isEditing() || !item) return;
    showRecordOf(tree, *item);
}

void EditSession::ShowRecordOfClickedItem(CTreeSat& tree, TreeItem* item) {
    if (item) showItemRecord(tree, *item);
}

void EditSession::showItemRecord(CTreeSat& tree, const TreeItem& item) {
    showRecordOf(tree, item);
    editRecord_ = item.record();
}

void EditSession::showRecordOf(const CTreeSat& tree, const TreeItem& item) {
    panel_.ShowRecord(item.record());
    shownItem_.hold(tree.channelModel(), &item);
    showsItem_ = true;
}

void EditSession::watchRemovals(const CTreeSat& tree) {
    // After the removal: a current item that moved on to a neighbour has been shown by then.
    connect(tree.channelModel(), &QAbstractItemModel::rowsRemoved, this, &EditSession::emptyPanelIfShownItemIsGone);
    connect(tree.channelModel(), &QAbstractItemModel::modelReset, this, &EditSession::emptyPanelIfShownItemIsGone);
}

void EditSession::emptyPanelIfShownItemIsGone() {
    if (!showsItem_ || shownItem_) return;
    showsItem_ = false;
    panel_.clearFields();
}

void EditSession::takeClickedItem(CTreeSat& tree, TreeItem* item) {
    editTree_ = &tree;
    if (!item) return;
    editItem_.hold(tree.channelModel(), item);
    showItemRecord(tree, *item);
}

bool EditSession::EditSelectedItem(CTreeSat& tree) {
    if (session_.isEditing()) return false;
    TreeItem* item = tree.selectedItem();
    if (!item) return false;
    editTree_ = &tree;
    editItem_.hold(tree.channelModel(), item);
    showItemRecord(tree, *item);
    BeginEdit(!item->hasChildren() && item->hasParent());
    return true;
}

namespace {

std::vector<const ChannelRecord*> recordsOf(const std::vector<TreeItem*>& items) {
    std::vector<const ChannelRecord*> records;
    records.reserve(items.size());
    for (const TreeItem* item : items) records.push_back(&item->record());
    return records;
}

}  // namespace

void EditSession::showSelection(CTreeSat& tree, const std::vector<TreeItem*>& items) {
    if (session_.isEditing() || items.size() < 2) return;
    panel_.ShowShared(recordsOf(items));
    shownItem_.hold(tree.channelModel(), items.front());
    showsItem_ = true;
}

bool EditSession::EditItems(CTreeSat& tree, const std::vector<TreeItem*>& channels) {
    if (session_.isEditing() || channels.size() < 2) return false;
    editTree_ = &tree;
    editItem_.clear();
    editItems_.clear();
    for (TreeItem* channel : channels) {
        editItems_.emplace_back();
        editItems_.back().hold(tree.channelModel(), channel);
    }
    panel_.ShowShared(recordsOf(channels));
    sharedValues_ = panel_.fieldValues();
    editRecord_.reset();
    BeginEdit(true);
    return true;
}

void EditSession::BeginEdit(bool asChannel) {
    editAsChannel_ = asChannel;
    session_.beginEdit();
    emit modeChanged(true, asChannel);
    panel_.nameField()->setFocus(Qt::OtherFocusReason);
}

void EditSession::EndEdit() {
    session_.endEdit();
    emit modeChanged(false, false);
    // A refusal shown for a field that can no longer be edited would only confuse.
    for (QWidget* field : panel_.leadingFocusOrder() + panel_.trailingFocusOrder())
        if (auto* edit = qobject_cast<CValidatingEdit*>(field)) edit->infoWindow().HideInfo();
    if (editTree_) editTree_->setFocus(Qt::OtherFocusReason);
}

void EditSession::ApplyEdit() {
    if (!session_.isEditing()) return;
    // A value the field refuses is never stored: the refusal is shown instead.
    QString refusal;
    if (CValidatingEdit* field = panel_.firstRefusedField(&refusal)) {
        field->infoWindow().HideInfo();
        field->refuse(refusal);
        return;
    }
    if (!editItems_.empty() && editTree_) {
        std::vector<std::pair<TreeItem*, ChannelRecord>> edits;
        for (const HeldItem& held : editItems_) {
            TreeItem* item = held.get();
            if (!item) continue;
            ChannelRecord copy = item->record();
            panel_.storeChangedInto(copy, copy.isChannel == 1, sharedValues_);
            edits.emplace_back(item, copy);
        }
        editItems_.clear();
        session_.run(makeEditRecordsCommand(editTree_->channelModel()->tree(), std::move(edits)));
    } else if (TreeItem* item = editItem_.get(); editTree_ && item) {
        ChannelRecord copy = item->record();
        const bool asChannel = editAsChannel_ && copy.isChannel == 1;
        panel_.storeInto(copy, asChannel);
        session_.run(makeEditRecordCommand(editTree_->channelModel()->tree(), *item, copy, asChannel));
    }
    EndEdit();
}

void EditSession::CancelEdit() {
    if (!session_.isEditing()) return;
    EndEdit();
    if (!editItems_.empty()) {
        std::vector<TreeItem*> items;
        for (const HeldItem& held : editItems_)
            if (TreeItem* item = held.get()) items.push_back(item);
        editItems_.clear();
        panel_.ShowShared(recordsOf(items));
        return;
    }
    if (editRecord_) panel_.ShowRecord(*editRecord_);
}

}  // namespace qvx
