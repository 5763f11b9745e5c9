// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "QvxtoolTestSupport.h"

namespace qvx {
namespace {

using testing::contentsOf;
using testing::qvxtool;
using testing::ToolRun;

const std::string kSample = std::string(QVX_SOURCE_DIR) + "/examples/sample";

TEST(QvxtoolJson, ConvertWritesWhatDumpPrintsAndReadsItBackExactly) {
    testing::TemporaryFolder folder;
    const std::string json = folder.file("list.json"), back = folder.file("back.qvx");
    ASSERT_EQ(qvxtool(folder, {"convert", kSample + ".qvx", json}).status, 0);
    const ToolRun dump = qvxtool(folder, {"dump", "--json", kSample + ".qvx"});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(contentsOf(json), dump.out);
    const ToolRun run = qvxtool(folder, {"convert", json, back});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(contentsOf(back), contentsOf(kSample + ".qvx"));
}

// The edit a script makes with jq: one field changed in the text.
TEST(QvxtoolJson, AnEditedFieldLandsInTheListAndNothingElseChanges) {
    testing::TemporaryFolder folder;
    const std::string json = folder.file("a.json"), edited = folder.file("b.json"), out = folder.file("a.qvx");
    ASSERT_EQ(qvxtool(folder, {"convert", kSample + ".qvx", json}).status, 0);
    std::string text = contentsOf(json);
    const std::size_t at = text.find("\"frequency\": ", text.find("\"children\""));
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = text.find(',', at);
    text.replace(at, end - at, "\"frequency\": 11953000");
    testing::writeFileBytes(edited, testing::Bytes(text.begin(), text.end()));
    ASSERT_EQ(qvxtool(folder, {"convert", edited, out}).status, 0);

    const ToolRun diff = qvxtool(folder, {"diff", kSample + ".qvx", out});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out,
              "changed: Television A provider 0 \"ARD\", channel 0 \"Das Erste\" / B provider 0 \"ARD\", channel 0 "
              "\"Das Erste\": frequency 11836000 -> 11953000\n");
}

TEST(QvxtoolJson, BadJsonTellsWhereAndWritesNothing) {
    testing::TemporaryFolder folder;
    const std::string json = folder.file("list.json"), out = folder.file("out.qvx");
    const std::string text = R"({"television": [{"record": {}, "children": [{}, {}, {"lnb": 300}]}]})";
    testing::writeFileBytes(json, testing::Bytes(text.begin(), text.end()));
    const ToolRun run = qvxtool(folder, {"convert", json, out});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: " + json + ": television[0].children[2].lnb: 300 is out of range 0..255\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.json"});
}

}  // namespace
}  // namespace qvx
