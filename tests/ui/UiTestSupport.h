// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include "model/ChannelRecord.h"
#include "ui/commands/CommandTable.h"
#include "ui/platform/UserPrompts.h"

class QPushButton;

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace qvx {

class CEditorDialog;
class ChannelTree;
class CTreeSat;
class TreeItem;

// Answers the window's questions from a script and records what was asked.
class ScriptedPrompts final : public UserPrompts {
public:
    QString chooseFileToLoad(QWidget* parent, const QString& title) override;
    SaveChoice chooseFileToSave(QWidget* parent, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& question, DefaultAnswer defaultAnswer) override;
    void tell(QWidget* parent, const QString& message) override;
    std::optional<QString> askText(QWidget* parent, const QString& label, const QString& text) override;
    void runDialog(QDialog& dialog) override;

    std::deque<QString> fileAnswers;  // an empty answer is Cancel
    // The file type chosen with the next Save as answers, where one is.
    std::deque<std::optional<ListFormat>> saveTypeAnswers;
    std::deque<bool> yesNoAnswers;    // No when the script has run out
    std::deque<QString> textAnswers;  // Cancel when the script has run out
    QStringList textQuestions;
    QStringList fileTitles;
    QStringList questions;
    std::vector<DefaultAnswer> questionDefaults;  // one per question
    QStringList messages;
    QStringList dialogTitles;
    // Runs each dialog when set (for example: exec it and answer from a queued call).
    std::function<void(QDialog&)> dialogAnswer;
};

// One entry of a fixture list file.
struct Entry {
    bool provider;
    std::uint8_t serviceType;
    std::string name;
    std::uint16_t serviceId = 0;  // what Compare Lists may match by
};

ChannelRecord recordOf(const Entry& entry);

// A window with scripted prompts in its own temporary folder.
class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    QString pathOf(const QString& fileName) const { return folder_.filePath(fileName); }
    // Writes a native list through the core writer: `entries` in file order.
    QString writeList(const QString& fileName, const std::vector<Entry>& entries) const;
    // Provider "P1" with channels "A", "B"; provider "P2" with channel "C" (Television);
    // provider "R1" with channel "Radio 1" (Radio).
    QString writeStandardList(const QString& fileName) const;
    // Loads through the Load command with the path answered in advance.
    void load(int list, const QString& path);
    // Runs the window's command as its button, menu entry or key would, on `item` of `tree`
    // where it works on one; fails the test when the command is grayed.
    void press(Command command, CTreeSat* tree = nullptr, TreeItem* item = nullptr) const;
    // The command of list 1 or 2 (`first` names list 1's).
    static Command ofList(Command first, int list);
    // Edit of the tree's selected item, as a double-click asks for it; true when edit mode began.
    bool editSelected(CTreeSat* tree) const;

    CTreeSat* tree(int list, bool television = true) const;
    QPushButton* button(const char* objectName) const;
    QString pane(int index) const;

    QTemporaryDir folder_;
    ScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<CEditorDialog> dialog_;
    std::vector<unsigned long> notifications_;
};

}  // namespace qvx
