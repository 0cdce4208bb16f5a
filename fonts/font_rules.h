// SPDX-License-Identifier: Apache-2.0
#pragma once
// The Bitmap Font Manager page's rules without the page: the initial font, the probe that
// proposes the cell size, a font that lacks its character set's script, the italic width, the
// presets of mapping and pitch, the encode table's bytes and the printer font name. The page
// and labelbench-cli both use them.

#include <QByteArray>
#include <QFont>
#include <QString>
#include <optional>

namespace lb {

class GlyphSurface;

// The items of "Font Encode".
enum FontEncode : int {
    kStandardEncode = 0,
    kAsianFontEncode = 1,
    kEncodeByTable = 2,
    kEncodeByTableAsian = 3
};
constexpr int kFontEncodeCount = 4;

// Arial, 13 pixels high: the font dialog's initial font. Where Arial is missing the platform
// draws a substitute; InitialFontFamily() names the family it resolves to.
QFont InitialFont();
QString InitialFontFamily();

// The probe text's code bytes: "W" for encodes 0 and 2, the double-byte 0xE0 0xA2 for 1 and 3.
QByteArray ProbeBytes(int fontEncode);
struct ProbeSize {
    int width = 0;    // proposed "Font Width"
    int height = 0;   // proposed "Font Height"
};
// The probe decoded in the surface's character set, measured with its font (text width =
// horizontal advance, text height = ascent + descent).
ProbeSize MeasureProbe(GlyphSurface& surface, int fontEncode);

// A font that has no characters of its character set's script: the family the platform
// draws with, and the script's character it lacks.
struct MissingScript {
    QString family;
    QString character;
};
// Whether the font lacks the script of the character set (fonts/font_charsets.h) in which the
// encode reads its codes. A font without it draws its cells empty, or in another font where the
// platform merges fonts; since any font can be chosen with any character set, the page notes it
// and labelbench-cli warns. One common character of the script is looked up among the font's
// own characters, not those the platform would borrow; the double-byte sets are probed with a
// double-byte character only for the Asian encodes, whose codes are double-byte. nullopt when
// the font has the character, or when the platform gives no font file to ask.
std::optional<MissingScript> FindMissingScript(const QFont& font, int charset, int fontEncode);

// width x 3 / 10 for a font that is exactly italic or exactly bold italic; 0 otherwise
// (also italic with underline or strike-out).
int ProposedItalicWidth(const QFont& font, int width);

// "Font Mapping": 0 -> 32..127, 1 -> 32..255, 2 (custom) leaves start and end: nullopt.
struct CodeRange {
    int start = 0;
    int end = 0;
};
std::optional<CodeRange> MappingPreset(int mapping);
// The pitch an encode presets: 0 -> variable, 1 -> fixed, 2 -> variable, 3 -> fixed.
uint8_t PitchPresetForEncode(int fontEncode);

// The encode table's limit: a table of more bytes counts as no table.
constexpr int kMaxEncodeTableBytes = 65535;
// The encode table from a memo's or a file's bytes: removes every byte below 0x20 in place,
// keeping the order of the rest. Returns the bytes left; 0 (table emptied) for more than
// kMaxEncodeTableBytes bytes.
int CleanEncodeTable(QByteArray& table);
// A table file read and cleaned; 0 when it cannot be read or is too large.
int ReadEncodeTableFile(const QString& path, QByteArray& table);
// A memo's text as the table's bytes in the character set (fonts/font_charsets.h). nullopt
// when a character has no code there; refused then names it.
std::optional<QByteArray> EncodeTableText(const QString& text, int charset, char32_t* refused = nullptr);

// The printer font name goes between double quotes in DOWNLOAD and is carried in a
// 32-character field.
constexpr int kMaxPrinterFontName = 31;
// Why a printer font name cannot be used (empty, longer than 31 characters, a double quote,
// a control character or a character beyond Latin-1), in the current language; empty when
// it can.
QString PrinterFontNameProblem(const QString& name);

}   // namespace lb
