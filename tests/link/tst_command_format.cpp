// SPDX-License-Identifier: Apache-2.0
// The command formatter on a German desktop, whose C library writes "4,00" for printf's
// "%.2f": every conversion the commands use, rounding, widths and zero padding, negative and
// huge numbers, checked against what printf writes in the C locale, and every byte a quoted
// command text refuses.

#include "link/command_format.h"

#include <QLocale>
#include <QTest>
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <string>
#include <vector>

using lb::CommandArg;

namespace {

// The largest double, written out: 309 digits.
const QByteArray kDblMax =
    "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878171"
    "540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075868508"
    "455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026184124858"
    "368";

QVariant Char(char c) {
    return QVariant::fromValue(c);
}

// FormatCommand with the row's arguments: int, qlonglong, uint, double, char, QByteArray, and
// an invalid QVariant for a null text.
QByteArray Format(const QByteArray& format, const QVariantList& args) {
    std::vector<QByteArray> texts;
    texts.reserve(std::size_t(args.size()));
    std::vector<CommandArg> a;
    for (const QVariant& v : args) {
        switch (v.typeId()) {
        case QMetaType::Int:
            a.emplace_back(v.toInt());
            break;
        case QMetaType::LongLong:
            a.emplace_back(v.toLongLong());
            break;
        case QMetaType::UInt:
            a.emplace_back(v.toUInt());
            break;
        case QMetaType::Double:
            a.emplace_back(v.toDouble());
            break;
        case QMetaType::Char:
            a.emplace_back(v.value<char>());
            break;
        case QMetaType::QByteArray:
            texts.push_back(v.toByteArray());
            a.emplace_back(texts.back());
            break;
        default:
            a.emplace_back(static_cast<const char*>(nullptr));
            break;
        }
    }
    switch (a.size()) {
    case 0:
        return lb::FormatCommand(format.constData(), {});
    case 1:
        return lb::FormatCommand(format.constData(), {a[0]});
    case 2:
        return lb::FormatCommand(format.constData(), {a[0], a[1]});
    default:
        return lb::FormatCommand(format.constData(), {a[0], a[1], a[2]});
    }
}

// What the C library's printf writes for one argument (or none) in the C locale, whatever the
// process's locale is.
QByteArray Printf(const QByteArray& format, const QVariantList& args) {
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t previous = uselocale(c);
    std::vector<char> text(4096);
    const QVariant arg = args.value(0);
    const QByteArray bytes = arg.toByteArray();
    int n = -1;
    switch (arg.typeId()) {
    case QMetaType::Int:
        n = std::snprintf(text.data(), text.size(), format.constData(), arg.toInt());
        break;
    case QMetaType::Double:
        n = std::snprintf(text.data(), text.size(), format.constData(), arg.toDouble());
        break;
    case QMetaType::Char:
        n = std::snprintf(text.data(), text.size(), format.constData(), int(arg.value<char>()));
        break;
    case QMetaType::QByteArray:
        n = std::snprintf(text.data(), text.size(), format.constData(), bytes.constData());
        break;
    default:   // no argument; the spare one is never read
        n = std::snprintf(text.data(), text.size(), format.constData(), 0);
        break;
    }
    uselocale(previous);
    freelocale(c);
    return n < 0 ? QByteArray("(printf failed)") : QByteArray(text.data(), n);
}

}   // namespace

class TestCommandFormat : public QObject {
    Q_OBJECT

    std::string m_savedLocale;

private slots:
    // The desktop's locale as Qt applies it, German: a decimal comma.
    void initTestCase() {
        m_savedLocale = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QFAIL("the de_DE.UTF-8 locale is missing: packaging/install-build-deps.sh --test generates it");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.2f", 4.0);
        QCOMPARE(QByteArray(probe), QByteArray("4,00"));
    }
    void cleanupTestCase() {
        std::setlocale(LC_ALL, m_savedLocale.c_str());
        QLocale::setDefault(QLocale::c());
    }

