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
        file_.formatName.empty() ? listFormatEntryForExtension(file_.extension) : listFormatEntryForName(file_.formatName);
    if (entry && choice_ == FormatChoice::WindowFormats && !entry->offeredByWindow()) return nullptr;
    return entry;
}

std::string ListDocument::shownName() const {
    return file_.shown == ShownFile::Chosen ? fileNameOf(file_.path) : std::string();
}

void ListDocument::chooseFile(const std::string& path, std::optional<ListFormat> named) {
    file_.path = path;
    file_.extension = lowerCasedExtension(path);
    file_.shown = ShownFile::Chosen;
    file_.formatName = named ? std::string(listFormatEntry(*named).toolName) : std::string();
    file_.identity.reset();
}

FileResult ListDocument::remember(FileResult result) {
    if (result.identity) file_.identity = result.identity;
    return result;
}

bool ListDocument::changedOnDisk() const {
    return file_.identity && currentIdentity(file_.path) != file_.identity;
}

FileResult ListDocument::load(const std::string& path, std::optional<ListFormat> named) {
    const FileState before = file_;
    chooseFile(path, named);
    FileResult result = readChosenFile();
    const ListFormatEntry* read = format();
    lastLoadKeptTheList_ = !result.ok() && result.outcome != FileOutcome::UnknownFormat && read && read->allOrNothing;
    if (lastLoadKeptTheList_) file_ = before;
    return result;
}

FileResult ListDocument::readChosenFile() {
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    file_.hasFile = true;
    file_.identity.reset();
    ListFormat read = entry->format;
    FileResult result = file_.formatName.empty() ? readListByContent(file_.path, read, list_, calls_)
                                            : readList(file_.path, read, list_, calls_);
    // Save writes what was read, where the extension alone would not say it.
    if (read != entry->format) file_.formatName = std::string(listFormatEntry(read).toolName);
    return remember(std::move(result));
}

FileResult ListDocument::saveAs(const std::string& path, std::optional<ListFormat> named) {
    chooseFile(path, named);
    return save();
}

FileResult ListDocument::save() {
    const ListFormatEntry* entry = format();
    if (!entry) return {};
    return remember(writeList(file_.path, entry->format, list_, options_, calls_));
}

FileResult ListDocument::prepareSaveAs(const std::string& path, PreparedSave& save,
                                       std::optional<ListFormat> named) {
    chooseFile(path, named);
    const ListFormatEntry* entry = format();
    if (!entry) return unknownFormat();
    if (FileResult refused = checkWritable(path, entry->format, list_, options_); !refused.ok()) return refused;
    const ListWriter write = entry->write;
    return save.prepare([&](ByteSink& sink) { return write(sink, list_, options_); });
}

FileResult ListDocument::loadAtStartup(const std::string& path) {
    file_.path = path;
    file_.extension = lowerCasedExtension(path);
    file_.formatName.clear();
    file_.identity.reset();
    const ListFormatEntry* entry = format();
    if (!entry || !entry->loadableAtStartup) return unknownFormat();
    file_.shown = ShownFile::Chosen;
    return readChosenFile();
}

void ListDocument::forgetFile() {
    file_.hasFile = false;
    file_.shown = ShownFile::NoneAfterClose;
}

}  // namespace qvx
