// SPDX-License-Identifier: Apache-2.0
#pragma once
// A picture of the media sensor's readings over its intensity levels: one curve per pass
// (liner, black mark or continuous media, then label), the live reading as a marker and,
// once a calibration proposed them, the chosen intensity and the threshold as lines. Where
// the curves lie close together no level tells label from gap.

#include "functions/sensor_calibration.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

namespace lb {

// The readings of a record, Count of them (at most the record's capacity).
QList<int> ReadingsOf(const SensorReadings& readings);

class SensorChart : public QWidget {
    Q_OBJECT
public:
    explicit SensorChart(QWidget* parent = nullptr);

    // An empty list hides that curve. name is the first pass's legend ("Liner", …).
    void setFirstPass(const QList<int>& readings, const QString& name);
    void setLabelPass(const QList<int>& readings);
    void setLiveReading(int level, int value);
    void clearLiveReading();
    void setProposal(int intensity, int threshold);
    void clearProposal();
    // A word drawn in the plot (why a calibration failed); empty: none.
    void setNote(const QString& note);
    void clearAll();

    const QList<int>& firstPass() const { return m_first; }
    const QList<int>& labelPass() const { return m_label; }
    bool hasProposal() const { return m_proposal.has_value(); }
    const QString& note() const { return m_note; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Point {
        int level;
        int value;
    };
    QList<int> m_first;
    QString m_firstName;
    QList<int> m_label;
    std::optional<Point> m_live;
    std::optional<Point> m_proposal;   // level: the intensity; value: the threshold
    QString m_note;
};

}   // namespace lb
