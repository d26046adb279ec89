#include "dialogs/DialogParts.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace kwintor {

QFrame* addFrame1(QDialog& dialog, int widthTwips, int heightTwips) {
    auto* frame = new QFrame(&dialog);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(twipsRect(60, -30, widthTwips, heightTwips));
    return frame;
}

QLabel* addBackdrop(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    paintAllGroups(label, QPalette::Window, colour);
    label->setGeometry(geometry);
    return label;
}

void styleScoreView(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setFont(arialFont(9.75, true));
    paintAllGroups(view, QPalette::Base, QColor(150, 190, 180));
    paintAllGroups(view, QPalette::Text, QColor(0, 0, 64));
}

namespace {

class NoCurrentRowOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The view makes its first row current as it takes the focus: undone right after.
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, watched, [view = static_cast<QAbstractItemView*>(watched)] {
                if (!view->selectionModel()->hasSelection())
                    view->selectionModel()->clearCurrentIndex();
            });
        return false;
    }
};

} // namespace

void startWithoutCurrentRow(QAbstractItemView* view) { view->installEventFilter(new NoCurrentRowOnFocus(view)); }

QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, int leftTwips, int topTwips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAutoFillBackground(false);
    paintAllGroups(label, QPalette::WindowText, captionGrey);
    label->move(twips(leftTwips), twips(topTwips));
    label->adjustSize();
    return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(geometry);
    return button;
}

QScrollBar* addScrollBar(QWidget* parent, const QString& name, const QRect& geometry, int minimum, int maximum) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
    // A scroll bar reverses its keys by default, as a vertical one wants; this one rises
    // with Right and Up alike.
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setGeometry(geometry);
    return bar;
}

} // namespace kwintor
