#include "mainwindow/ChanceRun.h"

#include "advisor/ValueTable.h"

#include <QCoreApplication>

namespace kwintor {

ChanceRun::ChanceRun(std::shared_ptr<const ValueTable> table, std::vector<std::vector<ColumnState>> points,
                     QObject* parent)
    : QObject(parent), m_cancel(std::make_shared<std::atomic<bool>>(false)) {
    QPointer<ChanceRun> self(this);
    QThread* worker = QThread::create([self, table, points = std::move(points), cancel = m_cancel] {
        const WinChance chance(*table);
        for (std::size_t i = 0; i < points.size() && !cancel->load(); ++i) {
            std::vector<double> chances = chance.chances(points[i], cancel.get());
            if (chances.empty())
                break;
            chances.erase(chances.begin());
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, i, chances] {
                    if (self)
                        emit self->pointDone(static_cast<int>(i), chances);
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self)
                    emit self->finished();
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->setObjectName(QStringLiteral("Winkansen"));
    m_worker = worker;
    worker->start(QThread::LowPriority);
}

ChanceRun::~ChanceRun() {
    m_cancel->store(true);
    if (m_worker)
        m_worker->wait();
}

} // namespace kwintor
