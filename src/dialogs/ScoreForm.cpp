#include "dialogs/ScoreForm.h"

#include "dialogs/DialogParts.h"
#include "persistence/ScoreList.h"
#include "platform/Platform.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

namespace kwintor {

ScoreForm::ScoreForm(const ScoreList& scores, Dialogs& dialogs, QWidget* parent)
    : FormDialog(parent, tr(" Scorelijst"), twips(3300) - 6, twips(6300) - 31), m_dialogs(dialogs) {
    Form_Load(scores);
}

void ScoreForm::Form_Load(const ScoreList& scores) {
    QFrame* frame1 = addFrame1(*this, 3105, 5805);

    m_list1 = new QListWidget(frame1);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(tr("Scorelijst"));
    m_list1->setGeometry(twipsRect(105, 195, 2895, 4620));
    styleScoreView(m_list1);
    startWithoutCurrentRow(m_list1);

    // The list is kept in ascending order; the dialog shows the best score first.
    for (int i = scores.count() - 1; i >= 0; --i)
        m_list1->addItem(QString::fromStdString(scores.at(i)));

    // Counted once: the text stays as it is while entries are deleted.
    m_label2 =
        addCaption(frame1, QStringLiteral("Label2"), tr("%1 namen in de lijst").arg(m_list1->count()), 150, 4950);
    m_label2->setFont(sansFont(9.75));
    m_label2->adjustSize();

    addBackdrop(frame1, QStringLiteral("Label1"), twipsRect(105, 5340, 1800, 360), backdropDark);
    m_deleteKnop = addButton(frame1, QStringLiteral("DeleteKnop"), tr("Delete"), twipsRect(135, 5370, 750, 300));
    m_deleteAllKnop =
        addButton(frame1, QStringLiteral("DeleteAllKnop"), tr("Delete All"), twipsRect(885, 5370, 990, 300));
    addBackdrop(frame1, QStringLiteral("BackKnoppen"), twipsRect(2250, 5340, 750, 360), backdropDark);
    m_okKnop = addButton(frame1, QStringLiteral("OkKnop"), tr("Ok"), twipsRect(2280, 5370, 690, 300));

    connect(m_deleteKnop, &QPushButton::clicked, this, &ScoreForm::DeleteKnop_Click);
    connect(m_deleteAllKnop, &QPushButton::clicked, this, &ScoreForm::DeleteAllKnop_Click);
    connectButtons(m_okKnop, nullptr);

    setTabOrder(m_list1, m_okKnop);
    setTabOrder(m_okKnop, m_deleteKnop);
    setTabOrder(m_deleteKnop, m_deleteAllKnop);
    m_list1->setFocus();
}

void ScoreForm::DeleteKnop_Click() {
    if (m_list1->count() == 0)
        return;
    const QList<QListWidgetItem*> selected = m_list1->selectedItems();
    QListWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    QString name = item ? QString::fromStdString(std::string(entryName(item->text().toStdString()))) : QString();
    if (name.isEmpty())
        name = QStringLiteral("...");

    if (m_dialogs.messageBox(this, tr("Wilt u %1 verwijderen uit de lijst?").arg(name), Dialogs::Buttons::YesNo,
                             tr(" Delete")) != Dialogs::Answer::Yes)
        return;
    if (!item) {
        m_dialogs.messageBox(this, tr("Eerst een naam selecteren..."), Dialogs::Buttons::Ok, tr(" Foutje"));
        return;
    }

    const std::string text = item->text().toStdString();
    delete m_list1->takeItem(m_list1->row(item));
    m_removed.push_back(text); // equal entries are interchangeable
    m_list1->clearSelection();
}

void ScoreForm::DeleteAllKnop_Click() {
    if (m_list1->count() == 0)
        return;
    if (m_dialogs.messageBox(this, tr("Wilt u alle %1 namen verwijderen?").arg(m_list1->count()),
                             Dialogs::Buttons::YesNo, tr(" Delete All")) != Dialogs::Answer::Yes)
        return;
    m_list1->clear();
    m_removedAll = true;
}

} // namespace kwintor
