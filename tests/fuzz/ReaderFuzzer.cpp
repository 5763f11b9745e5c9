// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to one reader, as the file layer would hand it a file.
// A crash, an overflow or undefined behaviour is found by the sanitizers; the
// checks below catch a reader that reports what cannot be.

#include <cstdio>
#include <cstdlib>

#include "FuzzFormats.h"
#include "model/ChannelList.h"

namespace {

// A broken rule names itself before the fuzzer saves the input.
void require(bool condition, const char* rule) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qvx;
    ChannelList list;
    MemorySource source({data, size});
    const FileResult result = fuzz::readFormat(source, list);

    require(result.ok() || result.outcome == FileOutcome::ShortHeader || result.outcome == FileOutcome::ReadFailed ||
                result.outcome == FileOutcome::BadContent,
            "a result the reader may give");
    require(result.ok() == result.message.empty(), "a message exactly when the read failed");
    require(result.outcome != FileOutcome::BadContent || (list.television().empty() && list.radio().empty()),
            "nothing kept of a list whose content is bad");
    for (const ChannelTree* tree : {&list.television(), &list.radio()}) {
        std::size_t items = 0;
        for (const auto& top : tree->topLevelItems()) {
            ++items;
            require(top->record().serviceType == tree->serviceType(), "top-level items of the tree's kind");
            for (const auto& child : top->children()) {
                ++items;
                require(child->parent() == top.get(), "a child knows its parent");
                require(child->record().isChannel != 0, "only channels below a provider");
                require(!child->hasChildren(), "two levels at most");
            }
        }
        require(items == tree->itemCount(), "the item count matches the items");
    }
    return 0;
}
