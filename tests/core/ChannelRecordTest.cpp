// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "model/ChannelRecord.h"

namespace qvx {
namespace {

TEST(ChannelRecord, DefaultsOfANewRecord) {
    const RecordImage image = ChannelRecord::defaults().image();
    RecordImage expected{};
    const unsigned char tag[8] = {0x4B, 0xD6, 0x4C, 0x53, 0x43, 0x48, 0x20, 0x20};
    std::memcpy(expected.data(), tag, 8);
    std::memcpy(expected.data() + 24, "undefined", 9);
    // frequency 12000000 = 0x00B71B00, symbol rate 27500000 = 0x01A39DE0, little-endian
    const unsigned char frequency[4] = {0x00, 0x1B, 0xB7, 0x00};
    const unsigned char symbolRate[4] = {0xE0, 0x9D, 0xA3, 0x01};
    std::memcpy(expected.data() + 92, frequency, 4);
    std::memcpy(expected.data() + 96, symbolRate, 4);
    expected[112] = 1;  // reservedA
    expected[169] = 1;  // reservedD
    EXPECT_EQ(image, expected);
}

TEST(ChannelRecord, NewProviderAndChannel) {
    const ChannelRecord channel = ChannelRecord::newChannel(2);
    EXPECT_EQ(channel.isChannel, 1);
    EXPECT_EQ(channel.serviceType, 2);
    EXPECT_EQ(channel.frequency, 12000000u);
    EXPECT_EQ(channel.volume, 0);
    const ChannelRecord provider = ChannelRecord::newProvider(1);
    EXPECT_EQ(provider.isChannel, 0);
    EXPECT_EQ(provider.serviceType, 1);
    EXPECT_EQ(provider.frequency, 0u);
    EXPECT_EQ(provider.symbolRate, 0u);
    EXPECT_EQ(provider.nameText(), "undefined");
}

TEST(ChannelRecord, ImageRoundTripKeepsEveryByteIncludingPadding) {
    RecordImage image;
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    ChannelRecord record = ChannelRecord::fromImage(image);
    EXPECT_EQ(record.image(), image);
    ChannelRecord copy = record;  // assignment carries the padding too
    EXPECT_EQ(copy.image(), image);
    copy.replace(copy.image());
    EXPECT_EQ(copy.image(), image);
}

TEST(ChannelRecord, NameIsBoundedByItsField) {
    ChannelRecord record = ChannelRecord::defaults();
    record.setName("abcdefghijklmnopqrstuvwxyz0123456789");  // 36 characters
    EXPECT_EQ(record.nameText(), "abcdefghijklmnopqrstuvwxyz01234");
    const RecordImage image = record.image();
    EXPECT_EQ(image[54], '4');
    EXPECT_EQ(image[55], 0);
    // A name field without terminator reads as its 32 bytes, never beyond.
    std::memset(record.name, 'x', sizeof record.name);
    EXPECT_EQ(record.nameText().size(), 32u);
}

}  // namespace
}  // namespace qvx
