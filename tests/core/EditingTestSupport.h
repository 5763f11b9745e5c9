// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FormatTestSupport.h"
#include "model/ChannelTree.h"

namespace qvx::treetest {

using testing::addProvider;
using testing::providerRecord;
using testing::shapeOf;

inline ChannelRecord channelRecord(const std::string& name, std::uint8_t kind, std::uint16_t serviceId = 0) {
    ChannelRecord record = ChannelRecord::newChannel(kind);
    record.setName(name);
    record.serviceId = serviceId;
    return record;
}

inline TreeItem* addChannel(ChannelTree& tree, TreeItem* provider, const std::string& name,
                            std::uint16_t serviceId = 0) {
    return tree.appendItem(provider, TreeItem::makeChannel(channelRecord(name, tree.serviceType(), serviceId)));
}

// Builds a tree from "P[A,B] Q[C] R" (the notation shapeOf writes): top-level items with their children.
// Top-level names end at a blank, child names may hold blanks.
// Top-level names that start with '*' become channel records at the top level.
inline void buildTree(ChannelTree& tree, const std::string& description) {
    std::size_t at = 0;
    auto readName = [&](const char* stops) {
        const std::size_t end = description.find_first_of(stops, at);
        std::string name = description.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? description.size() : end;
        return name;
    };
    while (at < description.size()) {
        if (description[at] == ' ') {
            ++at;
            continue;
        }
        const std::string name = readName(" [");
        TreeItem* top = name.front() == '*'
                            ? tree.appendItem(nullptr, TreeItem::makeChannel(channelRecord(name.substr(1),
                                                                                           tree.serviceType())))
                            : addProvider(tree, name);
        if (at < description.size() && description[at] == '[') {
            ++at;
            while (description[at] != ']') {
                if (description[at] == ',') ++at;
                addChannel(tree, top, readName(",]"));
            }
            ++at;
        }
    }
}

// Writes down every notification of a tree, e.g. "+?P:0-0", "+P:0-0", "-?top:1-1", "reset?", "reset".
class RecordingObserver final : public ChannelTreeObserver {
public:
    explicit RecordingObserver(ChannelTree& tree) : tree_(tree) { tree_.addObserver(this); }
    ~RecordingObserver() override { tree_.removeObserver(this); }
    RecordingObserver(const RecordingObserver&) = delete;
    RecordingObserver& operator=(const RecordingObserver&) = delete;

    std::vector<std::string> calls;
    int changes = 0;

    void itemsAboutToBeInserted(const TreeItem* parent, int first, int last) override {
        note("+?", parent, first, last);
    }
    void itemsInserted(const TreeItem* parent, int first, int last) override { note("+", parent, first, last); }
    void itemsAboutToBeRemoved(const TreeItem* parent, int first, int last) override {
        note("-?", parent, first, last);
    }
    void itemsRemoved(const TreeItem* parent, int first, int last) override { note("-", parent, first, last); }
    void aboutToReset() override { calls.push_back("reset?"); }
    void resetDone() override { calls.push_back("reset"); }
    void itemChanged(const TreeItem*) override { ++changes; }
    void aboutToReorder() override { calls.push_back("reorder?"); }
    void reordered() override { calls.push_back("reorder"); }
    void itemAboutToBeMoved(const TreeItem* fromParent, int fromRow, const TreeItem* toParent, int toRow) override {
        note("move?", fromParent, fromRow, fromRow);
        note("to", toParent, toRow, toRow);
    }
    void itemMoved() override { calls.push_back("move"); }

private:
    void note(const char* what, const TreeItem* parent, int first, int last) {
        calls.push_back(std::string(what) + (parent ? parent->label() : std::string("top")) + ":" +
                        std::to_string(first) + "-" + std::to_string(last));
    }
    ChannelTree& tree_;
};

}  // namespace qvx::treetest
