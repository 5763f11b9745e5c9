// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VdrFormat.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "files/ByteStream.h"
#include "formats/FileOrder.h"
#include "formats/TextLines.h"
#include "formats/VdrCarried.h"
#include "formats/VdrCompose.h"
#include "formats/VdrLine.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

constexpr std::uint8_t kTelevision = 1;
constexpr std::uint8_t kRadio = 2;
// As every record read from a file of the receiver program.
constexpr std::uint8_t kVolume = 100;

std::size_t treeIndex(std::uint8_t kind) { return kind == kTelevision ? 0 : 1; }

bool isMadeUp(const TreeItem& item) { return item.carried() && item.carried()->has(carried::kMadeUp); }

// Builds both trees of a file aside, so that a bad line leaves them empty.
class VdrTreeBuilder final {
public:
    VdrTreeBuilder(VdrEncoding encoding, bool grouped, std::string_view fileName, std::uint64_t file)
        : encoding_(encoding), grouped_(grouped), fileName_(fileName), file_(file) {}

    void group(std::string_view line, std::uint32_t place) {
        closeGroup();
        const VdrName name = vdrNameOf(parseVdrGroup(line).text, encoding_, false);
        const CarriedPtr carried = carriedOf(line, place, name);
        for (const std::uint8_t kind : {kTelevision, kRadio})
            open_[treeIndex(kind)] = TreeItem::makeProvider(providerRecord(kind, name), carried);
        groupOpen_ = true;
    }

    void channel(const VdrChannelLine& channel, std::string_view line, std::uint32_t place) {
        const std::uint8_t kind = channel.video.pid != 0 ? kTelevision : kRadio;
        VdrName name;
        const ChannelRecord record = vdrRecordOf(channel, kind, encoding_, sources_, name);
        std::unique_ptr<TreeItem> item = TreeItem::makeChannel(record, carriedOf(line, place, name));
        TreeItem* parent = grouped_ ? open_[treeIndex(kind)].get() : madeUpProvider(kind, channel.provider);
        if (parent)
            parent->appendDetachedChild(std::move(item));
        else
            top_[treeIndex(kind)].push_back(std::move(item));
    }

    void finish(ChannelList& list) {
        closeGroup();
        for (const std::uint8_t kind : {kTelevision, kRadio}) {
            ChannelTree& tree = kind == kTelevision ? list.television() : list.radio();
            ChannelTree::BulkChange bulk(tree);
            for (std::unique_ptr<TreeItem>& item : top_[treeIndex(kind)]) tree.appendItem(nullptr, std::move(item));
        }
    }

private:
    // A group with channels of both kinds is a provider in each tree; one
    // without any an empty Television provider.
    void closeGroup() {
        if (!groupOpen_) return;
        std::unique_ptr<TreeItem>& television = open_[0];
        std::unique_ptr<TreeItem>& radio = open_[1];
        const bool radioHasChannels = radio->hasChildren();
        if (television->hasChildren() || !radioHasChannels) top_[0].push_back(std::move(television));
        if (radioHasChannels) top_[1].push_back(std::move(radio));
        open_[0].reset();
        open_[1].reset();
        groupOpen_ = false;
    }

    static ChannelRecord providerRecord(std::uint8_t kind, const VdrName& name) {
        ChannelRecord record = ChannelRecord::newProvider(kind);
        record.setName(name.record);
        record.volume = kVolume;
        return record;
    }

    CarriedPtr carriedOf(std::string_view line, std::uint32_t place, const VdrName& name) {
        fields_.clear();
        fields_.push_back({vdr::kLine, line});
        if (!name.full.empty()) fields_.push_back({carried::kFullName, name.full});
        // A windows-1252 line whose bytes happen to be UTF-8 as well.
        if (encoding_ == VdrEncoding::Windows1252 && !isAscii(line) && isUtf8(line))
            fields_.push_back({vdr::kEncoding, vdr::kWindows1252});
        return makeCarried(vdr::kFormat, place, fields_, file_);
    }

    // The made-up provider of a provider part in one tree, made at its first use.
    TreeItem* madeUpProvider(std::uint8_t kind, const std::optional<std::string_view>& part) {
        const std::size_t tree = treeIndex(kind);
        key_.clear();
        key_.push_back(part ? 'P' : 'N');
        if (part) key_ += *part;
        if (lastProvider_[tree] && lastKey_[tree] == key_) return lastProvider_[tree];
        TreeItem*& provider = madeUp_[tree][key_];
        if (!provider) {
            const VdrName name = part ? vdrNameOf(*part, encoding_, true) : vdrNameOf(fileName_, VdrEncoding::Utf8, false);
            std::vector<Carried::Field> fields{{carried::kMadeUp, "1"}};
            if (!part) fields.push_back({vdr::kWithoutProviderPart, fileName_});
            if (!name.full.empty()) fields.push_back({carried::kFullName, name.full});
            top_[tree].push_back(TreeItem::makeProvider(providerRecord(kind, name), makeCarried(vdr::kFormat, 0, fields, file_)));
            provider = top_[tree].back().get();
        }
        lastKey_[tree] = key_;
        lastProvider_[tree] = provider;
        return provider;
    }

