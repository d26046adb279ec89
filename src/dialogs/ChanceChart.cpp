#include "dialogs/ChanceChart.h"

#include "widgets/Theme.h"

#include "platform/Language.h"
#include <QCoreApplication>

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kwintor {

namespace {
const QColor chartBackground{150, 190, 180};
const QColor chartInk{0, 0, 64};
constexpr int SideMargin = 34;   // the percentages on the left
constexpr int TopMargin = 36;    // the caption and the names
constexpr int BottomMargin = 16; // the step numbers
constexpr int RightMargin = 8;
} // namespace

QLocale programLocale() { return language::numbers(); }

QString percentText(double chance) {
    //: A chance to win in percent, "37,4 %".
    return QCoreApplication::translate("ChanceChart", "%1 %")
        .arg(programLocale().toString(std::clamp(chance, 0.0, 1.0) * 100, 'f', 1));
}

QColor ChanceChart::playerColour(int player) {
    static const QColor colours[] = {{0, 0, 128}, {170, 0, 0}, {0, 100, 0}, {150, 80, 0}, {110, 0, 130}, {0, 110, 120}};
    return colours[std::clamp(player, 0, 5)];
}

ChanceChart::ChanceChart(QWidget* parent) : QWidget(parent) {}

void ChanceChart::setValues(const QStringList& names, const std::vector<std::vector<double>>& steps,
                            const QString& caption, const QString& stepName, int firstStep) {
    m_names = names;
    m_steps = steps;
    m_caption = caption;
    m_firstStep = firstStep;
    QStringList parts;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        if (steps[k].size() < static_cast<std::size_t>(names.size()))
            continue;
        QStringList line;
        for (int p = 0; p < names.size(); ++p)
            line << names[p] + QStringLiteral(" ") + percentText(steps[k][static_cast<std::size_t>(p)]);
        parts << QStringLiteral("%1 %2: %3")
                     .arg(stepName)
                     .arg(firstStep + static_cast<int>(k))
                     .arg(line.join(QStringLiteral(", ")));
    }
    m_text = caption + QStringLiteral(". ") +
             (parts.isEmpty() ? tr("Nog geen gegevens.") : parts.join(QStringLiteral("; ")) + u'.');
    setAccessibleName(caption);
    setAccessibleDescription(m_text);
    setToolTip(m_text);
    update();
}

QRect ChanceChart::plotArea() const {
    return QRect(SideMargin, TopMargin, width() - SideMargin - RightMargin, height() - TopMargin - BottomMargin);
}

int ChanceChart::xAt(int step) const {
    const QRect plot = plotArea();
    const int last = std::max(1, static_cast<int>(m_steps.size()) - 1);
    return plot.left() + static_cast<int>(std::lround(plot.width() * double(step) / last));
}

QPoint ChanceChart::pointAt(int step, int player) const {
    const QRect plot = plotArea();
    const std::vector<double>& values = m_steps.at(static_cast<std::size_t>(step));
    const double chance = std::clamp(values.at(static_cast<std::size_t>(player)), 0.0, 1.0);
    return QPoint(xAt(step), plot.bottom() - static_cast<int>(std::lround(plot.height() * chance)));
}

void ChanceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), chartBackground);
    painter.setPen(chartInk);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(sansFont(8.25, true));
    painter.drawText(QRect(6, 2, width() - 12, 16), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    // The names in their colours, as the legend.
    painter.setFont(arialFont(6.75));
    int x = 6;
    for (int p = 0; p < m_names.size(); ++p) {
        painter.fillRect(QRect(x, 22, 10, 3), playerColour(p));
        painter.setPen(playerColour(p));
        const QString name = m_names[p];
        const int w = painter.fontMetrics().horizontalAdvance(name);
        painter.drawText(QRect(x + 12, 17, w + 2, 12), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += 12 + w + 10;
    }

    const QRect plot = plotArea();
    painter.setPen(chartInk);
    painter.drawLine(plot.left(), plot.top(), plot.left(), plot.bottom() + 1);
    painter.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);
    for (int percent : {0, 50, 100}) {
        const int y = plot.bottom() - plot.height() * percent / 100;
        painter.drawText(QRect(0, y - 6, SideMargin - 4, 12), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 %").arg(percent));
        if (percent > 0) {
            painter.setPen(QPen(chartInk, 1, Qt::DotLine));
            painter.drawLine(plot.left() + 1, y, plot.right(), y);
            painter.setPen(chartInk);
        }
    }
    const int steps = static_cast<int>(m_steps.size());
    // Step numbers, as many as fit.
    const int every = std::max(1, (steps * 18 + plot.width() - 1) / std::max(1, plot.width()));
    for (int k = 0; k < steps; k += every) {
        const int px = xAt(k);
        painter.drawText(QRect(px - 12, plot.bottom() + 2, 24, BottomMargin - 2), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(m_firstStep + k));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    for (int p = 0; p < m_names.size(); ++p) {
        QPainterPath line;
        bool started = false;
        for (int k = 0; k < steps; ++k) {
            if (m_steps[static_cast<std::size_t>(k)].size() <= static_cast<std::size_t>(p))
                continue;
            const QPoint at = pointAt(k, p);
            started ? line.lineTo(at) : line.moveTo(at);
            started = true;
            if (steps <= 20)
                painter.fillRect(QRect(at - QPoint(2, 2), QSize(5, 5)), playerColour(p));
        }
        painter.setPen(QPen(playerColour(p), 1.5));
        painter.drawPath(line);
    }
}

} // namespace kwintor
