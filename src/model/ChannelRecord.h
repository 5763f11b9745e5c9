// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qvx {

inline constexpr std::size_t kRecordSize = 172;
inline constexpr std::size_t kNameCapacity = 31;  // characters; byte 32 is the terminator

using RecordImage = std::array<std::uint8_t, kRecordSize>;

// The 172-byte channel record. Its memory image is the native file record, so
// every byte, padding included, is a named member: plain assignment and
// memcpy then both carry the whole image.
struct ChannelRecord {
    char tag[8];
    char version[16];
    char name[32];
    char transponder[32];
    std::uint8_t isChannel;
    std::uint8_t serviceType;
    std::uint8_t padding90[2];
    std::uint32_t frequency;
    std::uint32_t symbolRate;
    std::uint16_t videoPid;
    std::uint16_t audioPid;
    std::uint16_t teletextPid;
    std::uint16_t pcrPid;
    std::uint16_t pmtPid;
    std::uint16_t ac3Pid;
    std::uint8_t reservedA;
    std::uint8_t reservedB;
    std::uint16_t dvbxExtra1;
    std::uint16_t dvbxExtra2;
    std::uint16_t dvbxParentNumber;
    std::uint16_t reservedWords[5];
    std::uint8_t padding130[2];
    std::uint32_t reservedLongs[4];
    std::uint8_t rotorPosition;
    std::uint8_t volume;
    std::uint8_t dvbxExtra3;
    std::uint8_t dvbxExtra4;
    std::uint8_t qam;
    std::uint8_t fec;
    std::uint8_t auxTuning;
    std::uint8_t polarity;
    std::uint8_t lnb;
    std::uint8_t padding157;
    std::uint16_t pmcPid;
    std::uint16_t serviceId;
    std::uint16_t transportStreamId;
    std::uint16_t networkId;
    std::uint16_t scrambled;
    std::uint8_t tvSignal;
    std::uint8_t reservedD;
    std::uint8_t padding170[2];

    // A record holding the defaults of a new entry ("undefined", 12000 MHz, ...).
    static ChannelRecord defaults();
    static ChannelRecord newChannel(std::uint8_t serviceType);
    static ChannelRecord newProvider(std::uint8_t serviceType);
    static ChannelRecord fromImage(std::span<const std::uint8_t, kRecordSize> image);

    RecordImage image() const;                                    // copy out
    void replace(std::span<const std::uint8_t, kRecordSize> image);  // store back whole

    bool isScrambled() const { return scrambled != 0; }

    // The name as stored: up to the first zero byte or the end of the field.
    std::string_view nameText() const { return fieldText(name); }
    std::string_view transponderText() const { return fieldText(transponder); }
    // Stores at most 31 characters; the rest of the field becomes zero.
    void setName(std::string_view text) { setFieldText(name, text); }
    void setTransponderText(std::string_view text) { setFieldText(transponder, text); }

    // Turns the record into a provider of the given kind (no frequency, no symbol rate).
    void makeProvider(std::uint8_t kind);

    template <std::size_t N>
    static std::string_view fieldText(const char (&field)[N]) {
        std::size_t length = 0;
        while (length < N && field[length] != '\0') ++length;
        return {field, length};
    }
    template <std::size_t N>
    static void setFieldText(char (&field)[N], std::string_view text) {
        const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
        for (std::size_t i = 0; i < N; ++i) field[i] = i < length ? text[i] : '\0';
    }
};

static_assert(std::endian::native == std::endian::little,
              "native list files are the little-endian memory image of the record");
static_assert(sizeof(ChannelRecord) == kRecordSize);
static_assert(alignof(ChannelRecord) == 4);
static_assert(offsetof(ChannelRecord, tag) == 0);
static_assert(offsetof(ChannelRecord, version) == 8);
static_assert(offsetof(ChannelRecord, name) == 24);
static_assert(offsetof(ChannelRecord, transponder) == 56);
static_assert(offsetof(ChannelRecord, isChannel) == 88);
static_assert(offsetof(ChannelRecord, serviceType) == 89);
static_assert(offsetof(ChannelRecord, padding90) == 90);
static_assert(offsetof(ChannelRecord, frequency) == 92);
static_assert(offsetof(ChannelRecord, symbolRate) == 96);
static_assert(offsetof(ChannelRecord, videoPid) == 100);
static_assert(offsetof(ChannelRecord, audioPid) == 102);
static_assert(offsetof(ChannelRecord, teletextPid) == 104);
static_assert(offsetof(ChannelRecord, pcrPid) == 106);
static_assert(offsetof(ChannelRecord, pmtPid) == 108);
static_assert(offsetof(ChannelRecord, ac3Pid) == 110);
static_assert(offsetof(ChannelRecord, reservedA) == 112);
static_assert(offsetof(ChannelRecord, reservedB) == 113);
static_assert(offsetof(ChannelRecord, dvbxExtra1) == 114);
static_assert(offsetof(ChannelRecord, dvbxExtra2) == 116);
static_assert(offsetof(ChannelRecord, dvbxParentNumber) == 118);
static_assert(offsetof(ChannelRecord, reservedWords) == 120);
static_assert(offsetof(ChannelRecord, padding130) == 130);
static_assert(offsetof(ChannelRecord, reservedLongs) == 132);
static_assert(offsetof(ChannelRecord, rotorPosition) == 148);
static_assert(offsetof(ChannelRecord, volume) == 149);
static_assert(offsetof(ChannelRecord, dvbxExtra3) == 150);
static_assert(offsetof(ChannelRecord, dvbxExtra4) == 151);
static_assert(offsetof(ChannelRecord, qam) == 152);
static_assert(offsetof(ChannelRecord, fec) == 153);
static_assert(offsetof(ChannelRecord, auxTuning) == 154);
static_assert(offsetof(ChannelRecord, polarity) == 155);
static_assert(offsetof(ChannelRecord, lnb) == 156);
static_assert(offsetof(ChannelRecord, padding157) == 157);
static_assert(offsetof(ChannelRecord, pmcPid) == 158);
static_assert(offsetof(ChannelRecord, serviceId) == 160);
static_assert(offsetof(ChannelRecord, transportStreamId) == 162);
static_assert(offsetof(ChannelRecord, networkId) == 164);
static_assert(offsetof(ChannelRecord, scrambled) == 166);
static_assert(offsetof(ChannelRecord, tvSignal) == 168);
static_assert(offsetof(ChannelRecord, reservedD) == 169);
static_assert(offsetof(ChannelRecord, padding170) == 170);

}  // namespace qvx
