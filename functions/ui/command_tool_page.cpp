// SPDX-License-Identifier: Apache-2.0
#include "functions/ui/command_tool_page.h"

#include "files/source_file.h"
#include "functions/command_text.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/save_file.h"
#include "ui_command_tool_page.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"
#include "ui_common/show_link_error.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontDatabase>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <cstring>
#include <limits>

namespace lb {
namespace {

// English in every language, as the original shows it: not offered for translation.
constexpr const char* kOpenFileError = "Open file Error!!!";

// All files, shown as "*.*".
const char* const kAllFilesFilter = "*.* (*)";

// The editor's text with U+2029 between blocks, as the document keeps it: unlike
// toPlainText(), it keeps a no-break space (0xA0 of Windows-1252) as it is.
QString RawText(const QPlainTextEdit* edit) {
    return edit->document()->toRawText();
}

// How many characters text adds to the editor: a CR LF becomes one block break.
qsizetype EditorLength(const QString& text) {
    return text.size() - text.count(QLatin1String("\r\n"));
}

}   // namespace

CommandToolPage::CommandToolPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::CommandToolPage>()), m_context(std::move(context)) {
    m_ui->setupUi(this);
    m_ui->RichEditTText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_ui->MemoReplies->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_ui->SplitterCommandTool->setStretchFactor(0, 3);
    m_ui->SplitterCommandTool->setStretchFactor(1, 1);

    // The items "1".."12" are the same in every language.
    m_pageGroup = new QButtonGroup(this);
    for (int i = 0; i < kEditorPageCount; ++i) {
        auto* item = new QRadioButton(QString::number(i + 1), m_ui->RadioGroupSelect);
        item->setObjectName(QStringLiteral("RadioGroupSelect%1").arg(i + 1));
        m_ui->LayoutRadioGroupSelect->addWidget(item);
        m_pageGroup->addButton(item, i);
    }
    m_ui->LayoutRadioGroupSelect->addStretch(1);
    m_pageGroup->button(0)->setChecked(true);
    fillEncodings();

    connect(m_pageGroup, &QButtonGroup::idClicked, this, &CommandToolPage::RadioGroupSelectClick);
    connect(m_ui->ButtonSend, &QPushButton::clicked, this, &CommandToolPage::ButtonSendClick);
    connect(m_ui->ButtonSendFile, &QPushButton::clicked, this, &CommandToolPage::ButtonSendFileClick);
    connect(m_ui->ButtonLoadFile, &QPushButton::clicked, this, &CommandToolPage::ButtonLoadFileClick);
    connect(m_ui->ButtonSaveFile, &QPushButton::clicked, this, &CommandToolPage::ButtonSaveFileClick);
    connect(m_ui->CheckBoxShowReplies, &QCheckBox::toggled, this, &CommandToolPage::showReplyChoice);
    connect(m_ui->RichEditTText->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { keepToEditorLimit(position, added); });
}

CommandToolPage::~CommandToolPage() = default;

// The names are the same in every language; what each writes is said in its tool tip.
void CommandToolPage::fillEncodings() {
    QComboBox* list = m_ui->ComboBoxTextEncoding;
    if (list->count() == 0)
        for (const CommandTextEncoding& encoding : CommandTextEncodings())
            list->addItem(QString::fromLatin1(encoding.item));
    for (int i = 0; i < list->count(); ++i)
        list->setItemData(i, CommandTextEncodingLanguage(i), Qt::ToolTipRole);
}

bool CommandToolPage::event(QEvent* event) {
    // The page is not told when the interface changes; it looks again whenever it is shown
    // or the pointer comes in to reach its controls (and again at every send).
    if (event->type() == QEvent::Show || event->type() == QEvent::Enter) showReplyChoice();
    return QWidget::event(event);
}

void CommandToolPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fillEncodings();
    }
    QWidget::changeEvent(event);
}

