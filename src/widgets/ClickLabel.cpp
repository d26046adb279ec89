#include "widgets/ClickLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace kwintor {

void ClickLabel::paintEvent(QPaintEvent* event) {
    if (isEnabled() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    const QRect box = contentsRect();
    painter.setPen(QColor(255, 255, 255, 110));
    painter.drawText(box.translated(1, 1), static_cast<int>(alignment()), text());
    painter.setPen(QColor(96, 96, 96));
    painter.drawText(box, static_cast<int>(alignment()), text());
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click && onClick)
        onClick();
}

HoldShape::HoldShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void HoldShape::paintEvent(QPaintEvent*) {
    constexpr int BorderWidth = 4;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(250, 0, 0), BorderWidth));
    painter.setBrush(Qt::NoBrush);
    const QRectF box =
        QRectF(rect()).adjusted(BorderWidth / 2.0, BorderWidth / 2.0, -BorderWidth / 2.0, -BorderWidth / 2.0);
    painter.drawRoundedRect(box, 9, 9);
}

AdviceMark::AdviceMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(Size, Size);
    hide();
}

void AdviceMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    painter.setBrush(QColor(0, 70, 200));
    const QPointF triangle[] = {{1, 1}, {Size - 1.0, Size / 2.0}, {1, Size - 1.0}};
    painter.drawPolygon(triangle, 3);
}

} // namespace kwintor
