#pragma once

// Building blocks shared by the three modal dialogs: the geometry in twips, the caption-less
// frame that holds every control, the bordered backdrop labels, the grey captions, buttons
// that never act as a default button, and scroll bars that report only finished moves.

#include "mainwindow/Twips.h"

#include <QColor>
#include <QRect>
#include <QString>

class QDialog;
class QFont;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace kwintor {

// Grey of the plain captions, dark grey and black of the backdrops.
inline const QColor captionGrey{128, 128, 128};
inline const QColor backdropDark{64, 64, 64};
inline const QColor backdropBlack{0, 0, 0};

// The dialog's text font ("MS Sans Serif", drawn in the metric-compatible sans family),
// sized for 96 logical dots per inch.
QFont sansFont(double points, bool bold = false);
// "Arial", drawn in Liberation Sans where Arial itself is missing.
QFont arialFont(double points, bool bold = false);

// Titles, fixes the client size (the window cannot be resized), centres the window on the
// screen and gives it the dialog font.
void setUpDialogWindow(QDialog& dialog, const QString& title, int clientWidth, int clientHeight);

// Frame1: the frame without caption that holds every other control, 60 twips in from the
// left and 30 twips above the top of the client area.
QFrame* addFrame1(QDialog& dialog, int widthTwips, int heightTwips);

// A label with a single border and a background of its own, standing behind buttons or bars.
QLabel* addBackdrop(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour);

// A grey caption on a transparent background, sized to its text.
QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, int leftTwips, int topTwips);

// A button that answers Enter only while it has the focus and never by default.
QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);

// A horizontal bar that reports a change when an arrow or the track is clicked, when the
// keyboard moves it or when a drag ends; never while the thumb is dragged.
QScrollBar* addScrollBar(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum);

// The dialogs' keys: Enter and Return press the focused button, Escape does nothing (the
// dialogs only close through their buttons or the close box). True when the key was handled.
bool handleDialogKey(QKeyEvent* event, QWidget* focus);

} // namespace kwintor
