#pragma once

#include "dialogs/FormDialog.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace kwintor {

class Dialogs;
class ScoreList;

// The score list dialog: the best score first, with deletion of one entry or of all; there is
// no undo. removed() and removedAll() tell the deletions once it closes.
class ScoreForm : public FormDialog {
    Q_OBJECT
public:
    ScoreForm(const ScoreList& scores, Dialogs& dialogs, QWidget* parent = nullptr);

    const std::vector<std::string>& removed() const { return m_removed; }
    bool removedAll() const { return m_removedAll; }

    void DeleteKnop_Click();
    void DeleteAllKnop_Click();

private:
    void Form_Load(const ScoreList& scores);

    Dialogs& m_dialogs;
    std::vector<std::string> m_removed;
    bool m_removedAll = false;
    QListWidget* m_list1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_deleteKnop = nullptr;
    QPushButton* m_deleteAllKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
