#include "mainwindow/CellCursor.h"

#include <QPainter>

namespace kwintor {

CellCursor::CellCursor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CellCursor"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void CellCursor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 60, 230), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace kwintor
