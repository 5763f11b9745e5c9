// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VdrCompose.h"

#include "formats/ListFormat.h"
#include "formats/RecordTuning.h"
#include "formats/VdrCarried.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

// A name field: the name, a short name after ',' and a provider after ';'.
// A name holding a comma gets an empty short name after it, so that its
// own comma is not taken for the delimiter.
void appendNameField(std::string& out, std::string_view name, const std::optional<std::string_view>& shortName,
                     const std::optional<std::string_view>& provider) {
    out += name;
    if (shortName)
        (out += ',') += *shortName;
    else if (name.find(',') != std::string_view::npos)
        out += ',';
    if (provider) (out += ';') += *provider;
}

// The source of a new line: the satellite's position, or the letter of the
// delivery system.
std::string sourceOf(const ChannelExtras& extras, char type) {
    if (!extras.source.empty() && extras.source.front() == type && isVdrSource(extras.source)) return extras.source;
    return std::string(1, type);
}

char sourceTypeOf(DeliverySystem system) {
    if (isSatellite(system)) return 'S';
    if (isCable(system)) return 'C';
    if (system == DeliverySystem::Atsc) return 'A';
    return 'T';
}

std::uint32_t kiloOf(std::uint32_t value) { return (value + 500) / 1000; }

bool isMadeUp(const TreeItem& provider) { return provider.carried() && provider.carried()->has(carried::kMadeUp); }

}  // namespace

VdrComposer::VdrComposer(VdrEncoding encoding, std::string_view defaultSource)
    : encoding_(encoding), defaultSource_(defaultSource) {}

std::optional<std::string_view> VdrComposer::ownLine(const TreeItem& item) {
    const CarriedPtr& carried = item.carried();
    if (!carried || carried->format() != vdr::kFormat) return std::nullopt;
    const std::string_view line = carried->field(vdr::kLine);
    if (line.empty()) return std::nullopt;
    if (isAscii(line)) return line;
    const VdrEncoding own = vdr::encodingOfLine(*carried, line);
    if (own == encoding_) return line;
    recoded_ = recodedLine(line, own, encoding_);
    return std::string_view(recoded_);
}

std::optional<std::string_view> VdrComposer::providerPartOf(const TreeItem& channel, const VdrChannelLine* own) {
    const TreeItem* parent = channel.parent();
    // A provider made up from the lines' provider parts gives its name to them.
    if (parent && isMadeUp(*parent) && parent->carried()->format() == vdr::kFormat) {
        if (parent != partOwner_) {
            const Carried& carried = *parent->carried();
            const std::string name = fullNameOf(parent->record(), &carried);
            partOwner_ = parent;
            partOfOwner_.reset();
            if (!carried.has(vdr::kWithoutProviderPart) || carried.field(vdr::kWithoutProviderPart) != name)
                partOfOwner_ = vdrNameText(name, encoding_, true);
        }
        if (!partOfOwner_) return std::nullopt;
        return std::string_view(*partOfOwner_);
    }
    if (own) return own->provider;
    ChannelExtras extras;
    if (!describeCarried(channel, extras) || extras.providerName.empty()) return std::nullopt;
    describedPart_ = vdrNameText(extras.providerName, encoding_, true);
    return std::string_view(describedPart_);
}

std::string_view VdrComposer::channelLine(const TreeItem& channel) {
    if (const std::optional<std::string_view> line = ownLine(channel); line && parseVdrChannel(*line, parsed_).empty())
        return editedLine(channel, *line);
    return newLine(channel);
}

