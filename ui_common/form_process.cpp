#include "ui_common/form_process.h"

#include "link/link_error.h"
#include "ui_form_process.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace lb {

TFormProcess::TFormProcess(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::TFormProcess>()) {
    m_ui->setupUi(this);
    // A title bar with no system menu, minimise, maximise or close button, on a dialog: a
    // passing status window, not one the user works in.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(241, 49);
    retranslate();
    centreOnScreen();
}

TFormProcess::~TFormProcess() = default;

QProgressBar* TFormProcess::progressBar() const {
    return m_ui->ProgressBar1;
}

void TFormProcess::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The frame counts once the window system has given it one.
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void TFormProcess::closeEvent(QCloseEvent* event) {
    // The exchange decides when the window goes; the window manager's close is refused.
    event->ignore();
}

void TFormProcess::keyPressEvent(QKeyEvent* event) {
    // Nothing here reacts to keys; Escape or Alt+F4 must not end the window either.
    event->accept();
}

void TFormProcess::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void TFormProcess::retranslate() {
    setWindowTitle(CommunicatingCaption());
}

GuiLinkObserver::GuiLinkObserver() = default;
GuiLinkObserver::~GuiLinkObserver() = default;

void GuiLinkObserver::progressShown() {
    // Only one progress window exists at a time.
    m_window = std::make_unique<TFormProcess>();
    m_window->progressBar()->setValue(0);
    m_window->show();
    m_window->centreOnScreen();
}

void GuiLinkObserver::progressChanged(int value) {
    if (m_window) m_window->progressBar()->setValue(value);
}

void GuiLinkObserver::progressHidden() {
    m_window.reset();
}

void GuiLinkObserver::pumpEvents() {
    QCoreApplication::processEvents();
}

}   // namespace lb
