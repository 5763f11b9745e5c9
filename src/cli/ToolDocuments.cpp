// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolDocuments.h"

#include <sys/stat.h>

#include <ostream>

#include "cli/Subcommand.h"
#include "cli/TerminalText.h"
#include "documents/ListDocument.h"
#include "formats/ByteStream.h"
#include "formats/ConversionLoss.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

// Whether the file holds more than an empty list in its format would (a
// native header says "no records" in 12 bytes; other formats need none).
bool holdsMoreThanAnEmptyList(const std::string& path, const ListFormatEntry& format) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    const ChannelList empty;
    MemorySink emptyList;
    format.write(emptyList, empty, {});
    return static_cast<std::size_t>(status.st_size) > emptyList.bytes().size();
}

}  // namespace

const ListFormatEntry* formatOfPath(const std::string& path, std::ostream& err) {
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

int loadDocument(ListDocument& document, const std::string& path, std::ostream& err) {
    const ListFormatEntry* format = formatOfPath(path, err);
    if (!format) return kExitUsage;
    const FileResult result = document.load(path);
    if (!result.ok()) return reportFailure(result, err);
    const ChannelList& list = document.list();
    if (list.television().itemCount() == 0 && list.radio().itemCount() == 0 &&
        holdsMoreThanAnEmptyList(path, *format))
        warn(path, "no record recognised in a file that is not empty", err);
    return kExitOk;
}

void warnOfLosses(const ListDocument& document, const std::string& path, std::ostream& err) {
    const ListFormatEntry* format = listFormatEntryForExtension(lowerCasedExtension(path));
    if (!format) return;
    const ChannelList& list = document.list();
    for (const ConversionLoss& loss : conversionLosses(format->format, list.television(), list.radio()))
        warn(path,
             std::string(loss.what) + " (" + std::to_string(loss.records) +
                 (loss.records == 1 ? " record)" : " records)"),
             err);
}

int saveDocumentAs(ListDocument& document, const std::string& path, std::ostream& err) {
    const FileResult result = document.saveAs(path);
    if (!result.ok()) return reportFailure(result, err);
    warnOfLosses(document, path, err);
    return kExitOk;
}

}  // namespace qvx::cli
