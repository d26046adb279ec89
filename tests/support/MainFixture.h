#pragma once

// The main window as every window test meets it, and the one place that knows how a test plays
// it. open() shows it on a fresh temporary data folder (again: a restart on the same folder);
// kill() ends it as a kill would. platform.answers queues the next message boxes' answers (an
// empty queue answers Yes/OK); `dialogs` handles the next modal dialogs in turn while they are
// open, any other is closed as by Cancel. withAdviceTable() puts the advisor's table, computed
// once per test program, in the folder before open(), so the advice never waits for a computation.

#include "persistence/FileTestHelpers.h"
#include "support/DialogTestHelpers.h"
#include "support/ScriptedPlatform.h"

#include "engine/GameState.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"

#include <QLabel>
#include <QQueue>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace kwintor::test {

// One turn of the game script: the first throw, optionally dice 1 and 2 held and the rest thrown
// again, then the placement in `row`, worth `points`.
struct Turn {
    int row;
    QList<int> faces;
    QList<int> again;
    int points;
};

// A whole column, every category scored: 338 points with the bonus.
extern const QList<Turn> OneColumn;

class MainFixture : public QObject {
public:
    MainFixture();
    ~MainFixture() override;

    void open();
    void kill() { main.reset(); }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<Main> main;
    bool byKeys = false;
    QQueue<std::function<void(QDialog&)>> dialogs;
    QStringList shown; // the title of every modal dialog that opened

    const GameState& state() const { return main->flow().state(); }
    template <typename T = QWidget>
    T* widget(const QString& name) const {
        return child<T>(main.get(), name);
    }
    QLabel* cell(int player, int row) const;
    QString text(const QString& label) const { return widget<QLabel>(label)->text(); }

    void throwDice(const QList<int>& faces);
    void hold(int die);
    // By keys the placement goes to the player on turn, whatever `player` says.
    void place(int player, int row);
    void play(const Turn& turn, int player = 1);
    // Every turn for every player in play, in turn order.
    void play(const QList<Turn>& turns);
    void setPlayers(const QStringList& names);
    // A menu item as a user finds it: "Bestand/Nieuw".
    void run(const QString& item);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

    void withAdviceTable();
    void waitForAdviceTable();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kwintor::test
