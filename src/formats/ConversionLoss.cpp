// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ConversionLoss.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "files/TranslatableText.h"
#include "formats/ChannelExtras.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/RecordTuning.h"
#include "model/EntryWalk.h"

namespace qvx {
namespace {

// The limits of the foreign layouts: 23 name characters survive a read, a
// frequency and (DVB98) a symbol rate are stored in 16 bits of MHz or
// ksymbols/s, an LNB number in 2 bits, a DVBextreme entry number in 16 bits.
constexpr std::size_t kForeignNameKept = 23;
constexpr std::uint32_t kMax16 = 0xFFFF;
constexpr std::uint8_t kForeignMaxLnb = 3;
// What a read of a native file sets in every record, and a DVB98 file cannot hold.
constexpr std::uint8_t kDefaultVolume = 100;

bool isChannel(const ChannelRecord& r) { return r.isChannel != 0; }

bool nameIsCut(const ChannelRecord& r) { return r.nameText().size() > kForeignNameKept; }
bool nameLosesHighCharacters(const ChannelRecord& r) {
    const std::string_view kept = r.nameText().substr(0, kForeignNameKept);
    return std::ranges::any_of(kept, [](char c) { return static_cast<std::uint8_t>(c) >= 0x80; });
}
bool frequencyTooHigh(const ChannelRecord& r) { return isChannel(r) && r.frequency / 1000 > kMax16; }
bool frequencyBelowOneMegahertz(const ChannelRecord& r) { return isChannel(r) && r.frequency < 1000; }
bool symbolRateTooHigh(const ChannelRecord& r) { return isChannel(r) && r.symbolRate / 1000 > kMax16; }
bool lnbTooHigh(const ChannelRecord& r) { return r.lnb > kForeignMaxLnb; }
bool noServiceType(const ChannelRecord& r) { return isChannel(r) && r.serviceType == 0; }
bool volumeOrRotorSet(const ChannelRecord& r) { return r.volume != kDefaultVolume || r.rotorPosition != 0; }
bool dvbExtremeFieldsSet(const ChannelRecord& r) {
    return r.dvbxExtra1 != 0 || r.dvbxExtra2 != 0 || r.dvbxExtra3 != 0 || r.dvbxExtra4 != 0;
}
bool dvbExtremeExtraBytesSet(const ChannelRecord& r) { return r.dvbxExtra3 != 0 || r.dvbxExtra4 != 0; }
// What a VDR line has no field for.
bool lnbSet(const ChannelRecord& r) { return isChannel(r) && r.lnb != 0; }
bool symbolRateNotWholeKilo(const ChannelRecord& r) { return isChannel(r) && r.symbolRate % 1000 != 0; }
bool volumeOrNormSet(const ChannelRecord& r) {
    return isChannel(r) && (r.volume != kDefaultVolume || r.tvSignal != 0);
}
bool radioPcrSet(const ChannelRecord& r) { return isChannel(r) && r.videoPid == 0 && r.pcrPid != 0; }
bool transponderTextOrPmtSet(const ChannelRecord& r) {
    return isChannel(r) && (!r.transponderText().empty() || r.pmtPid != 0 || r.pmcPid != 0);
}

constexpr unsigned bit(ListFormat format) { return 1u << static_cast<unsigned>(format); }
constexpr unsigned kNative = bit(ListFormat::Native) | bit(ListFormat::WinDvbLive);
constexpr unsigned kDvb98 = bit(ListFormat::Dvb98);
constexpr unsigned kDvbExtreme = bit(ListFormat::DvbExtreme);
constexpr unsigned kVdr = bit(ListFormat::Vdr);
constexpr unsigned kDvbv5 = bit(ListFormat::Dvbv5);
constexpr unsigned kZap = bit(ListFormat::Zap);
constexpr unsigned kDvbv5OrZap = kDvbv5 | kZap;

bool otherPidsSet(const ChannelRecord& r) {
    return isChannel(r) && (r.pcrPid != 0 || r.pmtPid != 0 || r.pmcPid != 0 || r.teletextPid != 0);
}
bool transponderTextOrNorm(const ChannelRecord& r) { return !r.transponderText().empty() || r.tvSignal != 0; }
bool networkOrTransportId(const ChannelRecord& r) {
    return isChannel(r) && (r.networkId != 0 || r.transportStreamId != 0);
}
// szap lines have no code rate; qam 0 is what satellites (and ATSC's 8VSB) read as.
bool satelliteCodeRate(const ChannelRecord& r) { return isChannel(r) && r.qam == 0 && r.fec != 0; }

struct LossRule {
    unsigned formats;
    std::string_view what;
    bool (*hits)(const ChannelRecord&);
};

constexpr LossRule kRules[] = {
    {kDvb98 | kDvbExtreme, QVX_TRANSLATE_NOOP("Notes", "names longer than 23 characters are cut"), nameIsCut},
    {kDvb98, QVX_TRANSLATE_NOOP("Notes", "names hold characters above 127, which the DVB98 reader drops"), nameLosesHighCharacters},
    {kDvb98 | kDvbExtreme, QVX_TRANSLATE_NOOP("Notes", "frequencies above 65535 MHz cannot be held"), frequencyTooHigh},
    {kDvb98 | kDvbExtreme, QVX_TRANSLATE_NOOP("Notes", "channel frequencies below 1 MHz come back as providers"), frequencyBelowOneMegahertz},
    {kDvb98, QVX_TRANSLATE_NOOP("Notes", "symbol rates above 65535 ksymbols/s cannot be held"), symbolRateTooHigh},
    {kDvb98 | kDvbExtreme, QVX_TRANSLATE_NOOP("Notes", "LNB numbers above 3 are written as 3"), lnbTooHigh},
    {kDvb98 | kDvbExtreme, QVX_TRANSLATE_NOOP("Notes", "channels without a service type are dropped by the reader"), noServiceType},
    {kDvb98 | kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "volume and rotor positions cannot be held"), volumeOrRotorSet},
    {kNative, QVX_TRANSLATE_NOOP("Notes", "volume and rotor positions are reset by the native reader"), volumeOrRotorSet},
    {kNative | kDvb98 | kVdr | kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "DVBextreme fields are not kept"), dvbExtremeFieldsSet},
    {kDvbExtreme, QVX_TRANSLATE_NOOP("Notes", "DVBextreme extra bytes are written as 0"), dvbExtremeExtraBytesSet},
    {kVdr, QVX_TRANSLATE_NOOP("Notes", "LNB numbers cannot be held"), lnbSet},
    {kVdr, QVX_TRANSLATE_NOOP("Notes", "symbol rates are rounded to whole ksymbols/s"), symbolRateNotWholeKilo},
    {kVdr, QVX_TRANSLATE_NOOP("Notes", "volume and TV norms cannot be held"), volumeOrNormSet},
    {kVdr, QVX_TRANSLATE_NOOP("Notes", "transponder texts, PMT and PMC PIDs cannot be held"), transponderTextOrPmtSet},
    {kVdr, QVX_TRANSLATE_NOOP("Notes", "PCR PIDs of channels without a video PID cannot be held"), radioPcrSet},
    {kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "PCR, PMT, PMC and teletext PIDs cannot be held"), otherPidsSet},
    {kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "transponder texts and TV norms cannot be held"), transponderTextOrNorm},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "network and transport stream IDs cannot be held"), networkOrTransportId},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "code rates of satellite channels cannot be held"), satelliteCodeRate},
};

