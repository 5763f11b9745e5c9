// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/Windows1252.h"

namespace qvx {
namespace {

TEST(Windows1252, EveryByteHasACharacterAndBack) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t codePoint = windows1252ToCodePoint(static_cast<std::uint8_t>(byte));
        EXPECT_EQ(codePointToWindows1252(codePoint), byte) << byte;
    }
}

TEST(Windows1252, HighControlsFollowTheWhatwgTable) {
    EXPECT_EQ(windows1252ToCodePoint(0x80), U'\u20AC');
    EXPECT_EQ(windows1252ToCodePoint(0x8A), U'\u0160');
    EXPECT_EQ(windows1252ToCodePoint(0x9F), U'\u0178');
    for (std::uint8_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(windows1252ToCodePoint(undefined), undefined);
    EXPECT_EQ(windows1252ToCodePoint(0xD6), U'\u00D6');
    EXPECT_EQ(codePointToWindows1252(U'\u0100'), std::nullopt);
    EXPECT_EQ(codePointToWindows1252(U'\u20AC'), 0x80);
}

TEST(Windows1252, Utf8Text) {
    EXPECT_EQ(windows1252ToUtf8("K\xD6LSCH \x80\x81"), "K\xC3\x96LSCH \xE2\x82\xAC\xC2\x81");
    EXPECT_EQ(windows1252ToUtf8(""), "");
}

}  // namespace
}  // namespace qvx
