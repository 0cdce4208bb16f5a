// SPDX-License-Identifier: Apache-2.0
#pragma once
// The character sets offered beside the font choice: the code page in which the builder reads
// a font's code bytes (one byte, or a lead and a trail byte), and the Asian code pages of the
// printer's double-byte fonts with their code grids.

#include <QString>
#include <cstdint>
#include <span>

namespace lb {

// The code page of an Asian font, as the page's radio group numbers them.
enum class AsianCodePage : uint8_t {
    TraditionalChinese = 0,
    SimplifiedChinese = 1,
    Korean = 2,
    Japanese = 3
};
constexpr int kAsianCodePageCount = 4;

struct FontCharset {
    const char* cliName;   // "big5": labelbench-cli's --charset
    const char* name;   // "Big5": the list's text, through QCoreApplication::translate("lb::FontCharset", …)
    int codePage;       // the Windows code page: 950
    const char* converter;   // the decoder's name (link/code_pages.h)
};

// ANSI first (the initial font's), then Big5, GB2312, Hangul, Shift-JIS and the single-byte
// Windows sets.
std::span<const FontCharset> FontCharsets();
constexpr int kAnsiCharset = 0;
// A character set by its place in the list; ANSI for a place beyond it.
const FontCharset& FontCharsetAt(int charset);
// The list's text in the current language.
QString FontCharsetName(int charset);
// The place of --charset NAME (any case), -1 when there is none.
int FontCharsetByCliName(const QString& name);

// The character set whose code page gives an Asian code page's grid its characters (Big5 for
// Traditional Chinese …); ANSI for a code page outside 0..3.
int CharsetOfAsianCodePage(int codePage);
// The letter in a font file's header: "T", "G", "K", "J"; 0 outside 0..3.
char AsianCodePageLetter(int codePage);
// The code page of a header's letter, -1 for any other byte.
int AsianCodePageOfLetter(uint8_t letter);

// The cells of a full Asian font: its half-width single-byte codes (0x20..0x7F, for Japanese
// also 0xA0..0xDF) and its grid of lead and trail bytes. Zero counts outside 0..3.
int HalfWidthCount(int codePage);
int AsianGridCount(int codePage);
// The trail bytes of each lead byte: the grid's cells go lead by lead.
int AsianGridTrailCount(int codePage);
// The code of half-width cell i and of grid cell i, for reading a file back.
uint8_t HalfWidthCode(int codePage, int i);
void AsianGridCode(int codePage, int i, uint8_t& lead, uint8_t& trail);

}   // namespace lb
