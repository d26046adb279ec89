#pragma once

#include "engine/GameState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <memory>

namespace kwintor {

class ValueTable;
struct SheetOverlay;

// The advisor in the window. It loads (or computes and caches) the table of best play on a
// thread of its own, so the window never waits for it; while "Advies" is on, its advice after
// each throw of the player on turn marks the dice the best move keeps or the cell it places in,
// and tells the expected final total of each open cell. It holds no widget and never makes a move.
class Coach : public QObject {
    Q_OBJECT
public:
    // The table is cached in `cachePath`.
    explicit Coach(const QString& cachePath, QObject* parent = nullptr);
    ~Coach() override;

    // Starts loading the table on a thread of its own the first time it is needed (the advice
    // switched on, a strong computer player chosen), computing and writing it when the cache is
    // missing, damaged or foreign.
    void prepare();
    // Null until the table is there.
    const ValueTable* table() const;
    // The same, for a thread that may outlive the window.
    std::shared_ptr<const ValueTable> sharedTable() const { return m_table; }

    void setOn(bool on);
    bool isOn() const { return m_on; }
    // What the table calls for in the state, laid over the sheet: its marks, tips and words; none
    // while the advice is off or the table not there, nor before the turn's first throw.
    SheetOverlay advice(const GameState& state) const;
    // The overlay's advice in words ("Advies: plaats bij Kans."), once: empty when it is the
    // advice the last call gave, or when there is none.
    QString takeNewAdvice(const SheetOverlay& overlay);

signals:
    void tableReady();

private:
    QString m_cachePath;
    bool m_preparing = false;
    // The table being made on the worker thread, so that closing can end it.
    std::shared_ptr<ValueTable> m_making;
    QPointer<QThread> m_worker;
    std::shared_ptr<const ValueTable> m_table;
    bool m_on = false;
    QString m_told;
};

} // namespace kwintor
