// SPDX-License-Identifier: Apache-2.0
#include "ui_common/form_process.h"

#include "link/link_error.h"
#include "link/link_wait.h"
#include "ui_form_process.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace lb {

TFormProcess::TFormProcess(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::TFormProcess>()) {
    m_ui->setupUi(this);
    // A title bar with no system menu, minimise, maximise or close button, on a dialog: a
    // passing status window, not one the user works in.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormProcess::ButtonCancelClick);
    retranslate();
    centreOnScreen();
}

QPushButton* TFormProcess::cancelButton() const {
    return m_ui->ButtonCancel;
}

void TFormProcess::showBusy() {
    m_ui->ProgressBar1->setRange(0, 0);
}

void TFormProcess::ButtonCancelClick() {
    // The wait ends within a slice; the window goes when the operation has returned.
    RequestLinkCancel();
    m_ui->ButtonCancel->setEnabled(false);
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
    // Escape is the Cancel button; no other key, Alt+F4 included, ends the window.
    if (event->key() == Qt::Key_Escape && m_ui->ButtonCancel->isEnabled()) ButtonCancelClick();
    event->accept();
}

void TFormProcess::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void TFormProcess::retranslate() {
    m_ui->retranslateUi(this);
    setWindowTitle(CommunicatingCaption());
    setFixedSize(sizeHint().expandedTo(QSize(241, 49)));
}

GuiLinkObserver::GuiLinkObserver() = default;
GuiLinkObserver::~GuiLinkObserver() = default;

void GuiLinkObserver::progressShown() {
    // Only one progress window exists at a time.
    m_window = std::make_unique<TFormProcess>();
    m_windowForWait = false;
    m_window->progressBar()->setValue(0);
    m_window->show();
    m_window->centreOnScreen();
}

void GuiLinkObserver::waiting(int elapsedMs) {
    if (m_window || elapsedMs < kOfferCancelAfterMs) return;
    m_window = std::make_unique<TFormProcess>();
    m_windowForWait = true;
    m_window->showBusy();
    m_window->show();
    m_window->centreOnScreen();
}

void GuiLinkObserver::actionFinished() {
    if (m_windowForWait) m_window.reset();
    m_windowForWait = false;
    // A cancel ends the action under way, not the next one the user starts.
    ClearLinkCancel();
}

void GuiLinkObserver::progressChanged(int value) {
    if (m_window) m_window->progressBar()->setValue(value);
}

void GuiLinkObserver::progressHidden() {
    m_window.reset();
    m_windowForWait = false;
}

void GuiLinkObserver::pumpEvents() {
    QCoreApplication::processEvents();
}

}   // namespace lb
