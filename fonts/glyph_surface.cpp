// SPDX-License-Identifier: Apache-2.0
#include "fonts/glyph_surface.h"

#include "fonts/font_rules.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringDecoder>

namespace lb {
namespace {

// What a code page gives that a font cannot show: the replacement character, ICU's
// substitute (SUB) for a byte it does not assign, the controls and the user-defined
// characters of the private use area.
bool IsDrawable(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
    if (c == 0xFFFD) return false;
    if (c >= 0xE000 && c <= 0xF8FF) return false;
    return true;
}

}   // namespace

GlyphSurface::GlyphSurface() : m_image(kSize, kSize, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
    setFont(InitialFont(), kAnsiCharset);
}

GlyphSurface::~GlyphSurface() {
    if (m_painter) m_painter->end();
}

void GlyphSurface::setFont(const QFont& font, int charset) {
    m_font = font;
    m_font.setStyleStrategy(
        QFont::StyleStrategy((font.styleStrategy() & ~QFont::PreferAntialias) | QFont::NoAntialias));
    m_charset = charset >= 0 && charset < int(FontCharsets().size()) ? charset : kAnsiCharset;
    m_metrics = std::make_unique<QFontMetrics>(m_font, &m_image);
    // Stateless: a lead byte without its trail byte is no character, and never waits for
    // the next cell's bytes.
    m_decoder = std::make_unique<QStringDecoder>(FontCharsetAt(m_charset).converter,
                                                 QStringConverter::Flag::Stateless);
    if (m_painter) m_painter->setFont(m_font);
}

QString GlyphSurface::characterOf(QByteArrayView codeBytes) {
    if (codeBytes.isEmpty() || !m_decoder->isValid()) return QString();
    QString text = m_decoder->decode(codeBytes);
    char32_t c = 0;
    if (text.size() == 1 && !text.at(0).isSurrogate())
        c = text.at(0).unicode();
    else if (text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        c = QChar::surrogateToUcs4(text.at(0), text.at(1));
    // Two characters from two bytes: the pair is no character of the code page.
    return c != 0 && IsDrawable(c) ? text : QString();
}

void GlyphSurface::beginDrawing() {
    ++m_drawingDepth;
    painter();
}

void GlyphSurface::endDrawing() {
    if (m_drawingDepth > 0) --m_drawingDepth;
    if (m_drawingDepth == 0 && m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QPainter& GlyphSurface::painter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        m_painter->setPen(Qt::black);
        m_painter->setFont(m_font);
    }
    return *m_painter;
}

void GlyphSurface::clear() {
    SurfaceDrawing drawing(*this);
    m_painter->fillRect(0, 0, kSize, kSize, Qt::white);
}

}   // namespace lb
