// SPDX-License-Identifier: Apache-2.0
#pragma once
// "Preview Font": the desktop font's single-byte characters in a 16 x 16 chart, and the font
// as it will be downloaded: a font file built from the page (or opened) and drawn glyph by
// glyph from its bits.

#include "fonts/bitmap_font.h"

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class QEvent;

namespace Ui {
class TFormPreviewFont;
}

namespace lb {

class GlyphSurface;

class TFormPreviewFont : public QDialog {
    Q_OBJECT
public:
    explicit TFormPreviewFont(QWidget* parent = nullptr);
    ~TFormPreviewFont() override;

    // Moves the window to (left, top) and draws the chart in the surface's font at 10 points.
    void DrawFontPreview(int left, int top, GlyphSurface& surface);

    // Builds the page's font and gives the file's bytes; false when it could not (the reason
    // has been shown). Without one, "Build from Page" is disabled.
    using FontBuilder = std::function<bool(QByteArray& bytes)>;
    void setFontBuilder(FontBuilder builder);
    // Where "Open Font File" starts.
    void setStartDirectory(const QString& directory) { m_startDirectory = directory; }

    // Shows a font file's glyphs on the "Built Font" tab; false (the reason shown there) for
    // bytes that are no font file.
    bool ShowBuiltFont(const QByteArray& bytes);

public slots:
    void ButtonExitClick();
    void ButtonBuildFontClick();
    void ButtonOpenFontClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showBuiltFontText();

    std::unique_ptr<Ui::TFormPreviewFont> m_ui;
    FontBuilder m_builder;
    QString m_startDirectory;
    // What the "Built Font" tab says, kept for a change of language.
    enum class Shown { Nothing, Font, Problem } m_shown = Shown::Nothing;
    BitmapFontHeader m_header{};
    int m_glyphCount = 0;
    bool m_sheetTooLarge = false;
    QString m_problem;   // English, from the font reader
};

}   // namespace lb
