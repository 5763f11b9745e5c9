// SPDX-License-Identifier: GPL-3.0-or-later
// Load, Save as, Save, Clear all, Close and the start-up file, driven through the window's commands.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/platform/UserPrompts.h"

namespace qvx {
namespace {

using FileCommands = EditorTest;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(FileCommands, StartsWithEmptyListsAndOnlyTheFreeButtonsEnabled) {
    EXPECT_EQ(pane(0), " ");
    EXPECT_EQ(pane(1), "File1: none");
    EXPECT_EQ(pane(2), " ");
    EXPECT_EQ(pane(3), "File2: none");
    EXPECT_EQ(pane(4), "Quick search:");
    EXPECT_EQ(pane(5), "");
    for (const char* name : {"list1LoadButton", "list1SaveAsButton", "list1ClearAllButton", "list2LoadButton",
                             "list2SaveAsButton", "list2ClearAllButton", "compareListsButton", "quitButton"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    for (const char* name : {"list1SaveButton", "list1CloseButton", "list2SaveButton", "list2CloseButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(button("okButton")->isHidden());
    EXPECT_TRUE(button("cancelButton")->isHidden());
    EXPECT_EQ(dialog_->windowTitle(), "Quorvex Channel List Editor V1.06b");
    // The package, AppStream and --version carry the build's version: it must be the window's.
    EXPECT_TRUE(dialog_->windowTitle().endsWith(QStringLiteral(" V" QVX_DISPLAY_VERSION)));
    EXPECT_TRUE(tree(2)->hasFocus());
}

TEST_F(FileCommands, LoadFillsTheTreesAndEnablesSaveAndClose) {
    load(1, writeStandardList(QStringLiteral("channels.qvx")));
    EXPECT_EQ(prompts_->fileTitles, QStringList{"Load Channellist File 1"});
    EXPECT_EQ(pane(1), "File1: channels.qvx");
    EXPECT_TRUE(dialog_->session().document(1).hasFile());
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
    EXPECT_TRUE(button("list1CloseButton")->isEnabled());
    EXPECT_FALSE(button("list2SaveButton")->isEnabled());
    const ChannelTreeModel& television = *tree(1)->channelModel();
    ASSERT_EQ(television.rowCount(), 2);
    EXPECT_EQ(television.index(0, 0).data().toString(), "P1");
    EXPECT_EQ(television.rowCount(television.index(0, 0)), 2);
    EXPECT_EQ(tree(1, false)->channelModel()->index(0, 0).data().toString(), "R1");
    EXPECT_TRUE(prompts_->messages.isEmpty());
}

TEST_F(FileCommands, LoadOfUpperCaseChlUsesTheNativeReader) {
    const QString path = writeStandardList(QStringLiteral("lower.qvx"));
    const QString upper = pathOf(QStringLiteral("CHANNELS.CHL"));
    ASSERT_TRUE(QFile::copy(path, upper));
    load(2, upper);
    EXPECT_EQ(pane(3), "File2: CHANNELS.CHL");
    EXPECT_EQ(dialog_->session().document(2).extension(), "chl");
    EXPECT_EQ(tree(2)->channelModel()->rowCount(), 2);
    EXPECT_TRUE(button("list2SaveButton")->isEnabled());
    EXPECT_TRUE(button("list2CloseButton")->isEnabled());
}

TEST_F(FileCommands, CancelledLoadChangesNothing) {
    load(1, writeStandardList(QStringLiteral("channels.qvx")));
    prompts_->fileAnswers.push_back(QString());
    press(Command::Load1);
    EXPECT_EQ(pane(1), "File1: channels.qvx");
    EXPECT_EQ(tree(1)->channelModel()->rowCount(), 2);
}

TEST_F(FileCommands, LoadOfAnUnknownExtensionOnlyNamesTheFile) {
    load(1, writeStandardList(QStringLiteral("channels.qvx")));
    const QString other = pathOf(QStringLiteral("notes.txt"));
    ASSERT_TRUE(QFile::copy(pathOf(QStringLiteral("channels.qvx")), other));
    load(1, other);
    EXPECT_EQ(pane(1), "File1: notes.txt");
    EXPECT_EQ(dialog_->session().document(1).extension(), "txt");
    EXPECT_EQ(tree(1)->channelModel()->rowCount(), 2);  // trees as they were
    EXPECT_TRUE(prompts_->messages.isEmpty());
    // A following Save writes nothing and leaves the file alone.
    const QByteArray before = contentsOf(other);
    press(Command::Save1);
    EXPECT_EQ(contentsOf(other), before);
}

TEST_F(FileCommands, ReaderFailureShowsItsMessageAndKeepsTheButtons) {
    const QString shortFile = pathOf(QStringLiteral("short.qvx"));
    QFile file(shortFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("0100000000"));  // five bytes of a twelve-byte header
    file.close();
    load(1, shortFile);
    EXPECT_EQ(prompts_->messages, QStringList{"Error reading DVB_CHANNEL_HEADER"});
    EXPECT_EQ(pane(1), "File1: short.qvx");
    EXPECT_TRUE(dialog_->session().document(1).hasFile());  // set before the reader ran
    EXPECT_FALSE(button("list1SaveButton")->isEnabled());
    EXPECT_FALSE(button("list1CloseButton")->isEnabled());
}

TEST_F(FileCommands, MissingFileShowsCantOpen) {
    const QString missing = pathOf(QStringLiteral("gone.qvx"));
    load(2, missing);
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_EQ(prompts_->messages.first(), "Can't open file " + missing);
}

TEST_F(FileCommands, SaveAsWritesTheChosenFormatAndEnablesOnlySave) {
    load(1, writeStandardList(QStringLiteral("channels.qvx")));
    prompts_->fileAnswers.push_back(pathOf(QStringLiteral("copy.qvx")));
    press(Command::SaveAs2);  // list 2 is empty: header only
    EXPECT_EQ(prompts_->fileTitles.last(), "Save Channellist File 2");
    EXPECT_EQ(pane(3), "File2: copy.qvx");
    EXPECT_EQ(contentsOf(pathOf(QStringLiteral("copy.qvx"))),
              QByteArray::fromHex("000000000000000000000000"));
    EXPECT_TRUE(button("list2SaveButton")->isEnabled());
    EXPECT_FALSE(button("list2CloseButton")->isEnabled());
    EXPECT_FALSE(dialog_->session().document(2).hasFile());
    EXPECT_TRUE(notifications_.empty());  // Save as never notifies
}

TEST_F(FileCommands, SaveWritesBackWhatWasLoaded) {
    const QString path = writeStandardList(QStringLiteral("channels.qvx"));
    const QByteArray written = contentsOf(path);
    load(1, path);
    press(Command::ClearAll1);
    press(Command::Save1);
    // Television 0, Radio 0, reserved 0: the cleared list went over the file.
    EXPECT_EQ(contentsOf(path), QByteArray::fromHex("000000000000000000000000"));
    EXPECT_NE(written, contentsOf(path));
    EXPECT_EQ(pane(1), "File1: channels.qvx");
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
}

TEST_F(FileCommands, SaveOfList1NotifiesTheViewerAndList2DoesNot) {
    load(1, writeStandardList(QStringLiteral("one.qvx")));
    load(2, writeStandardList(QStringLiteral("two.qvx")));
    press(Command::Save2);
    EXPECT_TRUE(notifications_.empty());
    press(Command::Save1);
    ASSERT_EQ(notifications_.size(), 1u);
    EXPECT_EQ(notifications_.front(), static_cast<unsigned long>(dialog_->winId()));
}

TEST_F(FileCommands, SaveIntoAMissingFolderShowsTheOpenFailureAndStillNotifies) {
    const QString path = pathOf(QStringLiteral("channels.qvx"));
    load(1, writeStandardList(QStringLiteral("channels.qvx")));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(folder_.remove());
    prompts_->yesNoAnswers = {true};  // the file is gone: Save asks before writing it anew
    press(Command::Save1);
    EXPECT_EQ(prompts_->questions.size(), 1);
    ASSERT_EQ(prompts_->messages.size(), 1);
    EXPECT_TRUE(prompts_->messages.first().startsWith("File " + path + " could not be opened. Cause "))
        << prompts_->messages.first().toStdString();
    EXPECT_EQ(notifications_.size(), 1u);
}

TEST_F(FileCommands, SaveThroughAStrangersLinkInASharedFolderIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link to user nobody";
    const QString victim = writeStandardList(QStringLiteral("victim.qvx"));
    const QByteArray before = contentsOf(victim);
    const QString shared = pathOf(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString link = shared + QStringLiteral("/list.qvx");
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(link).constData()), 0);
    constexpr uid_t nobody = 65534;
    ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), nobody, nobody), 0);

    load(1, writeStandardList(QStringLiteral("mine.qvx")));
    press(Command::ClearAll1);  // what would go over the victim differs from it
    prompts_->fileAnswers.push_back(link);
    press(Command::SaveAs1);
    EXPECT_EQ(prompts_->messages, QStringList{"File " + link + " could not be opened. Cause 5"});
    EXPECT_EQ(contentsOf(victim), before);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"list.qvx"});
}

