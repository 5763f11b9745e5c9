// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileWarning.h"

namespace qvx {
namespace {

std::string counted(std::size_t count, const char* one, const char* many) {
    return " (" + std::to_string(count) + " " + (count == 1 ? one : many) + ")";
}

}  // namespace

std::string fileWarningText(const FileWarning& warning) {
    switch (warning.kind) {
    case FileWarningKind::RecordsPastCount:
        return "records after those the header counts were not read" + counted(warning.count, "record", "records");
    case FileWarningKind::BytesOfNoRecord:
        return "bytes at the end that form no whole record were not read" + counted(warning.count, "byte", "bytes");
    case FileWarningKind::ChannelsWithoutKind:
        return "channels whose service type is neither Television nor Radio were dropped" +
               counted(warning.count, "channel", "channels");
    case FileWarningKind::ProvidersWithoutChannels:
        return "providers without channels were not kept" + counted(warning.count, "provider", "providers");
    case FileWarningKind::FieldsReset:
        return "volume, rotor position and DVBextreme fields were reset, as the native reader does" +
               counted(warning.count, "record", "records");
    case FileWarningKind::LooksLikeFormat:
        return "the contents look like a " + warning.argument + " list, not like what the name says";
    case FileWarningKind::NoRecordRecognised:
        return "no record recognised in a file that is not empty";
    case FileWarningKind::PlainStreamsKept:
        return "entries without DVB tuning are no channels; they stay in the playlist as they are" +
               counted(warning.count, "entry", "entries");
    }
    return {};
}

bool rewriteWouldLose(FileWarningKind kind) {
    return kind != FileWarningKind::FieldsReset && kind != FileWarningKind::ProvidersWithoutChannels &&
           kind != FileWarningKind::PlainStreamsKept;
}

}  // namespace qvx
