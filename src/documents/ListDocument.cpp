// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/ListDocument.h"

#include "formats/ListFiles.h"
#include "files/SafeSave.h"
#include "model/ChannelList.h"

namespace qvx {

ListDocument::ListDocument(ChannelList& list, FileCalls& calls)
    : ListDocument(list, FormatChoice::WindowFormats, calls) {}

ListDocument::ListDocument(ChannelList& list, FormatChoice choice, FileCalls& calls)
    : list_(list), choice_(choice), calls_(calls) {}

const ListFormatEntry* ListDocument::format() const {
    const ListFormatEntry* entry =
        formatName_.empty() ? listFormatEntryForExtension(extension_) : listFormatEntryForName(formatName_);
    if (entry && choice_ == FormatChoice::WindowFormats && !entry->offeredByWindow()) return nullptr;
    return entry;
}

std::string ListDocument::shownName() const {
    return shown_ == ShownFile::Chosen ? fileNameOf(path_) : std::string();
}

void ListDocument::chooseFile(const std::string& path, std::optional<ListFormat> named) {
    path_ = path;
    extension_ = lowerCasedExtension(path);
    shown_ = ShownFile::Chosen;
    formatName_ = named ? std::string(listFormatEntry(*named).toolName) : std::string();
    identity_.reset();
}

FileResult ListDocument::remember(FileResult result) {
    if (result.identity) identity_ = result.identity;
    return result;
}

bool ListDocument::changedOnDisk() const {
    return identity_ && currentIdentity(path_) != identity_;
}

FileResult ListDocument::load(const std::string& path, std::optional<ListFormat> named) {
    chooseFile(path, named);
    return readChosenFile();
}

FileResult ListDocument::readChosenFile() {
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    hasFile_ = true;
    identity_.reset();
    ListFormat read = entry->format;
    FileResult result = formatName_.empty() ? readListByContent(path_, read, list_, calls_)
                                            : readList(path_, read, list_, calls_);
    // Save writes what was read, where the extension alone would not say it.
    if (read != entry->format) formatName_ = std::string(listFormatEntry(read).toolName);
    return remember(std::move(result));
}

FileResult ListDocument::saveAs(const std::string& path, std::optional<ListFormat> named) {
    chooseFile(path, named);
    return save();
}

FileResult ListDocument::save() {
    const ListFormatEntry* entry = format();
    if (!entry) return {};
    return remember(writeList(path_, entry->format, list_, options_, calls_));
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
    path_ = path;
    extension_ = lowerCasedExtension(path);
    formatName_.clear();
    identity_.reset();
    const ListFormatEntry* entry = format();
    if (!entry || !entry->loadableAtStartup) return unknownFormat();
    shown_ = ShownFile::Chosen;
    return readChosenFile();
}

void ListDocument::forgetFile() {
    hasFile_ = false;
    shown_ = ShownFile::NoneAfterClose;
}

}  // namespace qvx
