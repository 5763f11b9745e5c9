// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qvx {

struct ChannelRecord;
class TreeItem;

// What makes two channels equal: the name (trailing blanks stripped), the
// Service ID, or both. The window keeps at least one of them on. byTuning adds
// the frequency, the symbol rate and the polarity (qvxtool's "--by tuning" is
// those three with the Service ID); the window never sets it.
struct CompareOptions {
    bool byName = true;
    bool byServiceId = true;
    bool byTuning = false;
};

// The option sets qvxtool takes after --by: "name", "sid", "both" and, where
// `withTuning`, "tuning". None for any other text.
std::optional<CompareOptions> compareOptionsNamed(std::string_view name, bool withTuning);

// Told of a comparison of one pair of trees: begin with the item count of the
// first tree (providers too), one step per channel of it, then end. Not told
// at all when the pair is skipped.
class CompareProgress {
public:
    virtual ~CompareProgress() = default;
    virtual void begin(std::size_t maximum) = 0;
    virtual void step() = 0;
    virtual void end() = 0;
};

// The name as the comparison sees it: up to the first NUL or the end of the
// 32-byte field, without trailing blanks (code 32 only).
std::string_view comparisonName(const ChannelRecord& record);
// The name as the comparison sees an item: the whole name it carries from a
// text format where the record cannot hold it (and the user has not renamed
// it since), so that distinct names never count as equal; else the record's.
// A whole name is given after a zero byte, which no record's name holds, so
// it never equals one; `storage` keeps it.
std::string_view comparisonName(const TreeItem& item, std::string& storage);

}  // namespace qvx
