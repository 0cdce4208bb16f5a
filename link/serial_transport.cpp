// SPDX-License-Identifier: Apache-2.0
// The COM link: a serial port opened and configured from SerialSettings at every open.

#include "link/link_timing.h"
#include "link/link_wait.h"
#include "link/serial_port_settings.h"
#include "link/transport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <memory>

#ifndef _WIN32
#include <termios.h>
#include <unistd.h>
#endif

namespace lb {
namespace {

constexpr qint64 kQueueSize = 32768;

QSerialPort::Parity QtParity(SerialPortSettings::Parity parity) {
    switch (parity) {
    case SerialPortSettings::Parity::Odd:
        return QSerialPort::OddParity;
    case SerialPortSettings::Parity::Even:
        return QSerialPort::EvenParity;
    case SerialPortSettings::Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits QtStopBits(SerialPortSettings::StopBits bits) {
    switch (bits) {
    case SerialPortSettings::StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case SerialPortSettings::StopBits::Two:
        return QSerialPort::TwoStop;
    case SerialPortSettings::StopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

// Qt has one flow-control mode per port. CTS output flow takes the hardware mode, in which
// the driver also works RTS; XON/XOFF alone takes the software mode.
QSerialPort::FlowControl QtFlowControl(const SerialPortSettings& p) {
    if (p.ctsOutputFlow) return QSerialPort::HardwareControl;
    if (p.xonXoff) return QSerialPort::SoftwareControl;
    return QSerialPort::NoFlowControl;
}

#ifndef _WIN32
// What Qt's settings cannot say: parity checking of received bytes, and XON/XOFF beside
// hardware flow control. A line that refuses them is used as it is.
void ApplyLineDetails(int fd, const SerialPortSettings& p) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return;
    if (p.parityChecking) {
        tio.c_iflag |= INPCK;
        tio.c_iflag &= ~tcflag_t(IGNPAR);
    } else {
        tio.c_iflag &= ~tcflag_t(INPCK | PARMRK);
    }
    if (p.xonXoff)
        tio.c_iflag |= IXON | IXOFF;
    else
        tio.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    ::tcsetattr(fd, TCSANOW, &tio);
}
#endif

// Why a port did not open. Qt reports a port held by another program as a permission error
// too; only a device we may not open needs the group.
QString OpenReason(const QSerialPort& port, const QByteArray& device) {
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return QCoreApplication::translate("lb::Link", "no such device");
    case QSerialPort::PermissionError:
#ifndef _WIN32
        if (::access(device.constData(), R_OK | W_OK) != 0)
            return QCoreApplication::translate(
                "lb::Link", "permission denied: the user needs to be in group dialout (then log in again)");
#endif
        return QCoreApplication::translate("lb::Link", "in use by another program");
    default:
        return port.errorString();
    }
}

class SerialTransport final : public Transport {
public:
    LinkHandle open(const LinkSettingsView& settings) override {
        close();
        m_error.clear();
        if (!settings.serial) return kNoLink;
        const QByteArray name(settings.serial->portName, qsizetype(FieldLength(settings.serial->portName)));
        const QByteArray device = SerialDevicePath(settings.serial->portName);
        // "COM1 (/dev/ttyS0)"; a device path stands for itself.
        m_link = QString::fromLocal8Bit(name.isEmpty() ? QByteArray("COM") : name);
        if (!device.isEmpty() && device != name) m_link += " (" + QString::fromLocal8Bit(device) + ')';
        if (device.isEmpty()) {
            fail(QCoreApplication::translate("lb::Link",
                                             "not a serial port (COM1 to COM30, or a device path)"));
            return kNoLink;
        }

        m_port = std::make_unique<QSerialPort>();
        m_port->setPortName(QString::fromLocal8Bit(device));
        if (!m_port->open(QIODevice::ReadWrite)) {
            fail(OpenReason(*m_port, device));
            close();
            return kNoLink;
        }
        // The driver's queues cannot be sized here; Qt's read buffer stands in for the
        // input queue.
        m_port->setReadBufferSize(kQueueSize);
        m_port->clear(QSerialPort::AllDirections);

        // Settings the driver refuses are not fatal: the port keeps what it then has (a
        // pseudo-terminal ignores the baud rate and refuses the modem lines).
        const SerialPortSettings p = DeriveSerialPortSettings(*settings.serial);
        m_port->setBaudRate(p.baudRate);
        m_port->setDataBits(p.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
        m_port->setParity(QtParity(p.parity));
        m_port->setStopBits(QtStopBits(p.stopBits));
        m_port->setFlowControl(QtFlowControl(p));
#ifndef _WIN32
        ApplyLineDetails(int(m_port->handle()), p);
#endif
        // DTR first, then RTS. Under hardware flow control the driver owns RTS.
        if (p.dtr != LineControl::Disabled) m_port->setDataTerminalReady(true);
        if (p.rts == LineControl::Enabled && QtFlowControl(p) != QSerialPort::HardwareControl)
            m_port->setRequestToSend(true);
        if (p.dtr == LineControl::Disabled) m_port->setDataTerminalReady(false);
        if (p.rts == LineControl::Disabled) m_port->setRequestToSend(false);
        m_port->clearError();

        m_port->clear(QSerialPort::AllDirections);
        // The system's handle of the port is the link handle.
        return LinkHandle(m_port->handle());
    }

    void close() override {
        if (!m_port) return;
        m_port->close();
        m_port.reset();
    }

    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (!m_port || !m_port->isOpen()) return -1;
        if (length == 0) return 0;
        m_port->clearError();
        if (m_port->write(reinterpret_cast<const char*>(bytes), length) != qint64(length)) {
            fail(m_port->errorString());
            return -1;
        }
        // The chunk must have left within 10 ms per byte plus 3000 ms.
        const int boundMs = CurrentLinkTiming().deviceWriteBoundMs(length);
        QDeadlineTimer deadline(boundMs);
        while (m_port->bytesToWrite() > 0) {
            const qint64 left = deadline.remainingTime();
            if (left == 0) break;
            m_port->clearError();
            if (!m_port->waitForBytesWritten(int(left)) && m_port->error() != QSerialPort::TimeoutError &&
                m_port->error() != QSerialPort::NoError)
                break;
        }
        const qint64 pending = m_port->bytesToWrite();
        if (pending > 0) {
            if (m_port->error() != QSerialPort::NoError && m_port->error() != QSerialPort::TimeoutError)
                fail(m_port->errorString());
            else
                fail(QCoreApplication::translate("lb::Link", "the port did not send the data within %1 ms")
                         .arg(boundMs));
            // What did not go out is dropped, so that nothing of it trails into a later write.
            m_port->clear(QSerialPort::Output);
            return int64_t(length) - pending;
        }
        return length;
    }

    void discardArrived() override {
        if (m_port && m_port->isOpen()) m_port->clear(QSerialPort::Input);
    }

    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        if (!m_port || !m_port->isOpen() || maxLength == 0) return 0;
        if (m_port->bytesAvailable() == 0) {
            const WaitResult arrived = WaitInSlices(timeoutMs, [this](int ms) {
                // A time-out leaves a sticky error behind; the next wait must not see it.
                m_port->clearError();
                if (m_port->waitForReadyRead(ms)) return SliceResult::Ready;
                return m_port->error() == QSerialPort::NoError || m_port->error() == QSerialPort::TimeoutError
                           ? SliceResult::KeepWaiting
                           : SliceResult::Broken;
            });
            if (arrived != WaitResult::Ready) {
                if (arrived == WaitResult::Cancelled)
                    fail(LinkCancelledReason());
                else if (arrived == WaitResult::Broken)
                    fail(m_port->errorString());
                else
                    fail(QCoreApplication::translate("lb::Link", "no reply within %1 ms").arg(timeoutMs));
                m_port->clearError();
                return 0;
            }
        }
        const qint64 got = m_port->read(reinterpret_cast<char*>(buffer), maxLength);
        if (got > 0) return uint32_t(got);
        fail(m_port->errorString());
        return 0;
    }

    QString lastErrorText() const override {
        return m_error;
    }

    ~SerialTransport() override {
        close();
    }

private:
    void fail(const QString& reason) {
        m_error = m_link + QStringLiteral(": ") + reason;
    }

    std::unique_ptr<QSerialPort> m_port;
    QString m_link;    // "COM1 (/dev/ttyS0)", for the error texts
    QString m_error;   // why the last call failed
};

}   // namespace

std::unique_ptr<Transport> MakeSerialTransport() {
    return std::make_unique<SerialTransport>();
}

}   // namespace lb
