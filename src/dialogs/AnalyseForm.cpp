#include "dialogs/AnalyseForm.h"

#include "dialogs/ChanceChart.h"
#include "dialogs/CostChart.h"
#include "dialogs/DialogParts.h"
#include "dialogs/KindWords.h"
#include "dialogs/UitslagForm.h"
#include "persistence/FileAccess.h"
#include "platform/Platform.h"
#include "resources/Plaatjes.h"
#include "widgets/RowWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace kwintor {

namespace {

constexpr int DieSize = 22; // the dice of a costly decision, in pixels

QString diceText(const Decision& d, unsigned holds) {
    QStringList faces;
    for (int i = 0; i < DiceCount; ++i)
        if (holds >> i & 1)
            faces << QString::number(d.dice[i]);
    return faces.join(u' ');
}

// What the player did, and what was better: "Hield 6 6 vast", "Gooide alles opnieuw", "Koos Kans".
QString didText(const Decision& d) {
    if (d.kind == Decision::Kind::Place)
        return QCoreApplication::translate("kwintor::AnalyseForm", "Koos %1").arg(categoryName(d.row));
    return d.holds == 0
               ? QCoreApplication::translate("kwintor::AnalyseForm", "Gooide alles opnieuw")
               : QCoreApplication::translate("kwintor::AnalyseForm", "Hield %1 vast").arg(diceText(d, d.holds));
}

QString betterText(const Decision& best) {
    if (best.kind == Decision::Kind::Place)
        return categoryName(best.row);
    return best.holds == 0
               ? QCoreApplication::translate("kwintor::AnalyseForm", "alles opnieuw gooien")
               : QCoreApplication::translate("kwintor::AnalyseForm", "%1 vasthouden").arg(diceText(best, best.holds));
}

QString shareText(const PlayerReview& r) {
    const int percent = r.decisions > 0 ? (200 * r.bestDecisions + r.decisions) / (2 * r.decisions) : 0;
    return QCoreApplication::translate("kwintor::AnalyseForm", "%1 van de %2 keuzes waren de beste (%3 %).")
        .arg(r.bestDecisions)
        .arg(r.decisions)
        .arg(percent);
}

// What a move is, in the table and in the file: the category placed in, or "vast: 3 3 5" ("vast:
// niets" when no die is held).
QString moveText(const Decision& move) {
    if (move.kind == Decision::Kind::Place)
        return categoryName(move.row);
    return move.holds == 0
               ? QCoreApplication::translate("kwintor::AnalyseForm", "vast: niets")
               : QCoreApplication::translate("kwintor::AnalyseForm", "vast: %1").arg(diceText(move, move.holds));
}

} // namespace

AnalyseForm::AnalyseForm(PlayedGame game, int diceColour, Dialogs& dialogs, QWidget* parent)
    : FormDialog(parent, tr(" Analyse"), twips(12000), twips(8400)), m_game(std::move(game)), m_diceColour(diceColour),
      m_dialogs(dialogs) {
    Form_Load();
}

void AnalyseForm::Form_Load() {
    QFrame* frame1 = addFrame1(*this, 11805, 8310);

    auto* uitleg = new QLabel(tr("De adviseur kiest steeds de zet met het hoogste verwachte eindtotaal van "
                                 "de eigen kolom; wat een keuze minder opleverde dan die zet, kostte punten."),
                              frame1);
    uitleg->setObjectName(QStringLiteral("Uitleg"));
    uitleg->setWordWrap(true);
    uitleg->setGeometry(twipsRect(105, 120, 11595, 420));

    m_wachtLabel = new QLabel(tr("De tabel van de adviseur wordt nog gemaakt. De analyse verschijnt zodra "
                                 "die klaar is."),
                              frame1);
    m_wachtLabel->setObjectName(QStringLiteral("WachtLabel"));
    m_wachtLabel->setFont(sansFont(9.75, true));
    m_wachtLabel->setWordWrap(true);
    m_wachtLabel->setGeometry(twipsRect(105, 600, 11595, 600));

    m_samenvatting = new QLabel(frame1);
    m_samenvatting->setObjectName(QStringLiteral("Samenvatting"));
    m_samenvatting->setFont(sansFont(8.25, true));
    m_samenvatting->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_samenvatting->setTextFormat(Qt::PlainText);
    m_samenvatting->setGeometry(twipsRect(105, 600, 11595, 1560));
    m_samenvatting->hide();

    m_spelers = new QTabWidget(frame1);
    m_spelers->setObjectName(QStringLiteral("Spelers"));
    m_spelers->setGeometry(twipsRect(105, 2220, 11595, 5460));
    m_spelers->hide();

    addBackdrop(frame1, QStringLiteral("BackKnoppen"), twipsRect(9240, 7800, 2460, 360), backdropDark);
    m_opslaanKnop =
        addButton(frame1, QStringLiteral("OpslaanKnop"), tr("Opslaan..."), twipsRect(9270, 7830, 1320, 300));
    m_okKnop = addButton(frame1, QStringLiteral("OkKnop"), tr("Ok"), twipsRect(10650, 7830, 1020, 300));
    m_opslaanKnop->setEnabled(false);
    connect(m_opslaanKnop, &QPushButton::clicked, this, &AnalyseForm::OpslaanKnop_Click);
    connectButtons(m_okKnop, nullptr);
    m_okKnop->setFocus();
}

