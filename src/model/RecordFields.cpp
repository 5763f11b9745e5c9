// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecordFields.h"

#include <algorithm>
#include <cstring>

#include <cstring>

namespace qvx {
namespace {

const std::uint8_t* bytesOf(const ChannelRecord& record) { return reinterpret_cast<const std::uint8_t*>(&record); }

#define QVX_TEXT(member) \
    RecordField { #member, FieldKind::Text, offsetof(ChannelRecord, member), sizeof(ChannelRecord::member), 1 }
#define QVX_NUMBER(member)                                                                                   \
    RecordField {                                                                                            \
        #member, FieldKind::Number, offsetof(ChannelRecord, member), sizeof(ChannelRecord::member),          \
            sizeof(ChannelRecord::member)                                                                    \
    }
#define QVX_NUMBERS(member)                                                                                  \
    RecordField {                                                                                            \
        #member, FieldKind::Numbers, offsetof(ChannelRecord, member), sizeof(ChannelRecord::member),         \
            sizeof(ChannelRecord::member[0])                                                                 \
    }

constexpr RecordField kFields[] = {
    QVX_TEXT(tag),           QVX_TEXT(version),          QVX_TEXT(name),
    QVX_TEXT(transponder),   QVX_NUMBER(isChannel),      QVX_NUMBER(serviceType),
    QVX_NUMBER(frequency),   QVX_NUMBER(symbolRate),     QVX_NUMBER(videoPid),
    QVX_NUMBER(audioPid),    QVX_NUMBER(teletextPid),    QVX_NUMBER(pcrPid),
    QVX_NUMBER(pmtPid),      QVX_NUMBER(ac3Pid),         QVX_NUMBER(reservedA),
    QVX_NUMBER(reservedB),   QVX_NUMBER(dvbxExtra1),     QVX_NUMBER(dvbxExtra2),
    QVX_NUMBER(dvbxParentNumber), QVX_NUMBERS(reservedWords), QVX_NUMBERS(reservedLongs),
    QVX_NUMBER(rotorPosition), QVX_NUMBER(volume),       QVX_NUMBER(dvbxExtra3),
    QVX_NUMBER(dvbxExtra4),  QVX_NUMBER(qam),            QVX_NUMBER(fec),
    QVX_NUMBER(auxTuning),   QVX_NUMBER(polarity),       QVX_NUMBER(lnb),
    QVX_NUMBER(pmcPid),      QVX_NUMBER(serviceId),      QVX_NUMBER(transportStreamId),
    QVX_NUMBER(networkId),   QVX_NUMBER(scrambled),      QVX_NUMBER(tvSignal),
    QVX_NUMBER(reservedD),
};

#undef QVX_TEXT
#undef QVX_NUMBER
#undef QVX_NUMBERS

}  // namespace

std::string_view RecordField::text(const ChannelRecord& record) const {
    const auto* field = reinterpret_cast<const char*>(bytesOf(record) + offset);
    std::size_t length = 0;
    while (length < size && field[length] != '\0') ++length;
    return {field, length};
}

std::uint64_t RecordField::number(const ChannelRecord& record, std::size_t index) const {
    const std::uint8_t* bytes = bytesOf(record) + offset + index * width;
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = value << 8 | bytes[i];
    return value;
}

void RecordField::setNumber(ChannelRecord& record, std::size_t index, std::uint64_t value) const {
    auto* bytes = reinterpret_cast<std::uint8_t*>(&record) + offset + index * width;
    for (std::size_t i = 0; i < width; ++i, value >>= 8) bytes[i] = static_cast<std::uint8_t>(value);
}

bool RecordField::sameIn(const ChannelRecord& a, const ChannelRecord& b) const {
    if (kind == FieldKind::Text) return text(a) == text(b);
    return std::memcmp(bytesOf(a) + offset, bytesOf(b) + offset, size) == 0;
}

std::span<const RecordField> recordFields() { return kFields; }

std::vector<std::string_view> fieldsThatDiffer(std::span<const ChannelRecord* const> records) {
    std::vector<std::string_view> differ;
    if (records.empty()) return differ;
    // Record by record, only the fields found equal so far: a selection of 100,000 channels
    // costs a few byte comparisons each.
    std::vector<const RecordField*> same;
    for (const RecordField& field : recordFields()) same.push_back(&field);
    const ChannelRecord& first = *records.front();
    for (const ChannelRecord* record : records.subspan(1)) {
        std::erase_if(same, [&](const RecordField* field) {
            if (std::memcmp(bytesOf(first) + field->offset, bytesOf(*record) + field->offset, field->size) == 0)
                return false;
            if (field->sameIn(first, *record)) return false;
            differ.push_back(field->name);
            return true;
        });
        if (same.empty()) break;
    }
    // In the record's order.
    std::vector<std::string_view> ordered;
    for (const RecordField& field : recordFields())
        if (std::find(differ.begin(), differ.end(), field.name) != differ.end()) ordered.push_back(field.name);
    return ordered;
}

}  // namespace qvx
