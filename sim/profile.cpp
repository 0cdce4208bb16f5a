// SPDX-License-Identifier: Apache-2.0
#include "sim/profile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>

// The profiles' resource registers itself as the program starts; a profile asked for by
// another static initializer may come first, so it is registered here as well (twice is
// harmless).
static void RegisterShippedProfiles() {
    Q_INIT_RESOURCE(labelbench_sim_profiles);
}

namespace lb::sim {

namespace {

// Where sim/CMakeLists.txt puts the shipped profiles.
constexpr char kShippedDir[] = ":/labelbench/sim/profiles";

// JSON profile format (every key optional; absent keys keep the values of the base profile,
// and the reports given are merged into its reports; texts are taken as Latin-1 bytes):
//   {
//     "edition": 104,                        firmware edition, answers EDITION
//     "reports": {"DPI": "300", ...},        reply data by report keyword; null removes a
//                                            keyword (older firmware gives no answer)
//     "interfaceReply": "OK",                data of the DIAGNOSTIC INTERFACE reply
//     "statusByte": 0,                       0..255, answer to ESC ! ?
//     "statusDetail": [0,0,0,0,12,0,0,0],    exactly 8 values 0..255, answer to ESC ! S
//     "password": "",                        the printer's password (edition above 100)
//     "serialNumber": "LB4203A0012345",      the line that answers OUT _SERIAL$
//     "memories": {                          any of "DRAM", "FLASH", "CARD"; a memory given
//       "FLASH": {                           keeps the base's values for its absent keys
//         "physicalKB": 4096,                integers >= 0, answer FPHYSPACE, FFREESPACE (D…
//         "freeKB": 3900,                    for DRAM, C… for CARD); free space is taken as
//                                            given, not computed from the files
//         "files": [                         replaces the memory's files, in this order;
//           {"name": "AUTO.BAS", "text": "…"},      names unique (case aside), no '"' and
//           {"name": "LOGO.BMP", "base64": "Qk0…"}  no control characters; the data as a
//         ]                                         Latin-1 text or base64, one of the two
//       }
//     },
//     "sensor": {                            the media sensor; absent keys keep the base's
//       "gap": {"liner": [80, 150, ...],     the gap sensor's readings at each intensity
//               "label": [30, 50, ...]},     level, over the liner and over the label:
//       "blackMark": {"liner": [...],        integers, as many levels (1..1024) in both;
//                     "label": [...]},       "liner" is the black mark for that sensor
//       "underSensor": "label"               "liner" or "label"
//     }
//   }
// The base of a file given by a user and of the shipped editions is Default(), which is
// edition-104.json read over a blank Profile.
// The base64 alphabet, with padding; QByteArray::fromBase64Encoding is strict only about it.
bool IsBase64(const QByteArray& text) {
    return QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors).decodingStatus ==
           QByteArray::Base64DecodingStatus::Ok;
}

bool ReadFiles(const QJsonValue& v, const char* memory, QList<MemoryFile>& files, QString& message) {
    const QString where = QStringLiteral("\"memories\".\"%1\".\"files\"").arg(QLatin1String(memory));
    if (!v.isArray()) {
        message = QStringLiteral("%1 must be an array").arg(where);
        return false;
    }
    QList<MemoryFile> read;
    for (const QJsonValue& entry : v.toArray()) {
        const QJsonObject o = entry.toObject();
        const QJsonValue name = o.value(QLatin1String("name"));
        const QJsonValue text = o.value(QLatin1String("text"));
        const QJsonValue base64 = o.value(QLatin1String("base64"));
        MemoryFile file;
        file.name = name.toString().toLatin1();
        // A name the printer could not be asked for between quotes is a mistake in the profile.
        const bool nameOk = name.isString() && !file.name.isEmpty() &&
                            std::none_of(file.name.begin(), file.name.end(),
                                         [](char c) { return c == '"' || uint8_t(c) < 0x20 || c == 0x7f; });
        if (!entry.isObject() || !nameOk || text.isUndefined() == base64.isUndefined() ||
            (!text.isUndefined() && !text.isString()) ||
            (!base64.isUndefined() && (!base64.isString() || !IsBase64(base64.toString().toLatin1())))) {
            message = QStringLiteral("%1: each file needs a \"name\" and either a \"text\" or a base64 "
                                     "\"base64\"")
                          .arg(where);
            return false;
        }
        file.data = text.isString() ? text.toString().toLatin1()
                                    : QByteArray::fromBase64(base64.toString().toLatin1());
        for (const MemoryFile& other : read)
            if (other.name.compare(file.name, Qt::CaseInsensitive) == 0) {
                message = QStringLiteral("%1: \"%2\" is there twice").arg(where, name.toString());
                return false;
            }
        read.append(file);
    }
    files = read;
    return true;
}

bool ReadMemories(const QJsonValue& v, Profile& p, QString& message) {
    if (!v.isObject()) {
        message = QStringLiteral("\"memories\" must be an object");
        return false;
    }
    const QJsonObject memories = v.toObject();
    for (auto it = memories.begin(); it != memories.end(); ++it) {
        int id = 0;
        while (id < Memory::kCount && it.key() != QLatin1String(Memory::Name(Memory::Id(id))))
            ++id;
        if (id == Memory::kCount || !it.value().isObject()) {
            message = QStringLiteral("\"memories\" holds objects named DRAM, FLASH or CARD, not \"%1\"")
                          .arg(it.key());
            return false;
        }
        const char* name = Memory::Name(Memory::Id(id));
        Memory& memory = p.memories[id];
        const QJsonObject o = it.value().toObject();
        for (auto [key, value] : {std::pair{"physicalKB", &memory.physicalKB}, {"freeKB", &memory.freeKB}}) {
            if (!o.contains(QLatin1String(key))) continue;
            const QJsonValue n = o.value(QLatin1String(key));
            if (!n.isDouble() || n.toDouble() != double(n.toInt()) || n.toInt() < 0) {
                message = QStringLiteral("\"memories\".\"%1\".\"%2\" must be an integer >= 0")
                              .arg(QLatin1String(name), QLatin1String(key));
                return false;
            }
            *value = n.toInt();
        }
        if (o.contains(QLatin1String("files")) &&
            !ReadFiles(o.value(QLatin1String("files")), name, memory.files, message))
            return false;
    }
    return true;
}

// Levels of a sensor curve: a sensor has a few dozen at most; 1024 keeps a mistaken profile
// from answering without end.
constexpr qsizetype kMaxSensorLevels = 1024;

bool ReadCurve(const QJsonValue& v, const char* kind, SensorCurve& curve, QString& message) {
    const QString where = QStringLiteral("\"sensor\".\"%1\"").arg(QLatin1String(kind));
    auto values = [](const QJsonValue& a, QList<int32_t>& out) {
        if (!a.isArray() || a.toArray().isEmpty() || a.toArray().size() > kMaxSensorLevels) return false;
        QList<int32_t> read;
        for (const QJsonValue& n : a.toArray()) {
            if (!n.isDouble() || n.toDouble() != double(n.toInt())) return false;
            read.append(n.toInt());
        }
        out = read;
        return true;
    };
    const QJsonObject o = v.toObject();
    SensorCurve read;
    if (!v.isObject() || !values(o.value(QLatin1String("liner")), read.liner) ||
        !values(o.value(QLatin1String("label")), read.label) || read.liner.size() != read.label.size()) {
        message = QStringLiteral("%1 needs \"liner\" and \"label\": arrays of 1 to %2 integers, as many in "
                                 "both")
                      .arg(where)
                      .arg(kMaxSensorLevels);
        return false;
    }
    curve = read;
    return true;
}

bool ReadSensor(const QJsonValue& v, MediaSensor& sensor, QString& message) {
    if (!v.isObject()) {
        message = QStringLiteral("\"sensor\" must be an object");
        return false;
    }
    const QJsonObject o = v.toObject();
    for (auto [key, curve] : {std::pair{"gap", &sensor.gap}, {"blackMark", &sensor.blackMark}}) {
        if (o.contains(QLatin1String(key)) && !ReadCurve(o.value(QLatin1String(key)), key, *curve, message))
            return false;
    }
    if (o.contains(QLatin1String("underSensor"))) {
        const QString under = o.value(QLatin1String("underSensor")).toString();
        if (under != QLatin1String("liner") && under != QLatin1String("label")) {
            message = QStringLiteral("\"sensor\".\"underSensor\" is \"liner\" or \"label\"");
            return false;
        }
        sensor.under = under == QLatin1String("liner") ? UnderSensor::Liner : UnderSensor::Label;
    }
    return true;
}

bool Read(const QString& path, const Profile& base, Profile& out, QString* error) {
    auto fail = [error](const QString& message) {
        if (error) *error = message;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull()) return fail(QStringLiteral("%1: %2").arg(path, parseError.errorString()));
    if (!doc.isObject()) return fail(QStringLiteral("%1: the profile must be a JSON object").arg(path));
    const QJsonObject o = doc.object();

    Profile p = base;
    auto byteValue = [&](const char* key, int& value) {
        if (!o.contains(QLatin1String(key))) return true;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isDouble() || v.toDouble() != double(v.toInt()) || v.toInt() < 0 || v.toInt() > 255)
            return false;
        value = v.toInt();
        return true;
    };
    auto textValue = [&](const char* key, QByteArray& value) {
        if (!o.contains(QLatin1String(key))) return true;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) return false;
        value = v.toString().toLatin1();
        return true;
    };

    if (o.contains(QLatin1String("edition"))) {
        const QJsonValue v = o.value(QLatin1String("edition"));
        if (!v.isDouble() || v.toDouble() != double(v.toInt()))
            return fail(QStringLiteral("\"edition\" must be an integer"));
        p.edition = v.toInt();
    }
    int status = p.statusByte;
    if (!byteValue("statusByte", status))
        return fail(QStringLiteral("\"statusByte\" must be an integer 0..255"));
    p.statusByte = uint8_t(status);
    if (o.contains(QLatin1String("statusDetail"))) {
        const QJsonValue v = o.value(QLatin1String("statusDetail"));
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 8)
            return fail(QStringLiteral("\"statusDetail\" must be an array of 8 bytes"));
        QByteArray detail;
        for (const QJsonValue& b : a) {
            if (!b.isDouble() || b.toDouble() != double(b.toInt()) || b.toInt() < 0 || b.toInt() > 255)
                return fail(QStringLiteral("\"statusDetail\" must be an array of 8 bytes"));
            detail.append(char(b.toInt()));
        }
        p.statusDetail = detail;
    }
    if (!textValue("interfaceReply", p.interfaceReply))
        return fail(QStringLiteral("\"interfaceReply\" must be a text"));
    if (!textValue("password", p.password)) return fail(QStringLiteral("\"password\" must be a text"));
    if (!textValue("serialNumber", p.serialNumber))
        return fail(QStringLiteral("\"serialNumber\" must be a text"));
    if (o.contains(QLatin1String("reports"))) {
        const QJsonValue v = o.value(QLatin1String("reports"));
        if (!v.isObject()) return fail(QStringLiteral("\"reports\" must be an object of texts"));
        const QJsonObject reports = v.toObject();
        for (auto it = reports.begin(); it != reports.end(); ++it) {
            const QByteArray key = it.key().toLatin1().toUpper();
            if (it.value().isNull()) {
                p.reports.remove(key);   // firmware that does not know the keyword
                continue;
            }
            if (!it.value().isString())
                return fail(QStringLiteral("report \"%1\" must be a text or null").arg(it.key()));
            p.reports.insert(key, it.value().toString().toLatin1());
        }
    }
    QString message;
    if (o.contains(QLatin1String("memories")) &&
        !ReadMemories(o.value(QLatin1String("memories")), p, message))
        return fail(message);
    if (o.contains(QLatin1String("sensor")) &&
        !ReadSensor(o.value(QLatin1String("sensor")), p.sensor, message))
        return fail(message);
    out = p;
    return true;
}

