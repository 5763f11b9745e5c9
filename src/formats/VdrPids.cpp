// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VdrPids.h"

#include <cstdio>

namespace qvx {
namespace {

constexpr std::uint32_t kMaxPid = 0xFFFF;

// Reads a field from left to right.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool done() const { return at_ == text_.size(); }
    bool take(char c) {
        if (done() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    // A decimal or hexadecimal number of at most 0xFFFF.
    std::optional<std::uint16_t> number(bool hexadecimal = false) {
        const std::size_t start = at_;
        std::uint32_t value = 0;
        while (!done()) {
            const int digit = digitOf(text_[at_], hexadecimal);
            if (digit < 0) break;
            value = value * (hexadecimal ? 16 : 10) + static_cast<std::uint32_t>(digit);
            if (value > kMaxPid) return std::nullopt;
            ++at_;
        }
        if (at_ == start) return std::nullopt;
        return static_cast<std::uint16_t>(value);
    }
    // A language: everything up to the next ',', ';', '@' or the end.
    std::string_view language() {
        const std::size_t start = at_;
        while (!done() && text_[at_] != ',' && text_[at_] != ';' && text_[at_] != '@') ++at_;
        return text_.substr(start, at_ - start);
    }

private:
    static int digitOf(char c, bool hexadecimal) {
        if (c >= '0' && c <= '9') return c - '0';
        if (!hexadecimal) return -1;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

struct Stream {
    std::uint16_t pid;
    std::string_view language;
    std::optional<std::uint16_t> type;
};

// "pid[=lang][@type]"; a language runs to the next ',', ';' or '@'.
std::optional<Stream> streamAt(Cursor& cursor) {
    const std::optional<std::uint16_t> pid = cursor.number();
    if (!pid) return std::nullopt;
    Stream stream{*pid, {}, std::nullopt};
    if (cursor.take('=')) stream.language = cursor.language();
    if (cursor.take('@')) {
        stream.type = cursor.number();
        if (!stream.type) return std::nullopt;
    }
    return stream;
}

// A list of streams up to `end` (or the end of the field); false when an
// entry is malformed or the list does not stop at `end`.
template <typename Visit>
bool streamsUntil(Cursor& cursor, char end, Visit visit) {
    for (;;) {
        const std::optional<Stream> stream = streamAt(cursor);
        if (!stream) return false;
        visit(*stream);
        if (cursor.take(',')) continue;
        return cursor.done() || (end != 0 && cursor.take(end));
    }
}

// The audio field: audio streams, then Dolby streams after ';'.
template <typename Audio, typename Dolby>
bool audioField(std::string_view text, Audio audio, Dolby dolby) {
    Cursor cursor(text);
    if (!streamsUntil(cursor, ';', audio)) return false;
    // An empty Dolby list after the ';' reads as none.
    return cursor.done() || (streamsUntil(cursor, 0, dolby) && cursor.done());
}

template <typename Subtitle>
bool teletextField(std::string_view text, std::uint16_t& teletext, Subtitle subtitle) {
    Cursor cursor(text);
    const std::optional<std::uint16_t> pid = cursor.number();
    if (!pid) return false;
    teletext = *pid;
    if (cursor.done()) return true;
    if (!cursor.take(';')) return false;
    return cursor.done() || (streamsUntil(cursor, 0, subtitle) && cursor.done());
}

template <typename Visit>
bool caField(std::string_view text, Visit visit) {
    Cursor cursor(text);
    for (;;) {
        const std::optional<std::uint16_t> id = cursor.number(true);
        if (!id) return false;
        visit(*id);
        if (cursor.done()) return true;
        if (!cursor.take(',')) return false;
    }
}

StreamPid streamPidOf(const Stream& stream) { return {stream.pid, std::string(stream.language), stream.type}; }

void appendStreams(std::string& out, const std::vector<StreamPid>& streams) {
    for (std::size_t i = 0; i < streams.size(); ++i) {
        if (i != 0) out += ',';
        out += std::to_string(streams[i].pid);
        if (!streams[i].language.empty() || streams[i].type) out += '=';
        out += streams[i].language;
        if (streams[i].type) out += '@' + std::to_string(*streams[i].type);
    }
}

}  // namespace

bool parseVdrVideo(std::string_view text, VdrVideo& video) {
    Cursor cursor(text);
    const std::optional<std::uint16_t> first = cursor.number();
    if (!first) return false;
    video = VdrVideo{*first, std::nullopt, std::nullopt};
    while (cursor.take(','))
        if (!cursor.number()) return false;
    if (cursor.take('+')) {
        video.pcr = cursor.number();
        if (!video.pcr) return false;
    }
    if (cursor.take('=')) {
        video.type = cursor.number();
        if (!video.type) return false;
    }
    return cursor.done();
}

std::vector<std::uint16_t> vdrVideoPids(std::string_view text) {
    std::vector<std::uint16_t> pids;
    Cursor cursor(text);
    do {
        if (const std::optional<std::uint16_t> pid = cursor.number()) pids.push_back(*pid);
    } while (cursor.take(','));
    if (pids.size() == 1 && pids.front() == 0) pids.clear();
    return pids;
}

std::string vdrVideoText(std::uint16_t pid, std::uint16_t pcr, std::optional<std::uint16_t> type) {
    std::string out = std::to_string(pid);
    if (pid != 0 && pcr != 0 && pcr != pid) out += '+' + std::to_string(pcr);
    if (pid != 0 && type) out += '=' + std::to_string(*type);
    return out;
}

bool parseVdrAudio(std::string_view text, std::uint16_t& firstAudio, std::uint16_t& firstDolby) {
    bool audioSeen = false;
    bool dolbySeen = false;
    firstAudio = 0;
    firstDolby = 0;
    return audioField(
        text,
        [&](const Stream& stream) {
            if (!audioSeen) firstAudio = stream.pid;
            audioSeen = true;
        },
        [&](const Stream& stream) {
            if (!dolbySeen) firstDolby = stream.pid;
            dolbySeen = true;
        });
}

void vdrAudioStreams(std::string_view text, std::vector<StreamPid>& audio, std::vector<StreamPid>& dolby) {
    audio.clear();
    dolby.clear();
    audioField(
        text, [&](const Stream& stream) { audio.push_back(streamPidOf(stream)); },
        [&](const Stream& stream) { dolby.push_back(streamPidOf(stream)); });
    // "0" stands for no audio PID at all.
    if (audio.size() == 1 && audio.front() == StreamPid{}) audio.clear();
}

std::string vdrAudioText(const std::vector<StreamPid>& audio, const std::vector<StreamPid>& dolby) {
    std::string out;
    if (audio.empty())
        out.push_back('0');
    else
        appendStreams(out, audio);
    if (!dolby.empty()) {
        out += ';';
        appendStreams(out, dolby);
    }
    return out;
}

bool parseVdrTeletext(std::string_view text, std::uint16_t& teletext) {
    return teletextField(text, teletext, [](const Stream&) {});
}

std::vector<StreamPid> vdrSubtitles(std::string_view text) {
    std::vector<StreamPid> subtitles;
    std::uint16_t teletext = 0;
    teletextField(text, teletext, [&](const Stream& stream) { subtitles.push_back(streamPidOf(stream)); });
    return subtitles;
}

std::string vdrTeletextText(std::uint16_t teletext, std::string_view kept) {
    const std::size_t subtitles = kept.find(';');
    std::string out = std::to_string(teletext);
    if (subtitles != std::string_view::npos) out += kept.substr(subtitles);
    return out;
}

std::string vdrTeletextText(std::uint16_t teletext, const std::vector<StreamPid>& subtitles) {
    std::string out = std::to_string(teletext);
    if (!subtitles.empty()) {
        out += ';';
        appendStreams(out, subtitles);
    }
    return out;
}

bool parseVdrCa(std::string_view text, bool& scrambled) {
    scrambled = false;
    return caField(text, [&](std::uint16_t id) { scrambled = scrambled || id != 0; });
}

std::vector<std::uint16_t> vdrCaIds(std::string_view text) {
    std::vector<std::uint16_t> ids;
    caField(text, [&](std::uint16_t id) {
        if (id != 0) ids.push_back(id);
    });
    return ids;
}

std::string vdrCaText(const std::vector<std::uint16_t>& ids) {
    if (ids.empty()) return "0";
    std::string out;
    char hex[8];
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i != 0) out += ',';
        std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(ids[i]));
        out += hex;
    }
    return out;
}

std::optional<std::uint64_t> vdrNumber(std::string_view text, std::uint64_t limit) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) return std::nullopt;
    }
    return value;
}

}  // namespace qvx
