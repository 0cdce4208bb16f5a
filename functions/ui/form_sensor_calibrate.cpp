// SPDX-License-Identifier: Apache-2.0
#include "functions/ui/form_sensor_calibrate.h"

#include "functions/ui/sensor_chart.h"
#include "link/dispatcher.h"
#include "link/number_text.h"
#include "ui_common/dialog_placement.h"
#include "ui_common/field_caption.h"
#include "ui_common/message_box.h"
#include "ui_form_sensor_calibrate.h"

#include <QButtonGroup>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace lb {
namespace {

constexpr int kLiveReadingIntervalMs = 500;
// Above this many dots per unit the unit is the inch (203 or 300 dpi against 8 or 12 dots
// per mm).
constexpr int32_t kInchDotsAbove = 100;

// A length typed in the user's unit as dots: empty is 0 (not given). False with the message
// for a text that is not a decimal number, or one that gives no dot count the printer can take.
bool LengthDots(const QLineEdit* edit, int32_t dotsPerUnit, int32_t& dots, QString& error) {
    const QString text = edit->text();
    if (text.isEmpty()) {
        dots = 0;
        return true;
    }
    double value = 0;
    if (!PanelTextToDouble(text, value)) {
        error = NotANumberMessage(edit);
        return false;
    }
    const double product = std::trunc(value * double(dotsPerUnit));
    if (value < 0 || !std::isfinite(product) || product > std::numeric_limits<int32_t>::max()) {
        error = OutOfRangeMessage(edit);
        return false;
    }
    dots = int32_t(product);
    return true;
}

// Intensity and threshold: integers, not negative.
bool SettingValue(const QLineEdit* edit, int32_t& value, QString& error) {
    const QString text = edit->text();
    if (!PanelTextToInt(text, value)) {
        error = NotANumberMessage(edit);
        return false;
    }
    if (value < 0) {
        error = OutOfRangeMessage(edit);
        return false;
    }
    return true;
}

}   // namespace

TFormSensorCalibrate::TFormSensorCalibrate(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormSensorCalibrate>()) {
    m_ui->setupUi(this);
    // A fixed border with only the close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_mediaType = new QButtonGroup(this);
    m_mediaType->addButton(m_ui->RadioGroupMediaTypeGap, kMediaGap);
    m_mediaType->addButton(m_ui->RadioGroupMediaTypeBlackMark, kMediaBlackMark);
    m_mediaType->addButton(m_ui->RadioGroupMediaTypeContinuous, kMediaContinuous);
    m_mediaType->addButton(m_ui->RadioGroupMediaTypeAuto, kMediaAutoSelection);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kLiveReadingIntervalMs);
    // The results and the message come and go without moving the controls around them.
    for (QWidget* shown : QList<QWidget*>{m_ui->LabelPaperReading, m_ui->LabelLabelValue,
                                          m_ui->LabelGapReading, m_ui->LabelGapValue, m_ui->LabelMessage}) {
        QSizePolicy policy = shown->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shown->setSizePolicy(policy);
    }
    showResultLabels(false, false);
    m_ui->LabelMessage->hide();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ui->ButtonCalib, &QPushButton::clicked, this, &TFormSensorCalibrate::ButtonCalibClick);
    connect(m_ui->ButtonSet, &QPushButton::clicked, this, &TFormSensorCalibrate::ButtonSetClick);
    connect(m_ui->ButtonCancel, &QPushButton::clicked, this, &TFormSensorCalibrate::ButtonCancelClick);
    connect(m_ui->ButtonManualCalibration, &QPushButton::clicked, this,
            &TFormSensorCalibrate::ButtonManualCalibrationClick);
    connect(m_timer, &QTimer::timeout, this, &TFormSensorCalibrate::Timer1Timer);
}

TFormSensorCalibrate::~TFormSensorCalibrate() = default;

int TFormSensorCalibrate::ManualCalibrationStep() const {
    return m_calibration.step();
}

SensorChart* TFormSensorCalibrate::chart() const {
    return m_ui->ChartSensorReadings;
}

