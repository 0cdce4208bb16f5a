// SPDX-License-Identifier: Apache-2.0
#include "ui_common/message_box.h"

#include <QGuiApplication>

namespace lb {
namespace {

ScopedMessageBoxAnswers* g_answers = nullptr;

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons) {
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
            return static_cast<QMessageBox::StandardButton>(bit);
    }
    return QMessageBox::NoButton;
}

}   // namespace

ScopedMessageBoxAnswers::ScopedMessageBoxAnswers() {
    Q_ASSERT(!g_answers);
    g_answers = this;
}

ScopedMessageBoxAnswers::~ScopedMessageBoxAnswers() {
    if (g_answers == this) g_answers = nullptr;
}

QStringList ScopedMessageBoxAnswers::shownTexts() const {
    QStringList texts;
    for (const ShownMessage& m : m_shown)
        texts.append(m.text);
    return texts;
}

QMessageBox::StandardButton ScopedMessageBoxAnswers::answer(const ShownMessage& box,
                                                            QMessageBox::StandardButton defaultButton) {
    if (m_onShown) m_onShown(box);
    ShownMessage recorded = box;
    if (!m_answers.isEmpty())
        recorded.answer = m_answers.takeFirst();
    else
        recorded.answer = defaultButton != QMessageBox::NoButton ? defaultButton : FirstButton(box.buttons);
    m_shown.append(recorded);
    return recorded.answer;
}

QString MessageBox::defaultTitle() {
    return QGuiApplication::applicationDisplayName();
}

MessageBox::Button MessageBox::show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                    const QString& text, Buttons buttons, Button defaultButton,
                                    const QString& detail) {
    if (buttons == QMessageBox::NoButton) buttons = QMessageBox::Ok;
    const QString caption = title.isEmpty() ? defaultTitle() : title;
    if (g_answers)
        return g_answers->answer({icon, caption, text, detail, buttons, QMessageBox::NoButton},
                                 defaultButton);

    QMessageBox box(icon, caption, text, buttons, parent);
    // In plain view rather than behind a "Show Details..." button: it is what a technician
    // needs to act on.
    if (!detail.isEmpty()) box.setInformativeText(detail);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    return static_cast<Button>(box.exec());
}

MessageBox::Button MessageBox::plain(QWidget* parent, const QString& title, const QString& text,
                                     Buttons buttons, Button defaultButton) {
    return show(QMessageBox::NoIcon, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::information(QWidget* parent, const QString& title, const QString& text,
                                           Buttons buttons, Button defaultButton) {
    return show(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::warning(QWidget* parent, const QString& title, const QString& text,
                                       Buttons buttons, Button defaultButton) {
    return show(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::critical(QWidget* parent, const QString& title, const QString& text,
                                        Buttons buttons, Button defaultButton) {
    return show(QMessageBox::Critical, parent, title, text, buttons, defaultButton);
}

MessageBox::Button MessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                        Buttons buttons, Button defaultButton) {
    return show(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

}   // namespace lb
