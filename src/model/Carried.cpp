// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Carried.h"

namespace qvx {
namespace {

// Lengths as 7-bit groups, low group first: values may hold any byte, a zero
// among them, and most lengths take one byte.
void appendLength(std::string& out, std::size_t length) {
    while (length >= 0x80) {
        out.push_back(static_cast<char>(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    out.push_back(static_cast<char>(length));
}

std::size_t readLength(std::string_view text, std::size_t& at) {
    std::size_t length = 0;
    int shift = 0;
    while (at < text.size()) {
        const auto byte = static_cast<unsigned char>(text[at++]);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) break;
        shift += 7;
    }
    return length;
}

}  // namespace

Carried::Carried(std::string_view format, std::uint32_t place, const std::vector<Field>& fields, std::uint64_t file)
    : format_(format), place_(place), file_(file) {
    std::size_t size = 0;
    for (const Field& field : fields) size += field.name.size() + field.value.size() + 6;
    text_.reserve(size);
    for (const Field& field : fields) {
        appendLength(text_, field.name.size());
        text_.append(field.name);
        appendLength(text_, field.value.size());
        text_.append(field.value);
    }
}

template <typename Visit>
void Carried::forEachField(Visit&& visit) const {
    const std::string_view text(text_);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t nameLength = readLength(text, at);
        const std::string_view name = text.substr(at, nameLength);
        at += nameLength;
        const std::size_t valueLength = readLength(text, at);
        const std::string_view value = text.substr(at, valueLength);
        at += valueLength;
        if (!visit(Field{name, value})) return;
    }
}

std::string_view Carried::field(std::string_view name) const {
    std::string_view found;
    forEachField([&](const Field& field) {
        if (field.name != name) return true;
        found = field.value;
        return false;
    });
    return found;
}

bool Carried::has(std::string_view name) const {
    bool found = false;
    forEachField([&](const Field& field) {
        found = field.name == name;
        return !found;
    });
    return found;
}

std::vector<Carried::Field> Carried::fields() const {
    std::vector<Field> all;
    forEachField([&](const Field& field) {
        all.push_back(field);
        return true;
    });
    return all;
}

CarriedPtr Carried::withPlace(std::uint32_t place) const {
    auto copy = std::make_shared<Carried>(*this);
    copy->place_ = place;
    return copy;
}

}  // namespace qvx
