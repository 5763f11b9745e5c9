// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Carried.h"

namespace qvx {

struct ChannelRecord;

// Names as the Linux channel files hold them (UTF-8; older files
// windows-1252 or Latin-1) and as the record does (at most 31 windows-1252
// characters).

// Sets the record's name to the closest windows-1252 text of `text`, cut to
// the record's length, and adds the whole name as carried::kFullName to
// `fields` where the record cannot hold it. `kept` holds the full name's
// bytes, since `fields` only points at them.
void setNameFromText(ChannelRecord& record, std::string_view text, std::string& kept,
                     std::vector<Carried::Field>& fields);
// Whether the record still holds what reading `text` gave it.
bool recordHoldsName(const ChannelRecord& record, std::string_view text);
// The name a writer puts in a file: the carried whole name while the record
// keeps it, else the record's name in UTF-8.
std::string textNameOf(const ChannelRecord& record, std::string_view fullName);

}  // namespace qvx
