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
    const ListFormatEntry* entry = listFormatEntryForExtension(list_.extension());
    if (entry && choice_ == FormatChoice::WindowFormats && !entry->offeredByWindow()) return nullptr;
    return entry;
}

void ListDocument::chooseFile(const std::string& path) {
    list_.chooseFile(path);
    identity_.reset();
}

FileResult ListDocument::remember(FileResult result) {
    if (result.identity) identity_ = result.identity;
    return result;
}

bool ListDocument::changedOnDisk() const {
    return identity_ && currentIdentity(list_.path()) != identity_;
}

FileResult ListDocument::load(const std::string& path) {
    chooseFile(path);
    return readChosenFile();
}

FileResult ListDocument::readChosenFile() {
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    list_.setHasFile(true);
    identity_.reset();
    return remember(readList(list_.path(), entry->format, list_.television(), list_.radio(), calls_));
}

FileResult ListDocument::saveAs(const std::string& path) {
    chooseFile(path);
    return save();
}

FileResult ListDocument::save() {
    const ListFormatEntry* entry = format();
    if (!entry) return {};
    return remember(writeList(list_.path(), entry->format, list_.television(), list_.radio(), calls_));
}

FileResult ListDocument::prepareSaveAs(const std::string& path, PreparedSave& save) {
    chooseFile(path);
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    const ListWriter write = entry->write;
    return save.prepare([&](ByteSink& sink) { return write(sink, list_.television(), list_.radio()); });
}

FileResult ListDocument::loadAtStartup(const std::string& path) {
    chooseFile(path);
    const ListFormatEntry* entry = format();
    if (!entry || !entry->loadableAtStartup) return unknownFormat();
    return readChosenFile();
}

}  // namespace qvx
