// SPDX-License-Identifier: Apache-2.0
#include "files/ui/file_manager_page.h"

#include "files/file_types.h"
#include "files/printer_files.h"
#include "files/source_file.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"
#include "ui_common/outcome.h"
#include "ui_file_manager_page.h"

#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QLocale>
#include <cstring>
#include <limits>

namespace lb {
namespace {

// The messages of this page that stay English in every language: not offered for
// translation.
constexpr const char* kFileNameTooLong = "File name too long";
constexpr const char* kOpenFileError = "Open File Error";
constexpr const char* kWaitForGreenLed = "Please Wait Led change to Green...";
constexpr const char* kAreYouSure = "Are you sure?";

// The open dialog of the main window, which the file manager shares.
const char* const kOpenDialogName = "OpenDialog1";

void AddDeviceButtons(QButtonGroup* group, QAbstractButton* dram, QAbstractButton* flash,
                      QAbstractButton* card) {
    group->addButton(dram, int(MemoryDevice::Dram));
    group->addButton(flash, int(MemoryDevice::Flash));
    group->addButton(card, int(MemoryDevice::Card));
}

MemoryDevice DeviceOf(int index, MemoryDevice fallback) {
    MemoryDevice device = fallback;
    return MemoryDeviceAt(index, device) ? device : fallback;
}

}   // namespace

QString SystemFontDirectory() {
    const QString home = QDir::homePath();
    for (const QString& folder :
         {home + QStringLiteral("/.local/share/fonts"), home + QStringLiteral("/.fonts"),
          QStringLiteral("/usr/local/share/fonts"), QStringLiteral("/usr/share/fonts")})
        if (QFileInfo(folder).isDir()) return folder;
    return QString();
}

FileManagerPage::FileManagerPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::FileManagerPage>()), m_context(std::move(context)),
      m_memories(std::make_unique<MemoryInfoSet>()) {
    m_ui->setupUi(this);

    // The type and memory items are the same in every language.
    for (const FileType& type : FileTypes())
        m_ui->ComboBoxFileType->addItem(QString::fromLatin1(type.item));
    m_ui->ComboBoxFileType->setCurrentIndex(kNoFileType);
    for (int i = 0; i < kMemoryDeviceCount; ++i)
        m_ui->ComboBoxDevice->addItem(QString::fromLatin1(MemoryDeviceItem(static_cast<MemoryDevice>(i))));
    m_ui->ComboBoxDevice->setCurrentIndex(int(MemoryDevice::Flash));

    m_deviceGroup = new QButtonGroup(this);
    AddDeviceButtons(m_deviceGroup, m_ui->RadioGroupDeviceDram, m_ui->RadioGroupDeviceFlash,
                     m_ui->RadioGroupDeviceCard);
    m_formatDeviceGroup = new QButtonGroup(this);
    AddDeviceButtons(m_formatDeviceGroup, m_ui->RadioGroupFormatDeviceDram, m_ui->RadioGroupFormatDeviceFlash,
                     m_ui->RadioGroupFormatDeviceCard);

    connect(m_ui->ButtonBrowse, &QPushButton::clicked, this, &FileManagerPage::ButtonBrowseClick);
    connect(m_ui->ButtonDownload, &QPushButton::clicked, this, &FileManagerPage::ButtonDownloadClick);
    connect(m_ui->ButtonFontView, &QPushButton::clicked, this, &FileManagerPage::ButtonFontViewClick);
    connect(m_ui->ButtonGet, &QPushButton::clicked, this, &FileManagerPage::ButtonGetClick);
    connect(m_deviceGroup, &QButtonGroup::idClicked, this, &FileManagerPage::RadioGroupDeviceClick);
    connect(m_ui->ButtonFileFormat, &QPushButton::clicked, this, &FileManagerPage::ButtonFileFormatClick);
}

FileManagerPage::~FileManagerPage() = default;

void FileManagerPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

void FileManagerPage::showEnglish(const char* message) {
    MessageBox::plain(m_context.dialogParent, MessageBox::defaultTitle(), QString::fromLatin1(message));
}

void FileManagerPage::ButtonBrowseClick() {
    // A file chosen before is no longer the one offered: only a new choice enables Download.
    m_ui->ButtonDownload->setEnabled(false);
    const int type = m_ui->ComboBoxFileType->currentIndex();
    // Fonts are looked for where the system keeps them; every other Browse starts where the
    // program was started, whatever folder the last one ended in.
    QString directory = m_context.startDirectory;
    if (type == kFileTypeTrueTypeFont) {
        const QString fonts = SystemFontDirectory();
        if (!fonts.isEmpty()) directory = fonts;
    }
    const QString path =
        FileDialog::getOpenFileName(m_context.dialogParent, {false,
                                                             QString::fromLatin1(kOpenDialogName),
                                                             directory,
                                                             QString::fromLatin1(FileTypeAt(type).filter),
                                                             {}});
    if (path.isEmpty()) return;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showEnglish(kOpenFileError);
        return;
    }
    m_ui->EditFileSize->setText(QString::number(file.size()));
    file.close();
    m_downloadPath = QFileInfo(path).absoluteFilePath();
    m_ui->EditFileName->setText(ProposePrinterFileName(path, type));
    m_ui->ButtonDownload->setEnabled(true);
}

