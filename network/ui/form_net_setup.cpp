// SPDX-License-Identifier: Apache-2.0
#include "network/ui/form_net_setup.h"

#include "link/link_error.h"
#include "link/link_wait.h"
#include "link/number_text.h"
#include "network/discovery_exchange.h"
#include "network/ui/form_ethernet_setup.h"
#include "ui_common/field_caption.h"
#include "ui_common/message_box.h"
#include "ui_form_net_setup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QEvent>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <array>

namespace lb {
namespace {

enum Column { kColumnName = 0, kColumnMac = 1, kColumnAddress = 2, kColumnModel = 3, kColumnStatus = 4 };
// The last column takes the rest, but the header keeps it at least as wide as its default.
constexpr std::array<int, 4> kColumnWidths = {80, 120, 100, 100};
constexpr int kColumnMargin = 16;   // beside a title or text, so that it is not cut
constexpr int kListMinimumWidth = 520;
const char kFallbackHost[] = "192.168.1.100";

QString Text(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

}   // namespace

// Disables what could start a second action and shows the busy cursor for one action.
class TFormNetSetup::BusyScope {
public:
    explicit BusyScope(TFormNetSetup* dialog) : m_dialog(dialog) {
        // A cancel of an earlier action does not reach this one.
        ClearLinkCancel();
        m_dialog->setBusy(true);
    }
    ~BusyScope() { m_dialog->setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TFormNetSetup* m_dialog;
};

TFormNetSetup::TFormNetSetup(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormNetSetup>()),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // The host goes into the target's 64-byte field with its zero: printable ASCII without
    // blanks, as the TCP link resolves it.
    constexpr int kHostMax = int(sizeof(NetworkTarget::host)) - 1;
    m_ui->EditIPAddr->setMaxLength(kHostMax);
    m_ui->EditIPAddr->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x21-\\x7E]{0,%1}").arg(kHostMax)), m_ui->EditIPAddr));
    m_ui->ListView1->header()->setSectionsMovable(false);
    applyColumnWidths();

    connect(m_ui->ButtonDiscover, &QPushButton::clicked, this, &TFormNetSetup::ButtonDiscoverClick);
    connect(m_ui->ListView1, &QTreeWidget::clicked, this, &TFormNetSetup::ListView1Click);
    connect(m_ui->ButtonFactoryDefault, &QPushButton::clicked, this,
            &TFormNetSetup::ButtonFactoryDefaultClick);
    connect(m_ui->ButtonChangeIP, &QPushButton::clicked, this, &TFormNetSetup::ButtonChangeIPClick);
    connect(m_ui->ButtonBrowser, &QPushButton::clicked, this, &TFormNetSetup::ButtonBrowserClick);
    connect(m_ui->ButtonExit, &QPushButton::clicked, this, &TFormNetSetup::ButtonExitClick);
}

TFormNetSetup::~TFormNetSetup() {
    setBusy(false);   // the cursor of an opening that never ran
}

void TFormNetSetup::setUrlOpener(UrlOpener opener) {
    m_openUrl = opener ? std::move(opener) : [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void TFormNetSetup::Open(NetworkTarget* target) {
    m_target = target;
    m_ui->retranslateUi(this);
    applyColumnWidths();
    if (target) {
        m_ui->EditIPAddr->setText(QString::fromLatin1(target->host, qsizetype(FieldLength(target->host))));
        m_ui->EditPort->setText(QString::number(target->port));
    }
    // The buttons wait for the opening discovery.
    m_openingPending = true;
    setBusy(true);
}

void TFormNetSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The discovery waits for seconds: it runs once the dialog is up and shows its progress,
    // with the main window behind it closed to input.
    if (m_openingPending) {
        m_openingPending = false;
        QTimer::singleShot(0, this, &TFormNetSetup::runOpening);
    }
}

void TFormNetSetup::runOpening() {
    discover();
    if (m_target && FieldLength(m_target->host) == 0) {
        QByteArray host(kFallbackHost);
        if (!m_printers.isEmpty()) {
            m_ui->ListView1->setCurrentItem(m_ui->ListView1->topLevelItem(0));
            host = m_printers.first().addressText();
        }
        CopyToField(m_target->host, host.constData(), std::size_t(host.size()));
        m_ui->EditIPAddr->setText(Text(host));
    }
    setBusy(false);
}

void TFormNetSetup::setBusy(bool busy) {
    if (busy == m_busy) return;
    m_busy = busy;
    for (QPushButton* button : {m_ui->ButtonDiscover, m_ui->ButtonFactoryDefault, m_ui->ButtonChangeIP,
                                m_ui->ButtonBrowser, m_ui->ButtonExit})
        button->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TFormNetSetup::reject() {
    if (m_busy) return;
    QDialog::reject();
}

void TFormNetSetup::closeEvent(QCloseEvent* event) {
    if (m_busy) return event->ignore();
    QDialog::closeEvent(event);
}

void TFormNetSetup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        applyColumnWidths();
    }
    QDialog::changeEvent(event);
}

void TFormNetSetup::applyColumnWidths() {
    // The designed widths, or more where a title or a listed text would not fit; the list is
    // as wide as its columns, so that none is cut.
    QTreeWidget* list = m_ui->ListView1;
    const QFontMetrics header = list->header()->fontMetrics();
    const QFontMetrics metrics = list->fontMetrics();
    int total = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column <= kColumnStatus; ++column) {
        int width = column < kColumnStatus ? kColumnWidths[std::size_t(column)]
                                           : list->header()->defaultSectionSize();
        width = std::max(width, header.horizontalAdvance(list->headerItem()->text(column)) + kColumnMargin);
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(list->topLevelItem(row)->text(column)) +
                                        kColumnMargin);
        if (column < kColumnStatus) list->header()->resizeSection(column, width);
        total += width;
    }
    list->setMinimumWidth(std::max(kListMinimumWidth, total));
}

