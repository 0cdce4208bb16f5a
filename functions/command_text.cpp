// SPDX-License-Identifier: Apache-2.0
#include "functions/command_text.h"

#include "link/code_pages.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace lb {
namespace {

// The code pages' converters are link/code_pages.h's.
constexpr std::array kEncodings = {
    CommandTextEncoding{CodePageConverter(1252), "Windows-1252",
                        QT_TRANSLATE_NOOP("lb::CommandText", "Western")},
    CommandTextEncoding{"UTF-8", "UTF-8", QT_TRANSLATE_NOOP("lb::CommandText", "Unicode")},
    CommandTextEncoding{CodePageConverter(950), "Big5 (950)",
                        QT_TRANSLATE_NOOP("lb::CommandText", "Traditional Chinese")},
    CommandTextEncoding{CodePageConverter(936), "GBK (936)",
                        QT_TRANSLATE_NOOP("lb::CommandText", "Simplified Chinese")},
    CommandTextEncoding{CodePageConverter(932), "Shift_JIS (932)",
                        QT_TRANSLATE_NOOP("lb::CommandText", "Japanese")},
    CommandTextEncoding{CodePageConverter(949), "Windows-949",
                        QT_TRANSLATE_NOOP("lb::CommandText", "Korean")},
};

bool IsLineEnd(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Every line end of the editor's text, whatever the edit control made of it, as CR LF.
QString WithCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!IsLineEnd(c)) {
            out.append(c);
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        out.append(QLatin1String("\r\n"));
    }
    return out;
}

// c in the encoding, when it goes out and reads back as itself: no substitute, no best-fit
// look-alike. Judged by the bytes alone: an error flag stays set once raised, and resetting
// an ICU converter's state closes it.
bool EncodeOne(QStringEncoder& encoder, QStringDecoder& decoder, const QString& c, QByteArray& out) {
    const QByteArray bytes = encoder.encode(c);
    if (QString(decoder.decode(bytes)) != c) return false;
    out.append(bytes);
    return true;
}

}   // namespace

std::span<const CommandTextEncoding> CommandTextEncodings() {
    return kEncodings;
}

const CommandTextEncoding& CommandTextEncodingAt(int encoding) {
    const bool known = encoding >= 0 && encoding < int(kEncodings.size());
    return kEncodings[std::size_t(known ? encoding : kDefaultCommandTextEncoding)];
}

QString CommandTextEncodingLanguage(int encoding) {
    return QCoreApplication::translate("lb::CommandText", CommandTextEncodingAt(encoding).language);
}

EncodedCommandText EncodeCommandText(const QString& text, int encoding) {
    const QString lines = WithCrLf(text);
    const char* converter = CommandTextEncodingAt(encoding).converter;
    QStringEncoder encoder(converter, QStringConverter::Flag::Stateless);
    QStringDecoder decoder(converter,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    EncodedCommandText result;
    result.bytes = encoder.encode(lines);
    if (!encoder.hasError() && QString(decoder.decode(result.bytes)) == lines && !decoder.hasError())
        return result;

    // Something did not survive: character by character, to name the first one that the
    // encoding does not hold (the encodings offered keep no state between characters).
    result.bytes.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool pair =
            lines.at(i).isHighSurrogate() && i + 1 < lines.size() && lines.at(i + 1).isLowSurrogate();
        const QString c = lines.mid(i, pair ? 2 : 1);
        if (!EncodeOne(encoder, decoder, c, result.bytes)) {
            result.bytes.clear();
            result.ok = false;
            result.refused = pair ? QChar::surrogateToUcs4(c.at(0), c.at(1)) : char32_t(c.at(0).unicode());
            return result;
        }
        if (pair) ++i;
    }
    return result;
}

QString CharacterWithCodePoint(char32_t c) {
    return QStringLiteral("%1 (U+%2)")
        .arg(QString::fromUcs4(&c, 1))
        .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
}

QString DecodeCommandText(const QByteArray& bytes, int encoding, bool* undecodable) {
    const qsizetype zero = bytes.indexOf('\0');
    const QByteArray text = zero < 0 ? bytes : bytes.left(zero);
    // Stateless: a sequence cut off at the end of the file becomes U+FFFD instead of vanishing.
    QStringDecoder decoder(CommandTextEncodingAt(encoding).converter,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString decoded = decoder.decode(text);
    if (undecodable) *undecodable = decoder.hasError();
    return decoded;
}

QString ReplyDisplayText(const QByteArray& reply, int encoding) {
    QStringDecoder decoder(CommandTextEncodingAt(encoding).converter, QStringConverter::Flag::Stateless);
    QString shown;
    qsizetype run = 0;   // where the printable bytes not yet decoded begin
    auto flush = [&](qsizetype end) {
        if (end > run) {
            decoder.resetState();
            shown.append(decoder.decode(QByteArrayView(reply).sliced(run, end - run)));
        }
    };
    for (qsizetype i = 0; i < reply.size(); ++i) {
        const uchar byte = uchar(reply.at(i));
        if (byte >= 0x20 && byte != 0x7F) continue;
        flush(i);
        if (byte == '\r' && i + 1 < reply.size() && reply.at(i + 1) == '\n') {
            shown.append(u'\n');
            ++i;
        } else {
            shown.append(QStringLiteral("<%1>").arg(uint(byte), 2, 16, QChar(u'0')).toUpper());
        }
        run = i + 1;
    }
    flush(reply.size());
    return shown;
}

}   // namespace lb
