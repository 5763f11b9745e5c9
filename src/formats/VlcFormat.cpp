// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VlcFormat.h"

#include <string>

#include "files/ByteStream.h"
#include "formats/BlockWriter.h"
#include "formats/ChannelNameText.h"
#include "formats/FileOrder.h"
#include "formats/PlaylistEntry.h"
#include "formats/RecordTuning.h"
#include "formats/TextNumbers.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

std::string_view schemeOf(DeliverySystem system) {
    switch (system) {
    case DeliverySystem::DvbS: return "dvb-s";
    case DeliverySystem::DvbS2: return "dvb-s2";
    case DeliverySystem::DvbC: return "dvb-c";
    case DeliverySystem::DvbCAnnexB: return "cqam";
    case DeliverySystem::DvbC2: return "dvb-c2";
    case DeliverySystem::DvbT2: return "dvb-t2";
    case DeliverySystem::Atsc: return "atsc";
    case DeliverySystem::IsdbT: return "isdb-t";
    case DeliverySystem::DvbT:
    case DeliverySystem::Dtmb: break;
    }
    return "dvb-t";
}

std::string_view codeRateWord(CodeRate rate) {
    constexpr std::string_view kWords[] = {"", "", "1/2", "2/3", "3/4", "3/5", "4/5", "5/6", "6/7",
                                           "7/8", "8/9", "9/10", "2/5", "1/4", "1/3"};
    return kWords[static_cast<std::size_t>(rate)];
}

std::string_view modulationWord(Modulation modulation) {
    constexpr std::string_view kWords[] = {"QPSK", "8PSK", "16APSK", "32APSK", "64APSK", "16QAM", "32QAM", "64QAM",
                                           "128QAM", "256QAM", "", "8VSB", "16VSB", "", "", ""};
    return kWords[static_cast<std::size_t>(modulation)];
}

std::string_view polarizationWord(Polarization polarization) {
    constexpr std::string_view kWords[] = {"H", "V", "L", "R"};
    return kWords[static_cast<std::size_t>(polarization)];
}

void option(std::string& mrl, std::string_view name, std::string_view value) {
    if (value.empty()) return;
    mrl.append(mrl.back() == '/' ? "" : ":").append(name).append("=").append(value);
}

// The MRL of a channel: the delivery system's scheme, then the tuning as
// VLC's DVB options without their "dvb-" prefix.
std::string mrlOf(const ChannelRecord& record, const ChannelExtras& extras) {
    const DeliverySystem system = extras.system.value_or(DeliverySystem::DvbS);
    std::string mrl(schemeOf(system));
    mrl += "://";
    std::string number;
    appendNumber(number, extras.frequencyHz.value_or(0));
    option(mrl, "frequency", number);
    if (!isTerrestrial(system) || system == DeliverySystem::DvbCAnnexB) {
        number.clear();
        appendNumber(number, record.symbolRate);
        option(mrl, "srate", number);
    }
    if (isSatellite(system) && extras.polarization) option(mrl, "polarization", polarizationWord(*extras.polarization));
    if (extras.modulation && (system != DeliverySystem::DvbS || *extras.modulation != Modulation::Qpsk))
        option(mrl, "modulation", modulationWord(*extras.modulation));
    if (extras.codeRate) option(mrl, isTerrestrial(system) ? "code-rate-hp" : "fec", codeRateWord(*extras.codeRate));
    if (isTerrestrial(system) && extras.bandwidthHz && *extras.bandwidthHz % 1'000'000 == 0) {
        number.clear();
        appendNumber(number, *extras.bandwidthHz / 1'000'000);
        option(mrl, "bandwidth", number);
    }
    return mrl;
}

}  // namespace

bool writeVlcList(ByteSink& sink, const ChannelList& list, const FormatOptions& options) {
    BlockWriter writer(sink);
    bool ok = true;
    std::string& out = writer.text();
    out += "#EXTM3U\n";
    for (const PlacedItem& placed : channelsInFileOrder(list)) {
        const ChannelRecord& record = placed.item->record();
        ChannelExtras described;
        describeCarried(*placed.item, described);
        const ChannelExtras extras = currentExtras(record, described, options.defaultSource);
        out += "#EXTINF:0," + titleOf(textNameOf(record, extras.fullName)) + "\n";
        if (record.serviceId != 0) out += "#EXTVLCOPT:program=" + std::to_string(record.serviceId) + "\n";
        out += mrlOf(record, extras) + "\n";
        ok = writer.flushFull() && ok;
    }
    return writer.flush() && ok;
}

}  // namespace qvx