// A shipped profile that cannot be read is a broken build, not a condition to live with.
Profile ReadShipped(const QString& name, const Profile& base) {
    Profile p;
    QString error;
    if (!Read(QString::fromLatin1(kShippedDir) + u'/' + name, base, p, &error))
        qFatal("labelbench-sim: shipped profile %s: %s", qPrintable(name), qPrintable(error));
    return p;
}

const Profile& DefaultProfile() {
    static const Profile p = [] {
        RegisterShippedProfiles();
        return ReadShipped(QStringLiteral("edition-104.json"), Profile{});
    }();
    return p;
}

// The shipped editions by number, each read over Default().
const QMap<int, Profile>& ShippedEditions() {
    static const QMap<int, Profile> editions = [] {
        QMap<int, Profile> all;
        const Profile& base = DefaultProfile();
        const QStringList names =
            QDir(QString::fromLatin1(kShippedDir)).entryList({QStringLiteral("edition-*.json")}, QDir::Files);
        for (const QString& name : names) {
            bool ok = false;
            const int edition = name.mid(8, name.size() - 8 - 5).toInt(&ok);
            if (ok) all.insert(edition, ReadShipped(name, base));
        }
        if (all.isEmpty()) qFatal("labelbench-sim: no shipped profiles in %s", kShippedDir);
        return all;
    }();
    return editions;
}