    VdrEncoding encoding_;
    bool grouped_;
    std::string fileName_;
    std::uint64_t file_;
    VdrSources sources_;
    std::vector<Carried::Field> fields_;
    std::array<std::vector<std::unique_ptr<TreeItem>>, 2> top_;
    // Grouped files: the group being read, in each tree.
    std::array<std::unique_ptr<TreeItem>, 2> open_;
    bool groupOpen_ = false;
    // Files without groups: the made-up providers by provider part.
    std::array<std::unordered_map<std::string, TreeItem*>, 2> madeUp_;
    std::string key_;
    std::array<std::string, 2> lastKey_;
    std::array<TreeItem*, 2> lastProvider_{};
};

VdrEncoding encodingOf(const ChannelList& list) {
    const CarriedPtr& carried = list.carried();
    return carried && carried->format() == vdr::kFormat && carried->field(vdr::kEncoding) == vdr::kWindows1252
               ? VdrEncoding::Windows1252
               : VdrEncoding::Utf8;
}

// A list with a provider of its own (not one made up from a file without
// groups, nor a channel before the first group) is written with group lines.
bool writesGroupLines(const ChannelList& list) {
    for (const ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& item : tree->topLevelItems()) {
            const bool loneChannel = item->record().isChannel != 0 && !item->hasChildren();
            if (!loneChannel && !isMadeUp(*item)) return true;
        }
    return false;
}

// The fourth field of a line, if it has one.
std::optional<std::string_view> fourthField(std::string_view line) {
    std::size_t start = 0;
    for (int field = 0; field < 3; ++field) {
        const std::size_t colon = line.find(':', start);
        if (colon == std::string_view::npos) return std::nullopt;
        start = colon + 1;
    }
    return line.substr(start, line.find(':', start) - start);
}

}  // namespace

FileResult readVdrList(ByteSource& source, ChannelList& list, const FormatOptions& options) {
    list.television().clear();
    list.radio().clear();
    TextLines lines(source);
    if (lines.error() != 0) return readFailure(lines.error());
    const std::string_view text = lines.text();
    const VdrEncoding encoding = isUtf8(text) ? VdrEncoding::Utf8 : VdrEncoding::Windows1252;
    const bool grouped = text.starts_with(':') || text.find("\n:") != std::string_view::npos;

    VdrTreeBuilder builder(encoding, grouped, options.fileName, options.fileId);
    std::vector<LooseLine> loose;
    VdrChannelLine channel;
    std::string_view line;
    while (lines.next(line)) {
        const std::uint32_t place = lines.number();
        if (trailingBlanks(line) == line.size()) {
            loose.push_back({place, std::string(line)});
            continue;
        }
        if (line.front() == ':') {
            builder.group(line, place);
            continue;
        }
        if (std::string reason = parseVdrChannel(line, channel); !reason.empty()) {
            // VDR has no comments, but a line of '#' that is no channel is kept as one.
            if (line.front() == '#') {
                loose.push_back({place, std::string(line)});
                continue;
            }
            return badLine(place, reason);
        }
        builder.channel(channel, line, place);
    }
    builder.finish(list);
    std::vector<Carried::Field> more;
    if (encoding == VdrEncoding::Windows1252) more.push_back({vdr::kEncoding, vdr::kWindows1252});
    list.setCarried(listCarriedOf(vdr::kFormat, options.fileId, loose, lines.lacksFinalNewline(), more));
    return {};
}

bool writeVdrList(ByteSink& sink, const ChannelList& list, const FormatOptions& options) {
    TextLineWriter out(sink, list, vdr::kFormat);
    VdrComposer composer(encodingOf(list), options.defaultSource);
    if (writesGroupLines(list)) {
        for (const PlacedGroup& group : groupsInFileOrder(list)) {
            const TreeItem* provider = group.provider();
            if (provider && !isMadeUp(*provider)) out.line(group.key, composer.groupLine(*provider));
            for (const PlacedItem& channel : group.channels) out.line(channel.key, composer.channelLine(*channel.item));
        }
    } else {
        for (const PlacedItem& channel : channelsInFileOrder(list))
            out.line(channel.key, composer.channelLine(*channel.item));
    }
    return out.finish();
}

bool looksLikeVdr(std::span<const std::uint8_t> head) {
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    // A line cut off at the end of the head says nothing.
    const bool whole = head.size() < kProbeSize;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) {
            if (!whole) return false;
            end = text.size();
        }
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        line.remove_suffix(trailingBlanks(line));
        if (line.empty()) continue;
        if (line.front() == ':') return true;
        if (const std::optional<std::string_view> source = fourthField(line); source && isVdrSource(*source))
            return true;
        if (line.front() != '#') return false;
    }
    return false;
}

bool describeVdr(const Carried& carried, ChannelExtras& extras) {
    const std::string_view line = carried.field(vdr::kLine);
    if (line.empty() || line.front() == ':') return false;
    VdrChannelLine channel;
    if (!parseVdrChannel(line, channel).empty()) return false;
    extras = vdrExtrasOf(channel, vdr::encodingOfLine(carried, line));
    extras.fullName = std::string(carried.field(carried::kFullName));
    return true;
}

}  // namespace qvx
