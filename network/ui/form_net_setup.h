// SPDX-License-Identifier: Apache-2.0
#pragma once
// "TCP/IP Setup", the setup dialog of the ETHERNET interface: the host and port the TCP link
// connects to, and the printers found on the network with their own UDP protocol, which can
// be reset to the factory defaults or given other IP settings and another name by MAC.
//
// Each action opens its own socket through network/discovery_exchange.h and waits on the
// user-interface thread; meanwhile the dialog stays painted (the link observer pumps the
// message loop) with a busy cursor and its buttons disabled, and cannot be closed.

#include "link/link_types.h"
#include "network/discovery_protocol.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>

class QCloseEvent;
class QEvent;
class QShowEvent;
class QTreeWidgetItem;
class QUrl;

namespace Ui {
class TFormNetSetup;
}

namespace lb {

class TFormNetSetup : public QDialog {
    Q_OBJECT
public:
    // Where "Web Setup" sends its address; the desktop's browser unless replaced.
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit TFormNetSetup(QWidget* parent = nullptr);
    ~TFormNetSetup() override;

    // Shows target's host and port. When the dialog is shown, a discovery fills the list;
    // then an empty host becomes the first listed printer's address (its row selected), or
    // 192.168.1.100 when none answered. That change stays even without "Exit". target must
    // outlive the dialog.
    void Open(NetworkTarget* target);

    void setUrlOpener(UrlOpener opener);
    // Whether a discovery, factory default or change is under way, or the opening discovery
    // has yet to run.
    bool busy() const { return m_busy; }

public slots:
    void ButtonDiscoverClick();
    void ListView1Click();
    void ButtonFactoryDefaultClick();
    void ButtonChangeIPClick();
    void ButtonBrowserClick();
    void ButtonExitClick();
    // Escape and the title-bar button close the dialog without storing, but not while an
    // action is under way.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class BusyScope;

    void runOpening();
    void discover();
    void clearList();
    void addRow(const DiscoveredPrinter& printer);
    // The first selected row in list order; -1 when none is.
    int firstSelectedRow() const;
    void setBusy(bool busy);
    // A request the system refused to send: the printer has not been changed.
    void showSendFailure();
    void applyColumnWidths();

    std::unique_ptr<Ui::TFormNetSetup> m_ui;
    NetworkTarget* m_target = nullptr;
    RequestSequence m_sequence;
    QList<DiscoveredPrinter> m_printers;   // one per row, in the list's order
    bool m_openingPending = false;
    bool m_busy = false;
    UrlOpener m_openUrl;
};

}   // namespace lb
