#include "compare/CompareTrees.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "compare/ChannelIndex.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

bool isEmptyProvider(const TreeItem& item) { return !item.hasChildren() && item.record().isChannel == 0; }

// The compared channels of a tree by their number (see forEachComparedChannel),
// each with a mark that says it is to go.
class ChannelMarks {
public:
    explicit ChannelMarks(const ChannelTree& tree) {
        // The same order as forEachComparedChannel, with the first number under each top-level item.
        firstUnderTop_.reserve(static_cast<std::size_t>(tree.topLevelCount()));
        for (const auto& top : tree.topLevelItems()) {
            firstUnderTop_.push_back(channels_.size());
            for (const auto& channel : top->children()) channels_.push_back(channel.get());
        }
        marks_.assign(channels_.size(), 0);
    }

    std::size_t size() const { return channels_.size(); }
    const TreeItem& channel(std::size_t number) const { return *channels_[number]; }
    void mark(std::size_t number) {
        marks_[number] = 1;
        ++marked_;
    }
    bool any() const { return marked_ != 0; }

    // Whether `channel` is marked. Its number follows from its place, checked
    // against the channel recorded there; should the place have changed, the
    // channel is looked for.
    bool isMarked(const TreeItem& channel) const {
        if (const TreeItem* top = channel.parent()) {
            const auto topRow = static_cast<std::size_t>(top->row());
            if (topRow < firstUnderTop_.size()) {
                const std::size_t number = firstUnderTop_[topRow] + static_cast<std::size_t>(channel.row());
                if (number < channels_.size() && channels_[number] == &channel) return marks_[number] != 0;
            }
        }
        const auto found = std::find(channels_.begin(), channels_.end(), &channel);
        return found != channels_.end() && marks_[static_cast<std::size_t>(found - channels_.begin())] != 0;
    }

private:
    std::vector<const TreeItem*> channels_;
    std::vector<std::size_t> firstUnderTop_;
    std::vector<std::uint8_t> marks_;
    std::size_t marked_ = 0;
};

// Removes the marked channels, then the providers left without channels, as one change.
void removeMarked(ChannelTree& tree, const ChannelMarks& marks) {
    const auto& top = tree.topLevelItems();
    const bool emptyBefore =
        std::any_of(top.begin(), top.end(), [](const auto& item) { return isEmptyProvider(*item); });
    if (!marks.any() && !emptyBefore) return;
    ChannelTree::BulkChange bulk(tree);
    if (marks.any()) tree.removeChildrenWhere([&](const TreeItem& channel) { return marks.isMarked(channel); });
    RemoveEmptyProviders(tree);
}

}  // namespace

std::string_view comparisonName(const ChannelRecord& record) {
    std::string_view name = ChannelRecord::fieldText(record.name);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

std::optional<CompareOptions> compareOptionsNamed(std::string_view name, bool withTuning) {
    if (name == "name") return CompareOptions{true, false, false};
    if (name == "sid") return CompareOptions{false, true, false};
    if (name == "both") return CompareOptions{true, true, false};
    if (name == "tuning" && withTuning) return CompareOptions{false, true, true};
    return std::nullopt;
}

bool CompareTrees(ChannelTree& treeA, ChannelTree& treeB, CompareOptions options, CompareProgress* progress) {
    if (treeA.empty() || treeB.empty()) return false;
    if (progress) progress->begin(treeA.itemCount());

    ChannelIndex index(treeB, options);
    ChannelMarks marksA(treeA);
    ChannelMarks marksB(treeB);
    for (std::size_t number = 0; number < marksA.size(); ++number) {
        const std::uint32_t match = index.takeFirst(ChannelKey::of(marksA.channel(number).record(), options));
        if (match != ChannelIndex::kNone) {
            marksB.mark(match);
            marksA.mark(number);
        }
        if (progress) progress->step();
    }
    removeMarked(treeB, marksB);
    removeMarked(treeA, marksA);

    if (progress) progress->end();
    return true;
}

void RemoveEmptyProviders(ChannelTree& tree) {
    const auto& top = tree.topLevelItems();
    if (std::none_of(top.begin(), top.end(), [](const auto& item) { return isEmptyProvider(*item); })) return;
    tree.removeTopLevelWhere(isEmptyProvider);
}

bool CompareLists(ChannelList& list1, ChannelList& list2, CompareOptions options, CompareProgress* progress) {
    const bool television = CompareTrees(list1.television(), list2.television(), options, progress);
    const bool radio = CompareTrees(list1.radio(), list2.radio(), options, progress);
    if (!television && !radio) return false;
    list1.setHasFile(false);
    list2.setHasFile(false);
    return true;
}

}  // namespace qvx
