// SPDX-License-Identifier: GPL-3.0-or-later
// The one user of ICU: spelling characters that windows-1252 lacks in Latin
// letters, which needs the Unicode transliteration rules of every script.
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

#include "model/Windows1252.h"

namespace qvx {
namespace {

const icu::Transliterator* latinSpelling() {
    static const std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode error = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(
            icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, error));
        if (U_FAILURE(error)) made.reset();
        return made;
    }();
    return transliterator.get();
}

// Appends the Latin spelling of characters the code page lacks.
void appendSpelled(std::string& out, const std::u32string& run) {
    icu::UnicodeString text;
    for (const char32_t c : run) text.append(static_cast<UChar32>(c));
    if (const icu::Transliterator* spelling = latinSpelling()) spelling->transliterate(text);
    for (int32_t i = 0; i < text.length();) {
        const UChar32 c = text.char32At(i);
        const std::optional<std::uint8_t> byte = codePointToWindows1252(static_cast<char32_t>(c));
        out.push_back(byte && *byte != 0 ? static_cast<char>(*byte) : '?');
        i = text.moveIndex32(i, 1);
    }
}

}  // namespace

std::string closestWindows1252(std::string_view utf8) {
    const std::optional<std::u32string> characters = decodeUtf8(utf8);
    if (!characters) return std::string(utf8);
    std::string out;
    out.reserve(characters->size());
    std::u32string lacking;
    for (const char32_t c : *characters) {
        if (const std::optional<std::uint8_t> byte = codePointToWindows1252(c)) {
            if (!lacking.empty()) {
                appendSpelled(out, lacking);
                lacking.clear();
            }
            out.push_back(static_cast<char>(*byte));
        } else {
            lacking.push_back(c);
        }
    }
    if (!lacking.empty()) appendSpelled(out, lacking);
    return out;
}

}  // namespace qvx
