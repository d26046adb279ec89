#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace kwintor {

class Main;

// The score list dialog: the best score first, with deletion of one entry or of all. It shows
// a copy of the main window's score list and deletes from both at once; there is no undo.
class ScoreForm : public QDialog {
    Q_OBJECT
public:
    explicit ScoreForm(Main& main);

    void DeleteKnop_Click();
    void DeleteAllKnop_Click();
    void OkKnop_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    Main& m_main;
    QListWidget* m_list1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_deleteKnop = nullptr;
    QPushButton* m_deleteAllKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
