// SPDX-License-Identifier: Apache-2.0
// The bitmap font builder: the file byte for byte, the index and its records, rows of bits,
// centring and clipping, the full Asian grid, the limits and the refusals without a file,
// the character sets' glyphs against the characters they must be, a font that lacks its
// character set's script, the encode table's rules, the page's presets, and reading a font
// file back.

#include "fonts/bitmap_font.h"
#include "fonts/font_charsets.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"
#include "link/link_observer.h"
#include "link/link_timing.h"
#include "tests/support/short_timing.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstring>

using namespace lb;

Q_DECLARE_METATYPE(lb::FontParameters)

namespace {

const QString kLatin = QStringLiteral("DejaVu Sans");
const QString kCjk = QStringLiteral("WenQuanYi Micro Hei");

QFont Font(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

FontParameters Range(GlyphSurface& surface, const QString& path, int first, int last, uint8_t pitch, int w,
                     int h) {
    FontParameters p;
    p.pitch = pitch;
    p.firstCode = first;
    p.lastCode = last;
    p.cellWidth = w;
    p.cellHeight = h;
    p.filePath = path;
    p.surface = &surface;
    return p;
}

// The character drawn on an image of its own, the way a person expects it in a cell: centred
// by integer division, cut at the cell's edges, non-white is ink. Rows of bits as the file has.
QByteArray ExpectedBits(const QFont& requested, const QString& character, int w, int h) {
    QFont font = requested;
    font.setStyleStrategy(QFont::NoAntialias);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QFontMetrics metrics(font, &image);
    const int tw = metrics.horizontalAdvance(character), th = metrics.ascent() + metrics.descent();
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(w > tw ? (w - tw) / 2 : 0, (h > th ? (h - th) / 2 : 0) + metrics.ascent(),
                         character);
    }
    QByteArray bits((w + 7) / 8 * h, '\0');
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                bits[y * ((w + 7) / 8) + x / 8] |= char(0x80 >> (x % 8));
    return bits;
}

QByteArray Rasterised(GlyphSurface& surface, const QByteArray& code, uint8_t pitch, int w, int h,
                      int* width = nullptr) {
    static std::vector<uint8_t> buffer(kGlyphBufferSize);
    GlyphCell cell;
    cell.pitch = pitch;
    cell.cellWidth = w;
    cell.cellHeight = h;
    std::memcpy(cell.text, code.constData(), std::size_t(std::min<qsizetype>(code.size(), 2)));
    cell.buffer = buffer.data();
    cell.surface = &surface;
    const int size = RasteriseGlyph(cell);
    if (width) *width = cell.glyphWidth;
    return QByteArray(reinterpret_cast<const char*>(buffer.data()), size);
}

class Recorder : public LinkObserver {
public:
    void progressShown() override { ++shown; }
    void progressHidden() override { ++hidden; }
    void pumpEvents() override { ++pumps; }
    int shown = 0, hidden = 0, pumps = 0;
};

}   // namespace

class TestBitmapFont : public QObject {
    Q_OBJECT
    // No pause before the progress window goes.
    ScopedLinkTiming m_timing{test::ShortLinkTiming(1000)};

private slots:
    void initTestCase() {
        for (const QString& family : {kLatin, kCjk})
            QVERIFY2(QFontDatabase::hasFamily(family),
                     qPrintable(family + " is installed by the set-up script"));
    }

