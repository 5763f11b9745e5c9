// SPDX-License-Identifier: GPL-3.0-or-later
// The editing session drives the whole window's state without a widget: the
// Save and Close of each list, the panes, the history and the clipboard.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FormatTestSupport.h"
#include "commands/ListCommands.h"
#include "documents/ListDocument.h"
#include "session/EditorSession.h"

namespace qvx {
namespace {

class EditorSessionTest : public ::testing::Test {
protected:
    EditorSessionTest() {
        session.setChangeListener([this] { ++told; });
    }

    // A native list with provider "P" and channels "A", "B" (Television).
    std::string savedList(const std::string& name) {
        ChannelList source;
        TreeItem* provider = testing::addProvider(source.television(), "P");
        testing::addChannel(source.television(), provider, "A");
        testing::addChannel(source.television(), provider, "B");
        const std::string path = folder.file(name);
        EXPECT_TRUE(ListDocument(source).saveAs(path).ok());
        return path;
    }
    TreeItem* channel(int list, int row) { return session.list(list).television().topLevelItem(0)->child(row); }
    std::string states() const {
        std::string out;
        for (int number : {1, 2})
            out += std::string(session.canSave(number) ? "S" : "-") + (session.canClose(number) ? "C" : "-");
        return out;
    }

    testing::TemporaryFolder folder;
    EditorSession session;
    int told = 0;
};

// Save and Close of both lists ("SC" per list, "-" where shut) through the
// file commands, an edit and a comparison, as the window's buttons behave.
TEST_F(EditorSessionTest, SaveAndCloseOpenAndShutAsTheFileCommandsSay) {
    const std::string good = savedList("good.qvx");
    const std::string shortFile = folder.file("short.qvx");
    testing::writeFileBytes(shortFile, {1, 2, 3});
    const struct {
        const char* step;
        std::function<void()> run;
        const char* expected;
    } steps[] = {
        {"load list 1", [&] { session.load(1, good); }, "SC--"},
        {"a reader failure opens nothing", [&] { session.load(2, shortFile); }, "SC--"},
        {"edit mode shuts them all", [&] { session.beginEdit(); }, "----"},
        {"its end opens those with a file, also after a failed read", [&] { session.endEdit(); }, "SCSC"},
        {"close list 2", [&] { session.close(2); }, "SC--"},
        {"save as of a list without file opens Save only", [&] { session.saveAs(2, folder.file("b.dvb")); }, "SCS-"},
        {"an edit then shuts its Save again", [&] { session.beginEdit(), session.endEdit(); }, "SC--"},
        {"an unknown extension changes no button", [&] { session.load(1, folder.file("x.txt")); }, "SC--"},
        {"save as into a missing folder still opens Save", [&] { session.saveAs(2, folder.file("no/c.qvx")); },
         "SCS-"},
        {"load list 2", [&] { session.load(2, good); }, "SCSC"},
        {"compare shuts both Saves", [&] { EXPECT_TRUE(session.compare(CompareOptions{})); }, "-C-C"},
        {"undo of the comparison leaves them shut", [&] { session.undo(); }, "-C-C"},
        {"the next edit shuts Close of a compared list", [&] { session.beginEdit(), session.endEdit(); }, "----"},
    };
    EXPECT_EQ(states(), "----") << "at start";
    for (const auto& step : steps) {
        const int before = told;
        step.run();
        EXPECT_EQ(states(), step.expected) << step.step;
        EXPECT_GT(told, before) << step.step << ": the window was not told";
    }
    EXPECT_FALSE(session.document(1).hasFile());
    EXPECT_EQ(session.document(1).path(), folder.file("x.txt"));
}

TEST_F(EditorSessionTest, PanesNameTheChosenFileAndNoneAfterClose) {
    const std::string good = savedList("Good.QVX");
    EXPECT_EQ(session.pane(1), (ListPane{ShownFile::NoneYet, "", false}));
    session.load(1, good);
    EXPECT_EQ(session.pane(1), (ListPane{ShownFile::Chosen, "Good.QVX", false}));
    session.load(2, folder.file("missing.dvb"));  // named before it is read
    EXPECT_EQ(session.pane(2), (ListPane{ShownFile::Chosen, "missing.dvb", false}));
    session.run(makeDeleteCommand(session.list(1).television(), *channel(1, 0)));
    EXPECT_EQ(session.pane(1), (ListPane{ShownFile::Chosen, "Good.QVX", true}));
    session.undo();
    EXPECT_FALSE(session.pane(1).changed);  // back to what the file holds
    session.redo();
    session.save(1);
    EXPECT_FALSE(session.pane(1).changed);
    session.close(1);
    EXPECT_EQ(session.pane(1), (ListPane{ShownFile::NoneAfterClose, "", false}));
    EXPECT_TRUE(session.list(1).television().empty());
    EXPECT_FALSE(session.canUndo());  // nothing is undone past a Close
    EXPECT_EQ(session.document(1).path(), good);  // kept until the next file is chosen
}

TEST_F(EditorSessionTest, StartUpFileLoadsOnlyANativeLayoutAndOpensOnlySave) {
    const struct {
        std::string name;
        bool write;
        bool loaded;
    } cases[] = {
        {"start.qvx", true, true},   {"START.CHL", true, true}, {"start.dvb", true, false},
        {"start.xch", true, false},  {"gone.qvx", false, false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EditorSession started;
        const std::string path = row.write ? savedList(row.name) : folder.file(row.name);
        const FileResult result = started.loadAtStartup(path);
        EXPECT_EQ(result.message, "");  // nothing is ever told at start
        EXPECT_EQ(started.canSave(1), row.loaded);
        EXPECT_FALSE(started.canClose(1));
        EXPECT_EQ(started.pane(1).file, row.loaded ? ShownFile::Chosen : ShownFile::NoneYet);
        EXPECT_EQ(started.list(1).television().itemCount(), row.loaded ? 3u : 0u);
        started.beginEdit();
        started.endEdit();
        EXPECT_EQ(started.canClose(1), row.loaded);
    }
}

// A command whose result is what was there is no step: nothing to undo, no
// changed mark, and what Redo held stays.
TEST_F(EditorSessionTest, ACommandThatChangesNothingIsNoStep) {
    session.load(1, savedList("list.qvx"));
    ChannelTree& tv = session.list(1).television();
    session.run(makeDeleteCommand(tv, *channel(1, 1)));
    session.undo();
    ASSERT_TRUE(session.canRedo());
    TreeItem* a = channel(1, 0);
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<ListCommand>()>>> unchanged = {
        {"rename to the same text", [&] { return makeRenameCommand(tv, *a, "A"); }},
        {"panel OK of the stored record", [&] { return makeEditRecordCommand(tv, *a, a->record(), true); }},
        {"a setting to the value held", [&] { return makeBulkSettingCommand(tv, a, BulkField::Lnb, a->record().lnb); }},
    };
    for (const auto& [what, make] : unchanged) {
        session.run(make());
        EXPECT_FALSE(session.canUndo()) << what;
        EXPECT_TRUE(session.canRedo()) << what;
        EXPECT_FALSE(session.pane(1).changed) << what;
    }
    session.run(makeRenameCommand(tv, *a, "A2"));
    EXPECT_TRUE(session.canUndo());
    EXPECT_FALSE(session.canRedo());
    EXPECT_TRUE(session.pane(1).changed);
}

TEST_F(EditorSessionTest, EditModeAndTheClipboardDecideUndoRedoAndPaste) {
    session.load(1, savedList("list.qvx"));
    EXPECT_FALSE(session.canPaste());
    session.copy(*channel(1, 0));
    EXPECT_TRUE(session.canPaste());
    session.run(makePasteCommand(session.list(2).radio(), nullptr, session.clipboardForCommands()));
    EXPECT_FALSE(session.canPaste());  // one Copy is pasted once
    EXPECT_EQ(session.list(2).radio().itemCount(), 2u);
    ASSERT_NE(session.undoStep(), nullptr);
    EXPECT_EQ(*session.undoStep(), (StepName{StepKind::Paste, StepScope::Item, "A"}));
    session.beginEdit();
    EXPECT_FALSE(session.canUndo());
    EXPECT_EQ(session.undoStep(), nullptr);
    EXPECT_EQ(session.undo().item, nullptr);  // nothing happens in edit mode
    EXPECT_EQ(session.list(2).radio().itemCount(), 2u);
    EXPECT_FALSE(session.canUseFiles());
    session.endEdit();
    EXPECT_TRUE(session.canUseFiles());
    session.undo();
    EXPECT_TRUE(session.list(2).radio().empty());
    EXPECT_FALSE(session.canPaste());  // the clipboard is no part of the history
}

}  // namespace
}  // namespace qvx
