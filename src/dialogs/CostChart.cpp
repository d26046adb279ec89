#include "dialogs/CostChart.h"

#include "widgets/Theme.h"

#include "platform/Language.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kwintor {

namespace {
const QColor chartBackground{150, 190, 180};
const QColor chartInk{0, 0, 64};
constexpr int SideMargin = 30; // the value labels on the left
constexpr int TopMargin = 22;  // the caption
constexpr int BottomMargin = 16;
constexpr int RightMargin = 8;
} // namespace

QString pointsText(double points) {
    return language::numbers().toString(std::abs(points) < 0.005 ? 0.0 : points, 'f', 2);
}

CostChart::CostChart(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {}

void CostChart::setValues(const std::vector<double>& values, const QString& caption, const QString& valueName) {
    m_values = values;
    m_caption = caption;
    QStringList parts;
    for (std::size_t i = 0; i < values.size(); ++i)
        parts << QStringLiteral("%1 %2: %3").arg(valueName).arg(i + 1).arg(pointsText(values[i]));
    m_text = caption + QStringLiteral(". ") +
             (parts.isEmpty() ? tr("Geen gegevens.") : parts.join(QStringLiteral("; ")) + u'.');
    setAccessibleName(caption);
    setAccessibleDescription(m_text);
    setToolTip(m_text);
    update();
}

QRect CostChart::plotArea() const {
    return QRect(SideMargin, TopMargin, width() - SideMargin - RightMargin, height() - TopMargin - BottomMargin);
}

// The top of the scale: the highest value rounded up to a whole number of points, at least 1.
double CostChart::highest() const {
    const double top = m_values.empty() ? 0 : *std::max_element(m_values.begin(), m_values.end());
    return std::max(1.0, std::ceil(top));
}

QRect CostChart::markRect(int index) const {
    const QRect plot = plotArea();
    const int n = std::max<int>(1, static_cast<int>(m_values.size()));
    const int left = plot.left() + plot.width() * index / n;
    const int right = plot.left() + plot.width() * (index + 1) / n;
    const double value = m_values.at(static_cast<std::size_t>(index));
    const int height = static_cast<int>(std::lround(plot.height() * std::max(0.0, value) / highest()));
    if (m_kind == Kind::Bars)
        return QRect(QPoint(left + 2, plot.bottom() - height + 1), QPoint(right - 3, plot.bottom()));
    const QPoint centre((left + right) / 2, plot.bottom() - height);
    return QRect(centre - QPoint(2, 2), QSize(5, 5));
}

void CostChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), chartBackground);
    painter.setPen(chartInk);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(sansFont(8.25, true));
    painter.drawText(QRect(6, 3, width() - 12, TopMargin - 5), Qt::AlignLeft | Qt::AlignVCenter, m_caption);

    const QRect plot = plotArea();
    painter.setFont(arialFont(6.75));
    painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom() + 1);
    painter.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);
    painter.drawText(QRect(0, plot.top() - 6, SideMargin - 3, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(highest(), 'f', 0));
    painter.drawText(QRect(0, plot.bottom() - 6, SideMargin - 3, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("0"));

    QPainterPath line;
    for (int i = 0; i < static_cast<int>(m_values.size()); ++i) {
        const QRect mark = markRect(i);
        if (m_kind == Kind::Bars) {
            if (mark.height() > 0)
                painter.fillRect(mark, chartInk);
        } else {
            painter.fillRect(mark, chartInk);
            i == 0 ? line.moveTo(mark.center()) : line.lineTo(mark.center());
        }
        const int left = plot.left() + plot.width() * i / static_cast<int>(m_values.size());
        const int right = plot.left() + plot.width() * (i + 1) / static_cast<int>(m_values.size());
        painter.drawText(QRect(left, plot.bottom() + 2, right - left, BottomMargin - 2),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(i + 1));
    }
    if (m_kind == Kind::Line) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(chartInk, 1.5));
        painter.drawPath(line);
    }
}

} // namespace kwintor
