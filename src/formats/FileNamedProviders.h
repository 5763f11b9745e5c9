// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/ChannelTree.h"

namespace qvx {

class ChannelList;

// The providers of a file that has none of its own (dvbv5, zap): the
// channels of each tree go under one made-up provider named after the file.
// Nothing enters the list before fill(), so a reader that fails leaves it as
// it was.
class FileNamedProviders final {
public:
    FileNamedProviders(std::string_view format, std::string_view fileName, std::uint64_t file);

    // A channel for the tree of its record's kind, in file order.
    void add(const ChannelRecord& record, CarriedPtr carried);
    // Both trees of `list` emptied and given the providers that got channels.
    void fill(ChannelList& list);

private:
    std::unique_ptr<TreeItem> makeProvider(std::uint8_t kind) const;

    std::string format_;
    std::string fileName_;
    std::uint64_t file_;
    std::unique_ptr<TreeItem> providers_[2];
};

// A record as the Linux channel-file readers start each entry: the marks of a
// converted record, volume 100 (as the other readers set it), of the kind
// its video PID gives (none: Radio).
ChannelRecord textChannelBase();
void setKindByVideo(ChannelRecord& record);

}  // namespace qvx
