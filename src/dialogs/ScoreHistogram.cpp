#include "dialogs/ScoreHistogram.h"

#include "widgets/Theme.h"

#include <QStringList>

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace kwintor {

namespace {
const QColor chartBackground{150, 190, 180};
const QColor chartInk{0, 0, 64};
constexpr int SideMargin = 14;
constexpr int TopMargin = 24;    // the caption
constexpr int BottomMargin = 18; // the bin labels
constexpr int CountHeight = 14;  // the count above the highest bar
constexpr int BarGap = 2;        // either side of a bar, so neighbours stay apart
} // namespace

ScoreHistogram::ScoreHistogram(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus); // Tab reaches it, and a screen reader reads it in words
}

void ScoreHistogram::setHistogram(const ScoreStatistics::Histogram& counts, const QString& caption) {
    m_counts = counts;
    m_caption = caption;
    setAccessibleName(spokenText(counts, caption));
    update();
}

QString ScoreHistogram::spokenText(const ScoreStatistics::Histogram& counts, const QString& caption) {
    QStringList lines{caption + u'.'};
    for (int bin = 0; bin < ScoreStatistics::BinCount; ++bin) {
        const int count = counts[static_cast<std::size_t>(bin)];
        if (count > 0)
            lines << tr("%1 tot %2 punten: %3.")
                         .arg(bin * ScoreStatistics::BinWidth)
                         .arg((bin + 1) * ScoreStatistics::BinWidth - 1)
                         .arg(count == 1 ? tr("1 spel") : tr("%1 spellen").arg(count));
    }
    if (lines.size() == 1)
        lines << tr("Geen scores.");
    return lines.join(u' ');
}

QRect ScoreHistogram::plotArea() const {
    return QRect(SideMargin, TopMargin, width() - 2 * SideMargin, height() - TopMargin - BottomMargin);
}

QRect ScoreHistogram::barRect(int bin) const {
    const QRect plot = plotArea();
    const int highest = std::max(1, *std::max_element(m_counts.begin(), m_counts.end()));
    const int left = plot.left() + plot.width() * bin / ScoreStatistics::BinCount;
    const int right = plot.left() + plot.width() * (bin + 1) / ScoreStatistics::BinCount;
    const int height = (plot.height() - CountHeight) * m_counts[static_cast<std::size_t>(bin)] / highest;
    return QRect(QPoint(left + BarGap, plot.bottom() - height + 1), QPoint(right - BarGap - 1, plot.bottom()));
}

void ScoreHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), chartBackground);
    painter.setPen(chartInk);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setFont(sansFont(8.25, true));
    painter.drawText(QRect(SideMargin, 4, width() - 2 * SideMargin, TopMargin - 6), Qt::AlignLeft | Qt::AlignVCenter,
                     m_caption);

    const QRect plot = plotArea();
    painter.setFont(arialFont(6.75));
    for (int bin = 0; bin < ScoreStatistics::BinCount; ++bin) {
        const QRect bar = barRect(bin);
        const int count = m_counts[static_cast<std::size_t>(bin)];
        if (count > 0) {
            painter.fillRect(bar, chartInk);
            painter.drawText(QRect(bar.left() - BarGap, bar.top() - CountHeight, bar.width() + 2 * BarGap, CountHeight),
                             Qt::AlignHCenter | Qt::AlignBottom, QString::number(count));
        }
    }
    painter.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);

    // A tick at the start of every bin, and at 375 where the last one ends; a label at each tick,
    // or at every other one when the chart is too narrow for all.
    const int labelStep = plot.width() / ScoreStatistics::BinCount < 24 ? 2 : 1;
    for (int edge = 0; edge <= ScoreStatistics::BinCount; ++edge) {
        const int x = plot.left() + plot.width() * edge / ScoreStatistics::BinCount;
        painter.drawLine(x, plot.bottom() + 1, x, plot.bottom() + 4);
        if (edge % labelStep == 0)
            painter.drawText(QRect(x - 15, plot.bottom() + 4, 30, BottomMargin - 4), Qt::AlignHCenter | Qt::AlignTop,
                             QString::number(edge * ScoreStatistics::BinWidth));
    }
}

} // namespace kwintor
