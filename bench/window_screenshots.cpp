// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the editor window into the states the README shows and saves a picture
// of each: window_screenshots OUTPUT_FOLDER LIST1 LIST2. Run it on a real X
// server (Xvfb with a window manager) so the pictures carry the title bar and
// the info window, which is a window of its own.
#include <cstdio>

#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QCursor>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include "SentMouse.h"
#include "ui/platform/Translations.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CProgressBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "model/ChannelList.h"
#include "ui/drag/DragController.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/list/ListColumn.h"
#include "commands/ListCommands.h"
#include "session/EditorSession.h"
#include "ui/commands/CommandTable.h"
#include "ui/platform/UserPrompts.h"

namespace {

using qvx::bench::sendMouse;

class ScriptedFiles final : public qvx::UserPrompts {
public:
    QString next;
    QString chooseFileToLoad(QWidget*, const QString&) override { return next; }
    SaveChoice chooseFileToSave(QWidget*, const QString&) override { return {}; }
    bool askYesNo(QWidget*, const QString&, qvx::DefaultAnswer) override { return true; }
    void tell(QWidget*, const QString& message) override {
        std::fprintf(stderr, "message: %s\n", message.toLocal8Bit().constData());
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    // Set: runs each dialog for real and calls this while it is open.
    std::function<void(QDialog&)> whileOpen;
    void runDialog(QDialog& dialog) override {
        if (!whileOpen) return;
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            whileOpen(dialog);
            dialog.reject();
        });
        dialog.exec();
    }
};

