// The shipped printer profiles: Default() and ForEdition(n) give exactly the values of the
// table golden_profiles.tsv, field by field (rows are fields, columns are profiles; "-" is
// a report keyword the firmware does not know, "" an empty text).

#include "sim/simulated_printer.h"

#include <QFile>
#include <QtTest>

using lb::sim::Profile;

namespace {

struct Golden {
    QList<QByteArray> columns;                  // "default", or an edition number
    QMap<QByteArray, QList<QByteArray>> rows;   // field -> one cell per column
};

Golden ReadGolden() {
    Golden g;
    QFile file(QStringLiteral(LABELBENCH_SIM_GOLDEN_PROFILES));
    if (!file.open(QIODevice::ReadOnly)) return g;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        QList<QByteArray> cells = line.split('\t');
        const QByteArray field = cells.takeFirst();
        if (field == "profile")
            g.columns = cells;
        else
            g.rows.insert(field, cells);
    }
    return g;
}

// A profile as the cells of one column, in the golden table's notation.
QMap<QByteArray, QByteArray> Cells(const Profile& p) {
    auto text = [](const QByteArray& v) { return v.isEmpty() ? QByteArray("\"\"") : v; };
    QMap<QByteArray, QByteArray> cells{
        {"edition", QByteArray::number(p.edition)}, {"serialNumber", text(p.serialNumber)},
        {"interfaceReply", text(p.interfaceReply)}, {"statusByte", QByteArray::number(p.statusByte)},
        {"statusDetail", p.statusDetail.toHex()},   {"password", text(p.password)}};
    for (auto it = p.reports.begin(); it != p.reports.end(); ++it)
        cells.insert("report " + it.key(), text(it.value()));
    return cells;
}

}   // namespace

class TestProfiles : public QObject {
    Q_OBJECT

private slots:
    void sameValuesAsBefore_data() {
        QTest::addColumn<QByteArray>("column");
        const Golden g = ReadGolden();
        QVERIFY2(g.columns.size() > 5, "golden_profiles.tsv not found or empty");
        for (const QByteArray& c : g.columns)
            QTest::newRow(c.constData()) << c;
    }
    void sameValuesAsBefore() {
        QFETCH(QByteArray, column);
        const Golden g = ReadGolden();
        const qsizetype index = g.columns.indexOf(column);
        const Profile p = column == "default" ? Profile::Default() : Profile::ForEdition(column.toInt());
        const QMap<QByteArray, QByteArray> got = Cells(p);
        for (auto it = g.rows.begin(); it != g.rows.end(); ++it) {
            const QByteArray want = it.value().value(index);
            QVERIFY2(want == got.value(it.key(), "-"),
                     qPrintable(QStringLiteral("%1: %2, want %3")
                                    .arg(QString::fromLatin1(it.key()),
                                         QString::fromLatin1(got.value(it.key(), "-")),
                                         QString::fromLatin1(want))));
        }
        for (const QByteArray& field : got.keys())
            QVERIFY2(g.rows.contains(field), qPrintable(QStringLiteral("new field %1").arg(field)));
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
