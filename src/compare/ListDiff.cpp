// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/ListDiff.h"

#include <cstring>

#include "compare/ChannelIndex.h"
#include "compare/ChannelMarks.h"
#include "model/RecordFields.h"

namespace qvx {

TreeDiff diffTrees(const ChannelTree& a, const ChannelTree& b, CompareOptions options) {
    ChannelIndex index(b, options);
    ChannelMarks pairedA(a);
    ChannelMarks pairedB(b);
    TreeDiff diff;
    const RecordField* nameField = nullptr;
    for (const RecordField& field : recordFields())
        if (field.name == "name") nameField = &field;
    std::string name;
    for (std::size_t number = 0; number < pairedA.size(); ++number) {
        const ChannelRecord& record = pairedA.channel(number).record();
        const std::uint32_t match = index.takeFirst(ChannelKey::of(pairedA.channel(number), options, name));
        if (match == ChannelIndex::kNone) continue;
        pairedA.mark(number);
        pairedB.mark(match);
        const ChannelRecord& other = pairedB.channel(match).record();
        // Most pairs are equal to the last byte; only the others need a look at each field.
        if (std::memcmp(&record, &other, kRecordSize) == 0) continue;
        std::vector<const RecordField*> fields;
        for (const RecordField& field : recordFields()) {
            // Paired by name, the names are the same channel's even where trailing blanks differ.
            if (options.byName && &field == nameField) continue;
            if (!field.sameIn(record, other)) fields.push_back(&field);
        }
        if (!fields.empty()) diff.changed.push_back({pairedA.place(number), pairedB.place(match), std::move(fields)});
    }
    for (std::size_t number = 0; number < pairedA.size(); ++number)
        if (!pairedA.isMarked(number)) diff.onlyInA.push_back(pairedA.place(number));
    for (std::size_t number = 0; number < pairedB.size(); ++number)
        if (!pairedB.isMarked(number)) diff.onlyInB.push_back(pairedB.place(number));
    return diff;
}

}  // namespace qvx
