// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingTestSupport.h"
#include "editing/BulkSettings.h"
#include "model/RotorPositions.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

using treetest::buildTree;

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

// Rotor-position table and list entries

TEST(RotorPositions, TableTextsAsSingleByteText) {
    const auto& names = rotorPositionNames();
    ASSERT_EQ(names.size(), 61u);
    EXPECT_EQ(names[0], "Predefined");
    // "Hot Bird  13°E": two blanks, degree sign 0xB0.
    EXPECT_EQ(names[1], bytes({0x48, 0x6F, 0x74, 0x20, 0x42, 0x69, 0x72, 0x64, 0x20, 0x20, 0x31, 0x33, 0xB0, 0x45}));
    EXPECT_EQ(names[2], bytes({0x41, 0x73, 0x74, 0x72, 0x61, 0x20, 0x31, 0x39, 0x2E, 0x32, 0xB0, 0x45}));
    EXPECT_EQ(names[9], "Telecom 2B,2D 5\xB0W");
    EXPECT_EQ(names[23], "Intelsat 601 34.5\xB0" "E");
    EXPECT_EQ(names[26], "Thor 0.8\xB0W");
    EXPECT_EQ(names[28], bytes({0x45, 0x75, 0x74, 0x65, 0x6C, 0x73, 0x61, 0x74, 0x20, 0x31, 0x32, 0x2E, 0x35, 0xB0,
                                0x57}));
    for (std::size_t i = 0; i < 29; ++i) EXPECT_NE(names[i], "not assigned") << i;
    for (std::size_t i = 29; i <= 60; ++i) EXPECT_EQ(names[i], "not assigned") << i;
}

TEST(RotorPositions, EntriesAreNumberedWithTwoDigits) {
    EXPECT_EQ(rotorPositionEntry(0), "00 Predefined");
    EXPECT_EQ(rotorPositionEntry(1), "01 Hot Bird  13\xB0" "E");
    EXPECT_EQ(rotorPositionEntry(3), "03 Eutelsat F3 16\xB0" "E");
    EXPECT_EQ(rotorPositionEntry(60), "60 not assigned");
    EXPECT_EQ(rotorPositionEntry(61), "");
    EXPECT_EQ(lnbEntry(0), "LNB0");
    EXPECT_EQ(lnbEntry(59), "LNB59");
}

// Start values and applying a value

class BulkApply : public ::testing::Test {
protected:
    ChannelList list;
    void SetUp() override {
        buildTree(list.television(), "P[A,B] Q[C]");
        buildTree(list.radio(), "R[D]");
    }
    // Every record of both trees with the one byte at `offset` set to zero, to check nothing else moved.
    std::vector<RecordImage> imagesWithout(std::size_t offset) {
        std::vector<RecordImage> images;
        for (ChannelTree* tree : {&list.television(), &list.radio()})
            for (const auto& top : tree->topLevelItems()) {
                images.push_back(top->record().image());
                for (const auto& child : top->children()) images.push_back(child->record().image());
            }
        for (auto& image : images) image[offset] = 0;
        return images;
    }
    TreeItem* p() { return list.television().topLevelItem(0); }
    TreeItem* q() { return list.television().topLevelItem(1); }
};

TEST_F(BulkApply, StartValueIsTheItemsFieldOrTheFixedOne) {
    EXPECT_EQ(bulkStartValue(BulkField::Lnb, nullptr), 1);
    EXPECT_EQ(bulkStartValue(BulkField::RotorPosition, nullptr), 1);
    EXPECT_EQ(bulkStartValue(BulkField::Volume, nullptr), 100);
    ChannelRecord record = p()->child(0)->record();
    record.lnb = 70;
    record.rotorPosition = 3;
    record.volume = 0;
    list.television().replaceRecord(p()->child(0), record);
    EXPECT_EQ(bulkStartValue(BulkField::Lnb, p()->child(0)), 70);
    EXPECT_EQ(bulkStartValue(BulkField::RotorPosition, p()->child(0)), 3);
    EXPECT_EQ(bulkStartValue(BulkField::Volume, p()->child(0)), 0);
}

TEST_F(BulkApply, OneChannelOnly) {
    const auto before = imagesWithout(149);
    applyBulkValue(list.television(), p()->child(1), BulkField::Volume, 80);
    EXPECT_EQ(p()->child(1)->record().volume, 80);
    EXPECT_EQ(p()->record().volume, 0);
    EXPECT_EQ(p()->child(0)->record().volume, 0);
    EXPECT_EQ(imagesWithout(149), before);
}

TEST_F(BulkApply, ProviderWithItsChannels) {
    const auto before = imagesWithout(156);
    applyBulkValue(list.television(), p(), BulkField::Lnb, 5);
    EXPECT_EQ(p()->record().lnb, 5);
    EXPECT_EQ(p()->child(0)->record().lnb, 5);
    EXPECT_EQ(p()->child(1)->record().lnb, 5);
    EXPECT_EQ(q()->record().lnb, 0);
    EXPECT_EQ(q()->child(0)->record().lnb, 0);
    EXPECT_EQ(imagesWithout(156), before);
    EXPECT_EQ(p()->label(), "P");
    EXPECT_EQ(p()->child(0)->image(), kFreeChannelImage);
}

TEST_F(BulkApply, WholeTreeProvidersIncludedOtherTreeUntouched) {
    const auto before = imagesWithout(148);
    treetest::RecordingObserver observer(list.television());
    applyBulkValue(list.television(), nullptr, BulkField::RotorPosition, 28);
    for (const auto& top : list.television().topLevelItems()) {
        EXPECT_EQ(top->record().rotorPosition, 28);
        for (const auto& child : top->children()) EXPECT_EQ(child->record().rotorPosition, 28);
    }
    EXPECT_EQ(list.radio().topLevelItem(0)->record().rotorPosition, 0);
    EXPECT_EQ(list.radio().topLevelItem(0)->child(0)->record().rotorPosition, 0);
    EXPECT_EQ(imagesWithout(148), before);
    EXPECT_EQ(observer.changes, 5);
    EXPECT_TRUE(observer.calls.empty());
}

TEST_F(BulkApply, ValueKeepsItsLowEightBits) {
    applyBulkValue(list.television(), p()->child(0), BulkField::Lnb, -1);
    EXPECT_EQ(p()->child(0)->record().lnb, 255);
    applyBulkValue(list.television(), p()->child(0), BulkField::Volume, 300);
    EXPECT_EQ(p()->child(0)->record().volume, 44);
}

}  // namespace
}  // namespace qvx
