// SPDX-License-Identifier: Apache-2.0
#pragma once
// The "Bitmap Font Manager" page: a desktop font, its character set, the codes it is built
// for and its cell, turned into a printer bitmap font that is saved or downloaded.

#include "fonts/bitmap_font.h"
#include "ui_common/page_context.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QEvent;

namespace Ui {
class BitmapFontManagerPage;
}

namespace lb {

class GlyphSurface;

class BitmapFontManagerPage : public QWidget {
    Q_OBJECT
public:
    explicit BitmapFontManagerPage(PageContext context, QWidget* parent = nullptr);
    ~BitmapFontManagerPage() override;

    // How "Select Font" asks for a font: the window's font dialog, unless replaced. nullopt
    // when the user cancelled.
    using FontChooser = std::function<std::optional<QFont>()>;
    void setFontChooser(FontChooser chooser) { m_fontChooser = std::move(chooser); }

    // The hidden surface the builder draws on, with the chosen font and character set.
    GlyphSurface& ImageGet() { return *m_imageGet; }
    // The table file last loaded with "Load"; empty until then.
    const QString& TableFilePath() const { return m_tableFilePath; }

    void ApplyEncodeChoice(int encode);
    void ApplySelectedFont(const QFont& font);

    // Why the page's settings cannot be built: the message to show (English "Font Parameter
    // Error", or the conversion error of a text that is no integer) and what was wrong.
    struct ParameterProblem {
        QString message;
        QString detail;
    };
    // The page's settings as the builder's parameters, the file path and surface included;
    // for a download the printer font name is checked too. False at the first setting that
    // cannot be used.
    bool CollectFontParameters(FontParameters& parameters, bool forDownload, ParameterProblem* problem);
    // The encode table's bytes, by file or from the memo, without control bytes; 0 when there
    // is none (detail, when given, says why where there is more to say).
    int ReadEncodeTable(QString* detail = nullptr);

    // Whether the chosen font lacks the characters of the chosen character set.
    bool scriptMissing() const { return m_scriptMissing; }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void ComboBoxFontEncodeChange(int index);
    void ComboBoxSEncodeChange(int index);
    void ComboBoxCharsetChange(int index);
    void RadioGroupAsiaFontEncodeClick(int codePage);
    void ButtonSelectFontClick();
    void ButtonFontTblLoadClick();
    void ButtonFontTblSaveClick();
    void ButtonSaveFontClick();
    void ButtonDowloadFontClick();
    void ButtonPreviewFontClick();

private:
    void selectCharsetOfCodePage();
    void applyCharset();
    void drawSample();
    void updateScriptNote();
    void retranslateCharsets();
    bool readNumber(const char* control, int32_t& value, bool& notANumber);
    bool collectOrShow(FontParameters& parameters, bool forDownload);
    bool acceptMissingScript();
    bool build(const FontParameters& parameters);
    bool buildForPreview(QByteArray& bytes);
    void showEnglish(const char* message, const QString& detail = QString());

    std::unique_ptr<Ui::BitmapFontManagerPage> m_ui;
    PageContext m_context;
    std::unique_ptr<GlyphSurface> m_imageGet;
    QButtonGroup* m_asianCodePage = nullptr;
    FontChooser m_fontChooser;
    QFont m_selectedFont;
    QString m_tableFilePath;
    // The table the builder reads: kept here, since the parameters only point at it.
    QByteArray m_table;
    bool m_scriptMissing = false;
};

}   // namespace lb