    void formatCommand_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("asPrintf");   // one argument, of a type printf's conversion takes
        const auto row = [](const char* tag, const char* format, const QVariantList& args,
                            const QByteArray& expected, bool asPrintf = true) {
            QTest::newRow(tag) << QByteArray(format) << args << expected << asPrintf;
        };
        // Integers.
        row("%d 0", "%d", {0}, "0");
        row("%d negative", "%d", {-42}, "-42");
        row("%d no grouping", "%d", {1234567}, "1234567");
        row("%d INT_MAX", "%d", {INT_MAX}, "2147483647");
        row("%d INT_MIN", "%d", {INT_MIN}, "-2147483648");
        row("%d int64 max", "%d", {qlonglong(INT64_MAX)}, "9223372036854775807", false);
        row("%d int64 min", "%d", {qlonglong(INT64_MIN)}, "-9223372036854775808", false);
        // printf's %d reads an unsigned int as signed; the formatter keeps its value.
        row("%d unsigned max", "%d", {UINT_MAX}, "4294967295", false);
        row("%03d pads", "%03d", {7}, "007");
        row("%03d wider than its width", "%03d", {1234}, "1234");
        row("%02d 0", "%02d", {0}, "00");
        row("%04d negative: sign first", "%04d", {-5}, "-005");
        row("%04d negative fills the width", "%04d", {-123}, "-123");
        row("%5d spaces", "%5d", {42}, "   42");
        row("%5d negative spaces", "%5d", {-42}, "  -42");
        row("%022d int64 min", "%022d", {qlonglong(INT64_MIN)}, "-009223372036854775808", false);
        // Reals: rounded as printf rounds, on the double's exact value, ties to even.
        row("%.2f whole", "%.2f", {4.0}, "4.00");
        row("%.1f whole", "%.1f", {4.0}, "4.0");
        row("%f six decimals", "%f", {1.5}, "1.500000");
        row("%.f no decimals", "%.f", {3.7}, "4");
        row("%.0f 0.5 to even", "%.0f", {0.5}, "0");
        row("%.0f 1.5 to even", "%.0f", {1.5}, "2");
        row("%.0f 2.5 to even", "%.0f", {2.5}, "2");
        row("%.1f 0.25 to even", "%.1f", {0.25}, "0.2");
        row("%.2f 0.125 to even", "%.2f", {0.125}, "0.12");
        row("%.2f 0.375 to even", "%.2f", {0.375}, "0.38");
        row("%.1f 0.05 just above", "%.1f", {0.05}, "0.1");
        row("%.2f 2.675 just below", "%.2f", {2.675}, "2.67");
        row("%.3f 1.0005 just below", "%.3f", {1.0005}, "1.000");
        row("%.2f negative", "%.2f", {-3.14159}, "-3.14");
        row("%.2f negative rounds to zero", "%.2f", {-0.001}, "-0.00");
        row("%.2f negative zero", "%.2f", {-0.0}, "-0.00");
        row("%.2f smallest normal", "%.2f", {DBL_MIN}, "0.00");
        row("%.6f tiny", "%.6f", {1e-7}, "0.000000");
        row("%.2f 1e22", "%.2f", {1e22}, "10000000000000000000000.00");
        row("%.2f 1e23 as stored", "%.2f", {1e23}, "99999999999999991611392.00");
        row("%.0f largest", "%.0f", {DBL_MAX}, kDblMax);
        row("%.2f most negative", "%.2f", {-DBL_MAX}, "-" + kDblMax + ".00");
        row("%.17f", "%.17f", {0.1}, "0.10000000000000001");
        row("%.20f", "%.20f", {0.1}, "0.10000000000000000555");
        row("%.17f largest", "%.17f", {DBL_MAX}, kDblMax + ".00000000000000000");
        row("%8.3f spaces", "%8.3f", {-1.0005}, "  -1.000");
        row("%06.2f pads", "%06.2f", {3.14159}, "003.14");
        row("%07.2f negative: sign first", "%07.2f", {-3.14159}, "-003.14");
        // Non-finite values write nothing, not even the padding: builders refuse them first.
        row("%.2f NaN", "%.2f", {std::nan("")}, "", false);
        row("%.2f infinity", "%.2f", {HUGE_VAL}, "", false);
        row("%.2f minus infinity", "%.2f", {-HUGE_VAL}, "", false);
        row("%6.2f NaN", "%6.2f", {std::nan("")}, "", false);
        row("%06.2f infinity", "%06.2f", {HUGE_VAL}, "", false);
        // Texts and characters: bytes as they are.
        row("%s", "%s", {QByteArray("FONT001")}, "FONT001");
        row("%s empty", "%s", {QByteArray("")}, "");
        row("%s null", "%s", {QVariant()}, "", false);
        row("%s 8-bit bytes", "%s", {QByteArray("\xC4\xE9\xFF")}, "\xC4\xE9\xFF");
        row("%s ends at NUL", "%s", {QByteArray("A\0B", 3)}, "A");
        row("%5s spaces", "%5s", {QByteArray("ab")}, "   ab");
        row("%05s spaces", "%05s", {QByteArray("ab")}, "   ab");
        row("%c", "%c", {Char('F')}, "F");
        row("%c 8-bit", "%c", {Char('\xA4')}, "\xA4");
        row("%3c spaces", "%3c", {Char('x')}, "  x");
        row("%%", "100%%", {}, "100%");
        row("no conversion", "SET CUTTER OFF\r\n", {}, "SET CUTTER OFF\r\n");
        // Commands as the subsystems write them.
        row("SIZE", "SIZE %.2f,%.2f\r\n", {4.0, 2.5}, "SIZE 4.00,2.50\r\n", false);
        row("DIAGNOSTIC REPORT", "DIAGNOSTIC REPORT %c%s\r\n", {Char('F'), QByteArray("FILES")},
            "DIAGNOSTIC REPORT FFILES\r\n", false);
        row("DOWNLOAD", "DOWNLOAD %s\"%s\",%d,", {QByteArray("F,"), QByteArray("LOGO.BMP"), 1234},
            "DOWNLOAD F,\"LOGO.BMP\",1234,", false);
        row("@YEAR", "@YEAR = \"%02d\"\r\n", {5}, "@YEAR = \"05\"\r\n");
    }
    void formatCommand() {
        QFETCH(QByteArray, format);
        QFETCH(QVariantList, args);
        QFETCH(QByteArray, expected);
        QFETCH(bool, asPrintf);
        if (asPrintf) QCOMPARE(Printf(format, args), expected);
        QCOMPARE(Format(format, args), expected);
    }

    // CommandFixed on its own, also with a number of decimals no format gives.
    void commandFixed_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("2 decimals") << 4.0 << 2 << QByteArray("4.00");
        QTest::newRow("-2.5 to even") << -2.5 << 0 << QByteArray("-2");
        QTest::newRow("negative decimals") << 1.5 << -1 << QByteArray();
        QTest::newRow("NaN") << std::nan("") << 2 << QByteArray();
        QTest::newRow("30 decimals") << 0.1 << 30 << QByteArray("0.100000000000000005551115123126");
        QTest::newRow("largest, 40 decimals") << DBL_MAX << 40 << kDblMax + "." + QByteArray(40, '0');
    }
    void commandFixed() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QByteArray, expected);
        QCOMPARE(lb::CommandFixed(value, decimals), expected);
        if (expected.isEmpty()) return;
        QCOMPARE(Printf("%." + QByteArray::number(decimals) + "f", {value}), expected);
    }

    // Between the double quotes of a command only a byte that cannot end or break it: no '"',
    // no C0 control (NUL, CR, LF, ESC …) and no DEL, wherever it stands. Every other byte of
    // a code page goes through.
    void quotableText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("quotable");
        for (int b = 0; b <= 0xFF; ++b) {
            const bool refused = b < 0x20 || b == 0x7F || b == '"';
            const QByteArray byte(1, char(b));
            QTest::addRow("0x%02X inside", b) << "LOGO" + byte + ".BMP" << !refused;
            if (refused) {
                QTest::addRow("0x%02X first", b) << byte + "LOGO" << false;
                QTest::addRow("0x%02X last", b) << "LOGO" + byte << false;
            }
        }
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ESC ! R") << QByteArray("A\x1B!R") << false;
        QByteArray everyAllowed;
        for (int b = 0x20; b <= 0xFF; ++b)
            if (b != 0x7F && b != '"') everyAllowed += char(b);
        QTest::newRow("every allowed byte") << everyAllowed << true;
    }
    void quotableText() {
        QFETCH(QByteArray, text);
        QFETCH(bool, quotable);
        QCOMPARE(lb::IsQuotableText(text), quotable);
    }
};

QTEST_APPLESS_MAIN(TestCommandFormat)
#include "tst_command_format.moc"
