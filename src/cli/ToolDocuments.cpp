#include "cli/ToolDocuments.h"

#include <ostream>

#include "cli/Subcommand.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

const ListFormatEntry* formatOfPath(const std::string& path, std::ostream& err) {
    const ListFormatEntry* format = listFormatEntryForExtension(lowerCasedExtension(path));
    if (!format)
        err << "qvxtool: " << path << ": unknown list format; the name must end in " << extensionsForMessage()
            << "\n";
    return format;
}

int reportFailure(const FileResult& result, std::ostream& err) {
    err << result.message << "\n";
    return kExitFailure;
}

int loadDocument(ListDocument& document, const std::string& path, std::ostream& err) {
    if (!formatOfPath(path, err)) return kExitUsage;
    const FileResult result = document.load(path);
    return result.ok() ? kExitOk : reportFailure(result, err);
}

int saveDocumentAs(ListDocument& document, const std::string& path, std::ostream& err) {
    const FileResult result = document.saveAs(path);
    return result.ok() ? kExitOk : reportFailure(result, err);
}

}  // namespace qvx::cli
