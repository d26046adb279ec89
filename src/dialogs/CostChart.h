#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace kwintor {

// A small chart painted by hand in the dialogs' colours, in two kinds: bars (the points each of
// the thirteen turns cost) or a line (the average cost per game over a player's last games).
// Its text equivalent, every value in words, is its accessible description and its tooltip.
class CostChart : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Bars, Line };

    explicit CostChart(Kind kind, QWidget* parent = nullptr);

    // `caption` stands above; `valueName` names each value in the text ("Beurt" gives "Beurt 1: ...").
    void setValues(const std::vector<double>& values, const QString& caption, const QString& valueName);
    const std::vector<double>& values() const { return m_values; }
    // "Beurt 1: 0,00; beurt 2: 3,25; ..."
    QString textEquivalent() const { return m_text; }

    // Where the value `index` is drawn: its bar, or a small square around its point.
    QRect markRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;
    double highest() const;

    Kind m_kind;
    std::vector<double> m_values;
    QString m_caption;
    QString m_text;
};

// Points with two decimals and a decimal comma.
QString pointsText(double points);

} // namespace kwintor
