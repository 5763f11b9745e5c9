// SPDX-License-Identifier: GPL-3.0-or-later
// JSON lists whose text is far larger than their records: memory follows the
// records, an over-long token is refused as soon as it is too long, a key
// given twice and a zero inside a text are errors with their place.
#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "FormatTestSupport.h"
#include "files/ByteStream.h"
#include "formats/JsonFormat.h"

namespace qvx {
namespace {

// `prefix`, then `count` bytes cycling through `filler`, then `suffix`, made
// as they are read: no test holds hundreds of megabytes. It notes how much
// it handed out and the most memory the process had in use meanwhile.
class GeneratedSource final : public ByteSource {
public:
    GeneratedSource(std::string prefix, std::string filler, std::size_t count, std::string suffix)
        : prefix_(std::move(prefix)), filler_(std::move(filler)), count_(count), suffix_(std::move(suffix)) {}

    std::size_t read(std::span<std::uint8_t> buffer) override {
        peakInUse = std::max(peakInUse, inUse());
        std::size_t done = 0;
        auto take = [&](const std::string& part, std::size_t partStart, std::size_t partSize, bool cycle) {
            while (done < buffer.size() && handedOut >= partStart && handedOut < partStart + partSize) {
                const std::size_t offset = handedOut - partStart;
                const std::size_t from = cycle ? offset % part.size() : offset;
                const std::size_t count =
                    std::min({buffer.size() - done, partStart + partSize - handedOut, part.size() - from});
                std::memcpy(buffer.data() + done, part.data() + from, count);
                done += count;
                handedOut += count;
            }
        };
        take(prefix_, 0, prefix_.size(), false);
        take(filler_, prefix_.size(), count_, true);
        take(suffix_, prefix_.size() + count_, suffix_.size(), false);
        return done;
    }

    // Heap in use, large blocks that malloc maps on their own included.
    static std::size_t inUse() {
        const struct mallinfo2 info = ::mallinfo2();
        return info.uordblks + info.hblkhd;
    }

    std::size_t handedOut = 0;
    std::size_t peakInUse = 0;

private:
    std::string prefix_;
    std::string filler_;
    std::size_t count_;
    std::string suffix_;
};

constexpr std::size_t kHuge = std::size_t{300} << 20;  // 300 MB

TEST(JsonBounds, AnOverLongTokenIsRefusedSoonAfterItsLimit) {
    const struct {
        std::string prefix;
        std::string filler;
        std::string message;
    } cases[] = {
        {R"({"radio": [{"record": {"name": ")", "x", "radio[0].record.name: the text is longer than the field's 32 bytes"},
        {R"({"radio": [{"record": {"name": ")", "\xC3\xA4", "radio[0].record.name: the text is longer than the field's 32 bytes"},
        {R"({"radio": [{"record": {"tag": ")", "\\u00e4", "radio[0].record.tag: the text is longer than the field's 8 bytes"},
        {R"({"radio": [{"record": {"image": ")", "0", "radio[0].record.image: expected 344 hex digits, found more"},
        {R"({"radio": [{"record": {")", "k", "radio[0].record: unknown key \"kkk"},
        {R"({"television": [{"record": {"frequency": )", "9",
         "television[0].record.frequency: a number of more than 40 characters is out of range 0..4294967295"},
        {R"({"radio": [{"record": {"reservedWords": [1, )", "1",
         "radio[0].record.reservedWords[1]: a number of more than 40 characters is out of range 0..65535"},
        {R"({"radio": [{"record": {"lnb": ")", "x", "radio[0].record.lnb: expected an integer, found a text"},
        {R"({"television": [")", "x", "television[0]: expected an object, found a text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prefix);
        GeneratedSource source(c.prefix, c.filler, kHuge, "\"}}]}");
        ChannelList list;
        const FileResult result = readJsonList(source, list);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent);
        // A key is cut where no key of a list could go on; what came of it is shown.
        if (c.filler == "k") {
            EXPECT_TRUE(result.message.starts_with(c.message) && result.message.ends_with("k...\"")) << result.message;
        } else {
            EXPECT_EQ(result.message, c.message);
        }
        EXPECT_LE(source.handedOut, std::size_t{1} << 17) << "read on after the token was too long";
        EXPECT_TRUE(list.radio().empty() && list.television().empty());
    }
}

TEST(JsonBounds, RunsOfWhitespaceAreReadInConstantMemory) {
    constexpr std::size_t kRun = std::size_t{48} << 20;
    const struct {
        std::string prefix;
        std::string suffix;
    } cases[] = {
        {R"({"radio": [)", R"({"record": {"name": "A"}, "children": [{"name": "a"}]}]})"},
        {R"({"radio": [{"record": {"name": "A",)", R"("lnb": 2}, "children": [{"name": "a"}]}]})"},
        {"", R"({"radio": [{"record": {"name": "A"}, "children": [{"name": "a"}]}]})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prefix);
        const std::size_t before = GeneratedSource::inUse();
        GeneratedSource source(c.prefix, std::string(4096, ' ') + "\n\t\r", kRun, c.suffix);
        ChannelList list;
        const FileResult result = readJsonList(source, list);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(testing::shapeOf(list.radio()), "A[a]");
        EXPECT_EQ(source.handedOut, c.prefix.size() + kRun + c.suffix.size());
        EXPECT_LT(source.peakInUse, before + (std::size_t{8} << 20)) << "memory grew with the whitespace";
    }
}

FileResult readJson(const std::string& text, ChannelList& list) {
    MemorySource source(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return readJsonList(source, list);
}

TEST(JsonBounds, AKeyGivenTwiceAndAZeroInATextAreErrorsWithTheirPlace) {
    const std::string image(344, '0');
    const struct {
        std::string json;
        std::string message;  // empty: read well
    } cases[] = {
        {R"({"radio": [], "radio": []})", "\"radio\" is given twice"},
        {R"({"radio": [{"record": {}, "children": [], "record": {}}]})", "radio[0]: \"record\" is given twice"},
        {R"({"radio": [{"record": {"lnb": 1, "name": "A", "lnb": 2}}]})", "radio[0].record: \"lnb\" is given twice"},
        {R"({"radio": [{"record": {"image": ")" + image + R"(", "image": ")" + image + R"("}}]})",
         "radio[0].record: \"image\" is given twice"},
        {R"({"radio": [{"record": {}, "children": [{"name": "a"}, {"serviceId": 1, "serviceId": 1}]}]})",
         "radio[0].children[1]: \"serviceId\" is given twice"},
        {R"({"radio": [{"record": {"name": "AB\u0000CD"}}]})", "radio[0].record.name: U+0000 cannot be part of a text"},
        {R"({"radio": [{"record": {}, "children": [{"tag": "\u0000"}]}]})",
         "radio[0].children[0].tag: U+0000 cannot be part of a text"},
        // The same key in other objects, and a field beside the image it covers, are no repetition.
        {R"({"radio": [{"record": {"name": "A"}, "children": [{"name": "a"}, {"name": "b"}]}],
            "television": [{"record": {"name": "A", "image": ")" + image + R"("}}]})", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        ChannelList list;
        const FileResult result = readJson(c.json, list);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.ok(), c.message.empty());
    }
}

}  // namespace
}  // namespace qvx
