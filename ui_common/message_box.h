// SPDX-License-Identifier: Apache-2.0
#pragma once
// Every message box of the program goes through here, so that tests can answer modal
// boxes without a person and see what would have been shown.

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

namespace lb {

class MessageBox {
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    // detail, when given, is shown under the text (which link failed and why, say).
    static Button show(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text,
                       Buttons buttons = QMessageBox::Ok, Button defaultButton = QMessageBox::NoButton,
                       const QString& detail = QString());

    static Button plain(QWidget* parent, const QString& title, const QString& text,
                        Buttons buttons = QMessageBox::Ok, Button defaultButton = QMessageBox::NoButton);
    static Button information(QWidget* parent, const QString& title, const QString& text,
                              Buttons buttons = QMessageBox::Ok,
                              Button defaultButton = QMessageBox::NoButton);
    static Button warning(QWidget* parent, const QString& title, const QString& text,
                          Buttons buttons = QMessageBox::Ok, Button defaultButton = QMessageBox::NoButton);
    static Button critical(QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons = QMessageBox::Ok, Button defaultButton = QMessageBox::NoButton);
    static Button question(QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons = QMessageBox::Yes | QMessageBox::No,
                           Button defaultButton = QMessageBox::NoButton);

    // The title of boxes that have no caption of their own: the program's display name.
    static QString defaultTitle();
};

// What one box would have shown, and the answer it got.
struct ShownMessage {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QString detail;   // shown under the text; empty when there was none
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

// While one of these exists, no box is shown: each box is recorded and answered with the
// next queued answer, or with its default button (the first of its buttons when it names
// none) once the queue is empty. Only one may exist at a time.
class ScopedMessageBoxAnswers {
public:
    ScopedMessageBoxAnswers();
    ~ScopedMessageBoxAnswers();
    ScopedMessageBoxAnswers(const ScopedMessageBoxAnswers&) = delete;
    ScopedMessageBoxAnswers& operator=(const ScopedMessageBoxAnswers&) = delete;

    void setNextAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    // Called as each box "appears", before it is answered (to look at the windows then).
    void setOnShown(std::function<void(const ShownMessage&)> onShown) { m_onShown = std::move(onShown); }

    const QList<ShownMessage>& shown() const { return m_shown; }
    QStringList shownTexts() const;
    qsizetype pendingAnswers() const { return m_answers.size(); }

private:
    friend class MessageBox;
    QMessageBox::StandardButton answer(const ShownMessage& box, QMessageBox::StandardButton defaultButton);

    QList<QMessageBox::StandardButton> m_answers;
    QList<ShownMessage> m_shown;
    std::function<void(const ShownMessage&)> m_onShown;
};

}   // namespace lb
