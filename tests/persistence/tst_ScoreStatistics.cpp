#include "persistence/ScoreStatistics.h"

#include <QTest>

using namespace kwintor;

namespace {

// Every kind of name: case and accents that group, scores on the edges of the bins, and a line
// that is not a result.
ScoreList fixedList() {
    ScoreList list;
    for (const char* entry :
         {"0100 - Émile", "0200 - emile", "0150 - EMILE", "0375 - Anna", "0300 - anna", "0024 - Anna", "0087 - Zoë",
          "0088 - Zoe", "0025 - Bas", "0349 - Cor", "0350 - Cor", "Piet"})
        list.insert(entry);
    return list;
}

QList<int> binsOf(const ScoreStatistics::Histogram& histogram) {
    return QList<int>(histogram.begin(), histogram.end());
}

// Bins 0..14 with `count` scores in each bin named.
QList<int> bins(std::initializer_list<std::pair<int, int>> counts) {
    QList<int> out(ScoreStatistics::BinCount, 0);
    for (const auto& [bin, count] : counts)
        out[bin] = count;
    return out;
}

} // namespace

// The statistics of the score list: one row per player, grouped as the list sorts names, and
// the histogram of the scores.

class ScoreStatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void rowsPerPlayerHighestMeanFirst() {
        const ScoreStatistics stats(fixedList());
        QStringList rows;
        for (const PlayerStatistics& row : stats.rows())
            rows << QString("%1 %2 %3 %4 %5")
                        .arg(QString::fromStdString(row.name))
                        .arg(row.games)
                        .arg(row.best)
                        .arg(row.worst)
                        .arg(row.mean);
        // The name shown is the first spelling in the list, which runs from the lowest score up.
        QCOMPARE(rows, (QStringList{"Cor 2 350 349 349.5", "Anna 3 375 24 233", "Émile 3 200 100 150",
                                    "Zoë 2 88 87 87.5", "Bas 1 25 25 25"}));

        const ScoreStatistics none{ScoreList{}};
        QVERIFY(none.isEmpty() && !stats.isEmpty());
        QCOMPARE(binsOf(none.histogram()), bins({}));
    }

    // Bins of 25 points: 24 in the first, 25 in the second, 349 and 350 on either side, 375 in the last.
    void histogramInBinsOf25() {
        const ScoreStatistics stats(fixedList());
        QCOMPARE(binsOf(stats.histogram()),
                 bins({{0, 1}, {1, 1}, {3, 2}, {4, 1}, {6, 1}, {8, 1}, {12, 1}, {13, 1}, {14, 2}}));
        QCOMPARE(binsOf(stats.histogram("ANNA")), bins({{0, 1}, {12, 1}, {14, 1}}));
        QCOMPARE(binsOf(stats.histogram("émile")), bins({{4, 1}, {6, 1}, {8, 1}}));
    }
};

QTEST_APPLESS_MAIN(ScoreStatisticsTest)
#include "tst_ScoreStatistics.moc"
