// SPDX-License-Identifier: Apache-2.0
#include "link/ui/form_rs232_setup.h"

#include "link/serial_port_settings.h"
#include "link/ui/port_choices.h"
#include "ui_common/message_box.h"
#include "ui_form_rs232_setup.h"

#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QString>

namespace lb {
namespace {

// Selects item index when the list has it; an index the list does not hold leaves no
// item selected, and Set then keeps that field as it was.
void Select(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

// Replaces the texts of a list's first items, keeping its selection.
void SetItemTexts(QComboBox* box, const QStringList& texts) {
    for (int i = 0; i < texts.size() && i < box->count(); ++i)
        box->setItemText(i, texts[i]);
}

}   // namespace

TFormRs232Setup::TFormRs232Setup(SerialSettings* settings, QWidget* parent)
    : TFormRs232Setup(settings, SystemSerialDevices(), parent) {}

TFormRs232Setup::TFormRs232Setup(SerialSettings* settings, const QStringList& devices, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormRs232Setup>()), m_settings(settings) {
    m_ui->setupUi(this);
    // A fixed single border with only the system menu.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // COMn first, at item n-1; then the devices, and any other path can be typed (a pty).
    m_ui->ComboBoxComPort->addItems(SerialPortItems(devices));
    if (QCompleter* completer = m_ui->ComboBoxComPort->completer())
        completer->setCaseSensitivity(Qt::CaseSensitive);
    for (int i = 0; i < kSerialBaudRateCount; ++i)
        m_ui->ComboBoxBaudRate->addItem(QString::number(kSerialBaudRates[i]));
    m_ui->ComboBoxBaudRate->addItem(QString());   // the eighth, empty item: 9600 at open
    m_ui->ComboBoxDataBit->addItems({QStringLiteral("7"), QStringLiteral("8")});
    m_ui->ComboBoxParity->addItems({QString(), QString(), QString()});
    m_ui->ComboBoxStopBit->addItems({QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    m_ui->ComboBoxHdShak->addItems({QString(), QStringLiteral("RTS"), QStringLiteral("RTS/CTS")});
    m_ui->ComboBoxSWShak->addItems({QString(), QStringLiteral("Xon/Xoff")});
    retranslate();
    loadSettings();
    // Typing replaces the shown name rather than adding to it.
    if (QLineEdit* edit = m_ui->ComboBoxComPort->lineEdit()) edit->selectAll();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->ButtonSet, &QPushButton::clicked, this, &TFormRs232Setup::ButtonSetClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormRs232Setup::ButtonCancelClick);
}

TFormRs232Setup::~TFormRs232Setup() = default;

void TFormRs232Setup::loadSettings() {
    if (!m_settings) return;
    const SerialSettings& s = *m_settings;
    // "COM7" selects item 6, a listed device its item. Any other name selects nothing but
    // stays in view, and Set keeps it unless something else is typed.
    const QString name = QString::fromLocal8Bit(s.portName, qsizetype(FieldLength(s.portName)));
    const int number = PortNumber(s.portName, sizeof s.portName, "COM", kSerialPortCount);
    const int item = number > 0 ? number - 1 : m_ui->ComboBoxComPort->findText(name, Qt::MatchExactly);
    Select(m_ui->ComboBoxComPort, item);
    if (item < 0) {
        m_unlistedPort = name;
        m_ui->ComboBoxComPort->setEditText(name);
    }
    Select(m_ui->ComboBoxBaudRate, s.baudIndex);
    Select(m_ui->ComboBoxDataBit, s.dataBitsIndex);
    Select(m_ui->ComboBoxParity, s.parityIndex);
    Select(m_ui->ComboBoxStopBit, s.stopBitsIndex);
    Select(m_ui->ComboBoxHdShak, s.hardwareHandshakeIndex);
    Select(m_ui->ComboBoxSWShak, s.softwareHandshakeIndex);
}

void TFormRs232Setup::ButtonSetClick() {
    if (m_settings) {
        SerialSettings& s = *m_settings;
        // The list's text: an item ("COMn" is item n-1) or a typed device path.
        const PortChoice port =
            ChoosePort(m_ui->ComboBoxComPort->currentText(), m_unlistedPort, sizeof s.portName);
        if (port.action == PortChoice::Action::Refuse) {
            MessageBox::warning(this, MessageBox::defaultTitle(), port.problem);
            return;   // the dialog stays open with the text to correct
        }
        if (port.action == PortChoice::Action::Write)
            CopyToField(s.portName, port.name.constData(), std::size_t(port.name.size()));
        const auto take = [](QComboBox* box, int32_t& field) {
            if (box->currentIndex() >= 0) field = box->currentIndex();
        };
        take(m_ui->ComboBoxBaudRate, s.baudIndex);
        take(m_ui->ComboBoxDataBit, s.dataBitsIndex);
        take(m_ui->ComboBoxParity, s.parityIndex);
        take(m_ui->ComboBoxStopBit, s.stopBitsIndex);
        take(m_ui->ComboBoxHdShak, s.hardwareHandshakeIndex);
        take(m_ui->ComboBoxSWShak, s.softwareHandshakeIndex);
    }
    accept();
}

void TFormRs232Setup::ButtonCancelClick() {
    reject();
}

void TFormRs232Setup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void TFormRs232Setup::retranslate() {
    m_ui->retranslateUi(this);
    SetItemTexts(m_ui->ComboBoxParity, {tr("None"), tr("Odd"), tr("Even")});
    SetItemTexts(m_ui->ComboBoxHdShak, {tr("None")});
    SetItemTexts(m_ui->ComboBoxSWShak, {tr("None")});
}

bool EditSerialSettings(SerialSettings& settings, QWidget* parent) {
    TFormRs232Setup dialog(&settings, parent);
    return dialog.exec() == QDialog::Accepted;
}

}   // namespace lb
