#include "cli/ListLoading.h"

#include <ostream>

#include "cli/Subcommand.h"
#include "formats/ListFiles.h"
#include "model/ChannelList.h"

namespace qvx::cli {

std::optional<ListFormat> formatOfPath(const std::string& path, std::ostream& err) {
    const std::optional<ListFormat> format = listFormatForExtension(lowerCasedExtension(path));
    if (!format)
        err << "qvxtool: " << path
            << ": unknown list format; the name must end in .qvx, .chl, .dvb or .xch\n";
    return format;
}

int loadList(const std::string& path, ChannelList& list, std::ostream& err) {
    const std::optional<ListFormat> format = formatOfPath(path, err);
    if (!format) return kExitUsage;
    list.chooseFile(path);
    list.setHasFile(true);
    const ReadResult result = readList(path, *format, list.television(), list.radio());
    if (result.code != kReadOk) {
        err << result.message << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace qvx::cli
