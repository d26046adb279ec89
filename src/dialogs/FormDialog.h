#pragma once

#include <QDialog>

class QColor;
class QPushButton;

namespace kwintor {

// What the program's modal dialogs share: the caption-less window of a fixed client size,
// centred on the screen, and the keys. Enter presses the focused button; Escape does nothing,
// so a dialog closes only through its buttons or the close box, which cancels.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(QWidget* parent, const QString& title, int clientWidth, int clientHeight);

protected:
    // OK accepts through OkKnop_Click(); Cancel (or no Cancel button, nullptr) rejects.
    void connectButtons(QPushButton* ok, QPushButton* cancel);
    // The Cancel and Ok buttons side by side at the foot of `frame`, on a backdrop of `backdrop`,
    // connected as connectButtons() does; made Cancel first. Each dialog sets its own focus order.
    struct OkCancel {
        QPushButton* cancel;
        QPushButton* ok;
    };
    OkCancel addOkCancel(QWidget* frame, const QColor& backdrop);
    virtual void OkKnop_Click() { accept(); }
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kwintor
