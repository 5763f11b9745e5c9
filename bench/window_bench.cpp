// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the editor window offscreen with large lists and prints how long the
// user waits: loading and showing, moving the selection, deleting a big provider,
// the memory two such lists take, a quick-search keystroke, dragging a big
// provider into the other list and comparing the lists. Build it in Release
// to get figures that mean something.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "SentMouse.h"
#include "formats/ListFiles.h"
#include "model/ChannelList.h"
#include "ui/commands/CommandTable.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CQuickSearchEdit.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/list/ListColumn.h"
#include "ui/list/ListFilter.h"

namespace {

using qvx::bench::sendMouse;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answers every file question with the next path.
class BenchPrompts final : public qvx::UserPrompts {
public:
    QString next;
    QString chooseFileToLoad(QWidget*, const QString&) override { return next; }
    SaveChoice chooseFileToSave(QWidget*, const QString&) override { return {next, std::nullopt}; }
    bool askYesNo(QWidget*, const QString&, qvx::DefaultAnswer) override { return true; }
    void tell(QWidget*, const QString& message) override {
        std::fprintf(stderr, "message: %s\n", message.toLocal8Bit().constData());
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void runDialog(QDialog&) override {}
};

// One provider with `bigProvider` channels, then providers of 100 channels up to `channels` in all.
// Channels are numbered from `firstNumber` on (name and Service ID).
std::string writeLargeList(const QString& path, int channels, int bigProvider, int firstNumber = 0,
                           bool radioToo = false) {
    qvx::ChannelList list;
    if (radioToo) {
        qvx::ChannelTree& radio = list.radio();
        qvx::TreeItem* station = nullptr;
        for (int i = 0; i < channels; ++i) {
            if (i % 100 == 0) {
                qvx::ChannelRecord record = qvx::ChannelRecord::newProvider(2);
                record.setName("Radio provider " + std::to_string(i));
                station = radio.appendItem(nullptr, qvx::TreeItem::makeProvider(record));
            }
            qvx::ChannelRecord record = qvx::ChannelRecord::newChannel(2);
            record.setName("Station " + std::to_string(i));
            radio.appendItem(station, qvx::TreeItem::makeChannel(record));
        }
    }
    qvx::ChannelTree& television = list.television();
    auto provider = [&](int number) {
        qvx::ChannelRecord record = qvx::ChannelRecord::newProvider(1);
        record.setName("Provider " + std::to_string(number));
        return television.appendItem(nullptr, qvx::TreeItem::makeProvider(record));
    };
    qvx::TreeItem* current = provider(0);
    for (int i = 0; i < channels; ++i) {
        if (i >= bigProvider && (i - bigProvider) % 100 == 0) current = provider(i);
        qvx::ChannelRecord record = qvx::ChannelRecord::newChannel(1);
        record.setName("Channel " + std::to_string(firstNumber + i));
        record.serviceId = static_cast<std::uint16_t>(firstNumber + i);
        record.scrambled = static_cast<std::uint16_t>(i % 3 == 0);
        television.appendItem(current, qvx::TreeItem::makeChannel(record));
    }
    const std::string file = QFile::encodeName(path).toStdString();
    const qvx::FileResult result = qvx::writeList(file, qvx::ListFormat::Native, list);
    if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
    return file;
}

std::string statusLine(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return line;
    return std::string(key) + " ?";
}

void paintNow(qvx::CTreeSat* tree) {
    tree->viewport()->repaint();
    QCoreApplication::processEvents();
}

// Drags the first top-level item of `from` onto the first row of `to`, with the mouse.
void dragFirstProvider(qvx::CTreeSat* from, qvx::CTreeSat* to) {
    const QModelIndex provider = from->channelModel()->index(0, 0);
    const QPoint start = from->iconAndLabelRect(provider).center();
    const QPoint target = to->visualRect(to->channelModel()->index(0, 0)).center();
    sendMouse(from->viewport(), QEvent::MouseButtonPress, start);
    sendMouse(from->viewport(), QEvent::MouseMove, start + QPoint(QApplication::startDragDistance() + 1, 0));
    sendMouse(to->viewport(), QEvent::MouseMove, target);
    sendMouse(to->viewport(), QEvent::MouseButtonRelease, target);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    constexpr int kChannels = 100000;
    constexpr int kBigProvider = 50000;

    QTemporaryDir folder;
    const QString first = folder.filePath(QStringLiteral("first.qvx"));
    const QString second = folder.filePath(QStringLiteral("second.qvx"));
    writeLargeList(first, kChannels, kBigProvider);
    writeLargeList(second, kChannels, kBigProvider);
    std::printf("list files: %d channels each, %lld bytes\n", kChannels,
                static_cast<long long>(QFile(first).size()));
    std::printf("before the window: %s, %s\n", statusLine("VmRSS").c_str(), statusLine("VmHWM").c_str());

    auto prompts = std::make_unique<BenchPrompts>();
    BenchPrompts& answers = *prompts;
    qvx::CEditorDialog dialog(std::move(prompts));
    dialog.show();
    QCoreApplication::processEvents();
    qvx::CTreeSat* tree = dialog.column(1).tree(qvx::TreeKind::Television);

    answers.next = first;
    auto start = Clock::now();
    dialog.commands().trigger(qvx::Command::Load1, {});
    paintNow(tree);
    std::printf("load and show list 1 (%zu items): %.1f ms\n", dialog.list(1).television().itemCount(),
                millisecondsSince(start));

    // The big provider open, as a user scrolling through it would have it.
    qvx::TreeItem* big = dialog.list(1).television().topLevelItem(0);
    start = Clock::now();
    tree->expand(tree->channelModel()->indexOf(big));
    paintNow(tree);
    std::printf("open the provider of %d channels: %.1f ms\n", big->childCount(), millisecondsSince(start));

    constexpr int kMoves = 1000;
    tree->selectItem(big->child(0));
    start = Clock::now();
    for (int i = 1; i <= kMoves; ++i) tree->selectItem(big->child(i));
    const double selectOnly = millisecondsSince(start);
    start = Clock::now();
    for (int i = kMoves + 1; i <= 2 * kMoves; ++i) {
        tree->selectItem(big->child(i));
        QCoreApplication::processEvents();  // paints what changed: two rows and the panel
    }
    const double selectAndPaint = millisecondsSince(start);
    std::printf(
        "select the next channel (panel update): %.3f ms each; with painting what changed: %.3f ms each\n",
        selectOnly / kMoves, selectAndPaint / kMoves);

    tree->setFocus();
    tree->selectItem(big);
    QCoreApplication::processEvents();
    start = Clock::now();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(tree, &press);
    paintNow(tree);
    std::printf("delete the provider of %d channels (Delete key): %.1f ms, %zu items left\n", kBigProvider,
                millisecondsSince(start), dialog.list(1).television().itemCount());

    answers.next = second;
    start = Clock::now();
    dialog.commands().trigger(qvx::Command::Load2, {});
    paintNow(dialog.column(2).tree(qvx::TreeKind::Television));
    std::printf("load and show list 2: %.1f ms\n", millisecondsSince(start));
    answers.next = first;
    dialog.commands().trigger(qvx::Command::Load1, {});
    paintNow(tree);
    std::printf("two lists of %d channels loaded: %s, %s\n", kChannels, statusLine("VmRSS").c_str(),
                statusLine("VmHWM").c_str());

    // Quick search over four trees of kChannels channels: the Radio trees get
    // their channels straight through the core.
    for (int number = 1; number <= 2; ++number) {
        qvx::ChannelTree& radio = dialog.list(number).radio();
        qvx::TreeItem* provider = nullptr;
        for (int i = 0; i < kChannels; ++i) {
            if (i % 100 == 0) {
                qvx::ChannelRecord record = qvx::ChannelRecord::newProvider(2);
                record.setName("Radio provider " + std::to_string(i));
                provider = radio.appendItem(nullptr, qvx::TreeItem::makeProvider(record));
            }
            qvx::ChannelRecord record = qvx::ChannelRecord::newChannel(2);
            record.setName("Radio " + std::to_string(i));
            radio.appendItem(provider, qvx::TreeItem::makeChannel(record));
        }
    }
    QCoreApplication::processEvents();
    qvx::CQuickSearchEdit* search = dialog.quickSearch();
    search->setFocus();
    auto typeKey = [search](Qt::Key key, const QString& text) {
        QKeyEvent typed(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(search, &typed);
        QCoreApplication::processEvents();  // the selection changes paint
    };
    // Between "Channel 9999" (an early channel) and "Channel 99999" (the last
    // one) in each Television tree, so every keystroke moves two selections; the
    // Radio trees are searched to their end each time.
    constexpr int kKeystrokes = 40;
    search->setText(QStringLiteral("Channel 9999"));
    search->search();
    QCoreApplication::processEvents();
    start = Clock::now();
    for (int i = 0; i < kKeystrokes; ++i)
        typeKey(i % 2 ? Qt::Key_Backspace : Qt::Key_9, QString::fromLatin1(i % 2 ? "\b" : "9"));
    std::printf("quick search keystroke moving the selection in two trees of %d channels, two more searched "
                "through: %.2f ms each\n",
                kChannels, millisecondsSince(start) / kKeystrokes);
    search->setText(QStringLiteral("zz"));
    start = Clock::now();
    for (int i = 0; i < kKeystrokes; ++i)
        typeKey(i % 2 ? Qt::Key_Backspace : Qt::Key_X, QString::fromLatin1(i % 2 ? "\b" : "x"));
    std::printf("quick search keystroke matching nothing (four trees of %d searched through): %.2f ms each\n",
                kChannels, millisecondsSince(start) / kKeystrokes);
    // The search alone, without the key handling and painting around it.
    search->setText(QStringLiteral("Channel 99999"));
    search->search();
    start = Clock::now();
    for (int i = 0; i < kKeystrokes; ++i) search->search();
    std::printf("  of which the four searches (matches already selected): %.2f ms\n",
                millisecondsSince(start) / kKeystrokes);

    // Compare Lists: list 2 shares half of its channels with list 1.
    const QString other = folder.filePath(QStringLiteral("other.qvx"));
    writeLargeList(other, kChannels, kBigProvider, kChannels / 2);
    answers.next = other;
    dialog.commands().trigger(qvx::Command::Load2, {});
    paintNow(dialog.column(2).tree(qvx::TreeKind::Television));
    qvx::CTreeSat* secondTree = dialog.column(2).tree(qvx::TreeKind::Television);
    int barPaints = 0;
    struct PaintCounter final : QObject {
        int& count;
        explicit PaintCounter(int& counter) : count(counter) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            const bool bar = watched->objectName() == QLatin1String("progressBar");
            if (event->type() == QEvent::Paint && bar) ++count;
            return false;
        }
    } counter(barPaints);
    application.installEventFilter(&counter);
    start = Clock::now();
    dialog.commands().trigger(qvx::Command::CompareLists, {});
    paintNow(tree);
    paintNow(secondTree);
    const double comparing = millisecondsSince(start);
    application.removeEventFilter(&counter);
    std::printf("Compare Lists, %d against %d channels, half equal (progress bar painted %d times): %.1f ms,"
                " %zu and %zu items left\n",
                kChannels, kChannels, barPaints, comparing, dialog.list(1).television().itemCount(),
                dialog.list(2).television().itemCount());

    // The same with two equal lists: every channel and provider goes.
    answers.next = first;
    dialog.commands().trigger(qvx::Command::Load1, {});
    answers.next = second;
    dialog.commands().trigger(qvx::Command::Load2, {});
    paintNow(tree);
    paintNow(secondTree);
    start = Clock::now();
    dialog.commands().trigger(qvx::Command::CompareLists, {});
    paintNow(tree);
    paintNow(secondTree);
    std::printf("Compare Lists, two equal lists of %d channels: %.1f ms, %zu and %zu items left\n", kChannels,
                millisecondsSince(start), dialog.list(1).television().itemCount(),
                dialog.list(2).television().itemCount());

    // Arrange like the other list: list 2's first provider holds the second half of list 1's
    // channels, which move there from 500 providers; the first half follows them.
    answers.next = first;
    dialog.commands().trigger(qvx::Command::Load1, {});
    answers.next = other;
    dialog.commands().trigger(qvx::Command::Load2, {});
    tree->expand(tree->channelModel()->indexOf(dialog.list(1).television().topLevelItem(0)));
    tree->selectItem(dialog.list(1).television().topLevelItem(0)->child(0));
    paintNow(tree);
    start = Clock::now();
    dialog.commands().trigger(qvx::Command::ArrangeLikeOtherList, qvx::Operand(tree, nullptr));
    paintNow(tree);
    const double arranging = millisecondsSince(start);
    const int firstProviderAfter = dialog.list(1).television().topLevelItem(0)->childCount();
    start = Clock::now();
    dialog.commands().trigger(qvx::Command::Undo, {});
    paintNow(tree);
    std::printf("Arrange like the other list, %d against %d channels, half of them paired: %.1f ms (first "
                "provider %d channels after it); its undo %.1f ms\n",
                kChannels, kChannels, arranging, firstProviderAfter, millisecondsSince(start));

    // Drag and drop: a provider of 10,000 channels from list 1 onto list 2's first provider.
    constexpr int kDragged = 10000;
    const QString dragged = folder.filePath(QStringLiteral("dragged.qvx"));
    writeLargeList(dragged, kDragged, kDragged);
    answers.next = dragged;
    dialog.commands().trigger(qvx::Command::Load1, {});
    answers.next = second;
    dialog.commands().trigger(qvx::Command::Load2, {});
    // Both at the top: the rows dragged from and onto are in view.
    tree->scrollToTop();
    secondTree->scrollToTop();
    paintNow(tree);
    paintNow(secondTree);
    start = Clock::now();
    dragFirstProvider(tree, secondTree);
    paintNow(secondTree);
    std::printf("drag a provider of %d channels from list 1 into list 2 (press to painted drop): %.1f ms,"
                " list 2 now %zu items\n",
                kDragged, millisecondsSince(start), dialog.list(2).television().itemCount());

    // Several selected items: Ctrl+A and Delete on a tree of kChannels channels, then its undo.
    answers.next = first;
    dialog.commands().trigger(qvx::Command::Load1, {});
    tree->setFocus();
    paintNow(tree);
    const std::size_t items = dialog.list(1).television().itemCount();
    const auto key = [](QWidget* target, Qt::Key pressed, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, pressed, modifiers);
        QCoreApplication::sendEvent(target, &event);
    };
    start = Clock::now();
    key(tree, Qt::Key_A, Qt::ControlModifier);
    paintNow(tree);
    const double selectAll = millisecondsSince(start);
    start = Clock::now();
    key(tree, Qt::Key_Delete, Qt::NoModifier);
    paintNow(tree);
    const double deleteAll = millisecondsSince(start);
    const std::size_t left = dialog.list(1).television().itemCount();
    start = Clock::now();
    key(tree, Qt::Key_Z, Qt::ControlModifier);
    paintNow(tree);
    std::printf("Ctrl+A on %zu items: %.1f ms; then Delete: %.1f ms (%zu left); its undo: %.1f ms (%zu back)\n",
                items, selectAll, deleteAll, left, millisecondsSince(start),
                dialog.list(1).television().itemCount());

    // The filter: each keystroke filters both trees of list 1, kChannels channels each.
    const QString both = folder.filePath(QStringLiteral("both.qvx"));
    writeLargeList(both, kChannels, kBigProvider, 0, true);
    answers.next = both;
    dialog.commands().trigger(qvx::Command::Load1, {});
    tree->setFocus();
    key(tree, Qt::Key_F, Qt::ControlModifier);
    QLineEdit* field = dialog.column(1).filter()->field();
    for (const QString& typed : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}) {
        start = Clock::now();
        field->insert(typed);
        paintNow(tree);
        std::printf("filter keystroke \"%s\" over two trees of %d channels: %.1f ms (%s)\n",
                    field->text().toUtf8().constData(), kChannels, millisecondsSince(start),
                    dialog.column(1).filter()->countText().toUtf8().constData());
    }
    start = Clock::now();
    key(field, Qt::Key_Escape, Qt::NoModifier);
    paintNow(tree);
    std::printf("filter cleared (Escape): %.1f ms\n", millisecondsSince(start));
    return 0;
}