    void rangeFontByteForByte_data() {
        QTest::addColumn<int>("pitch");
        QTest::newRow("fixed") << int(kFixedPitch);
        QTest::newRow("variable") << int(kVariablePitch);
    }
    void rangeFontByteForByte() {
        QFETCH(int, pitch);
        QTemporaryDir dir;
        GlyphSurface surface;
        surface.setFont(Font(kLatin, 16));
        const QString path = dir.filePath("f.bmf");
        Recorder recorder;
        ScopedObserver observer(&recorder);
        QVERIFY(BuildBitmapFont(Range(surface, path, 32, 127, uint8_t(pitch), 16, 24)));
        QCOMPARE(recorder.pumps, 96);
        QCOMPARE(recorder.shown, 1);
        QCOMPARE(recorder.hidden, 1);

        const QByteArray file = Contents(path);
        QByteArray header = QByteArray::fromHex("42 00 00 00 00 18 00 10 00 20 00 7F 00 00 00 60 00 00 00");
        header += QByteArray(13, '\0');
        if (pitch == kFixedPitch) {
            QCOMPARE(file.left(32).toHex(' '), header.toHex(' '));
            QCOMPARE(file.size(), 32 + 96 * 48);
            for (int i = 0; i < 96; ++i)
                QCOMPARE(file.mid(32 + i * 48, 48),
                         i == 95 ? QByteArray(48, '\0')   // DEL: an empty cell
                                 : ExpectedBits(Font(kLatin, 16), QString(QChar(32 + i)), 16, 24));
            return;
        }
        header[1] = 1;
        header[3] = 1;
        QCOMPARE(file.left(32).toHex(' '), header.toHex(' '));
        QCOMPARE(file.mid(32, 6).toHex(' '), QByteArray("20 00 60 02 00 00"));
        // Each record: its 16-bit width, then width's rows; the index points at each in turn.
        qint64 offset = 608;
        for (int i = 0; i < 96; ++i) {
            const QByteArray entry = file.mid(32 + 6 * i, 6);
            QCOMPARE(uchar(entry[0]), uchar(32 + i));
            QCOMPARE(entry[1], '\0');
            QCOMPARE(qFromLittleEndian<uint32_t>(entry.constData() + 2), uint32_t(offset));
            const int width = qFromLittleEndian<uint16_t>(file.constData() + offset);
            QCOMPARE(width,
                     i == 95 ? 0 : QFontMetrics(Font(kLatin, 16)).horizontalAdvance(QString(QChar(32 + i))));
            offset += 2 + (width + 7) / 8 * 24;
        }
        QCOMPARE(file.size(), offset);
    }

    // 9 pixels make 2 bytes a row, the second carrying its one pixel in the top bit; a
    // character wider than the cell is drawn from x = 0 and cut at the right.
    void rowsOfBitsAndClipping() {
        GlyphSurface surface;
        surface.setFont(Font(kLatin, 20));
        const QByteArray bits = Rasterised(surface, "W", kFixedPitch, 9, 20);
        QCOMPARE(bits.size(), 2 * 20);
        QCOMPARE(bits, ExpectedBits(Font(kLatin, 20), "W", 9, 20));
        bool topBit = false;
        for (int y = 0; y < 20; ++y) {
            QCOMPARE(uchar(bits[2 * y + 1]) & 0x7F, 0);
            topBit = topBit || (uchar(bits[2 * y + 1]) & 0x80);
        }
        QVERIFY(topBit);
    }

