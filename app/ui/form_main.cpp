// SPDX-License-Identifier: Apache-2.0
#include "app/ui/form_main.h"

#include "app/language.h"
#include "config/config_file.h"
#include "config/password.h"
#include "config/ui/form_password.h"
#include "config/ui/form_password_setup.h"
#include "config/ui/printer_configuration_page.h"
#include "files/ui/file_manager_page.h"
#include "fonts/ui/bitmap_font_manager_page.h"
#include "functions/ui/command_tool_page.h"
#include "functions/ui/printer_function_box.h"
#include "link/dispatcher.h"
#include "link/interface_status.h"
#include "link/link_error.h"
#include "link/link_wait.h"
#include "link/printer_link.h"
#include "link/ui/form_lpt_setup.h"
#include "link/ui/form_rs232_setup.h"
#include "network/ui/form_net_setup.h"
#include "ui_common/outcome.h"
#include "ui_common/show_link_error.h"
#include "ui_common/text_room.h"
#include "ui_common/wheel_guard.h"
#include "ui_form_main.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

#ifndef LABELBENCH_VERSION_TEXT
#define LABELBENCH_VERSION_TEXT "0.0.0"
#endif

namespace lb {
namespace {

constexpr int kPageControlTop = 48;
constexpr int kTopRowEdge = 4;            // the boxes above the pages keep this far from either edge
constexpr int kSmallScreenHeight = 768;   // below it the window is shortened and scrolls
constexpr int kScrollRange = 100;
constexpr int kDesignedPagesWidth = 709;   // the pages' width in the designed window
constexpr int kWheelLinePixels = 20;       // content scrolled per wheel line and per arrow click
constexpr int kExposeWaitMs = 2000;        // at most this long for the window manager to map the window
constexpr std::array<int, TFormMain::kStatusPanelCount> kStatusPanelWidths = {80, 200, 250, 200};

// The locale's long time format less its time-zone field, which the status bar has no
// room for. Quoted literals are kept as they are.
QString LongTimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        out.append(c);
    }
    return out.simplified();
}

}   // namespace

QString MainWindowTitle() {
    return QStringLiteral("LabelBench " LABELBENCH_VERSION_TEXT);
}

ScreenFit FitToScreen(const QSize& designedClient, const QRect& screen) {
    ScreenFit fit;
    fit.scrollBarShown = screen.height() < kSmallScreenHeight;
    fit.clientSize = fit.scrollBarShown
                         ? QSize(designedClient.width(), designedClient.height() - kScrollRange)
                         : QSize(designedClient.width() - 20, designedClient.height());
    // Integer division truncates toward zero, also for a window larger than the screen.
    fit.topLeft = QPoint(screen.x() + (screen.width() - fit.clientSize.width()) / 2,
                         screen.y() + (screen.height() - fit.clientSize.height()) / 2);
    return fit;
}

TFormMain::TFormMain(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TFormMain>()), m_serialSettings(DefaultSerialSettings()),
      m_parallelPortName(DefaultParallelPortName()), m_networkTarget(DefaultNetworkTarget()),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    if (options.language >= 0) SetLanguageIndex(options.language);
    m_ui->setupUi(this);
    setWindowTitle(MainWindowTitle());
    // A fixed window with a system menu and a minimise button, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    addStatusPanels();
    addPages();
    fitToScreenAtStart(options.screenSize);
    keepLinkSettings(options);
    setUpControls();
    selectInterfaceAndLanguage(options.kind);
    connectHandlers();
    startStatusTimer();
}

