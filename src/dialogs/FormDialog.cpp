#include "dialogs/FormDialog.h"

#include "dialogs/DialogParts.h"
#include "widgets/Theme.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kwintor {

namespace {
// The outer size adds a fixed single border of 3 px on every side and a caption of 25 px.
constexpr int BorderPixels = 3;
constexpr int CaptionPixels = 25;
} // namespace

FormDialog::FormDialog(QWidget* parent, const QString& title, int clientWidth, int clientHeight) : QDialog(parent) {
    setWindowTitle(title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(sansFont(8.25));
    setFixedSize(clientWidth, clientHeight);
    centreOnScreen(*this, QSize(clientWidth + 2 * BorderPixels, clientHeight + 2 * BorderPixels + CaptionPixels));
}

void FormDialog::connectButtons(QPushButton* ok, QPushButton* cancel) {
    connect(ok, &QPushButton::clicked, this, [this] { OkKnop_Click(); });
    if (cancel)
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

FormDialog::OkCancel FormDialog::addOkCancel(QWidget* frame, const QColor& backdrop) {
    addBackdrop(frame, QStringLiteral("BackKnoppen"), twipsRect(3390, 2310, 1350, 360), backdrop);
    OkCancel buttons;
    buttons.cancel = addButton(frame, QStringLiteral("CancelKnop"), tr("Cancel"), twipsRect(3420, 2340, 690, 300));
    buttons.ok = addButton(frame, QStringLiteral("OkKnop"), tr("Ok"), twipsRect(4110, 2340, 600, 300));
    connectButtons(buttons.ok, buttons.cancel);
    return buttons;
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape: event->accept(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
            button->click();
            event->accept();
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kwintor
