// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a reader accepts, the writer of the same format writes and the
// reader takes back. The first write-read loses what the format cannot hold
// (and settles the order of the entries, which a file of another program may
// not keep); from then on nothing may change: the trees read back after a
// second write-read dump exactly as after the first.

#include <cstdio>
#include <cstdlib>

#include "FuzzFormats.h"
#include "model/ChannelList.h"

namespace {

using namespace qvx;

// A broken rule names itself before the fuzzer saves the input.
void require(bool condition, const char* rule) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

// Writes the list and reads it back into `into`.
void writeAndRead(const ChannelList& from, ChannelList& into) {
    MemorySink sink;
    require(fuzz::writeFormat(sink, from), "writing to memory succeeds");
    MemorySource source(sink.bytes());
    require(fuzz::readFormat(source, into).outcome == FileOutcome::Done,
            "what the writer wrote reads without error");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ChannelList original;
    MemorySource source({data, size});
    // A list cut short still holds what was read: that is what a user would save.
    const FileResult result = fuzz::readFormat(source, original);
    if (result.outcome == FileOutcome::ShortHeader) return 0;

    ChannelList once;
    writeAndRead(original, once);
    ChannelList twice;
    writeAndRead(once, twice);

    require(fuzz::dumpList(once) == fuzz::dumpList(twice),
            "the trees and what they carry read back the second time dump as the first");
    // Every entry is written as one record, so nothing is dropped on the way.
    require(once.television().itemCount() + once.radio().itemCount() ==
            twice.television().itemCount() + twice.radio().itemCount(),
            "no entry is dropped");
    return 0;
}
