// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cerrno>

#include "FormatTestSupport.h"
#include "documents/ListDocument.h"
#include "files/ByteStream.h"
#include "FailingFileCalls.h"
#include "formats/ListFormat.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

TEST(FormatTable, EachFormatHasItsExtensionDialogTextAndStartUpRule) {
    const struct {
        ListFormat format;
        std::string_view extension;
        std::string_view description;
        int dialogPosition;
        bool loadableAtStartup;
    } expected[] = {
        {ListFormat::Native, "qvx", "Quorvex (*.qvx)", 2, true},
        {ListFormat::WinDvbLive, "chl", "WinDVBLive (*.chl)", 3, true},
        {ListFormat::Dvb98, "dvb", "DVB98 (*.dvb)", 1, false},
        {ListFormat::DvbExtreme, "xch", "DVBextreme (*.xch)", 4, false},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(std::string(row.extension));
        const ListFormatEntry* entry = listFormatEntryForExtension(row.extension);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->format, row.format);
        EXPECT_EQ(&listFormatEntry(row.format), entry);
        EXPECT_EQ(entry->dialogDescription, row.description);
        EXPECT_EQ(entry->dialogPosition, row.dialogPosition);
        EXPECT_TRUE(entry->offeredByWindow());
        EXPECT_EQ(entry->loadableAtStartup, row.loadableAtStartup);
    }
    // JSON is for qvxtool only.
    const ListFormatEntry* json = listFormatEntryForExtension("json");
    ASSERT_NE(json, nullptr);
    EXPECT_EQ(json->format, ListFormat::Json);
    EXPECT_FALSE(json->offeredByWindow());
    EXPECT_FALSE(json->loadableAtStartup);
    EXPECT_EQ(allListsDialogChoice().description, "Channellists (*.qvx;*.chl;*.dvb;*.xch)");
    EXPECT_EQ(extensionsForMessage(), ".qvx, .chl, .dvb, .xch, .json, .conf, .m3u, .m3u8 or .csv");
    // The Linux channel files share ".conf"; such a name writes VDR unless the format is named.
    const ListFormatEntry* conf = listFormatEntryForExtension("conf");
    ASSERT_NE(conf, nullptr);
    EXPECT_EQ(conf->toolName, "vdr");
    EXPECT_EQ(conf->dialogDescription, "VDR channels (*.conf)");
    EXPECT_EQ(listFormatEntryForExtension("QVX"), nullptr);
}

// Every reader and writer of the table: a written list reads back in its own format.
TEST(FormatTable, ReaderOfEachRowReadsWhatItsWriterWrote) {
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "P");
    // With a video PID: the Linux channel files put a channel without one in the Radio tree.
    ChannelRecord channel = testing::channelRecord("c", 1);
    channel.videoPid = 101;
    testing::addChannel(list.television(), provider, channel);
    FormatOptions options;
    options.satipUrl = "rtsp://10.0.0.2:554/";
    for (const ListFormatEntry& entry : listFormats()) {
        SCOPED_TRACE(std::string(entry.extension));
        MemorySink sink;
        ASSERT_TRUE(entry.write(sink, list, options));
        if (!entry.read) continue;  // VLC's playlists are only written
        MemorySource source(sink.bytes());
        ChannelList reread;
        EXPECT_TRUE(entry.read(source, reread, {}).ok());
        EXPECT_EQ(reread.television().itemCount(), 2u);
    }
}

class ListDocumentTest : public ::testing::Test {
protected:
    ChannelList list;
    ListDocument document{list};
    testing::TemporaryFolder folder;

    std::string savedList(const std::string& name) {
        ChannelList source;
        TreeItem* provider = testing::addProvider(source.radio(), "R");
        testing::addChannel(source.radio(), provider, testing::channelRecord("c", 2, 11000000));
        const std::string path = folder.file(name);
        EXPECT_TRUE(ListDocument(source).saveAs(path).ok());
        return path;
    }
};

TEST_F(ListDocumentTest, LoadChoosesTheFileFirstAndKeepsTheFlagWhenTheReaderFails) {
    const std::string good = savedList("Good.QVX");
    FileResult result = document.load(good);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(document.path(), good);
    EXPECT_EQ(document.extension(), "qvx");
    EXPECT_EQ(document.shownName(), "Good.QVX");
    EXPECT_TRUE(document.hasFile());
    EXPECT_EQ(list.radio().itemCount(), 2u);

    const std::string missing = folder.file("gone.dvb");
    result = document.load(missing);
    EXPECT_EQ(result.outcome, FileOutcome::CannotOpen);
    EXPECT_EQ(result.message, "Can't open file " + missing);
    EXPECT_EQ(result.cause, kCauseFileNotFound);
    EXPECT_EQ(result.reason, "No such file or directory");
    EXPECT_EQ(result.messageWithReason(), "Can't open file " + missing + ": No such file or directory");
    EXPECT_EQ(document.shownName(), "gone.dvb");
    EXPECT_TRUE(document.hasFile());
    EXPECT_EQ(list.radio().itemCount(), 2u);  // untouched by a file that cannot be opened

    testing::writeFileBytes(folder.file("short.chl"), {1, 0, 0});
    result = document.load(folder.file("short.chl"));
    EXPECT_EQ(result.outcome, FileOutcome::ShortHeader);
    EXPECT_EQ(result.message, "Error reading DVB_CHANNEL_HEADER");
    EXPECT_EQ(result.reason, "");
}

