#pragma once

#include <cstddef>
#include <string_view>

namespace qvx {

struct ChannelRecord;

// What makes two channels equal: the name (trailing blanks stripped), the
// Service ID, or both. The window keeps at least one of them on.
struct CompareOptions {
    bool byName = true;
    bool byServiceId = true;
};

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

}  // namespace qvx
