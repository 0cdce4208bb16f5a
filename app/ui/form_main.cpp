#include "app/ui/form_main.h"

#include "app/interface_status.h"
#include "app/ui/network_target_editor.h"
#include "link/dispatcher.h"
#include "link/printer_link.h"
#include "link/ui/show_link_error.h"
#include "ui_form_main.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#ifndef LABELBENCH_VERSION_TEXT
#define LABELBENCH_VERSION_TEXT "0.0.0"
#endif

namespace lb {
namespace {

constexpr int kPageControlTop = 48;
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

TFormMain::TFormMain(const StartOptions& options, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TFormMain>()), m_serialSettings(DefaultSerialSettings()),
      m_parallelPortName(DefaultParallelPortName()), m_networkTarget(DefaultNetworkTarget()),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    m_ui->setupUi(this);
    setWindowTitle(MainWindowTitle());
    // A fixed window with a system menu and a minimise button, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

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

    // The pages reach down to the status bar.
    const int statusHeight = m_ui->StatusBar1->sizeHint().height();
    const int contentHeight = kClientHeight - statusHeight;
    m_ui->PageControl1->setGeometry(0, kPageControlTop, m_ui->PageControl1->width(),
                                    contentHeight - kPageControlTop - 2);
    m_ui->ScrollBar1->setGeometry(m_ui->ScrollBar1->x(), 0, m_ui->ScrollBar1->width(), contentHeight);
    // The small-screen scrolling is not offered yet: the window keeps its designed size.
    m_ui->ScrollBar1->setEnabled(false);
    m_ui->ScrollBar1->hide();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    m_ui->PageControl1->setCurrentIndex(0);

    // The link settings live here for the whole run; the link layer reads them at every open.
    if (!options.host.isEmpty()) {
        const QByteArray host = options.host.toLatin1();
        CopyToField(m_networkTarget.host, host.constData(), static_cast<std::size_t>(host.size()));
    }
    if (options.port >= 1 && options.port <= 65535) m_networkTarget.port = options.port;
    RegisterLinkSettings(&m_serialSettings, &m_parallelPortName, &m_networkTarget);
    refreshInterfaceStatus();

    const int kind = static_cast<int>(options.kind);
    m_ui->ComboBoxInterFace->setCurrentIndex(IsValidInterfaceKind(options.kind) ? kind : 0);
    ComboBoxInterFaceChange(m_ui->ComboBoxInterFace->currentIndex());

    connect(m_ui->ComboBoxInterFace, &QComboBox::currentIndexChanged, this,
            &TFormMain::ComboBoxInterFaceChange);
    connect(m_ui->ButtonInterFace, &QPushButton::clicked, this, &TFormMain::ButtonInterFaceClick);
    connect(m_ui->ButtonLineModeOut, &QPushButton::clicked, this, &TFormMain::ButtonLineModeOutClick);
    connect(m_ui->ButtonRestPrinter, &QPushButton::clicked, this, &TFormMain::ButtonRestPrinterClick);
    connect(m_ui->ButtonSelfTest, &QPushButton::clicked, this, &TFormMain::ButtonSelfTestClick);
    connect(m_ui->ButtonIgnoreAuto, &QPushButton::clicked, this, &TFormMain::ButtonIgnoreAutoClick);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TFormMain::Timer1Timer);

    makeFirstContact();

    Timer1Timer();
    m_timer1->start();
}

TFormMain::~TFormMain() {
    // The records die with the window: the link layer must not keep their addresses.
    RegisterLinkSettings(nullptr, nullptr, nullptr);
}

void TFormMain::makeFirstContact() {
    // Silent: a missing printer is normal here, and the window then starts with defaults.
    const InterfaceKind kind = selectedInterface();
    if (RunPrinterOperation(kOpLinkCheck, kind, nullptr, 0) != kLinkOk) return;
    if (RunPrinterOperation(kOpLeaveLineMode, kind, nullptr, 0) != kLinkOk) return;
    // A read fills a scratch record; the stored one changes only when the read succeeds.
    PrinterConfig scratch{};
    ClearConfig(scratch);
    if (RunPrinterOperation(kOpReadConfiguration, kind, &scratch, 0) == kLinkOk) m_printerConfig = scratch;
}

int TFormMain::RunWithMainWindowDisabled(uint32_t code, void* data, int32_t extra) {
    // A click or timer delivered while a transfer pumps the message loop must neither start
    // a second operation nor enable the window under the first one.
    if (PrinterOperationRunning()) return kOperationBusy;
    setEnabled(false);
    const int result = RunPrinterOperation(code, selectedInterface(), data, extra);
    if (result != kLinkOk && result != kOperationBusy) ShowLinkError(result);
    setEnabled(true);
    raise();
    activateWindow();
    return result;
}

InterfaceKind TFormMain::selectedInterface() const {
    return static_cast<InterfaceKind>(m_ui->ComboBoxInterFace->currentIndex());
}

QString TFormMain::statusPanelText(int panel) const {
    if (panel < 0 || panel >= kStatusPanelCount) return QString();
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
}

void TFormMain::ButtonInterFaceClick() {
    switch (selectedInterface()) {
    case InterfaceKind::Ethernet:
        EditNetworkTarget(m_networkTarget, this);
        break;
    case InterfaceKind::Com:   // the serial settings dialog comes with the serial link
    case InterfaceKind::Lpt:   // the parallel port dialog comes with the parallel link
    case InterfaceKind::Usb:
        break;
    }
    refreshInterfaceStatus();
}

void TFormMain::ButtonLineModeOutClick() {
    RunWithMainWindowDisabled(kOpLeaveLineMode);
}

void TFormMain::ButtonRestPrinterClick() {
    RunWithMainWindowDisabled(kOpResetPrinter);
}

void TFormMain::ButtonSelfTestClick() {
    RunWithMainWindowDisabled(kOpSelfTest);
}

void TFormMain::ButtonIgnoreAutoClick() {
    RunWithMainWindowDisabled(kOpIgnoreAutoBas);
}

void TFormMain::Timer1Timer() {
    m_statusPanels[3]->setText(StatusClockText(m_clock(), QLocale::system()));
}

void TFormMain::refreshInterfaceStatus() {
    m_statusPanels[0]->setText(FieldText(m_parallelPortName.name));
    m_statusPanels[1]->setText(InterfaceStatusText(m_serialSettings));
    m_statusPanels[2]->clear();
}

}   // namespace lb
