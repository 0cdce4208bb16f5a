// SPDX-License-Identifier: Apache-2.0
// The assisted calibration's steps without a printer: what each media asks for next, which
// reading becomes which pass, when it is finished and what it proposes, and starting over.

#include "functions/assisted_calibration.h"

#include <QTest>

using lb::AssistedCalibration;
using lb::SensorReadings;
using Next = AssistedCalibration::Next;

Q_DECLARE_METATYPE(QList<QList<int>>)

namespace {

SensorReadings Pass(int32_t media, const QList<int>& values) {
    SensorReadings r{};
    r.MediaType = media;
    r.Count = int32_t(values.size());
    for (int i = 0; i < values.size(); ++i)
        r.Readings[i] = values[i];
    return r;
}

}   // namespace

class TestAssistedCalibration : public QObject {
    Q_OBJECT
private slots:
    // begin, then one take per pass: what comes next and the step after each, and the proposal
    // at the end (label and liner readings at the proposed level tell the passes apart).
    void steps_data() {
        QTest::addColumn<int>("media");
        QTest::addColumn<QList<QList<int>>>("passes");
        QTest::addColumn<QList<int>>("next");       // Next after begin, then after each take
        QTest::addColumn<QList<int>>("steps");      // the step after begin, then after each take
        QTest::addColumn<QList<int>>("proposal");   // intensity, threshold, label, liner; empty: none
        const auto next = [](std::initializer_list<Next> n) {
            QList<int> values;
            for (Next each : n)
                values.append(int(each));
            return values;
        };
        const QList<int> liner{100, 110, 120, 130}, label{100, 150, 300, 200};
        QTest::newRow("gap") << int(lb::kMediaGap) << QList<QList<int>>{liner, label}
                             << next({Next::PutLiner, Next::PutLabel, Next::Done}) << QList<int>{1, 2, 0}
                             << QList<int>{2, 210, 300, 120};
        QTest::newRow("black mark, label below the mark")
            << int(lb::kMediaBlackMark) << QList<QList<int>>{{500, 600, 700}, {400, 300, 100}}
            << next({Next::PutBlackMark, Next::PutLabel, Next::Done}) << QList<int>{1, 2, 0}
            << QList<int>{2, 400, 100, 700};
        QTest::newRow("gap, 95 apart at most")
            << int(lb::kMediaGap) << QList<QList<int>>{{100, 200}, {195, 105}}
            << next({Next::PutLiner, Next::PutLabel, Next::Done}) << QList<int>{1, 2, 0} << QList<int>{};
        QTest::newRow("continuous, one pass")
            << int(lb::kMediaContinuous) << QList<QList<int>>{{100, 200, 300}}
            << next({Next::ReadMedia, Next::Done}) << QList<int>{1, 0} << QList<int>{1, 278, 300, 0};
        QTest::newRow("continuous, one level")
            << int(lb::kMediaContinuous) << QList<QList<int>>{{100}} << next({Next::ReadMedia, Next::Done})
            << QList<int>{1, 0} << QList<int>{};
        // A reading with nothing under way is not kept.
        QTest::newRow("auto selection") << int(lb::kMediaAutoSelection) << QList<QList<int>>{liner}
                                        << next({Next::Done, Next::Done}) << QList<int>{0, 0} << QList<int>{};
        QTest::newRow("no such media")
            << 7 << QList<QList<int>>{} << next({Next::Done}) << QList<int>{0} << QList<int>{};
        QTest::newRow("negative media")
            << -1 << QList<QList<int>>{} << next({Next::Done}) << QList<int>{0} << QList<int>{};
    }
    void steps() {
        QFETCH(int, media);
        QFETCH(QList<QList<int>>, passes);
        QFETCH(QList<int>, next);
        QFETCH(QList<int>, steps);
        QFETCH(QList<int>, proposal);
        AssistedCalibration c;
        QList<int> nextSeen{int(c.begin(media))}, stepsSeen{int(c.step())};
        for (const QList<int>& pass : passes) {
            nextSeen.append(int(c.take(Pass(media, pass))));
            stepsSeen.append(int(c.step()));
        }
        QCOMPARE(nextSeen, next);
        QCOMPARE(stepsSeen, steps);
        QCOMPARE(c.proposal().ok, !proposal.isEmpty());
        if (proposal.isEmpty()) return;
        const lb::SensorProposal& p = c.proposal();
        QCOMPARE((QList<int>{p.intensity, p.threshold, p.labelReading, p.linerReading}), proposal);
    }

    // A new begin or a reset forgets the passes and the proposal of the calibration before.
    void startsOver() {
        AssistedCalibration c;
        c.begin(lb::kMediaGap);
        c.take(Pass(lb::kMediaGap, {100, 100}));
        QCOMPARE(c.begin(lb::kMediaBlackMark), Next::PutBlackMark);
        QCOMPARE(c.step(), AssistedCalibration::kFirstPass);
        QCOMPARE(c.mediaType(), int32_t(lb::kMediaBlackMark));
        QCOMPARE(int(c.firstPass().Count), 0);
        QCOMPARE(c.take(Pass(lb::kMediaBlackMark, {100, 100})), Next::PutLabel);
        QCOMPARE(c.take(Pass(lb::kMediaBlackMark, {300, 100})), Next::Done);
        QVERIFY(c.proposal().ok);
        QCOMPARE(c.begin(lb::kMediaContinuous), Next::ReadMedia);
        QVERIFY(!c.proposal().ok);
        c.reset();
        QCOMPARE(c.step(), AssistedCalibration::kNotStarted);
        QCOMPARE(c.take(Pass(lb::kMediaContinuous, {100, 200, 300})), Next::Done);
        QVERIFY(!c.proposal().ok);
    }
};

QTEST_APPLESS_MAIN(TestAssistedCalibration)
#include "tst_assisted_calibration.moc"