// The rules that need what an item carries from a text format, in neutral terms.
struct Described {
    const TreeItem& item;
    const ChannelExtras& extras;

    const ChannelRecord& record() const { return item.record(); }
    bool carries(std::string_view format) const { return item.carried() && item.carried()->format() == format; }
    // A channel of another format than zap, whose line is written anew.
    bool newZapLine() const { return isChannel(record()) && !carries("zap"); }
};

bool nameHolds(const Described& d, std::string_view characters) {
    const std::string_view name = d.extras.fullName.empty() ? d.record().nameText() : d.extras.fullName;
    return name.find_first_of(characters) != std::string_view::npos;
}
bool hasAc3(const Described& d) { return isChannel(d.record()) && (d.record().ac3Pid != 0 || !d.extras.dolby.empty()); }
bool scrambledOrCaIds(const Described& d) { return d.record().isScrambled() || !d.extras.caIds.empty(); }
bool languagesOrSubtitles(const Described& d) {
    return !d.extras.subtitles.empty() ||
           std::ranges::any_of(d.extras.audio, [](const StreamPid& s) { return !s.language.empty(); }) ||
           std::ranges::any_of(d.extras.dolby, [](const StreamPid& s) { return !s.language.empty(); });
}
bool vdrNames(const Described& d) {
    return !d.extras.shortName.empty() || !d.extras.providerName.empty() || d.extras.radioId ||
           d.extras.source.starts_with('S');
}
bool morePids(const Described& d) {
    return d.newZapLine() && (d.extras.videoPids.size() > 1 || d.extras.audio.size() > 1);
}
bool satelliteSystem(const Described& d) { return isSatellite(d.extras.system.value_or(systemOfRecord(d.record()))); }
bool roundedSatelliteUnits(const Described& d) {
    return d.newZapLine() && satelliteSystem(d) && (d.record().frequency % 1000 != 0 || d.record().symbolRate % 1000 != 0);
}
bool dvbS2(const Described& d) { return d.newZapLine() && d.extras.system == DeliverySystem::DvbS2; }
bool realProvider(const Described& d) {
    return !isChannel(d.record()) && !(d.item.carried() && d.item.carried()->has(carried::kMadeUp));
}

