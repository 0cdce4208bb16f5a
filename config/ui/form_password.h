// SPDX-License-Identifier: Apache-2.0
#pragma once
// The password dialog in front of every action that changes the printer: the user types the
// printer's password; a wrong entry says "Incorrect" and the dialog stays open.

#include <QByteArray>
#include <QDialog>
#include <QPoint>
#include <memory>

namespace Ui {
class TFormPassword;
}

namespace lb {

class TFormPassword : public QDialog {
    Q_OBJECT
public:
    explicit TFormPassword(QWidget* parent = nullptr);
    ~TFormPassword() override;

    // Places the dialog with its top-left corner at topLeft and sets the password the entry
    // must equal (the printer's, as it reported it).
    void prepare(const QPoint& topLeft, const QByteArray& printerPassword);

    // True once OK was pressed with the right password. Cancel, Escape and the window
    // manager's close leave it false.
    bool confirmed() const { return m_confirmed; }

public slots:
    void ButtonOKClick();
    void ButtonCancelClick();

private:
    std::unique_ptr<Ui::TFormPassword> m_ui;
    QByteArray m_printerPassword;
    bool m_confirmed = false;
};

// Whether the user's entry is exactly the printer's password. Printer texts are 8-bit, so
// the entry is compared as Latin-1; a character beyond Latin-1 never matches.
bool EntryMatchesPassword(const QString& entry, const QByteArray& printerPassword);

}   // namespace lb
