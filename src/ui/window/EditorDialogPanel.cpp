// The settings panel's modes: what the window enables and hides while an item is edited.
#include <QPushButton>

#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/list/ListColumn.h"
#include "ui/fields/ST_InfoWnd.h"

namespace qvx {

void CEditorDialog::onCurrentItemChanged(CTreeSat&, TreeItem* item) {
    if (editing_ || loading_ || !item) return;
    panel_->ShowRecord(item->record());
}

void CEditorDialog::ShowRecordOfClickedItem(CTreeSat&, TreeItem* item) {
    if (item) showItemRecord(*item);
}

void CEditorDialog::showItemRecord(const TreeItem& item) {
    panel_->ShowRecord(item.record());
    editRecord_ = item.record();
}

void CEditorDialog::onItemRenamed(const QString& text) { panel_->nameField()->setText(text); }

bool CEditorDialog::EditSelectedItem(CTreeSat& tree) {
    if (editing_) return false;
    TreeItem* item = tree.selectedItem();
    if (!item) return false;
    editing_ = true;
    editTree_ = &tree;
    editItem_ = item;
    showItemRecord(*item);
    BeginEdit(!item->hasChildren() && item->hasParent());
    return true;
}

void CEditorDialog::setListButtonsEnabled(bool enabled) {
    for (int number = 1; number <= 2; ++number) {
        ListColumn& listColumn = column(number);
        listColumn.loadButton()->setEnabled(enabled);
        listColumn.saveAsButton()->setEnabled(enabled);
        listColumn.clearAllButton()->setEnabled(enabled);
        const bool fileButtons = enabled && list(number).hasFile();
        listColumn.saveButton()->setEnabled(fileButtons);
        listColumn.closeButton()->setEnabled(fileButtons);
    }
}

// Edit mode locks everything outside the panel and trades Quit and Compare Lists for OK and Cancel.
void CEditorDialog::showEditControls(bool editing, bool asChannel) {
    statusBar_->quickSearchSlot()->setEnabled(!editing);
    for (CTreeSat* tree : channelTrees()) tree->setEnabled(!editing);
    setListButtonsEnabled(!editing);
    quitButton_->setVisible(!editing);
    compareButton_->setVisible(!editing);
    panel_->setFieldsEnabled(editing, asChannel);
    okButton_->setVisible(editing);
    cancelButton_->setVisible(editing);
}

void CEditorDialog::BeginEdit(bool asChannel) {
    editAsChannel_ = asChannel;
    showEditControls(true, asChannel);
    panel_->nameField()->setFocus(Qt::OtherFocusReason);
}

void CEditorDialog::EndEdit() {
    showEditControls(false, false);
    // A refusal shown for a field that can no longer be edited would only confuse.
    for (QWidget* field : panel_->leadingFocusOrder() + panel_->trailingFocusOrder())
        if (auto* edit = qobject_cast<CValidatingEdit*>(field)) edit->infoWindow().HideInfo();
    if (editTree_) editTree_->setFocus(Qt::OtherFocusReason);
}

void CEditorDialog::ApplyEdit() {
    if (!editing_) return;
    // A value the field refuses is never stored: the refusal is shown instead.
    QString refusal;
    if (CValidatingEdit* field = panel_->firstRefusedField(&refusal)) {
        field->infoWindow().HideInfo();
        field->refuse(refusal);
        return;
    }
    if (editTree_ && editItem_) {
        ChannelTree& tree = editTree_->channelModel()->tree();
        ChannelRecord copy = editItem_->record();
        const bool asChannel = editAsChannel_ && copy.isChannel == 1;
        panel_->storeInto(copy, asChannel);
        tree.setLabel(editItem_, std::string(copy.nameText()));
        if (asChannel)
            tree.setLooks(editItem_, copy.isScrambled() ? kScrambledChannelImage : kFreeChannelImage,
                          kSelectedChannelImage);
        tree.replaceRecord(editItem_, copy);
    }
    EndEdit();
    editing_ = false;
}

void CEditorDialog::CancelEdit() {
    if (!editing_) return;
    EndEdit();
    editing_ = false;
    if (editRecord_) panel_->ShowRecord(*editRecord_);
}

}  // namespace qvx
