// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the file-format tests: lists built in a few lines, hex
// written out by hand, and a private temporary folder per test.

#include <algorithm>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelList.h"

namespace qvx::testing {

using Bytes = std::vector<std::uint8_t>;

// "44 56 53 4F" -> {0x44, 0x56, 0x53, 0x4F}; blanks and line breaks are ignored.
inline Bytes hexBytes(std::string_view text) {
    Bytes out;
    int high = -1;
    for (const char c : text) {
        int value;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (c >= 'a' && c <= 'f')
            value = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            value = c - 'A' + 10;
        else
            continue;
        if (high < 0) {
            high = value;
        } else {
            out.push_back(static_cast<std::uint8_t>(high * 16 + value));
            high = -1;
        }
    }
    return out;
}

inline ChannelRecord providerRecord(std::string_view name, std::uint8_t kind) {
    ChannelRecord record = ChannelRecord::newProvider(kind);
    record.setName(name);
    return record;
}

inline ChannelRecord channelRecord(std::string_view name, std::uint8_t kind,
                                   std::uint32_t frequency = 11836000) {
    ChannelRecord record = ChannelRecord::newChannel(kind);
    record.setName(name);
    record.frequency = frequency;
    return record;
}

inline TreeItem* addProvider(ChannelTree& tree, std::string_view name) {
    return tree.appendItem(nullptr, TreeItem::makeProvider(providerRecord(name, tree.serviceType())));
}

inline TreeItem* addChannel(ChannelTree& tree, TreeItem* provider, const ChannelRecord& record) {
    return tree.appendItem(provider, TreeItem::makeChannel(record));
}

inline TreeItem* addChannel(ChannelTree& tree, TreeItem* provider, std::string_view name) {
    return addChannel(tree, provider, channelRecord(name, tree.serviceType()));
}

// "P[A,B] Q[C]": the labels of a tree, channels in brackets.
inline std::string shapeOf(const ChannelTree& tree) {
    std::string out;
    for (const auto& top : tree.topLevelItems()) {
        if (!out.empty()) out += ' ';
        out += top->label();
        if (!top->hasChildren()) continue;
        out += '[';
        for (const auto& child : top->children()) {
            if (out.back() != '[') out += ',';
            out += child->label();
        }
        out += ']';
    }
    return out;
}

inline Bytes readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder, removed with everything in it at the end of the test.
// Every name in a folder, sorted; shows a left-over temporary file.
inline std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvx-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
    std::vector<std::string> names() const { return namesIn(path_); }

private:
    std::string path_;
};

}  // namespace qvx::testing
