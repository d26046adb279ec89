#pragma once

#include "persistence/ScoreStatistics.h"

#include <QString>
#include <QWidget>

namespace kwintor {

// The scores of one name, or of all, as bars over bins of 25 points from 0 to 375, each bar
// with its count above it. Drawn by hand in the dialog's colours: one chart is not worth a
// charting library and the start-up time it would cost.
class ScoreHistogram : public QWidget {
    Q_OBJECT
public:
    explicit ScoreHistogram(QWidget* parent = nullptr);

    void setHistogram(const ScoreStatistics::Histogram& counts, const QString& caption);
    const ScoreStatistics::Histogram& counts() const { return m_counts; }
    const QString& caption() const { return m_caption; }

    // The chart in words, for a screen reader: the caption, then one sentence per bar
    // ("200 tot 224 punten: 4 spellen.").
    static QString spokenText(const ScoreStatistics::Histogram& counts, const QString& caption);

    // Where the bar of a bin is painted; empty (at the axis) for a bin without scores.
    QRect barRect(int bin) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;

    ScoreStatistics::Histogram m_counts{};
    QString m_caption;
};

} // namespace kwintor
