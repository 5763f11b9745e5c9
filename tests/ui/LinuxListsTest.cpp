// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux channel files in the window: a .conf list is read by its
// content, saved back in its own format with only the edited line changed,
// saved as the file type chosen, and a faulty one leaves the list and its
// file as they were.
#include <QFile>

#include "UiTestSupport.h"
#include "commands/ListCommands.h"
#include "session/EditorSession.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

using LinuxLists = EditorTest;

// Two groups and a radio channel, as VDR writes them.
constexpr char kVdrFile[] =
    ":ARD\n"
    "Das Erste HD;ARD:11494:HC23M5O35P0S1:S19.2E:22000:5101=27:5102=deu@3,5103=mis@3;5106=deu@106:5104;5105=deu:0:10301:1:1019:0\n"
    "hr-fernsehen;ARD:11836:HC34M2S0:S19.2E:27500:301:302=deu:304:0:28108:1:1101:0\n"
    ":Radio\n"
    "NDR 2;ARD:12109:HC34M2S0:S19.2E:27500:0:2301=deu:0:0:28437:1:1073:0\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(LinuxLists, AConfListIsSavedInItsOwnFormatAndInTheChosenType) {
    const QString path = pathOf(QStringLiteral("channels.conf"));
    write(path, kVdrFile);
    load(1, path);
    EXPECT_EQ(pane(EditorStatusBar::kList1Pane), "File1: channels.conf");
    ChannelTree& television = dialog_->session().list(1).television();
    ASSERT_EQ(television.itemCount(), 3u);
    EXPECT_EQ(dialog_->session().list(1).radio().itemCount(), 2u);

    // Renamed and saved: that name alone changes.
    dialog_->session().run(makeRenameCommand(television, *television.topLevelItem(0)->child(1), "hr"));
    press(Command::Save1);
    QByteArray expected(kVdrFile);
    expected.replace("hr-fernsehen;", "hr;");
    EXPECT_EQ(contents(path), expected);

    // Saved as the dvbv5 type; Save then keeps writing dvbv5.
    const QString dvbv5 = pathOf(QStringLiteral("dvbv5.conf"));
    prompts_->fileAnswers.push_back(dvbv5);
    prompts_->saveTypeAnswers.push_back(ListFormat::Dvbv5);
    press(Command::SaveAs1);
    EXPECT_TRUE(contents(dvbv5).startsWith("[Das Erste HD]\n"));
    QFile::remove(dvbv5);
    prompts_->yesNoAnswers = {true};  // gone since it was saved: Save asks first
    press(Command::Save1);
    EXPECT_TRUE(contents(dvbv5).startsWith("[Das Erste HD]\n"));
    // The type names no format where the name's extension says another.
    const QString native = pathOf(QStringLiteral("native.qvx"));
    prompts_->fileAnswers.push_back(native);
    prompts_->saveTypeAnswers.push_back(ListFormat::Zap);
    press(Command::SaveAs1);
    EXPECT_EQ(contents(native).size(), 12 + 5 * 172);  // a native header and five records
    EXPECT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.join(' ').toStdString();
}

TEST_F(LinuxLists, AFaultyConfListLeavesTheListAndItsFileAsTheyWere) {
    const QString good = pathOf(QStringLiteral("good.conf"));
    write(good, kVdrFile);
    load(1, good);
    const QString bad = pathOf(QStringLiteral("bad.conf"));
    write(bad, QByteArray(kVdrFile) + "Broken:11836:hC23M9:S19.2E:27500:1:2:0:0:1:1:1:0\n");
    load(1, bad);
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_TRUE(prompts_->messages[0].startsWith(bad + ":6: ")) << prompts_->messages[0].toStdString();
    EXPECT_EQ(pane(EditorStatusBar::kList1Pane), "File1: good.conf");
    EXPECT_EQ(dialog_->session().list(1).television().itemCount(), 3u);
    EXPECT_TRUE(dialog_->session().canSave(1));
    EXPECT_TRUE(dialog_->session().canClose(1));
    press(Command::Save1);
    EXPECT_EQ(contents(good), QByteArray(kVdrFile));
}

}  // namespace
}  // namespace qvx
