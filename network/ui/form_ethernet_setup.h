// SPDX-License-Identifier: Apache-2.0
#pragma once
// "Ethernet Setup": one printer's address mode, IP settings and network name, as read over
// the printer link or by the TCP/IP Setup dialog's UDP requests. The dialog only fills the
// caller's record; the caller sends after it closes.

#include "network/ethernet_settings.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QEvent;
class QLineEdit;

namespace Ui {
class TFormEthernetSetup;
}

namespace lb {

class TFormEthernetSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormEthernetSetup(QWidget* parent = nullptr);
    ~TFormEthernetSetup() override;

    // Places the dialog at (left, top) and shows the record (Confirmed becomes 0): "DHCP" or
    // "Static IP", the address in use under DHCP and the configured one otherwise, the mask,
    // the gateway and, when showNameAndMac is set, the name and the MAC. settings must
    // outlive the dialog.
    void Open(int left, int top, bool showNameAndMac, EthernetSettings* settings);

public slots:
    void RadioGroupDHCPClick();
    // Both refuse, with a message and the dialog left open, what could not be sent: a typed
    // address that is no dotted IPv4 address (static only), a name with '"', a control
    // character or a character beyond Latin-1.
    void ButtonSetIPClick();
    void ButtonSetPrinterNameClick();
    void ButtonCancelClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool dhcpSelected() const;
    void showAddressFieldState();
    void refuse(const QString& message, QLineEdit* edit);

    std::unique_ptr<Ui::TFormEthernetSetup> m_ui;
    QButtonGroup* m_mode = nullptr;
    EthernetSettings* m_settings = nullptr;
    EthernetSettings m_copy{};   // the working copy; only its address mode changes here
};

}   // namespace lb
