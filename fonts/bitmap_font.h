// SPDX-License-Identifier: Apache-2.0
#pragma once
// The printer bitmap font file and its builder: each character drawn with a desktop font on
// the hidden surface, its pixels read back and packed into rows of bits, one record per
// character, written straight into the file. Reading a font file back, and a picture of its
// glyphs, for the command line and the preview window.

#include "fonts/font_charsets.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lb {

class GlyphSurface;

static_assert(std::endian::native == std::endian::little, "the font file's numbers are little-endian");

// BitmapFontFile: the 32-byte header, then (when hasIndex) one 6-byte index entry per
// character, then the character records: for variable pitch a 16-bit glyph width and the
// bitmap, for fixed pitch the bitmap alone. A bitmap has one row per pixel row of the cell,
// (glyph width + 7) / 8 bytes a row, the leftmost pixel in the top bit, 1 for ink.
#pragma pack(push, 1)
struct BitmapFontHeader {
    uint8_t magic;        // 'B'
    uint8_t pitch;        // 0 fixed, 1 variable
    uint8_t doubleByte;   // 0 single-byte codes, 1 double-byte codes
    uint8_t hasIndex;     // 1 when the index follows the header
    uint8_t italic;       // 1 when the italic width is not 0
    uint16_t cellHeight;
    uint16_t cellWidth;
    uint16_t firstCode;   // 0 for table fonts and Asian fonts
    uint16_t lastCode;
    uint8_t codePageLetter;   // 'T', 'G', 'K', 'J' for a full Asian font, else 0
    uint8_t reserved14;
    uint16_t characterCount;
    uint16_t italicWidth;   // a negative width as its 16-bit two's complement
    uint8_t reserved19[13];
};
struct BitmapFontIndexEntry {
    uint8_t firstByte;
    uint8_t secondByte;      // 0 in single-byte fonts
    uint32_t recordOffset;   // from the start of the file
};
#pragma pack(pop)
static_assert(sizeof(BitmapFontHeader) == 32);
static_assert(offsetof(BitmapFontHeader, pitch) == 1);
static_assert(offsetof(BitmapFontHeader, doubleByte) == 2);
static_assert(offsetof(BitmapFontHeader, hasIndex) == 3);
static_assert(offsetof(BitmapFontHeader, italic) == 4);
static_assert(offsetof(BitmapFontHeader, cellHeight) == 5);
static_assert(offsetof(BitmapFontHeader, cellWidth) == 7);
static_assert(offsetof(BitmapFontHeader, firstCode) == 9);
static_assert(offsetof(BitmapFontHeader, lastCode) == 11);
static_assert(offsetof(BitmapFontHeader, codePageLetter) == 13);
static_assert(offsetof(BitmapFontHeader, reserved14) == 14);
static_assert(offsetof(BitmapFontHeader, characterCount) == 15);
static_assert(offsetof(BitmapFontHeader, italicWidth) == 17);
static_assert(offsetof(BitmapFontHeader, reserved19) == 19);
static_assert(sizeof(BitmapFontIndexEntry) == 6);
static_assert(offsetof(BitmapFontIndexEntry, secondByte) == 1);
static_assert(offsetof(BitmapFontIndexEntry, recordOffset) == 2);

constexpr uint8_t kFontMagic = 0x42;
constexpr int kFontHeaderSize = 32;
constexpr int kFontIndexEntrySize = 6;
// The one glyph buffer of a build, and with the surface's size the bound of a cell.
constexpr int kGlyphBufferSize = 65536;
constexpr int kMaxCellSize = 2048;
// The header holds the character count in 16 bits.
constexpr int kMaxFontCharacters = 65535;

constexpr uint8_t kSingleByteEncode = 0;
constexpr uint8_t kDoubleByteEncode = 1;
constexpr uint8_t kFixedPitch = 0;
constexpr uint8_t kVariablePitch = 1;

// The font to build.
struct FontParameters {
    uint8_t encode = kSingleByteEncode;   // 0 single-byte codes, 1 double-byte (Asian) codes
    uint8_t pitch = kFixedPitch;          // 0 fixed, 1 variable
    uint8_t codePage = 0;                 // AsianCodePage, for a full Asian font
    int32_t firstCode = 0;                // a single-byte range, 0..255; 0 otherwise
    int32_t lastCode = 0;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t italicWidth = 0;          // stored in the header only
    int32_t characterCount = 0;       // set by the builder on its own copy
    uint8_t byTable = 0;              // 1: the characters are the table's
    const uint8_t* table = nullptr;   // one byte per character, two for Asian fonts
    int32_t tableCount = 0;           // characters in the table
    QString filePath;
    GlyphSurface* surface = nullptr;   // carries the font and its character set
};

// One character's drawing job.
struct GlyphCell {
    uint8_t pitch = kFixedPitch;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t glyphWidth = 0;   // set by RasteriseGlyph
    int32_t glyphHeight = 0;
    char text[3] = {};           // one or two code bytes, zero-terminated
    uint8_t* buffer = nullptr;   // kGlyphBufferSize bytes
    GlyphSurface* surface = nullptr;
};

// Why the builder would refuse these parameters, in English (a cell above 2048 pixels or
// whose bitmap exceeds the 65536-byte buffer, a negative size, a reversed or out-of-range
// single-byte range, a variable-pitch full Asian font, …); empty when they are fine.
QString FontParametersProblem(const FontParameters& parameters);

// Builds the font file. False when the parameters are refused (nothing is created) or
// when the file cannot be written (an existing file is left as it was; fileError, when
// given, gets the system's reason). Shows progress and pumps the message loop through the
// registered LinkObserver.
bool BuildBitmapFont(const FontParameters& parameters, QString* fileError = nullptr);

// Draws the cell's text and packs its pixels into the cell's buffer. Sets the glyph width
// and height; returns the bitmap's size, ((width + 7) / 8) x height.
int RasteriseGlyph(GlyphCell& cell);

// The header of a font with these parameters (characterCount as given).
void WriteFontHeader(const FontParameters& parameters, BitmapFontHeader& header);

// A font file read back.
struct BitmapFontGlyph {
    uint8_t firstByte = 0;
    uint8_t secondByte = 0;   // 0 for single-byte codes
    int width = 0;
    int height = 0;
    QByteArray bits;   // height rows of (width + 7) / 8 bytes
};
struct BitmapFontFile {
    BitmapFontHeader header{};
    std::vector<BitmapFontGlyph> glyphs;
};

// Reads any of the three kinds (single-byte, full Asian by the code-page letter, table),
// only within bytes. False, with the reason in English, for a short or malformed file.
bool ParseBitmapFont(QByteArrayView bytes, BitmapFontFile& font, QString* problem = nullptr);

// A sheet of cells showing every glyph's bits, black on white, in a thin grey grid, scaled up
// so that small glyphs can be seen.
QImage RenderFontSheet(const BitmapFontFile& font);

}   // namespace lb
