// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::qvxtool;
using testing::ToolRun;

const std::string kSample = std::string(QVX_SOURCE_DIR) + "/examples/sample";

TEST(Qvxtool, VersionHelpAndUsage) {
    testing::TemporaryFolder folder;
    ToolRun run = qvxtool(folder, {"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "qvxtool 1.06b\n");

    run = qvxtool(folder, {"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"\n  convert IN OUT ", "\n  dump IN [--json] ", "\n  info IN ",
                             "\n  compare A B OUT_A OUT_B [--by name|sid|both] ", "\n  --help ",
                             "\n  --version "})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_EQ(run.err, "");

    run = qvxtool(folder, {});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("qvxtool: no command given\nUsage: qvxtool", 0), 0u);

    for (auto arguments : {std::initializer_list<std::string_view>{"frobnicate"},
                           std::initializer_list<std::string_view>{"convert", "a.qvx"},
                           std::initializer_list<std::string_view>{"info"},
                           std::initializer_list<std::string_view>{"dump", "a.qvx", "--xml"}}) {
        run = qvxtool(folder, arguments);
        EXPECT_EQ(run.status, 2) << *arguments.begin();
        EXPECT_EQ(run.err.rfind("qvxtool: ", 0), 0u) << run.err;
    }
}

TEST(Qvxtool, EachCommandExplainsEveryArgumentOnALineOfItsOwn) {
    testing::TemporaryFolder folder;
    const struct {
        std::string_view command;
        std::vector<std::string> lines;
    } expected[] = {
        {"convert", {"Usage: qvxtool convert IN OUT [--force]\n", "\n  IN ", "\n  OUT ", "\n  --force ", "\n  --help "}},
        {"dump", {"Usage: qvxtool dump IN [--json]\n", "\n  IN ", "\n  --json ", "\n  --help "}},
        {"info", {"Usage: qvxtool info IN\n", "\n  IN ", "\n  --help "}},
        {"compare",
         {"Usage: qvxtool compare A B OUT_A OUT_B [--by name|sid|both] [--force]\n", "\n  A, B ", "\n  OUT_A, OUT_B ",
          "\n  --by name|sid|both ", "\n  --force ", "\n  --help "}},
    };
    for (const auto& command : expected) {
        // Help wins over whatever else stands on the line; nothing is read or written.
        const ToolRun run = qvxtool(folder, {command.command, "missing.qvx", "--help"});
        EXPECT_EQ(run.status, 0) << command.command;
        EXPECT_EQ(run.err, "") << command.command;
        for (const std::string& line : command.lines)
            EXPECT_NE(run.out.find(line), std::string::npos) << command.command << ": " << line;
    }
}

TEST(Qvxtool, InfoCountsProvidersAndChannelsOfEachTree) {
    testing::TemporaryFolder folder;
    for (const char* extension : {".qvx", ".chl", ".dvb", ".xch"}) {
        const ToolRun run = qvxtool(folder, {"info", kSample + extension});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, "Television: 6 providers, 24 channels\nRadio: 3 providers, 8 channels\n")
            << extension;
    }
}

TEST(Qvxtool, ConvertWritesTheTargetFormat) {
    testing::TemporaryFolder folder;
    // The sample's records hold what a native read sets, so converting the
    // native sample gives exactly the other committed files.
    for (const char* extension : {".chl", ".dvb", ".xch"}) {
        const std::string out = folder.file(std::string("converted") + extension);
        const ToolRun run = qvxtool(folder, {"convert", kSample + ".qvx", out});
        EXPECT_EQ(run.status, 0);
        // Four names of the sample hold an umlaut, which a DVB98 reader drops.
        EXPECT_EQ(run.err, std::string(extension) != ".dvb"
                               ? ""
                               : "qvxtool: warning: " + out +
                                     ": names hold characters above 127, which the DVB98 reader drops (4 records)\n");
        EXPECT_EQ(testing::readFileBytes(out), testing::readFileBytes(kSample + extension)) << extension;
    }
    // Upper-case extensions select the format too.
    const ToolRun run = qvxtool(folder, {"convert", kSample + ".dvb", folder.file("UPPER.QVX")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(testing::readFileBytes(folder.file("UPPER.QVX")).size(), 12 + 41 * kRecordSize);
}

TEST(Qvxtool, ReaderFailureLeavesTheOutputAlone) {
    testing::TemporaryFolder folder;
    const std::string target = folder.file("target.dvb");
    const Bytes old = {1, 2, 3};
    testing::writeFileBytes(target, old);

    const std::string missing = folder.file("missing.qvx");
    ToolRun run = qvxtool(folder, {"convert", missing, target});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: Can't open file " + missing + ": No such file or directory\n");

    const std::string shortFile = folder.file("short.qvx");
    testing::writeFileBytes(shortFile, {1, 0, 0, 0, 0});
    run = qvxtool(folder, {"convert", shortFile, target});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: " + shortFile + ": Error reading DVB_CHANNEL_HEADER\n");

    const std::string cut = folder.file("cut.chl");
    testing::writeFileBytes(cut, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7});
    run = qvxtool(folder, {"convert", cut, folder.file("new.xch")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: " + cut + ": Error reading Radio DVB_CHANNELS\n");

    EXPECT_EQ(testing::readFileBytes(target), old);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"cut.chl", "short.qvx", "target.dvb"}));
}

