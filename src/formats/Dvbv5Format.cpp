// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Dvbv5Format.h"

#include <string>
#include <vector>

#include "files/ByteStream.h"
#include "formats/ChannelNameText.h"
#include "formats/Dvbv5Compose.h"
#include "formats/Dvbv5Section.h"
#include "formats/FileNamedProviders.h"
#include "formats/RecordChanges.h"
#include "formats/RecordTuning.h"
#include "formats/TextLines.h"
#include "formats/TextNumbers.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

constexpr std::string_view kFormat = "dvbv5";
// A channel's section as the file had it: its header, its key lines with
// the comments and blank lines between them, and the blank lines after it.
constexpr std::string_view kSectionField = "section";

bool isBlank(std::string_view line) { return trimBlanks(line).empty(); }

std::string quoted(std::string_view line) { return "\"" + std::string(line) + "\""; }

// Reads the sections of a file: each one ends at its last key line, with the
// blank lines after it; comments after that stay the file's own.
class SectionReader {
public:
    SectionReader(ChannelList& list, const FormatOptions& options)
        : list_(list), providers_(kFormat, options.fileName, options.fileId), file_(options.fileId) {}

    FileResult read(ByteSource& source) {
        TextLines lines(source);
        if (lines.error() != 0) return readFailure(lines.error());
        std::string_view line;
        while (lines.next(line)) {
            const std::uint32_t number = lines.number();
            if (isSectionHeader(line)) {
                if (FileResult result = close(); !result.ok()) return result;
                section_ = line;
                place_ = number;
            } else if (isLooseLine(line)) {
                after_.push_back({number, line});
            } else if (place_ == 0) {
                return badLine(number, "key outside a channel section " + quoted(line));
            } else {
                // A key line: what came between belongs to the section.
                after_.clear();
                section_ = std::string_view(section_.data(),
                                            static_cast<std::size_t>(line.data() + line.size() - section_.data()));
            }
        }
        if (FileResult result = close(); !result.ok()) return result;
        providers_.fill(list_);
        list_.setCarried(listCarriedOf(kFormat, file_, loose_, lines.lacksFinalNewline()));
        return {};
    }

private:
    struct Line {
        std::uint32_t place;
        std::string_view text;
    };

    FileResult close() {
        std::size_t kept = 0;
        if (place_ != 0) {
            const char* end = section_.data() + section_.size();
            for (; kept < after_.size() && isBlank(after_[kept].text); ++kept)
                end = after_[kept].text.data() + after_[kept].text.size();
            if (FileResult result = addChannel(
                    std::string_view(section_.data(), static_cast<std::size_t>(end - section_.data())));
                !result.ok())
                return result;
        }
        for (std::size_t i = kept; i < after_.size(); ++i)
            loose_.push_back({after_[i].place, std::string(after_[i].text)});
        after_.clear();
        return {};
    }

    FileResult addChannel(std::string_view text) {
        Dvbv5Section section;
        if (const std::optional<SectionFault> fault = parseDvbv5Section(text, section))
            return badLine(place_ + fault->line, fault->reason);
        ChannelRecord record = recordOfSection(section);
        std::vector<Carried::Field> fields{{kSectionField, text}};
        const std::string name = nameOfSection(section);
        std::string fullName;
        setNameFromText(record, name, fullName, fields);
        providers_.add(record, makeCarried(kFormat, place_, fields, file_));
        return {};
    }

    ChannelList& list_;
    FileNamedProviders providers_;
    std::uint64_t file_;
    std::vector<LooseLine> loose_;
    std::string_view section_;  // from the header to its last key line
    std::uint32_t place_ = 0;   // the header's line; 0 before the first
    std::vector<Line> after_;   // blank and comment lines since
};

// The section of a channel as it is now: the one it was read with where
// the record still says what that section says; that section with the
// changed keys written anew; or a new one.
std::string_view sectionOf(const TreeItem& item, const FormatOptions& options, std::string& out) {
    const ChannelRecord& record = item.record();
    const CarriedPtr& carried = item.carried();
    out.clear();
    if (carried && carried->format() == kFormat) {
        const std::string_view text = carried->field(kSectionField);
        Dvbv5Section section;
        if (!text.empty() && !parseDvbv5Section(text, section)) {
            unsigned changes = changedFields(recordOfSection(section), record) & ~changed::kName;
            if (!recordHoldsName(record, nameOfSection(section))) changes |= changed::kName;
            if (changes == 0) return text;
            section.extras.fullName = std::string(carried->field(carried::kFullName));
            const ChannelExtras now = currentExtras(record, section.extras, options.defaultSource);
            rewriteDvbv5Section(text, section, changes, record, now, out);
            return out;
        }
    }
    ChannelExtras described;
    describeCarried(item, described);
    const ChannelExtras now = currentExtras(record, described, options.defaultSource);
    composeDvbv5Section(record, now, described.satNumber.has_value(), out);
    // The line writer ends the text with the newline of its last line.
    out.pop_back();
    return out;
}

}  // namespace

FileResult readDvbv5List(ByteSource& source, ChannelList& list, const FormatOptions& options) {
    return SectionReader(list, options).read(source);
}

bool writeDvbv5List(ByteSink& sink, const ChannelList& list, const FormatOptions& options) {
    TextLineWriter out(sink, list, kFormat);
    std::string buffer;
    for (const PlacedItem& placed : channelsInFileOrder(list))
        out.line(placed.key, sectionOf(*placed.item, options, buffer));
    return out.finish();
}

bool looksLikeDvbv5(std::span<const std::uint8_t> head) {
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!isLooseLine(line)) return isSectionHeader(line);
    }
    return false;
}

bool describeDvbv5(const Carried& carried, ChannelExtras& extras) {
    const std::string_view text = carried.field(kSectionField);
    Dvbv5Section section;
    if (text.empty() || parseDvbv5Section(text, section)) return false;
    extras = section.extras;
    extras.fullName = std::string(carried.field(carried::kFullName));
    return true;
}

}  // namespace qvx