std::string_view VdrComposer::editedLine(const TreeItem& channel, std::string_view line) {
    const VdrChannelLine& own = parsed_;
    const ChannelRecord& now = channel.record();
    VdrName name;
    const ChannelRecord was = vdrRecordOf(own, now.serviceType, encoding_, sources_, name);
    const std::optional<std::string_view> provider = providerPartOf(channel, &own);

    const bool nameChanged = was.nameText() != now.nameText();
    const bool providerChanged = provider.has_value() != own.provider.has_value() ||
                                 (provider && *provider != *own.provider);
    const bool frequencyChanged = was.frequency != now.frequency;
    VdrParameters::Change parameters;
    // Only satellites have a polarization.
    parameters.polarization = own.sourceType == 'S' && was.polarity != now.polarity;
    parameters.codeRate = own.dvb && was.fec != now.fec;
    parameters.modulation = own.dvb && was.qam != now.qam;
    const bool sourceChanged = own.sourceType == 'S' && was.rotorPosition != now.rotorPosition;
    const bool symbolRateChanged = was.symbolRate != now.symbolRate;
    const bool pcrChanged = was.pcrPid != now.pcrPid;
    const bool videoChanged = was.videoPid != now.videoPid || pcrChanged;
    const bool audioChanged = was.audioPid != now.audioPid || was.ac3Pid != now.ac3Pid;
    const bool teletextChanged = was.teletextPid != now.teletextPid;
    const bool caChanged = was.isScrambled() != now.isScrambled();
    const bool serviceChanged = was.serviceId != now.serviceId;
    const bool networkChanged = was.networkId != now.networkId;
    const bool transportChanged = was.transportStreamId != now.transportStreamId;
    if (!nameChanged && !providerChanged && !frequencyChanged && !parameters.polarization && !parameters.codeRate &&
        !parameters.modulation && !sourceChanged && !symbolRateChanged && !videoChanged && !audioChanged &&
        !teletextChanged && !caChanged && !serviceChanged && !networkChanged && !transportChanged)
        return line;

    const ChannelExtras carried = vdrExtrasOf(own, encoding_);
    const ChannelExtras current = currentExtras(now, carried, defaultSource_);
    std::array<std::string, kVdrFieldCount> fields;
    for (std::size_t i = 0; i < own.fieldCount; ++i) fields[i] = own.fields[i];

    if (nameChanged || providerChanged) {
        fields[kVdrName].clear();
        const std::string nameText =
            nameChanged ? vdrNameText(fullNameOf(now, channel.carried().get()), encoding_, true) : std::string(own.name);
        appendNameField(fields[kVdrName], nameText, own.shortName, provider);
    }
    if (frequencyChanged) {
        fields[kVdrFrequency] =
            own.frequencyHz
                ? std::to_string(vdrFrequencyText(frequencyHzOfRecord(now.frequency, *carried.system), own.sourceType,
                                                  own.frequency))
                : std::to_string(now.frequency);
    }
    if (parameters.polarization || parameters.codeRate || parameters.modulation) {
        ChannelExtras tuning;
        tuning.polarization = polarizationOfRecord(now.polarity);
        tuning.codeRate = codeRateOfRecordFec(now.fec);
        tuning.modulation = modulationOfRecordQam(now.qam);
        fields[kVdrParameters] = VdrParameters::edited(own.fields[kVdrParameters], parameters, tuning);
    }
    if (sourceChanged) fields[kVdrSource] = current.source;
    if (symbolRateChanged) fields[kVdrSymbolRate] = std::to_string(kiloOf(now.symbolRate));
    if (videoChanged) {
        const std::uint16_t pcr = pcrChanged ? now.pcrPid : own.video.pcr.value_or(0);
        fields[kVdrVideo] = vdrVideoText(now.videoPid, pcr, own.video.type);
    }
    if (audioChanged) fields[kVdrAudio] = vdrAudioText(current.audio, current.dolby);
    if (teletextChanged) fields[kVdrTeletext] = vdrTeletextText(now.teletextPid, own.fields[kVdrTeletext]);
    if (caChanged) fields[kVdrCa] = vdrCaText(current.caIds);
    if (serviceChanged) fields[kVdrService] = std::to_string(now.serviceId);
    // Older lines end early; a field the user set is written, with any before it.
    std::size_t count = own.fieldCount;
    const auto setId = [&](VdrField field, bool changed, std::uint16_t value) {
        if (!changed) return;
        fields[field] = std::to_string(value);
        if (field >= count && value != 0) {
            for (std::size_t i = count; i < field; ++i) fields[i] = "0";
            count = field + 1;
        }
    };
    setId(kVdrNetwork, networkChanged, now.networkId);
    setId(kVdrTransport, transportChanged, now.transportStreamId);

    line_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0) line_ += ':';
        line_ += fields[i];
    }
    line_ += own.rest;
    line_ += own.trailing;
    return line_;
}

std::string_view VdrComposer::newLine(const TreeItem& channel) {
    const ChannelRecord& record = channel.record();
    ChannelExtras carried;
    describeCarried(channel, carried);
    const ChannelExtras now = currentExtras(record, carried, defaultSource_);
    const DeliverySystem system = now.system.value_or(systemOfRecord(record));
    const char type = sourceTypeOf(system);

    line_.clear();
    std::string shortName;
    if (!now.shortName.empty()) {
        shortName = vdrNameText(now.shortName, encoding_, true);
        for (char& c : shortName)
            if (c == ',') c = '.';
    }
    appendNameField(line_, vdrNameText(fullNameOf(record, channel.carried().get()), encoding_, true),
                    shortName.empty() ? std::nullopt : std::optional<std::string_view>(shortName),
                    providerPartOf(channel, nullptr));
    line_ += ':';
    line_ += std::to_string(vdrFrequencyText(frequencyHzOfRecord(record.frequency, system), type, std::nullopt));
    line_ += ':';
    line_ += VdrParameters::compose(now, type);
    line_ += ':';
    line_ += sourceOf(now, type);
    line_ += ':';
    line_ += std::to_string(kiloOf(record.symbolRate));
    line_ += ':';
    line_ += vdrVideoText(record.videoPid, record.pcrPid, now.videoType);
    line_ += ':';
    line_ += vdrAudioText(now.audio, now.dolby);
    line_ += ':';
    line_ += vdrTeletextText(record.teletextPid, now.subtitles);
    line_ += ':';
    line_ += vdrCaText(now.caIds);
    for (const std::uint16_t id : {record.serviceId, record.networkId, record.transportStreamId,
                                   now.radioId.value_or(std::uint16_t{0})}) {
        line_ += ':';
        line_ += std::to_string(id);
    }
    return line_;
}

std::string_view VdrComposer::groupLine(const TreeItem& provider) {
    const ChannelRecord& record = provider.record();
    const std::string name = vdrNameText(fullNameOf(record, provider.carried().get()), encoding_, false);
    if (const std::optional<std::string_view> line = ownLine(provider); line && line->starts_with(':')) {
        const VdrGroupLine group = parseVdrGroup(*line);
        if (vdrNameOf(group.text, encoding_, false).record == record.nameText()) return *line;
        line_ = group.prefix;
        if (!name.empty() && group.prefix.size() > 1 && trailingBlanks(group.prefix) == 0) line_ += ' ';
        line_ += name;
        line_ += group.trailing;
        return line_;
    }
    line_ = ':';
    line_ += name;
    return line_;
}

}  // namespace qvx
