// SPDX-License-Identifier: Apache-2.0
#include "config/config_json.h"

#include "config/config_panel.h"
#include "config/config_text.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace lb {
namespace {

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// The settings that hold a position in one of the reply tables: the reader keeps a reply the
// table does not hold as the table's length, so 0 up to the length are the values a read gives.
struct TableSetting {
    const char* name;
    std::size_t length;
};
const TableSetting kTableSettings[] = {
    {"CodePage", CodePageNames.size()}, {"Country", CountryCodes.size()}, {"BaudRate", BaudRateNames.size()},
    {"DataBits", DataBitsNames.size()}, {"Parity", ParityNames.size()},   {"StopBits", StopBitsNames.size()},
};

// The header's keys in the order the record holds them; the settings follow PanelFields().
const char* const kHeaderKeys[] = {"Edition",     "ConfigRead",      "Dpi",          "DotsPerMm",
                                   "CutCounter",  "ResetCutCounter", "Version",      "Milage",
                                   "ResetMilage", "Checksum",        "SerialNumber", "UnitIsInch"};

QString Quoted(const QString& key) {
    return u'"' + key + u'"';
}

QString NumberText(double value) {
    return GeneralFloatText(value);
}

// Reads one key after another and stops at the first problem.
class Reader {
public:
    Reader(const QJsonObject& object, ConfigTextProblem& problem) : m_object(object), m_problem(problem) {}

    bool failed() const { return m_problem.error != ConfigTextError::None; }

    int32_t integer(const char* key, int64_t min = kInt32Min, int64_t max = kInt32Max) {
        const std::optional<QJsonValue> v = value(key);
        if (!v) return 0;
        if (!v->isDouble()) {
            wrongType(key, "an integer");
            return 0;
        }
        return whole(key, v->toDouble(), min, max, "an integer").value_or(0);
    }
    uint8_t flag(const char* key) { return uint8_t(integer(key, 0, 1)); }
    float real(const char* key) {
        const std::optional<QJsonValue> v = value(key);
        if (!v) return 0.0f;
        if (!v->isDouble()) {
            wrongType(key, "a number");
            return 0.0f;
        }
        return narrow(key, v->toDouble()).value_or(0.0f);
    }
    template <std::size_t N> void text(const char* key, char (&field)[N]) {
        const std::optional<QJsonValue> v = value(key);
        if (!v) return;
        if (!v->isString()) return wrongType(key, "a text");
        const QString s = v->toString();
        if (s.size() > qsizetype(N))
            return fail(ConfigTextError::TooLong, key,
                        QStringLiteral("%1 holds %2 characters; its field takes at most %3")
                            .arg(Quoted(key))
                            .arg(s.size())
                            .arg(N));
        for (const QChar c : s) {
            if (c.unicode() > 0xFF)
                return fail(ConfigTextError::OutOfRange, key,
                            QStringLiteral("%1 holds a character outside Latin-1").arg(Quoted(key)));
            // The field would end there: the rest could never be read back.
            if (c.unicode() == 0)
                return fail(ConfigTextError::OutOfRange, key,
                            QStringLiteral("%1 holds a NUL character").arg(Quoted(key)));
        }
        std::memset(field, 0, N);
        const QByteArray bytes = s.toLatin1();
        std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
    }

    // The settings: the value, or nothing for null (absent) and on a problem.
    std::optional<int32_t> intItem(const char* key, int64_t min, int64_t max) {
        const std::optional<QJsonValue> v = value(key);
        if (!v || v->isNull()) return std::nullopt;
        if (!v->isDouble()) {
            wrongType(key, "an integer or null");
            return std::nullopt;
        }
        return whole(key, v->toDouble(), min, max, "an integer or null");
    }
    std::optional<float> floatItem(const char* key) {
        const std::optional<QJsonValue> v = value(key);
        if (!v || v->isNull()) return std::nullopt;
        if (!v->isDouble()) {
            wrongType(key, "a number or null");
            return std::nullopt;
        }
        return narrow(key, v->toDouble());
    }
    std::optional<char> byteItem(const char* key) {
        const std::optional<QJsonValue> v = value(key);
        if (!v || v->isNull()) return std::nullopt;
        const QString s = v->toString();
        if (!v->isString() || s.size() != 1) {
            wrongType(key, "a text of one character or null");
            return std::nullopt;
        }
        if (s.at(0).unicode() > 0xFF) {
            fail(ConfigTextError::OutOfRange, key,
                 QStringLiteral("%1 holds a character outside Latin-1").arg(Quoted(key)));
            return std::nullopt;
        }
        return char(s.at(0).unicode());
    }

    void fail(ConfigTextError error, const QString& key, const QString& message) {
        if (failed()) return;
        m_problem = {error, key, message};
    }

private:
    // The key's value; nothing when an earlier key failed or this one is missing.
    std::optional<QJsonValue> value(const char* key) {
        if (failed()) return std::nullopt;
        const auto it = m_object.constFind(QLatin1String(key));
        if (it == m_object.constEnd()) {
            fail(ConfigTextError::MissingKey, key, QStringLiteral("%1 is missing").arg(Quoted(key)));
            return std::nullopt;
        }
        return *it;
    }
    void wrongType(const char* key, const char* expected) {
        fail(ConfigTextError::WrongType, key,
             QStringLiteral("%1 must be %2").arg(Quoted(key), QLatin1String(expected)));
    }
    std::optional<int32_t> whole(const char* key, double v, int64_t min, int64_t max, const char* expected) {
        if (v != std::trunc(v)) {
            wrongType(key, expected);
            return std::nullopt;
        }
        if (v < double(min) || v > double(max)) {
            fail(ConfigTextError::OutOfRange, key,
                 QStringLiteral("%1 holds %2, outside %3 to %4")
                     .arg(Quoted(key), NumberText(v))
                     .arg(min)
                     .arg(max));
            return std::nullopt;
        }
        return int32_t(v);
    }
    std::optional<float> narrow(const char* key, double v) {
        if (!(std::fabs(v) <= double(FLT_MAX))) {
            fail(ConfigTextError::OutOfRange, key,
                 QStringLiteral("%1 holds %2, beyond the range of its float field")
                     .arg(Quoted(key), NumberText(v)));
            return std::nullopt;
        }
        return float(v);
    }

