// SPDX-License-Identifier: Apache-2.0
#include "fonts/ui/bitmap_font_manager_page.h"

#include "files/memory_info.h"
#include "files/printer_files.h"
#include "fonts/font_charsets.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"
#include "fonts/ui/form_preview_font.h"
#include "functions/command_text.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/number_text.h"
#include "link/save_file.h"
#include "ui_bitmap_font_manager_page.h"
#include "ui_common/field_caption.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"
#include "ui_common/show_link_error.h"

#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextDocument>

namespace lb {
namespace {

// The builder's two failures, in English in every language: not offered for translation.
constexpr const char* kFontParameterError = "Font Parameter Error";
constexpr const char* kMakeFontError = "Make Font Error";

const char* const kDownloadFileName = "TEMP.BMF";
const char* const kPrinterFontName = "FONT001";
const char* const kAllFilesFilter = "*.* (*)";
constexpr int kSampleWidth = 150;
constexpr int kSampleHeight = 56;

bool IsDoubleByteEncode(int encode) {
    return encode == kAsianFontEncode || encode == kEncodeByTableAsian;
}

// The memo's text with '\n' line ends. Unlike toPlainText(), a no-break space (a table
// character of its own) stays what it is.
QString MemoText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

std::optional<QFont> RunFontDialog(QFontDialog* dialog) {
    if (!dialog) return std::nullopt;
    // Only a font confirmed with OK becomes the next initial selection.
    const QFont before = dialog->currentFont();
    if (dialog->exec() != QDialog::Accepted) {
        dialog->setCurrentFont(before);
        return std::nullopt;
    }
    return dialog->selectedFont();
}

}   // namespace

BitmapFontManagerPage::BitmapFontManagerPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::BitmapFontManagerPage>()), m_context(std::move(context)),
      m_imageGet(std::make_unique<GlyphSurface>()) {
    m_ui->setupUi(this);

    for (int i = 0; i < int(FontCharsets().size()); ++i)
        m_ui->ComboBoxCharset->addItem(FontCharsetName(i));
    // The memory items are the same in every language.
    for (int i = 0; i < kMemoryDeviceCount; ++i)
        m_ui->ComboBoxMemoryDevice->addItem(
            QString::fromLatin1(MemoryDeviceItem(static_cast<MemoryDevice>(i))));
    m_ui->ComboBoxMemoryDevice->setCurrentIndex(int(MemoryDevice::Flash));
    m_asianCodePage = new QButtonGroup(this);
    m_asianCodePage->addButton(m_ui->RadioGroupAsiaFontEncode0, int(AsianCodePage::TraditionalChinese));
    m_asianCodePage->addButton(m_ui->RadioGroupAsiaFontEncode1, int(AsianCodePage::SimplifiedChinese));
    m_asianCodePage->addButton(m_ui->RadioGroupAsiaFontEncode2, int(AsianCodePage::Korean));
    m_asianCodePage->addButton(m_ui->RadioGroupAsiaFontEncode3, int(AsianCodePage::Japanese));
    m_ui->RadioGroupAsiaFontEncode0->setChecked(true);
    if (const std::optional<CodeRange> range = MappingPreset(0)) {
        m_ui->EditCharStart->setText(QString::number(range->start));
        m_ui->EditCharEnd->setText(QString::number(range->end));
    }
    // The note keeps its room when hidden, so that the buttons beside it stay where they are.
    QSizePolicy notePolicy = m_ui->LabelScriptNote->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    m_ui->LabelScriptNote->setSizePolicy(notePolicy);
    m_ui->LabelScriptNote->hide();

    // Select Font opens on the font the page starts with, in the points the dialog lists.
    if (m_context.fontDialog) {
        QFont initial = InitialFont();
        initial.setPointSize(QFontInfo(initial).pointSize());
        m_context.fontDialog->setCurrentFont(initial);
    }
    m_fontChooser = [this] { return RunFontDialog(m_context.fontDialog); };

    connect(m_ui->ComboBoxFontEncode, &QComboBox::currentIndexChanged, this,
            &BitmapFontManagerPage::ComboBoxFontEncodeChange);
    connect(m_ui->ComboBoxSEncode, &QComboBox::currentIndexChanged, this,
            &BitmapFontManagerPage::ComboBoxSEncodeChange);
    connect(m_ui->ComboBoxCharset, &QComboBox::currentIndexChanged, this,
            &BitmapFontManagerPage::ComboBoxCharsetChange);
    connect(m_asianCodePage, &QButtonGroup::idToggled, this, [this](int codePage, bool checked) {
        if (checked) RadioGroupAsiaFontEncodeClick(codePage);
    });
    connect(m_ui->ButtonSelectFont, &QPushButton::clicked, this,
            &BitmapFontManagerPage::ButtonSelectFontClick);
    connect(m_ui->ButtonPreviewFont, &QPushButton::clicked, this,
            &BitmapFontManagerPage::ButtonPreviewFontClick);
    connect(m_ui->ButtonFontTblLoad, &QPushButton::clicked, this,
            &BitmapFontManagerPage::ButtonFontTblLoadClick);
    connect(m_ui->ButtonFontTblSave, &QPushButton::clicked, this,
            &BitmapFontManagerPage::ButtonFontTblSaveClick);
    connect(m_ui->ButtonSaveFont, &QPushButton::clicked, this, &BitmapFontManagerPage::ButtonSaveFontClick);
    connect(m_ui->ButtonDowloadFont, &QPushButton::clicked, this,
            &BitmapFontManagerPage::ButtonDowloadFontClick);

    ApplySelectedFont(InitialFont());
    ApplyEncodeChoice(kStandardEncode);
}