void FileManagerPage::ButtonDownloadClick() {
    const QString name = m_ui->EditFileName->text();
    if (name.size() > kMaxPrinterFileName) {
        showEnglish(kFileNameTooLong);
        return;
    }
    const bool raw = FileTypeAt(m_ui->ComboBoxFileType->currentIndex()).raw;
    // Firmware and VQX files go out as they are: their name is never sent, so it is not
    // checked beyond its length.
    if (!raw) {
        const QString problem = PrinterFileNameProblem(name);
        if (!problem.isEmpty()) {
            MessageBox::warning(m_context.dialogParent, MessageBox::defaultTitle(), problem);
            return;
        }
    }
    if (!m_context.confirmPassword()) return;
    if (raw) {
        sendRawFile();
        return;
    }
    DownloadRequest request;
    request.sourcePath = m_downloadPath;
    request.printerFileName = name.toLatin1();
    request.memory = DeviceOf(m_ui->ComboBoxDevice->currentIndex(), MemoryDevice::Flash);
    if (m_context.run(kOpDownloadFile, &request) != kLinkOk) return;
    const qint64 size = QFileInfo(m_downloadPath).size();
    const QString memory = QString::fromLatin1(MemoryDeviceItem(request.memory));
    TellOutcome([this, name, memory, size] {
        return tr("%1 downloaded to %2 (%3 bytes)").arg(name, memory, QLocale().toString(size));
    });
}

void FileManagerPage::sendRawFile() {
    // The block's length goes to the link as a signed 32-bit count: a larger file is no
    // firmware and cannot be sent in one block.
    SourceFile source;
    if (!source.load(m_downloadPath, std::numeric_limits<int32_t>::max())) {
        showEnglish(kOpenFileError);
        return;
    }
    const int result =
        m_context.run(kOpSendRawBlock, const_cast<uint8_t*>(source.data()), int32_t(source.size()));
    if (result != kLinkOk) return;
    const QString name = QFileInfo(m_downloadPath).fileName();
    const qint64 size = qint64(source.size());
    TellOutcome([this, name, size] { return tr("%1 sent (%2 bytes)").arg(name, QLocale().toString(size)); });
    showEnglish(kWaitForGreenLed);
}

void FileManagerPage::ButtonFontViewClick() {
    QFontDialog* dialog = m_context.fontDialog;
    if (!dialog) return;
    // Only a font confirmed with OK becomes the next initial selection.
    const QFont before = dialog->currentFont();
    if (dialog->exec() != QDialog::Accepted) dialog->setCurrentFont(before);
}

void FileManagerPage::ButtonGetClick() {
    std::memset(static_cast<void*>(m_memories->data()), 0, sizeof(MemoryInfoSet));
    // On a failure the display stays as it was; the records keep what was read before the
    // failing step, and a click in Memory Device shows it.
    if (m_context.run(kOpMemoryInfo, m_memories->data()) != kLinkOk) return;
    ShowMemoryInfo();
    TellOutcome([this] { return tr("Memory information read"); });
}

void FileManagerPage::RadioGroupDeviceClick() {
    ShowMemoryInfo();
}

void FileManagerPage::ShowMemoryInfo() {
    const MemoryDevice device = DeviceOf(m_deviceGroup->checkedId(), MemoryDevice::Dram);
    const MemoryInfo& memory = (*m_memories)[std::size_t(device)];
    m_ui->EditPhysicalSpace->setText(memory.physicalSpaceKnown == 1 ? QString::number(memory.physicalSpace)
                                                                    : QString());
    m_ui->EditFreeSpace->setText(memory.freeSpaceKnown == 1 ? QString::number(memory.freeSpace) : QString());
    m_ui->ListBoxFileList->clear();
    for (const QByteArray& name : FileListNames(memory))
        m_ui->ListBoxFileList->addItem(QString::fromLatin1(name));
}

void FileManagerPage::ButtonFileFormatClick() {
    const MemoryDevice device = DeviceOf(m_formatDeviceGroup->checkedId(), MemoryDevice::Flash);
    const QString memory = QString::fromLatin1(MemoryDeviceItem(device));
    // The question stays English; the line under it says which memory is emptied. Cancel is
    // the default: a stray Enter must not empty a memory.
    if (MessageBox::show(QMessageBox::Question, m_context.dialogParent, MessageBox::defaultTitle(),
                         QString::fromLatin1(kAreYouSure), QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Cancel,
                         tr("Every file in %1 will be deleted.").arg(memory)) != QMessageBox::Ok)
        return;
    if (!m_context.confirmPassword()) return;
    if (m_context.run(kOpFormatMemory, nullptr, int32_t(device)) != kLinkOk) return;
    TellOutcome([this, memory] { return tr("%1 formatted").arg(memory); });
}

}   // namespace lb
