#include "sim/profile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
//     "serialNumber": "LB4203A0012345"       the line that answers OUT _SERIAL$
//   }
// The base of a file given by a user and of the shipped editions is Default(), which is
// edition-104.json read over a blank Profile.
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

}   // namespace

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