BitmapFontManagerPage::~BitmapFontManagerPage() = default;

void BitmapFontManagerPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslateCharsets();
        updateScriptNote();
    }
    QWidget::changeEvent(event);
}

void BitmapFontManagerPage::retranslateCharsets() {
    for (int i = 0; i < m_ui->ComboBoxCharset->count(); ++i)
        m_ui->ComboBoxCharset->setItemText(i, FontCharsetName(i));
}

void BitmapFontManagerPage::showEnglish(const char* message, const QString& detail) {
    MessageBox::show(QMessageBox::NoIcon, m_context.dialogParent, MessageBox::defaultTitle(),
                     QString::fromLatin1(message), QMessageBox::Ok, QMessageBox::NoButton, detail);
}

void BitmapFontManagerPage::ComboBoxFontEncodeChange(int index) {
    ApplyEncodeChoice(index);
}

void BitmapFontManagerPage::ApplyEncodeChoice(int encode) {
    if (encode < 0 || encode >= kFontEncodeCount) return;
    if (m_ui->ComboBoxFontEncode->currentIndex() != encode) {
        const QSignalBlocker blocker(m_ui->ComboBoxFontEncode);
        m_ui->ComboBoxFontEncode->setCurrentIndex(encode);
    }
    m_ui->GroupBoxSatndEncode->setEnabled(encode == kStandardEncode);
    m_ui->RadioGroupAsiaFontEncode->setEnabled(encode == kAsianFontEncode);
    m_ui->GroupBoxEncodeTable->setEnabled(encode == kEncodeByTable || encode == kEncodeByTableAsian);
    m_ui->ComboBoxFontPitch->setCurrentIndex(PitchPresetForEncode(encode));
    if (IsDoubleByteEncode(encode)) selectCharsetOfCodePage();
    updateScriptNote();
}

void BitmapFontManagerPage::ComboBoxSEncodeChange(int index) {
    if (const std::optional<CodeRange> range = MappingPreset(index)) {
        m_ui->EditCharStart->setText(QString::number(range->start));
        m_ui->EditCharEnd->setText(QString::number(range->end));
    }
}

void BitmapFontManagerPage::RadioGroupAsiaFontEncodeClick(int codePage) {
    (void)codePage;
    if (IsDoubleByteEncode(m_ui->ComboBoxFontEncode->currentIndex())) selectCharsetOfCodePage();
}

