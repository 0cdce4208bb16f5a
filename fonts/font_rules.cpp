// SPDX-License-Identifier: Apache-2.0
#include "fonts/font_rules.h"

#include "fonts/glyph_surface.h"
#include "link/command_format.h"
#include "link/link_types.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace lb {

QFont InitialFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QString InitialFontFamily() {
    return QFontInfo(InitialFont()).family();
}

QByteArray ProbeBytes(int fontEncode) {
    const bool asian = fontEncode == kAsianFontEncode || fontEncode == kEncodeByTableAsian;
    return asian ? QByteArray("\xE0\xA2") : QByteArray("W");
}

ProbeSize MeasureProbe(GlyphSurface& surface, int fontEncode) {
    // The probe as the character set reads it, whatever it makes of the two bytes.
    QStringDecoder decoder(FontCharsetAt(surface.charset()).converter, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(ProbeBytes(fontEncode));
    const QFontMetrics& metrics = surface.metrics();
    return {metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()};
}

namespace {

// A common character of the character set's script, as its code bytes.
QByteArray ScriptProbe(int charset, int fontEncode) {
    const bool doubleByte = fontEncode == kAsianFontEncode || fontEncode == kEncodeByTableAsian;
    switch (FontCharsetAt(charset).codePage) {
    case 950:
        return doubleByte ? QByteArray("\xA4\xA4") : QByteArray("A");   // 中
    case 936:
        return doubleByte ? QByteArray("\xD6\xD0") : QByteArray("A");   // 中
    case 949:
        return doubleByte ? QByteArray("\xB0\xA1") : QByteArray("A");   // 가
    case 932:
        return doubleByte ? QByteArray("\x82\xA0") : QByteArray("A");   // あ
    case 874:
        return QByteArray("\xA1");   // ก
    case 1255:
        return QByteArray("\xE0");   // א
    case 1256:
        return QByteArray("\xC7");   // ا
    default:
        return QByteArray("\xC4");   // Ä, Д, Δ …
    }
}

}   // namespace

std::optional<MissingScript> FindMissingScript(const QFont& font, int charset, int fontEncode) {
    QStringDecoder decoder(FontCharsetAt(charset).converter, QStringConverter::Flag::Stateless);
    const QList<uint> probe = QString(decoder.decode(ScriptProbe(charset, fontEncode))).toUcs4();
    if (decoder.hasError() || probe.size() != 1) return std::nullopt;
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.supportsCharacter(probe.first())) return std::nullopt;
    const char32_t character = probe.first();
    return MissingScript{raw.familyName(), QString::fromUcs4(&character, 1)};
}

int ProposedItalicWidth(const QFont& font, int width) {
    // Italic or bold italic, and nothing more.
    if (!font.italic() || font.underline() || font.strikeOut()) return 0;
    return width * 3 / 10;
}

std::optional<CodeRange> MappingPreset(int mapping) {
    if (mapping == 0) return CodeRange{32, 127};
    if (mapping == 1) return CodeRange{32, 255};
    return std::nullopt;
}

uint8_t PitchPresetForEncode(int fontEncode) {
    return fontEncode == kAsianFontEncode || fontEncode == kEncodeByTableAsian ? 0 : 1;
}

int CleanEncodeTable(QByteArray& table) {
    if (table.size() > kMaxEncodeTableBytes) {
        table.clear();
        return 0;
    }
    table.erase(std::remove_if(table.begin(), table.end(), [](char c) { return uchar(c) < 0x20; }),
                table.end());
    return int(table.size());
}

int ReadEncodeTableFile(const QString& path, QByteArray& table) {
    table.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    // One byte more than allowed tells a file that is too large.
    table = file.read(kMaxEncodeTableBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        table.clear();
        return 0;
    }
    return CleanEncodeTable(table);
}

std::optional<QByteArray> EncodeTableText(const QString& text, int charset, char32_t* refused) {
    const char* converter = FontCharsetAt(charset).converter;
    QStringEncoder encoder(converter, QStringConverter::Flag::Stateless);
    QStringDecoder decoder(converter, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && QString(decoder.decode(bytes)) == text) return bytes;
    // Character by character, to name the first one without a code (no '?', no look-alike).
    bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString c = text.mid(i, pair ? 2 : 1);
        const QByteArray code = encoder.encode(c);
        if (QString(decoder.decode(code)) != c) {
            if (refused)
                *refused = pair ? QChar::surrogateToUcs4(c.at(0), c.at(1)) : char32_t(c.at(0).unicode());
            return std::nullopt;
        }
        bytes.append(code);
        if (pair) ++i;
    }
    return bytes;
}

QString PrinterFontNameProblem(const QString& name) {
    if (name.isEmpty()) return QCoreApplication::translate("lb::FontRules", "Type the printer font name.");
    if (name.size() > kMaxPrinterFontName)
        return QCoreApplication::translate("lb::FontRules",
                                           "The printer font name has %1 characters; at most %2 fit.")
            .arg(name.size())
            .arg(kMaxPrinterFontName);
    QByteArray bytes;
    if (!Latin1Bytes(name, bytes) || !IsQuotableText(bytes))
        return QCoreApplication::translate(
            "lb::FontRules",
            "The printer font name cannot contain a double quote, a line break or another control "
            "character, nor a character beyond Latin-1.");
    return QString();
}

}   // namespace lb
