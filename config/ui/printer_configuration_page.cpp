// SPDX-License-Identifier: Apache-2.0
#include "config/ui/printer_configuration_page.h"

#include "config/config_file.h"
#include "config/ui/config_panel_widgets.h"
#include "config/write_configuration.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"
#include "ui_common/outcome.h"
#include "ui_common/show_link_error.h"
#include "ui_printer_configuration_page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>

namespace lb {
namespace {

constexpr int kUnitLabelCount = 9;
// Saved as the extension says: .json as text, anything else (the default) as .dcf. Either
// form loads whatever its name: the content tells.
const char* const kSaveFileFilter = "*.dcf (*.dcf);;*.json (*.json)";
const char* const kOpenFileFilter = "*.dcf *.json (*.dcf *.json);;*.dcf (*.dcf);;*.json (*.json)";

}   // namespace

PrinterConfigurationPage::PrinterConfigurationPage(PageContext context, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::PrinterConfigurationPage>()), m_context(std::move(context)),
      m_saveDirectory(m_context.startDirectory), m_openDirectory(m_context.startDirectory) {
    m_ui->setupUi(this);
    m_ui->PageControlConfig->setCurrentIndex(0);
    SetUpConfigPanel(m_ui->PageControlConfig);

    connect(m_ui->ButtonRead, &QPushButton::clicked, this, &PrinterConfigurationPage::ButtonReadClick);
    connect(m_ui->ButtonClear, &QPushButton::clicked, this, &PrinterConfigurationPage::ButtonClearClick);
    connect(m_ui->ButtonConfigSet, &QPushButton::clicked, this,
            &PrinterConfigurationPage::ButtonConfigSetClick);
    connect(m_ui->ButtonSave, &QPushButton::clicked, this, &PrinterConfigurationPage::ButtonSaveClick);
    connect(m_ui->ButtonLoad, &QPushButton::clicked, this, &PrinterConfigurationPage::ButtonLoadClick);
    connect(m_ui->ButtonGetStatus, &QPushButton::clicked, this,
            &PrinterConfigurationPage::ButtonGetStatusClick);
}

PrinterConfigurationPage::~PrinterConfigurationPage() = default;

void PrinterConfigurationPage::placeBesidePanel(QWidget* box) {
    m_ui->LayoutRightColumn->insertWidget(0, box);
}

void PrinterConfigurationPage::ShowConfig(const PrinterConfig& config) {
    // The information box first: texts, then the two counters.
    QLineEdit* const info[] = {
        m_ui->EditVersion, m_ui->EditMilage,         m_ui->EditResetMilage,        m_ui->EditChecksum,
        m_ui->EditSerial,  m_ui->EditCuttingCounter, m_ui->EditResetCuttingCounter};
    const QList<ConfigTextRow> rows = ConfigInformationRows(config);
    for (qsizetype i = 0; i < rows.size() && i < qsizetype(std::size(info)); ++i)
        info[i]->setText(rows[i].text);
    ShowConfigInPanel(m_ui->PageControlConfig, config, m_context.unit());
}

bool PrinterConfigurationPage::CollectConfig(PrinterConfig& config) {
    QString error;
    if (CollectConfigFromPanel(m_ui->PageControlConfig, config, m_context.unit(), &error)) return true;
    MessageBox::critical(m_context.dialogParent, MessageBox::defaultTitle(), error);
    return false;
}

void PrinterConfigurationPage::ShowStatus(const PrinterStatus& status) {
    m_ui->EditPrinterStatus->setText(
        QCoreApplication::translate("lb::PrinterStatus", StatusWordSource(StatusWordOf(status))));
}

void PrinterConfigurationPage::tellConfigurationRead(int32_t edition) {
    TellOutcome([this, edition] { return tr("Configuration read (edition %1)").arg(edition); });
}

void PrinterConfigurationPage::setReadable(bool readable) {
    m_ui->ButtonGetStatus->setEnabled(readable);
    m_ui->ButtonRead->setEnabled(readable);
}

void PrinterConfigurationPage::setUnitCaption(const QString& caption) {
    // Only the labels change: the numbers in the edits are taken in the new unit next time.
    m_unitCaption = caption;
    for (int i = 1; i <= kUnitLabelCount; ++i)
        if (auto* label = findChild<QLabel*>(QStringLiteral("LabelUnit%1").arg(i))) label->setText(caption);
}

void PrinterConfigurationPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        // The window gave the unit in the new language before its pages heard of the change.
        if (!m_unitCaption.isEmpty()) setUnitCaption(m_unitCaption);
        // The status word was shown in the old language; the next Get Status fills it again.
        m_ui->EditPrinterStatus->clear();
    }
    QWidget::changeEvent(event);
}

void PrinterConfigurationPage::ButtonReadClick() {
    PrinterConfig scratch{};
    ClearConfig(scratch);
    if (m_context.run(kOpReadConfiguration, &scratch, 1) != kLinkOk) return;
    *m_context.printerConfig = scratch;
    ShowConfig(*m_context.printerConfig);
    tellConfigurationRead(scratch.Edition);
}

void PrinterConfigurationPage::ButtonClearClick() {
    ClearConfig(*m_context.printerConfig);
    ShowConfig(*m_context.printerConfig);
    TellOutcome([this] { return tr("Configuration cleared"); });
}