    const QJsonObject& m_object;
    ConfigTextProblem& m_problem;
};

std::pair<int64_t, int64_t> ItemRange(const char* name) {
    for (const TableSetting& table : kTableSettings)
        if (std::strcmp(table.name, name) == 0) return {0, int64_t(table.length)};
    return {kInt32Min, kInt32Max};
}

bool Refuse(ConfigTextProblem* out, const ConfigTextProblem& problem) {
    if (out) *out = problem;
    return false;
}

}   // namespace

bool ConfigFromJson(const QJsonObject& object, PrinterConfig& config, ConfigTextProblem* problem) {
    ConfigTextProblem found;
    // Unknown keys first, so that a misspelt key is named rather than the one it misses.
    QSet<QString> known;
    for (const char* key : kHeaderKeys)
        known.insert(QLatin1String(key));
    for (const PanelField& field : PanelFields())
        known.insert(QLatin1String(field.name));
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        if (!known.contains(it.key()))
            return Refuse(problem, {ConfigTextError::UnknownKey, it.key(),
                                    QStringLiteral("unknown key %1").arg(Quoted(it.key()))});

    PrinterConfig c{};
    ClearConfig(c);
    Reader r(object, found);
    c.Edition = r.integer("Edition");
    c.ConfigRead = r.flag("ConfigRead");
    c.Dpi = r.real("Dpi");
    c.DotsPerMm = r.real("DotsPerMm");
    c.CutCounter = r.integer("CutCounter");
    c.ResetCutCounter = r.integer("ResetCutCounter");
    r.text("Version", c.Version);
    r.text("Milage", c.Milage);
    r.text("ResetMilage", c.ResetMilage);
    r.text("Checksum", c.Checksum);
    r.text("SerialNumber", c.SerialNumber);
    c.UnitIsInch = r.flag("UnitIsInch");
    // An absent setting keeps the cleared record's value.
    for (const PanelField& field : PanelFields()) {
        if (auto member = std::get_if<IntItem PrinterConfig::*>(&field.item)) {
            const auto [min, max] = ItemRange(field.name);
            if (const std::optional<int32_t> v = r.intItem(field.name, min, max)) c.*(*member) = {1, *v};
        } else if (auto member = std::get_if<FloatItem PrinterConfig::*>(&field.item)) {
            if (const std::optional<float> v = r.floatItem(field.name)) c.*(*member) = {1, *v};
        } else if (auto member = std::get_if<ByteItem PrinterConfig::*>(&field.item)) {
            if (const std::optional<char> v = r.byteItem(field.name)) c.*(*member) = {1, *v};
        }
    }
    if (r.failed()) return Refuse(problem, found);
    config = c;
    if (problem) *problem = {};
    return true;
}

bool ParseConfigText(const QByteArray& text, PrinterConfig& config, ConfigTextProblem* problem) {
    if (text.size() > kMaxConfigTextSize)
        return Refuse(problem, {ConfigTextError::TooLarge,
                                {},
                                QStringLiteral("the text is larger than %1 bytes").arg(kMaxConfigTextSize)});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return Refuse(
            problem,
            {ConfigTextError::Syntax,
             {},
             QStringLiteral("not valid JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset)});
    if (!document.isObject())
        return Refuse(problem, {ConfigTextError::NotAnObject, {}, QStringLiteral("not one JSON object")});
    return ConfigFromJson(document.object(), config, problem);
}

bool BuildConfigText(const PrinterConfig& c, QByteArray& text, ConfigTextProblem* problem) {
    auto notCarried = [&](const char* key, float value) {
        return Refuse(problem, {ConfigTextError::NotCarried, QLatin1String(key),
                                QStringLiteral("%1 holds %2, which the text form cannot carry")
                                    .arg(Quoted(QLatin1String(key)), NumberText(double(value)))});
    };
    if (!std::isfinite(c.Dpi)) return notCarried("Dpi", c.Dpi);
    if (!std::isfinite(c.DotsPerMm)) return notCarried("DotsPerMm", c.DotsPerMm);
    for (const PanelField& field : PanelFields()) {
        if (auto member = std::get_if<FloatItem PrinterConfig::*>(&field.item)) {
            const FloatItem& item = c.*(*member);
            if (item.present && !std::isfinite(item.value)) return notCarried(field.name, item.value);
        }
    }
    text = QJsonDocument(ConfigJson(c)).toJson(QJsonDocument::Indented);
    if (problem) *problem = {};
    return true;
}

bool LooksLikeConfigText(const QByteArray& data) {
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return i < data.size() && data[i] == '{';
}

bool IsConfigTextName(const QString& path) {
    return path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

}   // namespace lb