void TFormSensorCalibrate::Open(int left, int top, SensorCalibration* record, InterfaceKind kind) {
    PlaceDialogOnScreen(this, left, top);
    m_record = record;
    m_interface = kind;
    m_timer->stop();
    m_calibration.reset();
    m_ui->ChartSensorReadings->clearAll();
    m_ui->LabelMessage->hide();
    showResultLabels(false, false);
    retranslate();
    if (!record) return;
    record->Confirmed = 0;
    // A value the list has no item for keeps the designed choice.
    if (QAbstractButton* media = m_mediaType->button(record->MediaType)) media->setChecked(true);
    m_ui->EditReference->setText(record->Threshold != 0 ? QString::number(record->Threshold) : QString());
    m_ui->EditInten->setText(record->Intensity != 0 ? QString::number(record->Intensity) : QString());
}

void TFormSensorCalibrate::retranslate() {
    m_ui->retranslateUi(this);
    // The captions that depend on the state.
    m_ui->ButtonManualCalibration->setText(
        m_calibration.step() == AssistedCalibration::kNotStarted ? tr("Calibrate") : tr("Next"));
    const QString unit = m_record && m_record->DotsPerUnit > kInchDotsAbove ? tr("inch") : tr("mm");
    m_ui->LabelUnit1->setText(unit);
    m_ui->LabelUnit2->setText(unit);
}

void TFormSensorCalibrate::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        const QString message = m_ui->LabelMessage->text();
        retranslate();
        m_ui->LabelMessage->setText(message);
    }
    QDialog::changeEvent(event);
}

void TFormSensorCalibrate::done(int result) {
    // Live readings only while the dialog is open.
    m_timer->stop();
    QDialog::done(result);
}

int TFormSensorCalibrate::selectedMediaType() const {
    return m_mediaType->checkedId();
}

void TFormSensorCalibrate::showResultLabels(bool paper, bool gap) {
    m_ui->LabelPaperReading->setVisible(paper);
    m_ui->LabelLabelValue->setVisible(paper);
    m_ui->LabelGapReading->setVisible(gap);
    m_ui->LabelGapValue->setVisible(gap);
}

void TFormSensorCalibrate::showMessage(const QString& text) {
    MessageBox::plain(this, MessageBox::defaultTitle(), text);
}

void TFormSensorCalibrate::showFirstPass(const SensorReadings& pass) {
    const QString name = pass.MediaType == kMediaBlackMark ? tr("Black mark")
                         : pass.MediaType == kMediaGap     ? tr("Liner")
                                                           : tr("Media");
    m_ui->ChartSensorReadings->setFirstPass(ReadingsOf(pass), name);
}

void TFormSensorCalibrate::ButtonCalibClick() {
    if (!m_record) return;
    int32_t height = 0;
    int32_t gap = 0;
    QString error;
    // A refused number leaves the record unconfirmed and the dialog open.
    if (!LengthDots(m_ui->EditHeight, m_record->DotsPerUnit, height, error) ||
        !LengthDots(m_ui->EditGap, m_record->DotsPerUnit, gap, error)) {
        MessageBox::critical(this, MessageBox::defaultTitle(), error);
        return;
    }
    m_record->Confirmed = 1;
    m_record->MediaType = selectedMediaType();
    m_record->PaperHeightDots = height;
    m_record->GapDots = gap;
    m_record->Mode = kSensorAutoCalibration;
    accept();
}

void TFormSensorCalibrate::ButtonSetClick() {
    if (!m_record) return;
    int32_t threshold = 0;
    int32_t intensity = 0;
    QString error;
    if (!SettingValue(m_ui->EditReference, threshold, error) ||
        !SettingValue(m_ui->EditInten, intensity, error)) {
        MessageBox::critical(this, MessageBox::defaultTitle(), error);
        return;
    }
    m_record->Confirmed = 1;
    m_record->MediaType = selectedMediaType();
    m_record->Threshold = threshold;
    m_record->Intensity = intensity;
    m_record->Mode = kSensorManualSetup;
    accept();
}

void TFormSensorCalibrate::ButtonCancelClick() {
    if (m_record) m_record->Confirmed = 0;
    reject();
}

