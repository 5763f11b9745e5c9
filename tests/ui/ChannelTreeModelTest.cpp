// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt model over a ChannelTree: structure, roles and change signals.
#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "editing/TreeCommands.h"
#include "model/ChannelTree.h"
#include "model/TreeBuilder.h"
#include "ui/platform/Windows1252Text.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {
namespace {

ChannelRecord named(ChannelRecord record, std::string_view name) {
    record.setName(name);
    return record;
}

class TreeModel : public ::testing::Test {
protected:
    TreeModel() {
        TreeItem* first =
            tree_.appendItem(nullptr, TreeItem::makeProvider(named(ChannelRecord::newProvider(1), "P1")));
        tree_.appendItem(first, TreeItem::makeChannel(named(ChannelRecord::newChannel(1), "A")));
        ChannelRecord scrambled = named(ChannelRecord::newChannel(1), "K\xD6LN");  // windows-1252 Ö
        scrambled.scrambled = 2;
        tree_.appendItem(first, TreeItem::makeChannel(scrambled));
    }

    ChannelTree tree_{TreeKind::Television};
    ChannelTreeModel model_{tree_};
    QAbstractItemModelTester tester_{&model_, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(TreeModel, ShowsProvidersBoldAndChannelsBelowThem) {
    ASSERT_EQ(model_.rowCount(), 1);
    const QModelIndex provider = model_.index(0, 0);
    EXPECT_EQ(provider.data().toString(), "P1");
    EXPECT_TRUE(provider.data(Qt::FontRole).value<QFont>().bold());
    ASSERT_EQ(model_.rowCount(provider), 2);
    const QModelIndex channel = model_.index(1, 0, provider);
    EXPECT_EQ(channel.data().toString(), QString::fromUtf8("K\u00D6LN"));
    EXPECT_FALSE(channel.data(Qt::FontRole).isValid());
    EXPECT_EQ(model_.parent(channel), provider);
    EXPECT_EQ(model_.itemAt(channel), tree_.topLevelItem(0)->child(1));
    EXPECT_EQ(model_.itemAt(channel)->image(), kScrambledChannelImage);
    EXPECT_EQ(model_.index(2, 0, provider), QModelIndex());
}

TEST_F(TreeModel, FollowsInsertionsAndRemovalsRowByRow) {
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model_, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model_, &QAbstractItemModel::modelReset);
    const QPersistentModelIndex kept = model_.index(1, 0, model_.index(0, 0));
    TreeItem* provider = tree_.topLevelItem(0);
    tree_.insertItem(provider, 0, TreeItem::makeChannel(named(ChannelRecord::newChannel(1), "new")));
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(1).toInt(), 0);
    EXPECT_EQ(kept.row(), 2);  // views keep their place
    EXPECT_EQ(kept.data().toString(), QString::fromUtf8("K\u00D6LN"));

    auto second = TreeItem::makeProvider(named(ChannelRecord::newProvider(1), "P2"));
    for (int i = 0; i < 3; ++i)
        second->appendDetachedChild(TreeItem::makeChannel(named(ChannelRecord::newChannel(1), "c")));
    tree_.appendItem(nullptr, std::move(second));
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(model_.rowCount(model_.index(1, 0)), 3);

    DeleteTreeItem(tree_, tree_.topLevelItem(1));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(model_.rowCount(), 1);
    EXPECT_EQ(reset.count(), 0);
}

TEST_F(TreeModel, BulkChangesAreOneReset) {
    QSignalSpy reset(&model_, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    {
        ChannelTree radio(TreeKind::Radio);
        TreeBuilder builder(tree_, radio);
        builder.accept(named(ChannelRecord::newProvider(1), "Q"));
        builder.accept(named(ChannelRecord::newChannel(1), "x"));
        builder.finish();
    }
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(model_.rowCount(), 2);
    tree_.clear();
    EXPECT_EQ(reset.count(), 2);
    EXPECT_EQ(model_.rowCount(), 0);
}

// A finished label edit is told, whole, for the window's Rename command to run; the model
// itself changes nothing (the window's tests follow the rename rule through it).
TEST_F(TreeModel, LabelEditIsToldAndChangesNothingByItself) {
    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
    QSignalSpy edited(&model_, &ChannelTreeModel::labelEdited);
    const QModelIndex channel = model_.index(0, 0, model_.index(0, 0));
    const QString forty = QStringLiteral("0123456789012345678901234567890123456789");
    ASSERT_TRUE(model_.setData(channel, forty));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(1).toString(), forty);
    EXPECT_EQ(channel.data().toString(), QStringLiteral("A"));
    EXPECT_EQ(changed.count(), 0);
    ASSERT_TRUE(model_.setData(channel, QString()));  // an empty text is told too
    EXPECT_EQ(edited.count(), 2);
}

TEST_F(TreeModel, TextSurvivesTheRoundTripThroughTheWindow) {
    std::string every;
    for (int byte = 1; byte < 32; ++byte) every.push_back(static_cast<char>(byte + 0x80));
    const QModelIndex channel = model_.index(0, 0, model_.index(0, 0));
    tree_.setLabel(model_.itemAt(channel), every);
    QSignalSpy edited(&model_, &ChannelTreeModel::labelEdited);
    ASSERT_TRUE(model_.setData(channel, channel.data().toString()));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(toWindows1252(edited.at(0).at(1).toString()), every);
    // 0x80 is the euro sign, 0x81 has no character and stays a control.
    tree_.setLabel(model_.itemAt(channel), "\x80\x81");
    EXPECT_EQ(channel.data().toString(), QString::fromUtf8("\u20AC\u0081"));
}

}  // namespace
}  // namespace qvx
