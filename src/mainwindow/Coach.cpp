#include "mainwindow/Coach.h"

#include "advisor/Advisor.h"
#include "advisor/Position.h"
#include "advisor/ValueTable.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SheetView.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QThread>

#include <cmath>

namespace kwintor {

namespace {

// Expected points with one decimal, as the player's language writes them: "245,9" in Dutch.
QString points(double value) { return language::numbers().toString(value, 'f', 1); }

} // namespace

Coach::Coach(const QString& cachePath, QObject* parent) : QObject(parent), m_cachePath(cachePath) {}

// A table still being made is abandoned: the program does not wait for it to end, and no thread
// goes on using what the program takes down as it closes.
Coach::~Coach() {
    if (m_making)
        m_making->cancel();
    if (m_worker)
        m_worker->wait();
}

void Coach::prepare() {
    if (m_preparing)
        return;
    m_preparing = true;
    const std::string path = QFile::encodeName(m_cachePath).toStdString();
    QPointer<Coach> self(this);
    m_making = std::make_shared<ValueTable>();
    QThread* worker = QThread::create([self, path, table = m_making] {
        table->loadOrCompute(path, std::max(1, QThread::idealThreadCount()));
        std::shared_ptr<const ValueTable> done = table;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, done] {
                if (!self)
                    return;
                self->m_table = done;
                emit self->tableReady();
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->setObjectName(QStringLiteral("AdviceTable"));
    m_worker = worker;
    worker->start(QThread::LowPriority);
}

const ValueTable* Coach::table() const { return m_table.get(); }

void Coach::setOn(bool on) {
    m_on = on;
    if (on)
        prepare();
}

QString Coach::takeNewAdvice(const SheetOverlay& overlay) {
    if (overlay.words == m_told)
        return {};
    m_told = overlay.words;
    return overlay.words;
}

SheetOverlay Coach::advice(const GameState& state) const {
    SheetOverlay overlay;
    if (!m_on || !m_table || state.throwing || state.WorpTeller == 0)
        return overlay;
    const int player = state.AanDeBeurt;
    const Advice advice = advise(*m_table, positionOf(state, player));
    if (!advice.valid)
        return overlay;
    const int scored = state.TotaalAB[player];
    for (int row = 0; row < CellCount; ++row)
        if (!std::isnan(advice.placeExpected[row]))
            overlay.cellTips[player][row] =
                tr("Verwacht eindtotaal: %1").arg(points(scored + advice.placeExpected[row]));
    if (advice.best.kind == Action::Kind::Place) {
        overlay.markedPlayer = player;
        overlay.markedRow = advice.best.row;
        overlay.words = tr("Advies: plaats bij %1.").arg(rowCaption(advice.best.row).simplified());
        overlay.throwTip = tr("Beter: nu plaatsen in %1 (verwacht eindtotaal %2)")
                               .arg(rowCaption(advice.best.row).simplified(), points(scored + advice.expected));
    } else {
        overlay.keep = advice.best.keep;
        QStringList kept;
        for (int die = 1; die <= DiceCount; ++die)
            if (advice.best.keep & (1u << (die - 1)))
                kept << QString::number(die);
        const QString last = kept.isEmpty() ? QString() : kept.takeLast();
        overlay.words = last.isEmpty()   ? tr("Advies: gooi alle stenen opnieuw.")
                        : kept.isEmpty() ? tr("Advies: zet dobbelsteen %1 vast en gooi opnieuw.").arg(last)
                                         : tr("Advies: zet dobbelstenen %1 en %2 vast en gooi opnieuw.")
                                               .arg(kept.join(QStringLiteral(", ")), last);
        overlay.throwTip = tr("Beter: opnieuw gooien met de gemarkeerde stenen vast "
                              "(verwacht eindtotaal %1)")
                               .arg(points(scored + advice.expected));
    }
    return overlay;
}

} // namespace kwintor
