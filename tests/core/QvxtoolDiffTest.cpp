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

// A: Television P[X 1 @11836000, Y 2, Z 3]; Radio R[M 5].
// B: Television Q[Y 2, X 1 @11954000]; Radio R[M 5, N 6].
class DiffCommand : public ::testing::Test {
protected:
    testing::TemporaryFolder folder;
    std::string a = folder.file("a.qvx");
    std::string b = folder.file("b.dvb");

    void SetUp() override {
        ChannelList listA, listB;
        TreeItem* p = addProvider(listA.television(), "P");
        addChannelWithId(listA.television(), p, "X", 1, 11836000);
        addChannelWithId(listA.television(), p, "Y", 2, 11836000);
        addChannelWithId(listA.television(), p, "Z", 3, 11836000);
        addChannelWithId(listA.radio(), addProvider(listA.radio(), "R"), "M", 5, 11836000);
        TreeItem* q = addProvider(listB.television(), "Q");
        addChannelWithId(listB.television(), q, "Y", 2, 11836000);
        addChannelWithId(listB.television(), q, "X", 1, 11954000);
        TreeItem* r = addProvider(listB.radio(), "R");
        addChannelWithId(listB.radio(), r, "M", 5, 11836000);
        addChannelWithId(listB.radio(), r, "N", 6, 11836000);
        testing::settleAsNativeRead(listA);
        testing::settleAsNativeRead(listB);
        ASSERT_TRUE(writeList(a, ListFormat::Native, listA).ok());
        // Through DVB98 and back, so that B's records hold what that format keeps.
        ASSERT_TRUE(writeList(b, ListFormat::Dvb98, listB).ok());
        ASSERT_EQ(qvxtool(folder, {"convert", b, folder.file("b.qvx")}).status, 0);
        b = folder.file("b.qvx");
    }
};

TEST_F(DiffCommand, OneLinePerFindingExitOneWhenDifferent) {
    // The DVB98 trip changes tag and version of every record; by tuning X pairs with nothing.
    const std::vector<std::uint8_t> beforeA = readFileBytes(a), beforeB = readFileBytes(b);
    const ToolRun run = qvxtool(folder, {"diff", "--by", "tuning", a, b});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    const std::string y = "changed: Television A provider 0 \"P\", channel 1 \"Y\" / B provider 0 \"Q\", channel 0 \"Y\": ";
    const std::string m = "changed: Radio A provider 0 \"R\", channel 0 \"M\" / B provider 0 \"R\", channel 0 \"M\": ";
    EXPECT_EQ(run.out,
              "only in A: Television provider 0 \"P\", channel 0 \"X\"\n"
              "only in A: Television provider 0 \"P\", channel 2 \"Z\"\n"
              "only in B: Television provider 0 \"Q\", channel 1 \"X\"\n" +
                  y + "tag \"K\u00d6LSCH  \" -> \"QRVX\"\n" + y + "version \"\" -> \"1\"\n" +
                  "only in B: Radio provider 0 \"R\", channel 1 \"N\"\n" + m + "tag \"K\u00d6LSCH  \" -> \"QRVX\"\n" +
                  m + "version \"\" -> \"1\"\n");
    EXPECT_EQ(readFileBytes(a), beforeA);
    EXPECT_EQ(readFileBytes(b), beforeB);
}

TEST_F(DiffCommand, JsonHoldsTheSameFindings) {
    const ToolRun run = qvxtool(folder, {"diff", a, b, "--json", "--by", "sid"});
    EXPECT_EQ(run.status, 1);
    const std::string fields =
        "\"fields\": {\"tag\": [\"K\u00d6LSCH  \", \"QRVX\"], \"version\": [\"\", \"1\"]}";
    EXPECT_EQ(run.out,
              "{\"television\": {\n"
              "  \"onlyInA\": [\n"
              "    {\"provider\": 0, \"providerName\": \"P\", \"channel\": 2, \"name\": \"Z\"}\n"
              "  ],\n"
              "  \"onlyInB\": [],\n"
              "  \"changed\": [\n"
              "    {\"a\": {\"provider\": 0, \"providerName\": \"P\", \"channel\": 0, \"name\": \"X\"}, "
              "\"b\": {\"provider\": 0, \"providerName\": \"Q\", \"channel\": 1, \"name\": \"X\"}, "
              "\"fields\": {\"tag\": [\"K\u00d6LSCH  \", \"QRVX\"], \"version\": [\"\", \"1\"], "
              "\"frequency\": [11836000, 11954000]}},\n"
              "    {\"a\": {\"provider\": 0, \"providerName\": \"P\", \"channel\": 1, \"name\": \"Y\"}, "
              "\"b\": {\"provider\": 0, \"providerName\": \"Q\", \"channel\": 0, \"name\": \"Y\"}, " + fields + "}\n"
              "  ]},\n"
              "\"radio\": {\n"
              "  \"onlyInA\": [],\n"
              "  \"onlyInB\": [\n"
              "    {\"provider\": 0, \"providerName\": \"R\", \"channel\": 1, \"name\": \"N\"}\n"
              "  ],\n"
              "  \"changed\": [\n"
              "    {\"a\": {\"provider\": 0, \"providerName\": \"R\", \"channel\": 0, \"name\": \"M\"}, "
              "\"b\": {\"provider\": 0, \"providerName\": \"R\", \"channel\": 0, \"name\": \"M\"}, " + fields + "}\n"
              "  ]}}\n");
}

TEST_F(DiffCommand, ExitZeroWhenTheSameTwoOnTrouble) {
    const std::string copy = folder.file("copy.chl");
    ASSERT_EQ(qvxtool(folder, {"convert", a, copy}).status, 0);
    ToolRun run = qvxtool(folder, {"diff", a, copy});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    run = qvxtool(folder, {"diff", a, copy, "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"television\": {\n  \"onlyInA\": [],\n  \"onlyInB\": [],\n  \"changed\": []},\n"
              "\"radio\": {\n  \"onlyInA\": [],\n  \"onlyInB\": [],\n  \"changed\": []}}\n");

    const std::string missing = folder.file("missing.qvx");
    for (auto arguments : {std::initializer_list<std::string_view>{"diff", a},
                           std::initializer_list<std::string_view>{"diff", a, copy, "--by", "all"},
                           std::initializer_list<std::string_view>{"diff", a, copy, "--brief"},
                           std::initializer_list<std::string_view>{"diff", a, missing}}) {
        run = qvxtool(folder, arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace qvx
