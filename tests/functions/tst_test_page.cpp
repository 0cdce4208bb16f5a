// SPDX-License-Identifier: Apache-2.0
// The test page: its text for labels of every shape, and operation 16's bytes on the link.

#include "config/printer_config.h"
#include "functions/test_page.h"
#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "link/transport.h"
#include "sim/in_process_transport.h"
#include "tests/support/short_timing.h"

#include <QtTest>

#include <limits>

using namespace lb;
using lb::sim::Faults;
using lb::sim::InProcessStats;
using lb::sim::MakeInProcessTransport;
using lb::sim::PrinterSession;
using lb::sim::SimulatedPrinter;

Q_DECLARE_METATYPE(lb::InterfaceKind)

namespace {

constexpr char kWorkedExample[] = "CLS\r\n"
                                  "DIRECTION 0,0\r\n"
                                  "BOX 16,16,784,464,4\r\n"
                                  "BARCODE  108,32,\"39\",60,1,90,2,4,\"1234567890\"\r\n"
                                  "TEXT  124,32,\"0\",0,32,32,\"TEST\"\r\n"
                                  "PRINT 1\r\n";

constexpr char kBlankLabel[] = "CLS\r\nDIRECTION 0,0\r\nPRINT 1\r\n";

TestPageRequest Request(float scale, float width, float height) {
    TestPageRequest r;
    r.scale = scale;
    r.width = width;
    r.height = height;
    return r;
}

}   // namespace

class TestTestPage : public QObject {
    Q_OBJECT

private slots:
    void pageText_data();
    void pageText();
    void unusableRequestIsRefused_data();
    void unusableRequestIsRefused();
    void requestFromConfig();
    void requestFromConfigWithoutSize_data();
    void requestFromConfigWithoutSize();
    void operationSendsThePage_data();
    void operationSendsThePage();
    void operationThroughDispatcher();
    void failures_data();
    void failures();

private:
    SimulatedPrinter m_printer;
};

void TestTestPage::pageText_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("worked example, 8 dots, 100 x 60")
        << 8.0f << 100.0f << 60.0f << QByteArray(kWorkedExample);
    QTest::newRow("portrait label uses the width as the short side")
        << 8.0f << 60.0f << 100.0f
        << QByteArray("CLS\r\nDIRECTION 0,0\r\n"
                      "BOX 16,16,464,784,4\r\n"
                      "BARCODE  108,32,\"39\",60,1,90,2,4,\"1234567890\"\r\n"
                      "TEXT  124,32,\"0\",0,32,32,\"TEST\"\r\n"
                      "PRINT 1\r\n");
    // Above 8 dots the bars are 3 and 6 dots wide: 39 dots per bar code character.
    QTest::newRow("11.8 dots, wide bars")
        << 11.8f << 100.0f << 60.0f
        << QByteArray("CLS\r\nDIRECTION 0,0\r\n"
                      "BOX 24,24,1156,684,4\r\n"
                      "BARCODE  159,47,\"39\",88,1,90,3,6,\"1234567890\"\r\n"
                      "TEXT  182,47,\"0\",0,31,31,\"TEST\"\r\n"
                      "PRINT 1\r\n");
    QTest::newRow("three bar code characters") << 8.0f << 25.0f << 60.0f
                                               << QByteArray("CLS\r\nDIRECTION 0,0\r\n"
                                                             "BOX 16,16,184,464,4\r\n"
                                                             "BARCODE  73,32,\"39\",25,1,90,2,4,\"123\"\r\n"
                                                             "TEXT  89,32,\"0\",0,9,9,\"TEST\"\r\n"
                                                             "PRINT 1\r\n");
    // s = 192 = 2m + 20r: the TEXT line goes, BOX and BARCODE stay.
    QTest::newRow("short side at the text threshold")
        << 8.0f << 24.0f << 60.0f
        << QByteArray("CLS\r\nDIRECTION 0,0\r\n"
                      "BOX 16,16,176,464,4\r\n"
                      "BARCODE  72,32,\"39\",24,1,90,2,4,\"12\"\r\n"
                      "PRINT 1\r\n");
    QTest::newRow("short side one dot above the text threshold")
        << 8.0f << 24.125f << 60.0f
        << QByteArray("CLS\r\nDIRECTION 0,0\r\n"
                      "BOX 16,16,177,464,4\r\n"
                      "BARCODE  72,32,\"39\",24,1,90,2,4,\"12\"\r\n"
                      "TEXT  88,32,\"0\",0,9,9,\"TEST\"\r\n"
                      "PRINT 1\r\n");
    QTest::newRow("no room for a character: empty content still sent")
        << 8.0f << 12.5f << 60.0f
        << QByteArray("CLS\r\nDIRECTION 0,0\r\n"
                      "BOX 16,16,84,464,4\r\n"
                      "BARCODE  60,32,\"39\",12,1,90,2,4,\"\"\r\n"
                      "PRINT 1\r\n");
    QTest::newRow("width equal to both margins: blank label")
        << 8.0f << 4.0f << 60.0f << QByteArray(kBlankLabel);
    QTest::newRow("height below both margins: blank label")
        << 8.0f << 100.0f << 3.0f << QByteArray(kBlankLabel);
    QTest::newRow("tiny label: blank label") << 8.0f << 0.01f << 0.01f << QByteArray(kBlankLabel);
}

