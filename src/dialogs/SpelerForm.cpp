#include "dialogs/SpelerForm.h"

#include "dialogs/DialogParts.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace kwintor {

namespace {

// Name box i is tinted from olive (i = 1) to bright yellow (i = 6).
QColor nameBoxColour(int i) { return {150 + 15 * i, 130 + 20 * i, 0}; }

QString countText(int players) {
    return players == 1 ? SpelerForm::tr("%1 Speler").arg(players) : SpelerForm::tr("%1 Spelers").arg(players);
}

} // namespace

SpelerForm::SpelerForm(int count, const PlayerNames& names, QWidget* parent)
    : FormDialog(parent, tr(" Spelers"), twips(5100) - 6, twips(3315) - 31), m_count(count), m_names(names) {
    Form_Load();
}

void SpelerForm::Form_Load() {
    QFrame* frame1 = addFrame1(*this, 4905, 2820);

    for (int i = 1; i <= MaxPlayers; ++i) {
        const int top = 240 + 300 * (i - 1);
        auto* box = new QLineEdit(frame1);
        box->setObjectName(QStringLiteral("Tsp(%1)").arg(i));
        box->setGeometry(twipsRect(150, top, 2400, 285));
        QPalette palette = box->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Base, nameBoxColour(i));
        // A disabled box keeps showing its name, readable on the yellow.
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
        box->setPalette(palette);
        box->setText(QString::fromStdString(m_names[i]));
        box->setToolTip(tr(" Dubbelklik is nieuw "));
        box->installEventFilter(this);
        box->setAccessibleName(tr("Naam speler %1").arg(i));
        m_tsp[i] = box;
        m_lsp[i] = addCaption(frame1, QStringLiteral("Lsp(%1)").arg(i), tr("Naam speler %1").arg(i), 2610, top + 30);
        m_lsp[i]->setBuddy(box);
    }

    addBackdrop(frame1, QStringLiteral("Label1"), twipsRect(150, 2310, 1500, 330), backdropBlack);
    m_hScroll1 = addScrollBar(frame1, QStringLiteral("HScroll1"), twipsRect(180, 2340, 1440, 270), 1, MaxPlayers);
    m_hScroll1->setAccessibleName(tr("Aantal spelers"));
    m_label2 = addCaption(frame1, QStringLiteral("Label2"), countText(1), 1740, 2370);

    const OkCancel buttons = addOkCancel(frame1, backdropDark);
    m_cancelKnop = buttons.cancel;
    m_okKnop = buttons.ok;

    connect(m_hScroll1, &QScrollBar::valueChanged, this, &SpelerForm::HScroll1_Change);

    setTabOrder(m_cancelKnop, m_okKnop);
    setTabOrder(m_okKnop, m_hScroll1);
    setTabOrder(m_hScroll1, m_tsp[1]);
    for (int i = 1; i < MaxPlayers; ++i)
        setTabOrder(m_tsp[i], m_tsp[i + 1]);
    m_cancelKnop->setFocus();

    // The bar starts at 1, so setting it to 1 reports nothing: run the change step for every count.
    const int players = std::clamp(m_count, 1, MaxPlayers);
    m_hScroll1->blockSignals(true);
    m_hScroll1->setValue(players);
    m_hScroll1->blockSignals(false);
    HScroll1_Change(players);
}

void SpelerForm::HScroll1_Change(int value) {
    m_label2->setText(countText(value));
    m_label2->adjustSize();
    for (int i = 1; i <= MaxPlayers; ++i)
        m_tsp[i]->setEnabled(i <= value);
}

void SpelerForm::Tsp_DblClick(int index) {
    if (index >= 1 && index <= MaxPlayers && m_tsp[index]->isEnabled())
        m_tsp[index]->clear();
}

void SpelerForm::OkKnop_Click() {
    m_count = m_hScroll1->value();
    for (int i = 1; i <= m_count; ++i)
        m_names[i] = m_tsp[i]->text().toStdString();
    accept();
}

bool SpelerForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 1; i <= MaxPlayers; ++i) {
            if (watched == m_tsp[i]) {
                Tsp_DblClick(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kwintor