// Space in whole KB, as the printer allocates it.
int WholeKB(qsizetype bytes) {
    return int((qint64(bytes) + 1023) / 1024);
}

}   // namespace

const char* Memory::Name(Id id) {
    static const char* const names[kCount] = {"DRAM", "FLASH", "CARD"};
    return names[id];
}

const MemoryFile* Memory::find(const QByteArray& name) const {
    for (const MemoryFile& f : files)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

void Memory::store(const QByteArray& name, QByteArray data) {
    remove(name);
    freeKB = qMax(0, freeKB - WholeKB(data.size()));
    files.append({name, std::move(data)});
}

bool Memory::remove(const QByteArray& name) {
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (files[i].name.compare(name, Qt::CaseInsensitive) != 0) continue;
        // Given back up to the physical size; a profile that gave more free space keeps it.
        freeKB = qMax(freeKB, qMin(physicalKB, freeKB + WholeKB(files[i].data.size())));
        files.removeAt(i);
        return true;
    }
    return false;
}

void Memory::clear() {
    files.clear();
    freeKB = physicalKB;
}

void Memory::append(const QByteArray& name, const QByteArray& bytes) {
    for (MemoryFile& f : files) {
        if (f.name.compare(name, Qt::CaseInsensitive) != 0) continue;
        const int before = WholeKB(f.data.size());
        f.data.append(bytes);
        freeKB = qMax(0, freeKB - (WholeKB(f.data.size()) - before));
        return;
    }
    store(name, bytes);
}

