// SPDX-License-Identifier: Apache-2.0
// The shipped printer profiles: Default() is the newest firmware, ForEdition(n) the nearest
// shipped edition at or below n under n's own number, and each edition knows the report
// keywords of its firmware and no others.

#include "sim/simulated_printer.h"

#include <QtTest>

using lb::sim::Profile;

class TestProfiles : public QObject {
    Q_OBJECT

private slots:
    void editions_data() {
        QTest::addColumn<int>("asked");   // -1: Default()
        QTest::addColumn<int>("edition");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArrayList>("known");     // report keywords it answers
        QTest::addColumn<QByteArrayList>("unknown");   // report keywords it does not know
        const QByteArrayList emulations{"ZDARKNESS", "ZPRINTMODE", "DHEAT", "DSPEED"};
        QTest::newRow("default") << -1 << 104 << QByteArray("LB-4203 V1.04 EZ")
                                 << (emulations + QByteArrayList{"THRESHOLD", "RESETMILAGE", "CUTCOUNTER"})
                                 << QByteArrayList{};
        QTest::newRow("0 as 99") << 0 << 0 << QByteArray("LB-4300 V0.99") << QByteArrayList{"SPEED", "DPI"}
                                 << (emulations + QByteArrayList{"CUTCOUNTER", "AUTOTHRESHOLD"});
        QTest::newRow("99") << 99 << 99 << QByteArray("LB-4300 V0.99") << QByteArrayList{"PAPERWIDTH"}
                            << (emulations + QByteArrayList{"MAXLENGTH", "RIBBONSENSOR"});
        QTest::newRow("101 as 100") << 101 << 101 << QByteArray("LB-4203 V1.00") << emulations
                                    << QByteArrayList{"CUTCOUNTER", "MAXLENGTH", "THRESHOLD"};
        QTest::newRow("102") << 102 << 102 << QByteArray("LB-4600 V1.02")
                             << (emulations + QByteArrayList{"CUTCOUNTER", "MAXLENGTH"})
                             << QByteArrayList{"RESETMILAGE", "RESETCUTCOUNTER", "AUTOTHRESHOLD",
                                               "THRESHOLD"};
        QTest::newRow("103") << 103 << 103 << QByteArray("LB-4200 V1.03")
                             << (emulations + QByteArrayList{"RESETMILAGE", "AUTOTHRESHOLD", "RIBBONENCODER"})
                             << QByteArrayList{"THRESHOLD"};
        QTest::newRow("105 as 104") << 105 << 105 << QByteArray("LB-4203 V1.04 EZ")
                                    << (emulations + QByteArrayList{"THRESHOLD"}) << QByteArrayList{};
    }
    void editions() {
        QFETCH(int, asked);
        QFETCH(int, edition);
        QFETCH(QByteArray, version);
        QFETCH(QByteArrayList, known);
        QFETCH(QByteArrayList, unknown);
        const Profile p = asked < 0 ? Profile::Default() : Profile::ForEdition(asked);
        QCOMPARE(p.edition, edition);
        QCOMPARE(p.reports.value("VERSION"), version);
        for (const QByteArray& key : known)
            QVERIFY2(!p.reports.value(key).isEmpty(), key.constData());
        for (const QByteArray& key : unknown)
            QVERIFY2(!p.reports.contains(key), key.constData());
        // A shipped printer is ready, unlocked and answers the interface announcement.
        QCOMPARE(int(p.statusByte), 0);
        QVERIFY(p.password.isEmpty());
        QCOMPARE(p.interfaceReply, QByteArray("OK"));
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
