// SPDX-License-Identifier: Apache-2.0
#pragma once
// The main window: the interface choice, the pages, the status bar, and the convention by
// which every printer action runs with the window disabled.

#include "config/config_text.h"
#include "config/printer_config.h"
#include "config/printer_status.h"
#include "link/link_types.h"
#include "ui_common/outcome.h"
#include "ui_common/page_context.h"

#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QEvent;
class QFontDialog;
class QLabel;
class QLocale;
class QTimer;
class QWheelEvent;

namespace Ui {
class TFormMain;
}

namespace lb {

class BitmapFontManagerPage;
class CommandToolPage;
class FileManagerPage;
class PrinterConfigurationPage;
class PrinterFunctionBox;

// Link choices made before the window exists (the command line), in force for the
// start-up contact.
struct StartOptions {
    InterfaceKind kind = InterfaceKind::Usb;
    QString host;      // empty: the default target, no host
    int port = 9100;   // TCP port of the target
    // The screen the window is fitted to; the primary screen when not given.
    std::optional<QSize> screenSize;
    // The language the window starts in (an index of the language list); -1 keeps the
    // current one. The program passes the desktop's (ChooseInitialLanguage) or --language.
    int language = -1;
};

// How the window fits a screen: on a screen less than 768 pixels high it is 100 pixels
// shorter and scrolls its content with ScrollBar1; otherwise the bar is hidden and the
// window 20 pixels narrower. The window is centred.
struct ScreenFit {
    QSize clientSize;
    bool scrollBarShown = false;
    QPoint topLeft;
};
ScreenFit FitToScreen(const QSize& designedClient, const QRect& screen);

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 729;
    static constexpr int kClientHeight = 577;
    static constexpr int kStatusPanelCount = 4;
    // The third panel tells the outcome of the last action.
    static constexpr std::size_t kOutcomePanel = 2;

    // Builds the window with the defaults; the printer is not contacted yet.
    explicit TFormMain(const StartOptions& options = {}, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The silent first contact on the selected interface: link check, leave line mode, read
    // the configuration, each only after the one before succeeded. The window is disabled
    // meanwhile and its status bar says which interface is tried; a shown window is on
    // screen with that text before the exchange holds the message loop. No message on any
    // failure: the window then keeps the defaults.
    void RunFirstContact();

    // Runs one printer operation on the selected interface with the window disabled, shows
    // a failure with ShowLinkError, then enables and raises the window. Returns the
    // operation's result. While another operation is under way it starts nothing, leaves
    // the window as it is and returns kOperationBusy.
    int RunWithMainWindowDisabled(uint32_t code, void* data = nullptr, int32_t extra = 0);

    // The password gate in front of every action that changes the printer: reads the
    // printer's password and, when one is set, asks for it. True: go on.
    bool ConfirmPassword();

    // Fills the panel and the information box from config.
    void ShowConfig(const PrinterConfig& config);
    // Reads the panel into config. A text that is not a number shows its conversion message
    // and gives false; the caller then stops.
    bool CollectConfig(PrinterConfig& config);
    void ShowStatus(const PrinterStatus& status);

    // The pages, each with its own controls and handlers.
    PrinterConfigurationPage* configurationPage() const { return m_configurationPage; }
    PrinterFunctionBox* functionBox() const { return m_functionBox; }
    FileManagerPage* fileManagerPage() const { return m_fileManagerPage; }
    BitmapFontManagerPage* fontManagerPage() const { return m_fontManagerPage; }
    CommandToolPage* commandToolPage() const { return m_commandToolPage; }

    InterfaceKind selectedInterface() const;
    LengthUnit selectedUnit() const;
    const SerialSettings& serialSettings() const { return m_serialSettings; }
    const ParallelPortName& parallelPortName() const { return m_parallelPortName; }
    const NetworkTarget& networkTarget() const { return m_networkTarget; }
    // The stored configuration: the last read, load or clear.
    const PrinterConfig& printerConfig() const { return m_printerConfig; }
    const PrinterStatus& printerStatus() const { return m_printerStatus; }
    QString statusPanelText(int panel) const;
    // The folder the program was started in: where the file dialogs begin.
    const QString& startupDirectory() const { return m_startupDirectory; }

    // The clock of the status bar; the local clock unless replaced.
    void setClock(std::function<QDateTime()> clock);
    // The status-bar time: the locale's short date and long time (without a time zone).
    static QString StatusClockText(const QDateTime& now, const QLocale& locale);

signals:
    // The window shows that the printer is looked for; the exchange starts next.
    void firstContactStarted();
    // The first contact is over, successful or not; the window is enabled again.
    void firstContactFinished();

public slots:
    void ComboBoxInterFaceChange(int index);
    void ComboBoxLanguageChange(int index);
    void ButtonInterFaceClick();
    void RadioGroupUnitClick();
    void ScrollBar1Change(int position);
    void Timer1Timer();

protected:
    // A turn of the wheel that no control took scrolls the content on a short screen.
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The constructor's steps, in order.
    void addStatusPanels();
    void addPages();   // each page in its tab, with the context the pages share
    void fitToScreenAtStart(const std::optional<QSize>& screenSize);
    void keepLinkSettings(const StartOptions& options);   // for the whole run
    void setUpControls();
    void selectInterfaceAndLanguage(InterfaceKind start);
    void connectHandlers();
    void startStatusTimer();
    // The window's size and place on the screen: as designed, wider when the pages' captions
    // in the current language need it.
    void fitToScreen(const std::optional<QSize>& screenSize);
    void waitUntilOnScreen();
    void refreshInterfaceStatus();
    bool makeFirstContact();
    void tellOutcome(const OutcomeText& text);
    void showOutcome();
    void setUnit(LengthUnit unit);
    void ApplyLanguage();
    QPoint dialogPosition() const;
    PageContext makePageContext();
    void placeTopRow();

    std::unique_ptr<Ui::TFormMain> m_ui;
    SerialSettings m_serialSettings;
    ParallelPortName m_parallelPortName;
    NetworkTarget m_networkTarget;
    QString m_startupDirectory;
    PrinterStatus m_printerStatus{};
    PrinterConfig m_printerConfig = [] {
        PrinterConfig config{};
        ClearConfig(config);
        return config;
    }();
    std::array<QLabel*, kStatusPanelCount> m_statusPanels{};
    QButtonGroup* m_unitGroup = nullptr;
    PrinterConfigurationPage* m_configurationPage = nullptr;
    PrinterFunctionBox* m_functionBox = nullptr;
    FileManagerPage* m_fileManagerPage = nullptr;
    BitmapFontManagerPage* m_fontManagerPage = nullptr;
    CommandToolPage* m_commandToolPage = nullptr;
    QTimer* m_timer1 = nullptr;
    QFontDialog* m_fontDialog = nullptr;
    std::function<QDateTime()> m_clock;
    OutcomeText m_outcome;   // the last action's outcome, made again in a new language
    QString m_outcomeText;
    QList<int> m_designedBoxWidths;      // language, unit, interface
    std::optional<QSize> m_screenSize;   // as the start options gave it
    bool m_fittedWhenShown = false;
};

// "LabelBench" and the version: the main window's title in every language.
QString MainWindowTitle();

}   // namespace lb