// An Asian font's codes are read in the code page of its grid.
void BitmapFontManagerPage::selectCharsetOfCodePage() {
    m_ui->ComboBoxCharset->setCurrentIndex(CharsetOfAsianCodePage(m_asianCodePage->checkedId()));
}

void BitmapFontManagerPage::ComboBoxCharsetChange(int index) {
    (void)index;
    applyCharset();
}

// The width and height edits stay as they are: like a change of encode, a change of
// character set proposes no new cell.
void BitmapFontManagerPage::applyCharset() {
    m_imageGet->setFont(m_selectedFont, m_ui->ComboBoxCharset->currentIndex());
    drawSample();
    updateScriptNote();
}

void BitmapFontManagerPage::ButtonSelectFontClick() {
    if (!m_fontChooser) return;
    if (const std::optional<QFont> font = m_fontChooser()) ApplySelectedFont(*font);
}

void BitmapFontManagerPage::ApplySelectedFont(const QFont& font) {
    m_selectedFont = font;
    // The family and size the platform draws with, which may stand in for the one asked for.
    const QFontInfo info(font);
    m_ui->EditWinFontName->setText(info.family());
    m_ui->EditWinFontName->setCursorPosition(0);
    m_ui->EditWinFontName->setToolTip(info.family());
    m_ui->EditWinFontSize->setText(QString::number(info.pointSize()));
    m_imageGet->setFont(font, m_ui->ComboBoxCharset->currentIndex());
    const ProbeSize probe = MeasureProbe(*m_imageGet, m_ui->ComboBoxFontEncode->currentIndex());
    m_ui->EditFontWidth->setText(QString::number(probe.width));
    m_ui->EditFontHeight->setText(QString::number(probe.height));
    m_ui->EditItalicWidth->setText(QString::number(ProposedItalicWidth(font, probe.width)));
    m_ui->EditPrinterFontName->setText(QString::fromLatin1(kPrinterFontName));
    drawSample();
    updateScriptNote();
}

