#include "mainwindow/ScoreSheet.h"

#include "engine/Game.h"
#include "mainwindow/CellCursor.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SheetView.h"
#include "mainwindow/SpokenTexts.h"
#include "widgets/ClickLabel.h"
#include "widgets/Theme.h"
#include "widgets/Twips.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <tuple>

namespace kwintor {

namespace {

const QColor NameColour(70, 70, 120);
const QColor OnTurnColour(255, 255, 0);
const QColor CaptionColour(80, 80, 35);
const QColor CellColour(80, 0, 0);
const QColor TotalColour(192, 0, 0);
const QColor BonusColour(0, 64, 0);
const QColor HelpBackground(100, 100, 120);

struct Box {
    int left, top, width, height;
};

// Frame1..Frame12, in twips.
constexpr std::array<Box, 13> FrameBoxes{{
    {0, 0, 0, 0},
    {90, 0, 2400, 690},       // Frame1: player count
    {2580, 0, 8700, 690},     // Frame2: player names
    {90, 690, 2400, 2700},    // Frame3: captions of the upper rows
    {2580, 690, 8700, 2700},  // Frame4: the upper rows
    {90, 3390, 2400, 900},    // Frame5: captions of Totaal A and the bonus
    {2580, 3390, 8700, 900},  // Frame6: Totaal A and the bonus
    {90, 4290, 2400, 3000},   // Frame7: captions of the lower rows
    {2580, 4290, 8700, 3000}, // Frame8: the lower rows
    {90, 7290, 2400, 600},    // Frame9: caption of Totaal B
    {2580, 7290, 8700, 600},  // Frame10: Totaal B
    {90, 7890, 2400, 600},    // Frame11: caption of the grand total
    {2580, 7890, 8700, 600},  // Frame12: the grand total
}};

// The frame and the top (twips) of each row's cells.
struct RowPlace {
    int frame, top;
};
constexpr RowPlace rowPlace(int row) {
    if (isUpperRow(row))
        return {4, 240 + 390 * row};
    if (row == RowTotalA)
        return {6, 180};
    if (row == RowBonus)
        return {6, 510};
    if (isLowerRow(row))
        return {8, 240 + 390 * (row - RowDrieGelijke)};
    return {row == RowTotalB ? 10 : 12, 195};
}

constexpr int CellWidth = 750;
constexpr int CellHeight = 345;

QColor inkColour(Ink ink) {
    switch (ink) {
    case Ink::Name: return NameColour;
    case Ink::OnTurn: return OnTurnColour;
    case Ink::Total: return TotalColour;
    case Ink::Bonus: return BonusColour;
    case Ink::Cell: break;
    }
    return CellColour;
}

// The small system fonts the sheet was designed in are narrower than the sans family that
// stands in for them: narrow the font just enough for the widest of `lines` to fit. Each
// stretch loads a font of its own, so it is computed, and measured again only to be sure.
QFont narrowedToFit(QFont font, const QStringList& lines, int width) {
    auto widest = [&] {
        int most = 0;
        const QFontMetrics metrics(font);
        for (const QString& line : lines)
            most = std::max(most, metrics.horizontalAdvance(line));
        return most;
    };
    const int natural = widest();
    if (natural <= width)
        return font;
    for (int stretch = std::max(60, 100 * width / natural); stretch >= 60; stretch -= 2) {
        font.setStretch(stretch);
        if (widest() <= width)
            break;
    }
    return font;
}

QString indexed(const QString& name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& colour,
                 int left, int top) {
    auto* label = new ClickLabel(parent); // a disabled label is drawn in relief
    label->setText(text);
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    label->move(twips(left), twips(top));
    label->adjustSize();
    return label;
}

} // namespace

ScoreSheet::ScoreSheet(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ScoreSheet"));
    setGeometry(0, 0, twips(11370), twips(8490));
    addHelpPanel(); // first, so that it stands beneath the frames
    addFrames();
    addCaptions();
    addCells();
}

void ScoreSheet::addHelpPanel() {
    m_backHelp = new QLabel(this);
    m_backHelp->setObjectName(QStringLiteral("BackHelp"));
    m_backHelp->setGeometry(twipsRect(2580, 780, 8700, 3510));
    m_backHelp->setFrameStyle(QFrame::Box | QFrame::Plain);
    kwintor::setBackground(m_backHelp, HelpBackground);
    m_backHelp->hide();
    m_helpLabel = new QLabel(this);
    m_helpLabel->setObjectName(QStringLiteral("HelpLabel"));
    m_helpLabel->setTextFormat(Qt::PlainText);
    m_helpLabel->setGeometry(twipsRect(2670, 930, 8520, 3300));
    m_helpLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kwintor::setBackground(m_helpLabel, HelpBackground);
    setTextColour(m_helpLabel, QColor(230, 230, 220));
    m_helpLabel->hide();
}

void ScoreSheet::addFrames() {
    for (int f = 1; f <= 12; ++f) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("Frame%1").arg(f));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        const Box& box = FrameBoxes[f];
        frame->setGeometry(twipsRect(box.left, box.top, box.width, box.height));
        m_frames[f] = frame;
    }
}

