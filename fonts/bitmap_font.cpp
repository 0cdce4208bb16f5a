// SPDX-License-Identifier: Apache-2.0
#include "fonts/bitmap_font.h"

#include "fonts/glyph_surface.h"
#include "link/link_observer.h"
#include "link/printer_link.h"
#include "link/save_file.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <memory>

namespace lb {
namespace {

void PumpEvents() {
    if (LinkObserver* observer = CurrentLinkObserver()) observer->pumpEvents();
}

// Room left of a fixed cell's text for a glyph that reaches left of its origin.
constexpr int kDrawMargin = 32;

// Any colour but pure white is ink.
inline bool IsInk(QRgb pixel) {
    return (pixel & 0xFFFFFFu) != 0xFFFFFFu;
}

// The text's width as drawn: the font metrics' horizontal advance. A lone character of a
// script whose letters are not shaped by their neighbours (no marks, no joining) is its
// glyph's advance, the same number, found without shaping the text a second time; that is a
// fifth of a full Asian font's build.
int TextWidth(const QFontMetrics& metrics, const QString& text) {
    if (text.isEmpty()) return 0;
    if (text.size() == 1) {
        const QChar c = text.at(0);
        const QChar::Category category = c.category();
        const bool mark = category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
                          category == QChar::Mark_Enclosing;
        switch (c.script()) {
        case QChar::Script_Common:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
        case QChar::Script_Han:
        case QChar::Script_Hangul:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Bopomofo:
            if (!mark) return metrics.horizontalAdvance(c);
            break;
        default:
            break;
        }
    }
    return metrics.horizontalAdvance(text);
}

int BitmapBytes(int width, int height) {
    return (width + 7) / 8 * height;
}

bool IsFullAsian(const FontParameters& p) {
    return p.encode == kDoubleByteEncode && p.byTable == 0;
}

// A variable-pitch font (and every table font) carries an index.
bool HasIndex(const FontParameters& p) {
    return p.byTable == 1 || (p.encode == kSingleByteEncode && p.pitch == kVariablePitch);
}

// The file being built: the header, the index's placeholder, then each record as soon as it
// is drawn; the index goes over its placeholder at the end. Records pass through a small
// staging buffer, so that a font of 15 000 cells is a few dozen writes, not 15 000. Nothing
// replaces the target unless every write succeeded.
class FontFileWriter {
public:
    FontFileWriter(const FontParameters& p, bool index)
        : m_file(p.filePath), m_index(index ? std::size_t(p.characterCount) : 0) {
        m_pending.reserve(kStagingBytes + 2 + kGlyphBufferSize);
        BitmapFontHeader header;
        WriteFontHeader(p, header);
        m_ok = m_file.open();
        m_pending.append(reinterpret_cast<const char*>(&header), sizeof header);
        // The index's placeholder: zeros, filled in at the end.
        m_pending.append(qsizetype(m_index.size() * sizeof(BitmapFontIndexEntry)), '\0');
        m_offset = kFontHeaderSize + qint64(m_index.size()) * kFontIndexEntrySize;
    }

    // Character i's record: for variable pitch its width first.
    void add(std::size_t i, uint8_t first, uint8_t second, const GlyphCell& cell, int size) {
        if (!m_ok) return;
        if (i < m_index.size()) {
            // The index holds 32-bit offsets.
            if (m_offset > qint64(UINT32_MAX)) {
                m_ok = false;
                return;
            }
            m_index[i] = {first, second, uint32_t(m_offset)};
        }
        if (cell.pitch == kVariablePitch) {
            const uint16_t width = qToLittleEndian(uint16_t(cell.glyphWidth));
            m_pending.append(reinterpret_cast<const char*>(&width), sizeof width);
            m_offset += sizeof width;
        }
        m_pending.append(reinterpret_cast<const char*>(cell.buffer), size);
        m_offset += size;
        if (m_pending.size() >= kStagingBytes) flush();
    }