void settle(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void saveRegion(const QWidget& window, QRect frame, const QString& path) {
    const QPixmap picture =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    std::printf("%s: %s\n", qPrintable(path), picture.save(path) ? "saved" : "NOT saved");
}

void save(const QWidget& window, const QString& path) {
    saveRegion(window, window.frameGeometry().adjusted(-1, -1, 1, 1), path);
}

void openFirstProviderAndSelect(qvx::CTreeSat* tree, int channelRow) {
    qvx::ChannelTreeModel* model = tree->channelModel();
    if (model->rowCount() == 0) return;
    const QModelIndex provider = model->index(0, 0);
    tree->expand(provider);
    if (model->rowCount(provider) > channelRow)
        tree->selectItem(model->itemAt(model->index(channelRow, 0, provider)));
}

// The menu is modal: the picture is taken from inside it, of the window and the menu together.
void showContextMenu(qvx::CEditorDialog& dialog, qvx::CTreeSat& tree, const qvx::TreeItem& item,
                     const QString& path) {
    const QRect label = tree.iconAndLabelRect(tree.channelModel()->indexOf(&item));
    QTimer::singleShot(0, &dialog, [&dialog, path] {
        settle(400);
        if (QWidget* menu = QApplication::activePopupWidget()) {
            saveRegion(dialog, dialog.frameGeometry().united(menu->geometry()).adjusted(-1, -1, 1, 1), path);
            menu->close();
        }
    });
    const QPointF point(label.left() + 24, label.center().y());
    QMouseEvent press(QEvent::MouseButtonPress, point, tree.viewport()->mapToGlobal(point), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &press);
}

// The colours a dark desktop theme gives Qt programs.
QPalette darkDesktop() {
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor text(235, 235, 235);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Mid, QColor(45, 45, 45));
    dark.setColor(QPalette::Dark, QColor(25, 25, 25));
    dark.setColor(QPalette::Shadow, Qt::black);
    return dark;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: window_screenshots OUTPUT_FOLDER LIST1 LIST2\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    auto prompts = std::make_unique<ScriptedFiles>();
    ScriptedFiles& files = *prompts;
    qvx::CEditorDialog dialog(std::move(prompts));
    dialog.move(40, 30);
    dialog.show();
    settle(800);
    save(dialog, folder + QStringLiteral("/window-empty.png"));

    files.next = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    dialog.commands().trigger(qvx::Command::Load1, {});
    files.next = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
    dialog.commands().trigger(qvx::Command::Load2, {});
    dialog.column(2).tabs()->setCurrentIndex(1);
    openFirstProviderAndSelect(dialog.column(2).tree(qvx::TreeKind::Radio), 0);
    qvx::CTreeSat* tree = dialog.column(1).tree(qvx::TreeKind::Television);
    openFirstProviderAndSelect(tree, 1);
    tree->setFocus();
    settle(300);
    save(dialog, folder + QStringLiteral("/window-two-lists.png"));

    dialog.commands().trigger(qvx::Command::Edit, qvx::Operand(tree, tree->selectedItem()));
    settle(300);
    save(dialog, folder + QStringLiteral("/window-edit-mode.png"));

    qvx::CValidatingEdit* frequency = dialog.panel().frequencyField();
    frequency->setFocus();
    frequency->setText(QStringLiteral("950000000"));
    dialog.panel().symbolRateField()->setFocus();
    settle(300);
    save(dialog, folder + QStringLiteral("/window-refused-value.png"));

    dialog.commands().trigger(qvx::Command::Cancel, {});

    // A channel of list 1 on its way onto a provider of list 2's Radio tree.
    qvx::CTreeSat* radio = dialog.column(2).tree(qvx::TreeKind::Radio);
    qvx::ChannelTreeModel* model = tree->channelModel();
    const QModelIndex draggedRow = model->index(2, 0, model->index(0, 0));
    if (draggedRow.isValid() && radio->channelModel()->rowCount() > 1) {
        qvx::TreeItem* selected = tree->selectedItem();
        const QPoint from = tree->iconAndLabelRect(draggedRow).center();
        sendMouse(tree->viewport(), QEvent::MouseButtonPress, from);
        sendMouse(tree->viewport(), QEvent::MouseMove, from + QPoint(10, 0));
        const QRect target = radio->visualRect(radio->channelModel()->index(1, 0));
        const QPoint over(target.left() + 30, target.center().y());
        sendMouse(radio->viewport(), QEvent::MouseMove, over + QPoint(-8, -3));
        sendMouse(radio->viewport(), QEvent::MouseMove, over);
        // The drag timer follows the real pointer: it goes there too.
        QCursor::setPos(radio->viewport()->mapToGlobal(over));
        settle(300);
        save(dialog, folder + QStringLiteral("/drag.png"));
        dialog.drag().CancelDrag();
        sendMouse(radio->viewport(), QEvent::MouseButtonRelease, over);
        tree->selectItem(selected);  // the press selected the dragged channel
    }

    // The bar that Compare Lists shows in list 1's pane, part of the way.
    {
        qvx::CProgressBar bar(dialog, QStringLiteral("Comparing"), 100, 1000, true,
                              qvx::EditorStatusBar::kList1Pane);
        bar.SetPos(420);
        settle(300);
        save(dialog, folder + QStringLiteral("/compare-progress.png"));
    }

    // The context menu of a channel.
    qvx::TreeItem* channel = tree->selectedItem();
    if (!channel) return 1;
    showContextMenu(dialog, *tree, *channel, folder + QStringLiteral("/context-menu.png"));

    // The rotor dialog for that channel, with a little of the window around it.
    files.whileOpen = [&folder](QDialog& setting) {
        settle(300);
        saveRegion(setting, setting.frameGeometry().adjusted(-40, -30, 40, 30),
                   folder + QStringLiteral("/bulk-dialog.png"));
    };
    // The sample's channels are on Astra 19.2E: show that position.
    qvx::ChannelRecord onAstra = channel->record();
    onAstra.rotorPosition = 2;
    dialog.session().run(makeEditRecordCommand(tree->channelModel()->tree(), *channel, onAstra, true));
    dialog.commands().trigger(qvx::Command::SetRotorPosition, qvx::Operand(tree, channel));
    files.whileOpen = nullptr;

    // Under a dark desktop palette: the trees stay black on white, the fields keep their
    // colours, everything else turns dark.
    const QPalette desktopPalette = QApplication::palette();
    QApplication::setPalette(darkDesktop());
    tree->selectItem(channel);
    tree->setFocus();
    settle(400);
    save(dialog, folder + QStringLiteral("/window-dark.png"));
    QApplication::setPalette(desktopPalette);

    // One step more (a provider deleted), and the menu offers to take it back.
    qvx::ChannelTree& television = tree->channelModel()->tree();
    if (television.topLevelCount() < 2) return 1;
    dialog.commands().trigger(qvx::Command::Delete, qvx::Operand(tree, television.topLevelItem(1)));
    settle(300);
    showContextMenu(dialog, *tree, *channel, folder + QStringLiteral("/undo-menu.png"));

    // The filter over list 1's trees, with every shown channel selected.
    dialog.commands().trigger(qvx::Command::Filter, qvx::Operand(tree, tree->selectedItem()));
    settle(200);
    const auto press = [](QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(widget, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(widget, &up);
    };
    QWidget* filterField = QApplication::focusWidget();
    if (!filterField) return 1;
    press(filterField, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"));
    press(filterField, Qt::Key_W, Qt::NoModifier, QStringLiteral("w"));
    tree->setFocus();
    press(tree, Qt::Key_A, Qt::ControlModifier, {});
    settle(300);
    save(dialog, folder + QStringLiteral("/window-filter.png"));
    dialog.hide();

    // The same lists in a German window, with the tree menu of a channel open.
    qvx::installTranslations(QLocale(QLocale::German, QLocale::Germany));
    auto germanPrompts = std::make_unique<ScriptedFiles>();
    ScriptedFiles& germanFiles = *germanPrompts;
    qvx::CEditorDialog german(std::move(germanPrompts));
    german.move(40, 30);
    german.show();
    germanFiles.next = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    german.commands().trigger(qvx::Command::Load1, {});
    germanFiles.next = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
    german.commands().trigger(qvx::Command::Load2, {});
    qvx::CTreeSat* germanTree = german.column(1).tree(qvx::TreeKind::Television);
    openFirstProviderAndSelect(germanTree, 1);
    germanTree->setFocus();
    settle(400);
    qvx::TreeItem* germanChannel = germanTree->selectedItem();
    if (!germanChannel) return 1;
    showContextMenu(german, *germanTree, *germanChannel, folder + QStringLiteral("/window-german.png"));
    return 0;
}
