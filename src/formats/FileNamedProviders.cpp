// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FileNamedProviders.h"

#include <vector>

#include "formats/ChannelNameText.h"
#include "formats/ConvertedRecord.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

constexpr std::uint8_t kVolumeAsRead = 100;
constexpr std::uint8_t kTelevision = static_cast<std::uint8_t>(TreeKind::Television);
constexpr std::uint8_t kRadio = static_cast<std::uint8_t>(TreeKind::Radio);

}  // namespace

ChannelRecord textChannelBase() {
    ChannelRecord record = convertedRecordBase();
    record.isChannel = 1;
    record.volume = kVolumeAsRead;
    return record;
}

void setKindByVideo(ChannelRecord& record) { record.serviceType = record.videoPid != 0 ? kTelevision : kRadio; }

FileNamedProviders::FileNamedProviders(std::string_view format, std::string_view fileName, std::uint64_t file)
    : format_(format), fileName_(fileName), file_(file) {}

std::unique_ptr<TreeItem> FileNamedProviders::makeProvider(std::uint8_t kind) const {
    ChannelRecord record = convertedRecordBase();
    record.serviceType = kind;
    record.volume = kVolumeAsRead;
    std::string fullName;
    std::vector<Carried::Field> fields{{carried::kMadeUp, "1"}};
    setNameFromText(record, fileName_, fullName, fields);
    return TreeItem::makeProvider(record, makeCarried(format_, 0, fields, file_));
}

void FileNamedProviders::add(const ChannelRecord& record, CarriedPtr carried) {
    const std::size_t tree = record.serviceType == kTelevision ? 0 : 1;
    std::unique_ptr<TreeItem>& provider = providers_[tree];
    if (!provider) provider = makeProvider(tree == 0 ? kTelevision : kRadio);
    provider->appendDetachedChild(TreeItem::makeChannel(record, std::move(carried)));
}

void FileNamedProviders::fill(ChannelList& list) {
    list.television().clear();
    list.radio().clear();
    if (providers_[0]) list.television().appendItem(nullptr, std::move(providers_[0]));
    if (providers_[1]) list.radio().appendItem(nullptr, std::move(providers_[1]));
}

}  // namespace qvx