void TFormMain::addStatusPanels() {
    for (int i = 0; i < kStatusPanelCount; ++i) {
        auto* panel = new QLabel(m_ui->StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        const bool last = i == kStatusPanelCount - 1;
        // The last panel takes what is left of the bar, as the bar is narrower than the sum.
        if (last)
            panel->setMinimumWidth(kStatusPanelWidths[static_cast<std::size_t>(i)] / 2);
        else
            panel->setFixedWidth(kStatusPanelWidths[static_cast<std::size_t>(i)]);
        m_ui->StatusBar1->addWidget(panel, last ? 1 : 0);
        m_statusPanels[static_cast<std::size_t>(i)] = panel;
    }
    // The outcome of the last action: cut short with an ellipsis when the panel is too
    // narrow, the whole text in its tooltip.
    m_statusPanels[kOutcomePanel]->setTextFormat(Qt::PlainText);
    SetOutcomeSink([this](const OutcomeText& text) { tellOutcome(text); });
}

void TFormMain::addPages() {
    // File dialogs start in the current folder; the folder is also kept for the other pages.
    m_startupDirectory = QDir::currentPath();

    // One font dialog for the whole window, so that the pages share its last choice.
    m_fontDialog = new QFontDialog(this);
    m_fontDialog->setObjectName(QStringLiteral("FontDialog1"));

    // Each page fills its tab; the function box sits beside the configuration panel.
    const PageContext context = makePageContext();
    m_configurationPage = new PrinterConfigurationPage(context, m_ui->TabSheet1);
    m_functionBox = new PrinterFunctionBox(context, m_configurationPage);
    m_configurationPage->placeBesidePanel(m_functionBox);
    m_ui->LayoutTabSheet1->addWidget(m_configurationPage);
    m_fileManagerPage = new FileManagerPage(context, m_ui->TabSheet2);
    m_ui->LayoutTabSheet2->addWidget(m_fileManagerPage);
    m_fontManagerPage = new BitmapFontManagerPage(context, m_ui->TabSheet3);
    m_ui->LayoutTabSheet3->addWidget(m_fontManagerPage);
    m_commandToolPage = new CommandToolPage(context, m_ui->TabSheet4);
    m_ui->LayoutTabSheet4->addWidget(m_commandToolPage);
}

void TFormMain::fitToScreenAtStart(const std::optional<QSize>& screenSize) {
    for (QGroupBox* box : {m_ui->GroupBoxLanguage, m_ui->RadioGroupUnit, m_ui->GroupBoxInterFace})
        m_designedBoxWidths.append(box->width());
    m_screenSize = screenSize;
    // The language list keeps its designed width; its drop-down shows the long names whole.
    m_ui->ComboBoxLanguage->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui->ComboBoxLanguage->setMinimumContentsLength(12);
    fitToScreen(screenSize);
    placeTopRow();
    m_ui->PageControl1->setCurrentIndex(0);
}

void TFormMain::keepLinkSettings(const StartOptions& options) {
    // The link settings live here for the whole run; the link layer reads them at every open.
    if (!options.host.isEmpty()) {
        const QByteArray host = options.host.toLatin1();
        CopyToField(m_networkTarget.host, host.constData(), static_cast<std::size_t>(host.size()));
    }
    if (options.port >= 1 && options.port <= 65535) m_networkTarget.port = options.port;
    RegisterLinkSettings(&m_serialSettings, &m_parallelPortName, &m_networkTarget);
}

void TFormMain::setUpControls() {
    m_unitGroup = new QButtonGroup(this);
    m_unitGroup->addButton(m_ui->RadioButtonUnitInch, kUnitInch);
    m_unitGroup->addButton(m_ui->RadioButtonUnitMm, kUnitMm);
    // Read-only fields on the window's colour, so that they do not look like input fields.
    // (The font dialog's own read-only fields are left as the dialog draws them.)
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (!edit->isReadOnly() || edit->window() != this) continue;
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    TakeWheelOnlyWithFocus(this);
    ClearConfig(m_printerConfig);
    ShowConfig(m_printerConfig);
    refreshInterfaceStatus();
}

void TFormMain::selectInterfaceAndLanguage(InterfaceKind start) {
    const int kind = static_cast<int>(start);
    m_ui->ComboBoxInterFace->setCurrentIndex(IsValidInterfaceKind(start) ? kind : 0);
    ComboBoxInterFaceChange(m_ui->ComboBoxInterFace->currentIndex());

    for (int i = 0; i < kLanguageCount; ++i)
        m_ui->ComboBoxLanguage->addItem(QString());
    m_ui->ComboBoxLanguage->setCurrentIndex(LanguageIndex());
    ApplyLanguage();
}

void TFormMain::connectHandlers() {
    connect(m_ui->ComboBoxInterFace, &QComboBox::currentIndexChanged, this,
            &TFormMain::ComboBoxInterFaceChange);
    connect(m_ui->ComboBoxLanguage, &QComboBox::currentIndexChanged, this,
            &TFormMain::ComboBoxLanguageChange);
    connect(m_ui->ButtonInterFace, &QPushButton::clicked, this, &TFormMain::ButtonInterFaceClick);
    connect(m_unitGroup, &QButtonGroup::idClicked, this, &TFormMain::RadioGroupUnitClick);
    connect(m_ui->ScrollBar1, &QScrollBar::valueChanged, this, &TFormMain::ScrollBar1Change);
}

void TFormMain::startStatusTimer() {
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TFormMain::Timer1Timer);

    Timer1Timer();
    m_timer1->start();
}

