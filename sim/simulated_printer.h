// SPDX-License-Identifier: Apache-2.0
#pragma once
// The simulated printer: a profile, the state it implies, and the capabilities that serve
// what LabelBench sends (sim/capability.h); a PrinterSession interprets one connection.

#include "sim/printer_session.h"
#include "sim/profile.h"

#include <QByteArray>
#include <QDateTime>
#include <QMutex>
#include <QMutexLocker>
#include <functional>
#include <optional>

namespace lb::sim {

class CapabilityRegistry;

// The capabilities of every simulated printer (sim/capabilities.cpp lists them).
const CapabilityRegistry& StandardCapabilities();

// The printer's lasting state, shared by every connection. Thread-safe.
class SimulatedPrinter {
public:
    // capabilities must outlive the printer.
    explicit SimulatedPrinter(Profile profile = Profile::Default(),
                              const CapabilityRegistry& capabilities = StandardCapabilities());
    Profile profile() const;
    void setProfile(const Profile& profile);
    // Changes the state in one step: change(Profile&) runs under the printer's lock, so it
    // must not call the printer itself. Returns what change returns.
    template <class Change> auto edit(Change&& change) {
        QMutexLocker lock(&m_mutex);
        return change(m_profile);
    }
    const CapabilityRegistry& capabilities() const { return m_capabilities; }

    // Serves a command as a connection would, its replies dropped: a configuration command
    // (SPEED, SIZE, SET …, a Z or D emulation line) changes the reports so that a written
    // setting reads back. Lengths in inch or mm become dots at the profile's resolution; a
    // report keyword the firmware does not know stays unknown.
    void apply(const Command& command);
    // The data that answers "DIAGNOSTIC REPORT keyword" (EDITION and PASSWORD come from the
    // profile's edition and password; PASSWORD is known only to editions above 100). A file
    // list answers several frames: it is known to reportFrames only.
    QByteArray reportReply(const QByteArray& keyword, bool* known) const;
    // The frames that answer "DIAGNOSTIC REPORT keyword": one, or a list's (a file list
    // answers one frame per name and an empty frame); nothing for an unknown keyword.
    std::optional<QList<QByteArray>> reportFrames(const QByteArray& keyword) const;
    // "DIAGNOSTIC PASSWORD": false (nothing changed) on an edition of 100 or less.
    bool setPassword(const QByteArray& password);

    // What lies under the media sensor: the sensor reports (GAPSENSOR, BLINESENSOR) answer the
    // readings over it. setUnderSensor also stops the media turning.
    void setUnderSensor(UnderSensor under);
    // Media that moves on by itself, one side per reading pass, liner first (MediaSensor).
    void setSensorTurnsEachPass();

    // The real-time clock (sim/clock_capability.cpp serves it): the computer's local time plus
    // an offset that lasts across connections. clockNow() is its reading, in the UTC time
    // spec (see RealTimeClock). setComputerClock replaces the computer's clock it runs on
    // (empty: the system's); tests hold it still.
    void setClockOffsetSeconds(qint64 seconds);
    qint64 clockOffsetSeconds() const;
    QDateTime clockNow() const;
    void setComputerClock(std::function<QDateTime()> now);

    // A mode in which the printer takes commands before its capabilities do: the dump mode
    // (sim/dump_capability.cpp). Every connection offers each command to the taker first; one
    // it takes (true) is not executed. The taker lasts across connections until it is
    // replaced or removed (nullptr), also by itself. It runs outside the printer's lock, so it
    // may call the printer. While one is set, a line is a command only at its LF: the commands
    // without line end (DOWNLOAD …) are not recognised, and no connection is taken for a raw
    // firmware transfer.
    using CommandTaker = std::function<bool(SimulatedPrinter&, const Command&)>;
    void setCommandTaker(CommandTaker taker);
    bool hasCommandTaker() const;
    // False when there is no taker or it did not take the command.
    bool offerToTaker(const Command& command);

    // What the printer has printed as plain text (the dump mode's print target).
    QByteArray printedText() const;
    void appendPrintedText(const QByteArray& text);

    // The bytes of the last firmware update: raw bytes sent without any command around them
    // (the rule is PrinterSession's). Not part of the profile; empty until one arrives.
    QByteArray lastFirmware() const;
    void beginFirmware(const QByteArray& bytes);
    void appendFirmware(const QByteArray& bytes);

private:
    mutable QMutex m_mutex;
    Profile m_profile;
    QByteArray m_firmware;
    QByteArray m_printed;
    CommandTaker m_taker;
    const CapabilityRegistry& m_capabilities;
};

}   // namespace lb::sim