TEST(Qvxtool, UnknownExtensionAndWriteFailure) {
    testing::TemporaryFolder folder;
    ToolRun run = qvxtool(folder, {"convert", kSample + ".qvx", folder.file("out.txt")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("out.txt"), std::string::npos);
    run = qvxtool(folder, {"info", folder.file("list.lst")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(folder.names().empty());

    const std::string unreachable = folder.file("no/such/folder.qvx");
    run = qvxtool(folder, {"convert", kSample + ".qvx", unreachable});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "qvxtool: File " + unreachable + " could not be opened. Cause 2: No such file or directory\n");
}

TEST(Qvxtool, DumpJsonHoldsEveryFieldAndTheImage) {
    testing::TemporaryFolder folder;
    ChannelList list;
    ChannelRecord provider = testing::providerRecord("A\x80\x81\xD6\"\\", 2);
    TreeItem* item = list.radio().appendItem(nullptr, TreeItem::makeProvider(provider));
    ChannelRecord channel = testing::channelRecord("c", 2, 12345000);
    channel.reservedWords[1] = 7;
    channel.reservedLongs[3] = 4000000000u;
    channel.serviceId = 65535;
    list.radio().appendItem(item, TreeItem::makeChannel(channel));
    const std::string path = folder.file("list.qvx");
    ASSERT_TRUE(writeList(path, ListFormat::Native, list).ok());
    const Bytes file = testing::readFileBytes(path);

    const ToolRun run = qvxtool(folder, {"dump", path, "--json"});
    ASSERT_EQ(run.status, 0);
    const std::string& json = run.out;
    EXPECT_EQ(json.rfind("{\"television\": [], \"radio\": [", 0), 0u) << json.substr(0, 80);
    EXPECT_EQ(json.substr(json.size() - 3), "]}\n");
    // windows-1252 text as UTF-8: the euro sign, U+0081 escaped, Ö; quote and backslash escaped.
    EXPECT_NE(json.find("{\"record\": {\"tag\": \"K\xC3\x96LSCH  \", \"version\": \"\", "
                        "\"name\": \"A\xE2\x82\xAC\\u0081\xC3\x96\\\"\\\\\", \"transponder\": \"\", "
                        "\"isChannel\": 0, \"serviceType\": 2, \"frequency\": 0, "),
              std::string::npos);
    EXPECT_NE(json.find("\"name\": \"c\", \"transponder\": \"\", \"isChannel\": 1, \"serviceType\": 2, "
                        "\"frequency\": 12345000, \"symbolRate\": 27500000, "),
              std::string::npos);
    EXPECT_NE(json.find("\"reservedWords\": [0, 7, 0, 0, 0], \"reservedLongs\": [0, 0, 0, 4000000000], "
                        "\"rotorPosition\": 0, \"volume\": 100, "),
              std::string::npos);
    EXPECT_NE(json.find("\"serviceId\": 65535, \"transportStreamId\": 0, \"networkId\": 0, \"scrambled\": 0, "
                        "\"tvSignal\": 0, \"reservedD\": 1, \"image\": \""),
              std::string::npos);
    EXPECT_NE(json.find("}, \"children\": [\n"), std::string::npos);

    // The image of the channel: its file bytes, as the reader leaves them (volume 100).
    Bytes image(file.end() - kRecordSize, file.end());
    image[149] = 100;
    std::string hex;
    for (const std::uint8_t byte : image) {
        hex += "0123456789abcdef"[byte >> 4];
        hex += "0123456789abcdef"[byte & 15];
    }
    EXPECT_NE(json.find("\"image\": \"" + hex + "\"}"), std::string::npos);
}

TEST(Qvxtool, DumpTextOutlinesTheTrees) {
    testing::TemporaryFolder folder;
    const ToolRun run = qvxtool(folder, {"dump", kSample + ".qvx"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Television\n  ARD\n    Das Erste  11836000 kHz H  27500000 sym/s", 0), 0u);
    EXPECT_NE(run.out.find("\nRadio\n  ARD\n    Bayern 1  "), std::string::npos);
    EXPECT_NE(run.out.find("BR Fernsehen S\xC3\xBC"
                           "d"),
              std::string::npos);
}

}  // namespace
}  // namespace qvx
