// SPDX-License-Identifier: Apache-2.0
#pragma once
// The hidden drawing surface the bitmap font builder draws on: a 2048 x 2048 image, the font
// it draws with and the character set the code bytes are read in.

#include "fonts/font_charsets.h"

#include <QByteArrayView>
#include <QFont>
#include <QImage>
#include <QString>
#include <memory>

class QFontMetrics;
class QPainter;
class QStringDecoder;

namespace lb {

class GlyphSurface {
public:
    static constexpr int kSize = 2048;

    // White, with InitialFont() (fonts/font_rules.h) in the ANSI character set.
    GlyphSurface();
    ~GlyphSurface();
    GlyphSurface(const GlyphSurface&) = delete;
    GlyphSurface& operator=(const GlyphSurface&) = delete;

    // The font the glyphs are drawn with (always without antialiasing, whatever the font
    // asked for: a grey pixel counts as ink) and the character set of the code bytes.
    void setFont(const QFont& font, int charset = kAnsiCharset);
    const QFont& font() const { return m_font; }
    const QFontMetrics& metrics() const { return *m_metrics; }
    int charset() const { return m_charset; }

    // The character that one code byte or one lead and trail byte stand for in the
    // character set. Empty for a code the code page does not assign and for a control code
    // (C0, DEL, C1): such a code is drawn as an empty cell.
    QString characterOf(QByteArrayView codeBytes);

    // The painter on the image. Between beginDrawing() and endDrawing() one painter stays
    // active (a build); outside, painter() begins one that the next endDrawing() ends.
    void beginDrawing();
    void endDrawing();
    QPainter& painter();
    // Paints the whole surface white.
    void clear();

    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    QFont m_font;
    int m_charset = kAnsiCharset;
    std::unique_ptr<QFontMetrics> m_metrics;
    std::unique_ptr<QStringDecoder> m_decoder;
    std::unique_ptr<QPainter> m_painter;
    int m_drawingDepth = 0;
};

// Keeps the surface's painter active for one scope.
class SurfaceDrawing {
public:
    explicit SurfaceDrawing(GlyphSurface& surface) : m_surface(surface) { m_surface.beginDrawing(); }
    ~SurfaceDrawing() { m_surface.endDrawing(); }
    SurfaceDrawing(const SurfaceDrawing&) = delete;
    SurfaceDrawing& operator=(const SurfaceDrawing&) = delete;

private:
    GlyphSurface& m_surface;
};

}   // namespace lb
