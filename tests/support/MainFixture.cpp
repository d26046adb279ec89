#include "support/MainFixture.h"

#include "advisor/ValueTable.h"
#include "mainwindow/Coach.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/ScoreSheet.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace kwintor::test {

const QList<Turn> OneColumn = {
    {RowEnen, {1, 1, 1, 1, 1}, {}, 5},          {RowTweeen, {2, 2, 6, 6, 6}, {2, 2, 2}, 10},
    {RowDrieen, {3, 3, 3, 3, 3}, {}, 15},       {RowVieren, {4, 4, 4, 4, 4}, {}, 20},
    {RowVijven, {5, 5, 5, 5, 5}, {}, 25},       {RowZessen, {6, 6, 6, 6, 6}, {}, 30},
    {RowDrieGelijke, {1, 1, 1, 2, 2}, {}, 7},   {RowVierGelijke, {4, 4, 4, 4, 2}, {}, 18},
    {RowKleineStraat, {1, 2, 3, 4, 6}, {}, 30}, {RowGroteStraat, {2, 3, 4, 5, 6}, {}, 40},
    {RowFullHouse, {2, 2, 3, 3, 3}, {}, 25},    {RowKans, {6, 6, 6, 5, 5}, {}, 28},
    {RowKwintor, {3, 3, 3, 3, 3}, {}, 50},
};

MainFixture::MainFixture() : platform(dir.path()) { qApp->installEventFilter(this); }

MainFixture::~MainFixture() {
    qApp->removeEventFilter(this);
    main.reset();
}

void MainFixture::open() {
    main.reset();
    main = std::make_unique<Main>(platform);
    main->computers().setStepInterval(0);
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

// A modal dialog is handled once its own event loop runs, so that what the handler does to it
// (a click on Ok, reject()) ends that loop.
bool MainFixture::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() == QEvent::Show && dialog && dialog->isModal()) {
        shown << dialog->windowTitle();
        QTimer::singleShot(0, dialog, [this, dialog] {
            if (!dialogs.isEmpty())
                dialogs.dequeue()(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }
    return false;
}

QLabel* MainFixture::cell(int player, int row) const {
    return widget<QLabel>(QStringLiteral("SP%1(%2)").arg(player).arg(row));
}

void MainFixture::throwDice(const QList<int>& faces) {
    for (int face : faces)
        for (int frame = 0; frame < 5; ++frame) // each rolling die shows five faces
            platform.faces.enqueue(face);
    if (byKeys)
        key(Qt::Key_Space);
    else
        QTest::mouseClick(&main->tray().throwButton(), Qt::LeftButton);
}

void MainFixture::hold(int die) {
    if (byKeys)
        key(Qt::Key_0 + die);
    else
        QTest::mouseClick(widget(QStringLiteral("DobbelsteenPic(%1)").arg(die)), Qt::LeftButton);
}

void MainFixture::place(int player, int row) {
    if (!byKeys) {
        QTest::mouseClick(cell(player, row), Qt::LeftButton);
        return;
    }
    // From no cursor, Down steps through the open categories of the player on turn.
    key(Qt::Key_Escape);
    const GameState& s = state();
    for (int r = 0; r <= row; ++r)
        if (isCategoryRow(r) && s.cells[s.AanDeBeurt][r].open)
            key(Qt::Key_Down);
    QCOMPARE(main->sheet().cursorRow(), row);
    key(Qt::Key_Return);
}

void MainFixture::play(const Turn& turn, int player) {
    throwDice(turn.faces);
    if (!turn.again.isEmpty()) {
        hold(1);
        hold(2);
        throwDice(turn.again);
    }
    place(player, turn.row);
}

void MainFixture::play(const QList<Turn>& turns) {
    for (const Turn& turn : turns)
        for (int p = 1; p <= state().AantalSpelers; ++p)
            play(turn, p);
}

void MainFixture::setPlayers(const QStringList& names) {
    PlayerNames all;
    for (int p = 1; p <= MaxPlayers; ++p)
        all[p] = p <= names.size() ? names[p - 1].toStdString() : "Speler " + std::to_string(p);
    main->flow().choosePlayers(int(names.size()), all);
}

void MainFixture::run(const QString& item) {
    const QString menu = item.section(u'/', 0, 0), caption = item.section(u'/', 1);
    for (QAction* top : main->menuBar()->actions())
        if (top->menu() && top->menu()->objectName() == menu) // the title carries its "&" letter
            for (QAction* action : top->menu()->actions())
                if (action->text() == caption)
                    return action->trigger();
    QFAIL(qPrintable("no menu item " + item));
}

void MainFixture::key(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main.get();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

QByteArray MainFixture::read(const QString& name) const { return fileBytes(path(name)); }

void MainFixture::write(const QString& name, const QByteArray& bytes) const { QVERIFY(writeBytes(path(name), bytes)); }

void MainFixture::withAdviceTable() {
    static QTemporaryDir store;
    static const QString made = [] {
        ValueTable table;
        table.compute(2);
        const QString file = store.filePath(QLatin1String(GameFiles::AdviceTableFileName.data()));
        return table.save(QFile::encodeName(file).toStdString()) ? file : QString();
    }();
    QVERIFY(QFile::copy(made, path(QLatin1String(GameFiles::AdviceTableFileName.data()))));
}

void MainFixture::waitForAdviceTable() {
    // The load runs on a thread of its own and reports through the event loop.
    while (!main->coach().table())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace kwintor::test
