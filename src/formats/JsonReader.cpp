// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "formats/BoundedJsonText.h"
#include "files/ByteStream.h"
#include "formats/FieldText.h"
#include "formats/JsonFormat.h"
#include "model/Windows1252.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"
#include "model/RecordFields.h"

namespace qvx {
namespace {

// An input iterator over the bounded text, as the parser takes its input; a
// default-made one is the end.
class SourceIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = char;

    SourceIterator() = default;
    explicit SourceIterator(BoundedJsonText& buffer) : buffer_(&buffer) {}

    char operator*() const { return buffer_->current(); }
    SourceIterator& operator++() {
        buffer_->advance();
        return *this;
    }
    SourceIterator operator++(int) {
        SourceIterator before = *this;
        buffer_->advance();
        return before;
    }
    bool operator==(const SourceIterator& other) const { return atEnd() == other.atEnd(); }

private:
    bool atEnd() const { return buffer_ == nullptr || buffer_->atEnd(); }
    BoundedJsonText* buffer_ = nullptr;
};

constexpr std::string_view kTelevision = "television";
constexpr std::string_view kRadio = "radio";
constexpr std::string_view kRecord = "record";
constexpr std::string_view kChildren = "children";
constexpr std::string_view kImage = "image";

enum class Kind { Object, Array, Text, Integer };

std::string_view kindName(Kind kind) {
    switch (kind) {
    case Kind::Object: return "an object";
    case Kind::Array: return "an array";
    case Kind::Text: return "a text";
    case Kind::Integer: return "an integer";
    }
    return "";
}

// Where the parser stands: objects keep their current key, arrays the number
// of values begun so far.
// Carried: what an item or the list carries from a text format, its fields a
// CarriedFields array of [name, value] pairs (CarriedField), a value that is
// no UTF-8 given as {"hex": ...} (Hex).
enum class Level { Top, Trees, Item, Children, Record, Numbers, Carried, CarriedFields, CarriedField, Hex };

bool isArray(Level level) {
    return level == Level::Trees || level == Level::Children || level == Level::Numbers ||
           level == Level::CarriedFields || level == Level::CarriedField;
}

struct Frame {
    Level level;
    std::string_view key;
    std::size_t count = 0;
    const RecordField* field = nullptr;
    std::uint64_t seenKeys = 0;  // bit i: the object's i-th kind of key came already
};

constexpr unsigned kImageKeyBit = 63;
constexpr unsigned kCarriedKeyBit = 62;

constexpr std::string_view kCarried = "carried";
constexpr std::string_view kFormat = "format";
constexpr std::string_view kPlaceKey = "place";
constexpr std::string_view kFile = "file";
constexpr std::string_view kFields = "fields";
constexpr std::string_view kHex = "hex";
constexpr std::string_view kCarriedKeys[] = {kFormat, kPlaceKey, kFile, kFields};
// What a carried text may hold: a line, a section of a channel file.
constexpr std::size_t kCarriedNameLimit = 64;
constexpr std::size_t kCarriedValueLimit = 1 << 20;
constexpr std::size_t kFormatNameLimit = 32;

// The longest key a list has: a longer one is unknown, however it goes on.
std::size_t longestKey() {
    static const std::size_t longest = [] {
        std::size_t length = 0;
        for (const std::string_view key : {kTelevision, kRadio, kRecord, kChildren, kImage, kCarried, kHex})
            length = std::max(length, key.size());
        for (const std::string_view key : kCarriedKeys) length = std::max(length, key.size());
        for (const RecordField& field : recordFields()) length = std::max(length, field.name.size());
        return length;
    }();
    return longest;
}

// What an item or the list carries, as it comes.
struct PendingCarried {
    bool given = false;
    std::string format;
    std::uint32_t place = 0;
    std::uint64_t file = 0;
    std::vector<std::string> texts;  // name, value, name, value...

