// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "formats/ListFiles.h"
#include "model/ChannelList.h"
#include "model/TreeBuilder.h"
#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/list/ListColumn.h"

namespace qvx {

QString ScriptedPrompts::chooseFileToLoad(QWidget*, const QString& title) {
    fileTitles << title;
    if (fileAnswers.empty()) return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

UserPrompts::SaveChoice ScriptedPrompts::chooseFileToSave(QWidget* parent, const QString& title) {
    SaveChoice choice{chooseFileToLoad(parent, title), std::nullopt};
    if (!saveTypeAnswers.empty()) {
        choice.format = saveTypeAnswers.front();
        saveTypeAnswers.pop_front();
    }
    return choice;
}

bool ScriptedPrompts::askYesNo(QWidget*, const QString& question, DefaultAnswer defaultAnswer) {
    questions << question;
    questionDefaults.push_back(defaultAnswer);
    if (yesNoAnswers.empty()) return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

void ScriptedPrompts::tell(QWidget*, const QString& message) { messages << message; }

std::optional<QString> ScriptedPrompts::askText(QWidget*, const QString& label, const QString&) {
    textQuestions << label;
    if (textAnswers.empty()) return std::nullopt;
    QString answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

void ScriptedPrompts::runDialog(QDialog& dialog) {
    dialogTitles << dialog.windowTitle();
    if (dialogAnswer) dialogAnswer(dialog);
}

ChannelRecord recordOf(const Entry& entry) {
    ChannelRecord record = entry.provider ? ChannelRecord::newProvider(entry.serviceType)
                                          : ChannelRecord::newChannel(entry.serviceType);
    record.setName(entry.name);
    record.serviceId = entry.serviceId;
    return record;
}

EditorTest::EditorTest() {
    auto prompts = std::make_unique<ScriptedPrompts>();
    prompts_ = prompts.get();
    dialog_ = std::make_unique<CEditorDialog>(std::move(prompts));
    dialog_->setViewerNotifier([this](unsigned long window) { notifications_.push_back(window); });
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
}

EditorTest::~EditorTest() = default;

QString EditorTest::writeList(const QString& fileName, const std::vector<Entry>& entries) const {
    ChannelList list;
    {
        TreeBuilder builder(list.television(), list.radio());
        for (const Entry& entry : entries) builder.accept(recordOf(entry));
        builder.finish();
    }
    const QString path = pathOf(fileName);
    const FileResult result = qvx::writeList(QFile::encodeName(path).toStdString(),
                                             *listFormatForExtension(lowerCasedExtension(path.toStdString())),
                                             list);
    EXPECT_TRUE(result.ok()) << result.message;
    return path;
}

QString EditorTest::writeStandardList(const QString& fileName) const {
    return writeList(fileName, {{true, 1, "P1"},
                                {false, 1, "A"},
                                {false, 1, "B"},
                                {true, 1, "P2"},
                                {false, 1, "C"},
                                {true, 2, "R1"},
                                {false, 2, "Radio 1"}});
}

void EditorTest::load(int list, const QString& path) {
    prompts_->fileAnswers.push_back(path);
    press(ofList(Command::Load1, list));
}

void EditorTest::press(Command command, CTreeSat* tree, TreeItem* item) const {
    EXPECT_TRUE(dialog_->commands().trigger(command, Operand(tree, item)))
        << "command " << static_cast<int>(command) << " is grayed";
}

Command EditorTest::ofList(Command first, int list) {
    return list == 1 ? first : static_cast<Command>(static_cast<int>(first) + 5);
}

bool EditorTest::editSelected(CTreeSat* tree) const {
    dialog_->commands().trigger(Command::Edit, Operand(tree, tree->selectedItem()));
    return dialog_->isEditing();
}

CTreeSat* EditorTest::tree(int list, bool television) const {
    return dialog_->column(list).tree(television ? TreeKind::Television : TreeKind::Radio);
}

QPushButton* EditorTest::button(const char* objectName) const {
    auto* found = dialog_->findChild<QPushButton*>(QLatin1String(objectName));
    EXPECT_NE(found, nullptr) << objectName;
    return found;
}

QString EditorTest::pane(int index) const { return dialog_->statusBar().paneText(index); }

}  // namespace qvx
