// SPDX-License-Identifier: GPL-3.0-or-later
// What a read leaves out without failing comes back as warnings with counts:
// records past a native header's count, bytes that form no whole record,
// channels whose service type names no tree, providers without channels, the
// fields a native read resets, and contents that look like another format.
// The files are laid out by hand from the record layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "FormatTestSupport.h"
#include "files/FileWarning.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using K = FileWarningKind;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// `size` zero bytes with `magic` at the start and the given bytes set.
Bytes record(std::size_t size, std::string_view magic, std::initializer_list<std::pair<std::size_t, int>> bytes) {
    Bytes out(size, 0);
    std::copy(magic.begin(), magic.end(), out.begin());
    for (const auto& [offset, value] : bytes) out[offset] = static_cast<std::uint8_t>(value);
    return out;
}
// Native: three little-endian counts, then 172-byte records with isChannel at
// 88, serviceType at 89 and volume at 149 (100: as a native read sets it).
Bytes nativeHeader(int television, int radio = 0) { return record(12, "", {{0, television}, {4, radio}}); }
Bytes nativeRecord(bool channel, int serviceType, int volume = 100) {
    return record(172, "", {{88, channel}, {89, serviceType}, {149, volume}});
}
// DVB98: 64 bytes, the frequency in MHz big-endian at 8 (0: a provider), the
// service type at 27. DVBextreme: 89 bytes, the service type at 6, the
// frequency little-endian at 13.
Bytes dvb98Record(bool channel, int serviceType) {
    return record(64, "DVSO", {{8, channel ? 0x2E : 0}, {9, channel ? 0xE0 : 0}, {27, serviceType}});
}
Bytes dvbExtremeRecord(bool channel, int serviceType) {
    return record(89, "DVBx", {{6, serviceType}, {13, channel ? 0xE0 : 0}, {14, channel ? 0x2E : 0}});
}

struct Read {
    FileResult result;
    std::string shapes;
};

Read readBytes(const Bytes& bytes, const char* name, ListFormat format) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file(name);
    testing::writeFileBytes(path, bytes);
    ChannelList list;
    FileResult result = readList(path, format, list);
    return {result, testing::shapeOf(list.television()) + " | " + testing::shapeOf(list.radio())};
}

TEST(ReaderWarnings, WhatAReadLeftOutIsCounted) {
    const Bytes provider = nativeRecord(false, 1);
    const Bytes channel = nativeRecord(true, 1);
    const struct {
        const char* what;
        const char* name;
        ListFormat format;
        Bytes bytes;
        std::vector<FileWarning> warnings;
    } cases[] = {
        {"a native list as the header counts it", "l.qvx", ListFormat::Native, nativeHeader(2) + provider + channel, {}},
        {"a whole record and 5 bytes after the counted ones", "l.qvx", ListFormat::Native,
         nativeHeader(2) + provider + channel + channel + Bytes(5, 7),
         {{K::RecordsPastCount, 1}, {K::BytesOfNoRecord, 5}}},
        {"counts spread over the header fields", "l.chl", ListFormat::WinDvbLive,
         nativeHeader(1, 1) + provider + channel + Bytes(171, 0), {{K::BytesOfNoRecord, 171}}},
        {"channels of no kind, a provider of no kind", "l.qvx", ListFormat::Native,
         nativeHeader(5) + nativeRecord(false, 0) + nativeRecord(true, 0) + provider + channel + nativeRecord(true, 7),
         {{K::ChannelsWithoutKind, 2}, {K::ProvidersWithoutChannels, 1}}},
        {"providers without channels", "l.qvx", ListFormat::Native,
         nativeHeader(4) + provider + provider + channel + provider, {{K::ProvidersWithoutChannels, 2}}},
        {"volumes the native read resets", "l.qvx", ListFormat::Native,
         nativeHeader(3) + provider + nativeRecord(true, 1, 50) + nativeRecord(true, 1, 0), {{K::FieldsReset, 2}}},
        {"DVB98 with a trailing part of a record", "l.dvb", ListFormat::Dvb98,
         dvb98Record(false, 1) + dvb98Record(true, 1) + dvb98Record(true, 9) + Bytes(10, 'x'),
         {{K::ChannelsWithoutKind, 1}, {K::BytesOfNoRecord, 10}}},
        {"DVBextreme with a trailing part of a record", "l.xch", ListFormat::DvbExtreme,
         dvbExtremeRecord(false, 2) + dvbExtremeRecord(true, 2) + dvbExtremeRecord(false, 1) + Bytes(88, 0),
         {{K::ProvidersWithoutChannels, 1}, {K::BytesOfNoRecord, 88}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Read read = readBytes(c.bytes, c.name, c.format);
        EXPECT_TRUE(read.result.ok()) << read.result.message;
        EXPECT_EQ(read.result.warnings, c.warnings);
    }
}

// The extension alone chooses the reader; what the contents look like is
// said, before what that reader made of them.
TEST(ReaderWarnings, ContentsThatLookLikeAnotherFormatAreNamed) {
    const Bytes native = nativeHeader(2) + nativeRecord(false, 1) + nativeRecord(true, 1);
    const Bytes dvb98 = dvb98Record(false, 1) + dvb98Record(true, 1);
    const Bytes dvbExtreme = dvbExtremeRecord(false, 1) + dvbExtremeRecord(true, 1);
    const struct {
        const char* name;
        ListFormat format;
        Bytes bytes;
        const char* looksLike;  // none: no such warning
    } cases[] = {
        {"native.dvb", ListFormat::Dvb98, native, "Quorvex (.qvx)"},
        {"dvb98.qvx", ListFormat::Native, dvb98, "DVB98 (.dvb)"},
        {"extreme.chl", ListFormat::WinDvbLive, dvbExtreme, "DVBextreme (.xch)"},
        {"native.chl", ListFormat::WinDvbLive, native, nullptr},  // the same layout
        {"dvb98.dvb", ListFormat::Dvb98, dvb98, nullptr},
        {"random.dvb", ListFormat::Dvb98, Bytes(128, 0x41), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = readBytes(c.bytes, c.name, c.format);
        const std::vector<FileWarning>& warnings = read.result.warnings;
        const bool named = !warnings.empty() && warnings.front().kind == K::LooksLikeFormat;
        ASSERT_EQ(named, c.looksLike != nullptr);
        if (named) {
            EXPECT_EQ(warnings.front().argument, c.looksLike);
        }
    }
}

}  // namespace
}  // namespace qvx
