// SPDX-License-Identifier: Apache-2.0
#include "functions/ui/printer_function_box.h"

#include "config/password.h"
#include "files/printer_files.h"
#include "functions/sensor_calibration.h"
#include "functions/test_page.h"
#include "functions/ui/form_dump_text_setup.h"
#include "functions/ui/form_rtc_setup.h"
#include "functions/ui/form_sensor_calibrate.h"
#include "link/dispatcher.h"
#include "link/link_error.h"
#include "link/link_wait.h"
#include "link/save_file.h"
#include "network/ui/form_ethernet_setup.h"
#include "ui_common/file_dialog.h"
#include "ui_common/message_box.h"
#include "ui_common/outcome.h"
#include "ui_common/show_link_error.h"
#include "ui_printer_function_box.h"

#include <QEvent>
#include <QFileInfo>
#include <cmath>
#include <cstring>
#include <limits>

namespace lb {
namespace {

// The printer's dots per unit, truncated toward zero; 0 for a stored value that is no count
// of dots (a loaded file can hold anything).
int32_t DotsPerUnit(float dots) {
    if (!std::isfinite(dots) || dots < 0 || dots >= float(std::numeric_limits<int32_t>::max())) return 0;
    return int32_t(std::trunc(dots));
}

}   // namespace

PrinterFunctionBox::PrinterFunctionBox(PageContext context, QWidget* parent)
    : QGroupBox(parent), m_ui(std::make_unique<Ui::PrinterFunctionBox>()), m_context(std::move(context)) {
    m_ui->setupUi(this);
    connect(m_ui->ButtonSensorCalibrate, &QPushButton::clicked, this,
            &PrinterFunctionBox::ButtonSensorCalibrateClick);
    connect(m_ui->ButtonInitial, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonInitialClick);
    connect(m_ui->ButtonRestPrinter, &QPushButton::clicked, this,
            &PrinterFunctionBox::ButtonRestPrinterClick);
    connect(m_ui->ButtonTestPatern, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonTestPaternClick);
    connect(m_ui->ButtonSelfTest, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonSelfTestClick);
    connect(m_ui->ButtonIgnoreAuto, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonIgnoreAutoClick);
    connect(m_ui->ButtonLineModeOut, &QPushButton::clicked, this,
            &PrinterFunctionBox::ButtonLineModeOutClick);
    connect(m_ui->ButtonPassword, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonPasswordClick);
    connect(m_ui->ButtonRTCSetTime, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonRTCSetTimeClick);
    connect(m_ui->ButtonDump, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonDumpClick);
    connect(m_ui->ButtonEthernet, &QPushButton::clicked, this, &PrinterFunctionBox::ButtonEthernetClick);
}

PrinterFunctionBox::~PrinterFunctionBox() = default;

void PrinterFunctionBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QGroupBox::changeEvent(event);
}

void PrinterFunctionBox::ButtonSensorCalibrateClick() {
    SensorCalibration record{};
    record.MediaType = kMediaContinuous;
    const PrinterConfig& stored = *m_context.printerConfig;
    record.DotsPerUnit = DotsPerUnit(m_context.unit() == LengthUnit::Mm ? stored.DotsPerMm : stored.Dpi);
    // A failure has been shown; the dialog opens with what was read. A click delivered while
    // another operation is under way opens nothing.
    if (m_context.run(kOpSensorSettings, &record) == kOperationBusy) return;
    {
        const QPoint at = m_context.dialogPosition();
        TFormSensorCalibrate dialog(m_context.dialogParent);
        dialog.Open(at.x(), at.y(), &record, m_context.selectedInterface());
        dialog.exec();
    }
    if (record.Confirmed == 0) return;
    if (!m_context.confirmPassword()) return;
    if (m_context.run(kOpSensorCalibration, &record) == kLinkOk)
        TellOutcome([this] { return tr("Sensor calibration sent"); });
}

