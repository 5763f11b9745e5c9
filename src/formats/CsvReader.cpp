// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "files/ByteStream.h"
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

enum class ColumnKind {
    Unnamed,
    Tree,
    Level,
    Field,
    Image,
    CarriedFormat,
    CarriedPlace,
    CarriedFile,
    CarriedText,
    CarriedHex
};

struct Column {
    ColumnKind kind = ColumnKind::Unnamed;
    std::string name;  // as the header has it
    const RecordField* field = nullptr;
    std::string carriedName;
};

enum class Level { Provider, Channel, List, More };

// Hex digits, blanks between them allowed, as bytes; none when another character comes.
std::optional<std::string> hexBytes(std::string_view text, std::size_t& digits) {
    std::string bytes;
    bytes.reserve(text.size() / 2);
    int high = -1;
    digits = 0;
    for (const char c : text) {
        if (c == ' ') continue;
        const int value = hexValue(c);
        if (value < 0) return std::nullopt;
        ++digits;
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(static_cast<char>(high << 4 | value));
            high = -1;
        }
    }
    if (high >= 0) return std::nullopt;
    return bytes;
}

// What the rows build up: the item (or the list's carried texts) whose rows
// are being read, finished when a row of another item comes.
struct Pending {
    bool active = false;
    bool isList = false;
    std::size_t line = 0;
    ChannelTree* tree = nullptr;
    bool topLevel = false;
    ChannelRecord record{};
    std::string format;
    std::uint32_t place = 0;
    std::uint64_t file = 0;
    std::vector<std::string> texts;  // name, value, name, value...
};

class CsvListReader final {
public:
    explicit CsvListReader(ChannelList& list) : list_(list) {}

    FileResult read(std::string& text) {
        // The byte order mark that spreadsheets put before UTF-8.
        std::size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        if (!isUtf8(std::string_view(text).substr(start))) {
            text = windows1252ToUtf8(std::string_view(text).substr(start));
            start = 0;
        } else if (start != 0) {
            text.erase(0, start);
        }
        CsvRows rows(text, csvSeparatorOf(text));
        std::vector<CsvCell> cells;
        if (!rows.next(cells))
            return badLine(1, rows.unclosedQuote() ? "a quoted cell is not closed" : "the header is missing");
        if (std::optional<std::string> fault = readHeader(cells)) return badLine(rows.line(), *fault);
        ChannelTree::BulkChange televisionChange(list_.television());
        ChannelTree::BulkChange radioChange(list_.radio());
        while (rows.next(cells)) {
            faultLine_ = rows.line();
            if (std::optional<std::string> fault = readRow(cells, rows.line())) return failed(faultLine_, *fault);
        }
        if (rows.unclosedQuote()) return failed(rows.line() == 0 ? 1 : rows.line(), "a quoted cell is not closed");
        if (std::optional<std::string> fault = finishPending()) return failed(pending_.line, *fault);
        return {};
    }

private:
    FileResult failed(std::size_t line, const std::string& fault) {
        list_.television().clear();
        list_.radio().clear();
        list_.setCarried(nullptr);
        return badLine(line, fault);
    }