TFormMain::~TFormMain() {
    // The records die with the window: the link layer must not keep their addresses.
    RegisterLinkSettings(nullptr, nullptr, nullptr);
    SetOutcomeSink(nullptr);
}

void TFormMain::tellOutcome(const OutcomeText& text) {
    m_outcome = text;
    showOutcome();
}

void TFormMain::showOutcome() {
    QLabel* panel = m_statusPanels[kOutcomePanel];
    const QString text = m_outcome ? m_outcome() : QString();
    m_outcomeText = text;
    const int room = panel->contentsRect().width() - 2 * panel->margin() - panel->indent() - 4;
    panel->setText(panel->fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0)));
    panel->setToolTip(text);
}

void TFormMain::fitToScreen(const std::optional<QSize>& screenSize) {
    QRect screen(0, 0, 1280, 1024);
    if (screenSize) {
        screen = QRect(QPoint(0, 0), *screenSize);
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->geometry();
    }
    // A caption longer than its designed room widens its control, and the pages with it.
    QTabWidget* pages = m_ui->PageControl1;
    GrowMinimumWidthsToText(pages);
    // The pages not shown do not pass a change of size on by themselves: ask them afresh.
    for (QWidget* w : pages->findChildren<QWidget*>()) {
        if (!w->layout()) continue;
        w->layout()->invalidate();
        w->updateGeometry();
    }
    const int pagesNeed = std::max(pages->minimumSizeHint().width(), pages->tabBar()->sizeHint().width());
    const int extra =
        std::clamp(pagesNeed - kDesignedPagesWidth, 0, std::max(0, screen.width() - kClientWidth));
    const ScreenFit fit = FitToScreen(QSize(kClientWidth + extra, kClientHeight), screen);
    setFixedSize(fit.clientSize);
    move(fit.topLeft);

    // The pages keep their designed height; on a short window the bar scrolls them.
    const int statusHeight = m_ui->StatusBar1->sizeHint().height();
    const int designedContent = kClientHeight - statusHeight;
    pages->setGeometry(0, kPageControlTop, kDesignedPagesWidth + extra,
                       designedContent - kPageControlTop - 2);
    m_ui->ScrollBar1->setRange(0, kScrollRange);
    m_ui->ScrollBar1->setPageStep(0);
    m_ui->ScrollBar1->setSingleStep(kWheelLinePixels);   // per click on an arrow, as per wheel line
    m_ui->ScrollBar1->setGeometry(kClientWidth + extra - m_ui->ScrollBar1->width(), 0,
                                  m_ui->ScrollBar1->width(), fit.clientSize.height() - statusHeight);
    m_ui->ScrollBar1->setEnabled(fit.scrollBarShown);
    m_ui->ScrollBar1->setVisible(fit.scrollBarShown);
}

void TFormMain::placeTopRow() {
    // Each box keeps its designed width unless its captions need more; the interface box
    // keeps its distance from the right edge of the pages, so it grows to the left.
    const QList<QGroupBox*> boxes = {m_ui->GroupBoxLanguage, m_ui->RadioGroupUnit, m_ui->GroupBoxInterFace};
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        boxes[i]->resize(std::max(m_designedBoxWidths.value(i), boxes[i]->sizeHint().width()),
                         boxes[i]->height());
        // Laid out now, not at the first show: a click before that must reach the control.
        boxes[i]->layout()->activate();
    }
    QGroupBox* interfaceBox = m_ui->GroupBoxInterFace;
    interfaceBox->move(m_ui->PageControl1->width() - kTopRowEdge - interfaceBox->width(), interfaceBox->y());
}

void TFormMain::RunFirstContact() {
    ClearLinkCancel();
    setEnabled(false);
    m_ui->StatusBar1->showMessage(
        tr("Looking for the printer on %1…").arg(m_ui->ComboBoxInterFace->currentText()));
    waitUntilOnScreen();
    emit firstContactStarted();
    const bool found = makeFirstContact();
    m_ui->StatusBar1->clearMessage();
    if (!found) {
        const QString interfaceName = m_ui->ComboBoxInterFace->currentText();
        if (LastOperationCancelled())
            tellOutcome([] { return tr("Cancelled"); });
        else
            tellOutcome([interfaceName] {
                return tr("No printer answered on %1 — choose the interface and press Get, or start with "
                          "--demo to try LabelBench")
                    .arg(interfaceName);
            });
    }
    setEnabled(true);
    emit firstContactFinished();
}

