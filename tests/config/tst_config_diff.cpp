// SPDX-License-Identifier: Apache-2.0
// Two configurations compared setting by setting: which settings differ, under which caption,
// and with which texts.

#include "config/config_diff.h"

#include <QSet>
#include <QtTest>
#include <functional>
#include <limits>

using namespace lb;

using Edit = std::function<void(PrinterConfig&)>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(lb::LengthUnit)

namespace {

PrinterConfig Base() {
    PrinterConfig c{};
    ClearConfig(c);
    c.UnitIsInch = 1;
    c.Dpi = 203.0f;
    c.DotsPerMm = 8.0f;
    c.Speed = {1, 4.0f};
    c.GapSize = {1, 24.0f};
    c.PrintOut = {1, 0};
    c.CutterPiece = {1, 1};
    c.CodePage = {1, 10};
    return c;
}

// "key|caption|a|b", "-" for an absent side.
QStringList Lines(const QList<ConfigDifference>& differences) {
    QStringList lines;
    for (const ConfigDifference& d : differences)
        lines.append(QStringList{d.key, d.caption, d.a.value_or("-"), d.b.value_or("-")}.join('|'));
    return lines;
}

}   // namespace

class TestConfigDiff : public QObject {
    Q_OBJECT

private slots:
    void differences_data() {
        QTest::addColumn<Edit>("editA");
        QTest::addColumn<Edit>("editB");
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<QStringList>("lines");
        const Edit none = [](PrinterConfig&) {};
        const LengthUnit in = LengthUnit::Inch;
        QTest::newRow("equal") << none << none << in << QStringList{};
        QTest::newRow("the unit and the header are no settings") << none << Edit([](PrinterConfig& c) {
            c.UnitIsInch = 0;
            c.Edition = 99;
            c.Version[0] = 'V';
        }) << in << QStringList{};
        QTest::newRow("speed") << none << Edit([](PrinterConfig& c) { c.Speed.value = 6.0f; }) << in
                               << QStringList{"Speed|Speed|4|6"};
        QTest::newRow("gap in inch") << none << Edit([](PrinterConfig& c) { c.GapSize.value = 48.0f; }) << in
                                     << QStringList{"GapSize|Gap|0.12 in|0.24 in"};
        QTest::newRow("gap in mm") << none << Edit([](PrinterConfig& c) { c.GapSize.value = 48.0f; })
                                   << LengthUnit::Mm << QStringList{"GapSize|Gap|3.00 mm|6.00 mm"};
        QTest::newRow("below the hundredths")
            << none << Edit([](PrinterConfig& c) { c.GapSize.value = 24.5f; }) << in
            << QStringList{"GapSize|Gap|0.12 in (24 dots)|0.12 in (24.5 dots)"};
        QTest::newRow("no usable resolution") << Edit([](PrinterConfig& c) { c.Dpi = 0.0f; })
                                              << Edit([](PrinterConfig& c) { c.GapSize.value = 30.0f; }) << in
                                              << QStringList{"GapSize|Gap|24 dots|0.15 in"};
        QTest::newRow("absent on one side") << Edit([](PrinterConfig& c) {
            c.Reprint = {1, 1};
        }) << Edit([](PrinterConfig& c) {
            c.Speed.present = 0;
        }) << in << QStringList{"Speed|Speed|4|-", "Reprint|Reprint After Error|ON|-"};
        QTest::newRow("absent on both sides with other values") << Edit([](PrinterConfig& c) {
            c.Density = {0, 3};
        }) << Edit([](PrinterConfig& c) {
            c.Density = {0, 9};
        }) << in << QStringList{};
        QTest::newRow("list items") << none << Edit([](PrinterConfig& c) { c.CodePage.value = 9; }) << in
                                    << QStringList{"CodePage|Code Page|850|437"};
        QTest::newRow("a value without an item")
            << none << Edit([](PrinterConfig& c) { c.CodePage.value = 36; }) << in
            << QStringList{"CodePage|Code Page|850|36"};
        QTest::newRow("a base of 0 is shown") << none << Edit([](PrinterConfig& c) {
            c.DensityBase = {1, 0};
        }) << in << QStringList{"DensityBase|Density (base)|-|0"};
        QTest::newRow("a hidden cut piece") << none << Edit([](PrinterConfig& c) { c.CutterPiece.value = 5; })
                                            << in << QStringList{"CutterPiece|Cut Piece|1|5"};
        QTest::newRow("one label, two controls") << Edit([](PrinterConfig& c) {
            c.ReferenceX = {1, 0};
            c.ReferenceY = {1, 0};
            c.Direction = {1, 0};
            c.Mirror = {1, 0};
        }) << Edit([](PrinterConfig& c) {
            c.ReferenceX = {1, 0};
            c.ReferenceY = {1, 8};
            c.Direction = {1, 0};
            c.Mirror = {1, 1};
        }) << in << QStringList{"ReferenceY|Reference (Y)|0|8", "Mirror|Direction (mirror)|0|1"};
        QTest::newRow("the Z and D pages")
            << Edit([](PrinterConfig& c) {
                   c.ZSpeed = {1, 4};
                   c.DPrintSpeed = {1, 4.0f};
                   c.ZPrintWidth = {1, 812};
               })
            << Edit([](PrinterConfig& c) {
                   c.ZSpeed = {1, 6};
                   c.DPrintSpeed = {1, 6.5f};
                   c.ZPrintWidth = {1, 406};
                   c.ZDelimiter = {1, ';'};
               })
            << in
            << QStringList{"ZSpeed|Print Speed (Z)|4|6", "ZPrintWidth|Print Width (Z)|4.00 in|2.00 in",
                           "ZDelimiter|Delimiter Char (Z)|-|;", "DPrintSpeed|Print Speed (D)|4|6.5"};
        QTest::newRow("the same NaN is equal") << Edit([](PrinterConfig& c) {
            c.MaxLength = {1, std::numeric_limits<float>::quiet_NaN()};
        }) << Edit([](PrinterConfig& c) {
            c.MaxLength = {1, std::numeric_limits<float>::quiet_NaN()};
        }) << in << QStringList{};
        QTest::newRow("zero and negative zero")
            << Edit([](PrinterConfig& c) { c.Speed.value = 0.0f; })
            << Edit([](PrinterConfig& c) { c.Speed.value = -0.0f; }) << in << QStringList{};
    }
    void differences() {
        QFETCH(Edit, editA);
        QFETCH(Edit, editB);
        QFETCH(LengthUnit, unit);
        QFETCH(QStringList, lines);
        PrinterConfig a = Base();
        PrinterConfig b = Base();
        editA(a);
        editB(b);
        QCOMPARE(Lines(ConfigDifferences(a, b, unit)), lines);
        // The other way round, the sides swap.
        QStringList swapped;
        for (const QString& line : lines) {
            QStringList parts = line.split('|');
            parts.swapItemsAt(2, 3);
            swapped.append(parts.join('|'));
        }
        QCOMPARE(Lines(ConfigDifferences(b, a, unit)), swapped);
    }

    // Every control of the panel has a caption of its own and a label on the page.
    void everySettingHasItsCaption() {
        QSet<QString> captions;
        for (const PanelField& field : PanelFields()) {
            QVERIFY2(SettingLabel(field), field.name);
            QVERIFY2(!captions.contains(SettingCaption(field)), qPrintable(SettingCaption(field)));
            captions.insert(SettingCaption(field));
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigDiff)
#include "tst_config_diff.moc"
