#include "link/ui/form_rs232_setup.h"

#include "link/serial_port_settings.h"
#include "ui_form_rs232_setup.h"

#include <QEvent>
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
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormRs232Setup>()), m_settings(settings) {
    m_ui->setupUi(this);
    // A fixed single border with only the system menu.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    for (int n = 1; n <= kSerialPortCount; ++n)
        m_ui->ComboBoxComPort->addItem(QStringLiteral("COM%1").arg(n));
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
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->ButtonSet, &QPushButton::clicked, this, &TFormRs232Setup::ButtonSetClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormRs232Setup::ButtonCancelClick);
}

TFormRs232Setup::~TFormRs232Setup() = default;

void TFormRs232Setup::loadSettings() {
    if (!m_settings) return;
    const SerialSettings& s = *m_settings;
    // "COM7" selects item 6.
    Select(m_ui->ComboBoxComPort, PortNumber(s.portName, sizeof s.portName, "COM", kSerialPortCount) - 1);
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
        const int port = m_ui->ComboBoxComPort->currentIndex();
        if (port >= 0) {
            const QByteArray name = "COM" + QByteArray::number(port + 1);
            CopyToField(s.portName, name.constData(), std::size_t(name.size()));
        }
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
