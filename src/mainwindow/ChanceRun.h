#pragma once

#include "advisor/WinChance.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace kwintor {

class ValueTable;

// The chances to win at many points of a game, worked out one after the other on a thread of its
// own; each is reported as soon as it is there. Destroying it calls the rest off and waits for
// the thread, which ends at its next group of simulated games.
class ChanceRun : public QObject {
    Q_OBJECT
public:
    ChanceRun(std::shared_ptr<const ValueTable> table, std::vector<std::vector<ColumnState>> points,
              QObject* parent = nullptr);
    ~ChanceRun() override;

signals:
    // chances[p] for players 1..n at [0..n-1] at point `index`.
    void pointDone(int index, const std::vector<double>& chances);
    void finished();

private:
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QPointer<QThread> m_worker;
};

} // namespace kwintor