// The parallel port cannot read, so there is no reply to show on LPT.
void CommandToolPage::showReplyChoice() {
    const bool canRead = m_context.selectedInterface() != InterfaceKind::Lpt;
    m_ui->CheckBoxShowReplies->setEnabled(canRead && !m_sending);
    m_ui->MemoReplies->setVisible(canRead && m_ui->CheckBoxShowReplies->isChecked());
}

// Typing or pasting beyond the limit is cut at the limit, as the original's edit control
// does; Load refuses instead (see ButtonLoadFileClick).
void CommandToolPage::keepToEditorLimit(int position, int added) {
    QTextDocument* document = m_ui->RichEditTText->document();
    const int excess = document->characterCount() - 1 - kMaxEditorCharacters;
    if (m_cutting || excess <= 0 || added <= 0) return;
    m_cutting = true;
    QTextCursor cursor(document);
    cursor.setPosition(position + added);
    cursor.setPosition(position + added - std::min(excess, added), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_cutting = false;
}

QString CommandToolPage::editorText() const {
    return RawText(m_ui->RichEditTText);
}

void CommandToolPage::RadioGroupSelectClick() {
    const int selected = m_pageGroup->checkedId();
    if (selected < 0 || selected == m_currentPage) return;
    m_editorPages[std::size_t(m_currentPage)] = editorText();
    m_ui->RichEditTText->setPlainText(m_editorPages[std::size_t(selected)]);
    m_currentPage = selected;
}

bool CommandToolPage::encode(const QString& text, QByteArray& bytes, bool save) {
    const int encoding = m_ui->ComboBoxTextEncoding->currentIndex();
    EncodedCommandText encoded = EncodeCommandText(text, encoding);
    if (encoded.ok) {
        bytes = std::move(encoded.bytes);
        return true;
    }
    const QString character = CharacterWithCodePoint(encoded.refused);
    const QString name = QString::fromLatin1(CommandTextEncodingAt(encoding).item);
    MessageBox::warning(
        m_context.dialogParent, MessageBox::defaultTitle(),
        save ? tr("The character %1 cannot be saved in %2. Nothing was saved.").arg(character, name)
             : tr("The character %1 cannot be sent in %2. Nothing was sent.").arg(character, name));
    return false;
}

QString CommandToolPage::chooseFile(bool save) {
    const FileDialogRequest request{save,
                                    QString::fromLatin1(save ? "SaveDialog1" : "OpenDialog1"),
                                    m_context.startDirectory,
                                    QString::fromLatin1(kAllFilesFilter),
                                    {}};
    return save ? FileDialog::getSaveFileName(m_context.dialogParent, request)
                : FileDialog::getOpenFileName(m_context.dialogParent, request);
}

void CommandToolPage::showEnglish(const char* message) {
    MessageBox::plain(m_context.dialogParent, MessageBox::defaultTitle(), QString::fromLatin1(message));
}

// The main window stays enabled, so the page's buttons are off for the send: a click that the
// link's event pumping delivers starts nothing (and any other printer action meets the
// dispatcher's busy answer).
void CommandToolPage::send(const uint8_t* bytes, qsizetype length) {
    if (m_sending) return;
    const InterfaceKind kind = m_context.selectedInterface();
    const bool replies = kind != InterfaceKind::Lpt && m_ui->CheckBoxShowReplies->isChecked();
    setSending(true);

    RawBlockExchange exchange;
    int result = kLinkOk;
    if (replies) {
        exchange.bytes = bytes;
        exchange.length = uint32_t(length);
        exchange.quietMs = kReplyQuietMs;
        result = RunPrinterOperation(kOpSendRawBlockReadReply, kind, &exchange, 0);
    } else {
        result = RunPrinterOperation(kOpSendRawBlock, kind, const_cast<uint8_t*>(bytes), int32_t(length));
    }

    setSending(false);
    if (result == kOperationBusy) return;
    if (replies) {
        const int encoding = m_ui->ComboBoxTextEncoding->currentIndex();
        QString shown;
        if (result == kLinkOk)
            shown = exchange.reply.isEmpty() ? tr("No answer.") : ReplyDisplayText(exchange.reply, encoding);
        m_ui->MemoReplies->setPlainText(shown);
    }
    if (result != kLinkOk) ShowLinkError(result, m_context.dialogParent);
}

void CommandToolPage::setSending(bool sending) {
    m_sending = sending;
    for (QWidget* button :
         {m_ui->ButtonSend, m_ui->ButtonSendFile, m_ui->ButtonLoadFile, m_ui->ButtonSaveFile})
        button->setEnabled(!sending);
    showReplyChoice();
}

void CommandToolPage::ButtonSendClick() {
    const QTextCursor cursor = m_ui->RichEditTText->textCursor();
    const QString text = cursor.hasSelection() ? cursor.selectedText() : editorText();
    QByteArray bytes;
    if (encode(text, bytes, false)) send(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
    m_ui->RichEditTText->setFocus();
}

void CommandToolPage::ButtonSendFileClick() {
    const QString path = chooseFile(false);
    if (path.isEmpty()) return;
    // The operation takes the block's length as a signed 32-bit count.
    SourceFile source;
    if (!source.load(path, std::numeric_limits<int32_t>::max())) {
        showEnglish(kOpenFileError);
        return;
    }
    send(source.data(), source.size());
}

// Beyond the original: a file that cannot be opened says so, as Send File does.
void CommandToolPage::ButtonLoadFileClick() {
    const QString path = chooseFile(false);
    if (path.isEmpty()) return;
    SourceFile source;
    if (!source.load(path, std::numeric_limits<qint64>::max())) {
        showEnglish(kOpenFileError);
        return;
    }
    const auto* begin = reinterpret_cast<const char*>(source.data());
    const void* zero = source.size() > 0 ? std::memchr(begin, 0, size_t(source.size())) : nullptr;
    const qint64 size = zero ? static_cast<const char*>(zero) - begin : source.size();
    const qint64 room = kMaxEditorCharacters - (m_ui->RichEditTText->document()->characterCount() - 1);

    // Text that would not fit is refused whole, nothing appended: a cut-off command file is
    // worse than none. No encoding offered takes more than four bytes for a character, so a
    // file with more than four bytes for each free character is not even decoded.
    QString text;
    bool undecodable = false;
    if (size / 4 <= room) {
        const int encoding = m_ui->ComboBoxTextEncoding->currentIndex();
        text = DecodeCommandText(QByteArray::fromRawData(begin, qsizetype(size)), encoding, &undecodable);
    }
    if (size / 4 > room || EditorLength(text) > room) {
        MessageBox::warning(m_context.dialogParent, MessageBox::defaultTitle(),
                            tr("The file does not fit in the editor, which holds at most %1 characters. "
                               "Nothing was added.")
                                .arg(kMaxEditorCharacters));
        return;
    }
    QTextCursor end(m_ui->RichEditTText->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    if (undecodable)
        MessageBox::warning(m_context.dialogParent, MessageBox::defaultTitle(),
                            tr("Some bytes of the file are no %1 text: they show as \uFFFD.")
                                .arg(QString::fromLatin1(
                                    CommandTextEncodingAt(m_ui->ComboBoxTextEncoding->currentIndex()).item)));
}

void CommandToolPage::ButtonSaveFileClick() {
    QByteArray bytes;
    if (!encode(editorText(), bytes, true)) return;
    const QString path = chooseFile(true);
    if (path.isEmpty()) return;
    // The original says nothing when the file cannot be written; a failure is told here.
    QString error;
    if (!SaveFileChecked(path, bytes, &error))
        MessageBox::show(QMessageBox::Warning, m_context.dialogParent, MessageBox::defaultTitle(),
                         tr("The file could not be saved."), QMessageBox::Ok, QMessageBox::NoButton, error);
}

}   // namespace lb
