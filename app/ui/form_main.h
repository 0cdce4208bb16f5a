#pragma once
// The main window: the interface choice, the pages, the status bar, and the convention by
// which every printer action runs with the window disabled.

#include "config/printer_config.h"
#include "link/link_types.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QLocale;
class QTimer;

namespace Ui {
class TFormMain;
}

namespace lb {

// Link choices made before the window exists (the command line), in force for the
// start-up contact.
struct StartOptions {
    InterfaceKind kind = InterfaceKind::Usb;
    QString host;      // empty: the default target, no host
    int port = 9100;   // TCP port of the target
};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 729;
    static constexpr int kClientHeight = 577;
    static constexpr int kStatusPanelCount = 4;

    explicit TFormMain(const StartOptions& options = {}, QWidget* parent = nullptr);
    ~TFormMain() override;

    // Runs one printer operation on the selected interface with the window disabled, shows
    // a failure with ShowLinkError, then enables and raises the window. Returns the
    // operation's result. While another operation is under way it starts nothing, leaves
    // the window as it is and returns kOperationBusy.
    int RunWithMainWindowDisabled(uint32_t code, void* data = nullptr, int32_t extra = 0);

    InterfaceKind selectedInterface() const;
    const SerialSettings& serialSettings() const { return m_serialSettings; }
    const ParallelPortName& parallelPortName() const { return m_parallelPortName; }
    const NetworkTarget& networkTarget() const { return m_networkTarget; }
    // The configuration of the last successful read (cleared until there is one).
    const PrinterConfig& printerConfig() const { return m_printerConfig; }
    QString statusPanelText(int panel) const;

    // The clock of the status bar; the local clock unless replaced.
    void setClock(std::function<QDateTime()> clock);
    // The status-bar time: the locale's short date and long time (without a time zone).
    static QString StatusClockText(const QDateTime& now, const QLocale& locale);

public slots:
    void ComboBoxInterFaceChange(int index);
    void ButtonInterFaceClick();
    void ButtonLineModeOutClick();
    void ButtonRestPrinterClick();
    void ButtonSelfTestClick();
    void ButtonIgnoreAutoClick();
    void Timer1Timer();

private:
    void refreshInterfaceStatus();
    void makeFirstContact();

    std::unique_ptr<Ui::TFormMain> m_ui;
    SerialSettings m_serialSettings;
    ParallelPortName m_parallelPortName;
    NetworkTarget m_networkTarget;
    PrinterConfig m_printerConfig = [] {
        PrinterConfig config{};
        ClearConfig(config);
        return config;
    }();
    std::array<QLabel*, kStatusPanelCount> m_statusPanels{};
    QTimer* m_timer1 = nullptr;
    std::function<QDateTime()> m_clock;
};

// "LabelBench" and the version: the main window's title in every language.
QString MainWindowTitle();

}   // namespace lb
