// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/Carried.h"
#include "model/ChannelTree.h"

namespace qvx {

// One of the two lists side by side: what one channel-list file holds, with
// the file it came from or goes to.
class ChannelList final {
public:
    // number: 1 for the left list, 2 for the right one.
    explicit ChannelList(int number);
    ChannelList(const ChannelList&) = delete;
    ChannelList& operator=(const ChannelList&) = delete;

    int number() const { return number_; }
    ChannelTree& television() { return television_; }
    ChannelTree& radio() { return radio_; }
    const ChannelTree& television() const { return television_; }
    const ChannelTree& radio() const { return radio_; }
    ChannelTree& tree(TreeKind kind) { return kind == TreeKind::Television ? television_ : radio_; }
    const ChannelTree& tree(TreeKind kind) const { return kind == TreeKind::Television ? television_ : radio_; }

    // What the list as a whole brought from a text format (comment and blank
    // lines with their places, a header, trailing text); null for most lists.
    // Clear all keeps it, so the file's comments survive emptying the list;
    // Close and every load replace it.
    const CarriedPtr& carried() const { return carried_; }
    void setCarried(CarriedPtr carried) { carried_ = std::move(carried); }

    const std::string& path() const { return path_; }
    // Lower-cased; selects the format on Save.
    const std::string& extension() const { return extension_; }
    // The name of the format the file was read or last written in, where
    // the extension alone does not tell it (a ".conf" file is VDR, dvbv5 or
    // zap; qvxtool's --to and --from name any); empty otherwise.
    const std::string& formatName() const { return formatName_; }
    void setFormatName(std::string name) { formatName_ = std::move(name); }
    bool hasFile() const { return hasFile_; }
    void setHasFile(bool hasFile) { hasFile_ = hasFile; }
    // Text of the list's status pane ("File1: name").
    const std::string& statusText() const { return statusText_; }

    // Takes the file chosen in a Load or Save as dialog: path, status text and
    // lower-cased extension change at once, whatever happens next; the format
    // name is forgotten.
    void chooseFile(const std::string& path);

    // Empties both trees; file, flag and status stay.
    void clearAll();
    // Forgets the file: flag cleared, status "FileN: none ", both trees emptied.
    // Path and extension stay until the next file is chosen.
    void close();

private:
    int number_;
    ChannelTree television_{TreeKind::Television};
    ChannelTree radio_{TreeKind::Radio};
    std::string path_;
    std::string extension_;
    std::string formatName_;
    bool hasFile_ = false;
    std::string statusText_;
    CarriedPtr carried_;
};

// The text after the last dot of the file name, lower-cased (ASCII only; the
// four known extensions are ASCII). Empty when the name has no dot.
std::string lowerCasedExtension(const std::string& path);
// The file name without its folder.
std::string fileNameOf(const std::string& path);

}  // namespace qvx