    CarriedPtr make() const {
        if (!given) return nullptr;
        std::vector<Carried::Field> fields;
        fields.reserve(texts.size() / 2);
        for (std::size_t i = 0; i + 1 < texts.size(); i += 2) fields.push_back({texts[i], texts[i + 1]});
        return makeCarried(format, place, fields, file);
    }
};

// The named values of one record as they come, put together when it ends.
struct PendingRecord {
    bool topLevel = false;
    bool hasImage = false;
    RecordImage image{};
    ChannelRecord values{};
    std::uint64_t named = 0;  // bit i: recordFields()[i] was given
    std::array<std::uint8_t, 64> textLength{};
    PendingCarried carried;
};

// "[json.exception.parse_error.101] parse error at line 1, column 3: ..." ->
// "line L, column C: ...", the place in the text as the file has it (the
// parser sees runs of blanks as one).
std::string errorText(const nlohmann::detail::exception& error, const BoundedJsonText& text) {
    std::string_view message = error.what();
    if (const std::size_t at = message.find("] "); at != std::string_view::npos) message.remove_prefix(at + 2);
    constexpr std::string_view kPlace = "parse error at ";
    if (const std::size_t at = message.find(kPlace); at != std::string_view::npos) {
        message.remove_prefix(at + kPlace.size());
        if (const std::size_t colon = message.find(": "); colon != std::string_view::npos)
            message.remove_prefix(colon + 2);
        return "line " + std::to_string(text.line()) + ", column " + std::to_string(text.column()) + ": " +
               std::string(message);
    }
    return std::string(message);
}

// Builds the trees from the parser's events as they come.
class ListBuilder {
public:
    ListBuilder(ChannelTree& television, ChannelTree& radio) : television_(television), radio_(radio) {
        stack_.reserve(8);
    }

    void setText(const BoundedJsonText& text) { text_ = &text; }
    const std::string& failure() const { return failure_; }

    // How many characters the string about to come may hold: a key no more
    // than the longest key, a value what its place takes (none where no text
    // belongs: the first character is then enough to refuse it).
    std::size_t textLimit(bool key) const {
        if (key) return longestKey();
        if (stack_.empty()) return 0;
        const Frame& frame = stack_.back();
        switch (frame.level) {
        case Level::Carried: return frame.key == kFormat ? kFormatNameLimit : frame.key == kFile ? 16 : 0;
        case Level::CarriedField: return frame.count == 0 ? kCarriedNameLimit : kCarriedValueLimit;
        case Level::Hex: return 2 * kCarriedValueLimit;
        case Level::Record: break;
        default: return 0;
        }
        if (frame.key == kImage) return 2 * kRecordSize;
        return frame.field && frame.field->kind == FieldKind::Text ? frame.field->size : 0;
    }

    // The message for a text the bounded reading cut short, where the parser stands.
    const std::string& refused(JsonRefusal why, const std::string& keyStart) {
        refusing_ = true;
        switch (why) {
        case JsonRefusal::None: break;
        case JsonRefusal::LongKey:
            stack_.back().key = {};
            fail("unknown key \"" + keyStart + "...\"");
            break;
        case JsonRefusal::LongText:
            if (!begin(Kind::Text, "a text")) break;
            if (stack_.back().key == kImage)
                fail("expected " + std::to_string(2 * kRecordSize) + " hex digits, found more");
            else
                fail("the text is longer than the field's " + std::to_string(stack_.back().field->size) + " bytes");
            break;
        case JsonRefusal::LongNumber:
            if (!begin(Kind::Integer, "an integer")) break;
            fail("a number of more than " + std::to_string(BoundedJsonText::kMaxNumberLength) +
                 " characters is out of range 0.." + std::to_string(currentMaximum()));
            break;
        case JsonRefusal::TooDeep:
            fail("nested deeper than " + std::to_string(BoundedJsonText::kMaxDepth) + " levels");
            break;
        }
        return failure_;
    }

