#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace kwintor {

class ChanceChart;

// " Winkans": each player's chance to win, one line of its own per player in play in column
// order ("Anna: 37,4 %"), a sentence on what the number assumes, and a chart of every player's
// chance after each round. Not modal: a tool window that stays open beside (and above) the game,
// which sends it new figures; it computes nothing itself.
class WinkansForm : public QWidget {
    Q_OBJECT
public:
    explicit WinkansForm(QWidget* parent = nullptr);

    // chances[p] for players 1..n at [0..n-1].
    void setChances(const QStringList& names, const std::vector<double>& chances);
    // rounds[r]: the chances after round r (0: the start), empty while unknown.
    void setRounds(const QStringList& names, const std::vector<std::vector<double>>& rounds);
    enum class Status { Ready, Computing, WaitingForTable };
    // While computing the lines keep their figures and a line says so.
    void setStatus(Status status);

    QLabel* line(int player) const { return m_lines[static_cast<std::size_t>(player - 1)]; }
    ChanceChart& chart() const { return *m_chart; }
    QLabel& statusLine() const { return *m_status; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QLabel*, 6> m_lines{};
    QLabel* m_status = nullptr;
    ChanceChart* m_chart = nullptr;
};

} // namespace kwintor
