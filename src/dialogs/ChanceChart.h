#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLocale;

namespace kwintor {

// Every player's chance to win through a game, painted by hand: one line per player over the
// steps (the rounds, or each placement), 0 to 100 % up the side, the names in their colours
// above. Steps without a value yet are left out. Its text equivalent, every value in words, is
// its accessible description and its tooltip.
class ChanceChart : public QWidget {
    Q_OBJECT
public:
    explicit ChanceChart(QWidget* parent = nullptr);

    // steps[k][p]: player p's chance (0..1) at step k, players 1..n at [0..n-1]; an empty step
    // has no value yet. `stepName` names a step in the text ("Ronde" gives "Ronde 2: ...");
    // `firstStep` is the number of step 0.
    void setValues(const QStringList& names, const std::vector<std::vector<double>>& steps, const QString& caption,
                   const QString& stepName, int firstStep);
    const std::vector<std::vector<double>>& steps() const { return m_steps; }
    QString textEquivalent() const { return m_text; }

    // Where player p's (0..) value at step k is drawn; only for a step with values.
    QPoint pointAt(int step, int player) const;
    int xAt(int step) const;
    static QColor playerColour(int player);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect plotArea() const;

    QStringList m_names;
    std::vector<std::vector<double>> m_steps;
    QString m_caption;
    int m_firstStep = 0;
    QString m_text;
};

// The language of the program's translation, for numbers: Dutch writes "37,4".
QLocale programLocale();
// A chance with one decimal and the program's decimal sign: "37,4 %".
QString percentText(double chance);

} // namespace kwintor
