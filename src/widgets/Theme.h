#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>

class QWidget;

namespace kwintor {

// The windows are designed in Arial and "MS Sans Serif": where those are missing, the
// metric-compatible Liberation Sans (or Arimo) takes their place, else the desktop's sans.
void registerFontSubstitutes();

// Fonts sized for 96 logical dots per inch, so the fixed layouts hold on any screen.
QFont arialFont(double points, bool bold = false);
QFont sansFont(double points, bool bold = false);

// Text in `colour` while enabled; a disabled widget draws its text in `disabled`.
void setTextColour(QWidget* widget, const QColor& colour, const QColor& disabled = QColor(128, 128, 128));
// The same colour for a role in every state of the widget (active, inactive, disabled).
void paintAllGroups(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
// A background of the widget's own, filled behind its contents.
void setBackground(QWidget* widget, const QColor& colour);

// Places a window of `outer` size (its frame included) in the middle of its screen.
void centreOnScreen(QWidget& window, QSize outer);

} // namespace kwintor
