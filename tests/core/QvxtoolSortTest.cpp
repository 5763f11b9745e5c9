// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::addChannel;
using testing::addProvider;
using testing::qvxtool;
using testing::readFileBytes;
using testing::ToolRun;

class SortCommand : public ::testing::Test {
protected:
    testing::TemporaryFolder folder;
    std::string list = folder.file("list.chl");
    std::string out = folder.file("sorted.qvx");

    // Television Z[c 12, a 11, b 11] A[y 10]; Radio R[n, m].
    void SetUp() override {
        ChannelList source;
        TreeItem* z = addProvider(source.television(), "Z");
        addChannel(source.television(), z, testing::channelRecord("c", 1, 12000000));
        addChannel(source.television(), z, testing::channelRecord("a", 1, 11000000));
        addChannel(source.television(), z, testing::channelRecord("b", 1, 11000000));
        addChannel(source.television(), addProvider(source.television(), "A"), testing::channelRecord("y", 1, 10000000));
        TreeItem* r = addProvider(source.radio(), "R");
        addChannel(source.radio(), r, "n");
        addChannel(source.radio(), r, "m");
        ASSERT_TRUE(writeList(list, ListFormat::WinDvbLive, source).ok());
    }
};

TEST_F(SortCommand, SortsChannelsAndWithProvidersTheProviders) {
    const std::vector<std::uint8_t> before = readFileBytes(list);
    ToolRun run = qvxtool(folder, {"sort", list, out, "--by", "frequency"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::shapesOfFile(out, ListFormat::Native), "Z[a,b,c] A[y] | R[n,m]");
    run = qvxtool(folder, {"sort", "--providers", list, out, "--by", "name"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testing::shapesOfFile(out, ListFormat::Native), "A[y] Z[a,b,c] | R[m,n]");
    EXPECT_EQ(readFileBytes(list), before);
}

TEST_F(SortCommand, NeedsAKeyItKnows) {
    for (auto arguments : {std::initializer_list<std::string_view>{"sort", list, out},
                           std::initializer_list<std::string_view>{"sort", list, out, "--by", "tuning"},
                           std::initializer_list<std::string_view>{"sort", list, "--by", "name"}}) {
        const ToolRun run = qvxtool(folder, arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.chl"});
}

}  // namespace
}  // namespace qvx
