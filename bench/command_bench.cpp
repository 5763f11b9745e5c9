// SPDX-License-Identifier: GPL-3.0-or-later
// Times undo and redo of the steps that move most items, and measures what the
// history holds. Prints figures; it never fails on time. Run it from a
// Release build. Times are wall-clock, the best of several runs.

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchLists.h"
#include "commands/CommandHistory.h"
#include "commands/ListCommands.h"
#include "model/ChannelList.h"

namespace {

using namespace qvx;

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

ChannelRecord channelRecord(std::uint8_t kind, const std::string& name) {
    ChannelRecord record = ChannelRecord::newChannel(kind);
    record.setName(name);
    return record;
}

void deleteProvider() {
    constexpr int kChannels = 50000;
    ChannelList list1;
    ChannelList list2;
    ChannelTree& tree = list1.television();
    TreeItem* provider = tree.appendItem(nullptr, TreeItem::makeProvider(ChannelRecord::newProvider(1)));
    for (int i = 0; i < kChannels; ++i)
        tree.appendItem(provider, TreeItem::makeChannel(channelRecord(1, "Channel " + std::to_string(i))));
    tree.appendItem(nullptr, TreeItem::makeProvider(ChannelRecord::newProvider(1)));
    CommandHistory history{list1, list2};
    const std::string before = contentOf(list1, list2);

    double execute = 0, undo = 1e9, redo = 1e9;
    execute = milliseconds([&] { history.execute(makeDeleteCommand(tree, *provider)); });
    bool eachRunRight = true;
    for (int run = 0; run < 5; ++run) {
        undo = std::min(undo, milliseconds([&] { history.undo(); }));
        eachRunRight = eachRunRight && tree.itemCount() == kChannels + 2;
        redo = std::min(redo, milliseconds([&] { history.redo(); }));
        eachRunRight = eachRunRight && tree.itemCount() == 1;
    }
    history.undo();
    std::printf("Delete a provider with %d channels: do %.2f us, undo %.2f us, redo %.2f us; restored %s\n",
                kChannels, execute * 1000, undo * 1000, redo * 1000,
                eachRunRight && contentOf(list1, list2) == before ? "exactly" : "WRONGLY");
}

void compareLists(const char* what, bool allShared) {
    constexpr std::size_t kChannels = 100000;
    const bench::ListPair pair = bench::makePair(kChannels, 7);
    const std::vector<bench::Channel>& first = pair.first;
    const std::vector<bench::Channel>& second = allShared ? pair.first : pair.second;

    ChannelList list1;
    ChannelList list2;
    bench::fill(list1.television(), first);
    bench::fill(list2.television(), second);
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

// List 1 in the order of list 2: half of its channels are in list 2, shuffled across
// providers named alike in both lists, so most of them change their provider.
void arrangeLikeOtherList() {
    constexpr std::size_t kChannels = 100000;
    const bench::ListPair pair = bench::makePair(kChannels, 11);
    ChannelList list1;
    ChannelList list2;
    bench::fill(list1.television(), pair.first);
    bench::fill(list2.television(), pair.second);
    CommandHistory history{list1, list2};
    const std::string before = contentOf(list1, list2);

    ArrangedCounts counts;
    const double execute = milliseconds([&] {
        history.execute(makeArrangeCommand(list1.television(), list2.television(), {}, &counts));
    });
    const std::string after = contentOf(list1, list2);
    double undo = 1e9, redo = 1e9;
    bool eachRunRight = true;
    for (int run = 0; run < 5; ++run) {
        undo = std::min(undo, milliseconds([&] { history.undo(); }));
        eachRunRight = eachRunRight && contentOf(list1, list2) == before;
        redo = std::min(redo, milliseconds([&] { history.redo(); }));
        eachRunRight = eachRunRight && contentOf(list1, list2) == after;
    }
    std::printf("Arrange like the other list, two lists of %zu channels (%zu of them placed): do %.1f ms, "
                "undo %.1f ms, redo %.1f ms; %s\n",
                kChannels, counts.channelsPlaced, execute, undo, redo,
                eachRunRight && after != before ? "restored exactly" : "WRONG");
}

void renames() {
    constexpr int kChannels = 100000;
    ChannelList list1;
    ChannelList list2;
    std::vector<bench::Channel> channels;
    for (int i = 0; i < kChannels; ++i) channels.push_back({"Channel " + std::to_string(i), 0});
    bench::fill(list1.television(), channels);
    CommandHistory history{list1, list2};

    malloc_trim(0);
    const std::size_t heapBefore = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) {
        TreeItem* channel = list1.television().topLevelItem(i * 7)->child(i % bench::kChannelsPerProvider);
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
    compareLists("half of them shared", false);
    compareLists("all of them shared", true);
    arrangeLikeOtherList();
    renames();
    return 0;
}
