// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "commands/CommandHistory.h"
#include "compare/CompareOptions.h"
#include "documents/ListDocument.h"
#include "editing/EditorClipboard.h"
#include "files/FileCalls.h"
#include "files/FileResult.h"
#include "model/ChannelList.h"

namespace qvx {

class ListCommand;
class TreeItem;

// What a list's status pane tells: which file (none yet, the chosen one, none
// after Close) and whether the list changed since it was loaded or saved.
// The window words it.
struct ListPane {
    ShownFile file = ShownFile::NoneYet;
    std::string fileName;  // the chosen file's name, without its folder
    bool changed = false;

    bool operator==(const ListPane&) const = default;
};

// The editing session of the window: both lists, each with its document, the
// one history of their changes and the one clipboard. Every change of a list
// and every file command goes through it, and everything the window shows as
// state is read from it: which commands are open, the panes, the step names.
// What the window stores as state (Save and Close of each list, set by the
// file commands, the comparison and the end of an edit) is kept here; the
// rest is derived. After every change it tells its one listener.
//
// Lists are numbered 1 (left) and 2 (right).
class EditorSession final {
public:
    explicit EditorSession(FileCalls& calls = systemFileCalls());
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;
    ~EditorSession();

    ChannelList& list(int number) { return *lists_[index(number)]; }
    const ChannelList& list(int number) const { return *lists_[index(number)]; }
    const ListDocument& document(int number) const { return *documents_[index(number)]; }
    const CommandHistory& history() const { return history_; }
    const EditorClipboard& clipboard() const { return clipboard_; }

    // Told after every change of the lists, their files, the history, the
    // clipboard or the edit mode.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // --- The file commands of each list ---
    // Load of a chosen file: its name shows at once; a known format is read
    // and, when the read went well, Save and Close open. No step can be undone
    // past a load (of a known format).
    FileResult load(int number, const std::string& path);
    // Save as: the file becomes the list's, is written (in the named format
    // where one is named), and Save opens (also when the write failed).
    FileResult saveAs(int number, const std::string& path, std::optional<ListFormat> named = std::nullopt);
    FileResult save(int number);
    // The SAT>IP server of channels written to a playlist that names none,
    // as the user gave it; kept for this run only.
    void setSatipUrl(std::string url);
    const std::string& satipUrl() const { return satipUrl_; }
    // The start-up file, into list 1: nothing happens, silently, unless it is
    // a readable file; only a native layout is read (and shown), and only
    // Save opens, Close waits for the end of the next edit.
    FileResult loadAtStartup(const std::string& path);
    // Clear all, one step of the history.
    void clearAll(int number);
    // Close: the file is forgotten, the list emptied, Save and Close shut, and
    // no step can be undone past it.
    void close(int number);
    // Compare Lists, one step; false when no pair of trees was compared.
    // Otherwise both lists lose their file and their Save (undo leaves that).
    bool compare(CompareOptions options, CompareProgress* progress = nullptr);
    // True while a reader fills a list.
    bool isLoading() const { return loading_; }

    // --- Editing ---
    // The tree of the same kind in the other list, the one "Arrange like the other list"
    // follows; null for a tree that belongs to neither list.
    const ChannelTree* otherListTree(const ChannelTree& tree) const;
    // Whether `tree` can be arranged like the other list: both it and that tree hold items.
    bool canArrange(const ChannelTree& tree) const;
    // Runs the command as one step (none when it changed nothing: a rename to
    // the same text, an OK that stores what was there). Returns the item to select.
    ItemToSelect run(std::unique_ptr<ListCommand> command);
    ItemToSelect undo();
    ItemToSelect redo();
    // Copy: the item's image (with its channels) onto the clipboard.
    void copy(const TreeItem& item);
    // Copy of several items (an operand, operandItems), together.
    void copy(std::span<TreeItem* const> items);
    EditorClipboard& clipboardForCommands() { return clipboard_; }
    void clearClipboard();

    // Edit mode of the settings panel: the lists cannot change meanwhile.
    // Its end opens Save and Close of each list that has a file, and shuts
    // those of a list without one.
    void beginEdit();
    void endEdit();
    bool isEditing() const { return editing_; }

    // --- What the window shows ---
    bool canUseFiles() const { return !editing_; }  // Load, Save as, Clear all, Compare Lists, Quit
    bool canSave(int number) const { return !editing_ && saveOpen_[index(number)]; }
    bool canClose(int number) const { return !editing_ && closeOpen_[index(number)]; }
    bool canPaste() const { return !clipboard_.empty(); }
    bool canUndo() const { return !editing_ && !loading_ && history_.canUndo(); }
    bool canRedo() const { return !editing_ && !loading_ && history_.canRedo(); }
    const StepName* undoStep() const { return canUndo() ? history_.undoStep() : nullptr; }
    const StepName* redoStep() const { return canRedo() ? history_.redoStep() : nullptr; }
    bool isChanged(int number) const { return history_.isChanged(list(number)); }
    ListPane pane(int number) const;

private:
    static std::size_t index(int number) { return number == 2 ? 1 : 0; }
    ListDocument& documentOf(int number) { return *documents_[index(number)]; }
    // After a read of a known format: the history starts anew from what the file holds.
    void takeLoaded(int number, const FileResult& result);
    void changed() const;

    std::array<std::unique_ptr<ChannelList>, 2> lists_;
    std::array<std::unique_ptr<ListDocument>, 2> documents_;
    CommandHistory history_;
    EditorClipboard clipboard_;
    std::function<void()> listener_;
    std::array<bool, 2> saveOpen_{};
    std::array<bool, 2> closeOpen_{};
    bool editing_ = false;
    bool loading_ = false;
    std::string satipUrl_;
};

}  // namespace qvx