void PrinterConfigurationPage::ButtonConfigSetClick() {
    // The panel goes out over a copy: the stored record stays what was read or loaded.
    PrinterConfig copy = *m_context.printerConfig;
    const int page = m_ui->PageControlConfig->currentIndex();
    const auto pageName = [this, page] { return m_ui->PageControlConfig->tabText(page).remove(u'&'); };
    // A refusal was shown in its box; the panel keeps that nothing went to the printer.
    const auto notWritten = [this, pageName] {
        TellOutcome([this, pageName] { return tr("Page %1 not written").arg(pageName()); });
    };
    if (!m_context.confirmPassword()) return;   // a link error has told itself
    if (!CollectConfig(copy)) return notWritten();
    // A value no command can carry (a speed of 39 digits) is named, and nothing is sent.
    const QString problem = ConfigurationProblem(copy, page);
    if (!problem.isEmpty()) {
        MessageBox::warning(m_context.dialogParent, MessageBox::defaultTitle(), problem);
        return notWritten();
    }
    if (m_context.run(kOpWriteConfiguration, &copy, page) != kLinkOk) return;
    const qsizetype settings = ConfigurationCommands(copy, page).size();
    TellOutcome([this, pageName, settings] {
        return tr("Page %1 written: %2 settings").arg(pageName()).arg(settings);
    });
}

void PrinterConfigurationPage::ButtonSaveClick() {
    const QString path = FileDialog::getSaveFileName(
        m_context.dialogParent, {true, QStringLiteral("SaveDialog1"), m_saveDirectory,
                                 QString::fromLatin1(kSaveFileFilter), QStringLiteral("dcf")});
    if (path.isEmpty()) return;
    m_saveDirectory = QFileInfo(path).absolutePath();
    // Collected before the file is touched: a bad entry leaves an existing file as it was.
    if (!CollectConfig(*m_context.printerConfig)) return;
    const int32_t unit = m_context.unit() == LengthUnit::Mm ? kUnitMm : kUnitInch;
    ConfigFileDetail detail;
    switch (
        SaveConfigFile(path, *m_context.printerConfig, *m_context.printerStatus, unit, nullptr, &detail)) {
    case ConfigFileResult::OpenError:
        ShowLinkError(kFileOpenError, m_context.dialogParent);
        return;
    case ConfigFileResult::DataError:
        // Only a resolution loaded from a damaged file can be such a value: the panel takes
        // no other.
        MessageBox::warning(
            m_context.dialogParent, MessageBox::defaultTitle(),
            tr("%1 holds a value a .json file cannot hold; nothing was saved.").arg(detail.problem.key));
        return;
    case ConfigFileResult::Ok:
        break;
    }
    const QString name = QFileInfo(path).fileName();
    TellOutcome([this, name] { return tr("Configuration saved to %1").arg(name); });
}

void PrinterConfigurationPage::ButtonLoadClick() {
    const QString path = FileDialog::getOpenFileName(
        m_context.dialogParent,
        {false, QStringLiteral("OpenDialog1"), m_openDirectory, QString::fromLatin1(kOpenFileFilter), {}});
    if (path.isEmpty()) return;
    m_openDirectory = QFileInfo(path).absolutePath();
    PrinterConfig config{};
    PrinterStatus status{};
    int32_t unit = kUnitInch;
    ConfigFileDetail detail;
    switch (LoadConfigFile(path, config, status, unit, nullptr, &detail)) {
    case ConfigFileResult::OpenError:
        ShowLinkError(kFileOpenError, m_context.dialogParent);
        return;
    case ConfigFileResult::DataError: {
        QString text = QString::fromLatin1(kFileDataError);
        if (!detail.problem.key.isEmpty())
            text += "\n\n" + tr("The entry %1 is unknown, missing or holds a value that cannot be used.")
                                 .arg(detail.problem.key);
        MessageBox::plain(m_context.dialogParent, MessageBox::defaultTitle(), text);
        return;
    }
    case ConfigFileResult::Ok:
        break;
    }
    // The unit first, so that the lengths are shown in the unit they were saved in.
    m_context.setUnit(unit == kUnitMm ? LengthUnit::Mm : LengthUnit::Inch);
    *m_context.printerConfig = config;
    // The text form keeps no status: the one shown stays.
    if (detail.form == ConfigFileForm::Binary) {
        *m_context.printerStatus = status;
        ShowStatus(*m_context.printerStatus);
    }
    ShowConfig(*m_context.printerConfig);
    const QString name = QFileInfo(path).fileName();
    TellOutcome([this, name] { return tr("Configuration loaded from %1").arg(name); });
}

void PrinterConfigurationPage::ButtonGetStatusClick() {
    if (m_context.run(kOpQueryStatus, m_context.printerStatus) != kLinkOk) return;
    ShowStatus(*m_context.printerStatus);
    const PrinterStatus status = *m_context.printerStatus;
    TellOutcome([status] {
        return tr("Printer status: %1")
            .arg(QCoreApplication::translate("lb::PrinterStatus", StatusWordSource(StatusWordOf(status))));
    });
}

}   // namespace lb
