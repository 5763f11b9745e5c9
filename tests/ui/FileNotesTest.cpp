// SPDX-License-Identifier: GPL-3.0-or-later
// What a load left out and what a save could not keep show in the status
// bar's last pane, as qvxtool says them; a load or save that loses nothing
// leaves the pane as it was.
#include <QFile>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "commands/ListCommands.h"
#include "session/EditorSession.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

using FileNotes = EditorTest;

TEST_F(FileNotes, LoadAndSaveSayWhatTheyLeftOutInTheNotePane) {
    const QString clean = writeList(QStringLiteral("clean.dvb"), {{true, 1, "P"}, {false, 1, "A"}});
    const QString tail = writeList(QStringLiteral("tail.dvb"), {{true, 1, "P"}, {false, 1, "A"}});
    {
        QFile file(tail);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("0123456789");
    }
    const QString longName = writeList(QStringLiteral("long.dvb"), {{true, 1, "P"}, {false, 1, "A"}});

    load(1, clean);
    EXPECT_EQ(pane(EditorStatusBar::kNotePane), "");
    load(2, tail);
    EXPECT_EQ(pane(EditorStatusBar::kNotePane),
              "tail.dvb: bytes at the end that form no whole record were not read (10 bytes)");

    // A name of 24 characters, saved where only 23 survive a read.
    load(1, longName);
    ChannelTree& television = dialog_->session().list(1).television();
    dialog_->session().run(makeRenameCommand(television, *television.topLevelItem(0)->child(0), "a name of twenty-four ch"));
    prompts_->fileAnswers.push_back(pathOf(QStringLiteral("saved.dvb")));
    press(Command::SaveAs1);
    EXPECT_EQ(pane(EditorStatusBar::kNotePane), "saved.dvb: names longer than 23 characters are cut (1 record)");
    EXPECT_TRUE(prompts_->messages.isEmpty());
}

}  // namespace
}  // namespace qvx
