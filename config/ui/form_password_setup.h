// SPDX-License-Identifier: Apache-2.0
#pragma once
// Password Setup: the old password (empty when none is set) and the new one. The old entry
// must equal the printer's password before the dialog closes with OK.

#include <QByteArray>
#include <QDialog>
#include <QPoint>
#include <memory>

namespace Ui {
class TFormPasswordSetup;
}

namespace lb {

class TFormPasswordSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormPasswordSetup(QWidget* parent = nullptr);
    ~TFormPasswordSetup() override;

    // Places the dialog and sets the printer's current password.
    void prepare(const QPoint& topLeft, const QByteArray& currentPassword);

    // The password after the dialog: the new one after OK, the current one otherwise.
    QByteArray password() const { return m_password; }

public slots:
    void ButtonOKClick();
    void ButtonCancelClick();

private:
    std::unique_ptr<Ui::TFormPasswordSetup> m_ui;
    QByteArray m_password;
};

}   // namespace lb
