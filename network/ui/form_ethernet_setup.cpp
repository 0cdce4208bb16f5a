// SPDX-License-Identifier: Apache-2.0
#include "network/ui/form_ethernet_setup.h"

#include "ui_common/dialog_placement.h"
#include "ui_common/message_box.h"
#include "ui_form_ethernet_setup.h"

#include <QButtonGroup>
#include <QEvent>
#include <cstring>

namespace lb {
namespace {

constexpr int kDhcpItem = 0;
constexpr int kStaticItem = 1;

template <std::size_t N> QString Shown(const char (&field)[N]) {
    return QString::fromLatin1(EthernetText(field));
}

// A typed text as the record's bytes; a character beyond Latin-1 becomes '?', which no
// address accepts, so the refusal names it.
QByteArray Typed(const QLineEdit* edit) {
    return edit->text().toLatin1();
}

}   // namespace

TFormEthernetSetup::TFormEthernetSetup(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormEthernetSetup>()) {
    m_ui->setupUi(this);
    // A title with the system menu and its close button, nothing else; a fixed size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_mode = new QButtonGroup(this);
    m_mode->addButton(m_ui->RadioGroupDHCP0, kDhcpItem);
    m_mode->addButton(m_ui->RadioGroupDHCP1, kStaticItem);
    for (QLineEdit* edit : {m_ui->EditIP, m_ui->EditMask, m_ui->EditGateWay})
        edit->setMaxLength(kEthernetTextMax);
    m_ui->EditPrinterName->setMaxLength(kMaxNetworkNameLength);
    // The MAC is only shown: on the window's colour, as the main window's read-only fields.
    QPalette palette = m_ui->EditMACAddr->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_ui->EditMACAddr->setPalette(palette);

    connect(m_mode, &QButtonGroup::idClicked, this, &TFormEthernetSetup::RadioGroupDHCPClick);
    connect(m_ui->ButtonSetIP, &QPushButton::clicked, this, &TFormEthernetSetup::ButtonSetIPClick);
    connect(m_ui->ButtonSetPrinterName, &QPushButton::clicked, this,
            &TFormEthernetSetup::ButtonSetPrinterNameClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormEthernetSetup::ButtonCancelClick);
}

TFormEthernetSetup::~TFormEthernetSetup() = default;

void TFormEthernetSetup::Open(int left, int top, bool showNameAndMac, EthernetSettings* settings) {
    m_settings = settings;
    if (settings) {
        settings->Confirmed = 0;
        m_copy = *settings;
    } else {
        m_copy = EmptyEthernetSettings();
    }
    const bool dhcp = m_copy.Dhcp == 1;
    (dhcp ? m_ui->RadioGroupDHCP0 : m_ui->RadioGroupDHCP1)->setChecked(true);
    showAddressFieldState();
    m_ui->EditIP->setText(dhcp ? Shown(m_copy.CurrentIp) : Shown(m_copy.IpAddress));
    m_ui->EditMask->setText(Shown(m_copy.SubnetMask));
    m_ui->EditGateWay->setText(Shown(m_copy.Gateway));
    for (QWidget* w :
         {static_cast<QWidget*>(m_ui->LabelPrinterName), static_cast<QWidget*>(m_ui->EditPrinterName),
          static_cast<QWidget*>(m_ui->LabelMACAddr), static_cast<QWidget*>(m_ui->EditMACAddr)})
        w->setVisible(showNameAndMac);
    if (showNameAndMac) {
        m_ui->EditPrinterName->setText(Shown(m_copy.PrinterName));
        m_ui->EditMACAddr->setText(Shown(m_copy.MacText));
    }
    m_ui->retranslateUi(this);
    PlaceDialogOnScreen(this, left, top);
}

bool TFormEthernetSetup::dhcpSelected() const {
    return m_mode->checkedId() == kDhcpItem;
}

void TFormEthernetSetup::showAddressFieldState() {
    const bool enabled = m_copy.Dhcp != 1;
    for (QWidget* w : {static_cast<QWidget*>(m_ui->LabelIP), static_cast<QWidget*>(m_ui->LabelMask),
                       static_cast<QWidget*>(m_ui->LabelGateWay), static_cast<QWidget*>(m_ui->EditIP),
                       static_cast<QWidget*>(m_ui->EditMask), static_cast<QWidget*>(m_ui->EditGateWay)})
        w->setEnabled(enabled);
}

void TFormEthernetSetup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

void TFormEthernetSetup::RadioGroupDHCPClick() {
    m_copy.Dhcp = dhcpSelected() ? 1 : 0;
    showAddressFieldState();
}

void TFormEthernetSetup::refuse(const QString& message, QLineEdit* edit) {
    MessageBox::warning(this, MessageBox::defaultTitle(), message);
    edit->setFocus();
    edit->selectAll();
}

void TFormEthernetSetup::ButtonSetIPClick() {
    if (!m_settings) return;
    EthernetSettings typed = *m_settings;
    SetEthernetText(typed.IpAddress, Typed(m_ui->EditIP));
    SetEthernetText(typed.SubnetMask, Typed(m_ui->EditMask));
    SetEthernetText(typed.Gateway, Typed(m_ui->EditGateWay));
    typed.Dhcp = dhcpSelected() ? 1 : 0;
    // Under DHCP the addresses are not typed and not sent over the link; the TCP/IP Setup
    // dialog checks them again before its writes.
    if (typed.Dhcp == 0) {
        const EthernetField field = InvalidEthernetField(typed, true, false);
        QLineEdit* const edit = field == EthernetField::SubnetMask ? m_ui->EditMask
                                : field == EthernetField::Gateway  ? m_ui->EditGateWay
                                                                   : m_ui->EditIP;
        if (field != EthernetField::None) return refuse(InvalidEthernetFieldMessage(field, typed), edit);
    }
    std::memcpy(m_settings->IpAddress, typed.IpAddress, sizeof typed.IpAddress);
    std::memcpy(m_settings->SubnetMask, typed.SubnetMask, sizeof typed.SubnetMask);
    std::memcpy(m_settings->Gateway, typed.Gateway, sizeof typed.Gateway);
    m_settings->Dhcp = typed.Dhcp;
    m_settings->Action = kEthernetSetAddress;
    m_settings->Confirmed = 1;
    accept();
}

void TFormEthernetSetup::ButtonSetPrinterNameClick() {
    if (!m_settings) return;
    const QString name = m_ui->EditPrinterName->text();
    QByteArray bytes;
    if (!Latin1Bytes(name, bytes))
        return refuse(tr("The printer name \"%1\" cannot be sent: the printer knows only Latin-1 characters.")
                          .arg(name),
                      m_ui->EditPrinterName);
    EthernetSettings typed = *m_settings;
    SetEthernetText(typed.PrinterName, bytes);
    if (!IsNetworkNameText(name))
        return refuse(InvalidEthernetFieldMessage(EthernetField::PrinterName, typed), m_ui->EditPrinterName);
    std::memcpy(m_settings->PrinterName, typed.PrinterName, sizeof typed.PrinterName);
    m_settings->Action = kEthernetSetName;
    m_settings->Confirmed = 1;
    accept();
}

void TFormEthernetSetup::ButtonCancelClick() {
    if (m_settings) m_settings->Confirmed = 0;
    reject();
}

}   // namespace lb
