// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

// Both trees follow the reference, channels paired by --by (every Service ID
// here is 0, so "sid" pairs them first with first); a channel moves under the
// provider named like its partner's where IN has one, the unpaired come last.
TEST(ArrangeCommand, BothTreesTakeTheReferencesOrderByTheKeyGiven) {
    testing::TemporaryFolder folder;
    const std::string in = folder.file("scan.chl");
    const std::string reference = folder.file("kept.qvx");
    const std::string out = folder.file("arranged.qvx");
    ChannelList scan;
    ChannelList kept;
    treetest::buildTree(scan.television(), "A[x,u,y] B[z]");
    treetest::buildTree(scan.radio(), "R[m,n]");
    treetest::buildTree(kept.television(), "B[y2,z] C[q] A[x]");
    treetest::buildTree(kept.radio(), "R[n,m]");
    ASSERT_TRUE(writeList(in, ListFormat::WinDvbLive, scan).ok());
    ASSERT_TRUE(writeList(reference, ListFormat::Native, kept).ok());
    const testing::Bytes inBytes = testing::readFileBytes(in);

    const struct {
        const char* by;
        std::string shape;
        std::string said;
    } cases[] = {
        {"both", "B[z] A[x,u,y] | R[n,m]", "Placed 4 of 6 channels and 3 of 3 providers like "},
        {"sid", "B[x,u] A[y,z] | R[m,n]", "Placed 6 of 6 channels and 3 of 3 providers like "},
    };
    for (const auto& c : cases) {
        const testing::ToolRun run = testing::qvxtool(folder, {"arrange", in, reference, out, "--by", c.by});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.said + reference + ".\n");
        EXPECT_EQ(testing::shapesOfFile(out, ListFormat::Native), c.shape);
    }
    EXPECT_EQ(testing::readFileBytes(in), inBytes);
    EXPECT_EQ(testing::qvxtool(folder, {"arrange", in, reference, out, "--by", "frequency"}).status, 2);
}

}  // namespace
}  // namespace qvx