    bool finish() {
        flush();
        if (m_ok && !m_index.empty())
            m_ok = m_file.writeAt(kFontHeaderSize, reinterpret_cast<const char*>(m_index.data()),
                                  qint64(m_index.size() * sizeof(BitmapFontIndexEntry)));
        return m_ok && m_file.commit();
    }
    QString errorString() const { return m_file.errorString(); }

private:
    static constexpr qsizetype kStagingBytes = 256 * 1024;

    void flush() {
        m_ok = m_ok && m_file.write(m_pending);
        m_pending.resize(0);
    }

    CheckedSaveFile m_file;
    std::vector<BitmapFontIndexEntry> m_index;
    QByteArray m_pending;
    qint64 m_offset = 0;
    bool m_ok = false;
};

struct Build {
    FontParameters p;
    QString fileError;
    std::unique_ptr<uint8_t[]> buffer{new uint8_t[kGlyphBufferSize]};

    GlyphCell cell(int width) {
        GlyphCell c;
        c.pitch = p.pitch;
        c.cellWidth = width;
        c.cellHeight = p.cellHeight;
        c.buffer = buffer.get();
        c.surface = p.surface;
        return c;
    }
};

void SetText(GlyphCell& cell, uint8_t first, uint8_t second) {
    cell.text[0] = char(first);
    cell.text[1] = char(second);
    cell.text[2] = 0;
}

// A range of codes or a table's bytes, one character each.
bool BuildSingleByte(Build& b) {
    FontParameters& p = b.p;
    p.characterCount = p.byTable ? p.tableCount : p.lastCode - p.firstCode + 1;
    const int count = p.characterCount;
    FontFileWriter out(p, HasIndex(p));
    GlyphCell cell = b.cell(p.cellWidth);
    for (int i = 0; i < count; ++i) {
        const uint8_t code = p.byTable ? p.table[i] : uint8_t(p.firstCode + i);
        SetText(cell, code, 0);
        const int size = RasteriseGlyph(cell);
        out.add(std::size_t(i), code, 0, cell, size);
        AdvanceProgress(PercentOfBlock, i * 100 / count);
        PumpEvents();
    }
    if (out.finish()) return true;
    b.fileError = out.errorString();
    return false;
}

// Every cell of the code page's grid after its half-width part; no index.
bool BuildFullAsian(Build& b) {
    FontParameters& p = b.p;
    const int codePage = p.codePage;
    const int half = HalfWidthCount(codePage);
    const int grid = AsianGridCount(codePage);
    // Bytes 15-16 hold the real count, half-width part included, although the printer
    // finds the cells by the grid of the code page letter.
    p.characterCount = half + grid;
    FontFileWriter out(p, false);

    GlyphCell cell = b.cell(p.cellWidth / 2);
    for (int i = 0; i < half; ++i) {
        SetText(cell, HalfWidthCode(codePage, i), 0);
        out.add(std::size_t(i), 0, 0, cell, RasteriseGlyph(cell));
    }

    // The progress after each lead byte: (lead - first lead) x 100 / divisor.
    constexpr int kFirstLead[] = {0xA1, 0x81, 0xA1, 0x81};
    constexpr int kDivisor[] = {93, 125, 93, 123};
    cell = b.cell(p.cellWidth);
    const int trails = AsianGridTrailCount(codePage);
    uint8_t lead = 0, trail = 0;
    for (int i = 0; i < grid; ++i) {
        AsianGridCode(codePage, i, lead, trail);
        SetText(cell, lead, trail);
        out.add(std::size_t(half + i), lead, trail, cell, RasteriseGlyph(cell));
        if ((i + 1) % trails == 0) {
            AdvanceProgress(PercentOfBlock, (lead - kFirstLead[codePage]) * 100 / kDivisor[codePage]);
            PumpEvents();
        }
    }
    if (out.finish()) return true;
    b.fileError = out.errorString();
    return false;
}

// The table's byte pairs, lead byte first; always with an index.
bool BuildAsianTable(Build& b) {
    FontParameters& p = b.p;
    p.characterCount = p.tableCount;
    const int count = p.characterCount;
    FontFileWriter out(p, true);
    GlyphCell cell = b.cell(p.cellWidth);
    for (int i = 0; i < count; ++i) {
        const uint8_t lead = p.table[2 * i], trail = p.table[2 * i + 1];
        SetText(cell, lead, trail);
        const int size = RasteriseGlyph(cell);
        out.add(std::size_t(i), lead, trail, cell, size);
        AdvanceProgress(PercentOfBlock, i * 100 / count);
        PumpEvents();
    }
    if (out.finish()) return true;
    b.fileError = out.errorString();
    return false;
}

}   // namespace

QString FontParametersProblem(const FontParameters& p) {
    // English in every language: the callers show it beside "Font Parameter Error".
    if (!p.surface) return QStringLiteral("No drawing surface is given.");
    if (p.filePath.isEmpty()) return QStringLiteral("No font file is named.");
    if (p.encode != kSingleByteEncode && p.encode != kDoubleByteEncode)
        return QStringLiteral("The font encode must be single-byte or double-byte.");
    if (p.pitch != kFixedPitch && p.pitch != kVariablePitch)
        return QStringLiteral("The font pitch must be fixed or variable.");
    if (p.byTable > 1) return QStringLiteral("The table flag must be 0 or 1.");
    if (p.cellWidth < 0 || p.cellHeight < 0)
        return QStringLiteral("The font width and height cannot be negative.");
    if (p.cellWidth > kMaxCellSize || p.cellHeight > kMaxCellSize)
        return QStringLiteral("The font width and height can be at most %1 pixels.").arg(kMaxCellSize);
    if ((p.pitch == kFixedPitch || IsFullAsian(p)) &&
        BitmapBytes(p.cellWidth, p.cellHeight) > kGlyphBufferSize)
        return QStringLiteral("A character of %1 x %2 pixels needs %3 bytes; at most %4 fit.")
            .arg(p.cellWidth)
            .arg(p.cellHeight)
            .arg(BitmapBytes(p.cellWidth, p.cellHeight))
            .arg(kGlyphBufferSize);
    if (p.italicWidth < -32768 || p.italicWidth > 65535)
        return QStringLiteral("The italic width must lie within -32768..65535.");
    if (p.encode == kSingleByteEncode && p.byTable == 0) {
        if (p.firstCode < 0 || p.lastCode > 255)
            return QStringLiteral("The character codes must lie within 0..255.");
    }
    if (p.lastCode < p.firstCode) return QStringLiteral("The last character code is below the first.");
    if (IsFullAsian(p)) {
        if (p.pitch != kFixedPitch) return QStringLiteral("A full Asian font must have fixed pitch.");
        if (p.codePage >= kAsianCodePageCount) return QStringLiteral("The Asian code page must be 0..3.");
    }
    if (p.byTable == 1) {
        if (!p.table || p.tableCount < 1) return QStringLiteral("The encode table holds no character.");
        if (p.tableCount > kMaxFontCharacters)
            return QStringLiteral("The encode table holds more than %1 characters.").arg(kMaxFontCharacters);
    }
    return QString();
}

bool BuildBitmapFont(const FontParameters& parameters, QString* fileError) {
    if (!FontParametersProblem(parameters).isEmpty()) return false;
    Build build{parameters, QString()};
    // One painter for the whole build.
    SurfaceDrawing drawing(*build.p.surface);
    build.p.surface->clear();
    ShowProgress(PercentOfBlock, 0, 0);
    bool ok = false;
    if (build.p.encode == kSingleByteEncode)
        ok = BuildSingleByte(build);
    else if (build.p.byTable == 0)
        ok = BuildFullAsian(build);
    else
        ok = BuildAsianTable(build);
    HideProgress();
    if (!ok && fileError) *fileError = build.fileError;
    return ok;
}

int RasteriseGlyph(GlyphCell& cell) {
    GlyphSurface& surface = *cell.surface;
    SurfaceDrawing drawing(surface);
    QPainter& painter = surface.painter();
    const qsizetype length = cell.text[0] == 0 ? 0 : (cell.text[1] == 0 ? 1 : 2);
    const QString text = surface.characterOf(QByteArrayView(cell.text, length));
    const QFontMetrics& metrics = surface.metrics();
    const int textHeight = metrics.ascent() + metrics.descent();
    const bool fixed = cell.pitch == kFixedPitch;
    const int h = std::clamp(int(cell.cellHeight), 0, GlyphSurface::kSize);
    const int y0 = cell.cellHeight > textHeight ? (cell.cellHeight - textHeight) / 2 : 0;
    const int baseline = y0 + metrics.ascent();

    // A fixed cell is drawn before it is measured: the text goes at a margin right of the
    // surface's edge, and the cell is read from margin - x0, which is the same as drawing at
    // x0. Measured after the drawing, the width comes from the glyph the font engine has just
    // loaded, instead of loading it a second time. Text centred further right than the
    // margin is drawn again at x0.
    int w = 0, x0 = 0, readFrom = 0;
    bool drawn = false;
    if (fixed) {
        w = std::clamp(int(cell.cellWidth), 0, GlyphSurface::kSize);
        const int margin = std::min(kDrawMargin, GlyphSurface::kSize - w);
        if (w > 0 && h > 0) {
            painter.fillRect(0, 0, margin + w, h, Qt::white);
            if (!text.isEmpty()) painter.drawText(margin, baseline, text);
        }
        const int textWidth = TextWidth(metrics, text);
        x0 = w > textWidth ? (w - textWidth) / 2 : 0;
        readFrom = margin - x0;
        drawn = readFrom >= 0;
    } else {
        w = std::clamp(TextWidth(metrics, text), 0, GlyphSurface::kSize);
    }
    // A variable-pitch glyph wider than the buffer holds is cut.
    if (h > 0) w = std::min(w, kGlyphBufferSize / h * 8);

    const int rowBytes = (w + 7) / 8;
    if (w > 0 && h > 0) {
        if (!drawn) {
            painter.fillRect(0, 0, w, h, Qt::white);
            if (!text.isEmpty()) painter.drawText(x0, baseline, text);
            readFrom = 0;
        }
        const QImage& image = surface.image();
        uint8_t* out = cell.buffer;
        const int whole = w / 8 * 8;
        for (int y = 0; y < h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + readFrom;
            int x = 0;
            for (; x < whole; x += 8) {
                unsigned byte = 0;
                for (int i = 0; i < 8; ++i)
                    byte = (byte << 1) | (IsInk(line[x + i]) ? 1u : 0u);
                *out++ = uint8_t(byte);
            }
            if (x < w) {
                // The row's last pixels in the top bits of its last byte.
                unsigned byte = 0;
                for (int i = 0; x + i < w; ++i)
                    byte |= (IsInk(line[x + i]) ? 0x80u : 0u) >> i;
                *out++ = uint8_t(byte);
            }
        }
    }
    cell.glyphWidth = w;
    cell.glyphHeight = h;
    return rowBytes * h;
}

void WriteFontHeader(const FontParameters& p, BitmapFontHeader& header) {
    std::memset(&header, 0, sizeof header);
    const bool range = p.encode == kSingleByteEncode && p.byTable == 0;
    header.magic = kFontMagic;
    header.pitch = p.pitch;
    header.doubleByte = p.encode == kDoubleByteEncode ? 1 : 0;
    header.hasIndex = HasIndex(p) ? 1 : 0;
    header.italic = p.italicWidth != 0 ? 1 : 0;
    header.cellHeight = uint16_t(p.cellHeight);
    header.cellWidth = uint16_t(p.cellWidth);
    header.firstCode = range ? uint16_t(p.firstCode) : 0;
    header.lastCode = range ? uint16_t(p.lastCode) : 0;
    // Single-byte and table fonts name no code page: 0.
    header.codePageLetter = IsFullAsian(p) ? uint8_t(AsianCodePageLetter(p.codePage)) : 0;
    header.characterCount = uint16_t(p.characterCount);
    // A negative italic width is kept as its 16-bit two's complement.
    header.italicWidth = uint16_t(p.italicWidth);
}

bool ParseBitmapFont(QByteArrayView bytes, BitmapFontFile& font, QString* problem) {
    // English in every language, like the builder's refusals.
    auto fail = [&](const QString& text) {
        if (problem) *problem = text;
        font = BitmapFontFile{};
        return false;
    };
    font = BitmapFontFile{};
    const qint64 size = bytes.size();
    if (size < kFontHeaderSize) return fail(QStringLiteral("The file is shorter than the 32-byte header."));
    BitmapFontHeader& h = font.header;
    std::memcpy(&h, bytes.data(), sizeof h);
    if (h.magic != kFontMagic) return fail(QStringLiteral("The file does not start with 'B'."));
    if (h.pitch > 1 || h.doubleByte > 1 || h.hasIndex > 1)
        return fail(QStringLiteral("The header's pitch, code or index byte is not 0 or 1."));
    const int cellWidth = h.cellWidth, cellHeight = h.cellHeight;
    const bool variable = h.pitch == kVariablePitch;

    // The record at offset: its width for variable pitch, then the bitmap. -1 past the end.
    auto readRecord = [&](qint64 offset, int width, BitmapFontGlyph& glyph) -> qint64 {
        if (variable) {
            if (offset < 0 || offset + 2 > size) return -1;
            width = qFromLittleEndian<uint16_t>(bytes.data() + offset);
            offset += 2;
        }
        const qint64 length = qint64(width + 7) / 8 * cellHeight;
        if (offset < 0 || offset + length > size) return -1;
        glyph.width = width;
        glyph.height = cellHeight;
        glyph.bits = QByteArray(bytes.data() + offset, length);
        return offset + length;
    };
    const QString truncated = QStringLiteral("The file ends inside character %1 of %2.");

    if (h.doubleByte == 1 && h.hasIndex == 0) {
        const int codePage = AsianCodePageOfLetter(h.codePageLetter);
        if (codePage < 0) return fail(QStringLiteral("The Asian font names no known code page."));
        if (variable) return fail(QStringLiteral("A full Asian font has fixed pitch."));
        const int half = HalfWidthCount(codePage), count = half + AsianGridCount(codePage);
        font.glyphs.resize(std::size_t(count));
        qint64 offset = kFontHeaderSize;
        for (int i = 0; i < count; ++i) {
            BitmapFontGlyph& glyph = font.glyphs[std::size_t(i)];
            if (i < half)
                glyph.firstByte = HalfWidthCode(codePage, i);
            else
                AsianGridCode(codePage, i - half, glyph.firstByte, glyph.secondByte);
            offset = readRecord(offset, i < half ? cellWidth / 2 : cellWidth, glyph);
            if (offset < 0) return fail(truncated.arg(i + 1).arg(count));
        }
        return true;
    }

    const int count = h.characterCount;
    font.glyphs.resize(std::size_t(count));
    if (h.hasIndex == 1) {
        const qint64 indexEnd = kFontHeaderSize + qint64(count) * kFontIndexEntrySize;
        if (indexEnd > size)
            return fail(QStringLiteral("The file ends inside the index of %1 characters.").arg(count));
        // Every record lies after the index and on bytes of its own: an index that points
        // several characters at the same bytes would make the reader copy them again and again.
        std::vector<std::pair<qint64, qint64>> records;   // start, end
        records.reserve(std::size_t(count));
        qint64 copied = 0;
        const QString sameBytes = QStringLiteral("The index points two characters at the same bytes.");
        for (int i = 0; i < count; ++i) {
            BitmapFontIndexEntry entry;
            std::memcpy(&entry, bytes.data() + kFontHeaderSize + qint64(i) * kFontIndexEntrySize,
                        sizeof entry);
            BitmapFontGlyph& glyph = font.glyphs[std::size_t(i)];
            glyph.firstByte = entry.firstByte;
            glyph.secondByte = entry.secondByte;
            if (qint64(entry.recordOffset) < indexEnd)
                return fail(QStringLiteral("Character %1 of %2 points into the header or the index.")
                                .arg(i + 1)
                                .arg(count));
            const qint64 end = readRecord(qint64(entry.recordOffset), cellWidth, glyph);
            if (end < 0) return fail(truncated.arg(i + 1).arg(count));
            records.emplace_back(qint64(entry.recordOffset), end);
            // What was copied so far never exceeds the file: records on bytes of their own.
            copied += end - qint64(entry.recordOffset);
            if (copied > size - indexEnd) return fail(sameBytes);
        }
        std::sort(records.begin(), records.end());
        for (std::size_t i = 1; i < records.size(); ++i)
            if (records[i].first < records[i - 1].second) return fail(sameBytes);
        return true;
    }

    if (h.doubleByte == 0 && count != int(h.lastCode) - int(h.firstCode) + 1)
        return fail(QStringLiteral("The character count does not match the codes %1..%2.")
                        .arg(h.firstCode)
                        .arg(h.lastCode));
    qint64 offset = kFontHeaderSize;
    for (int i = 0; i < count; ++i) {
        BitmapFontGlyph& glyph = font.glyphs[std::size_t(i)];
        glyph.firstByte = uint8_t(h.firstCode + i);
        offset = readRecord(offset, cellWidth, glyph);
        if (offset < 0) return fail(truncated.arg(i + 1).arg(count));
    }
    return true;
}

QImage RenderFontSheet(const BitmapFontFile& font) {
    const int count = int(font.glyphs.size());
    int cellWidth = 1;
    for (const BitmapFontGlyph& glyph : font.glyphs)
        cellWidth = std::max(cellWidth, glyph.width);
    const int cellHeight = std::max(1, int(font.header.cellHeight));
    // Small glyphs are drawn larger, up to 8 screen pixels a bit; a whole Asian grid as it is.
    const int scale = count > 256 ? 1 : std::clamp(48 / std::max(cellWidth, cellHeight), 1, 8);
    const int columns = count <= 256 ? 16 : 64;
    const int rows = (count + columns - 1) / columns;
    const qint64 stepX = qint64(cellWidth) * scale + 1, stepY = qint64(cellHeight) * scale + 1;
    const qint64 width = columns * stepX + 1, height = rows * stepY + 1;
    // Beyond this the sheet is no picture a person looks at.
    if (width * height > (qint64(1) << 27)) return QImage();

    QImage sheet(int(width), int(height), QImage::Format_Grayscale8);
    sheet.fill(255);
    for (qint64 x = 0; x < width; x += stepX)
        for (qint64 y = 0; y < height; ++y)
            sheet.scanLine(int(y))[x] = 192;
    for (qint64 y = 0; y < height; y += stepY)
        std::memset(sheet.scanLine(int(y)), 192, std::size_t(width));
    for (int i = 0; i < count; ++i) {
        const BitmapFontGlyph& glyph = font.glyphs[std::size_t(i)];
        const int left = int((i % columns) * stepX + 1), top = int((i / columns) * stepY + 1);
        const int rowBytes = (glyph.width + 7) / 8;
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x) {
                const auto byte = uint8_t(glyph.bits.at(y * rowBytes + x / 8));
                if (!(byte & (0x80 >> (x % 8)))) continue;
                for (int dy = 0; dy < scale; ++dy)
                    std::memset(sheet.scanLine(top + y * scale + dy) + left + x * scale, 0,
                                std::size_t(scale));
            }
    }
    return sheet;
}

}   // namespace lb
