// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelRecord.h"

namespace qvx {

// Picture numbers of the tree's icon strip.
enum ItemImage : int {
    kProviderImage = 0,
    kFreeChannelImage = 1,
    kSelectedChannelImage = 2,
    kScrambledChannelImage = 3,
};

// What a view shows of an item besides its label.
struct ItemLooks {
    bool bold = false;
    int image = kFreeChannelImage;
    int selectedImage = kSelectedChannelImage;

    bool operator==(const ItemLooks&) const = default;
};

// The one rule for an item's looks: a provider is bold with picture 0; a
// channel shows picture 3 when scrambled, else 1, and 2 when selected.
inline ItemLooks providerLooks() { return {true, kProviderImage, kProviderImage}; }
inline ItemLooks channelLooks(const ChannelRecord& record) {
    return {false, record.isScrambled() ? kScrambledChannelImage : kFreeChannelImage, kSelectedChannelImage};
}

}  // namespace qvx