// The Linux channel files put a channel without video PID into Radio, one
// with a video PID into Television.
bool treeAgainstVideoPid(const Described& d) {
    const ChannelRecord& r = d.record();
    return isChannel(r) && (r.serviceType == 2) == (r.videoPid != 0);
}
// What an item carries from a text file, beyond a made-up provider's mark.
bool carriesTexts(const Described& d) {
    const CarriedPtr& carried = d.item.carried();
    return carried && !carried->has(carried::kMadeUp);
}

struct ItemLossRule {
    unsigned formats;
    std::string_view what;
    bool (*hits)(const Described&);
};

constexpr ItemLossRule kItemRules[] = {
    {kNative | kDvb98 | kDvbExtreme,
     QVX_TRANSLATE_NOOP("Notes", "what entries keep from a Linux channel file (short names, languages, CA ids, parameters...) is not kept"),
     carriesTexts},
    {kVdr | kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "channels whose tree does not match their video PID come back in the other tree"),
     treeAgainstVideoPid},
    {kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "providers are not kept: each tree's channels come back under one provider named after the file"),
     realProvider},
    {kDvbv5, QVX_TRANSLATE_NOOP("Notes", "names holding ']' or line breaks lose those characters"),
     [](const Described& d) { return nameHolds(d, "]\r\n"); }},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "names holding ':' or line breaks lose those characters"),
     [](const Described& d) { return nameHolds(d, ":\r\n"); }},
    {kDvbv5, QVX_TRANSLATE_NOOP("Notes", "AC-3 PIDs are written among the audio PIDs"), hasAc3},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "AC-3 PIDs cannot be held"), hasAc3},
    {kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "scrambled flags and CA ids cannot be held"), scrambledOrCaIds},
    {kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "audio languages and subtitle PIDs cannot be held"), languagesOrSubtitles},
    {kDvbv5OrZap, QVX_TRANSLATE_NOOP("Notes", "short names, provider parts, orbital positions and radio IDs cannot be held"), vdrNames},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "video and audio PIDs beyond the first cannot be held"), morePids},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "satellite frequencies and symbol rates are rounded to whole MHz and ksymbols/s"), roundedSatelliteUnits},
    {kZap, QVX_TRANSLATE_NOOP("Notes", "DVB-S2 channels are written as DVB-S, without modulation, pilot and rolloff"), dvbS2},
};

// The WinDVBLive rule: Television providers get an LNB of at most 3.
std::size_t winDvbLiveProviderLnbs(const ChannelTree& television) {
    std::size_t hits = 0;
    for (const auto& top : television.topLevelItems())
        if (top->record().isChannel == 0 && lnbTooHigh(top->record())) ++hits;
    return hits;
}

// DVBextreme numbers top-level entries from 30001 and children from 1 over
// the whole file; entries whose own or parent number passes 16 bits.
std::size_t dvbExtremeNumbersBeyond16Bits(const ChannelTree& television, const ChannelTree& radio) {
    std::size_t topLevel = 0;
    std::size_t children = 0;
    std::size_t hits = 0;
    walkEntries(television, radio, [&](const Entry& entry) {
        if (entry.topLevel) {
            ++topLevel;
            if (kFirstProviderNumber + topLevel - 1 > kMax16) ++hits;
        } else {
            ++children;
            if (children > kMax16 || kFirstProviderNumber + topLevel - 1 > kMax16) ++hits;
        }
    });
    return hits;
}

