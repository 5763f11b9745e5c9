// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolDocuments.h"

#include <sys/stat.h>

#include <algorithm>
#include <ostream>

#include "cli/Subcommand.h"
#include "cli/TerminalText.h"
#include "documents/ListDocument.h"
#include "files/ByteStream.h"
#include "formats/ConversionLoss.h"
#include "files/SameFile.h"
#include "model/ChannelList.h"

namespace qvx::cli {

const ListFormatEntry* formatOfPath(const std::string& path, std::optional<ListFormat> named, std::ostream& err) {
    if (named) return &listFormatEntry(*named);
    const ListFormatEntry* format = listFormatEntryForExtension(lowerCasedExtension(path));
    if (!format)
        err << "qvxtool: " << terminalSafe(path) << ": unknown list format; the name must end in "
            << extensionsForMessage() << "\n";
    return format;
}

int reportFailure(const FileResult& result, std::ostream& err) {
    err << "qvxtool: " << terminalSafe(result.messageWithReason()) << "\n";
    return kExitFailure;
}

void warn(std::string_view subject, std::string_view text, std::ostream& err) {
    err << "qvxtool: warning: " << terminalSafe(subject) << ": " << terminalSafe(text) << "\n";
}

int loadDocument(ListDocument& document, const std::string& path, std::optional<ListFormat> named,
                 std::ostream& err, std::vector<FileWarning>* warnings) {
    const ListFormatEntry* format = formatOfPath(path, named, err);
    if (!format) return kExitUsage;
    FileResult result = document.load(path, named);
    for (const FileWarning& warning : result.warnings) warn(path, fileWarningText(warning), err);
    if (warnings) *warnings = result.warnings;
    if (!result.ok()) {
        // The readers' own texts do not say which file they mean.
        if (!result.namesFile) result.message = path + ": " + result.message;
        return reportFailure(result, err);
    }
    return kExitOk;
}

int refuseLosingRewrite(std::initializer_list<ReadInput> inputs, std::initializer_list<std::string_view> outputs,
                        bool force, std::ostream& err) {
    if (force) return kExitOk;
    for (const ReadInput& input : inputs) {
        const bool lost = std::ranges::any_of(input.warnings, [](const FileWarning& warning) {
            return rewriteWouldLose(warning.kind);
        });
        if (!lost) continue;
        for (const std::string_view output : outputs) {
            if (!nameSameFile(input.path, std::string(output))) continue;
            err << "qvxtool: " << terminalSafe(output)
                << ": not written over, as reading it left out what it holds (see the warnings above); "
                   "--force writes it all the same\n";
            return kExitFailure;
        }
    }
    return kExitOk;
}

void warnOfLosses(const ListDocument& document, const std::string& path, std::ostream& err) {
    const ListFormatEntry* format = document.format();
    if (!format) return;
    const ChannelList& list = document.list();
    for (const ConversionLoss& loss : conversionLosses(format->format, list.television(), list.radio()))
        warn(path, conversionLossText(loss), err);
}

int saveDocumentAs(ListDocument& document, const std::string& path, const ToolFormats& formats, std::ostream& err) {
    FormatOptions options;
    options.defaultSource = formats.source;
    options.satipUrl = formats.satipUrl;
    document.setFormatOptions(std::move(options));
    const FileResult result = document.saveAs(path, formats.to);
    if (!result.ok()) return reportFailure(result, err);
    warnOfLosses(document, path, err);
    return kExitOk;
}

}  // namespace qvx::cli