void ScoreSheet::addCaptions() {
    const QFont bold = arialFont(12, true);
    m_label1 =
        addLabel(m_frames[1], QStringLiteral("Label1"), tr("Aantal spelers : 1"), bold, QColor(0, 0, 128), 150, 255);
    for (int p = 1; p <= MaxPlayers; ++p) {
        QLabel* name = addLabel(m_frames[2], indexed(QStringLiteral("SpelersLabel"), p), QString(), bold, NameColour,
                                180 + 1470 * (p - 1), 255);
        name->setTextFormat(Qt::PlainText); // a name is shown as typed, never as markup
        name->setAlignment(Qt::AlignCenter);
        m_spelersLabel[p] = name;
    }
    for (int r = RowEnen; r <= RowZessen; ++r)
        addLabel(m_frames[3], indexed(QStringLiteral("LabelB"), r), rowCaption(r), bold, CaptionColour, 150,
                 270 + 390 * r)
            ->setAlignment(Qt::AlignCenter);
    addLabel(m_frames[5], QStringLiteral("Label2"), tr("Totaal  A"), bold, TotalColour, 150, 210);
    const QString bonusCaption = tr("Bij 63 of meer 35 punten extra");
    addLabel(m_frames[5], QStringLiteral("Label3"), bonusCaption,
             narrowedToFit(sansFont(8.25), {bonusCaption}, twips(2400 - 150) - 8), QColor(64, 64, 64), 150, 600);
    for (int r = RowDrieGelijke; r <= RowKwintor; ++r) {
        const int i = r - RowDrieGelijke;
        addLabel(m_frames[7], indexed(QStringLiteral("LabelO"), i), rowCaption(r), bold, CaptionColour, 150,
                 270 + 390 * i)
            ->setToolTip(rowHint(r));
    }
    addLabel(m_frames[9], QStringLiteral("Label4"), tr("Totaal  B"), bold, TotalColour, 150, 210);
    addLabel(m_frames[11], QStringLiteral("Label5"), tr("Totaal  A + B"), bold, BonusColour, 150, 210);

    // Column separators, 810 twips right of each column's cells.
    for (int i = 1; i <= 5; ++i) {
        const int x = 1350 + 1470 * (i - 1);
        for (auto [frame, name, bottom] : {std::tuple{4, "LineA", 2580}, std::tuple{8, "LineB", 2880}}) {
            auto* line = new QWidget(m_frames[frame]);
            line->setObjectName(indexed(QLatin1String(name), i));
            line->setGeometry(twips(x), twips(240), 1, twips(bottom) - twips(240) + 1);
            kwintor::setBackground(line, QColor(120, 120, 120));
        }
    }
}

void ScoreSheet::addCells() {
    const QFont font = arialFont(14, true);
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int row = 0; row < CellCount; ++row) {
            const RowPlace place = rowPlace(row);
            auto* cell = new ClickLabel(m_frames[place.frame]);
            cell->setObjectName(indexed(QStringLiteral("SP%1").arg(p), row));
            cell->setText(QStringLiteral("0"));
            cell->setFont(font);
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setTextColour(cell, inkColour(cellInk(row)));
            cell->setGeometry(twipsRect(540 + 1470 * (p - 1), place.top, CellWidth, CellHeight));
            cell->onClick = [this, p, row] { emit cellClicked(p, row); };
            m_cells[p][row] = cell;
        }
    }
}

