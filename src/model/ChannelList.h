// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/Carried.h"
#include "model/ChannelTree.h"

namespace qvx {

// What one channel-list file holds: a Television and a Radio tree, and what
// a text format carried for the list as a whole. The file it came from and
// what the window shows of it belong to the list's document.
class ChannelList final {
public:
    ChannelList() = default;
    ChannelList(const ChannelList&) = delete;
    ChannelList& operator=(const ChannelList&) = delete;

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

    // Empties both trees; what the list carries stays.
    void clearAll();

private:
    ChannelTree television_{TreeKind::Television};
    ChannelTree radio_{TreeKind::Radio};
    CarriedPtr carried_;
};

// The text after the last dot of the file name, lower-cased (ASCII only; the
// four known extensions are ASCII). Empty when the name has no dot.
std::string lowerCasedExtension(const std::string& path);
// The file name without its folder.
std::string fileNameOf(const std::string& path);

}  // namespace qvx
