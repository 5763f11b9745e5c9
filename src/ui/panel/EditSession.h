// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include <QStringList>

#include <QObject>

#include "model/ChannelRecord.h"
#include "ui/tree/HeldItem.h"

namespace qvx {

class ChannelSettingsPanel;
class CTreeSat;
class EditorSession;
class TreeItem;

// The settings panel's edit session: which item the panel shows or edits
// (editTree, editItem, editRecord), whether it is in edit mode (editing), and
// the panel operations that enter and leave that mode. OK stores the fields
// as one command of the editing session, which also learns when edit mode
// begins and ends; the panel's own fields follow modeChanged.
class EditSession final : public QObject {
    Q_OBJECT

public:
    EditSession(ChannelSettingsPanel& panel, EditorSession& session, QObject* parent = nullptr);
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    bool isEditing() const;
    CTreeSat* editTree() const { return editTree_; }
    TreeItem* editItem() const { return editItem_.get(); }
    const std::optional<ChannelRecord>& editRecord() const { return editRecord_; }

    // Enters edit mode for the selected item of `tree`; false when it has none or an edit runs.
    bool EditSelectedItem(CTreeSat& tree);
    // Edit mode for several channels of `tree` (no provider among them): the panel shows what
    // they share; OK writes only the fields the user changed into each of them, as one step.
    bool EditItems(CTreeSat& tree, const std::vector<TreeItem*>& channels);
    // Several items selected (not while editing): the panel shows the values they share.
    void showSelection(CTreeSat& tree, const std::vector<TreeItem*>& items);
    void BeginEdit(bool asChannel);
    void EndEdit();
    // OK: stores the fields into the item's record unless a field refuses its value.
    void ApplyEdit();
    // Cancel: leaves edit mode and shows the stored record again.
    void CancelEdit();

    // A click on an item's picture or label shows its record again.
    void ShowRecordOfClickedItem(CTreeSat& tree, TreeItem* item);
    // The tree's current item changed (not while a list loads): its record is shown.
    void showCurrentItem(CTreeSat& tree, TreeItem* item);
    // A right-click in `tree`, on `item` or (null) elsewhere: what a menu command works on.
    void takeClickedItem(CTreeSat& tree, TreeItem* item);
    // Shows the item's record in the panel; Cancel shows it again.
    void showItemRecord(CTreeSat& tree, const TreeItem& item);
    // The panel follows the removals of `tree`: once the item it shows is gone (Delete, Cut,
    // Clear all, Close, Compare Lists, a load), its fields are emptied.
    void watchRemovals(const CTreeSat& tree);

signals:
    // Edit mode began (with the kind of item) or ended.
    void modeChanged(bool editing, bool asChannel);

private:
    ChannelSettingsPanel& panel_;
    EditorSession& session_;

    bool editAsChannel_ = false;
    CTreeSat* editTree_ = nullptr;
    HeldItem editItem_;
    // A copy of the record last shown for editing or by a click; Cancel shows it again.
    std::optional<ChannelRecord> editRecord_;
    // The item whose record the panel shows; `showsItem_` stays set after it is removed,
    // until the panel has been emptied.
    HeldItem shownItem_;
    // Edit mode for several channels: them, and what the fields showed when it began.
    std::vector<HeldItem> editItems_;
    QStringList sharedValues_;
    bool showsItem_ = false;

    void showRecordOf(const CTreeSat& tree, const TreeItem& item);
    void emptyPanelIfShownItemIsGone();
};

}  // namespace qvx
