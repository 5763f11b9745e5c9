// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <span>

#include "cli/ListDump.h"
#include "files/ByteStream.h"
#include "formats/JsonFormat.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

// The JSON format's writer, pointed at a stream.
class StreamSink final : public ByteSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    bool write(std::span<const std::uint8_t> bytes) override {
        out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out_);
    }

private:
    std::ostream& out_;
};

}  // namespace

std::string recordAsJson(const ChannelRecord& record) {
    std::string out;
    appendJsonRecord(out, record);
    return out;
}

bool writeListAsJson(const ChannelList& list, std::ostream& out) {
    StreamSink sink(out);
    return writeJsonList(sink, list);
}

}  // namespace qvx::cli