TEST_F(FileCommands, SaveThatFailsHalfWayKeepsTheOldFileAndSaysWhy) {
    const QString path = writeStandardList(QStringLiteral("channels.qvx"));
    load(1, path);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old bytes");
    old.close();
    // The list is 12 + 7 * 172 bytes; the system lets no file grow past 500.
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 500;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    prompts_->yesNoAnswers = {true};  // written over since it was loaded: Save asks first
    press(Command::Save1);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(prompts_->messages, QStringList{"Disk full while accessing " + path + "."});
    EXPECT_EQ(contentsOf(path), QByteArray("old bytes"));
    EXPECT_EQ(QDir(pathOf(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"channels.qvx"});
}

TEST_F(FileCommands, CloseForgetsTheFile) {
    load(2, writeStandardList(QStringLiteral("two.qvx")));
    press(Command::Close2);
    EXPECT_EQ(pane(3), "File2: none ");
    EXPECT_FALSE(button("list2SaveButton")->isEnabled());
    EXPECT_FALSE(button("list2CloseButton")->isEnabled());
    EXPECT_FALSE(dialog_->session().document(2).hasFile());
    EXPECT_EQ(tree(2)->channelModel()->rowCount(), 0);
    EXPECT_EQ(tree(2, false)->channelModel()->rowCount(), 0);
}

TEST_F(FileCommands, ClearAllLeavesTheOtherListAndTheButtons) {
    load(1, writeStandardList(QStringLiteral("one.qvx")));
    load(2, writeStandardList(QStringLiteral("two.qvx")));
    button("list1ClearAllButton")->click();
    EXPECT_EQ(tree(1)->channelModel()->rowCount(), 0);
    EXPECT_EQ(tree(1, false)->channelModel()->rowCount(), 0);
    EXPECT_EQ(tree(2)->channelModel()->rowCount(), 2);
    // The file stays; the pane only marks the list as changed since it was loaded.
    EXPECT_EQ(pane(1), "File1: one.qvx (changed)");
    EXPECT_EQ(pane(3), "File2: two.qvx");
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
}

TEST_F(FileCommands, ButtonsRunTheCommands) {
    prompts_->fileAnswers.push_back(writeStandardList(QStringLiteral("one.qvx")));
    button("list2LoadButton")->click();
    EXPECT_EQ(prompts_->fileTitles, QStringList{"Load Channellist File 2"});
    EXPECT_EQ(pane(3), "File2: one.qvx");
    button("list2CloseButton")->click();
    EXPECT_EQ(pane(3), "File2: none ");
}

TEST_F(FileCommands, StartupFileLoadsIntoList1WithoutEnablingClose) {
    const QString path = writeStandardList(QStringLiteral("my.QVX"));
    dialog_->loadStartupFile(path);
    EXPECT_EQ(pane(1), "File1: my.QVX");
    EXPECT_EQ(tree(1)->channelModel()->rowCount(), 2);
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
    EXPECT_FALSE(button("list1CloseButton")->isEnabled());
    EXPECT_TRUE(tree(1)->isVisible());
    EXPECT_FALSE(tree(1, false)->isVisible());
}

TEST_F(FileCommands, StartupChlFileIsReadAsANativeList) {
    const QString native = writeStandardList(QStringLiteral("list.qvx"));
    const QString chl = pathOf(QStringLiteral("dvblive.chl"));
    ASSERT_TRUE(QFile::copy(native, chl));
    dialog_->loadStartupFile(chl);
    EXPECT_EQ(pane(1), "File1: dvblive.chl");
    EXPECT_EQ(dialog_->session().document(1).extension(), "chl");
    EXPECT_EQ(tree(1)->channelModel()->rowCount(), 2);
    EXPECT_EQ(tree(1, false)->channelModel()->rowCount(), 1);
}

TEST_F(FileCommands, StartupFileOfAnotherFormatOrMissingIsIgnoredSilently) {
    const QString native = writeStandardList(QStringLiteral("list.qvx"));
    const QString dvb = pathOf(QStringLiteral("list.dvb"));
    ASSERT_TRUE(QFile::copy(native, dvb));
    dialog_->loadStartupFile(dvb);
    dialog_->loadStartupFile(pathOf(QStringLiteral("missing.qvx")));
    dialog_->loadStartupFile(QStringLiteral("qvxedit ") + native);  // the program name too: no file
    EXPECT_EQ(pane(1), "File1: none");
    EXPECT_EQ(tree(1)->channelModel()->rowCount(), 0);
    EXPECT_FALSE(button("list1SaveButton")->isEnabled());
    EXPECT_TRUE(prompts_->messages.isEmpty());
}

// None of these may hang the start or say anything: a pipe without writer,
// an endless device, a folder, a file that cannot be read, links to them.
TEST_F(FileCommands, StartupFilesThatCannotBeReadAreIgnoredAndNeverHang) {
    const QString fifo = pathOf(QStringLiteral("pipe.qvx"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(pathOf(QStringLiteral("folder.qvx"))));
    ASSERT_TRUE(QFile::link(fifo, pathOf(QStringLiteral("pipe-link.qvx"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), pathOf(QStringLiteral("zero-link.qvx"))));
    const QString unreadable = writeStandardList(QStringLiteral("unreadable.qvx"));
    ASSERT_EQ(::chmod(QFile::encodeName(unreadable).constData(), 0), 0);
    for (const char* name : {"pipe.qvx", "folder.qvx", "pipe-link.qvx", "zero-link.qvx", "unreadable.qvx"}) {
        if (::geteuid() == 0 && std::string(name) == "unreadable.qvx") continue;  // root reads it all the same
        dialog_->loadStartupFile(pathOf(QLatin1String(name)));
        EXPECT_EQ(pane(1), "File1: none") << name;
        EXPECT_EQ(dialog_->session().document(1).path(), "") << name;
    }
    dialog_->loadStartupFile(QStringLiteral("/dev/zero"));
    EXPECT_FALSE(button("list1SaveButton")->isEnabled());
    EXPECT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.join(' ').toStdString();
}

// The five specified choices first, then the Linux channel files, the CSV table last.
TEST(FileDialogFilters, ShowTheFiveChoicesAndListBothCases) {
    EXPECT_EQ(channelListFilterDescriptions(),
              (QStringList{"Channellists (*.qvx;*.chl;*.dvb;*.xch)", "DVB98 (*.dvb)", "Quorvex (*.qvx)",
                           "WinDVBLive (*.chl)", "DVBextreme (*.xch)", "VDR channels (*.conf)",
                           "dvbv5 channels (*.conf)", "zap channels (*.conf)", "SAT>IP playlist (*.m3u)",
                           "VLC playlist (*.m3u)", "CSV table (*.csv)"}));
    const QStringList filters = channelListNameFilters();
    ASSERT_EQ(filters.size(), 11);
    EXPECT_EQ(filters[6], "dvbv5 channels (*.conf) (*.conf *.CONF)");
    EXPECT_EQ(filters[8], "SAT>IP playlist (*.m3u) (*.m3u *.M3U *.m3u8 *.M3U8)");
    // A name typed without extension gets .qvx, or the extension of a file type beyond the specified four.
    for (int i = 0; i < filters.size(); ++i)
        EXPECT_EQ(defaultSuffixForFilter(filters[i]), i == 10 ? "csv" : i >= 8 ? "m3u" : i >= 5 ? "conf" : "qvx")
            << filters[i].toStdString();
    EXPECT_EQ(formatOfFilter(filters[0]), std::nullopt);
    EXPECT_EQ(formatOfFilter(filters[7]), ListFormat::Zap);
    EXPECT_EQ(formatOfFilter(filters[9]), ListFormat::Vlc);
    EXPECT_EQ(formatOfFilter(filters[10]), ListFormat::Csv);
    EXPECT_EQ(filters[0],
              "Channellists (*.qvx;*.chl;*.dvb;*.xch) "
              "(*.dvb *.DVB *.chl *.CHL *.qvx *.QVX *.xch *.XCH)");
    EXPECT_EQ(filters[2], "Quorvex (*.qvx) (*.qvx *.QVX)");
    // Load lists what it can read: every type but VLC's playlist, which is only written.
    QStringList readable = filters;
    readable.removeAt(9);
    EXPECT_EQ(channelListNameFilters(FileDialogUse::Load), readable);
}

}  // namespace
}  // namespace qvx