void TFormMain::waitUntilOnScreen() {
    // The exchange blocks the message loop for up to a time-out, so the window must have been
    // mapped and painted before it starts. A window manager maps it a moment after show().
    if (!isVisible()) return;
    const auto exposed = [this] { return windowHandle() && windowHandle()->isExposed(); };
    if (!exposed()) {
        QEventLoop loop;
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        connect(&poll, &QTimer::timeout, &loop, [&] {
            if (exposed() || waited.elapsed() > kExposeWaitMs) loop.quit();
        });
        poll.start(10);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormMain::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = m_ui->ScrollBar1;
    if (!bar->isVisible() || !bar->isEnabled()) return QMainWindow::wheelEvent(event);
    // The bar has no page step, so it ignores the wheel itself: scroll by wheel lines here.
    const int pixels = event->angleDelta().y() * QApplication::wheelScrollLines() * kWheelLinePixels / 120;
    bar->setValue(bar->value() - pixels);
    event->accept();
}

bool TFormMain::makeFirstContact() {
    // Silent: a missing printer is normal here, and the window then starts with defaults.
    const InterfaceKind kind = selectedInterface();
    if (RunPrinterOperation(kOpLinkCheck, kind, nullptr, 0) != kLinkOk) return false;
    PrinterConfig scratch{};
    ClearConfig(scratch);
    if (RunPrinterOperation(kOpLeaveLineMode, kind, nullptr, 0) != kLinkOk) return false;
    // The stored record changes only when the whole read succeeds.
    if (RunPrinterOperation(kOpReadConfiguration, kind, &scratch, 0) != kLinkOk) return false;
    m_printerConfig = scratch;
    ShowConfig(m_printerConfig);
    m_configurationPage->tellConfigurationRead(m_printerConfig.Edition);
    return true;
}

int TFormMain::RunWithMainWindowDisabled(uint32_t code, void* data, int32_t extra) {
    // A click or timer delivered while a transfer pumps the message loop must neither start
    // a second operation nor enable the window under the first one.
    if (PrinterOperationRunning()) return kOperationBusy;
    setEnabled(false);
    ClearLinkCancel();
    const int result = RunPrinterOperation(code, selectedInterface(), data, extra);
    if (result != kLinkOk && result != kOperationBusy) ShowLinkError(result, this);
    setEnabled(true);
    raise();
    activateWindow();
    return result;
}

PageContext TFormMain::makePageContext() {
    PageContext context;
    context.selectedInterface = [this] { return selectedInterface(); };
    context.runWithMainWindowDisabled = [this](uint32_t code, void* data, int32_t extra) {
        return RunWithMainWindowDisabled(code, data, extra);
    };
    context.setMainWindowEnabled = [this](bool enabled) {
        setEnabled(enabled);
        if (!enabled) return;
        raise();
        activateWindow();
    };
    context.confirmPassword = [this] { return ConfirmPassword(); };
    context.askNewPassword = [this](const QByteArray& current) {
        TFormPasswordSetup dialog(this);
        dialog.prepare(dialogPosition(), current);
        dialog.exec();
        return dialog.password();
    };
    context.unit = [this] { return selectedUnit(); };
    context.setUnit = [this](LengthUnit unit) { setUnit(unit); };
    context.collectConfig = [this](PrinterConfig& config) { return CollectConfig(config); };
    context.printerConfig = &m_printerConfig;
    context.printerStatus = &m_printerStatus;
    context.startDirectory = m_startupDirectory;
    context.dialogParent = this;
    context.fontDialog = m_fontDialog;
    return context;
}

QPoint TFormMain::dialogPosition() const {
    const QRect frame = frameGeometry();
    return {frame.x() + frame.width() / 3, frame.y() + frame.height() / 3};
}

bool TFormMain::ConfirmPassword() {
    char password[kPasswordBufferSize] = {};
    if (RunWithMainWindowDisabled(kOpReadPassword, password) != kLinkOk) return false;
    const QByteArray printerPassword(password);
    if (!PasswordGateNeedsDialog(printerPassword)) return true;
    TFormPassword dialog(this);
    dialog.prepare(dialogPosition(), printerPassword);
    dialog.exec();
    return dialog.confirmed();
}

void TFormMain::ShowConfig(const PrinterConfig& config) {
    m_configurationPage->ShowConfig(config);
}

bool TFormMain::CollectConfig(PrinterConfig& config) {
    return m_configurationPage->CollectConfig(config);
}

void TFormMain::ShowStatus(const PrinterStatus& status) {
    m_configurationPage->ShowStatus(status);
}

InterfaceKind TFormMain::selectedInterface() const {
    return static_cast<InterfaceKind>(m_ui->ComboBoxInterFace->currentIndex());
}

LengthUnit TFormMain::selectedUnit() const {
    return m_ui->RadioButtonUnitMm->isChecked() ? LengthUnit::Mm : LengthUnit::Inch;
}

QString TFormMain::statusPanelText(int panel) const {
    if (panel < 0 || panel >= kStatusPanelCount) return QString();
    if (panel == kOutcomePanel) return m_outcomeText;
    return m_statusPanels[static_cast<std::size_t>(panel)]->text();
}

void TFormMain::setClock(std::function<QDateTime()> clock) {
    m_clock = clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); };
}

