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

// Both trees follow the reference; --by says what pairs channels (here "y" is
// "y2" in the reference, with the same Service ID); a channel moves under the
// provider named like its partner's, the unpaired ones come last.
TEST(ArrangeCommand, BothTreesTakeTheReferencesOrderByTheKeyGiven) {
    testing::TemporaryFolder folder;
    const std::string in = folder.file("scan.chl");
    const std::string reference = folder.file("kept.qvx");
    const std::string out = folder.file("arranged.qvx");
    ChannelList scan;
    TreeItem* a = addProvider(scan.television(), "A");
    addChannelWithId(scan.television(), a, "x", 1);
    addChannelWithId(scan.television(), a, "u", 2);
    addChannelWithId(scan.television(), a, "y", 3);
    addChannelWithId(scan.television(), addProvider(scan.television(), "B"), "z", 4);
    TreeItem* r = addProvider(scan.radio(), "R");
    addChannelWithId(scan.radio(), r, "m", 5);
    addChannelWithId(scan.radio(), r, "n", 6);
    ASSERT_TRUE(writeList(in, ListFormat::WinDvbLive, scan).ok());
    ChannelList kept;
    TreeItem* b = addProvider(kept.television(), "B");
    addChannelWithId(kept.television(), b, "y2", 3);
    addChannelWithId(kept.television(), b, "z", 4);
    addChannelWithId(kept.television(), addProvider(kept.television(), "C"), "q", 9);
    addChannelWithId(kept.television(), addProvider(kept.television(), "A"), "x", 1);
    TreeItem* keptRadio = addProvider(kept.radio(), "R");
    addChannelWithId(kept.radio(), keptRadio, "n", 6);
    addChannelWithId(kept.radio(), keptRadio, "m", 5);
    ASSERT_TRUE(writeList(reference, ListFormat::Native, kept).ok());
    const std::vector<std::uint8_t> inBytes = readFileBytes(in);
    const std::vector<std::uint8_t> referenceBytes = readFileBytes(reference);

    struct Case {
        std::vector<std::string_view> by;
        std::string shape;
        std::string said;
    };
    const Case cases[] = {
        {{}, "B[z] A[x,u,y] | R[n,m]", "Placed 4 of 6 channels and 3 of 3 providers like "},
        {{"--by", "sid"}, "B[y,z] A[x,u] | R[n,m]", "Placed 5 of 6 channels and 3 of 3 providers like "},
    };
    for (const Case& c : cases) {
        const ToolRun run = c.by.empty() ? qvxtool(folder, {"arrange", in, reference, out})
                                         : qvxtool(folder, {"arrange", in, reference, out, c.by[0], c.by[1]});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.said + reference + ".\n");
        EXPECT_EQ(testing::shapesOfFile(out, ListFormat::Native), c.shape);
    }
    EXPECT_EQ(readFileBytes(in), inBytes);
    EXPECT_EQ(readFileBytes(reference), referenceBytes);
    // A key it does not know, or a missing file name, is a usage error that writes nothing.
    std::remove(out.c_str());
    EXPECT_EQ(qvxtool(folder, {"arrange", in, reference, out, "--by", "frequency"}).status, 2);
    EXPECT_EQ(qvxtool(folder, {"arrange", in, reference}).status, 2);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"kept.qvx", "scan.chl"}));
}

}  // namespace
}  // namespace qvx
