// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a small native list for the tests that start the editor:
//   quorvex_make_sample_list PATH
// One Television provider with two channels, one Radio provider with one channel.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "model/ChannelRecord.h"

namespace {

void putU32(std::ofstream& out, std::uint32_t value) {
    const char bytes[] = {static_cast<char>(value & 0xff), static_cast<char>((value >> 8) & 0xff),
                          static_cast<char>((value >> 16) & 0xff), static_cast<char>((value >> 24) & 0xff)};
    out.write(bytes, sizeof bytes);
}

qvx::ChannelRecord named(qvx::ChannelRecord record, const char* name) {
    record.setName(name);
    return record;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvex_make_sample_list PATH\n");
        return 2;
    }
    const std::vector<qvx::ChannelRecord> television = {
        named(qvx::ChannelRecord::newProvider(1), "Test Provider"),
        named(qvx::ChannelRecord::newChannel(1), "Test One"),
        named(qvx::ChannelRecord::newChannel(1), "Test Two"),
    };
    const std::vector<qvx::ChannelRecord> radio = {
        named(qvx::ChannelRecord::newProvider(2), "Test Radio Provider"),
        named(qvx::ChannelRecord::newChannel(2), "Test Radio"),
    };
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    putU32(out, static_cast<std::uint32_t>(television.size()));
    putU32(out, static_cast<std::uint32_t>(radio.size()));
    putU32(out, 0);
    for (const auto* tree : {&television, &radio}) {
        for (const qvx::ChannelRecord& record : *tree) {
            const qvx::RecordImage image = record.image();
            out.write(reinterpret_cast<const char*>(image.data()),
                      static_cast<std::streamsize>(image.size()));
        }
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
