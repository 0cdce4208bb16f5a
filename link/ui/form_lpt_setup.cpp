#include "link/ui/form_lpt_setup.h"

#include "link/serial_port_settings.h"
#include "ui_form_lpt_setup.h"

#include <QEvent>

namespace lb {

TFormLPTSetup::TFormLPTSetup(ParallelPortName* name, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormLPTSetup>()), m_name(name) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(321, 37);
    for (int n = 1; n <= 4; ++n)
        m_ui->ComboBoxLPT->addItem(QStringLiteral("LPT%1").arg(n));
    // "LPT3" selects item 2; a name that is not LPT1..LPT4 selects nothing.
    const int number = m_name ? PortNumber(m_name->name, sizeof m_name->name, "LPT", 4) : 0;
    m_ui->ComboBoxLPT->setCurrentIndex(number - 1);

    connect(m_ui->ButtonSet, &QPushButton::clicked, this, &TFormLPTSetup::ButtonSetClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormLPTSetup::ButtonCancelClick);
}

TFormLPTSetup::~TFormLPTSetup() = default;

void TFormLPTSetup::ButtonSetClick() {
    const int index = m_ui->ComboBoxLPT->currentIndex();
    // Without a chosen item the name stays as it was.
    if (m_name && index >= 0) {
        const QByteArray text = "LPT" + QByteArray::number(index + 1);
        CopyToField(m_name->name, text.constData(), std::size_t(text.size()));
    }
    accept();
}

void TFormLPTSetup::ButtonCancelClick() {
    reject();
}

void TFormLPTSetup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

bool EditParallelPortName(ParallelPortName& name, QWidget* parent) {
    TFormLPTSetup dialog(&name, parent);
    return dialog.exec() == QDialog::Accepted;
}

}   // namespace lb