    bool null() { return begin(std::nullopt, "null"); }
    bool boolean(bool value) { return begin(std::nullopt, value ? "true" : "false"); }
    bool number_integer(std::int64_t value) {
        // The parser gives integers with a minus sign here, "-0" among them.
        if (!begin(Kind::Integer, "an integer")) return false;
        if (value == 0) return store(0);
        return fail(std::to_string(value) + " is out of range 0.." + std::to_string(currentMaximum()));
    }
    bool number_unsigned(std::uint64_t value) {
        if (!begin(Kind::Integer, "an integer")) return false;
        if (stack_.back().level != Level::Carried) return store(value);
        if (value > std::numeric_limits<std::uint32_t>::max())
            return fail(std::to_string(value) + " is out of range 0.." +
                        std::to_string(std::numeric_limits<std::uint32_t>::max()));
        carried_->place = static_cast<std::uint32_t>(value);
        return true;
    }
    bool number_float(double, const std::string& text) {
        if (cutShort()) return false;
        if (wanted() == Kind::Integer) {
            countValue();
            return fail(text + " is not an integer");
        }
        return begin(std::nullopt, "the number " + text);
    }
    bool string(std::string& value) {
        if (!begin(Kind::Text, "a text")) return false;
        switch (stack_.back().level) {
        case Level::Carried: return storeCarriedText(value);
        case Level::CarriedField:
            if (stack_.back().count == 1 && value.empty()) return fail("a field needs a name");
            carried_->texts.push_back(std::move(value));
            return true;
        case Level::Hex: return storeHexValue(value);
        default: return storeText(value);
        }
    }
    bool binary(nlohmann::json::binary_t&) { return fail("binary data"); }

    bool start_object(std::size_t) {
        if (!begin(Kind::Object, "an object")) return false;
        const Level parent = stack_.empty() ? Level::Top : stack_.back().level;
        if (stack_.empty()) {
            stack_.push_back({Level::Top, {}});
        } else if ((parent == Level::Top || parent == Level::Record) && stack_.back().key == kCarried) {
            carried_ = parent == Level::Top ? &listCarried_ : &record_.carried;
            *carried_ = PendingCarried{};
            carried_->given = true;
            stack_.push_back({Level::Carried, {}});
        } else if (parent == Level::CarriedField) {
            stack_.push_back({Level::Hex, {}});
        } else if (parent == Level::Trees) {
            stack_.push_back({Level::Item, {}});
            top_.reset();
        } else {
            stack_.push_back({Level::Record, {}});
            record_ = PendingRecord{};
            record_.topLevel = parent == Level::Item;
        }
        return true;
    }

    bool end_object() {
        const Level level = stack_.back().level;
        if (level == Level::Record) {
            stack_.back().key = {};
            if (!finishRecord()) return false;
        } else if (level == Level::Item) {
            stack_.back().key = {};
            if (!top_) return fail("an item needs a \"record\"");
            tree_->appendItem(nullptr, std::move(top_));
        } else if (level == Level::Carried) {
            stack_.back().key = {};
            if (carried_->format.empty()) return fail("\"carried\" needs a \"format\"");
        } else if (level == Level::Hex) {
            stack_.back().key = {};
            if ((stack_.back().seenKeys & 1) == 0) return fail("expected \"hex\"");
        }
        stack_.pop_back();
        return true;
    }

    bool start_array(std::size_t) {
        if (!begin(Kind::Array, "an array")) return false;
        Frame& parent = stack_.back();
        if (parent.level == Level::Top) {
            tree_ = parent.key == kTelevision ? &television_ : &radio_;
            stack_.push_back({Level::Trees, {}});
        } else if (parent.level == Level::Item) {
            if (!top_) return fail("\"record\" must come before \"children\"");
            stack_.push_back({Level::Children, {}});
        } else if (parent.level == Level::Carried) {
            stack_.push_back({Level::CarriedFields, {}});
        } else if (parent.level == Level::CarriedFields) {
            stack_.push_back({Level::CarriedField, {}});
        } else {
            stack_.push_back({Level::Numbers, {}, 0, parent.field});
        }
        return true;
    }

