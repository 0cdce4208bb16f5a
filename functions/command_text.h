// SPDX-License-Identifier: Apache-2.0
#pragma once
// The command tool's text and the printer's bytes: the encodings the editor's text goes out
// in and files are read with, the editor's line ends as CR LF, and a reply made readable.

#include <QByteArray>
#include <QString>
#include <span>

namespace lb {

struct CommandTextEncoding {
    const char* converter;   // the name Qt's (ICU's) converters know it by
    const char* item;        // the list's text, the same in every language
    const char* language;    // what it writes, through QCoreApplication::translate("lb::CommandText", …)
};

// Windows-1252 first (the default: what a Western system sends), then UTF-8 and the code
// pages of the printer's Asian fonts.
std::span<const CommandTextEncoding> CommandTextEncodings();
constexpr int kDefaultCommandTextEncoding = 0;
// An encoding by its place in the list; the default for a place beyond it.
const CommandTextEncoding& CommandTextEncodingAt(int encoding);
// What an encoding writes, in the current language: "Japanese".
QString CommandTextEncodingLanguage(int encoding);

// What Encode made of a text: the bytes, or the first character the encoding cannot hold
// (bytes then empty).
struct EncodedCommandText {
    QByteArray bytes;
    bool ok = true;
    char32_t refused = 0;
};

// The editor's text (blocks separated by U+2029, as the edit control keeps them; a line
// separator or a LF counts as a line end too) in the encoding, with CR LF line ends. A
// character the encoding cannot hold is refused, never replaced by '?'.
EncodedCommandText EncodeCommandText(const QString& text, int encoding);
// A refused character for a message: "中 (U+4E2D)".
QString CharacterWithCodePoint(char32_t c);

// A file's bytes as editor text: up to the first zero byte, decoded in the encoding; a byte
// order mark is kept, so that the text encodes back to the same bytes. undecodable tells
// whether some bytes are no text in the encoding (they become U+FFFD).
QString DecodeCommandText(const QByteArray& bytes, int encoding, bool* undecodable = nullptr);

// A reply for a person: CR LF as a line break, every other byte below 0x20 and 0x7F as
// "<1B>", the rest decoded in the encoding.
QString ReplyDisplayText(const QByteArray& reply, int encoding);

}   // namespace lb