    std::optional<std::string> readHeader(const std::vector<CsvCell>& cells) {
        columns_.clear();
        columns_.reserve(cells.size());
        for (const CsvCell& cell : cells) {
            Column column;
            column.name = std::string(cell.text);
            const std::string_view name = cell.text;
            if (name.empty()) {
                column.kind = ColumnKind::Unnamed;
            } else if (name == csv::kTree) {
                column.kind = ColumnKind::Tree;
            } else if (name == csv::kLevel) {
                column.kind = ColumnKind::Level;
            } else if (name == csv::kImage) {
                column.kind = ColumnKind::Image;
            } else if (name == csv::kCarriedFormat) {
                column.kind = ColumnKind::CarriedFormat;
            } else if (name == csv::kCarriedPlace) {
                column.kind = ColumnKind::CarriedPlace;
            } else if (name == csv::kCarriedFile) {
                column.kind = ColumnKind::CarriedFile;
            } else if (name.starts_with(csv::kCarriedPrefix) && name.size() > csv::kCarriedPrefix.size()) {
                column.kind = ColumnKind::CarriedText;
                column.carriedName = std::string(name.substr(csv::kCarriedPrefix.size()));
            } else if (name.starts_with(csv::kCarriedHexPrefix) && name.size() > csv::kCarriedHexPrefix.size()) {
                column.kind = ColumnKind::CarriedHex;
                column.carriedName = std::string(name.substr(csv::kCarriedHexPrefix.size()));
            } else {
                for (const RecordField& field : recordFields())
                    if (field.name == name) {
                        column.kind = ColumnKind::Field;
                        column.field = &field;
                    }
                if (!column.field) return "unknown column " + quoted(name);
            }
            for (const Column& before : columns_)
                if (!name.empty() && before.name == name) return "the column " + quoted(name) + " is given twice";
            columns_.push_back(std::move(column));
        }
        for (const std::string_view needed : {csv::kTree, csv::kLevel}) {
            bool found = false;
            for (const Column& column : columns_) found = found || column.name == needed;
            if (!found) return "the column " + quoted(needed) + " is missing";
        }
        return std::nullopt;
    }

    static std::string at(const Column& column, const std::string& reason) { return column.name + ": " + reason; }