TEST_F(ListDocumentTest, AnUnknownExtensionChangesTheFileButNotTheTreesOrFlag) {
    const std::string path = savedList("list.txt");  // nothing is written for it
    EXPECT_TRUE(folder.names().empty());
    testing::writeFileBytes(path, {1, 2, 3});
    testing::addProvider(list.television(), "kept");
    const FileResult result = document.load(path);
    EXPECT_EQ(result.outcome, FileOutcome::UnknownFormat);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(document.shownName(), "list.txt");
    EXPECT_EQ(document.extension(), "txt");
    EXPECT_FALSE(document.hasFile());
    EXPECT_EQ(list.television().itemCount(), 1u);
    // Save writes nothing and leaves the file as it was.
    EXPECT_TRUE(document.save().ok());
    EXPECT_EQ(testing::readFileBytes(path), (testing::Bytes{1, 2, 3}));
}

// A .json list is the command-line tool's; the window treats the name like
// any other unknown extension.
TEST_F(ListDocumentTest, JsonIsAListForTheToolOnly) {
    ChannelList source;
    testing::addProvider(source.radio(), "R");
    const std::string path = folder.file("list.json");
    ASSERT_TRUE(ListDocument(source, FormatChoice::EveryFormat).saveAs(path).ok());
    const testing::Bytes written = testing::readFileBytes(path);

    testing::addProvider(list.television(), "kept");
    EXPECT_EQ(document.load(path).outcome, FileOutcome::UnknownFormat);
    EXPECT_FALSE(document.hasFile());
    EXPECT_EQ(list.television().itemCount(), 1u);
    EXPECT_EQ(list.radio().itemCount(), 0u);
    EXPECT_TRUE(document.save().ok());
    EXPECT_EQ(testing::readFileBytes(path), written);  // nothing written over it

    ChannelList tool;
    EXPECT_TRUE(ListDocument(tool, FormatChoice::EveryFormat).load(path).ok());
    EXPECT_EQ(tool.radio().itemCount(), 1u);
}

TEST_F(ListDocumentTest, SaveAsTakesTheNewFileEvenWhenItCannotBeWritten) {
    const std::string unreachable = folder.file("no/such/list.xch");
    const FileResult result = document.saveAs(unreachable);
    EXPECT_EQ(result.outcome, FileOutcome::CannotCreate);
    EXPECT_EQ(result.message, "File " + unreachable + " could not be opened. Cause 2");
    EXPECT_EQ(result.reason, "No such file or directory");
    EXPECT_EQ(document.path(), unreachable);
    EXPECT_EQ(document.extension(), "xch");
    EXPECT_FALSE(document.hasFile());  // Save as never sets it
}

TEST_F(ListDocumentTest, AFailingWriteTellsTheCauseWithThePath) {
    FailingFileCalls calls;
    calls.failWriteAt = 1;
    calls.writeErrno = ENOSPC;
    testing::addProvider(list.television(), "P");
    const std::string path = folder.file("full.dvb");
    const FileResult result = ListDocument(list, calls).saveAs(path);
    EXPECT_EQ(result.outcome, FileOutcome::WriteFailed);
    EXPECT_EQ(result.cause, kCauseDiskFull);
    EXPECT_EQ(result.message, "Disk full while accessing " + path + ".");
    EXPECT_EQ(result.reason, "No space left on device");
}

TEST_F(ListDocumentTest, OnlyNativeLayoutsAreReadAtStartUp) {
    for (const char* name : {"start.qvx", "start.chl", "start.dvb", "start.xch"}) {
        SCOPED_TRACE(name);
        ChannelList fresh;
        const std::string path = savedList(name);
        ListDocument started(fresh);
        const FileResult result = started.loadAtStartup(path);
        const bool native = std::string_view(name).ends_with(".qvx") || std::string_view(name).ends_with(".chl");
        EXPECT_EQ(result.ok(), native);
        EXPECT_EQ(started.hasFile(), native);
        EXPECT_EQ(fresh.radio().itemCount(), native ? 2u : 0u);
        EXPECT_EQ(started.path(), path);  // chosen all the same
        // Only a file that is read is named in the pane.
        EXPECT_EQ(started.shownFile(), native ? ShownFile::Chosen : ShownFile::NoneYet);
    }
}

}  // namespace
}  // namespace qvx