namespace {

// A local time as a wall-clock reading: the same date and time, in a spec without daylight
// saving time.
QDateTime WallClock(const QDateTime& local) {
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

}   // namespace

void NetworkInterface::resetToFactory() {
    const bool onLoopback = this->onLoopback;
    NetworkInterface factory;
    factory.mac = mac;
    factory.state = state;
    factory.flags = flags;
    *this = factory;
    if (onLoopback) serveOnLoopback();
}

void NetworkInterface::serveOnLoopback() {
    onLoopback = true;
    address = dhcpLease = {127, 0, 0, 1};
    mask = {255, 0, 0, 0};
    gateway = {0, 0, 0, 0};
}

QDateTime RealTimeClock::now() const {
    const QDateTime computer = computerNow ? computerNow() : QDateTime::currentDateTime();
    return WallClock(computer).addSecs(offsetSeconds);
}

void RealTimeClock::set(const QDateTime& reading) {
    const QDateTime computer = computerNow ? computerNow() : QDateTime::currentDateTime();
    offsetSeconds = WallClock(computer).secsTo(WallClock(reading));
}

const QList<int32_t>& MediaSensor::readingsOfPass(bool blackMark) const {
    UnderSensor side = under;
    if (turnsEachPass) {
        const int64_t now = SteadyNowMs();
        const bool newCalibration = lastPassMs < 0 || now - lastPassMs >= kNewCalibrationAfterMs;
        side = newCalibration || lastPass == UnderSensor::Label ? UnderSensor::Liner : UnderSensor::Label;
        lastPass = side;
        lastPassMs = now;
    }
    const SensorCurve& curve = blackMark ? this->blackMark : gap;
    return side == UnderSensor::Liner ? curve.liner : curve.label;
}

int64_t MediaSensor::SteadyNowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Profile Profile::Default() {
    return DefaultProfile();
}

Profile Profile::ForEdition(int edition) {
    const QMap<int, Profile>& shipped = ShippedEditions();
    // The nearest shipped edition at or below this one; the oldest for anything older.
    auto it = shipped.upperBound(edition);
    if (it != shipped.begin()) --it;
    Profile p = *it;
    p.edition = edition;
    return p;
}

bool Profile::LoadFromFile(const QString& path, Profile& out, QString* error) {
    return Read(path, Default(), out, error);
}

}   // namespace lb::sim
