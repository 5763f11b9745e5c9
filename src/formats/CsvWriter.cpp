// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "files/ByteStream.h"
#include "formats/BlockWriter.h"
#include "formats/CsvColumns.h"
#include "formats/CsvFormat.h"
#include "formats/CsvRows.h"
#include "formats/FieldText.h"
#include "formats/TextNumbers.h"
#include "formats/VdrText.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"
#include "model/RecordFields.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

// A carried value goes in hex where a spreadsheet could not hold it as text.
bool needsHex(std::string_view value) { return value.find('\0') != std::string_view::npos || !isUtf8(value); }

// The carried fields' columns, in the order their names first come.
class CarriedColumns final {
public:
    explicit CarriedColumns(const ChannelList& list) {
        add(list.carried().get());
        for (const ChannelTree* tree : {&list.television(), &list.radio()})
            for (const auto& top : tree->topLevelItems()) {
                add(top->carried().get());
                for (const auto& child : top->children()) add(child->carried().get());
            }
    }

    const std::vector<std::string>& headers() const { return headers_; }
    std::size_t indexOf(const Carried::Field& field) {
        headerOf(field);
        return index_.find(key_)->second;
    }

private:
    void headerOf(const Carried::Field& field) {
        key_.assign(needsHex(field.value) ? csv::kCarriedHexPrefix : csv::kCarriedPrefix);
        key_.append(field.name);
    }
    void add(const Carried* carried) {
        if (!carried) return;
        for (const Carried::Field& field : carried->fields()) {
            headerOf(field);
            if (index_.try_emplace(key_, headers_.size()).second) headers_.push_back(key_);
        }
    }

    std::vector<std::string> headers_;
    std::unordered_map<std::string, std::size_t> index_;
    std::string key_;
};

class RowWriter final {
public:
    RowWriter(ByteSink& sink, const ChannelList& list) : writer_(sink), columns_(list) {}

    bool header() {
        std::string& out = writer_.text();
        out.append(csv::kTree);
        out += ',';
        out.append(csv::kLevel);
        for (const RecordField& field : recordFields()) {
            out += ',';
            out.append(field.name);
        }
        for (const std::string_view name : {csv::kImage, csv::kCarriedFormat, csv::kCarriedPlace, csv::kCarriedFile}) {
            out += ',';
            out.append(name);
        }
        for (const std::string& name : columns_.headers()) {
            out += ',';
            appendCsvCell(out, name);
        }
        out += "\r\n";
        return writer_.flushFull();
    }

    // The rows of one item (or, without record, of the list's carried texts).
    bool rows(std::string_view tree, std::string_view level, const ChannelRecord* record, const Carried* carried) {
        fields_.clear();
        columnOf_.clear();
        if (carried) {
            fields_ = carried->fields();
            for (const Carried::Field& field : fields_) columnOf_.push_back(columns_.indexOf(field));
        }
        std::string& out = writer_.text();
        std::size_t next = 0;
        bool first = true;
        while (first || next < fields_.size()) {
            // The fields that follow each other in the header's order share a row.
            std::size_t end = next;
            while (end < fields_.size() && (end == next || columnOf_[end] > columnOf_[end - 1])) ++end;
            appendCsvCell(out, tree);
            out += ',';
            out.append(first ? level : csv::kMore);
            if (first && record) {
                recordCells(out, *record);
            } else {
                out.append(recordFields().size() + 1, ',');
            }
            if (first && carried) {
                out += ',';
                appendCsvCell(out, carried->format());
                out += ',';
                if (carried->place() != 0) appendNumber(out, carried->place());
                out += ',';
                // Two groups of digits, as in the image: no spreadsheet takes them for a number.
                if (carried->file() != 0) {
                    char digits[18];
                    const auto file = static_cast<unsigned long long>(carried->file());
                    std::snprintf(digits, sizeof digits, "%08llx %08llx", file >> 32, file & 0xFFFFFFFFu);
                    out += digits;
                }
            } else {
                out += ",,,";
            }
            std::size_t at = next;
            for (std::size_t column = 0; column < columns_.headers().size(); ++column) {
                out += ',';
                if (at == end || columnOf_[at] != column) continue;
                const std::string_view value = fields_[at++].value;
                if (value.empty())
                    out += "\"\"";
                else if (needsHex(value))
                    appendHex(out, value);
                else
                    appendCsvCell(out, value);
            }
            out += "\r\n";
            if (!writer_.flushFull()) return false;
            first = false;
            next = end;
        }
        return true;
    }

    bool finish() { return writer_.flush(); }

private:
    void recordCells(std::string& out, const ChannelRecord& record) {
        for (const RecordField& field : recordFields()) {
            out += ',';
            switch (field.kind) {
            case FieldKind::Text:
                text_.clear();
                for (const char c : field.text(record))
                    appendUtf8(text_, windows1252ToCodePoint(static_cast<std::uint8_t>(c)));
                appendCsvCell(out, text_);
                break;
            case FieldKind::Number: appendNumber(out, field.number(record)); break;
            case FieldKind::Numbers:
                for (std::size_t i = 0; i < field.count(); ++i) {
                    if (i != 0) out += ' ';
                    appendNumber(out, field.number(record, i));
                }
                break;
            }
        }
        out += ',';
        const RecordImage image = record.image();
        for (std::size_t i = 0; i < image.size(); i += csv::kImageGroup) {
            if (i != 0) out += ' ';
            appendHex(out, std::span(image).subspan(i, std::min(csv::kImageGroup, image.size() - i)));
        }
    }

    BlockWriter writer_;
    CarriedColumns columns_;
    std::vector<Carried::Field> fields_;
    std::vector<std::size_t> columnOf_;
    std::string text_;
};

}  // namespace

bool writeCsvList(ByteSink& sink, const ChannelList& list) {
    RowWriter rows(sink, list);
    if (!rows.header()) return false;
    if (const CarriedPtr& carried = list.carried(); carried && !rows.rows({}, csv::kList, nullptr, carried.get()))
        return false;
    for (const ChannelTree* tree : {&list.television(), &list.radio()}) {
        const std::string_view name = tree == &list.television() ? csv::kTelevision : csv::kRadio;
        for (const auto& top : tree->topLevelItems()) {
            if (!rows.rows(name, csv::kProvider, &top->record(), top->carried().get())) return false;
            for (const auto& child : top->children())
                if (!rows.rows(name, csv::kChannel, &child->record(), child->carried().get())) return false;
        }
    }
    return rows.finish();
}

}  // namespace qvx
