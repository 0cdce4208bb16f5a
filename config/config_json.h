// SPDX-License-Identifier: Apache-2.0
#pragma once
// The configuration as text: the JSON object that ConfigJson makes (what show-config --json
// and read-config --json print) read back into the record, so that a configuration file can
// be kept, compared and edited as text beside the binary .dcf.
//
// The text form holds exactly the keys ConfigJson writes, each once: the header fields, the
// panel's unit (UnitIsInch) and every setting, null when absent. It carries no printer
// status. A record made from the text starts as ClearConfig leaves one, so the values of
// absent settings are the cleared ones, as after a read that did not get them.

#include "config/printer_config.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace lb {

enum class ConfigTextError {
    None,
    Syntax,        // not JSON
    NotAnObject,   // JSON, but not one object
    TooLarge,      // more than kMaxConfigTextSize bytes
    UnknownKey,
    MissingKey,
    WrongType,    // a text where a number belongs, a fraction where an integer belongs, …
    OutOfRange,   // beyond what the field holds, or a list position no reply gives
    TooLong,      // a text longer than its field
    NotCarried,   // when making the text: a value JSON cannot hold (not finite)
};

struct ConfigTextProblem {
    ConfigTextError error = ConfigTextError::None;
    QString key;       // the key concerned; empty for Syntax, NotAnObject and TooLarge
    QString message;   // in English, naming the key (the command line's words)
};

// Far more than any configuration's text (about 2 KB); a larger file is not one.
constexpr qsizetype kMaxConfigTextSize = qsizetype(1) << 20;

// Reads the text form into config. Refuses, naming the key, an unknown or missing key, a
// value of the wrong type, a number beyond its field (int32, float32, 0 or 1 for ConfigRead
// and UnitIsInch, 0 up to the table's length for the table settings, the length standing for
// a reply the table does not hold), and a text longer than its field, with a NUL or with a
// character outside Latin-1. Numbers for float fields are taken as the nearest float32, so
// every text ConfigJson made gives back the record's value exactly. On a refusal config is
// left as it was and *problem, when given, tells why.
bool ConfigFromJson(const QJsonObject& object, PrinterConfig& config, ConfigTextProblem* problem = nullptr);
// The same from the bytes of a file (UTF-8 JSON, a byte order mark allowed).
bool ParseConfigText(const QByteArray& text, PrinterConfig& config, ConfigTextProblem* problem = nullptr);

// The text form of config: ConfigJson(config) as indented JSON. JSON knows no sign of zero,
// so a -0 is written as 0. False, naming the key, when a float that the text would carry is
// not finite (JSON cannot hold it); text is then left as it was.
bool BuildConfigText(const PrinterConfig& config, QByteArray& text, ConfigTextProblem* problem = nullptr);

// Whether data is the text form rather than the binary .dcf: its first character after
// blanks (and a UTF-8 byte order mark) is '{'. A .dcf always starts with the bytes AA 55.
bool LooksLikeConfigText(const QByteArray& data);
// Whether a file of this name is written in the text form: its extension is .json, in any
// case of letters.
bool IsConfigTextName(const QString& path);

}   // namespace lb
