// SPDX-License-Identifier: GPL-3.0-or-later
// "Compare Lists" on loaded lists: what stays, the check boxes, the Save buttons and the status pane.
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CProgressBar.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

Entry provider(std::uint8_t kind, std::string name) { return {true, kind, std::move(name), 0}; }
Entry channel(std::uint8_t kind, std::string name, std::uint16_t serviceId) {
    return {false, kind, std::move(name), serviceId};
}

// Providers at the left edge; channels indented, with their Service IDs.
std::vector<std::string> outline(const ChannelTree& tree) {
    std::vector<std::string> lines;
    for (const auto& top : tree.topLevelItems()) {
        lines.push_back(std::string(top->record().nameText()));
        for (const auto& item : top->children())
            lines.push_back("  " + std::string(item->record().nameText()) + " #" +
                            std::to_string(item->record().serviceId));
    }
    return lines;
}

using Lines = std::vector<std::string>;

// What the user saw each time the bar was painted.
struct Sighting {
    QString paneText;
    QRect geometry;
    int maximum;
};

class BarWatcher final : public QObject {
public:
    explicit BarWatcher(const EditorStatusBar& statusBar) : statusBar_(statusBar) {
        qApp->installEventFilter(this);
    }
    ~BarWatcher() override { qApp->removeEventFilter(this); }
    std::vector<Sighting> sightings;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        if (auto* bar = qobject_cast<CProgressBar*>(watched))
            sightings.push_back(
                {statusBar_.paneText(EditorStatusBar::kList1Pane), bar->geometry(), bar->maximum()});
        return false;
    }

private:
    const EditorStatusBar& statusBar_;
};

class CompareLists : public EditorTest {
protected:
    void loadLists(const std::vector<Entry>& first, const std::vector<Entry>& second) {
        load(1, writeList(QStringLiteral("first.qvx"), first));
        load(2, writeList(QStringLiteral("second.qvx"), second));
    }

    QCheckBox* byName() const { return dialog_->panel().compareByName(); }
    QCheckBox* byServiceId() const { return dialog_->panel().compareByServiceId(); }
    void clickBox(QCheckBox* box) const { QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center()); }
    void compare() const {
        QPushButton* command = button("compareListsButton");
        ASSERT_TRUE(command->isVisible() && command->isEnabled());
        QTest::mouseClick(command, Qt::LeftButton);
    }
    ChannelTree& data(int list, bool television = true) const {
        return television ? dialog_->list(list).television() : dialog_->list(list).radio();
    }
};

TEST_F(CompareLists, BothWaysRemoveThePairsEqualInNameAndServiceId) {
    loadLists({provider(1, "P1"), channel(1, "Alpha", 1), channel(1, "Beta", 2), channel(1, "Gamma", 3),
               provider(1, "P2"), channel(1, "Delta", 4), provider(2, "R1"), channel(2, "Jazz", 10)},
              {provider(1, "Q1"), channel(1, "Beta", 2), channel(1, "Alpha", 9), channel(1, "Gamma  ", 3),
               provider(1, "Q2"), channel(1, "Delta", 4), provider(2, "S1"), channel(2, "Jazz", 10),
               channel(2, "Rock", 11)});
    compare();
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  Alpha #1"}));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  Alpha #9"}));
    EXPECT_EQ(outline(data(1, false)), Lines{});
    EXPECT_EQ(outline(data(2, false)), (Lines{"S1", "  Rock #11"}));
    // Nothing was asked or told.
    EXPECT_TRUE(prompts_->questions.isEmpty());
    EXPECT_TRUE(prompts_->messages.isEmpty());
}

TEST_F(CompareLists, ByServiceIdAloneIgnoresTheNames) {
    loadLists({provider(1, "P1"), channel(1, "One", 5), channel(1, "Two", 6)},
              {provider(1, "Q1"), channel(1, "Other", 6), channel(1, "One", 7)});
    clickBox(byName());
    ASSERT_FALSE(byName()->isChecked());
    compare();
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  One #5"}));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  One #7"}));
}

TEST_F(CompareLists, ByNameAloneStripsTrailingBlanksOnly) {
    loadLists({provider(1, "P1"), channel(1, "Alpha", 1), channel(1, "alpha", 2), channel(1, " Alpha", 3)},
              {provider(1, "Q1"), channel(1, "Alpha  ", 8), channel(1, "Beta", 2)});
    clickBox(byServiceId());
    ASSERT_FALSE(byServiceId()->isChecked());
    compare();
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  alpha #2", "   Alpha #3"}));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  Beta #2"}));
}

TEST_F(CompareLists, PairsOneToOneAndDropsEveryEmptyProvider) {
    loadLists({provider(1, "Empty before"), provider(1, "P1"), channel(1, "Same", 1), channel(1, "Same", 1),
               provider(1, "P2"), channel(1, "Kept", 2), channel(1, "Gone", 3)},
              {provider(1, "Q1"), channel(1, "Gone", 3), provider(1, "Q2"), channel(1, "Same", 1),
               provider(1, "Empty too")});
    compare();
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  Same #1", "P2", "  Kept #2"}));
    EXPECT_EQ(outline(data(2)), Lines{});
}

