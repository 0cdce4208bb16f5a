// SPDX-License-Identifier: Apache-2.0
// A printer bitmap font file as the font command and the preview window read it: parsed
// within its bytes, then drawn as the sheet of every glyph.

#include "fonts/bitmap_font.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BitmapFontFile font;
    QString problem;
    if (!ParseBitmapFont(QByteArrayView(data, qsizetype(size)), font, &problem)) {
        // A refused file leaves nothing behind and always says why.
        if (!font.glyphs.empty() || problem.isEmpty()) std::abort();
        return 0;
    }
    // Every glyph's bits are exactly its rows, so the sheet reads within them.
    for (const BitmapFontGlyph& glyph : font.glyphs)
        if (glyph.bits.size() != qsizetype(glyph.width + 7) / 8 * glyph.height) std::abort();
    const QImage sheet = RenderFontSheet(font);
    (void)sheet;
    return 0;
}
