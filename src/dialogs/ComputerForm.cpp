#include "dialogs/ComputerForm.h"

#include "dialogs/DialogParts.h"
#include "dialogs/KindWords.h"
#include "widgets/Speaker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace kwintor {

namespace {

// Room for the name left of the choice; a longer name is cut short with an ellipsis.
constexpr int NameWidthTwips = 2250;

} // namespace

ComputerForm::ComputerForm(int count, const PlayerNames& names, const PlayerKinds& kinds, QWidget* parent)
    : FormDialog(parent, tr(" Computerspelers"), twips(5100) - 6, twips(3315) - 31),
      m_count(std::clamp(count, 1, MaxPlayers)), m_kinds(kinds) {
    Form_Load(names);
}

void ComputerForm::Form_Load(const PlayerNames& names) {
    QFrame* frame1 = addFrame1(*this, 4905, 2820);
    m_speaker = new Speaker(frame1);

    for (int i = 1; i <= MaxPlayers; ++i) {
        const int top = 240 + 300 * (i - 1);
        QLabel* naam = addCaption(frame1, QStringLiteral("Naam(%1)").arg(i), QString(), 150, top + 30);
        // A name is whatever the player typed, markup included, so it is never read as rich text.
        naam->setTextFormat(Qt::PlainText);
        const QString full = QString::fromStdString(names[i]);
        // The label names the choice for a screen reader (its buddy), which makes "&" mark a
        // shortcut letter: doubled, it shows as typed.
        const QString elided = naam->fontMetrics().elidedText(full, Qt::ElideRight, twips(NameWidthTwips));
        naam->setText(QString(elided).replace(u'&', QStringLiteral("&&")));
        if (elided != full)
            naam->setToolTip(full);
        naam->adjustSize();
        m_naam[i] = naam;

        auto* soort = new QComboBox(frame1);
        soort->setObjectName(QStringLiteral("Soort(%1)").arg(i));
        for (int kind = 0; kind < PlayerKindCount; ++kind)
            soort->addItem(kindChoiceText(PlayerKind(kind)));
        soort->setCurrentIndex(int(m_kinds[i]));
        soort->setGeometry(twipsRect(2490, top, 2250, 285));
        soort->setAccessibleName(full.isEmpty() ? tr("Speler %1").arg(i) : full);
        naam->setBuddy(soort); // a screen reader names a choice by the label that belongs to it
        connect(soort, &QComboBox::currentIndexChanged, this, [this, soort](int kind) {
            m_speaker->say(soort->accessibleName() + QStringLiteral(": ") + kindChoiceText(playerKindOf(kind)));
        });
        m_soort[i] = soort;

        const bool inPlay = i <= m_count;
        naam->setVisible(inPlay);
        soort->setVisible(inPlay);
        soort->setEnabled(inPlay);
    }

    const OkCancel buttons = addOkCancel(frame1, backdropDark);
    m_cancelKnop = buttons.cancel;
    m_okKnop = buttons.ok;

    for (int i = 1; i < MaxPlayers; ++i)
        setTabOrder(m_soort[i], m_soort[i + 1]);
    setTabOrder(m_soort[MaxPlayers], m_okKnop);
    setTabOrder(m_okKnop, m_cancelKnop);
    m_soort[1]->setFocus();
}

void ComputerForm::OkKnop_Click() {
    for (int i = 1; i <= m_count; ++i)
        m_kinds[i] = playerKindOf(m_soort[i]->currentIndex());
    accept();
}

void ComputerForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        reject();
        return;
    }
    FormDialog::keyPressEvent(event);
}

} // namespace kwintor