TEST_F(CompareLists, OneCheckBoxAlwaysStaysChecked) {
    EXPECT_TRUE(byName()->isChecked());
    EXPECT_TRUE(byServiceId()->isChecked());
    clickBox(byName());
    EXPECT_FALSE(byName()->isChecked());
    EXPECT_TRUE(byServiceId()->isChecked());
    // Clearing the last one brings the other back; the clicked box stays clear.
    clickBox(byServiceId());
    EXPECT_FALSE(byServiceId()->isChecked());
    EXPECT_TRUE(byName()->isChecked());
    clickBox(byName());
    EXPECT_FALSE(byName()->isChecked());
    EXPECT_TRUE(byServiceId()->isChecked());
    clickBox(byName());
    EXPECT_TRUE(byName()->isChecked());
    EXPECT_TRUE(byServiceId()->isChecked());
}

TEST_F(CompareLists, ComparedListsCanOnlyBeSavedAs) {
    loadLists({provider(1, "P1"), channel(1, "A", 1)}, {provider(1, "Q1"), channel(1, "B", 2)});
    ASSERT_TRUE(button("list1SaveButton")->isEnabled());
    ASSERT_TRUE(button("list2SaveButton")->isEnabled());
    const QString firstPane = pane(EditorStatusBar::kList1Pane);
    const QString secondPane = pane(EditorStatusBar::kList2Pane);
    compare();
    // Nothing matched, and still both lists count as changed.
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A #1"}));
    EXPECT_FALSE(button("list1SaveButton")->isEnabled());
    EXPECT_FALSE(button("list2SaveButton")->isEnabled());
    EXPECT_FALSE(dialog_->session().document(1).hasFile());
    EXPECT_FALSE(dialog_->session().document(2).hasFile());
    EXPECT_TRUE(button("list1SaveAsButton")->isEnabled());
    EXPECT_EQ(pane(EditorStatusBar::kList1Pane), firstPane);
    EXPECT_EQ(pane(EditorStatusBar::kList2Pane), secondPane);
}

TEST_F(CompareLists, AnEmptyTelevisionTreeLeavesOnlyTheRadioTreesToCompare) {
    loadLists({provider(1, "P1"), channel(1, "A", 1), provider(2, "R1"), channel(2, "Jazz", 10)},
              {provider(2, "S1"), channel(2, "Jazz", 10), channel(2, "Rock", 11)});
    compare();
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A #1"}));
    EXPECT_EQ(outline(data(1, false)), Lines{});
    EXPECT_EQ(outline(data(2, false)), (Lines{"S1", "  Rock #11"}));
    EXPECT_FALSE(button("list1SaveButton")->isEnabled());
    EXPECT_FALSE(button("list2SaveButton")->isEnabled());
}

TEST_F(CompareLists, WithAnEmptyListNothingHappensAtAll) {
    load(1, writeList(QStringLiteral("first.qvx"), {provider(1, "P1"), channel(1, "A", 1)}));
    BarWatcher watcher(dialog_->statusBar());
    compare();
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A #1"}));
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
    EXPECT_TRUE(dialog_->session().document(1).hasFile());
    EXPECT_TRUE(watcher.sightings.empty());
}

TEST_F(CompareLists, ProgressShowsInListOnesPaneAndGivesTheTextBack) {
    loadLists({provider(1, "P1"), channel(1, "A", 1), channel(1, "B", 2), channel(1, "C", 3),
               provider(2, "R1"), channel(2, "Jazz", 10)},
              {provider(1, "Q1"), channel(1, "B", 2), provider(2, "S1"), channel(2, "Jazz", 10)});
    const QString before = pane(EditorStatusBar::kList1Pane);
    ASSERT_EQ(before, "File1: first.qvx");
    const QRect paneRect = dialog_->statusBar().paneRect(EditorStatusBar::kList1Pane);
    BarWatcher watcher(dialog_->statusBar());
    compare();

    ASSERT_FALSE(watcher.sightings.empty());
    // One bar for each pair, its range the item count of list 1's tree, providers included.
    EXPECT_EQ(watcher.sightings.front().maximum, 4);
    EXPECT_EQ(watcher.sightings.back().maximum, 2);
    const QFontMetrics metrics(dialog_->statusBar().font());
    const int left = paneRect.left() + metrics.horizontalAdvance(QStringLiteral("Comparing")) +
                     4 * metrics.horizontalAdvance(QLatin1Char(' '));
    const int margin = paneRect.height() / 10;
    for (const Sighting& seen : watcher.sightings) {
        EXPECT_EQ(seen.paneText, "Comparing");
        EXPECT_EQ(seen.geometry.left(), left);
        EXPECT_EQ(seen.geometry.left() + seen.geometry.width(), paneRect.left() + paneRect.width());
        EXPECT_EQ(seen.geometry.top(), paneRect.top() + margin);
        EXPECT_EQ(seen.geometry.height(), paneRect.height() - 2 * margin);
    }
    // The text comes back, marked as the comparison changed the list.
    EXPECT_EQ(pane(EditorStatusBar::kList1Pane), before + " (changed)");
    EXPECT_TRUE(dialog_->statusBar().findChildren<CProgressBar*>().isEmpty());
}

}  // namespace
}  // namespace qvx
