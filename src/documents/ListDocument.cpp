// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/ListDocument.h"

#include "formats/ListFiles.h"
#include "formats/SafeSave.h"
#include "model/ChannelList.h"

namespace qvx {

ListDocument::ListDocument(ChannelList& list, FileCalls& calls)
    : ListDocument(list, FormatChoice::WindowFormats, calls) {}

ListDocument::ListDocument(ChannelList& list, FormatChoice choice, FileCalls& calls)
    : list_(list), choice_(choice), calls_(calls) {}

const ListFormatEntry* ListDocument::format() const {
    const ListFormatEntry* entry = list_.formatName().empty() ? listFormatEntryForExtension(list_.extension())
                                                              : listFormatEntryForName(list_.formatName());
    if (entry && choice_ == FormatChoice::WindowFormats && !entry->offeredByWindow()) return nullptr;
    return entry;
}

void ListDocument::chooseFile(const std::string& path, std::optional<ListFormat> named) {
    list_.chooseFile(path);
    if (named) list_.setFormatName(std::string(listFormatEntry(*named).toolName));
    identity_.reset();
}

FileResult ListDocument::remember(FileResult result) {
    if (result.identity) identity_ = result.identity;
    return result;
}

bool ListDocument::changedOnDisk() const {
    return identity_ && currentIdentity(list_.path()) != identity_;
}

FileResult ListDocument::load(const std::string& path, std::optional<ListFormat> named) {
    chooseFile(path, named);
    return readChosenFile();
}

FileResult ListDocument::readChosenFile() {
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    list_.setHasFile(true);
    identity_.reset();
    ListFormat read = entry->format;
    FileResult result = list_.formatName().empty() ? readListByContent(list_.path(), read, list_, calls_)
                                                   : readList(list_.path(), read, list_, calls_);
    // Save writes what was read, where the extension alone would not say it.
    if (read != entry->format) list_.setFormatName(std::string(listFormatEntry(read).toolName));
    return remember(std::move(result));
}

FileResult ListDocument::saveAs(const std::string& path, std::optional<ListFormat> named) {
    chooseFile(path, named);
    return save();
}

FileResult ListDocument::save() {
    const ListFormatEntry* entry = format();
    if (!entry) return {};
    return remember(writeList(list_.path(), entry->format, list_, options_, calls_));
}

FileResult ListDocument::prepareSaveAs(const std::string& path, PreparedSave& save,
                                       std::optional<ListFormat> named) {
    chooseFile(path, named);
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    const ListWriter write = entry->write;
    return save.prepare([&](ByteSink& sink) { return write(sink, list_, options_); });
}

FileResult ListDocument::loadAtStartup(const std::string& path) {
    chooseFile(path, std::nullopt);
    const ListFormatEntry* entry = format();
    if (!entry || !entry->loadableAtStartup) return unknownFormat();
    return readChosenFile();
}

}  // namespace qvx
