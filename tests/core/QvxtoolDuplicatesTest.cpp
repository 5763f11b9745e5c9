// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::addChannelWithId;
using testing::addProvider;
using testing::qvxtool;
using testing::readFileBytes;
using testing::ToolRun;

// Television P[X 1, "X  " 1, Y 2] Q[X 1]; Radio R["Tab\t" 5, "Tab\t" 5].
class DuplicatesCommand : public ::testing::Test {
protected:
    testing::TemporaryFolder folder;
    std::string list = folder.file("list.qvx");

    void SetUp() override {
        ChannelList source;
        TreeItem* p = addProvider(source.television(), "P");
        addChannelWithId(source.television(), p, "X", 1);
        addChannelWithId(source.television(), p, "X  ", 1);
        addChannelWithId(source.television(), p, "Y", 2);
        addChannelWithId(source.television(), addProvider(source.television(), "Q \"1\""), "X", 1);
        TreeItem* r = addProvider(source.radio(), "R");
        addChannelWithId(source.radio(), r, "Tab\t", 5);
        addChannelWithId(source.radio(), r, "Tab\t", 5);
        testing::settleAsNativeRead(source);
        ASSERT_TRUE(writeList(list, ListFormat::Native, source).ok());
    }
};

TEST_F(DuplicatesCommand, OneLinePerChannelOfEachGroupControlsEscaped) {
    const ToolRun run = qvxtool(folder, {"duplicates", list});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Television group 1: provider 0 \"P\", channel 0 \"X\"\n"
              "Television group 1: provider 0 \"P\", channel 1 \"X  \"\n"
              "Television group 1: provider 1 \"Q \\\"1\\\"\", channel 0 \"X\"\n"
              "Radio group 1: provider 0 \"R\", channel 0 \"Tab\\u0009\"\n"
              "Radio group 1: provider 0 \"R\", channel 1 \"Tab\\u0009\"\n");

    const ToolRun json = qvxtool(folder, {"duplicates", "--json", "--by", "sid", list});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out,
              "{\"television\": [\n"
              "  [\n"
              "    {\"provider\": 0, \"providerName\": \"P\", \"channel\": 0, \"name\": \"X\"},\n"
              "    {\"provider\": 0, \"providerName\": \"P\", \"channel\": 1, \"name\": \"X  \"},\n"
              "    {\"provider\": 1, \"providerName\": \"Q \\\"1\\\"\", \"channel\": 0, \"name\": \"X\"}\n"
              "  ]\n"
              "], \"radio\": [\n"
              "  [\n"
              "    {\"provider\": 0, \"providerName\": \"R\", \"channel\": 0, \"name\": \"Tab\\u0009\"},\n"
              "    {\"provider\": 0, \"providerName\": \"R\", \"channel\": 1, \"name\": \"Tab\\u0009\"}\n"
              "  ]\n"
              "]}\n");
}

TEST_F(DuplicatesCommand, DedupeWritesOutAndLeavesInAlone) {
    const std::vector<std::uint8_t> before = readFileBytes(list);
    const std::string out = folder.file("out.qvx");
    ToolRun run = qvxtool(folder, {"dedupe", list, out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Removed 3 channels and 1 provider.\n");
    EXPECT_EQ(testing::shapesOfFile(out, ListFormat::Native), "P[X,Y] | R[Tab\t]");
    EXPECT_EQ(readFileBytes(list), before);

    run = qvxtool(folder, {"dedupe", "--by", "name", list, list});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Removed 3 channels and 1 provider.\n");
    EXPECT_EQ(testing::shapesOfFile(list, ListFormat::Native), "P[X,Y] | R[Tab\t]");

    run = qvxtool(folder, {"dedupe", list, out});
    EXPECT_EQ(run.out, "Removed 0 channels and 0 providers.\n");
}

TEST_F(DuplicatesCommand, WrongArgumentsTouchNothing) {
    const std::string out = folder.file("out.qvx");
    const std::string text = folder.file("out.txt");
    for (auto arguments : {std::initializer_list<std::string_view>{"dedupe", list},
                           std::initializer_list<std::string_view>{"dedupe", list, out, "--by", "id"},
                           std::initializer_list<std::string_view>{"dedupe", list, out, "--json"},
                           std::initializer_list<std::string_view>{"dedupe", list, text},
                           std::initializer_list<std::string_view>{"duplicates", list, "--by"},
                           std::initializer_list<std::string_view>{"duplicates", list, list}}) {
        const ToolRun run = qvxtool(folder, arguments);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    const ToolRun missing = qvxtool(folder, {"dedupe", folder.file("missing.qvx"), out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
}

}  // namespace
}  // namespace qvx