// Providers without a channel: the readers of the record formats build the
// trees by the rules that drop them.
std::size_t providersWithoutChannels(const ChannelTree& television, const ChannelTree& radio) {
    std::size_t hits = 0;
    for (const ChannelTree* tree : {&television, &radio})
        for (const auto& top : tree->topLevelItems())
            if (top->record().isChannel == 0 && !top->hasChildren()) ++hits;
    return hits;
}

// VDR: a satellite channel is written with its source, which comes from a
// named rotor position or what the channel carries, else the default one;
// and its frequency in MHz.
void vdrSatelliteLosses(const ChannelTree& television, const ChannelTree& radio,
                        std::vector<ConversionLoss>& losses) {
    std::size_t defaultSource = 0;
    std::size_t rounded = 0;
    walkEntries(television, radio, [&](const Entry& entry) {
        const ChannelRecord& record = entry.item.record();
        if (!isChannel(record)) return;
        const bool unnamed = sourceOfRotorPosition(record.rotorPosition).empty();
        const bool finerThanMhz = record.frequency % 1000 != 0;
        if (!unnamed && !finerThanMhz) return;
        ChannelExtras carried;
        describeCarried(entry.item, carried);
        if (!isSatellite(carried.system.value_or(systemOfRecord(record)))) return;
        if (unnamed && carried.source.empty()) ++defaultSource;
        if (finerThanMhz) ++rounded;
    });
    if (defaultSource != 0)
        losses.push_back({QVX_TRANSLATE_NOOP("Notes", "satellite channels without a named rotor position get the default source"), defaultSource});
    if (rounded != 0) losses.push_back({QVX_TRANSLATE_NOOP("Notes", "satellite frequencies are rounded to whole MHz"), rounded});
}

}  // namespace

std::string_view conversionLossCountSource(std::size_t records) {
    return records == 1 ? QVX_TRANSLATE_NOOP("Notes", "(%1 record)") : QVX_TRANSLATE_NOOP("Notes", "(%1 records)");
}

std::string conversionLossText(const ConversionLoss& loss) {
    std::string count(conversionLossCountSource(loss.records));
    count.replace(count.find("%1"), 2, std::to_string(loss.records));
    return std::string(loss.what) + " " + count;
}

std::vector<ConversionLoss> conversionLosses(ListFormat format, const ChannelTree& television,
                                             const ChannelTree& radio) {
    std::vector<ConversionLoss> losses;
    for (const LossRule& rule : kRules) {
        if ((rule.formats & bit(format)) == 0) continue;
        std::size_t hits = 0;
        walkEntries(television, radio, [&](const Entry& entry) {
            if (rule.hits(entry.item.record())) ++hits;
        });
        if (hits != 0) losses.push_back({rule.what, hits});
    }
    if (std::ranges::any_of(kItemRules, [&](const ItemLossRule& rule) { return (rule.formats & bit(format)) != 0; })) {
        std::vector<std::size_t> hits(std::size(kItemRules), 0);
        walkEntries(television, radio, [&](const Entry& entry) {
            ChannelExtras extras;
            describeCarried(entry.item, extras);
            const Described described{entry.item, extras};
            for (std::size_t i = 0; i < std::size(kItemRules); ++i)
                if ((kItemRules[i].formats & bit(format)) != 0 && kItemRules[i].hits(described)) ++hits[i];
        });
        for (std::size_t i = 0; i < std::size(kItemRules); ++i)
            if (hits[i] != 0) losses.push_back({kItemRules[i].what, hits[i]});
    }
    if (format == ListFormat::WinDvbLive)
        if (const std::size_t hits = winDvbLiveProviderLnbs(television); hits != 0)
            losses.push_back({QVX_TRANSLATE_NOOP("Notes", "Television provider LNB numbers above 3 are written as 3"), hits});
    if (format == ListFormat::DvbExtreme)
        if (const std::size_t hits = dvbExtremeNumbersBeyond16Bits(television, radio); hits != 0)
            losses.push_back({QVX_TRANSLATE_NOOP("Notes", "entry numbers beyond 65535 keep only their low 16 bits"), hits});
    if ((bit(format) & (kNative | kDvb98 | kDvbExtreme)) != 0)
        if (const std::size_t hits = providersWithoutChannels(television, radio); hits != 0)
            losses.push_back({QVX_TRANSLATE_NOOP("Notes", "providers without channels are not kept by the reader"), hits});
    if (format == ListFormat::Vdr) vdrSatelliteLosses(television, radio, losses);
    return losses;
}

}  // namespace qvx
