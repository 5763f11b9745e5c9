// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/VdrLine.h"
#include "formats/VdrText.h"

namespace qvx {

class TreeItem;

// The lines of a list's items as a channels.conf holds them now. An item
// read from such a file and left as it was gives back its line byte for
// byte; after edits only the fields the user changed are written anew (a
// renamed channel changes its name, nothing else); an item of another
// format, or none, is written whole from its record and what it carries.
class VdrComposer final {
public:
    VdrComposer(VdrEncoding encoding, std::string_view defaultSource);

    // Valid until the next call.
    std::string_view channelLine(const TreeItem& channel);
    std::string_view groupLine(const TreeItem& provider);

private:
    // The item's own line in the file's encoding, or none.
    std::optional<std::string_view> ownLine(const TreeItem& item);
    // What the provider part of a channel's name field is to be: none, or its
    // text (valid until the next call).
    std::optional<std::string_view> providerPartOf(const TreeItem& channel, const VdrChannelLine* own);
    std::string_view editedLine(const TreeItem& channel, std::string_view line);
    std::string_view newLine(const TreeItem& channel);

    VdrEncoding encoding_;
    std::string defaultSource_;
    VdrSources sources_;
    VdrChannelLine parsed_;
    std::string recoded_;
    std::string line_;
    // The provider part the made-up provider met last gives its channels.
    const TreeItem* partOwner_ = nullptr;
    std::optional<std::string> partOfOwner_;
    std::string describedPart_;
};

}  // namespace qvx