    // A narrower character is centred by integer division: two more columns move it by one.
    void centring_data() {
        QTest::addColumn<int>("wider");
        QTest::newRow("one column more") << 1;
        QTest::newRow("two columns more") << 2;
        QTest::newRow("five columns more") << 5;
        // Centred further right than the builder's drawing margin.
        QTest::newRow("eighty columns more") << 80;
    }
    void centring() {
        QFETCH(int, wider);
        GlyphSurface surface;
        surface.setFont(Font(kLatin, 16));
        const int tw = QFontMetrics(Font(kLatin, 16)).horizontalAdvance('H');
        const int w = tw + 3;
        const QByteArray narrow = Rasterised(surface, "H", kFixedPitch, w, 20);
        const QByteArray wide = Rasterised(surface, "H", kFixedPitch, w + wider, 20);
        const int shift = (w + wider - tw) / 2 - (w - tw) / 2;
        auto ink = [](const QByteArray& bits, int width, int x, int y) {
            return (uchar(bits[y * ((width + 7) / 8) + x / 8]) & (0x80 >> (x % 8))) != 0;
        };
        int inked = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < w + wider; ++x) {
                const bool expected = x >= shift && x - shift < w && ink(narrow, w, x - shift, y);
                QCOMPARE(ink(wide, w + wider, x, y), expected);
                inked += expected;
            }
        QVERIFY(inked > 0);
    }

    void fullTraditionalChinese() {
        QTemporaryDir dir;
        GlyphSurface surface;
        surface.setFont(Font(kCjk, 24), CharsetOfAsianCodePage(int(AsianCodePage::TraditionalChinese)));
        FontParameters p = Range(surface, dir.filePath("tc.bmf"), 0, 0, kFixedPitch, 24, 24);
        p.encode = kDoubleByteEncode;
        p.codePage = uint8_t(AsianCodePage::TraditionalChinese);
        Recorder recorder;
        ScopedObserver observer(&recorder);
        QVERIFY(BuildBitmapFont(p));
        QCOMPARE(recorder.pumps, 94);   // one per lead byte
        const QByteArray file = Contents(p.filePath);
        QCOMPARE(file.size(), 32 + 96 * 2 * 24 + 94 * 157 * 3 * 24);
        QCOMPARE(file.mid(0, 5).toHex(' '), QByteArray("42 00 01 00 00"));
        QCOMPARE(file.at(13), 'T');
        QCOMPARE(qFromLittleEndian<uint16_t>(file.constData() + 15), uint16_t(96 + 94 * 157));

        BitmapFontFile font;
        QVERIFY(ParseBitmapFont(file, font));
        QCOMPARE(font.glyphs.size(), std::size_t(96 + 94 * 157));
        // 0xA4 0x40 is U+4E00, after the 96 half-width cells and the 157 cells of each of A1..A3.
        const BitmapFontGlyph& one = font.glyphs[96 + 3 * 157];
        QCOMPARE(one.firstByte, uint8_t(0xA4));
        QCOMPARE(one.secondByte, uint8_t(0x40));
        QCOMPARE(one.bits, ExpectedBits(Font(kCjk, 24), QString(QChar(0x4E00)), 24, 24));
        QCOMPARE(font.glyphs[33].bits, ExpectedBits(Font(kCjk, 24), "A", 12, 24));
    }

    // Refused before anything is created: no file, and an old one stays.
    void refusedWithoutAFile_data() {
        QTest::addColumn<FontParameters>("change");
        QTest::addColumn<bool>("accepted");
        auto row = [](const char* name, auto edit, bool accepted) {
            FontParameters p;
            p.firstCode = 32;
            p.lastCode = 127;
            p.cellWidth = 16;
            p.cellHeight = 24;
            edit(p);
            QTest::newRow(name) << p << accepted;
        };
        row(
            "200..100",
            [](FontParameters& p) {
                p.firstCode = 200;
                p.lastCode = 100;
            },
            false);
        row(
            "0..256",
            [](FontParameters& p) {
                p.firstCode = 0;
                p.lastCode = 256;
            },
            false);
        row(
            "-1..10",
            [](FontParameters& p) {
                p.firstCode = -1;
                p.lastCode = 10;
            },
            false);
        row(
            "variable full Asian",
            [](FontParameters& p) {
                p.encode = 1;
                p.pitch = 1;
                p.firstCode = p.lastCode = 0;
            },
            false);
        row(
            "code page 4",
            [](FontParameters& p) {
                p.encode = 1;
                p.codePage = 4;
                p.firstCode = p.lastCode = 0;
            },
            false);
        row(
            "width 2049",
            [](FontParameters& p) {
                p.cellWidth = 2049;
                p.cellHeight = 8;
            },
            false);
        row(
            "height 2049",
            [](FontParameters& p) {
                p.cellWidth = 8;
                p.cellHeight = 2049;
            },
            false);
        row(
            "negative width", [](FontParameters& p) { p.cellWidth = -1; }, false);
        row(
            "65792-byte bitmap",
            [](FontParameters& p) {
                p.cellWidth = 2048;
                p.cellHeight = 257;
            },
            false);
        row(
            "65536-byte bitmap",
            [](FontParameters& p) {
                p.cellWidth = 2048;
                p.cellHeight = 256;
            },
            true);
        row(
            "variable 2048 x 2048",
            [](FontParameters& p) {
                p.pitch = 1;
                p.cellWidth = 2048;
                p.cellHeight = 2048;
            },
            true);
        row(
            "empty table",
            [](FontParameters& p) {
                p.byTable = 1;
                p.firstCode = p.lastCode = 0;
            },
            false);
        row(
            "encode 2", [](FontParameters& p) { p.encode = 2; }, false);
        row(
            "italic width -32769", [](FontParameters& p) { p.italicWidth = -32769; }, false);
    }
    void refusedWithoutAFile() {
        QFETCH(FontParameters, change);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        GlyphSurface surface;
        FontParameters p = change;
        p.surface = &surface;
        p.filePath = dir.filePath("f.bmf");
        QCOMPARE(FontParametersProblem(p).isEmpty(), accepted);
        if (accepted) return;   // building them is no test of the limits
        QVERIFY(!BuildBitmapFont(p));
        QVERIFY(!QFile::exists(p.filePath));
        QFile old(p.filePath);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QVERIFY(!BuildBitmapFont(p));
        QCOMPARE(Contents(p.filePath), QByteArray("old"));
    }

    void fileThatCannotBeCreated() {
        GlyphSurface surface;
        QVERIFY(!BuildBitmapFont(Range(surface, "/nonexistent/dir/f.bmf", 65, 66, kFixedPitch, 8, 8)));
    }

    void tables() {
        QByteArray memo("X\tY\r\nZ\x01");
        QCOMPARE(CleanEncodeTable(memo), 3);
        QCOMPARE(memo, QByteArray("XYZ"));
        QByteArray large(kMaxEncodeTableBytes + 1, 'A');
        QCOMPARE(CleanEncodeTable(large), 0);
        QTemporaryDir dir;
        QFile tableFile(dir.filePath("t.txt"));
        QVERIFY(tableFile.open(QIODevice::WriteOnly) && tableFile.write(QByteArray(65536, 'A')) == 65536);
        tableFile.close();
        QByteArray table;
        QCOMPARE(ReadEncodeTableFile(tableFile.fileName(), table), 0);
        QCOMPARE(ReadEncodeTableFile(dir.filePath("missing"), table), 0);

        GlyphSurface surface;
        surface.setFont(Font(kLatin, 12));
        FontParameters p = Range(surface, dir.filePath("xyz.bmf"), 0, 0, kFixedPitch, 8, 12);
        p.byTable = 1;
        p.table = reinterpret_cast<const uint8_t*>(memo.constData());
        p.tableCount = 3;
        QVERIFY(BuildBitmapFont(p));
        BitmapFontFile font;
        QVERIFY(ParseBitmapFont(Contents(p.filePath), font));
        QCOMPARE(font.header.hasIndex, uint8_t(1));
        QCOMPARE(int(font.header.firstCode), 0);
        QCOMPARE(font.glyphs.size(), std::size_t(3));
        QCOMPARE(font.glyphs[0].firstByte, uint8_t('X'));
        QCOMPARE(font.glyphs[2].firstByte, uint8_t('Z'));
        QCOMPARE(font.glyphs[1].bits, ExpectedBits(Font(kLatin, 12), "Y", 8, 12));

        // Five bytes of an Asian table are two characters: the fifth is left over.
        const QByteArray pairs("\xA4\x40\xA4\x41\xA4");
        surface.setFont(Font(kCjk, 16), CharsetOfAsianCodePage(0));
        p.encode = kDoubleByteEncode;
        p.table = reinterpret_cast<const uint8_t*>(pairs.constData());
        p.tableCount = int(pairs.size()) / 2;
        QVERIFY(BuildBitmapFont(p));
        QVERIFY(ParseBitmapFont(Contents(p.filePath), font));
        QCOMPARE(font.header.doubleByte, uint8_t(1));
        QCOMPARE(font.header.codePageLetter, uint8_t(0));
        QCOMPARE(font.glyphs.size(), std::size_t(2));
        QCOMPARE(font.glyphs[1].firstByte, uint8_t(0xA4));
        QCOMPARE(font.glyphs[1].secondByte, uint8_t(0x41));
    }

    void presets() {
        QCOMPARE(MappingPreset(0)->start, 32);
        QCOMPARE(MappingPreset(0)->end, 127);
        QCOMPARE(MappingPreset(1)->end, 255);
        QVERIFY(!MappingPreset(2));
        QCOMPARE(PitchPresetForEncode(kStandardEncode), kVariablePitch);
        QCOMPARE(PitchPresetForEncode(kAsianFontEncode), kFixedPitch);
        QCOMPARE(PitchPresetForEncode(kEncodeByTable), kVariablePitch);
        QCOMPARE(PitchPresetForEncode(kEncodeByTableAsian), kFixedPitch);
        QFont font = Font(kLatin, 20);
        QCOMPARE(ProposedItalicWidth(font, 20), 0);
        font.setItalic(true);
        QCOMPARE(ProposedItalicWidth(font, 20), 6);
        font.setBold(true);
        QCOMPARE(ProposedItalicWidth(font, 25), 7);
        font.setUnderline(true);
        QCOMPARE(ProposedItalicWidth(font, 20), 0);
        QCOMPARE(PrinterFontNameProblem("FONT001"), QString());
        for (const QString& bad :
             {QString(), QString(32, 'A'), QString("A\"B"), QString("A\nB"), QString("\u4E00")})
            QVERIFY(!PrinterFontNameProblem(bad).isEmpty());
    }

    // A font without the character set's script is found by a character the encode's codes
    // stand for: the double-byte sets ask for their script only with the Asian encodes, whose
    // codes are double-byte; a single-byte set asks for a letter of its own in any encode.
    void missingScript_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("charset");
        QTest::addColumn<int>("encode");
        QTest::addColumn<QString>("missing");   // empty: the font has the script
        QTest::newRow("Latin font, Big5, Asian") << kLatin << "big5" << int(kAsianFontEncode) << "\u4E2D";
        QTest::newRow("Latin font, GB2312, Asian table")
            << kLatin << "gb2312" << int(kEncodeByTableAsian) << "\u4E2D";
        QTest::newRow("Latin font, Hangul, Asian") << kLatin << "hangul" << int(kAsianFontEncode) << "\uAC00";
        QTest::newRow("Latin font, Shift-JIS, Asian")
            << kLatin << "shift-jis" << int(kAsianFontEncode) << "\u3042";
        QTest::newRow("Latin font, Big5, single bytes") << kLatin << "big5" << int(kStandardEncode) << "";
        QTest::newRow("Latin font, Big5, table") << kLatin << "big5" << int(kEncodeByTable) << "";
        QTest::newRow("Latin font, ANSI") << kLatin << "ansi" << int(kStandardEncode) << "";
        QTest::newRow("Latin font, Hebrew") << kLatin << "hebrew" << int(kStandardEncode) << "";
        QTest::newRow("Latin font, Thai") << kLatin << "thai" << int(kStandardEncode) << "\u0E01";
        QTest::newRow("Latin serif, Hebrew") << "DejaVu Serif"
                                             << "hebrew" << int(kEncodeByTable) << "\u05D0";
        QTest::newRow("CJK font, Big5, Asian") << kCjk << "big5" << int(kAsianFontEncode) << "";
        QTest::newRow("CJK font, Hangul, Asian table") << kCjk << "hangul" << int(kEncodeByTableAsian) << "";
        QTest::newRow("CJK font, Shift-JIS, Asian") << kCjk << "shift-jis" << int(kAsianFontEncode) << "";
        QTest::newRow("CJK font, ANSI") << kCjk << "ansi" << int(kStandardEncode) << "";
    }
    void missingScript() {
        QFETCH(QString, family);
        QFETCH(QString, charset);
        QFETCH(int, encode);
        QFETCH(QString, missing);
        const int index = FontCharsetByCliName(charset);
        QVERIFY(index >= 0);
        const std::optional<MissingScript> found = FindMissingScript(Font(family, 16), index, encode);
        QCOMPARE(found.has_value(), !missing.isEmpty());
        if (!found) return;
        QCOMPARE(found->family, family);
        QCOMPARE(found->character, missing);
    }

    // Each code page's bytes give the character they stand for, drawn as the font draws it;
    // a code the code page does not assign is an empty cell.
    void codePages_data() {
        QTest::addColumn<QString>("charset");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<uint>("character");   // 0: an empty cell
        QTest::newRow("Big5 A4 40") << "big5" << QByteArray("\xA4\x40") << 0x4E00u;
        QTest::newRow("Big5 A3 FE unassigned") << "big5" << QByteArray("\xA3\xFE") << 0u;
        QTest::newRow("GBK B0 A1") << "gb2312" << QByteArray("\xB0\xA1") << 0x554Au;
        QTest::newRow("windows-949 B0 A1") << "hangul" << QByteArray("\xB0\xA1") << 0xAC00u;
        // Beyond the Wansung rows: a syllable ICU's plain CP949 does not have.
        QTest::newRow("windows-949 81 41") << "hangul" << QByteArray("\x81\x41") << 0xAC02u;
        QTest::newRow("Shift-JIS 88 9F") << "shift-jis" << QByteArray("\x88\x9F") << 0x4E9Cu;
        QTest::newRow("Shift-JIS NEC 87 40") << "shift-jis" << QByteArray("\x87\x40") << 0x2460u;
        QTest::newRow("Shift-JIS 5C backslash") << "shift-jis" << QByteArray("\x5C") << 0x5Cu;
        QTest::newRow("Shift-JIS 85 40 unassigned") << "shift-jis" << QByteArray("\x85\x40") << 0u;
        QTest::newRow("Cyrillic C0") << "cyrillic" << QByteArray("\xC0") << 0x410u;
        QTest::newRow("ANSI 80 euro") << "ansi" << QByteArray("\x80") << 0x20ACu;
        QTest::newRow("ANSI 81 unassigned") << "ansi" << QByteArray("\x81") << 0u;
        QTest::newRow("ANSI 0x1B control") << "ansi" << QByteArray("\x1B") << 0u;
    }
    void codePages() {
        QFETCH(QString, charset);
        QFETCH(QByteArray, code);
        QFETCH(uint, character);
        for (const FontCharset& set : FontCharsets())
            QVERIFY2(QStringDecoder(set.converter).isValid(), set.converter);
        const int index = FontCharsetByCliName(charset);
        QVERIFY(index >= 0);
        GlyphSurface surface;
        const QFont font = Font(code.size() == 2 ? kCjk : kLatin, 20);
        surface.setFont(font, index);
        const QByteArray bits = Rasterised(surface, code, kFixedPitch, 24, 24);
        if (character == 0) {
            QCOMPARE(bits, QByteArray(bits.size(), '\0'));
            return;
        }
        const char32_t c = character;
        const QByteArray expected = ExpectedBits(font, QString::fromUcs4(&c, 1), 24, 24);
        QVERIFY(expected.count('\0') < expected.size());
        QCOMPARE(bits, expected);
    }

    void readingBack_data() {
        // bytes taken off the end; -1 a record's offset past the end; -2 every entry at the first
        // record (a file that would be copied once per entry); -3 an entry into the index
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("read");
        QTest::newRow("whole") << 0 << true;
        QTest::newRow("last byte missing") << 1 << false;
        QTest::newRow("header only") << -32 << false;
        QTest::newRow("inside the index") << -40 << false;
        QTest::newRow("half a header") << -16 << false;
        QTest::newRow("offset past the end") << -1 << false;
        QTest::newRow("every entry at one record") << -2 << false;
        QTest::newRow("an entry into the index") << -3 << false;
    }
    void readingBack() {
        QFETCH(int, cut);
        QFETCH(bool, read);
        QTemporaryDir dir;
        GlyphSurface surface;
        surface.setFont(Font(kLatin, 12));
        const FontParameters p = Range(surface, dir.filePath("v.bmf"), 65, 90, kVariablePitch, 0, 14);
        QVERIFY(BuildBitmapFont(p));
        QByteArray file = Contents(p.filePath);
        if (cut > 0) file.chop(cut);
        if (cut == -2)
            for (int i = 1; i < 26; ++i)
                std::memcpy(file.data() + 32 + 6 * i + 2, file.constData() + 32 + 2, 4);
        if (cut == -3) qToLittleEndian<uint32_t>(32, file.data() + 32 + 6 * 3 + 2);
        if (cut < -3) file.truncate(-cut);
        if (cut == -1) qToLittleEndian<uint32_t>(uint32_t(file.size()), file.data() + 32 + 6 * 25 + 2);
        BitmapFontFile font;
        QString problem;
        QCOMPARE(ParseBitmapFont(file, font, &problem), read);
        QCOMPARE(problem.isEmpty(), read);
        if (!read) return;
        QCOMPARE(font.glyphs.size(), std::size_t(26));
        QCOMPARE(font.glyphs[0].width, QFontMetrics(Font(kLatin, 12)).horizontalAdvance('A'));
        const QImage sheet = RenderFontSheet(font);
        QVERIFY(!sheet.isNull());
        QVERIFY(sheet.width() > 16 * font.glyphs[0].width);
    }
};

QTEST_MAIN(TestBitmapFont)
#include "tst_bitmap_font.moc"
