// SPDX-License-Identifier: Apache-2.0
#pragma once
// What the port lists of the setup dialogs offer: their fixed names first, then the devices
// the system reports, and the check of a name the user types into them.

#include <QString>
#include <QStringList>
#include <cstddef>

namespace lb {

// The serial devices the system reports, by device path. Pseudo-terminals are not among
// them: those are typed.
QStringList SystemSerialDevices();
// The parallel printer devices present under devRoot: usb/lp* (USB printers), then lp*,
// each in the order of their numbers.
QStringList SystemParallelDevices(const QString& devRoot = QStringLiteral("/dev"));

// "COM1".."COM30", then each device that is not one of them already (/dev/ttyS0 is COM1),
// fits the record and is not listed twice. COMn stays item n-1.
QStringList SerialPortItems(const QStringList& devices);
// "LPT1".."LPT4", then the devices, likewise (/dev/lp0 is LPT1).
QStringList ParallelPortItems(const QStringList& devices);

// Why name cannot go into a zero-terminated field of fieldSize bytes: too long, or holding a
// control character. Empty when it can.
QString PortNameProblem(const QString& name, std::size_t fieldSize);

// What Set does with the text of an editable port list.
struct PortChoice {
    enum class Action { Keep, Write, Refuse } action = Action::Keep;
    QByteArray name;   // Write: the bytes for the field
    QString problem;   // Refuse: the message
};
// Nothing typed, or the unlisted name shown at loading left as it was (keptText), keeps
// the field; anything else is written when it fits.
PortChoice ChoosePort(const QString& text, const QString& keptText, std::size_t fieldSize);

}   // namespace lb
