#include "dialogs/UitslagForm.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KindWords.h"
#include "review/FinalOrder.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

namespace kwintor {

namespace {

QString shownName(const GameState& state, const PlayerKinds& kinds, int player) {
    const QString name = QString::fromStdString(state.SpelerNaam[player]);
    const QString level = levelText(kinds[player]);
    return level.isEmpty() ? name : name + QStringLiteral(" (") + level + u')';
}

int totalA(const GameState& state, int player) {
    return state.TotaalA[player] + (state.BonusGegeven[player] ? BonusPoints : 0);
}

QString namesJoined(const QStringList& names) {
    if (names.size() < 2)
        return names.value(0);
    return QStringList(names.mid(0, names.size() - 1)).join(QStringLiteral(", ")) + UitslagForm::tr(" en ") +
           names.last();
}

} // namespace

UitslagForm::UitslagForm(const GameState& state, const PlayerKinds& kinds, QWidget* parent)
    : FormDialog(parent, tr(" Uitslag"), twips(6900) - 6, twips(4200) - 31) {
    Form_Load(state, kinds);
}

void UitslagForm::Form_Load(const GameState& state, const PlayerKinds& kinds) {
    QFrame* frame1 = addFrame1(*this, 6705, 3705);
    const std::vector<Standing> order = finalOrder(state);
    const bool alone = order.size() == 1;

    QStringList first;
    for (const Standing& s : order)
        if (s.place == 1)
            first << shownName(state, kinds, s.player);
    const int best = state.TotaalAB[order.front().player];
    QString heading;
    if (alone)
        heading = tr("%1: %2 punten.").arg(first.front()).arg(best);
    else if (first.size() == 1)
        heading = tr("%1 wint met %2 punten.").arg(first.front()).arg(best);
    else
        heading = tr("%1 delen de eerste plaats met %2 punten.").arg(namesJoined(first)).arg(best);

    m_kop = new QLabel(heading, frame1);
    m_kop->setObjectName(QStringLiteral("Kop"));
    m_kop->setFont(sansFont(9.75, true));
    m_kop->setWordWrap(true);
    m_kop->setGeometry(twipsRect(105, 120, 6495, 420));

    m_list1 = new QTreeWidget(frame1);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsRect(105, 600, 6495, 2400));
    m_list1->setRootIsDecorated(false);
    m_list1->setItemsExpandable(false);
    m_list1->setUniformRowHeights(true);
    styleScoreView(m_list1);
    m_list1->setHeaderLabels({tr("Plaats"), tr("Naam"), tr("Totaal A"), tr("Totaal B"), tr("Totaal")});
    m_list1->header()->setSectionsMovable(false);
    m_list1->header()->resizeSection(Plaats, 50);
    m_list1->header()->resizeSection(Naam, 200);
    for (int c = TotaalA; c < ColumnCount; ++c)
        m_list1->header()->resizeSection(c, 60);
    m_list1->setColumnHidden(Plaats, alone);

    QStringList spoken{heading};
    for (const Standing& s : order) {
        const QString name = shownName(state, kinds, s.player);
        const int a = totalA(state, s.player), b = state.TotaalB[s.player], total = state.TotaalAB[s.player];
        auto* item = new QTreeWidgetItem(
            m_list1, {QString::number(s.place), name, QString::number(a), QString::number(b), QString::number(total)});
        for (int c = TotaalA; c < ColumnCount; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        spoken << (alone ? QString() : tr("%1e plaats: ").arg(s.place)) +
                      tr("%1, Totaal A %2, Totaal B %3, Totaal %4.").arg(name).arg(a).arg(b).arg(total);
    }
    m_spoken = spoken.join(u' ');
    m_list1->setAccessibleName(tr("Uitslag"));
    m_list1->setAccessibleDescription(m_spoken);
    setAccessibleDescription(m_spoken);

    addBackdrop(frame1, QStringLiteral("BackKnoppen"), twipsRect(3330, 3180, 3270, 360), backdropDark);
    m_analyseKnop = addButton(frame1, QStringLiteral("AnalyseKnop"), tr("Analyse"), twipsRect(3360, 3210, 1020, 300));
    m_nieuwKnop = addButton(frame1, QStringLiteral("NieuwKnop"), tr("Nieuw spel"), twipsRect(4440, 3210, 1260, 300));
    m_okKnop = addButton(frame1, QStringLiteral("OkKnop"), tr("Ok"), twipsRect(5760, 3210, 810, 300));
    connect(m_analyseKnop, &QPushButton::clicked, this, [this] { close(Choice::Analyse); });
    connect(m_nieuwKnop, &QPushButton::clicked, this, [this] { close(Choice::NieuwSpel); });
    connect(m_okKnop, &QPushButton::clicked, this, [this] { close(Choice::Ok); });

    setTabOrder(m_list1, m_analyseKnop);
    setTabOrder(m_analyseKnop, m_nieuwKnop);
    setTabOrder(m_nieuwKnop, m_okKnop);
    m_list1->setFocus();
}

void UitslagForm::close(Choice choice) {
    m_choice = choice;
    accept();
}

// Return is Ok wherever the focus is; Space presses the button that has it.
void UitslagForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_okKnop->click();
        event->accept();
        return;
    }
    FormDialog::keyPressEvent(event);
}

} // namespace kwintor