void TestTestPage::pageText() {
    QFETCH(float, scale);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QByteArray, expected);
    QCOMPARE(TestPageText(Request(scale, width, height)), expected);
}

void TestTestPage::unusableRequestIsRefused_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::newRow("zero scale") << 0.0f << 100.0f << 60.0f;
    QTest::newRow("negative scale") << -8.0f << 100.0f << 60.0f;
    QTest::newRow("zero width") << 8.0f << 0.0f << 60.0f;
    QTest::newRow("negative height") << 8.0f << 100.0f << -60.0f;
    QTest::newRow("NaN width") << 8.0f << nan << 60.0f;
    QTest::newRow("NaN scale") << nan << 100.0f << 60.0f;
    QTest::newRow("infinite height") << 8.0f << 100.0f << inf;
    QTest::newRow("width beyond the int range") << 8.0f << 1e30f << 60.0f;
    QTest::newRow("height just above the limit") << 1.0f << 60.0f << float(kTestPageMaxDots + 64);
    QTest::newRow("scale beyond the margin limit") << 1e7f << 1e-6f << 1e-6f;
}

void TestTestPage::unusableRequestIsRefused() {
    QFETCH(float, scale);
    QFETCH(float, width);
    QFETCH(float, height);
    const TestPageRequest request = Request(scale, width, height);
    QVERIFY(TestPageText(request).isEmpty());

    // Refused before the link is touched.
    InProcessStats stats;
    SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&m_printer, {}, &stats));
    const int result = PrintTestPage(InterfaceKind::Usb, &request);
    SetTransport(InterfaceKind::Usb, nullptr);
    QCOMPARE(result, int(kUnknownError));
    QCOMPARE(stats.opens, 0);
}

void TestTestPage::requestFromConfig() {
    PrinterConfig config{};
    config.ConfigRead = 1;
    config.DotsPerMm = 8.0f;
    config.PaperWidth = {1, 800.0f};
    config.PaperHeight = {1, 480.0f};
    const TestPageRequest request = TestPageRequestFromConfig(config);
    QCOMPARE(request.scale, 8.0f);
    QCOMPARE(request.width, 100.0f);
    QCOMPARE(request.height, 60.0f);
    QCOMPARE(TestPageText(request), QByteArray(kWorkedExample));
}

void TestTestPage::requestFromConfigWithoutSize_data() {
    QTest::addColumn<float>("dotsPerMm");
    QTest::addColumn<bool>("widthPresent");
    QTest::addColumn<bool>("heightPresent");
    QTest::newRow("no resolution") << 0.0f << true << true;
    QTest::newRow("width absent") << 8.0f << false << true;
    QTest::newRow("height absent") << 8.0f << true << false;
}

