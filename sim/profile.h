#pragma once
// What a simulated printer is: its firmware edition and the data of its replies. The shipped
// profiles are the JSON files of sim/profiles, built into the library as resources.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <cstdint>

namespace lb::sim {

struct Profile {
    int edition = 104;
    // "DPI" -> "203" answers "DIAGNOSTIC REPORT DPI\r\n" with the frame "{3|203}".
    QMap<QByteArray, QByteArray> reports;
    // Data of the frame that answers "DIAGNOSTIC INTERFACE …".
    QByteArray interfaceReply = "OK";
    uint8_t statusByte = 0x00;                       // answer to ESC ! ?
    QByteArray statusDetail = QByteArray(8, '\0');   // answer to ESC ! S CR LF
    QByteArray password;                             // empty: no password set
    QByteArray serialNumber;                         // the line that answers "OUT _SERIAL$"

    // Firmware up to edition 100 cannot hold a password.
    bool holdsPassword() const { return edition > 100; }

    static Profile Default();   // a typical edition-104, 203 dpi printer (edition-104.json)
    // A printer of the given firmware edition, answering the report keywords that edition
    // knows: below 100 no Z or D emulation, below 102 no CUTCOUNTER or MAXLENGTH, below 103
    // no RESETMILAGE, RESETCUTCOUNTER, RIBBONSENSOR, RIBBONENCODER or AUTOTHRESHOLD. The
    // shipped profiles 99, 100, 102, 103 and 104 (sim/profiles/edition-N.json) differ in
    // resolution and in some settings; another edition takes the nearest shipped one below
    // it (below 99: edition 99's).
    static Profile ForEdition(int edition);
    // Reads a JSON profile: {"edition":104,"reports":{"DPI":"203",…},"statusByte":0,…}.
    // Keys that are absent keep their Default() values (the format is described beside the
    // implementation). A resource path (":/…") reads an embedded profile.
    static bool LoadFromFile(const QString& path, Profile& out, QString* error);
};

}   // namespace lb::sim
