// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileWarning.h"

#include "files/TranslatableText.h"

namespace qvx {
std::string_view fileWarningSource(const FileWarning& warning) {
    const bool one = warning.count == 1;
    switch (warning.kind) {
    case FileWarningKind::RecordsPastCount:
        return one ? QVX_TRANSLATE_NOOP("Notes", "records after those the header counts were not read (%1 record)")
                   : QVX_TRANSLATE_NOOP("Notes", "records after those the header counts were not read (%1 records)");
    case FileWarningKind::BytesOfNoRecord:
        return one ? QVX_TRANSLATE_NOOP("Notes", "bytes at the end that form no whole record were not read (%1 byte)")
                   : QVX_TRANSLATE_NOOP("Notes", "bytes at the end that form no whole record were not read (%1 bytes)");
    case FileWarningKind::ChannelsWithoutKind:
        return one ? QVX_TRANSLATE_NOOP("Notes",
                                        "channels whose service type is neither Television nor Radio were dropped (%1 channel)")
                   : QVX_TRANSLATE_NOOP("Notes",
                                        "channels whose service type is neither Television nor Radio were dropped (%1 channels)");
    case FileWarningKind::ProvidersWithoutChannels:
        return one ? QVX_TRANSLATE_NOOP("Notes", "providers without channels were not kept (%1 provider)")
                   : QVX_TRANSLATE_NOOP("Notes", "providers without channels were not kept (%1 providers)");
    case FileWarningKind::FieldsReset:
        return one ? QVX_TRANSLATE_NOOP("Notes",
                                        "volume, rotor position and DVBextreme fields were reset, as the native reader does (%1 record)")
                   : QVX_TRANSLATE_NOOP("Notes",
                                        "volume, rotor position and DVBextreme fields were reset, as the native reader does (%1 records)");
    case FileWarningKind::LooksLikeFormat:
        return QVX_TRANSLATE_NOOP("Notes", "the contents look like a %2 list, not like what the name says");
    case FileWarningKind::NoRecordRecognised:
        return QVX_TRANSLATE_NOOP("Notes", "no record recognised in a file that is not empty");
    }
    return {};
}

std::string fileWarningText(const FileWarning& warning) {
    std::string text(fileWarningSource(warning));
    if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, std::to_string(warning.count));
    if (const std::size_t at = text.find("%2"); at != std::string::npos) text.replace(at, 2, warning.argument);
    return text;
}

bool rewriteWouldLose(FileWarningKind kind) {
    return kind != FileWarningKind::FieldsReset && kind != FileWarningKind::ProvidersWithoutChannels;
}

}  // namespace qvx