void TestTestPage::requestFromConfigWithoutSize() {
    QFETCH(float, dotsPerMm);
    QFETCH(bool, widthPresent);
    QFETCH(bool, heightPresent);
    PrinterConfig config{};
    config.ConfigRead = 1;
    config.DotsPerMm = dotsPerMm;
    config.PaperWidth = {uint8_t(widthPresent), 800.0f};
    config.PaperHeight = {uint8_t(heightPresent), 480.0f};
    QVERIFY(TestPageText(TestPageRequestFromConfig(config)).isEmpty());
}

void TestTestPage::operationSendsThePage_data() {
    QTest::addColumn<InterfaceKind>("kind");
    QTest::newRow("USB") << InterfaceKind::Usb;
    QTest::newRow("COM") << InterfaceKind::Com;
    QTest::newRow("LPT") << InterfaceKind::Lpt;
    QTest::newRow("Ethernet") << InterfaceKind::Ethernet;
}

void TestTestPage::operationSendsThePage() {
    QFETCH(InterfaceKind, kind);
    ScopedLinkTiming timing(test::ShortLinkTiming(10));
    InProcessStats stats;
    QList<std::shared_ptr<PrinterSession>> sessions;
    SetTransport(kind, MakeInProcessTransport(&m_printer, {}, &stats, &sessions));
    const TestPageRequest request = Request(8.0f, 100.0f, 60.0f);
    const int result = PrintTestPage(kind, &request);
    SetTransport(kind, nullptr);

    QCOMPARE(result, int(kLinkOk));
    QCOMPARE(stats.opens, 1);
    QCOMPARE(sessions.size(), 1);
    // Exactly the page, no terminating zero, nothing else.
    QCOMPARE(sessions.first()->transcript(), QByteArray(kWorkedExample));
}

void TestTestPage::operationThroughDispatcher() {
    ScopedLinkTiming timing(test::ShortLinkTiming(10));
    InProcessStats stats;
    QList<std::shared_ptr<PrinterSession>> sessions;
    SetTransport(InterfaceKind::Usb, MakeInProcessTransport(&m_printer, {}, &stats, &sessions));
    TestPageRequest request = Request(11.8f, 100.0f, 60.0f);
    const int result = RunPrinterOperation(kOpPrintTestPage, InterfaceKind::Usb, &request, 0);
    const int nullResult = RunPrinterOperation(kOpPrintTestPage, InterfaceKind::Usb, nullptr, 0);
    SetTransport(InterfaceKind::Usb, nullptr);

    QCOMPARE(result, int(kLinkOk));
    QCOMPARE(nullResult, int(kUnknownError));
    QCOMPARE(stats.opens, 1);   // the null request opened nothing
    QCOMPARE(sessions.size(), 1);
    QCOMPARE(sessions.first()->transcript(), TestPageText(request));
}

void TestTestPage::failures_data() {
    QTest::addColumn<bool>("absent");
    QTest::addColumn<int>("closeAfterCommands");
    QTest::addColumn<int>("expected");
    QTest::newRow("link cannot be opened") << true << -1 << int(kPortOpenError);
    // The printer hangs up after CLS, inside the first 64-byte chunk: the write cannot complete.
    QTest::newRow("printer closes during the write") << false << 1 << int(kDataTransmissionError);
}

void TestTestPage::failures() {
    QFETCH(bool, absent);
    QFETCH(int, closeAfterCommands);
    QFETCH(int, expected);
    ScopedLinkTiming timing(test::ShortLinkTiming(10));
    InProcessStats stats;
    Faults faults;
    faults.closeAfterCommands = closeAfterCommands;
    SetTransport(InterfaceKind::Usb,
                 absent ? MakeAbsentTransport() : MakeInProcessTransport(&m_printer, faults, &stats));
    const TestPageRequest request = Request(8.0f, 100.0f, 60.0f);
    const int result = PrintTestPage(InterfaceKind::Usb, &request);
    SetTransport(InterfaceKind::Usb, nullptr);
    QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(TestTestPage)
#include "tst_test_page.moc"
