// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qvx {

class Carried;
struct ChannelRecord;

// The texts of a VDR channels.conf: UTF-8 in today's files; older files were
// written in Latin-1, which this program reads as windows-1252 and writes
// back in the same encoding.
enum class VdrEncoding { Utf8, Windows1252 };

// Whether every byte is below 0x80 (then both encodings read the same).
bool isAscii(std::string_view text);
// Whether the text is well-formed UTF-8, without decoding it.
bool isUtf8(std::string_view text);

// A whole line in another encoding: windows-1252 to UTF-8 exactly, UTF-8 to
// windows-1252 exactly where it can and by the closest spelling where not.
std::string recodedLine(std::string_view line, VdrEncoding from, VdrEncoding to);

// A name as the record holds it, and the whole name where the record cannot.
struct VdrName {
    std::string record;  // windows-1252, at most 31 characters
    std::string full;    // UTF-8; empty when the record's name says it all
};

// The name in a line ("|" stands for ":" in channel names; a group line's
// text is taken as it stands).
VdrName vdrNameOf(std::string_view text, VdrEncoding encoding, bool channelName);

// The whole name of a record in UTF-8: the carried full name while the
// record's name is still what it was made from, else the record's name.
std::string fullNameOf(const ChannelRecord& record, const Carried* carried);

// A UTF-8 name as a line of the file spells it: in its encoding, line
// breaks as blanks, and in a channel's name "|" for ":".
std::string vdrNameText(std::string_view utf8, VdrEncoding encoding, bool channelName);

// The bad text a message quotes: cut after a few dozen bytes, where a
// character begins.
std::string quoted(std::string_view text);

}  // namespace qvx