    bool end_array() {
        const Frame frame = stack_.back();
        if (frame.level == Level::CarriedField && frame.count != 2) {
            stack_.pop_back();
            return fail("expected a name and a value");
        }
        if (frame.level == Level::Numbers && frame.count != frame.field->count()) {
            stack_.pop_back();
            return fail("expected " + std::to_string(frame.field->count()) + " numbers, found " +
                        std::to_string(frame.count));
        }
        stack_.pop_back();
        return true;
    }

    bool key(std::string& name) {
        Frame& frame = stack_.back();
        frame.key = {};
        unsigned keyBit = 0;
        switch (frame.level) {
        case Level::Top:
        case Level::Item: {
            const bool top = frame.level == Level::Top;
            const std::string_view first = top ? kTelevision : kRecord;
            const std::string_view second = top ? kRadio : kChildren;
            if (name == first) frame.key = first;
            if (name == second) frame.key = second;
            keyBit = name == first ? 0 : 1;
            if (top && name == kCarried) {
                frame.key = kCarried;
                keyBit = 2;
            }
            break;
        }
        case Level::Carried:
            for (unsigned i = 0; i < std::size(kCarriedKeys); ++i)
                if (name == kCarriedKeys[i]) {
                    frame.key = kCarriedKeys[i];
                    keyBit = i;
                }
            break;
        case Level::Hex:
            if (name == kHex) frame.key = kHex;
            break;
        case Level::Record:
            if (name == kImage) {
                frame.key = kImage;
                frame.field = nullptr;
                keyBit = kImageKeyBit;
            } else if (name == kCarried) {
                frame.key = kCarried;
                frame.field = nullptr;
                keyBit = kCarriedKeyBit;
            } else if (const RecordField* field = fieldNamed(name)) {
                frame.key = field->name;
                frame.field = field;
                keyBit = static_cast<unsigned>(indexOf(*field));
            }
            break;
        default: break;
        }
        if (frame.key.empty()) return fail("unknown key \"" + name + "\"");
        // JSON with a name given twice means what each parser makes of it.
        if ((frame.seenKeys >> keyBit & 1) != 0) {
            frame.key = {};
            return fail("\"" + name + "\" is given twice");
        }
        frame.seenKeys |= std::uint64_t{1} << keyBit;
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        return fail(errorText(error, *text_));
    }

private:
    // A token cut short by the bounded text ends the parse; refused() tells why.
    bool cutShort() const { return text_ && text_->refusal() != JsonRefusal::None && !refusing_; }

    // Counts a value begun in an array, so that the path names it.
    void countValue() {
        if (!stack_.empty() && isArray(stack_.back().level)) ++stack_.back().count;
    }

    std::optional<Kind> wanted() const {
        if (stack_.empty()) return Kind::Object;
        const Frame& frame = stack_.back();
        switch (frame.level) {
        case Level::Top: return frame.key == kCarried ? Kind::Object : Kind::Array;
        case Level::Trees:
        case Level::Children: return Kind::Object;
        case Level::Item: return frame.key == kRecord ? Kind::Object : Kind::Array;
        case Level::Numbers: return Kind::Integer;
        case Level::Carried:
            return frame.key == kPlaceKey ? Kind::Integer : frame.key == kFields ? Kind::Array : Kind::Text;
        case Level::CarriedFields: return Kind::Array;
        case Level::CarriedField:
        case Level::Hex: return Kind::Text;
        case Level::Record:
            if (frame.key == kCarried) return Kind::Object;
            if (!frame.field || frame.field->kind == FieldKind::Text) return Kind::Text;
            return frame.field->kind == FieldKind::Number ? Kind::Integer : Kind::Array;
        }
        return std::nullopt;
    }

