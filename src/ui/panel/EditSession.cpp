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
    if (TreeItem* item = editItem_.get(); editTree_ && item) {
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
    if (editRecord_) panel_.ShowRecord(*editRecord_);
}

}  // namespace qvx
