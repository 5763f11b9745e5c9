// SPDX-License-Identifier: GPL-3.0-or-later
// "Compare Lists": the two ways of comparing and the command, with its progress in list 1's status pane.
#include <algorithm>
#include <climits>
#include <memory>

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

#include "session/EditorSession.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CProgressBar.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/list/ListColumn.h"

namespace qvx {
namespace {

// Each compared pair of trees shows a bar from its start to its end.
class StatusPaneProgress final : public CompareProgress {
public:
    explicit StatusPaneProgress(QWidget& window) : window_(window) {}

    void begin(std::size_t maximum) override {
        const int upper = static_cast<int>(std::min<std::size_t>(maximum, INT_MAX));
        bar_ = std::make_unique<CProgressBar>(window_, QCoreApplication::translate("Window", "Comparing"), 100, upper, true,
                                              EditorStatusBar::kList1Pane);
    }
    void step() override { bar_->Step(); }
    void end() override { bar_.reset(); }

private:
    QWidget& window_;
    std::unique_ptr<CProgressBar> bar_;
};

}  // namespace

void CEditorDialog::CompareLists() {
    if (isEditing()) return;
    StatusPaneProgress progress(*this);
    session_->compare(panel_->compareOptions(), &progress);
}

}  // namespace qvx