QLabel* ScoreSheet::cell(int player, int row) const { return m_cells[player][row]; }

void ScoreSheet::apply(const SheetView& view) {
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int row = 0; row < CellCount; ++row) {
            m_cells[p][row]->setText(view.cells[p][row].text);
            m_cells[p][row]->setEnabled(view.cells[p][row].enabled);
        }
        const NameView& name = view.names[p];
        QLabel* label = m_spelersLabel[p];
        label->setText(name.text);
        label->setAccessibleDescription(name.spokenDescription);
        label->setEnabled(name.enabled);
        QFont font = label->font();
        font.setUnderline(name.underlined);
        label->setFont(font);
        setTextColour(label, inkColour(name.ink));
        label->adjustSize();
    }
    m_label1->setText(view.playerCount);
    m_label1->adjustSize();
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int row = 0; row < CellCount; ++row) {
            const CellView& shown = view.cells[p][row];
            ClickLabel* cell = m_cells[p][row];
            QColor colour = inkColour(shown.ink);
            colour.setAlpha(shown.faint ? 100 : 255);
            // Every cell has had a text colour of its own from the start; one that stays needs
            // no new palette.
            if (cell->palette().color(QPalette::Active, QPalette::WindowText) != colour)
                setTextColour(cell, colour);
            cell->setToolTip(shown.toolTip);
            setSpokenName(*cell, shown.spokenName);
            setOutOfPlay(*cell, shown.outOfPlay);
        }
        setSpokenName(*m_spelersLabel[p], view.names[p].spokenName);
        setOutOfPlay(*m_spelersLabel[p], view.names[p].outOfPlay);
    }
    if (m_cursorPlayer != 0 && !view.cells[m_cursorPlayer][m_cursorRow].choosable)
        clearCellCursor();
    setAdviceMark(view.markedPlayer, view.markedRow);
}

void ScoreSheet::setHelpShown(bool shown) {
    m_frames[4]->setVisible(!shown);
    m_frames[6]->setVisible(!shown);
    m_backHelp->setVisible(shown);
    if (shown && m_helpLabel->text().isEmpty()) {
        const QString text = helpText();
        m_helpLabel->setFont(
            narrowedToFit(sansFont(9.75), text.split(QStringLiteral("\r\n")), m_helpLabel->width() - 8));
        m_helpLabel->setText(text);
    }
    m_helpLabel->setVisible(shown);
}

bool ScoreSheet::helpShown() const { return !m_helpLabel->isHidden(); }

void ScoreSheet::setAdviceMark(int player, int row) {
    m_markedRow = row;
    if (row < 0 || player < 1 || player > MaxPlayers) {
        if (m_mark)
            m_mark->hide();
        return;
    }
    QLabel* target = m_cells[player][row];
    if (!m_mark || m_mark->parentWidget() != target->parentWidget()) {
        delete m_mark;
        m_mark = new AdviceMark(target->parentWidget());
        m_mark->setObjectName(QStringLiteral("AdviesCel"));
    }
    m_mark->move(target->x() - AdviceMark::Size - 2, target->y() + (target->height() - AdviceMark::Size) / 2);
    m_mark->show();
    m_mark->raise();
}

void ScoreSheet::setCellCursor(int player, int row) {
    if (!m_cursor)
        m_cursor = new CellCursor(this);
    QLabel* target = m_cells[player][row];
    m_cursor->setParent(target->parentWidget());
    m_cursor->setGeometry(target->geometry().adjusted(-3, -2, 3, 2));
    m_cursor->show();
    m_cursor->raise();
    m_cursorPlayer = player;
    m_cursorRow = row;
    // A screen reader follows the cursor as it would the focus.
    QAccessibleEvent event(target, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void ScoreSheet::clearCellCursor() {
    if (m_cursor)
        m_cursor->hide();
    m_cursorPlayer = 0;
    m_cursorRow = 0;
}

} // namespace kwintor
