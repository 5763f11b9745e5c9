// The list commands: Load, Save as, Save, Clear all, Close and the start-up file.
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "documents/ListDocument.h"
#include "ui/CEditorDialog.h"
#include "ui/EditorStatusBar.h"
#include "ui/ListColumn.h"
#include "ui/UserPrompts.h"

namespace qvx {
namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

}  // namespace

void CEditorDialog::updateStatusPane(int number) {
    statusBar_->setPaneText(number == 1 ? EditorStatusBar::kList1Pane : EditorStatusBar::kList2Pane,
                            fromLocal(list(number).statusText()));
}

bool CEditorDialog::reportFileResult(const FileResult& result) {
    if (!result.message.empty()) prompts_->tell(this, fromLocal(result.message));
    return result.ok();
}

void CEditorDialog::Load(int number) {
    const QString path =
        prompts_->chooseFileToLoad(this, QStringLiteral("Load Channellist File %1").arg(number));
    if (path.isEmpty()) return;
    loading_ = true;
    const FileResult result = ListDocument(list(number)).load(localPath(path));
    loading_ = false;
    updateStatusPane(number);
    if (!reportFileResult(result)) return;
    column(number).saveButton()->setEnabled(true);
    column(number).closeButton()->setEnabled(true);
}

void CEditorDialog::SaveAs(int number) {
    const QString path =
        prompts_->chooseFileToSave(this, QStringLiteral("Save Channellist File %1").arg(number));
    if (path.isEmpty()) return;
    const FileResult result = ListDocument(list(number)).saveAs(localPath(path));
    updateStatusPane(number);
    reportFileResult(result);
    column(number).saveButton()->setEnabled(true);
}

void CEditorDialog::Save(int number) {
    reportFileResult(ListDocument(list(number)).save());
    // The viewer rereads list 1 after every Save, also one that failed.
    if (number == 1 && notifyViewer_) notifyViewer_(static_cast<unsigned long>(winId()));
}

void CEditorDialog::ClearAll(int number) { list(number).clearAll(); }

void CEditorDialog::Close(int number) {
    list(number).close();
    column(number).closeButton()->setEnabled(false);
    column(number).saveButton()->setEnabled(false);
    updateStatusPane(number);
}

void CEditorDialog::loadStartupFile(const QString& commandLine) {
    if (commandLine.isEmpty()) return;
    QFile file(commandLine);
    if (!QFileInfo(commandLine).isFile() || !file.open(QIODevice::ReadOnly)) return;
    file.close();
    loading_ = true;
    const FileResult result = ListDocument(list(1)).loadAtStartup(localPath(commandLine));
    loading_ = false;
    if (result.outcome == FileOutcome::UnknownFormat) return;
    updateStatusPane(1);
    if (!reportFileResult(result)) return;
    // Close stays disabled until the panel next leaves edit mode.
    column(1).saveButton()->setEnabled(true);
}

}  // namespace qvx
