// SPDX-License-Identifier: Apache-2.0
#include "fonts/font_charsets.h"

#include "link/code_pages.h"

#include <QCoreApplication>
#include <array>

namespace lb {
namespace {

constexpr std::array kCharsets = {
    FontCharset{"ansi", QT_TRANSLATE_NOOP("lb::FontCharset", "ANSI"), 1252, CodePageConverter(1252)},
    FontCharset{"big5", QT_TRANSLATE_NOOP("lb::FontCharset", "Big5"), 950, CodePageConverter(950)},
    FontCharset{"gb2312", QT_TRANSLATE_NOOP("lb::FontCharset", "GB2312"), 936, CodePageConverter(936)},
    FontCharset{"hangul", QT_TRANSLATE_NOOP("lb::FontCharset", "Hangul"), 949, CodePageConverter(949)},
    FontCharset{"shift-jis", QT_TRANSLATE_NOOP("lb::FontCharset", "Shift-JIS"), 932, CodePageConverter(932)},
    FontCharset{"central-european", QT_TRANSLATE_NOOP("lb::FontCharset", "Central European"), 1250,
                CodePageConverter(1250)},
    FontCharset{"cyrillic", QT_TRANSLATE_NOOP("lb::FontCharset", "Cyrillic"), 1251, CodePageConverter(1251)},
    FontCharset{"greek", QT_TRANSLATE_NOOP("lb::FontCharset", "Greek"), 1253, CodePageConverter(1253)},
    FontCharset{"turkish", QT_TRANSLATE_NOOP("lb::FontCharset", "Turkish"), 1254, CodePageConverter(1254)},
    FontCharset{"hebrew", QT_TRANSLATE_NOOP("lb::FontCharset", "Hebrew"), 1255, CodePageConverter(1255)},
    FontCharset{"arabic", QT_TRANSLATE_NOOP("lb::FontCharset", "Arabic"), 1256, CodePageConverter(1256)},
    FontCharset{"baltic", QT_TRANSLATE_NOOP("lb::FontCharset", "Baltic"), 1257, CodePageConverter(1257)},
    FontCharset{"vietnamese", QT_TRANSLATE_NOOP("lb::FontCharset", "Vietnamese"), 1258,
                CodePageConverter(1258)},
    FontCharset{"thai", QT_TRANSLATE_NOOP("lb::FontCharset", "Thai"), 874, CodePageConverter(874)},
};

// The grids of the full Asian fonts: lead bytes, then the trail-byte ranges of each lead.
struct ByteRange {
    uint8_t first;
    uint8_t last;
    int size() const { return last - first + 1; }
};
struct AsianGrid {
    std::array<ByteRange, 2> leads;   // a second range of size 0 when there is one only
    std::array<ByteRange, 2> trails;
    int leadCount() const { return leads[0].size() + (leads[1].first ? leads[1].size() : 0); }
    int trailCount() const { return trails[0].size() + (trails[1].first ? trails[1].size() : 0); }
};
constexpr ByteRange kNone{0, 0};
constexpr std::array kGrids = {
    AsianGrid{{ByteRange{0xA1, 0xFE}, kNone}, {ByteRange{0x40, 0x7E}, ByteRange{0xA1, 0xFE}}},
    AsianGrid{{ByteRange{0x81, 0xFE}, kNone}, {ByteRange{0x40, 0xFE}, kNone}},
    AsianGrid{{ByteRange{0xA1, 0xFE}, kNone}, {ByteRange{0xA0, 0xFE}, kNone}},
    AsianGrid{{ByteRange{0x81, 0x9F}, ByteRange{0xE0, 0xFC}}, {ByteRange{0x40, 0xFC}, kNone}},
};

bool IsAsianCodePage(int codePage) {
    return codePage >= 0 && codePage < kAsianCodePageCount;
}

// The i-th byte of one or two ranges.
uint8_t NthByte(const std::array<ByteRange, 2>& ranges, int i) {
    if (i < ranges[0].size()) return uint8_t(ranges[0].first + i);
    return uint8_t(ranges[1].first + (i - ranges[0].size()));
}

}   // namespace

std::span<const FontCharset> FontCharsets() {
    return kCharsets;
}

const FontCharset& FontCharsetAt(int charset) {
    const bool known = charset >= 0 && charset < int(kCharsets.size());
    return kCharsets[std::size_t(known ? charset : kAnsiCharset)];
}

QString FontCharsetName(int charset) {
    return QCoreApplication::translate("lb::FontCharset", FontCharsetAt(charset).name);
}

int FontCharsetByCliName(const QString& name) {
    for (std::size_t i = 0; i < kCharsets.size(); ++i)
        if (name.compare(QLatin1String(kCharsets[i].cliName), Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

int CharsetOfAsianCodePage(int codePage) {
    constexpr std::array kOfCodePage = {1, 2, 3, 4};   // Big5, GB2312, Hangul, Shift-JIS
    return IsAsianCodePage(codePage) ? kOfCodePage[std::size_t(codePage)] : kAnsiCharset;
}

char AsianCodePageLetter(int codePage) {
    constexpr std::array kLetters = {'T', 'G', 'K', 'J'};
    return IsAsianCodePage(codePage) ? kLetters[std::size_t(codePage)] : '\0';
}

int AsianCodePageOfLetter(uint8_t letter) {
    for (int codePage = 0; codePage < kAsianCodePageCount; ++codePage)
        if (letter != 0 && letter == uint8_t(AsianCodePageLetter(codePage))) return codePage;
    return -1;
}

int HalfWidthCount(int codePage) {
    if (!IsAsianCodePage(codePage)) return 0;
    return codePage == int(AsianCodePage::Japanese) ? 96 + 64 : 96;
}

int AsianGridCount(int codePage) {
    if (!IsAsianCodePage(codePage)) return 0;
    const AsianGrid& grid = kGrids[std::size_t(codePage)];
    return grid.leadCount() * grid.trailCount();
}

int AsianGridTrailCount(int codePage) {
    return IsAsianCodePage(codePage) ? kGrids[std::size_t(codePage)].trailCount() : 0;
}

uint8_t HalfWidthCode(int codePage, int i) {
    (void)codePage;
    return uint8_t(i < 96 ? 0x20 + i : 0xA0 + (i - 96));
}

void AsianGridCode(int codePage, int i, uint8_t& lead, uint8_t& trail) {
    const AsianGrid& grid = kGrids[std::size_t(IsAsianCodePage(codePage) ? codePage : 0)];
    lead = NthByte(grid.leads, i / grid.trailCount());
    trail = NthByte(grid.trails, i % grid.trailCount());
}

}   // namespace lb
