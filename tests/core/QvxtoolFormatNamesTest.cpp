// SPDX-License-Identifier: GPL-3.0-or-later
// --from, --to and --source: formats named where the file names do not say
// them, and the orbital position of channels that name none.
#include <gtest/gtest.h>

#include <filesystem>

#include "QvxtoolTestSupport.h"

namespace qvx {
namespace {

using testing::qvxtool;
using testing::TemporaryFolder;

const std::string kSample = std::string(QVX_SOURCE_DIR) + "/examples/sample.qvx";

TEST(QvxtoolFormatNames, NamedFormatsWinOverNamesAndContent) {
    TemporaryFolder folder;
    const std::string text = folder.file("list.txt");
    const std::string conf = folder.file("list.conf");
    const std::string again = folder.file("again.conf");

    // A name without a known extension, in a named format; read back by its name only.
    ASSERT_EQ(qvxtool(folder, {"convert", kSample, text, "--to", "dvbv5"}).status, 0);
    EXPECT_EQ(testing::contentsOf(text).rfind("[Das Erste]\n", 0), 0u);
    const testing::ToolRun info = qvxtool(folder, {"info", text, "--from", "dvbv5"});
    EXPECT_EQ(info.status, 0);
    // dvbv5 files have one provider per tree, named after the file.
    EXPECT_EQ(info.out, "Television: 1 provider, 24 channels\nRadio: 1 provider, 8 channels\n");
    EXPECT_EQ(qvxtool(folder, {"info", text}).status, 2);

    // A .conf file is read by its content and written as VDR unless named.
    ASSERT_EQ(qvxtool(folder, {"convert", text, conf, "--from", "dvbv5", "--source", "S13E"}).status, 0);
    EXPECT_NE(testing::contentsOf(conf).find(":HC34M2S0:S13E:27500:101:102:"), std::string::npos);
    ASSERT_EQ(qvxtool(folder, {"convert", conf, again, "--to", "zap"}).status, 0);
    EXPECT_EQ(testing::contentsOf(again).rfind("Das Erste:11836:H:0:27500:101:102:28106\n", 0), 0u);
    // Named wrongly, the file is read as what it is not: the reader names the line.
    const testing::ToolRun wrong = qvxtool(folder, {"info", again, "--from", "vdr"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find(again + ":1: "), std::string::npos) << wrong.err;
}

TEST(QvxtoolFormatNames, BadNamesAreUsageErrors) {
    TemporaryFolder folder;
    const std::string out = folder.file("out.conf");
    const struct {
        std::initializer_list<std::string_view> arguments;
        const char* said;
    } cases[] = {
        {{"convert", kSample, out, "--to", "vdr5"}, "not 'vdr5'"},
        {{"convert", kSample, out, "--from"}, "--from needs a value"},
        {{"convert", kSample, out, "--source", "19.2E"}, "--source takes an orbital position"},
        {{"dump", kSample, "--to", "vdr"}, "dump writes no list"},
        {{"diff", kSample, kSample, "--source", "S13E"}, "diff writes no list"},
    };
    for (const auto& c : cases) {
        const testing::ToolRun run = qvxtool(folder, c.arguments);
        EXPECT_EQ(run.status, 2) << c.said;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace qvx