    // Starts a value of `found` kind (none: a kind no place takes); fails when the place wants another.
    bool begin(std::optional<Kind> found, std::string_view description) {
        if (cutShort()) return false;
        countValue();
        const std::optional<Kind> want = wanted();
        if (!stack_.empty() && stack_.back().level == Level::CarriedField) {
            if (stack_.back().count > 2) return fail("expected a name and a value, found more");
            // A value that is no UTF-8 comes as {"hex": ...}.
            if (stack_.back().count == 2 && found == Kind::Object) return true;
        }
        if (found && want == found) {
            const Frame* frame = stack_.empty() ? nullptr : &stack_.back();
            if (frame && frame->level == Level::Numbers && frame->count > frame->field->count())
                return fail("expected " + std::to_string(frame->field->count()) + " numbers, found more");
            return true;
        }
        return fail("expected " + std::string(kindName(*want)) + ", found " + std::string(description));
    }

    std::uint64_t currentMaximum() const { return stack_.back().field->maximum(); }

    const RecordField* fieldNamed(std::string_view name) {
        const std::span<const RecordField> fields = recordFields();
        // Fields mostly come in the order of the record.
        if (nextField_ < fields.size() && fields[nextField_].name == name) return &fields[nextField_++];
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].name != name) continue;
            nextField_ = i + 1;
            return &fields[i];
        }
        return nullptr;
    }

    std::size_t indexOf(const RecordField& field) const {
        return static_cast<std::size_t>(&field - recordFields().data());
    }

    bool store(std::uint64_t value) {
        const Frame& frame = stack_.back();
        const RecordField& field = *frame.field;
        if (value > field.maximum())
            return fail(std::to_string(value) + " is out of range 0.." + std::to_string(field.maximum()));
        const std::size_t index = frame.level == Level::Numbers ? frame.count - 1 : 0;
        field.setNumber(record_.values, index, value);
        record_.named |= std::uint64_t{1} << indexOf(field);
        return true;
    }

    bool storeText(const std::string& utf8) {
        const Frame& frame = stack_.back();
        if (!frame.field) return storeImage(utf8);
        const RecordField& field = *frame.field;
        auto* bytes = reinterpret_cast<std::uint8_t*>(&record_.values) + field.offset;
        std::size_t length = 0;
        if (const std::optional<std::string> fault = putWindows1252Text(utf8, {bytes, field.size}, length))
            return fail(*fault);
        const std::size_t index = indexOf(field);
        record_.textLength[index] = static_cast<std::uint8_t>(length);
        record_.named |= std::uint64_t{1} << index;
        return true;
    }

    bool storeCarriedText(const std::string& text) {
        const std::string_view key = stack_.back().key;
        if (key == kFormat) {
            if (text.empty()) return fail("a format needs a name");
            carried_->format = text;
            return true;
        }
        // The file's read number, as 16 hex digits.
        if (text.empty() || text.size() > 16) return fail("expected 1 to 16 hex digits");
        std::uint64_t file = 0;
        for (const char c : text) {
            const int digit = hexValue(c);
            if (digit < 0) return fail("expected hex digits, found '" + std::string(1, c) + "'");
            file = file << 4 | static_cast<std::uint64_t>(digit);
        }
        carried_->file = file;
        return true;
    }

    bool storeHexValue(const std::string& hex) {
        if (hex.size() % 2 != 0) return fail("expected pairs of hex digits");
        std::string bytes;
        bytes.reserve(hex.size() / 2);
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            const int high = hexValue(hex[i]);
            const int low = hexValue(hex[i + 1]);
            if (high < 0 || low < 0) return fail("expected hex digits, found '" + hex.substr(i, 2) + "'");
            bytes.push_back(static_cast<char>(high << 4 | low));
        }
        stack_.back().seenKeys |= 1;
        carried_->texts.push_back(std::move(bytes));
        return true;
    }

    bool storeImage(const std::string& hex) {
        if (hex.size() != 2 * kRecordSize)
            return fail("expected " + std::to_string(2 * kRecordSize) + " hex digits, found " +
                        std::to_string(hex.size()) + " characters");
        for (std::size_t i = 0; i < kRecordSize; ++i) {
            const int high = hexValue(hex[2 * i]);
            const int low = hexValue(hex[2 * i + 1]);
            if (high < 0 || low < 0) return fail("expected hex digits, found '" + hex.substr(2 * i, 2) + "'");
            record_.image[i] = static_cast<std::uint8_t>(high << 4 | low);
        }
        record_.hasImage = true;
        return true;
    }

    bool finishRecord() {
        const std::uint8_t kind = tree_->serviceType();
        ChannelRecord record = record_.hasImage ? ChannelRecord::fromImage(record_.image)
                               : record_.topLevel ? ChannelRecord::newProvider(kind)
                                                  : ChannelRecord::newChannel(kind);
        auto* to = reinterpret_cast<std::uint8_t*>(&record);
        const auto* from = reinterpret_cast<const std::uint8_t*>(&record_.values);
        const std::span<const RecordField> fields = recordFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if ((record_.named >> i & 1) == 0) continue;
            const RecordField& field = fields[i];
            if (field.kind != FieldKind::Text) {
                std::memcpy(to + field.offset, from + field.offset, field.size);
                continue;
            }
            const std::size_t length = record_.textLength[i];
            std::memcpy(to + field.offset, from + field.offset, length);
            // The terminator; what lies after it comes from the image, or is zero without one.
            if (length < field.size)
                std::memset(to + field.offset + length, 0, record_.hasImage ? 1 : field.size - length);
        }
        if (record_.topLevel) {
            if (record.isChannel == 0)
                record.makeProvider(kind);
            else
                record.serviceType = kind;
            top_ = record.isChannel == 0 ? TreeItem::makeProvider(record, record_.carried.make())
                                         : TreeItem::makeChannel(record, record_.carried.make());
            return true;
        }
        if (record.isChannel == 0) {
            stack_.back().key = "isChannel";
            return fail("a channel's isChannel cannot be 0");
        }
        record.serviceType = kind;
        top_->appendDetachedChild(TreeItem::makeChannel(record, record_.carried.make()));
        return true;
    }

    // "television[0].children[2].lnb": where the parser stands.
    std::string path() const {
        std::string out;
        for (const Frame& frame : stack_) {
            if (isArray(frame.level)) {
                if (frame.count != 0) out += '[' + std::to_string(frame.count - 1) + ']';
            } else if (!frame.key.empty()) {
                if (!out.empty()) out += '.';
                out += frame.key;
            }
        }
        return out;
    }

    bool fail(const std::string& reason) {
        const std::string where = path();
        failure_ = where.empty() ? reason : where + ": " + reason;
        return false;
    }

    ChannelTree& television_;
    ChannelTree& radio_;
    ChannelTree* tree_ = nullptr;
    std::vector<Frame> stack_;
    std::unique_ptr<TreeItem> top_;
    PendingRecord record_;
    std::size_t nextField_ = 0;
    std::string failure_;
    const BoundedJsonText* text_ = nullptr;
    bool refusing_ = false;
    PendingCarried listCarried_;
    PendingCarried* carried_ = &listCarried_;

public:
    CarriedPtr listCarried() const { return listCarried_.make(); }
};

}  // namespace

FileResult readJsonList(ByteSource& source, ChannelList& list) {
    ChannelTree& television = list.television();
    ChannelTree& radio = list.radio();
    television.clear();
    radio.clear();
    list.setCarried(nullptr);
    ListBuilder builder(television, radio);
    BoundedJsonText text(source, [&](bool key) { return builder.textLimit(key); });
    builder.setText(text);
    bool parsed = false;
    {
        ChannelTree::BulkChange televisionChange(television);
        ChannelTree::BulkChange radioChange(radio);
        parsed = nlohmann::json::sax_parse(SourceIterator(text), SourceIterator(), &builder);
    }
    if (source.error() != 0) return readFailure(source.error());
    if (parsed && text.refusal() == JsonRefusal::None) {
        list.setCarried(builder.listCarried());
        return {};
    }
    television.clear();
    radio.clear();
    // Cut short, the parser saw an end of the text that is not there.
    if (text.refusal() != JsonRefusal::None) return badContent(builder.refused(text.refusal(), text.refusedKeyStart()));
    return badContent(builder.failure());
}

}  // namespace qvx
