// SPDX-License-Identifier: Apache-2.0
#include "link/ui/port_choices.h"

#include "link/link_types.h"
#include "link/serial_port_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace lb {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("lb::PortChoices", text);
}

// The fixed items, then the devices that add something.
QStringList WithDevices(QStringList items, const QStringList& itemDevices, const QStringList& devices,
                        std::size_t fieldSize) {
    for (const QString& device : devices) {
        if (device.isEmpty() || items.contains(device) || itemDevices.contains(device)) continue;
        if (!PortNameProblem(device, fieldSize).isEmpty()) continue;   // could not be stored
        items.append(device);
    }
    return items;
}

}   // namespace

QStringList SystemSerialDevices() {
    QStringList devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        devices.append(port.systemLocation());
    return devices;
}

QStringList SystemParallelDevices(const QString& devRoot) {
    static const QRegularExpression printerName(QStringLiteral("^lp(\\d+)$"));
    QStringList devices;
    for (const QString& folder : {devRoot + QStringLiteral("/usb"), devRoot}) {
        QList<std::pair<int, QString>> found;
        // Device nodes are "system" entries; listed whether or not this user may open them.
        const QStringList names = QDir(folder).entryList({QStringLiteral("lp*")}, QDir::System | QDir::Files);
        for (const QString& name : names) {
            const QRegularExpressionMatch match = printerName.match(name);
            if (match.hasMatch()) found.append({match.captured(1).toInt(), folder + u'/' + name});
        }
        std::sort(found.begin(), found.end());
        for (const auto& [number, path] : found)
            devices.append(path);
    }
    return devices;
}

QStringList SerialPortItems(const QStringList& devices) {
    QStringList items;
    QStringList itemDevices;
    for (int n = 1; n <= kSerialPortCount; ++n) {
        const QByteArray name = "COM" + QByteArray::number(n);
        items.append(QString::fromLatin1(name));
        itemDevices.append(
            QString::fromLocal8Bit(SerialDevicePath(name.constData(), std::size_t(name.size()) + 1)));
    }
    return WithDevices(items, itemDevices, devices, sizeof(SerialSettings::portName));
}

QStringList ParallelPortItems(const QStringList& devices) {
    QStringList items;
    QStringList itemDevices;
    for (int n = 1; n <= 4; ++n) {
        const QByteArray name = "LPT" + QByteArray::number(n);
        ParallelPortName port{};
        CopyToField(port.name, name.constData(), std::size_t(name.size()));
        items.append(QString::fromLatin1(name));
        itemDevices.append(QString::fromLocal8Bit(ParallelDevicePath(port)));
    }
    return WithDevices(items, itemDevices, devices, sizeof(ParallelPortName::name));
}

QString PortNameProblem(const QString& name, std::size_t fieldSize) {
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return Tr("A port name must not contain control characters.");
    // The field holds the name's bytes and a terminating zero.
    if (std::size_t(name.toLocal8Bit().size()) >= fieldSize)
        return Tr("The port name is too long: at most %1 characters.").arg(fieldSize - 1);
    return QString();
}

PortChoice ChoosePort(const QString& text, const QString& keptText, std::size_t fieldSize) {
    PortChoice choice;
    if (text.isEmpty() || (!keptText.isEmpty() && text == keptText)) return choice;
    choice.problem = PortNameProblem(text, fieldSize);
    if (!choice.problem.isEmpty()) {
        choice.action = PortChoice::Action::Refuse;
        return choice;
    }
    choice.action = PortChoice::Action::Write;
    choice.name = text.toLocal8Bit();
    return choice;
}

}   // namespace lb