void TFormSensorCalibrate::ButtonManualCalibrationClick() {
    // A click delivered while a reading is under way would copy a half-read record.
    if (PrinterOperationRunning()) return;
    using Next = AssistedCalibration::Next;
    const int media = selectedMediaType();
    if (!AssistedCalibration::CanCalibrate(media)) {
        showMessage(tr("Can't calibration"));
        return;
    }
    AssistedCalibration& c = m_calibration;
    SensorChart* chart = m_ui->ChartSensorReadings;
    switch (c.step()) {
    case AssistedCalibration::kNotStarted: {
        showResultLabels(false, false);
        // What lies under the sensor now: its levels, and the chart's first curve.
        SensorReadings read{};
        read.MediaType = media;
        const int result = RunPrinterOperation(kOpSensorReadings, m_interface, &read, 0);
        if (result == kOperationBusy) return;
        if (result != kLinkOk) {
            // The same in every language.
            showMessage(QStringLiteral("Data Receiving Error"));
            return;
        }
        chart->clearAll();
        showFirstPass(read);
        const Next next = c.begin(media);
        if (next == Next::ReadMedia) {
            c.take(read);
            const SensorProposal& proposal = c.proposal();
            if (!proposal.ok) {
                showMessage(tr("Can't calibration"));
                return;
            }
            m_ui->EditInten->setText(QString::number(proposal.intensity));
            m_ui->EditReference->setText(QString::number(proposal.threshold));
            m_ui->LabelLabelValue->setText(QString::number(proposal.labelReading));
            showResultLabels(true, false);
            chart->setProposal(proposal.intensity, proposal.threshold);
            return;
        }
        // One position per level the printer reported.
        const int position = m_ui->ComboBoxSnesorInt->currentIndex();
        QStringList levels;
        for (int i = 0; i < std::clamp(int(read.Count), 0, kMaxSensorReadings); ++i)
            levels.append(QString::number(i));
        m_ui->ComboBoxSnesorInt->clear();
        m_ui->ComboBoxSnesorInt->addItems(levels);
        m_ui->ComboBoxSnesorInt->setCurrentIndex(std::min(position, int(levels.size()) - 1));
        m_ui->LabelMessage->setText(next == Next::PutLiner ? tr("Put linner please")
                                                           : tr("Put black mark please"));
        m_ui->LabelMessage->show();
        m_live.MediaType = media;
        m_ui->ButtonManualCalibration->setText(tr("Next"));
        m_timer->start();
        return;
    }
    case AssistedCalibration::kFirstPass:
        m_timer->stop();
        c.take(m_live);
        showFirstPass(c.firstPass());
        m_ui->LabelMessage->setText(tr("Put label please"));
        m_timer->start();
        return;
    case AssistedCalibration::kLabelPass: {
        m_timer->stop();
        c.take(m_live);
        chart->setLabelPass(ReadingsOf(c.labelPass()));
        chart->clearLiveReading();
        m_ui->ButtonManualCalibration->setText(tr("Calibrate"));
        const SensorProposal& proposal = c.proposal();
        if (!proposal.ok) {
            chart->setNote(tr("Label and %1 lie closer than %2 at every level")
                               .arg(c.mediaType() == kMediaBlackMark ? tr("black mark") : tr("liner"))
                               .arg(kMinSensorDifference));
            m_ui->LabelMessage->hide();
            showMessage(tr("Can't calibration"));
            return;
        }
        m_ui->EditReference->setText(QString::number(proposal.threshold));
        m_ui->EditInten->setText(QString::number(proposal.intensity));
        m_ui->LabelMessage->setText(tr("Calibration is complete"));
        m_ui->LabelLabelValue->setText(QString::number(proposal.labelReading));
        m_ui->LabelGapValue->setText(QString::number(proposal.linerReading));
        showResultLabels(true, true);
        chart->setProposal(proposal.intensity, proposal.threshold);
        return;
    }
    }
}

void TFormSensorCalibrate::Timer1Timer() {
    // A tick delivered while an operation pumps the message loop is skipped.
    if (PrinterOperationRunning()) return;
    SensorReadings read{};
    read.MediaType = m_live.MediaType;
    // A failed reading leaves the last good one.
    if (RunPrinterOperation(kOpSensorReadings, m_interface, &read, 0) != kLinkOk) return;
    m_live = read;
    const int level = m_ui->ComboBoxSnesorInt->currentIndex();
    if (level < 0 || level >= std::min(int(m_live.Count), kMaxSensorReadings)) {
        m_ui->EditCurrentReading->clear();
        m_ui->ChartSensorReadings->clearLiveReading();
        return;
    }
    m_ui->EditCurrentReading->setText(QString::number(m_live.Readings[level]));
    m_ui->ChartSensorReadings->setLiveReading(level, m_live.Readings[level]);
}

}   // namespace lb
