#include "advisor/Categories.h"
#include "review/ChanceHistory.h"

#include <QTest>

using namespace kwintor;

namespace {

Decision placing(int player, int row, std::array<int, DiceCount> dice, unsigned used, int upper, int total) {
    Decision d;
    d.player = player;
    d.kind = Decision::Kind::Place;
    d.row = row;
    d.dice = dice;
    d.used = used;
    d.upper = upper;
    d.total = total;
    return d;
}

QString columnText(const ColumnState& c) { return QStringLiteral("%1/%2/%3").arg(c.used).arg(c.upper).arg(c.total); }

} // namespace

// The columns of every player through a game, rebuilt from the decisions the review keeps.
class TestChanceHistory : public QObject {
    Q_OBJECT

private slots:
    void columnsFollowEachPlacement() {
        Decision hold = placing(1, -1, {6, 6, 1, 2, 3}, 0, 0, 0);
        hold.kind = Decision::Kind::Hold;
        const std::vector<Decision> decisions{
            hold,
            placing(1, RowZessen, {6, 6, 6, 6, 6}, 0, 0, 0),
            placing(2, RowKwintor, {3, 3, 3, 3, 3}, 0, 0, 0),
            // The log saw Anna's column further on than the placements before: it counts.
            placing(1, RowVijven, {5, 5, 5, 5, 2}, 1u << 5 | 1u << 3, 46, 62),
            placing(2, RowKans, {1, 2, 3, 4, 6}, 1u << 12, 0, 50),
        };
        const auto steps = columnsThroughGame(decisions, 2);
        QCOMPARE(steps.size(), std::size_t(5)); // the start and four placements
        QCOMPARE(columnText(steps[0][0]), QStringLiteral("0/0/0"));
        QCOMPARE(columnText(steps[1][0]), QStringLiteral("%1/30/30").arg(1u << 5));
        QCOMPARE(columnText(steps[1][1]), QStringLiteral("0/0/0"));
        QCOMPARE(columnText(steps[2][1]), QStringLiteral("%1/0/50").arg(1u << 12));
        // 46 + 20 passes 63: the bonus comes with the placement.
        QCOMPARE(columnText(steps[3][0]), QStringLiteral("%1/66/117").arg(1u << 5 | 1u << 4 | 1u << 3));
        QCOMPARE(columnText(steps[4][1]), QStringLiteral("%1/0/66").arg(1u << 12 | 1u << 11));
        QCOMPARE(placerAt(decisions, 3), 1);
        QCOMPARE(placerAt(decisions, 4), 2);
        QCOMPARE(placerAt(decisions, 0), 0);

        // A round ends when every player has placed that often.
        const std::vector<std::size_t> ends = roundEnds(steps);
        QCOMPARE(ends, (std::vector<std::size_t>{0, 2, 4}));
        QCOMPARE(roundEnds(columnsThroughGame(decisions, 3)), std::vector<std::size_t>{0}); // a third never placed
    }
};

QTEST_APPLESS_MAIN(TestChanceHistory)
#include "tst_chancehistory.moc"
