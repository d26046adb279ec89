#include "dialogs/DialogParts.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace kwintor {

namespace {

// The outer size adds a fixed single border of 3 px on every side and a caption of 25 px.
constexpr int BorderPixels = 3;
constexpr int CaptionPixels = 25;

QFont font(const QString& family, double points, bool bold) { return sheetFont(family, points, bold); }

void paintAllGroups(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    palette.setColor(QPalette::Disabled, role, colour);
    widget->setPalette(palette);
}

} // namespace

QFont sansFont(double points, bool bold) { return font(QStringLiteral("MS Sans Serif"), points, bold); }

QFont arialFont(double points, bool bold) { return font(QStringLiteral("Arial"), points, bold); }

void setUpDialogWindow(QDialog& dialog, const QString& title, int clientWidth, int clientHeight) {
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setModal(true);
    dialog.setFont(sansFont(8.25));
    dialog.setFixedSize(clientWidth, clientHeight);

    // Centred on the screen, not on the main window.
    const QWidget* owner = dialog.parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const int outerWidth = clientWidth + 2 * BorderPixels;
        const int outerHeight = clientHeight + 2 * BorderPixels + CaptionPixels;
        dialog.move(available.center() - QPoint(outerWidth / 2, outerHeight / 2));
    }
}

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
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setGeometry(geometry);
    return bar;
}

bool handleDialogKey(QKeyEvent* event, QWidget* focus) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focus); button && button->isEnabled()) {
            button->click();
            event->accept();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace kwintor
