// SPDX-License-Identifier: Apache-2.0
// The LPT link against a FIFO or a regular file standing in for the port.

#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "tests/link/scripted_transport.h"
#include "tests/support/short_timing.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace lb;

namespace {

const InterfaceKind kLpt = InterfaceKind::Lpt;

// Counts the writes the link asks of the real parallel transport.
class CountingTransport final : public Transport {
public:
    CountingTransport(std::unique_ptr<Transport> inner, QList<uint32_t>* writes)
        : m_inner(std::move(inner)), m_writes(writes) {}
    LinkHandle open(const LinkSettingsView& s) override { return m_inner->open(s); }
    void close() override { m_inner->close(); }
    int64_t writeChunk(const uint8_t* b, uint32_t n) override {
        m_writes->append(n);
        return m_inner->writeChunk(b, n);
    }
    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int timeoutMs) override {
        return m_inner->fill(buffer, maxLength, timeoutMs);
    }

private:
    std::unique_ptr<Transport> m_inner;
    QList<uint32_t>* m_writes;
};

QByteArray Block(int size) {
    QByteArray block(size, '\0');
    for (int i = 0; i < size; ++i)
        block[i] = char(i * 7 + 3);
    return block;
}

}   // namespace

class TestParallelLink : public QObject {
    Q_OBJECT

private:
    ScopedLinkTiming m_timing{lb::test::ShortLinkTiming(300)};
    SerialSettings m_serial = DefaultSerialSettings();
    ParallelPortName m_parallel = DefaultParallelPortName();
    NetworkTarget m_network = DefaultNetworkTarget();
    QTemporaryDir m_dir;

    void usePort(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        m_parallel = DefaultParallelPortName();
        CopyToField(m_parallel.name, name.constData(), std::size_t(name.size()));
        RegisterLinkSettings(&m_serial, &m_parallel, &m_network);
    }
    QString fifo(const char* name) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile::remove(path);
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }

private slots:
    void init() { SetTransport(kLpt, nullptr); }
    void cleanup() { SetTransport(kLpt, nullptr); }

    void downloadIsOneWrite() {
        // 10 kB through operation 14: one write of the whole block, the bar at 100 after it.
        const QString path = m_dir.filePath("port.bin");
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        usePort(path);
        QList<uint32_t> writes;
        SetTransport(kLpt, std::make_unique<CountingTransport>(MakeParallelTransport(), &writes));
        RecordingObserver observer;
        ScopedObserver scoped(&observer);
        QByteArray block = Block(10 * 1024);
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, kLpt, block.data(), int(block.size())), 0);
        QCOMPARE(writes, QList<uint32_t>{uint32_t(block.size())});
        QVERIFY(observer.values.contains(100));
        QCOMPARE(observer.values.last(), 100);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), block);
        QVERIFY(!LinkIsOpen());
    }

    void downloadThroughFifo() {
        // A FIFO larger than the pipe's buffer: the write waits for the reader and completes.
        const QString path = fifo("port.fifo");
        QVERIFY(!path.isEmpty());
        QByteArray received;
        std::thread reader([&] {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            char buffer[4096];
            ssize_t n = 0;
            while (fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0)
                received.append(buffer, n);
            if (fd >= 0) ::close(fd);
        });
        // Opening the FIFO waits for the reader to be there.
        QTest::qWait(50);
        usePort(path);
        QByteArray block = Block(200 * 1024);
        int result = -1;
        for (int attempt = 0; attempt < 50 && result != 0; ++attempt) {
            result = RunPrinterOperation(kOpSendRawBlock, kLpt, block.data(), int(block.size()));
            if (result == kPortOpenError)
                QTest::qWait(20);   // the reader is not open yet
            else
                break;
        }
        QCOMPARE(result, 0);
        reader.join();
        QCOMPARE(received, block);
    }

    void readsFailAtOnce() {
        const QString path = m_dir.filePath("port-r.bin");
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        usePort(path);
        const LinkHandle h = OpenLink(kLpt);
        QVERIFY(h != kNoLink);
        uint8_t byte = 0;
        QVERIFY(!ReadLinkByte(h, kLpt, byte));
        char buffer[kReplyBufferSize];
        uint32_t length = 0;
        QVERIFY(!ReadFramedReply(h, kLpt, buffer, sizeof buffer, length));
        QCOMPARE(SendInterfaceAnnouncement(h, kLpt, buffer, sizeof buffer), int(kDataReceivingError));
        CloseLink(kLpt, h);
    }

    void cannotOpen_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("detail");   // a part of what the technician is told
        QTest::newRow("missing device") << QString("missing") << "no-such-port: ";
        QTest::newRow("FIFO without a reader") << QString("fifo") << "lonely.fifo: ";
        QTest::newRow("held by another program") << QString("busy") << "busy.bin: in use by another program";
        QTest::newRow("not a port name") << QString("name") << "LPT9: not a parallel port";
    }
    void cannotOpen() {
        QFETCH(QString, kind);
        QFETCH(QString, detail);
        int holder = -1;
        if (kind == "missing") {
            usePort(m_dir.filePath("no-such-port"));
        } else if (kind == "fifo") {
            usePort(fifo("lonely.fifo"));
        } else if (kind == "busy") {
            const QString path = m_dir.filePath("busy.bin");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            holder = ::open(QFile::encodeName(path).constData(), O_WRONLY);
            QVERIFY(holder >= 0);
            QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
            usePort(path);
        } else {
            m_parallel = DefaultParallelPortName();
            CopyToField(m_parallel.name, "LPT9", 4);
            RegisterLinkSettings(&m_serial, &m_parallel, &m_network);
        }
        QCOMPARE(RunPrinterOperation(kOpSelfTest, kLpt, nullptr, 0), int(kPortOpenError));
        QVERIFY(!LinkIsOpen());
        QVERIFY2(LastLinkErrorDetail().contains(detail), qPrintable(LastLinkErrorDetail()));
        if (holder >= 0) ::close(holder);
        QVERIFY(!QFile::exists(m_dir.filePath("no-such-port")));   // never created
    }

    void stalledDevice() {
        // A reader that opens the FIFO and reads nothing: the pipe fills, nothing more is
        // accepted, and the write gives up after the idle wait with 2.
        const QString path = fifo("stalled.fifo");
        const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        usePort(path);
        QByteArray block = Block(1024 * 1024);
        QCOMPARE(RunPrinterOperation(kOpSendRawBlock, kLpt, block.data(), int(block.size())),
                 int(kDataTransmissionError));
        ::close(reader);
        QVERIFY(!LinkIsOpen());
    }

    void readerGone() {
        // The reader goes away: the write fails with 2 and the program lives on (no SIGPIPE).
        const QString path = fifo("gone.fifo");
        int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        usePort(path);
        const LinkHandle h = OpenLink(kLpt);
        QVERIFY(h != kNoLink);
        ::close(reader);
        QVERIFY(!WriteLink(h, kLpt, Block(100)));
        CloseLink(kLpt, h);
    }
};

QTEST_GUILESS_MAIN(TestParallelLink)
#include "tst_parallel_link.moc"
