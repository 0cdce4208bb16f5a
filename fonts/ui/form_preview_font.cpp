// SPDX-License-Identifier: Apache-2.0
#include "fonts/ui/form_preview_font.h"

#include "fonts/glyph_surface.h"
#include "ui_common/dialog_placement.h"
#include "ui_common/file_dialog.h"
#include "ui_form_preview_font.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace lb {
namespace {

constexpr int kChartWidth = 320;
constexpr int kChartHeight = 480;
constexpr int kCellWidth = 20;
constexpr int kCellHeight = 30;
constexpr int kChartPointSize = 10;

}   // namespace

TFormPreviewFont::TFormPreviewFont(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormPreviewFont>()) {
    m_ui->setupUi(this);
    m_ui->ButtonBuildFont->setEnabled(false);
    connect(m_ui->ButtonExit, &QPushButton::clicked, this, &TFormPreviewFont::ButtonExitClick);
    connect(m_ui->ButtonBuildFont, &QPushButton::clicked, this, &TFormPreviewFont::ButtonBuildFontClick);
    connect(m_ui->ButtonOpenFont, &QPushButton::clicked, this, &TFormPreviewFont::ButtonOpenFontClick);
    showBuiltFontText();
}

TFormPreviewFont::~TFormPreviewFont() = default;

void TFormPreviewFont::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        showBuiltFontText();
    }
    QDialog::changeEvent(event);
}

void TFormPreviewFont::DrawFontPreview(int left, int top, GlyphSurface& surface) {
    QImage chart(kChartWidth, kChartHeight, QImage::Format_RGB32);
    chart.fill(Qt::white);
    QPainter painter(&chart);
    // The chosen font at 10 points, its style and character set kept.
    QFont font = surface.font();
    font.setPointSize(kChartPointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent();
    // Code 0, the control codes and the lead bytes of a double-byte set are no character:
    // their cells stay empty.
    for (int code = 1; code < 256; ++code) {
        const char byte = char(code);
        const QString text = surface.characterOf(QByteArrayView(&byte, 1));
        if (text.isEmpty()) continue;
        painter.drawText((code % 16) * kCellWidth + 5, (code / 16) * kCellHeight + 5 + ascent, text);
    }
    for (int x = kCellWidth; x <= 15 * kCellWidth; x += kCellWidth)
        painter.drawLine(x, 0, x, kChartHeight - 1);
    for (int y = kCellHeight; y <= 15 * kCellHeight; y += kCellHeight)
        painter.drawLine(0, y, kChartWidth - 1, y);
    painter.end();
    m_ui->ImagePreview->setPixmap(QPixmap::fromImage(chart));
    PlaceDialogOnScreen(this, left, top);
}

void TFormPreviewFont::setFontBuilder(FontBuilder builder) {
    m_builder = std::move(builder);
    m_ui->ButtonBuildFont->setEnabled(bool(m_builder));
}

void TFormPreviewFont::ButtonExitClick() {
    close();
}

void TFormPreviewFont::ButtonBuildFontClick() {
    if (!m_builder) return;
    QByteArray bytes;
    // The build pumps the message loop: no second click meanwhile.
    setEnabled(false);
    const bool built = m_builder(bytes);
    setEnabled(true);
    if (built) ShowBuiltFont(bytes);
}

void TFormPreviewFont::ButtonOpenFontClick() {
    const QString path = FileDialog::getOpenFileName(
        this, {false, QStringLiteral("OpenDialog1"), m_startDirectory, QStringLiteral("*.* (*)"), {}});
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_shown = Shown::Problem;
        m_problem = file.errorString();
        m_ui->ImageBuiltFont->clear();
        m_ui->ImageBuiltFont->adjustSize();
        showBuiltFontText();
        return;
    }
    ShowBuiltFont(file.readAll());
}

bool TFormPreviewFont::ShowBuiltFont(const QByteArray& bytes) {
    BitmapFontFile font;
    QString problem;
    const bool parsed = ParseBitmapFont(bytes, font, &problem);
    m_shown = parsed ? Shown::Font : Shown::Problem;
    m_problem = problem;
    m_header = font.header;
    m_glyphCount = int(font.glyphs.size());
    const QImage sheet = parsed ? RenderFontSheet(font) : QImage();
    m_sheetTooLarge = parsed && sheet.isNull();
    if (sheet.isNull())
        m_ui->ImageBuiltFont->clear();
    else
        m_ui->ImageBuiltFont->setPixmap(QPixmap::fromImage(sheet));
    m_ui->ImageBuiltFont->adjustSize();
    m_ui->TabPreview->setCurrentWidget(m_ui->TabSheetBuiltFont);
    showBuiltFontText();
    return parsed;
}

void TFormPreviewFont::showBuiltFontText() {
    QString text;
    switch (m_shown) {
    case Shown::Nothing:
        text = tr("Build the page's font to see the bitmaps the printer will receive.");
        break;
    case Shown::Problem:
        text = tr("This is no font file the printer can use: %1").arg(m_problem);
        break;
    case Shown::Font: {
        const QString pitch = m_header.pitch == kVariablePitch ? tr("variable pitch") : tr("fixed pitch");
        const QString codes = m_header.doubleByte ? tr("double-byte codes") : tr("single-byte codes");
        text = tr("%1 characters, cell %2 x %3 pixels, %4, %5")
                   .arg(m_glyphCount)
                   .arg(int(m_header.cellWidth))
                   .arg(int(m_header.cellHeight))
                   .arg(pitch, codes);
        if (m_sheetTooLarge)
            text += QLatin1Char('\n') + tr("Its glyphs are too many and too large to be drawn here.");
        break;
    }
    }
    m_ui->LabelBuiltFont->setText(text);
}

}   // namespace lb
