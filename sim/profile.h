// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a simulated printer is: its firmware edition and the data of its replies. The shipped
// profiles are the JSON files of sim/profiles, built into the library as resources.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace lb::sim {

// A file stored in one of the printer's memories.
struct MemoryFile {
    QByteArray name;
    QByteArray data;
};

// One of the printer's memories: its sizes as the reports give them, and its files in the
// order they were stored. File names are compared as the printer does, without regard to the
// case of their letters.
struct Memory {
    enum Id { Dram, Flash, Card };
    static constexpr int kCount = 3;

    int physicalKB = 0;
    int freeKB = 0;
    QList<MemoryFile> files;

    // "DRAM", "FLASH", "CARD".
    static const char* Name(Id id);
    // The stored file of that name, or nullptr.
    const MemoryFile* find(const QByteArray& name) const;
    // Stores data under name (a file of the same name is replaced and its space given back)
    // and lowers the free space by its size in whole KB, not below 0.
    void store(const QByteArray& name, QByteArray data);
    // Deletes the file of that name and gives its space back; false when there is none.
    bool remove(const QByteArray& name);
    // Adds bytes at the end of the file of that name (stored as a new file when there is
    // none), its space counted as store counts it.
    void append(const QByteArray& name, const QByteArray& bytes);
    // Deletes every file: the whole memory is free.
    void clear();
};

// The media sensor's raw value at every intensity level (reading i is level i), over each of
// the two things a calibration tells apart.
struct SensorCurve {
    QList<int32_t> liner;   // over the liner between labels, or over the black mark
    QList<int32_t> label;   // over the label
};

enum class UnderSensor { Liner, Label };

// The media sensor: the curves of the gap sensor (GAPSENSOR) and of the black mark sensor
// (BLINESENSOR), and what lies under it.
struct MediaSensor {
    SensorCurve gap;
    SensorCurve blackMark;
    UnderSensor under = UnderSensor::Label;
    // The media moves on by itself, one side per reading pass (one sensor report): each pass
    // sees the other side than the pass before, and the first pass, like one after a quiet
    // minute, sees the liner. So an assisted calibration reads the liner, then the label.
    bool turnsEachPass = false;
    static constexpr int64_t kNewCalibrationAfterMs = 60000;

    // The readings of one pass of the black mark sensor's or the gap sensor's over what lies
    // under it; when the media turns each pass, the pass moves it on first. The pass state
    // is mutable: the printer's lock guards it as it guards the rest of the profile.
    const QList<int32_t>& readingsOfPass(bool blackMark) const;
    // A steady clock in ms.
    static int64_t SteadyNowMs();

    mutable UnderSensor lastPass = UnderSensor::Label;
    mutable int64_t lastPassMs = -1;   // steady clock; -1: no pass yet
};

// The real-time clock: it runs as the computer's local time does, offsetSeconds ahead of it
// (behind when negative). Readings are wall-clock times in the UTC time spec, so that no
// daylight saving change moves the printer's clock; a printer's clock knows none. Neither
// the offset nor the format is read from a JSON profile: every printer starts at the
// computer's time with the time stamp disabled.
struct RealTimeClock {
    int64_t offsetSeconds = 0;
    int32_t format = 0;   // RTCFORMAT, 0..4
    // The computer's local time; empty: QDateTime::currentDateTime(). Tests hold it still.
    std::function<QDateTime()> computerNow;

    QDateTime now() const;
    // From now on the clock reads reading (its date and time as they are) and runs on.
    void set(const QDateTime& reading);
};

// The network interface: its MAC, the settings that the NET commands (over the link) and the
// discovery protocol's writes (over UDP) change, and the state a discovery reply tells. Like
// the clock, not read from a JSON profile: every printer leaves the factory with these
// settings; tests and labelbench-sim give a second printer another MAC, name and address.
struct NetworkInterface {
    using Address = std::array<uint8_t, 4>;   // in dotted order

    std::array<uint8_t, 6> mac = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};   // locally administered
    bool dhcp = false;
    Address address = {192, 168, 1, 100};   // configured (static) address
    Address mask = {255, 255, 255, 0};
    Address gateway = {192, 168, 1, 1};
    Address dhcpLease = {192, 168, 1, 57};   // what the network's DHCP server hands out
    QByteArray name = "LABELPRINTER";
    uint8_t state = 0;   // 1 printing, 2 paused, 3 error, else ready
    uint8_t flags = 0;   // the error flags beside state 3

    // The address in use: the lease under DHCP, the configured one otherwise.
    Address addressInUse() const { return dhcp ? dhcpLease : address; }
    bool onLoopback = false;   // see serveOnLoopback

    // Back to the factory's settings; the MAC, the state and the flags stay, and so does a
    // printer served on loopback.
    void resetToFactory();
    // The printer the simulator serves on loopback: its address (configured and leased alike,
    // so a switch to DHCP keeps it reachable) is 127.0.0.1 in 255.0.0.0, with no gateway; a
    // discovery then announces the address its link really answers on.
    void serveOnLoopback();
};

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
    std::array<Memory, Memory::kCount> memories;     // by Memory::Id
    MediaSensor sensor;
    RealTimeClock clock;
    NetworkInterface network;

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
