// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormatTestSupport.h"
#include "RandomTrees.h"
#include "compare/LiteralCompare.h"
#include "compare/ListDiff.h"
#include "model/RecordFields.h"

namespace qvx {
namespace {

// A finding as text, the same for the code under test and the reference:
// "A p.c", "B p.c" or "~ p.c p.c field,field".
using Findings = std::vector<std::string>;

std::string at(const TreeItem& channel) {
    return std::to_string(channel.parent()->row()) + '.' + std::to_string(channel.row());
}

Findings findingsOf(const TreeDiff& diff) {
    Findings out;
    for (const ChannelPlace& place : diff.onlyInA) out.push_back("A " + at(*place.item));
    for (const ChannelPlace& place : diff.onlyInB) out.push_back("B " + at(*place.item));
    for (const ChangedPair& pair : diff.changed) {
        std::string line = "~ " + at(*pair.a.item) + ' ' + at(*pair.b.item) + ' ';
        for (const RecordField* field : pair.fields) line += std::string(field->name) + ',';
        out.push_back(line);
    }
    return out;
}

// The plain way: each channel of A searches B from the top for the first
// unpaired equal channel; the fields that the random trees vary are compared
// one by one.
Findings referenceDiff(const ChannelTree& a, const ChannelTree& b, CompareOptions options) {
    std::vector<const TreeItem*> channelsA, channelsB;
    for (const auto& top : a.topLevelItems())
        for (const auto& channel : top->children()) channelsA.push_back(channel.get());
    for (const auto& top : b.topLevelItems())
        for (const auto& channel : top->children()) channelsB.push_back(channel.get());
    std::vector<bool> pairedA(channelsA.size()), pairedB(channelsB.size());
    Findings changed;
    for (std::size_t i = 0; i < channelsA.size(); ++i) {
        const ChannelRecord& x = channelsA[i]->record();
        for (std::size_t j = 0; j < channelsB.size(); ++j) {
            if (pairedB[j] || !testing::referenceEqualChannels(*channelsA[i], *channelsB[j], options)) continue;
            pairedA[i] = pairedB[j] = true;
            const ChannelRecord& y = channelsB[j]->record();
            std::string fields;
            if (!options.byName && x.nameText() != y.nameText()) fields += "name,";
            if (x.frequency != y.frequency) fields += "frequency,";
            if (x.symbolRate != y.symbolRate) fields += "symbolRate,";
            if (x.polarity != y.polarity) fields += "polarity,";
            if (x.serviceId != y.serviceId) fields += "serviceId,";
            if (!fields.empty()) changed.push_back("~ " + at(*channelsA[i]) + ' ' + at(*channelsB[j]) + ' ' + fields);
            break;
        }
    }
    Findings out;
    for (std::size_t i = 0; i < channelsA.size(); ++i)
        if (!pairedA[i]) out.push_back("A " + at(*channelsA[i]));
    for (std::size_t j = 0; j < channelsB.size(); ++j)
        if (!pairedB[j]) out.push_back("B " + at(*channelsB[j]));
    out.insert(out.end(), changed.begin(), changed.end());
    return out;
}

TEST(ListDiffDifferential, PairsAndFieldsMatchThePlainSearch) {
    const CompareOptions optionSets[] = {{true, true, false}, {true, false, false}, {false, true, false},
                                         {false, true, true}};
    int changedPairs = 0, onlyOne = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        testing::Generator generator(seed);
        const testing::TreePlan planA = generator.tree();
        const testing::TreePlan planB = generator.tree();
        for (const CompareOptions& options : optionSets) {
            ChannelTree a(TreeKind::Television), b(TreeKind::Television);
            testing::build(a, planA);
            testing::build(b, planB);
            const testing::Snapshot beforeA = testing::snapshot(a), beforeB = testing::snapshot(b);
            const TreeDiff diff = diffTrees(a, b, options);
            ASSERT_EQ(findingsOf(diff), referenceDiff(a, b, options)) << "seed " << seed;
            ASSERT_EQ(diff.same(), findingsOf(diff).empty());
            ASSERT_EQ(testing::snapshot(a), beforeA);
            ASSERT_EQ(testing::snapshot(b), beforeB);
            changedPairs += static_cast<int>(diff.changed.size());
            onlyOne += static_cast<int>(diff.onlyInA.size() + diff.onlyInB.size());
        }
    }
    EXPECT_GT(changedPairs, 5000);
    EXPECT_GT(onlyOne, 5000);
}

// The named fields with their offsets in the 172-byte record, as the record
// layout lists them; text fields marked with width 0.
struct FieldAt {
    const char* name;
    std::size_t offset;
    std::size_t width;
};
constexpr FieldAt kLayout[] = {
    {"tag", 0, 0},          {"version", 8, 0},       {"name", 24, 0},          {"transponder", 56, 0},
    {"isChannel", 88, 1},   {"serviceType", 89, 1},  {"frequency", 92, 4},     {"symbolRate", 96, 4},
    {"videoPid", 100, 2},   {"audioPid", 102, 2},    {"teletextPid", 104, 2},  {"pcrPid", 106, 2},
    {"pmtPid", 108, 2},     {"ac3Pid", 110, 2},      {"reservedA", 112, 1},    {"reservedB", 113, 1},
    {"dvbxExtra1", 114, 2}, {"dvbxExtra2", 116, 2},  {"dvbxParentNumber", 118, 2}, {"reservedWords", 120, 2},
    {"reservedLongs", 132, 4}, {"rotorPosition", 148, 1}, {"volume", 149, 1}, {"dvbxExtra3", 150, 1},
    {"dvbxExtra4", 151, 1}, {"qam", 152, 1},         {"fec", 153, 1},          {"auxTuning", 154, 1},
    {"polarity", 155, 1},   {"lnb", 156, 1},         {"pmcPid", 158, 2},       {"serviceId", 160, 2},
    {"transportStreamId", 162, 2}, {"networkId", 164, 2}, {"scrambled", 166, 2}, {"tvSignal", 168, 1},
    {"reservedD", 169, 1},
};

// A pair of channels that differ in one byte of the image.
Findings diffOfOneByte(std::size_t offset, std::uint8_t value, CompareOptions options) {
    ChannelTree a(TreeKind::Radio), b(TreeKind::Radio);
    const ChannelRecord record = testing::channelRecord("Kanal", 2);
    testing::addChannel(a, testing::addProvider(a, "P"), record);
    RecordImage image = record.image();
    image[offset] = value;
    testing::addChannel(b, testing::addProvider(b, "P"), ChannelRecord::fromImage(image));
    return findingsOf(diffTrees(a, b, options));
}

TEST(ListDiffFields, EachNamedFieldIsFoundByItsBytes) {
    ASSERT_EQ(recordFields().size(), std::size(kLayout));
    for (const FieldAt& field : kLayout) {
        // The key must not hold the field changed, or the channels would not pair.
        const CompareOptions options = std::string(field.name) == "name" ? CompareOptions{false, true, false}
                                                                          : CompareOptions{true, false, false};
        // The highest byte of the first number (or the first byte of a text).
        const std::size_t offset = field.width == 0 ? field.offset : field.offset + field.width - 1;
        EXPECT_EQ(diffOfOneByte(offset, 0x5A, options), Findings{"~ 0.0 0.0 " + std::string(field.name) + ","})
            << field.name;
    }
}

TEST(ListDiffFields, PaddingAndBytesAfterATerminatorAreNoDifference) {
    // Padding: 90, 91, 130, 131, 157, 170, 171; "Kanal" ends at 29, so 30 and 55 lie after its terminator.
    for (const std::size_t offset : {90u, 91u, 130u, 131u, 157u, 170u, 171u, 30u, 55u})
        EXPECT_EQ(diffOfOneByte(offset, 0x5A, {}), Findings{}) << offset;
}

}  // namespace
}  // namespace qvx
