#include "cli/PlaceText.h"

#include "cli/QuotedText.h"
#include "model/ChannelTree.h"
#include "model/RecordFields.h"

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

void appendFieldValue(std::string& out, const ChannelRecord& record, const RecordField& field) {
    switch (field.kind) {
    case FieldKind::Text: appendQuotedText(out, field.text(record)); return;
    case FieldKind::Number: out += std::to_string(field.number(record)); return;
    case FieldKind::Numbers:
        out += '[';
        for (std::size_t i = 0; i < field.count(); ++i) {
            if (i != 0) out += ", ";
            out += std::to_string(field.number(record, i));
        }
        out += ']';
        return;
    }
}

}  // namespace qvx::cli
