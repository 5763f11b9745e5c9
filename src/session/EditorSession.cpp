// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/EditorSession.h"

#include "commands/ListCommands.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

// Tells whether the comparison compared anything: it reports progress for
// each pair of trees it compares, and none when it compares nothing.
class ComparedProgress final : public CompareProgress {
public:
    explicit ComparedProgress(CompareProgress* shown) : shown_(shown) {}

    void begin(std::size_t maximum) override {
        compared_ = true;
        if (shown_) shown_->begin(maximum);
    }
    void step() override {
        if (shown_) shown_->step();
    }
    void end() override {
        if (shown_) shown_->end();
    }
    bool compared() const { return compared_; }

private:
    CompareProgress* shown_;
    bool compared_ = false;
};

// Sets a flag for the lifetime of the guard.
class Raised final {
public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
};

}  // namespace

EditorSession::EditorSession(FileCalls& calls)
    : lists_{std::make_unique<ChannelList>(), std::make_unique<ChannelList>()},
      documents_{std::make_unique<ListDocument>(*lists_[0], calls), std::make_unique<ListDocument>(*lists_[1], calls)},
      history_(*lists_[0], *lists_[1]) {}

// The history holds items of the lists: it goes first.
EditorSession::~EditorSession() = default;

void EditorSession::changed() const {
    if (listener_) listener_();
}

void EditorSession::takeLoaded(int number, const FileResult& result) {
    if (result.outcome == FileOutcome::UnknownFormat || documentOf(number).lastLoadKeptTheList()) return;
    history_.clear();
    history_.markSaved(list(number));
}

FileResult EditorSession::load(int number, const std::string& path) {
    FileResult result;
    {
        const Raised loading(loading_);
        result = documentOf(number).load(path);
    }
    takeLoaded(number, result);
    if (result.ok()) saveOpen_[index(number)] = closeOpen_[index(number)] = true;
    changed();
    return result;
}

void EditorSession::setSatipUrl(std::string url) {
    satipUrl_ = std::move(url);
    FormatOptions options;
    options.satipUrl = satipUrl_;
    for (const std::unique_ptr<ListDocument>& document : documents_) document->setFormatOptions(options);
}

FileResult EditorSession::saveAs(int number, const std::string& path, std::optional<ListFormat> named) {
    const FileResult result = documentOf(number).saveAs(path, named);
    if (result.ok()) history_.markSaved(list(number));
    saveOpen_[index(number)] = true;
    changed();
    return result;
}

FileResult EditorSession::save(int number) {
    const FileResult result = documentOf(number).save();
    if (result.ok()) history_.markSaved(list(number));
    changed();
    return result;
}

FileResult EditorSession::loadAtStartup(const std::string& path) {
    // Asked without waiting: a pipe, a device or a folder named there must
    // never hang the start.
    if (path.empty() || !isReadablePlainFile(path)) return {};
    FileResult result;
    {
        const Raised loading(loading_);
        result = documentOf(1).loadAtStartup(path);
    }
    takeLoaded(1, result);
    if (result.ok()) saveOpen_[0] = true;
    changed();
    return result;
}

void EditorSession::clearAll(int number) { run(makeClearAllCommand(list(number))); }

void EditorSession::close(int number) {
    ChannelList& closed = list(number);
    documentOf(number).forgetFile();
    closed.setCarried(nullptr);
    closed.clearAll();
    saveOpen_[index(number)] = closeOpen_[index(number)] = false;
    // An empty list without a file has nothing unsaved.
    history_.clear();
    history_.markSaved(closed);
    changed();
}

bool EditorSession::compare(CompareOptions options, CompareProgress* progress) {
    ComparedProgress watched(progress);
    run(makeCompareListsCommand(list(1), list(2), options, &watched));
    if (!watched.compared()) return false;
    // The lists no longer hold what their files hold: only Save as writes them now.
    for (int number : {1, 2}) {
        documentOf(number).setHasFile(false);
        saveOpen_[index(number)] = false;
    }
    changed();
    return true;
}

const ChannelTree* EditorSession::otherListTree(const ChannelTree& tree) const {
    for (int number : {1, 2}) {
        if (&list(number).tree(tree.kind()) == &tree) return &list(number == 1 ? 2 : 1).tree(tree.kind());
    }
    return nullptr;
}

bool EditorSession::canArrange(const ChannelTree& tree) const {
    const ChannelTree* other = otherListTree(tree);
    return !editing_ && other && !tree.empty() && !other->empty();
}

ItemToSelect EditorSession::run(std::unique_ptr<ListCommand> command) {
    const ItemToSelect selection = history_.execute(std::move(command));
    changed();
    return selection;
}

ItemToSelect EditorSession::undo() {
    if (!canUndo()) return {};
    const ItemToSelect selection = history_.undo();
    changed();
    return selection;
}

ItemToSelect EditorSession::redo() {
    if (!canRedo()) return {};
    const ItemToSelect selection = history_.redo();
    changed();
    return selection;
}

void EditorSession::copy(const TreeItem& item) {
    clipboard_.copy(item);
    changed();
}

void EditorSession::copy(std::span<TreeItem* const> items) {
    if (items.size() == 1)
        clipboard_.copy(*items.front());
    else
        clipboard_.copy(items);
    changed();
}

void EditorSession::clearClipboard() {
    clipboard_.clear();
    changed();
}

void EditorSession::beginEdit() {
    editing_ = true;
    changed();
}

void EditorSession::endEdit() {
    editing_ = false;
    for (int number : {1, 2}) saveOpen_[index(number)] = closeOpen_[index(number)] = document(number).hasFile();
    changed();
}

ListPane EditorSession::pane(int number) const {
    const ListDocument& shown = document(number);
    return {shown.shownFile(), shown.shownName(), isChanged(number)};
}

}  // namespace qvx
