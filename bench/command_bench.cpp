// Times undo and redo of the steps that move most items, and measures what the
// history holds. Prints figures; it never fails on time. Run it from a
// Release build. Times are wall-clock, the best of several runs.

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "commands/CommandHistory.h"
#include "commands/ListCommands.h"
#include "model/ChannelList.h"

namespace {

using namespace qvx;

constexpr int kChannelsPerProvider = 100;

template <typename Work>
double milliseconds(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Every byte of a list pair that undo must give back, in one string.
std::string contentOf(const ChannelList& list1, const ChannelList& list2) {
    std::string out;
    auto item = [&](const TreeItem& entry) {
        const RecordImage image = entry.record().image();
        out.append(reinterpret_cast<const char*>(image.data()), image.size());
        out += entry.label();
        out += static_cast<char>(entry.isBold());
        out += static_cast<char>(entry.image());
        out += static_cast<char>(entry.selectedImage());
        out += static_cast<char>(entry.childCount());
    };
    for (const ChannelList* list : {&list1, &list2})
        for (const ChannelTree* tree : {&list->television(), &list->radio()})
            for (const auto& top : tree->topLevelItems()) {
                item(*top);
                for (const auto& child : top->children()) item(*child);
            }
    return out;
}

ChannelRecord channelRecord(std::uint8_t kind, const std::string& name, std::uint16_t serviceId) {
    ChannelRecord record = ChannelRecord::newChannel(kind);
    record.setName(name);
    record.serviceId = serviceId;
    return record;
}

// `names` channels under providers of kChannelsPerProvider each.
void fill(ChannelTree& tree, const std::vector<std::pair<std::string, std::uint16_t>>& channels) {
    ChannelTree::BulkChange bulk(tree);
    TreeItem* provider = nullptr;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (i % kChannelsPerProvider == 0) {
            ChannelRecord record = ChannelRecord::newProvider(tree.serviceType());
            record.setName("Provider " + std::to_string(i / kChannelsPerProvider));
            provider = tree.appendItem(nullptr, TreeItem::makeProvider(record));
        }
        tree.appendItem(provider, TreeItem::makeChannel(
                                      channelRecord(tree.serviceType(), channels[i].first, channels[i].second)));
    }
}

void deleteProvider() {
    constexpr int kChannels = 50000;
    ChannelList list1{1};
    ChannelList list2{2};
    ChannelTree& tree = list1.television();
    TreeItem* provider = tree.appendItem(nullptr, TreeItem::makeProvider(ChannelRecord::newProvider(1)));
    for (int i = 0; i < kChannels; ++i)
        tree.appendItem(provider, TreeItem::makeChannel(channelRecord(1, "Channel " + std::to_string(i), 0)));
    tree.appendItem(nullptr, TreeItem::makeProvider(ChannelRecord::newProvider(1)));
    CommandHistory history{list1, list2};
    const std::string before = contentOf(list1, list2);

    double execute = 0, undo = 1e9, redo = 1e9;
    execute = milliseconds([&] { history.execute(makeDeleteCommand(tree, *provider)); });
    for (int run = 0; run < 5; ++run) {
        undo = std::min(undo, milliseconds([&] { history.undo(); }));
        redo = std::min(redo, milliseconds([&] { history.redo(); }));
    }
    history.undo();
    std::printf("Delete a provider with %d channels: do %.1f us, undo %.1f us, redo %.1f us; restored %s\n",
                kChannels, execute * 1000, undo * 1000, redo * 1000,
                contentOf(list1, list2) == before ? "exactly" : "WRONGLY");
}

void compareLists(const char* what, double shared) {
    constexpr std::size_t kChannels = 100000;
    std::mt19937 random(7);
    const std::size_t pool = kChannels / 20;
    auto fresh = [&] {
        std::string name = "Channel " + std::to_string(random() % pool);
        if (random() % 10 == 0) name += "  ";
        return std::pair<std::string, std::uint16_t>{name, static_cast<std::uint16_t>(random() & 0xFFFF)};
    };
    std::vector<std::pair<std::string, std::uint16_t>> first, second;
    for (std::size_t i = 0; i < kChannels; ++i) first.push_back(fresh());
    second.assign(first.begin(), first.begin() + static_cast<long>(static_cast<double>(kChannels) * shared));
    while (second.size() < kChannels) second.push_back(fresh());
    if (shared < 1.0) std::shuffle(second.begin(), second.end(), random);

    ChannelList list1{1};
    ChannelList list2{2};
    fill(list1.television(), first);
    fill(list2.television(), second);
    CommandHistory history{list1, list2};
    const std::string before = contentOf(list1, list2);

    const std::size_t itemsBefore = list1.television().itemCount() + list2.television().itemCount();
    const double execute = milliseconds([&] { history.execute(makeCompareListsCommand(list1, list2, {})); });
    const std::size_t itemsAfter = list1.television().itemCount() + list2.television().itemCount();
    const std::string after = contentOf(list1, list2);
    const double undo = milliseconds([&] { history.undo(); });
    const bool undone = contentOf(list1, list2) == before;
    const double redo = milliseconds([&] { history.redo(); });
    const bool redone = contentOf(list1, list2) == after;
    std::printf("Compare Lists, two lists of %zu channels, %s (%zu of %zu items removed): do %.1f ms, undo %.1f ms "
                "(restored %s), redo %.1f ms (%s)\n",
                kChannels, what, itemsBefore - itemsAfter, itemsBefore, execute, undo,
                undone ? "exactly" : "WRONGLY", redo, redone ? "same as done" : "WRONG");
}

void renames() {
    constexpr int kChannels = 100000;
    ChannelList list1{1};
    ChannelList list2{2};
    std::vector<std::pair<std::string, std::uint16_t>> channels;
    for (int i = 0; i < kChannels; ++i) channels.emplace_back("Channel " + std::to_string(i), 0);
    fill(list1.television(), channels);
    CommandHistory history{list1, list2};

    malloc_trim(0);
    const std::size_t heapBefore = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) {
        TreeItem* channel = list1.television().topLevelItem(i * 7)->child(i % kChannelsPerProvider);
        history.execute(makeRenameCommand(list1.television(), *channel, "Renamed channel " + std::to_string(i)));
    }
    const std::size_t heapAfter = mallinfo2().uordblks;
    std::printf("100 renames in a list of %d channels: history holds %zu steps, %.1f KB on the heap "
                "(%.1f KB by its own estimate)\n",
                kChannels, history.undoCount(), static_cast<double>(heapAfter - heapBefore) / 1024.0,
                static_cast<double>(history.memoryBytes()) / 1024.0);
}

}  // namespace

int main() {
    deleteProvider();
    compareLists("half of them shared", 0.5);
    compareLists("all of them shared", 1.0);
    renames();
    return 0;
}