void BitmapFontManagerPage::drawSample() {
    QImage sample(kSampleWidth, kSampleHeight, QImage::Format_RGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    painter.setFont(m_imageGet->font());
    painter.setPen(Qt::black);
    painter.drawText(0, painter.fontMetrics().ascent(), QStringLiteral("ABCD"));
    painter.end();
    m_ui->ImageSmaple->setPixmap(QPixmap::fromImage(sample));
}

void BitmapFontManagerPage::updateScriptNote() {
    const int charset = m_ui->ComboBoxCharset->currentIndex();
    const std::optional<MissingScript> missing =
        FindMissingScript(m_imageGet->font(), charset, m_ui->ComboBoxFontEncode->currentIndex());
    m_scriptMissing = missing.has_value();
    if (m_scriptMissing)
        m_ui->LabelScriptNote->setText(
            tr("%1 has no characters of the character set %2: the font's cells would come out empty "
               "or drawn in another font.")
                .arg(missing->family, FontCharsetName(charset)));
    m_ui->LabelScriptNote->setVisible(m_scriptMissing);
}

bool BitmapFontManagerPage::acceptMissingScript() {
    if (!m_scriptMissing) return true;
    return MessageBox::question(m_context.dialogParent, MessageBox::defaultTitle(),
                                m_ui->LabelScriptNote->text() + QStringLiteral("\n\n") +
                                    tr("Build the font all the same?"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void BitmapFontManagerPage::ButtonFontTblLoadClick() {
    const QString path =
        FileDialog::getOpenFileName(m_context.dialogParent, {false,
                                                             QStringLiteral("OpenDialog1"),
                                                             m_context.startDirectory,
                                                             QString::fromLatin1(kAllFilesFilter),
                                                             {}});
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::show(QMessageBox::Warning, m_context.dialogParent, MessageBox::defaultTitle(),
                         tr("The table file could not be opened."), QMessageBox::Ok, QMessageBox::NoButton,
                         file.errorString());
        return;
    }
    QByteArray bytes = file.readAll();
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0) bytes.truncate(zero);
    QStringDecoder decoder(FontCharsetAt(m_ui->ComboBoxCharset->currentIndex()).converter);
    QString text = decoder.decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_ui->MemoFontTable->setPlainText(text);
    m_tableFilePath = QFileInfo(path).absoluteFilePath();
    m_ui->CheckBoxFileTable->setChecked(true);
}

void BitmapFontManagerPage::ButtonFontTblSaveClick() {
    const QString path =
        FileDialog::getSaveFileName(m_context.dialogParent, {true,
                                                             QStringLiteral("SaveDialog1"),
                                                             m_context.startDirectory,
                                                             QString::fromLatin1(kAllFilesFilter),
                                                             {}});
    if (path.isEmpty()) return;
    const int charset = m_ui->ComboBoxCharset->currentIndex();
    char32_t refused = 0;
    const std::optional<QByteArray> bytes = EncodeTableText(
        MemoText(m_ui->MemoFontTable).replace(u'\n', QStringLiteral("\r\n")), charset, &refused);
    if (!bytes) {
        MessageBox::warning(m_context.dialogParent, MessageBox::defaultTitle(),
                            tr("The character %1 cannot be saved in %2. Nothing was saved.")
                                .arg(CharacterWithCodePoint(refused), FontCharsetName(charset)));
        return;
    }
    QString error;
    if (!SaveFileChecked(path, *bytes, &error))
        MessageBox::show(QMessageBox::Warning, m_context.dialogParent, MessageBox::defaultTitle(),
                         tr("The file could not be saved."), QMessageBox::Ok, QMessageBox::NoButton, error);
}

int BitmapFontManagerPage::ReadEncodeTable(QString* detail) {
    QString why;
    int count = 0;
    if (m_ui->CheckBoxFileTable->isChecked()) {
        if (m_tableFilePath.isEmpty()) {
            m_table.clear();
            why = tr("\"%1\" is ticked, but no table file has been loaded.")
                      .arg(m_ui->CheckBoxFileTable->text());
        } else {
            count = ReadEncodeTableFile(m_tableFilePath, m_table);
            if (count == 0)
                why = tr("The table file %1 cannot be read, is larger than %2 bytes or holds no character.")
                          .arg(QDir::toNativeSeparators(m_tableFilePath))
                          .arg(kMaxEncodeTableBytes);
        }
    } else {
        const int charset = m_ui->ComboBoxCharset->currentIndex();
        char32_t refused = 0;
        std::optional<QByteArray> bytes = EncodeTableText(MemoText(m_ui->MemoFontTable), charset, &refused);
        if (!bytes) {
            m_table.clear();
            why = tr("The encode table's character %1 has no code in %2.")
                      .arg(CharacterWithCodePoint(refused), FontCharsetName(charset));
        } else {
            m_table = std::move(*bytes);
            const qsizetype size = m_table.size();
            count = CleanEncodeTable(m_table);
            if (count == 0)
                why = size > kMaxEncodeTableBytes
                          ? tr("The encode table is larger than %1 bytes.").arg(kMaxEncodeTableBytes)
                          : tr("The encode table is empty.");
        }
    }
    if (detail) *detail = why;
    return count;
}

// An edit's number: false with notANumber clear for an empty edit, set for a text that is no
// decimal integer.
bool BitmapFontManagerPage::readNumber(const char* control, int32_t& value, bool& notANumber) {
    const QString text = findChild<QLineEdit*>(QLatin1String(control))->text();
    notANumber = !text.isEmpty() && !PanelTextToInt(text, value);
    return !text.isEmpty() && !notANumber;
}

bool BitmapFontManagerPage::CollectFontParameters(FontParameters& parameters, bool forDownload,
                                                  ParameterProblem* problem) {
    auto refuse = [&](const QString& detail) {
        if (problem) *problem = {QString::fromLatin1(kFontParameterError), detail};
        return false;
    };
    // The conversion's error ends the action without the builder's message.
    auto notAnInteger = [&](const char* control) {
        if (problem) *problem = {NotANumberMessage(findChild<QLineEdit*>(QLatin1String(control))), {}};
        return false;
    };
    auto emptyEdit = [&](const QLabel* label) { return refuse(tr("\"%1\" is empty.").arg(label->text())); };
    bool notANumber = false;

    parameters.pitch =
        m_ui->ComboBoxFontPitch->currentIndex() == kVariablePitch ? kVariablePitch : kFixedPitch;
    parameters.firstCode = parameters.lastCode = 0;
    parameters.codePage = 0;
    parameters.byTable = 0;
    parameters.table = nullptr;
    parameters.tableCount = 0;
    const int encode = m_ui->ComboBoxFontEncode->currentIndex();
    switch (encode) {
    case kStandardEncode: {
        parameters.encode = kSingleByteEncode;
        const std::pair<const char*, const QLabel*> ends[] = {{"EditCharStart", m_ui->LabelStartAscii},
                                                              {"EditCharEnd", m_ui->LabelEndAscii}};
        int32_t codes[2] = {};
        for (int i = 0; i < 2; ++i) {
            if (!readNumber(ends[i].first, codes[i], notANumber))
                return notANumber ? notAnInteger(ends[i].first) : emptyEdit(ends[i].second);
            if (codes[i] < 0 || codes[i] > 255)
                return refuse(tr("\"%1\" must lie between 0 and 255.").arg(ends[i].second->text()));
        }
        parameters.firstCode = codes[0];
        parameters.lastCode = codes[1];
        break;
    }
    case kAsianFontEncode: {
        const int codePage = m_asianCodePage->checkedId();
        if (codePage < 0 || codePage >= kAsianCodePageCount)
            return refuse(
                tr("No code page is chosen in \"%1\".").arg(m_ui->RadioGroupAsiaFontEncode->title()));
        parameters.encode = kDoubleByteEncode;
        parameters.codePage = uint8_t(codePage);
        // A full Asian font has one cell width for the whole grid.
        parameters.pitch = kFixedPitch;
        break;
    }
    case kEncodeByTable:
    case kEncodeByTableAsian: {
        parameters.encode = encode == kEncodeByTable ? kSingleByteEncode : kDoubleByteEncode;
        parameters.byTable = 1;
        QString detail;
        const int bytes = ReadEncodeTable(&detail);
        // An Asian table is read in pairs; an odd last byte belongs to no character.
        parameters.tableCount = encode == kEncodeByTable ? bytes : bytes / 2;
        parameters.table = reinterpret_cast<const uint8_t*>(m_table.constData());
        if (parameters.tableCount == 0)
            return refuse(detail.isEmpty() ? tr("The encode table holds no double-byte character.") : detail);
        break;
    }
    default:
        return refuse(QString());
    }

    const std::pair<const char*, const QLabel*> sizes[] = {{"EditFontWidth", m_ui->LabelFontWidth},
                                                           {"EditFontHeight", m_ui->LabelFontHeight}};
    int32_t cell[2] = {};
    for (int i = 0; i < 2; ++i) {
        if (!readNumber(sizes[i].first, cell[i], notANumber))
            return notANumber ? notAnInteger(sizes[i].first) : emptyEdit(sizes[i].second);
        if (cell[i] < 0) return refuse(tr("\"%1\" must not be negative.").arg(sizes[i].second->text()));
    }
    parameters.cellWidth = cell[0];
    parameters.cellHeight = cell[1];
    if (!readNumber("EditItalicWidth", parameters.italicWidth, notANumber))
        return notANumber ? notAnInteger("EditItalicWidth") : emptyEdit(m_ui->LabelItalicWidth);
    parameters.surface = m_imageGet.get();

    // The limits of the builder, but not its refusal of a reversed range: that one is the
    // builder's own failure, shown when the font is made.
    FontParameters limits = parameters;
    limits.firstCode = limits.lastCode = 0;
    const QString limit = FontParametersProblem(limits);
    if (!limit.isEmpty()) return refuse(limit);
    if (forDownload) {
        const QString name = PrinterFontNameProblem(m_ui->EditPrinterFontName->text());
        if (!name.isEmpty()) return refuse(name);
    }
    return true;
}

bool BitmapFontManagerPage::collectOrShow(FontParameters& parameters, bool forDownload) {
    ParameterProblem problem;
    if (CollectFontParameters(parameters, forDownload, &problem)) return true;
    if (problem.message == QLatin1String(kFontParameterError))
        showEnglish(kFontParameterError, problem.detail);
    else
        MessageBox::critical(m_context.dialogParent, MessageBox::defaultTitle(), problem.message);
    return false;
}

// Builds with the window disabled (left so: the caller enables it again).
bool BitmapFontManagerPage::build(const FontParameters& parameters) {
    m_context.setMainWindowEnabled(false);
    if (BuildBitmapFont(parameters)) return true;
    showEnglish(kMakeFontError, FontParametersProblem(parameters));
    return false;
}

void BitmapFontManagerPage::ButtonSaveFontClick() {
    FontParameters parameters;
    parameters.filePath =
        FileDialog::getSaveFileName(m_context.dialogParent, {true,
                                                             QStringLiteral("SaveDialog1"),
                                                             m_context.startDirectory,
                                                             QString::fromLatin1(kAllFilesFilter),
                                                             {}});
    if (parameters.filePath.isEmpty()) return;
    if (!collectOrShow(parameters, false) || !acceptMissingScript()) return;
    build(parameters);
    m_context.setMainWindowEnabled(true);
}

void BitmapFontManagerPage::ButtonDowloadFontClick() {
    FontParameters parameters;
    parameters.filePath = QDir(m_context.startDirectory).filePath(QString::fromLatin1(kDownloadFileName));
    if (!collectOrShow(parameters, true) || !acceptMissingScript()) return;
    if (!m_context.confirmPassword()) return;
    if (build(parameters)) {
        DownloadRequest request;
        request.sourcePath = parameters.filePath;
        // Checked to be Latin-1 and quotable by CollectFontParameters.
        request.printerFileName = m_ui->EditPrinterFontName->text().toLatin1();
        MemoryDevice memory = MemoryDevice::Flash;
        MemoryDeviceAt(m_ui->ComboBoxMemoryDevice->currentIndex(), memory);
        request.memory = memory;
        const int result = RunPrinterOperation(kOpDownloadFile, m_context.selectedInterface(), &request, 0);
        if (result != kLinkOk) ShowLinkError(result, m_context.dialogParent);
    }
    m_context.setMainWindowEnabled(true);
}

// The preview's "Build from Page": the font as Save Font would make it, into a file of its
// own that goes when the build's bytes have been read.
bool BitmapFontManagerPage::buildForPreview(QByteArray& bytes) {
    QTemporaryDir folder;
    FontParameters parameters;
    parameters.filePath = folder.filePath(QStringLiteral("PREVIEW.BMF"));
    if (!folder.isValid()) {
        showEnglish(kMakeFontError, folder.errorString());
        return false;
    }
    if (!collectOrShow(parameters, false)) return false;
    const bool built = BuildBitmapFont(parameters);
    if (!built) {
        showEnglish(kMakeFontError, FontParametersProblem(parameters));
        return false;
    }
    QFile file(parameters.filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        showEnglish(kMakeFontError, file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}

void BitmapFontManagerPage::ButtonPreviewFontClick() {
    QWidget* owner = m_context.dialogParent ? m_context.dialogParent : this;
    const QRect frame = owner->window()->frameGeometry();
    TFormPreviewFont form(owner);
    form.setStartDirectory(m_context.startDirectory);
    form.setFontBuilder([this](QByteArray& bytes) { return buildForPreview(bytes); });
    form.DrawFontPreview(frame.x() + 20, frame.y() + 20, *m_imageGet);
    form.exec();
}

}   // namespace lb
