// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlaceText.h"

#include "formats/JsonText.h"
#include "model/ChannelTree.h"

namespace qvx::cli {
namespace {

std::string_view providerNameOf(const ChannelPlace& place) { return place.item->parent()->record().nameText(); }

}  // namespace

void appendPlaceText(std::string& out, const ChannelPlace& place) {
    out += "provider " + std::to_string(place.provider) + ' ';
    appendQuotedText(out, providerNameOf(place));
    out += ", channel " + std::to_string(place.channel) + ' ';
    appendQuotedText(out, place.item->record().nameText());
}

void appendPlaceJson(std::string& out, const ChannelPlace& place) {
    out += "{\"provider\": " + std::to_string(place.provider) + ", \"providerName\": ";
    appendQuotedText(out, providerNameOf(place));
    out += ", \"channel\": " + std::to_string(place.channel) + ", \"name\": ";
    appendQuotedText(out, place.item->record().nameText());
    out += '}';
}

}  // namespace qvx::cli