void PrinterFunctionBox::ButtonEthernetClick() {
    // A failure of the reports has been shown, and opens nothing.
    EthernetSettings scratch = EmptyEthernetSettings();
    if (m_context.run(kOpNetworkReports, &scratch) != kLinkOk) return;
    m_ethernetSettings.Dhcp = scratch.Dhcp;
    std::memcpy(m_ethernetSettings.IpAddress, scratch.IpAddress, sizeof scratch.IpAddress);
    std::memcpy(m_ethernetSettings.SubnetMask, scratch.SubnetMask, sizeof scratch.SubnetMask);
    std::memcpy(m_ethernetSettings.Gateway, scratch.Gateway, sizeof scratch.Gateway);
    std::memcpy(m_ethernetSettings.CurrentIp, scratch.CurrentIp, sizeof scratch.CurrentIp);
    std::memcpy(m_ethernetSettings.PrinterName, scratch.PrinterName, sizeof scratch.PrinterName);
    std::memcpy(m_ethernetSettings.MacText, scratch.MacText, sizeof scratch.MacText);
    {
        const QPoint at = m_context.dialogPosition();
        TFormEthernetSetup dialog(m_context.dialogParent);
        dialog.Open(at.x(), at.y(), true, &m_ethernetSettings);
        dialog.exec();
    }
    if (m_ethernetSettings.Confirmed == 0) return;
    if (!m_context.confirmPassword()) return;
    // "Set IP" sends the address mode or the addresses, "Set Printer Name" only the name.
    scratch.Dhcp = m_ethernetSettings.Dhcp;
    std::memcpy(scratch.IpAddress, m_ethernetSettings.IpAddress, sizeof scratch.IpAddress);
    std::memcpy(scratch.SubnetMask, m_ethernetSettings.SubnetMask, sizeof scratch.SubnetMask);
    std::memcpy(scratch.Gateway, m_ethernetSettings.Gateway, sizeof scratch.Gateway);
    std::memcpy(scratch.PrinterName, m_ethernetSettings.PrinterName, sizeof scratch.PrinterName);
    const bool address = m_ethernetSettings.Action == kEthernetSetAddress;
    if (m_context.run(address ? kOpSetAddress : kOpSetPrinterName, &scratch) != kLinkOk) return;
    if (address)
        TellOutcome([this] { return tr("Network address settings sent"); });
    else
        TellOutcome([this] { return tr("Printer name sent"); });
}

void PrinterFunctionBox::ButtonRTCSetTimeClick() {
    // A failure has been shown; the dialog opens with what was read, zeros for the rest. A
    // click delivered while another operation is under way opens nothing.
    RtcSettings read{};
    if (m_context.run(kOpReadClock, &read) == kOperationBusy) return;
    m_rtcSettings = read;
    {
        const QPoint at = m_context.dialogPosition();
        TFormRTCSetup dialog(m_context.dialogParent);
        dialog.Open(at.x(), at.y(), &m_rtcSettings);
        dialog.exec();
    }
    if (m_rtcSettings.Confirmed == 0) return;
    if (!m_context.confirmPassword()) return;
    RtcSettings write = m_rtcSettings;
    if (m_context.run(kOpSetClock, &write) == kLinkOk) TellOutcome([this] { return tr("Clock set"); });
}

void PrinterFunctionBox::ButtonDumpClick() {
    DumpTextSettings settings = DefaultDumpTextSettings();
    {
        const QPoint at = m_context.dialogPosition();
        TFormDumpTextSetup dialog(m_context.dialogParent);
        dialog.Open(at.x(), at.y(), &settings);
        dialog.exec();
    }
    if (settings.Confirmed == 0) return;
    if (PrinterOperationRunning()) return;
    // The window stays disabled from the dump command to the end, its boxes included.
    m_context.setMainWindowEnabled(false);
    ClearLinkCancel();
    const int result = RunPrinterOperation(kOpDumpText, m_context.selectedInterface(), &settings, 0);
    if (result != kLinkOk) ShowLinkError(result, m_context.dialogParent);
    if (result == kLinkOk && settings.Mode != kDumpToFile)
        TellOutcome([this] { return tr("Dump mode started"); });
    if (result == kLinkOk && settings.Mode == kDumpToFile) fetchDump();
    m_context.setMainWindowEnabled(true);
}