void TFormNetSetup::clearList() {
    m_ui->ListView1->clear();
    m_printers.clear();
}

void TFormNetSetup::addRow(const DiscoveredPrinter& printer) {
    auto* row = new QTreeWidgetItem(m_ui->ListView1);
    row->setText(kColumnName, Text(printer.printerName));
    row->setText(kColumnMac, Text(printer.macText()));
    row->setText(kColumnAddress, Text(printer.addressText()));
    row->setText(kColumnModel, Text(printer.modelName));
    row->setText(kColumnStatus, printer.statusText());
    m_printers.append(printer);
    applyColumnWidths();
}

int TFormNetSetup::firstSelectedRow() const {
    for (int row = 0; row < m_ui->ListView1->topLevelItemCount(); ++row)
        if (m_ui->ListView1->topLevelItem(row)->isSelected()) return row;
    return -1;
}

void TFormNetSetup::discover() {
    clearList();
    if (isVisible()) repaint();
    QList<DiscoveredPrinter> printers;
    // Rows appear as the replies come; a socket that cannot be made ends it without a word.
    Discover(m_sequence, printers, [this](const DiscoveredPrinter& printer) { addRow(printer); });
}

void TFormNetSetup::ButtonDiscoverClick() {
    if (m_busy) return;
    BusyScope busy(this);
    discover();
}

void TFormNetSetup::ListView1Click() {
    const int row = firstSelectedRow();
    if (row < 0) return;
    m_ui->EditIPAddr->setText(m_ui->ListView1->topLevelItem(row)->text(kColumnAddress));
}

void TFormNetSetup::ButtonFactoryDefaultClick() {
    if (m_busy) return;
    const int row = firstSelectedRow();
    if (row < 0) return;
    const MacBytes mac = m_printers.at(row).mac;
    // The question is the same in every language; the line under it says what follows.
    if (MessageBox::show(QMessageBox::Question, this, MessageBox::defaultTitle(),
                         QStringLiteral("Are you sure?"), QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                         tr("The printer %1 returns to its factory settings.")
                             .arg(m_ui->ListView1->topLevelItem(row)->text(kColumnMac))) != QMessageBox::Yes)
        return;
    BusyScope busy(this);
    const NetworkResult result = SendFactoryDefault(m_sequence, mac);
    if (result == NetworkResult::Done) clearList();
    if (result == NetworkResult::SendFailed) showSendFailure();
}

void TFormNetSetup::showSendFailure() {
    MessageBox::warning(this, MessageBox::defaultTitle(),
                        tr("The request could not be sent on this computer's network; the printer has not "
                           "been changed."));
}

void TFormNetSetup::ButtonChangeIPClick() {
    if (m_busy) return;
    const int row = firstSelectedRow();
    if (row < 0) return;
    const DiscoveredPrinter printer = m_printers.at(row);
    EthernetSettings settings = EmptyEthernetSettings();
    SetEthernetText(settings.PrinterName, printer.printerName);

    // One socket and one request buffer from the first read to the final write.
    RemoteSettingsChange change(m_sequence, printer.mac);
    {
        BusyScope busy(this);
        const RemoteReadResult read = change.readSettings(settings);
        if (read.result == NetworkResult::SendFailed) showSendFailure();
        if (read.result != NetworkResult::Done) return;
        // A field the printer did not report would go back as zeros: nothing is changed then.
        if (!read.ipSettingsAnswered || !read.addressModeAnswered) {
            MessageBox::critical(this, MessageBox::defaultTitle(), LinkErrorText(kDataReceivingError));
            return;
        }
    }
    {
        TFormEthernetSetup dialog(this);
        const QPoint at = pos();
        dialog.Open(at.x(), at.y(), true, &settings);
        dialog.exec();
    }
    if (settings.Confirmed == 0) return;   // nothing written, the list stays

    BusyScope busy(this);
    switch (change.writeSettings(settings, m_sequence)) {
    case NetworkResult::Done:
        clearList();   // refilled by "Discover Device"
        break;
    case NetworkResult::InvalidInput:
        // Set Printer Name keeps the addresses as read, and under DHCP they are not typed:
        // one that would go out as 255.255.255.255 is named here, nothing sent.
        MessageBox::warning(
            this, MessageBox::defaultTitle(),
            InvalidEthernetFieldMessage(InvalidEthernetField(settings, true, true), settings));
        break;
    case NetworkResult::SendFailed:
        showSendFailure();
        break;
    case NetworkResult::NoSocket:
    case NetworkResult::Busy:
    case NetworkResult::Cancelled:
        break;
    }
}

void TFormNetSetup::ButtonBrowserClick() {
    if (m_busy) return;
    m_openUrl(QUrl(QStringLiteral("http://") + m_ui->EditIPAddr->text(), QUrl::TolerantMode));
}

void TFormNetSetup::ButtonExitClick() {
    if (m_busy || !m_target) return;
    const QByteArray host = m_ui->EditIPAddr->text().toLatin1();
    CopyToField(m_target->host, host.constData(), std::size_t(host.size()));
    // The host stays stored when the port does not convert; the dialog stays open.
    int32_t port = 0;
    if (!PanelTextToInt(m_ui->EditPort->text(), port)) {
        MessageBox::critical(this, MessageBox::defaultTitle(), NotANumberMessage(m_ui->EditPort));
        m_ui->EditPort->setFocus();
        return;
    }
    m_target->port = port;
    accept();
}

}   // namespace lb
