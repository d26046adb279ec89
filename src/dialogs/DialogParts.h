#pragma once

// Building blocks shared by the modal dialogs: the caption-less frame that holds every control,
// the bordered backdrop labels, the grey captions, buttons that never act as a default button,
// and scroll bars that report only finished moves.

#include "widgets/Theme.h"
#include "widgets/Twips.h"

#include <QColor>
#include <QRect>
#include <QString>

class QAbstractItemView;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace kwintor {

// Grey of the plain captions, dark grey and black of the backdrops.
inline const QColor captionGrey{128, 128, 128};
inline const QColor backdropDark{64, 64, 64};
inline const QColor backdropBlack{0, 0, 0};

// Frame1: the frame without caption that holds every other control, 60 twips in from the
// left and 30 twips above the top of the client area.
QFrame* addFrame1(QDialog& dialog, int widthTwips, int heightTwips);

// A label with a single border and a background of its own, standing behind buttons or bars.
QLabel* addBackdrop(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour);

// The score lists' look: one row chosen at a time, bold Arial, dark blue on sea green.
void styleScoreView(QAbstractItemView* view);

// The view takes the focus with no row current, as it shows none chosen: the first Down or Up
// then lands on a row, and a screen reader reads that row.
void startWithoutCurrentRow(QAbstractItemView* view);

// A grey caption on a transparent background, sized to its text.
QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, int leftTwips, int topTwips);

// A button that answers Enter only while it has the focus and never by default.
QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);

// A horizontal bar that reports a change when an arrow or the track is clicked, when the
// keyboard moves it or when a drag ends; never while the thumb is dragged.
QScrollBar* addScrollBar(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum);

} // namespace kwintor