void PrinterFunctionBox::fetchDump() {
    QWidget* parent = m_context.dialogParent;
    // The question is the same in every language; the line under it says what to do first.
    if (MessageBox::show(QMessageBox::NoIcon, parent, MessageBox::defaultTitle(),
                         QStringLiteral("Press OK to load file."), QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Ok,
                         tr("Send the text to be captured to the printer now, from the label program or the "
                            "Command Tool, then press OK.")) != QMessageBox::Ok)
        return;
    QByteArray buffer(kDumpFileCapacity, Qt::Uninitialized);
    FileReadRequest request{};
    request.capacity = kDumpFileCapacity;
    std::memcpy(request.fileName, kDumpFileName, sizeof kDumpFileName);
    request.buffer = buffer.data();
    ClearLinkCancel();
    const int result = RunPrinterOperation(kOpFetchFile, m_context.selectedInterface(), &request, 0);
    if (result != kLinkOk) {
        ShowLinkError(result, parent);
        return;
    }
    if (request.length == 0) {
        // Nothing to save: said before any save dialog.
        MessageBox::information(parent, MessageBox::defaultTitle(),
                                tr("The dump is empty: the printer captured no text."));
        TellOutcome([this] { return tr("The dump is empty"); });
        return;
    }
    FileDialogRequest save;
    save.save = true;
    save.name = QStringLiteral("SaveDialog1");
    save.directory = m_context.startDirectory;
    save.filter = QStringLiteral("*");
    const QString path = FileDialog::getSaveFileName(parent, save);
    if (path.isEmpty()) return;
    // The original loses a dump it cannot write without a word; here the user hears of it.
    QString error;
    if (!SaveFileChecked(path, buffer.left(qsizetype(request.length)), &error)) {
        MessageBox::show(QMessageBox::Critical, parent, MessageBox::defaultTitle(),
                         QStringLiteral("File Open Error"), QMessageBox::Ok, QMessageBox::NoButton, error);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const qint64 size = qint64(request.length);
    TellOutcome([this, name, size] { return tr("Dump saved to %1 (%2 bytes)").arg(name).arg(size); });
}

void PrinterFunctionBox::ButtonInitialClick() {
    if (!m_context.confirmPassword()) return;
    if (m_context.run(kOpFactoryDefault) == kLinkOk)
        TellOutcome([this] { return tr("Factory default sent"); });
}

void PrinterFunctionBox::ButtonRestPrinterClick() {
    if (m_context.run(kOpResetPrinter) == kLinkOk) TellOutcome([this] { return tr("Printer reset"); });
}

void PrinterFunctionBox::ButtonTestPaternClick() {
    const PrinterConfig& stored = *m_context.printerConfig;
    if (stored.ConfigRead == 0) {
        ShowLinkError(kReadConfigFirst, m_context.dialogParent);
        return;
    }
    PrinterConfig panel = stored;
    if (!m_context.collectConfig(panel)) return;
    // An empty edit leaves its item absent. These two messages are the same in every
    // language: not offered for translation.
    if (!panel.PaperWidth.present) {
        MessageBox::plain(m_context.dialogParent, MessageBox::defaultTitle(),
                          QStringLiteral("Please Enter Paper Width"));
        return;
    }
    if (!panel.PaperHeight.present) {
        MessageBox::plain(m_context.dialogParent, MessageBox::defaultTitle(),
                          QStringLiteral("Please Enter Paper Height"));
        return;
    }
    // The page is laid out for the printer as it was read, not for the typed values.
    TestPageRequest request = TestPageRequestFromConfig(stored);
    if (m_context.run(kOpPrintTestPage, &request) == kLinkOk)
        TellOutcome([this] { return tr("Test page sent"); });
}

void PrinterFunctionBox::ButtonSelfTestClick() {
    if (m_context.run(kOpSelfTest) == kLinkOk) TellOutcome([this] { return tr("Configuration page sent"); });
}

void PrinterFunctionBox::ButtonIgnoreAutoClick() {
    if (m_context.run(kOpIgnoreAutoBas) == kLinkOk)
        TellOutcome([this] { return tr("Ignore AUTO.BAS sent"); });
}

void PrinterFunctionBox::ButtonLineModeOutClick() {
    if (m_context.run(kOpLeaveLineMode) == kLinkOk) TellOutcome([this] { return tr("Line mode left"); });
}

void PrinterFunctionBox::ButtonPasswordClick() {
    // Knowing the old password is the check here; the gate is not asked first.
    char current[kPasswordBufferSize] = {};
    if (m_context.run(kOpReadPassword, current) != kLinkOk) return;
    const QByteArray before(current);
    QByteArray after = m_context.askNewPassword(before);
    if (after == before) return;   // cancelled, or the same password again
    if (m_context.run(kOpSendPassword, after.data()) == kLinkOk)
        TellOutcome([this] { return tr("Password changed"); });
}

}   // namespace lb