QString TFormMain::StatusClockText(const QDateTime& now, const QLocale& locale) {
    return locale.toString(now.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(now.time(), LongTimeFormatWithoutZone(locale));
}

void TFormMain::ComboBoxInterFaceChange(int index) {
    // Nothing goes to the printer here: the next action uses the new interface.
    const auto kind = static_cast<InterfaceKind>(index);
    m_ui->ButtonInterFace->setEnabled(kind == InterfaceKind::Com || kind == InterfaceKind::Lpt ||
                                      kind == InterfaceKind::Ethernet);
    // The parallel port cannot answer: nothing to read from it.
    m_configurationPage->setReadable(kind != InterfaceKind::Lpt);
}

void TFormMain::ComboBoxLanguageChange(int index) {
    SetLanguageIndex(index);
    ApplyLanguage();
}

void TFormMain::ApplyLanguage() {
    // The captions of the other languages come with the translations; the parts that
    // depend on state are refreshed here (the pages refresh their own).
    QComboBox* languages = m_ui->ComboBoxLanguage;
    for (int i = 0; i < languages->count(); ++i)
        languages->setItemText(i, LanguageListName(i));
    // The list may be wider than the box: "German (Deutsch)" stays whole.
    languages->view()->setMinimumWidth(languages->view()->sizeHintForColumn(0) + 8);
    RadioGroupUnitClick();
}

void TFormMain::showEvent(QShowEvent* event) {
    // Before the first show the controls do not pass their sizes on: fit the window again
    // now that they do, before it reaches the screen.
    if (!m_fittedWhenShown) {
        m_fittedWhenShown = true;
        fitToScreen(m_screenSize);
        placeTopRow();
    }
    QMainWindow::showEvent(event);
}

void TFormMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setWindowTitle(MainWindowTitle());
        // The pages hear of the change after the window: fit the window to their new
        // captions once they have them.
        QMetaObject::invokeMethod(
            this,
            [this] {
                fitToScreen(m_screenSize);
                placeTopRow();
            },
            Qt::QueuedConnection);
        placeTopRow();
        ApplyLanguage();
        showOutcome();
    }
    QMainWindow::changeEvent(event);
}

void TFormMain::ButtonInterFaceClick() {
    switch (selectedInterface()) {
    case InterfaceKind::Ethernet: {
        TFormNetSetup dialog(this);
        dialog.Open(&m_networkTarget);
        dialog.exec();
        break;
    }
    case InterfaceKind::Com:
        EditSerialSettings(m_serialSettings, this);
        break;
    case InterfaceKind::Lpt:
        EditParallelPortName(m_parallelPortName, this);
        break;
    case InterfaceKind::Usb:   // nothing to set up
        break;
    }
    refreshInterfaceStatus();
}

void TFormMain::setUnit(LengthUnit unit) {
    (unit == LengthUnit::Mm ? m_ui->RadioButtonUnitMm : m_ui->RadioButtonUnitInch)->setChecked(true);
    RadioGroupUnitClick();
}

void TFormMain::RadioGroupUnitClick() {
    m_configurationPage->setUnitCaption(
        (selectedUnit() == LengthUnit::Mm ? m_ui->RadioButtonUnitMm : m_ui->RadioButtonUnitInch)->text());
}

void TFormMain::ScrollBar1Change(int position) {
    m_ui->GroupBoxLanguage->move(m_ui->GroupBoxLanguage->x(), -position);
    m_ui->GroupBoxInterFace->move(m_ui->GroupBoxInterFace->x(), -position);
    m_ui->RadioGroupUnit->move(m_ui->RadioGroupUnit->x(), -position);
    m_ui->PageControl1->move(m_ui->PageControl1->x(), kPageControlTop - position);
}

void TFormMain::Timer1Timer() {
    m_statusPanels[3]->setText(StatusClockText(m_clock(), QLocale::system()));
}

void TFormMain::refreshInterfaceStatus() {
    m_statusPanels[0]->setText(FieldText(m_parallelPortName.name));
    m_statusPanels[1]->setText(InterfaceStatusText(m_serialSettings));
}

}   // namespace lb
