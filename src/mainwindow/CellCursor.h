#pragma once

#include <QWidget>

namespace kwintor {

// The keyboard's cell cursor: a dashed blue rectangle around a score cell, unlike the solid
// red frame of a held die. It lets clicks through to the cell beneath.
class CellCursor : public QWidget {
public:
    explicit CellCursor(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kwintor