    std::optional<std::string> readRow(const std::vector<CsvCell>& cells, std::size_t line) {
        bool blank = true;
        for (const CsvCell& cell : cells) blank = blank && cell.text.empty() && !cell.quoted;
        if (blank) return std::nullopt;
        if (cells.size() > columns_.size()) {
            for (std::size_t i = columns_.size(); i < cells.size(); ++i)
                if (!cells[i].text.empty())
                    return "cell " + std::to_string(i + 1) + " lies beyond the header's " +
                           std::to_string(columns_.size()) + " columns";
        }
        // Tree and level first: they decide what the other cells mean.
        std::optional<Level> level;
        ChannelTree* tree = nullptr;
        const Column* treeColumn = nullptr;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const std::string_view text = i < cells.size() ? cells[i].text : std::string_view();
            const Column& column = columns_[i];
            if (column.kind == ColumnKind::Level) {
                if (text == csv::kProvider)
                    level = Level::Provider;
                else if (text == csv::kChannel)
                    level = Level::Channel;
                else if (text == csv::kList)
                    level = Level::List;
                else if (text == csv::kMore)
                    level = Level::More;
                else
                    return at(column, quoted(text) + " is not provider, channel, list or more");
            } else if (column.kind == ColumnKind::Tree) {
                treeColumn = &column;
                if (text == csv::kTelevision)
                    tree = &list_.television();
                else if (text == csv::kRadio)
                    tree = &list_.radio();
                else if (!text.empty())
                    return at(column, quoted(text) + " is not television or radio");
            }
        }
        if (*level == Level::More) {
            if (!pending_.active) return "a row of level more follows no row it could continue";
            return readCells(cells, false);
        }
        if (std::optional<std::string> fault = finishPending()) {
            faultLine_ = pending_.line;
            return fault;
        }
        pending_ = Pending{};
        pending_.active = true;
        pending_.line = line;
        pending_.isList = *level == Level::List;
        if (pending_.isList) {
            if (listSeen_) return "the list's row is given twice";
            listSeen_ = true;
            return readCells(cells, true);
        }
        if (!tree) return at(*treeColumn, "a provider or channel needs its tree");
        pending_.tree = tree;
        TreeItem* const top = tree == &list_.television() ? lastTelevision_ : lastRadio_;
        // A channel before any top-level item of its tree stands at the top level.
        pending_.topLevel = *level == Level::Provider || !top;
        channelRow_ = *level == Level::Channel;
        image_ = false;
        return readCells(cells, true);
    }

    // The cells of a row; only carried fields on a row that continues another.
    std::optional<std::string> readCells(const std::vector<CsvCell>& cells, bool firstRow) {
        const bool holdsRecord = firstRow && !pending_.isList;
        // The image first: named fields win over its bytes.
        for (std::size_t i = 0; i < columns_.size() && i < cells.size() && holdsRecord; ++i)
            if (columns_[i].kind == ColumnKind::Image && !cells[i].text.empty()) {
                std::size_t digits = 0;
                const std::optional<std::string> bytes = hexBytes(cells[i].text, digits);
                if (!bytes) return at(columns_[i], quoted(cells[i].text) + " is not hex");
                if (bytes->size() != kRecordSize)
                    return at(columns_[i], "expected " + std::to_string(2 * kRecordSize) + " hex digits, found " +
                                               std::to_string(digits));
                RecordImage image;
                std::memcpy(image.data(), bytes->data(), kRecordSize);
                pending_.record = ChannelRecord::fromImage(image);
                image_ = true;
            }
        if (holdsRecord && !image_) {
            const std::uint8_t kind = pending_.tree->serviceType();
            pending_.record = channelRow_ ? ChannelRecord::newChannel(kind) : ChannelRecord::newProvider(kind);
        }
        for (std::size_t i = 0; i < columns_.size() && i < cells.size(); ++i) {
            const Column& column = columns_[i];
            const CsvCell& cell = cells[i];
            // A quoted empty cell is a carried field whose value is empty.
            if (cell.text.empty() && !(cell.quoted && column.kind == ColumnKind::CarriedText)) continue;
            switch (column.kind) {
            case ColumnKind::Tree:
            case ColumnKind::Level: break;
            case ColumnKind::Unnamed: return "cell " + std::to_string(i + 1) + " has no column name";
            case ColumnKind::Image:
                if (!holdsRecord) return at(column, "only a provider or channel has an image");
                break;
            case ColumnKind::Field:
                if (!holdsRecord) return at(column, "only a provider or channel has record fields");
                if (std::optional<std::string> fault = storeField(*column.field, cell.text)) return at(column, *fault);
                break;
            case ColumnKind::CarriedFormat:
                if (!firstRow) return at(column, "belongs on the first row of its item");
                pending_.format = std::string(cell.text);
                break;
            case ColumnKind::CarriedPlace: {
                if (!firstRow) return at(column, "belongs on the first row of its item");
                const std::optional<std::uint64_t> place = parseUnsigned(trimBlanks(cell.text), 0xFFFFFFFFu);
                if (!place) return at(column, quoted(cell.text) + " is not a number of 0..4294967295");
                pending_.place = static_cast<std::uint32_t>(*place);
                break;
            }
            case ColumnKind::CarriedFile: {
                if (!firstRow) return at(column, "belongs on the first row of its item");
                std::uint64_t file = 0;
                std::size_t digits = 0;
                for (const char c : cell.text) {
                    if (c == ' ') continue;
                    const int value = hexValue(c);
                    if (value < 0) return at(column, quoted(cell.text) + " is not hex");
                    if (++digits > 16) return at(column, quoted(cell.text) + " is more than 16 hex digits");
                    file = file << 4 | static_cast<std::uint64_t>(value);
                }
                pending_.file = file;
                break;
            }
            case ColumnKind::CarriedText:
                pending_.texts.push_back(column.carriedName);
                pending_.texts.push_back(std::string(cell.text));
                break;
            case ColumnKind::CarriedHex: {
                std::size_t digits = 0;
                std::optional<std::string> bytes = hexBytes(cell.text, digits);
                if (!bytes) return at(column, quoted(cell.text) + " is not hex");
                pending_.texts.push_back(column.carriedName);
                pending_.texts.push_back(std::move(*bytes));
                break;
            }
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> storeField(const RecordField& field, std::string_view text) {
        auto* bytes = reinterpret_cast<std::uint8_t*>(&pending_.record) + field.offset;
        switch (field.kind) {
        case FieldKind::Text: {
            std::size_t length = 0;
            if (std::optional<std::string> fault = putWindows1252Text(text, {bytes, field.size}, length)) return fault;
            // The terminator; what lies after it comes from the image, or is zero without one.
            if (length < field.size) std::memset(bytes + length, 0, image_ ? 1 : field.size - length);
            return std::nullopt;
        }
        case FieldKind::Number: {
            const std::optional<std::uint64_t> value = number(field, text);
            if (!value) return numberFault(field, text);
            field.setNumber(pending_.record, 0, *value);
            return std::nullopt;
        }
        case FieldKind::Numbers: {
            std::size_t index = 0;
            std::string_view rest = text;
            while (!(rest = trimBlanks(rest)).empty()) {
                const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
                const std::string_view item = rest.substr(0, end);
                rest.remove_prefix(end);
                if (index == field.count()) return "expected " + std::to_string(field.count()) + " numbers, found more";
                const std::optional<std::uint64_t> value = number(field, item);
                if (!value) return numberFault(field, item);
                field.setNumber(pending_.record, index++, *value);
            }
            if (index != field.count())
                return "expected " + std::to_string(field.count()) + " numbers, found " + std::to_string(index);
            return std::nullopt;
        }
        }
        return std::nullopt;
    }

    static std::optional<std::uint64_t> number(const RecordField& field, std::string_view text) {
        return parseUnsigned(trimBlanks(text), field.maximum());
    }

    static std::string numberFault(const RecordField& field, std::string_view text) {
        const std::string_view digits = trimBlanks(text);
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos)
            return std::string(digits) + " is out of range 0.." + std::to_string(field.maximum());
        return quoted(text) + " is not a number";
    }

    std::optional<std::string> finishPending() {
        if (!pending_.active) return std::nullopt;
        pending_.active = false;
        CarriedPtr carried;
        if (!pending_.format.empty()) {
            std::vector<Carried::Field> fields;
            fields.reserve(pending_.texts.size() / 2);
            for (std::size_t i = 0; i + 1 < pending_.texts.size(); i += 2)
                fields.push_back({pending_.texts[i], pending_.texts[i + 1]});
            carried = makeCarried(pending_.format, pending_.place, fields, pending_.file);
        } else if (!pending_.texts.empty() || pending_.place != 0 || pending_.file != 0) {
            return std::string(csv::kCarriedFormat) + ": carried fields need the format they come from";
        }
        if (pending_.isList) {
            list_.setCarried(std::move(carried));
            return std::nullopt;
        }
        ChannelTree& tree = *pending_.tree;
        const std::uint8_t kind = tree.serviceType();
        ChannelRecord& record = pending_.record;
        TreeItem*& top = &tree == &list_.television() ? lastTelevision_ : lastRadio_;
        if (pending_.topLevel) {
            if (record.isChannel == 0)
                record.makeProvider(kind);
            else
                record.serviceType = kind;
            top = tree.appendItem(nullptr, record.isChannel == 0 ? TreeItem::makeProvider(record, std::move(carried))
                                                                 : TreeItem::makeChannel(record, std::move(carried)));
            return std::nullopt;
        }
        if (record.isChannel == 0) return "isChannel: a channel's isChannel cannot be 0";
        record.serviceType = kind;
        tree.appendItem(top, TreeItem::makeChannel(record, std::move(carried)));
        return std::nullopt;
    }

    ChannelList& list_;
    std::vector<Column> columns_;
    Pending pending_;
    bool image_ = false;
    bool channelRow_ = false;
    // The line a fault of the row being read is told on: where its item began.
    std::size_t faultLine_ = 0;
    bool listSeen_ = false;
    TreeItem* lastTelevision_ = nullptr;
    TreeItem* lastRadio_ = nullptr;
};

}  // namespace

FileResult readCsvList(ByteSource& source, ChannelList& list) {
    std::string text;
    std::array<std::uint8_t, 1 << 16> block{};
    for (;;) {
        const std::size_t size = source.read(block);
        text.append(reinterpret_cast<const char*>(block.data()), size);
        if (size < block.size()) break;
    }
    if (source.error() != 0) return readFailure(source.error());
    list.television().clear();
    list.radio().clear();
    list.setCarried(nullptr);
    CsvListReader reader(list);
    return reader.read(text);
}

}  // namespace qvx
