// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/PlaylistEntry.h"

#include "formats/TextNumbers.h"

namespace qvx {

bool isExtinfLine(std::string_view line) {
    return line.size() >= kExtinf.size() && equalsIgnoringCase(line.substr(0, kExtinf.size()), kExtinf);
}

ExtinfLine::ExtinfLine(std::string_view line) : line_(line) {
    end_ = line.size();
    if (end_ > 0 && line[end_ - 1] == '\r') --end_;
    bool quoted = false;
    comma_ = end_;
    hasComma_ = false;
    for (std::size_t i = kExtinf.size(); i < end_; ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ',' && !quoted) {
            comma_ = i;
            hasComma_ = true;
            break;
        }
    }
}

std::optional<std::string_view> ExtinfLine::title() const {
    if (!hasComma_) return std::nullopt;
    return trimBlanks(line_.substr(comma_ + 1, end_ - comma_ - 1));
}

std::optional<ExtinfAttribute> ExtinfLine::attribute(std::string_view key) const {
    const std::string_view head = line_.substr(0, comma_);
    std::size_t at = kExtinf.size();
    while (at < head.size()) {
        // Each attribute follows a blank: the duration comes first.
        while (at < head.size() && head[at] != ' ' && head[at] != '\t') {
            if (head[at] == '"') at = std::min(head.find('"', at + 1), head.size());
            ++at;
        }
        const std::size_t start = at;
        while (at < head.size() && (head[at] == ' ' || head[at] == '\t')) ++at;
        const std::size_t equals = head.find('=', at);
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view name = head.substr(at, equals - at);
        std::size_t valueStart = equals + 1;
        std::size_t valueEnd = 0;
        std::size_t end = 0;
        if (valueStart < head.size() && head[valueStart] == '"') {
            ++valueStart;
            valueEnd = std::min(head.find('"', valueStart), head.size());
            end = std::min(valueEnd + 1, head.size());
        } else {
            valueEnd = std::min(head.find_first_of(" \t", valueStart), head.size());
            end = valueEnd;
        }
        if (equalsIgnoringCase(name, key)) return ExtinfAttribute{start, end, head.substr(valueStart, valueEnd - valueStart)};
        at = end;
    }
    return std::nullopt;
}

std::string ExtinfLine::withTitle(std::string_view title) const {
    std::string line(line_.substr(0, comma_));
    line.push_back(',');
    line.append(title);
    line.append(line_.substr(end_));
    return line;
}

std::string ExtinfLine::withAttribute(std::string_view key, std::string_view value) const {
    const std::optional<ExtinfAttribute> old = attribute(key);
    std::string added;
    if (!value.empty()) added = " " + std::string(key) + "=\"" + std::string(value) + "\"";
    if (old) return std::string(line_.substr(0, old->start)) + added + std::string(line_.substr(old->end));
    if (!hasComma_) return std::string(line_.substr(0, end_)) + added + "," + std::string(line_.substr(end_));
    return std::string(line_.substr(0, comma_)) + added + std::string(line_.substr(comma_));
}

std::string attributeValueOf(std::string_view text) {
    std::string value(text);
    for (char& c : value)
        if (c == '"') c = '\'';
        else if (c == '\r' || c == '\n') c = ' ';
    return value;
}

std::string titleOf(std::string_view text) {
    std::string value(text);
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

}  // namespace qvx
