// SPDX-License-Identifier: GPL-3.0-or-later
// What a read leaves out without failing comes back as warnings with counts:
// records past a native header's count, bytes that form no whole record,
// channels whose service type names no tree, providers without channels, the
// fields a native read resets, and contents that look like another format.
// The files are laid out by hand from the record layouts.
#include <gtest/gtest.h>

#include "FormatTestSupport.h"
#include "formats/FileWarning.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using K = FileWarningKind;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Native: a 12-byte header of three little-endian counts, 172-byte records
// with isChannel at 88, serviceType at 89 and volume at 149 (100: as a
// native read sets it, so nothing is reset unless asked).
Bytes nativeHeader(std::uint8_t television, std::uint8_t radio = 0) {
    Bytes header(12, 0);
    header[0] = television;
    header[4] = radio;
    return header;
}
Bytes nativeRecord(bool channel, std::uint8_t serviceType, std::uint8_t volume = 100) {
    Bytes record(172, 0);
    record[88] = channel ? 1 : 0;
    record[89] = serviceType;
    record[149] = volume;
    return record;
}

// DVB98: 64-byte records, "DVSO", the frequency in MHz big-endian at 8 (0: a
// provider), the service type at 27.
Bytes dvb98Record(bool channel, std::uint8_t serviceType) {
    Bytes record(64, 0);
    record[0] = 'D', record[1] = 'V', record[2] = 'S', record[3] = 'O';
    record[8] = channel ? 0x2E : 0;
    record[9] = channel ? 0xE0 : 0;
    record[27] = serviceType;
    return record;
}

// DVBextreme: 89-byte records, "DVBx", the service type at 6, the frequency
// in MHz little-endian at 13.
Bytes dvbExtremeRecord(bool channel, std::uint8_t serviceType) {
    Bytes record(89, 0);
    record[0] = 'D', record[1] = 'V', record[2] = 'B', record[3] = 'x';
    record[6] = serviceType;
    record[13] = channel ? 0xE0 : 0;
    record[14] = channel ? 0x2E : 0;
    return record;
}

struct Read {
    FileResult result;
    std::string shapes;
};

Read readBytes(const Bytes& bytes, const char* name, ListFormat format) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file(name);
    testing::writeFileBytes(path, bytes);
    ChannelList list(1);
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
        {"native.xch", ListFormat::DvbExtreme, native, "Quorvex (.qvx)"},
        {"dvb98.qvx", ListFormat::Native, dvb98, "DVB98 (.dvb)"},
        {"dvb98.xch", ListFormat::DvbExtreme, dvb98, "DVB98 (.dvb)"},
        {"extreme.dvb", ListFormat::Dvb98, dvbExtreme, "DVBextreme (.xch)"},
        {"extreme.chl", ListFormat::WinDvbLive, dvbExtreme, "DVBextreme (.xch)"},
        {"native.chl", ListFormat::WinDvbLive, native, nullptr},
        {"native.qvx", ListFormat::Native, native, nullptr},
        {"dvb98.dvb", ListFormat::Dvb98, dvb98, nullptr},
        {"extreme.xch", ListFormat::DvbExtreme, dvbExtreme, nullptr},
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
