// SPDX-License-Identifier: Apache-2.0
#include "functions/ui/sensor_chart.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace lb {
namespace {

// The sensor's raw values are 10-bit: the scale covers 0..1024 in quarters unless a reading
// goes beyond it.
constexpr int kScaleStep = 256;
constexpr int kDefaultTop = 1024;
constexpr int kDefaultLevels = 16;   // the axis before anything was read
constexpr int kMargin = 6;

const QColor kFirstColor(0x1f, 0x5f, 0xbf);       // blue
const QColor kLabelColor(0xe0, 0x7b, 0x00);       // orange
const QColor kLiveColor(0x1b, 0x9e, 0x3e);        // green
const QColor kIntensityColor(0xc0, 0x1c, 0x28);   // red
const QColor kThresholdColor(0x7b, 0x3f, 0xa8);   // purple

constexpr int kSwatch = 14;   // the legend's line sample

struct LegendItem {
    QColor colour;
    QString name;
    bool dashed;
    QRect place;
};

int RoundUp(int value, int step) {
    return (value + step - 1) / step * step;
}

}   // namespace

QList<int> ReadingsOf(const SensorReadings& readings) {
    const int count = std::clamp(int(readings.Count), 0, kMaxSensorReadings);
    QList<int> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.append(readings.Readings[i]);
    return out;
}

SensorChart::SensorChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SensorChart::setFirstPass(const QList<int>& readings, const QString& name) {
    m_first = readings;
    m_firstName = name;
    update();
}

void SensorChart::setLabelPass(const QList<int>& readings) {
    m_label = readings;
    update();
}

void SensorChart::setLiveReading(int level, int value) {
    m_live = Point{level, value};
    update();
}

void SensorChart::clearLiveReading() {
    m_live.reset();
    update();
}

void SensorChart::setProposal(int intensity, int threshold) {
    m_proposal = Point{intensity, threshold};
    update();
}

void SensorChart::clearProposal() {
    m_proposal.reset();
    update();
}

void SensorChart::setNote(const QString& note) {
    m_note = note;
    update();
}

void SensorChart::clearAll() {
    m_note.clear();
    m_first.clear();
    m_label.clear();
    m_live.reset();
    m_proposal.reset();
    update();
}

QSize SensorChart::sizeHint() const {
    return {260, 240};
}

QSize SensorChart::minimumSizeHint() const {
    return {240, 180};
}

void SensorChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void SensorChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics fm(font());
    const QColor text = palette().color(QPalette::Text);

    // Scales: the levels read so far (or the usual 16), the values up to the highest one.
    const int levels = std::max({int(m_first.size()), int(m_label.size()), m_live ? m_live->level + 1 : 0,
                                 m_proposal ? m_proposal->level + 1 : 0, 2});
    const int shownLevels =
        m_first.isEmpty() && m_label.isEmpty() ? std::max(levels, kDefaultLevels) : levels;
    int top = kDefaultTop;
    int bottom = 0;
    auto widen = [&](int value) {
        top = std::max(top, value);
        bottom = std::min(bottom, value);
    };
    for (int v : m_first)
        widen(v);
    for (int v : m_label)
        widen(v);
    if (m_live) widen(m_live->value);
    if (m_proposal) widen(m_proposal->value);
    top = RoundUp(top, kScaleStep);
    bottom = -RoundUp(-bottom, kScaleStep);

    // The legend's lines above the plot (only what is drawn, wrapped to the width), the level
    // numbers and "Intensity" below it.
    const int line = fm.height();
    QList<LegendItem> legend;
    if (!m_first.isEmpty()) legend.append({kFirstColor, m_firstName, false, {}});
    if (!m_label.isEmpty()) legend.append({kLabelColor, tr("Label"), false, {}});
    if (m_live) legend.append({kLiveColor, tr("Live %1").arg(m_live->value), false, {}});
    if (m_proposal) {
        legend.append({kIntensityColor, tr("Intensity %1").arg(m_proposal->level), true, {}});
        legend.append({kThresholdColor, tr("Threshold %1").arg(m_proposal->value), true, {}});
    }
    int legendX = kMargin;
    int legendRows = legend.isEmpty() ? 0 : 1;
    for (LegendItem& item : legend) {
        const int needed = kSwatch + 3 + fm.horizontalAdvance(item.name);
        if (legendX > kMargin && legendX + needed > width() - kMargin) {
            legendX = kMargin;
            ++legendRows;
        }
        item.place = QRect(legendX, kMargin + (legendRows - 1) * line, needed, line);
        legendX += needed + 2 * kMargin;
    }
    const int legendHeight = legendRows * line + kMargin;
    const int left =
        kMargin +
        std::max(fm.horizontalAdvance(QString::number(top)), fm.horizontalAdvance(QString::number(bottom))) +
        kMargin;
    const QRect plot(left, kMargin + legendHeight, width() - left - 2 * kMargin,
                     height() - 2 * kMargin - legendHeight - 2 * line - kMargin);
    if (plot.width() < 20 || plot.height() < 20) return;

    auto xOf = [&](double level) { return plot.left() + level * plot.width() / (shownLevels - 1); };
    auto yOf = [&](double value) {
        return plot.bottom() - (value - bottom) * plot.height() / (top - bottom);
    };

    // The reading scale.
    p.setFont(font());
    for (int v = bottom; v <= top; v += kScaleStep) {
        const double y = yOf(v);
        p.setPen(QPen(palette().color(QPalette::Midlight), 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(text);
        p.drawText(QRectF(kMargin, y - line / 2.0, left - 2 * kMargin, line),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    // The level numbers, as many as fit.
    const int labelWidth = fm.horizontalAdvance(QString::number(shownLevels - 1)) + kMargin;
    int step = 1;
    while (step < shownLevels && plot.width() * step / (shownLevels - 1) < labelWidth)
        step *= 2;
    p.setPen(text);
    for (int level = 0; level < shownLevels; level += step) {
        const double x = xOf(level);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        p.drawText(QRectF(x - labelWidth, plot.bottom() + 3, 2 * labelWidth, line),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(level));
    }
    p.drawText(QRect(plot.left(), plot.bottom() + 3 + line, plot.width(), line),
               Qt::AlignHCenter | Qt::AlignTop, tr("Intensity"));
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // The proposal under the curves, so that the curves stay readable where they cross it.
    if (m_proposal) {
        p.setPen(QPen(kIntensityColor, 1.5, Qt::DashLine));
        p.drawLine(QPointF(xOf(m_proposal->level), plot.top()),
                   QPointF(xOf(m_proposal->level), plot.bottom()));
        p.setPen(QPen(kThresholdColor, 1.5, Qt::DashLine));
        p.drawLine(QPointF(plot.left(), yOf(m_proposal->value)),
                   QPointF(plot.right(), yOf(m_proposal->value)));
    }

    auto curve = [&](const QList<int>& values, const QColor& colour) {
        if (values.isEmpty()) return;
        QPainterPath path;
        for (int i = 0; i < values.size(); ++i) {
            const QPointF point(xOf(i), yOf(values[i]));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.setPen(QPen(colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < values.size(); ++i)
            p.drawEllipse(QPointF(xOf(i), yOf(values[i])), 2.0, 2.0);
    };
    p.save();
    p.setClipRect(plot.adjusted(-3, -3, 3, 3));
    curve(m_first, kFirstColor);
    curve(m_label, kLabelColor);
    if (m_live) {
        p.setBrush(kLiveColor);
        p.setPen(QPen(palette().color(QPalette::Base), 1.5));
        p.drawEllipse(QPointF(xOf(m_live->level), yOf(m_live->value)), 5.0, 5.0);
    }
    p.restore();

    if (m_first.isEmpty() && m_label.isEmpty() && !m_live) {
        p.setPen(palette().color(QPalette::PlaceholderText));
        p.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, tr("No readings yet"));
    }

    if (!m_note.isEmpty()) {
        p.setPen(kIntensityColor);
        p.drawText(plot.adjusted(kMargin, kMargin, -kMargin, -kMargin),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_note);
    }

    // The legend above the plot.
    for (const LegendItem& item : legend) {
        p.setPen(QPen(item.colour, 2, item.dashed ? Qt::DashLine : Qt::SolidLine));
        const int y = item.place.center().y();
        p.drawLine(item.place.left(), y, item.place.left() + kSwatch, y);
        p.setPen(text);
        p.drawText(item.place.adjusted(kSwatch + 3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, item.name);
    }
}

}   // namespace lb
