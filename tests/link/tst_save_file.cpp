// SPDX-License-Identifier: Apache-2.0
// The checked save: a write that fails at any point reports failure and leaves the old file
// whole; only a complete write replaces it.

#include "link/save_file.h"
#include "tests/support/file_size_limit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lb;

namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}   // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

private slots:
    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("pieces");
        QTest::newRow("nothing fits, whole") << 0 << 1;
        QTest::newRow("a part fits, whole") << 100 << 1;
        QTest::newRow("one byte short, whole") << 682 << 1;
        QTest::newRow("a part fits, in pieces") << 100 << 7;
        QTest::newRow("one byte short, in pieces") << 682 << 683;
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(int, limit);
        QFETCH(int, pieces);
        QTemporaryDir dir;
        const QString path = dir.filePath("cfg.dcf");
        const QByteArray old(50, 'o');
        QVERIFY(SaveFileChecked(path, old));
        const QByteArray data(683, 'n');
        bool saved = true;
        QString error;
        {
            test::ScopedFileSizeLimit full{rlim_t(limit)};
            QVERIFY(full.active());
            if (pieces == 1) {
                saved = SaveFileChecked(path, data, &error);
            } else {
                CheckedSaveFile file(path);
                saved = file.open();
                const int step = (data.size() + pieces - 1) / pieces;
                for (int at = 0; saved && at < data.size(); at += step)
                    saved = file.write(data.mid(at, step));
                saved = file.commit() && saved;
                error = file.errorString();
            }
        }
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(Contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"cfg.dcf"});   // no temporary left
    }

    void completeWriteReplaces() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.bin");
        QVERIFY(SaveFileChecked(path, QByteArray(2000, 'x')));
        {
            test::ScopedFileSizeLimit roomy(683);
            CheckedSaveFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write(QByteArray(600, 'a')));
            QVERIFY(file.write(QByteArray(83, 'b')));
            QVERIFY(file.commit());
        }
        QCOMPARE(Contents(path), QByteArray(600, 'a') + QByteArray(83, 'b'));
    }

    void uncommittedFileIsDiscarded() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.bin");
        QVERIFY(SaveFileChecked(path, "old"));
        {
            CheckedSaveFile file(path);
            QVERIFY(file.open());
            QVERIFY(file.write("new"));
        }
        QCOMPARE(Contents(path), QByteArray("old"));
        QVERIFY(!SaveFileChecked(dir.filePath("no/such/dir/x"), "x"));
    }

    // A placeholder filled in at the end, as the font builder writes its index; a position
    // outside what was written fails the whole file.
    void writeAtFillsAPlaceholder_data() {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("over the placeholder") << qint64(4) << QByteArray("headIDXtail!");
        QTest::newRow("at the start") << qint64(0) << QByteArray("IDXd...tail!");
        QTest::newRow("past the end") << qint64(13) << QByteArray("old");
        QTest::newRow("negative") << qint64(-1) << QByteArray("old");
    }
    void writeAtFillsAPlaceholder() {
        QFETCH(qint64, offset);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("font.bmf");
        QVERIFY(SaveFileChecked(path, "old"));
        CheckedSaveFile file(path);
        QVERIFY(file.open());
        QVERIFY(file.write("head..."));
        const bool placed = file.writeAt(offset, "IDX", 3);
        // The writing goes on at the end.
        const bool saved = file.write("tail!") && file.commit();
        QCOMPARE(placed, expected != "old");
        QCOMPARE(saved, placed);
        QCOMPARE(Contents(path), expected);
        if (!placed) QVERIFY(!file.errorString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_save_file.moc"
