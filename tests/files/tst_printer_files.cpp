#include <QtTest>

class TestPrinterFiles : public QObject {
    Q_OBJECT
};

QTEST_GUILESS_MAIN(TestPrinterFiles)
#include "tst_printer_files.moc"
