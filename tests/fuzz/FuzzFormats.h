// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: the format under test, chosen when the target
// is built, and a dump of both trees that shows every difference a reader or
// writer could make.

#include <cstdint>
#include <string>

#include "files/ByteStream.h"
#include "formats/ListFormat.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"
#include "model/EntryWalk.h"

namespace qvx::fuzz {

// QVX_FUZZ_FORMAT is the name of one ListFormat value (set by CMake).
inline constexpr ListFormat kFormat = ListFormat::QVX_FUZZ_FORMAT;

// The reader and writer the file layer calls for the format, on any byte source.
inline FileResult readFormat(ByteSource& source, ChannelList& list) {
    return listFormatEntry(kFormat).read(source, list, FormatOptions{"fuzz", "S19.2E"});
}

inline bool writeFormat(ByteSink& sink, const ChannelList& list) {
    return listFormatEntry(kFormat).write(sink, list, FormatOptions{"fuzz", "S19.2E"});
}

// What an item or a list carries: format, place and every named text.
inline void dumpCarried(std::string& out, const CarriedPtr& carried) {
    if (!carried) return;
    out += "carried " + carried->format() + ' ' + std::to_string(carried->place()) + ':';
    for (const Carried::Field& field : carried->fields()) {
        out.append(field.name);
        out += '=';
        out += std::to_string(field.value.size()) + ':';
        out.append(field.value);
        out += ';';
    }
    out += '\n';
}

// Every item in file order with its tree, depth, label, looks, whole record
// image and carried texts, save for what the writer derives from the item's
// place in the tree rather than from its record: the parent number of a
// DVBextreme entry (read from the file as it was, written from the tree as it
// is now).
inline std::string dumpTrees(const ChannelTree& television, const ChannelTree& radio) {
    std::string out;
    walkEntries(television, radio, [&](const Entry& entry) {
        out += &entry.tree == &television ? 'T' : 'R';
        out += entry.topLevel ? '0' : '1';
        out += entry.item.label();
        out += '\0';
        out += entry.item.isBold() ? 'b' : '-';
        out += std::to_string(entry.item.image()) + ',' + std::to_string(entry.item.selectedImage()) + ':';
        ChannelRecord record = entry.item.record();
        if (kFormat == ListFormat::DvbExtreme) record.dvbxParentNumber = 0;
        const RecordImage image = record.image();
        out.append(reinterpret_cast<const char*>(image.data()), image.size());
        dumpCarried(out, entry.item.carried());
        out += '\n';
    });
    return out;
}

// Both trees and what the list as a whole carries.
inline std::string dumpList(const ChannelList& list) {
    std::string out = dumpTrees(list.television(), list.radio());
    dumpCarried(out, list.carried());
    return out;
}

}  // namespace qvx::fuzz
