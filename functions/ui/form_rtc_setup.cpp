// SPDX-License-Identifier: Apache-2.0
#include "functions/ui/form_rtc_setup.h"

#include "link/number_text.h"
#include "ui_common/dialog_placement.h"
#include "ui_common/field_caption.h"
#include "ui_common/message_box.h"
#include "ui_form_rtc_setup.h"

#include <QButtonGroup>
#include <QEvent>
#include <cstdlib>
#include <iterator>

namespace lb {
namespace {

// A duration for a person: seconds up to two minutes, then minutes, hours, days.
QString Duration(qint64 seconds) {
    if (seconds < 120) return TFormRTCSetup::tr("%1 s").arg(seconds);
    if (seconds < 2 * 3600) return TFormRTCSetup::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    if (seconds < 2 * 86400)
        return TFormRTCSetup::tr("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
    return TFormRTCSetup::tr("%1 days").arg(seconds / 86400);
}

}   // namespace

TFormRTCSetup::TFormRTCSetup(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TFormRTCSetup>()) {
    m_ui->setupUi(this);
    // A title and no title-bar buttons: the dialog closes through Set or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_format = new QButtonGroup(this);
    const QList<QRadioButton*> items = {m_ui->RadioGroupFormatType0, m_ui->RadioGroupFormatType1,
                                        m_ui->RadioGroupFormatType2, m_ui->RadioGroupFormatType3,
                                        m_ui->RadioGroupFormatType4};
    for (int i = 0; i < items.size(); ++i)
        m_format->addButton(items[i], i);
    m_ui->RadioGroupFormatType0->setChecked(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ui->ButtonSetSysTime, &QPushButton::clicked, this, &TFormRTCSetup::ButtonSetSysTimeClick);
    connect(m_ui->ButtonSet, &QPushButton::clicked, this, &TFormRTCSetup::ButtonSetClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormRTCSetup::ButtonCancelClick);
}

TFormRTCSetup::~TFormRTCSetup() = default;

void TFormRTCSetup::Open(int left, int top, RtcSettings* settings) {
    m_settings = settings;
    if (settings) {
        settings->Confirmed = 0;
        // A format beyond the five items selects none; Set then sends the printer's own value
        // back unless the user picks an item.
        if (QAbstractButton* item = m_format->button(settings->Format)) {
            item->setChecked(true);
        } else if (QAbstractButton* checked = m_format->checkedButton()) {
            m_format->setExclusive(false);
            checked->setChecked(false);
            m_format->setExclusive(true);
        }
        showFields(*settings);
        m_ui->LabelClockOffset->setText(ClockOffsetText(*settings, LocalNow()));
    }
    m_ui->LabelClockOffset->setVisible(!m_ui->LabelClockOffset->text().isEmpty());
    m_ui->retranslateUi(this);
    PlaceDialogOnScreen(this, left, top);
}

QString TFormRTCSetup::ClockOffsetText(const RtcSettings& settings, const QDateTime& now) {
    const std::optional<qint64> offset = PrinterClockOffsetSeconds(settings, now);
    if (!offset) return QString();
    if (*offset == 0) return tr("printer clock agrees with this computer");
    const QString amount = Duration(std::llabs(*offset));
    return *offset < 0 ? tr("printer clock %1 behind this computer").arg(amount)
                       : tr("printer clock %1 ahead of this computer").arg(amount);
}

void TFormRTCSetup::showFields(const RtcSettings& s) {
    m_ui->EditYear->setText(QString::number(s.Year));
    m_ui->EditMonth->setText(QString::number(s.Month));
    m_ui->EditDate->setText(QString::number(s.Date));
    m_ui->EditHour->setText(QString::number(s.Hour));
    m_ui->EditMinute->setText(QString::number(s.Minute));
    m_ui->EditSecond->setText(QString::number(s.Second));
}

void TFormRTCSetup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const QString offset = m_ui->LabelClockOffset->text();
        m_ui->retranslateUi(this);
        m_ui->LabelClockOffset->setText(offset);
    }
    QDialog::changeEvent(event);
}

void TFormRTCSetup::ButtonSetSysTimeClick() {
    if (!m_settings) return;
    SetClockFields(*m_settings, LocalNow());
    showFields(*m_settings);
}

void TFormRTCSetup::ButtonSetClick() {
    if (!m_settings) return;
    const QLineEdit* const edits[] = {m_ui->EditYear, m_ui->EditMonth,  m_ui->EditDate,
                                      m_ui->EditHour, m_ui->EditMinute, m_ui->EditSecond};
    int32_t values[std::size(edits)] = {};
    for (size_t i = 0; i < std::size(edits); ++i) {
        if (!PanelTextToInt(edits[i]->text(), values[i])) {
            MessageBox::critical(this, MessageBox::defaultTitle(), NotANumberMessage(edits[i]));
            return;
        }
    }
    m_settings->Confirmed = 1;
    m_settings->Year = values[0];
    m_settings->Month = values[1];
    m_settings->Date = values[2];
    m_settings->Hour = values[3];
    m_settings->Minute = values[4];
    m_settings->Second = values[5];
    if (m_format->checkedId() >= 0) m_settings->Format = m_format->checkedId();
    accept();
}

void TFormRTCSetup::ButtonCancelClick() {
    if (m_settings) m_settings->Confirmed = 0;
    reject();
}

}   // namespace lb