void AnalyseForm::setTable(const ValueTable& table) {
    m_review = GameReview(table, m_game.decisions);
    m_ready = true;
    m_wachtLabel->hide();

    QStringList lines;
    for (const PlayerReview& r : m_review.players())
        lines << tr("%1: %2 punten verloren in %3 keuzes")
                     .arg(QString::fromStdString(m_game.state.SpelerNaam[r.player]), pointsText(r.cost))
                     .arg(r.decisions);
    if (lines.isEmpty())
        lines << tr("In dit spel is nog geen keuze gemaakt.");
    m_samenvatting->setText(lines.join(u'\n'));
    m_samenvatting->setAccessibleName(lines.join(QStringLiteral(". ")));
    m_samenvatting->show();

    for (const PlayerReview& r : m_review.players())
        m_spelers->addTab(playerPage(r), QString::fromStdString(m_game.state.SpelerNaam[r.player]));
    m_spelers->setVisible(m_spelers->count() > 0);
    m_opslaanKnop->setEnabled(true);
    setTabOrder(m_spelers, m_opslaanKnop);
    setTabOrder(m_opslaanKnop, m_okKnop);
}

QWidget* AnalyseForm::playerPage(const PlayerReview& r) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Speler(%1)").arg(r.player));

    auto* list = new QTreeWidget(page);
    list->setObjectName(QStringLiteral("Keuzes"));
    list->setGeometry(6, 6, 466, 322);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({tr("Beurt"), tr("Worp"), tr("Stenen"), tr("Gekozen"), tr("Verwacht"), tr("Beste keuze"),
                           tr("Beste verwacht"), tr("Kosten")});
    const int widths[] = {34, 30, 58, 76, 52, 76, 80, 40};
    for (int c = 0; c < 8; ++c)
        list->header()->resizeSection(c, widths[c]);
    list->setAccessibleName(tr("Alle keuzes van %1").arg(QString::fromStdString(m_game.state.SpelerNaam[r.player])));
    for (const WeighedDecision& w : m_review.decisions()) {
        const Decision& d = w.decision;
        if (d.player != r.player)
            continue;
        QStringList dice;
        for (int die : d.dice)
            dice << QString::number(die);
        auto* item = new QTreeWidgetItem(
            list, {QString::number(d.turn), QString::number(d.throwNumber), dice.join(u' '), moveText(d),
                   w.weighed ? pointsText(w.made) : QStringLiteral("-"), moveText(w.best),
                   w.weighed ? pointsText(w.bestExpected) : QStringLiteral("-"), pointsText(w.cost)});
        for (int c : {0, 1, 4, 6, 7})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }

    constexpr int Right = 478, RightWidth = 276;
    const QString level = levelText(m_game.kinds[r.player]);
    auto* share = new QLabel(
        (level.isEmpty() ? QString() : level.left(1).toUpper() + level.mid(1) + QStringLiteral(". ")) + shareText(r),
        page);
    share->setObjectName(QStringLiteral("Beste"));
    share->setGeometry(Right, 6, RightWidth, 16);

    auto* caption = new QLabel(r.costliest.empty() ? tr("Geen keuze kostte punten.") : tr("De duurste keuzes:"), page);
    caption->setObjectName(QStringLiteral("DuursteKop"));
    caption->setFont(sansFont(8.25, true));
    caption->setGeometry(Right, 26, RightWidth, 16);

    // Each: the dice as they lay, with the turn and throw beside them, and below what was done
    // and what was better.
    const Plaatjes& plaatjes = Plaatjes::instance();
    for (int k = 0; k < static_cast<int>(r.costliest.size()); ++k) {
        const WeighedDecision& w = m_review.decisions()[static_cast<std::size_t>(r.costliest[k])];
        const int top = 44 + k * 62;
        for (int i = 0; i < DiceCount; ++i) {
            auto* die = new QLabel(page);
            die->setObjectName(QStringLiteral("Duurste(%1)Steen(%2)").arg(k + 1).arg(i + 1));
            die->setPixmap(
                QPixmap::fromImage(plaatjes.Img(m_diceColour + w.decision.dice[i])
                                       .scaled(DieSize, DieSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
            die->setGeometry(Right + i * (DieSize + 3), top, DieSize, DieSize);
            die->setAccessibleName(QString::number(w.decision.dice[i]));
        }
        auto* when = new QLabel(tr("Beurt %1, worp %2").arg(w.decision.turn).arg(w.decision.throwNumber), page);
        when->setObjectName(QStringLiteral("Duurste(%1)Wanneer").arg(k + 1));
        when->setFont(sansFont(8.25, true));
        when->setGeometry(Right + 5 * (DieSize + 3) + 4, top, RightWidth - 5 * (DieSize + 3) - 4, DieSize);
        auto* text = new QLabel(page);
        text->setObjectName(QStringLiteral("Duurste(%1)").arg(k + 1));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setText(tr("%1 (verwacht %2); beter was %3 (%4): %5 punten verloren.")
                          .arg(didText(w.decision), pointsText(w.made), betterText(w.best), pointsText(w.bestExpected),
                               pointsText(w.cost)));
        text->setGeometry(Right, top + DieSize + 1, RightWidth, 36);
        text->setAccessibleName(when->text() + QStringLiteral(". ") + text->text());
    }

    auto* chart = new CostChart(CostChart::Kind::Bars, page);
    chart->setObjectName(QStringLiteral("Grafiek"));
    chart->setGeometry(Right, 232, RightWidth, 96);
    chart->setValues(std::vector<double>(r.costPerTurn.begin(), r.costPerTurn.end()), tr("Punten verloren per beurt"),
                     tr("Beurt"));
    return page;
}

std::string AnalyseForm::csv() const {
    const QString header = tr("speler,beurt,worp,steen 1,steen 2,steen 3,steen 4,steen 5,gekozen,beste keuze,"
                              "verwacht gekozen,verwacht beste,kosten");
    return reviewCsv(m_review, m_game.state.SpelerNaam, header.toStdString(),
                     [](const Decision& move) { return moveText(move).toStdString(); });
}

void AnalyseForm::setChances(const QStringList& names, const std::vector<std::vector<double>>& steps, bool complete) {
    if (!m_chanceChart) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("Winkans"));
        m_chanceStatus = new QLabel(page);
        m_chanceStatus->setObjectName(QStringLiteral("WinkansStatus"));
        m_chanceStatus->setGeometry(6, 4, 754, 16);
        m_chanceChart = new ChanceChart(page);
        m_chanceChart->setObjectName(QStringLiteral("WinkansGrafiek"));
        m_chanceChart->setFocusPolicy(Qt::TabFocus);
        m_chanceChart->setGeometry(6, 22, 754, 306);
        m_spelers->addTab(page, tr("Winkans"));
    }
    m_chanceChart->setValues(names, steps, tr("Winkans na elke zet"), tr("Zet"), 0);
    m_chanceStatus->setText(complete ? tr("Zet 0 is het begin van het spel; na elke zet de kans op winst van iedere "
                                          "speler, als iedereen vanaf daar speelt zoals Sterk.")
                                     : tr("Wordt berekend..."));
}

void AnalyseForm::OpslaanKnop_Click() {
    if (!m_ready)
        return;
    const QString path = m_dialogs.saveFileName(
        this, tr(" Analyse opslaan"), QDir::homePath() + QStringLiteral("/Analyse.csv"), tr("CSV-bestanden (*.csv)"));
    if (path.isEmpty())
        return;
    if (!writeFileAtomically(QFile::encodeName(path).toStdString(), csv()))
        m_dialogs.messageBox(this, tr("Kon de analyse niet opslaan in\r\n%1").arg(QDir::toNativeSeparators(path)),
                             Dialogs::Buttons::Ok, tr(" Analyse"));
}

} // namespace kwintor
