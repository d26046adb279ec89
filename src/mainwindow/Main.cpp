#include "mainwindow/Main.h"

#include "mainwindow/Announcer.h"
#include "mainwindow/ClockFrame.h"
#include "mainwindow/Coach.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/FormPrinter.h"
#include "mainwindow/GameEnd.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/KeyboardControl.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SheetView.h"
#include "mainwindow/SpokenTexts.h"
#include "mainwindow/WinChanceWatch.h"
#include "persistence/ScoreList.h"
#include "platform/Links.h"
#include "platform/Platform.h"
#include "resources/Plaatjes.h"
#include "widgets/Theme.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kwintor {

namespace {
constexpr int ClientWidth = 854;  // 12900 twips less a single border
constexpr int ClientHeight = 573; // 9360 twips less border, caption and menu bar
constexpr int MenuBarHeight = 20; // at least; a larger interface font makes it taller
} // namespace

Main::Main(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform), m_files(platform) {
    Form_Load();
}

Main::~Main() = default;

bool Main::closing() const { return m_flow->stopped(); }

QString Main::keptGameSummary(const GameState& state) {
    QStringList names;
    for (int p = 1; p <= state.AantalSpelers; ++p) {
        const QString name = QString::fromStdString(state.SpelerNaam[p]);
        names << (name.isEmpty() ? defaultPlayerName(p) : name);
    }
    const int onTurn = std::clamp(state.AanDeBeurt, 1, int(state.AantalSpelers));
    int placed = 0;
    for (int row = 0; row < CellCount; ++row)
        placed += isCategoryRow(row) && state.cells[onTurn][row].scored;
    return tr("Spelers: %1\r\nRonde %2 van %3; %4 is aan de beurt.")
        .arg(names.join(QStringLiteral(", ")))
        .arg(std::min(placed + 1, CategoryCount))
        .arg(CategoryCount)
        .arg(names[onTurn - 1]);
}

void Main::Form_Load() {
    setWindowTitle(tr(" Kwintor"));
    // The icon is drawn in seven sizes; the first frame does not need it.
    Plaatjes::setWindowIconAfterFirstFrame(*this);
    m_flow = new GameFlow(m_platform, m_platform, m_platform, m_files, this);
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    m_actions = buildMenus(*bar, *this);
    // The bar is as tall as its font needs: a bar too low for its titles folds them all into
    // its overflow button. The window grows by the difference; the sheet below keeps its size.
    bar->setFixedHeight(std::max(MenuBarHeight, bar->sizeHint().height()));
    layOut();
    follow();
    m_announcer = new Announcer(m_tray);
    m_winChance = new WinChanceWatch(*m_flow, *m_coach, *m_announcer, *this);
    auto* keys = new KeyboardControl(*this, *m_flow, *m_sheet, *m_announcer);
    keys->setTurnSupplement([this] { return m_winChance->spokenChances(); });
    setFixedSize(ClientWidth, ClientHeight + menuBar()->minimumHeight());
    centreOnScreen(*this, size());

    // The game starts with one player, "Speler 1".."Speler 6" and the default colours;
    // then the score list and the settings are read, and the colour is applied.
    m_files.load();
    m_offers = m_files.keptGames();
    m_flow->setKeeping(m_offers.empty());
    mirror();
    applySettings(m_files.settings());
    m_tray->showDice(m_flow->state());                 // blank until the first throw, corners in the stored colour
    QTimer::singleShot(0, this, &Main::offerKeptGame); // once the window stands
    KlokTimer_Timer();

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &Main::commitData);
    // The program is told to quit without its window closing first: keep all as at the exit.
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] { sessionEnds(false); });
}

void Main::layOut() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    m_sheet = new ScoreSheet(client);
    connect(m_sheet, &ScoreSheet::cellClicked, this, &Main::SP_Click);
    m_tray = new DiceTray(client);
    connect(m_tray, &DiceTray::dieClicked, this, &Main::DobbelsteenPic_Click);
    connect(m_tray, &DiceTray::throwClicked, this, &Main::SchudKnop_Click);
    m_schudKnop = &m_tray->throwButton();
    m_schudKnop->setFocus();
    m_clock = new ClockFrame(client, [this] { KlokTimer_Timer(); });
    m_coach = new Coach(m_files.adviceTablePath(), this);
    connect(m_coach, &Coach::tableReady, this, &Main::redraw);
    m_computers = new ComputerPlayers(*m_flow, *m_coach);
    m_end = new GameEnd(*m_flow, *m_coach, m_files, m_platform, m_platform, *this);
}

// What the game's flow tells, drawn: the throw frame by frame (the tray follows it), the focus
// back on the throw button after a placement, the refusals, and the end of a player's game.
void Main::follow() {
    connect(m_flow, &GameFlow::changed, this, &Main::mirror);
    m_tray->follow(*m_flow);
    connect(m_flow, &GameFlow::placed, this, [this] { m_schudKnop->setFocus(); });
    connect(m_flow, &GameFlow::refused, this, [this](Refusal why) {
        if (why == Refusal::NotOnTurn) // the box says why, to a screen reader as well
            m_platform.messageBox(this, tr("U bent nu niet aan de beurt!"), Platform::Buttons::Ok);
        else
            m_announcer->say(refusalText(why));
    });
    connect(m_flow, &GameFlow::playerEnded, this, &Main::playerEnds);
    connect(m_end, &GameEnd::newGameBegun, m_schudKnop, qOverload<>(&QWidget::setFocus));
}

void Main::playerEnds(int player) {
    if (m_flow->isComputer(player)) // the score list is for people
        return;
    const GameState& s = m_flow->state();
    // The question opens at once: a screen reader hears first what the placement brought.
    const bool yes = m_platform.ask(this,
                                    tr("Score van %1 toegevoegen aan de\r\nscorelijst voor %2?")
                                        .arg(s.TotaalAB[player])
                                        .arg(QString::fromStdString(s.SpelerNaam[player])),
                                    tr(" Score"), m_announcer->takePending());
    if (!yes)
        return;
    if (!m_files.recordScore(s.TotaalAB[player], s.SpelerNaam[player])) {
        m_platform.messageBox(
            this, tr("De scorelijst is vol (%1 namen). Verwijder eerst namen uit de lijst.").arg(ScoreList::MaxEntries),
            Platform::Buttons::Ok, tr(" Scorelijst"));
        return;
    }
    m_platform.Pauze(1);
    if (!closing())
        HoogstScores_Click();
}

void Main::mirror() {
    const SheetOverlay advice = draw();
    m_actions.ongedaan->setEnabled(m_flow->game().canUndo());
    m_announcer->update(m_flow->state());
    m_announcer->say(m_coach->takeNewAdvice(advice));
}

SheetOverlay Main::draw() {
    const GameState& s = m_flow->state();
    SheetOverlay overlay = m_coach->advice(s);
    overlay.preview = m_preview;
    const SheetView view = sheetView(s, m_flow->kinds(), overlay);
    m_sheet->apply(view);
    m_tray->apply(view.tray);
    return overlay;
}

void Main::redraw() {
    if (!m_flow->state().throwing)
        draw();
}

void Main::SchudKnop_Click() { m_flow->throwDice(); }

void Main::DobbelsteenPic_Click(int index) { m_flow->toggleHold(index); }

void Main::SP_Click(int player, int index) { m_flow->place(player, index); }

void Main::BestandNieuw_Click() {
    m_flow->whenIdle([this] {
        if (!m_platform.ask(this, tr("Wilt u het spel opnieuw spelen?"), tr(" Nieuw")))
            return;
        m_flow->newGame();
        m_schudKnop->setFocus();
    });
}

void Main::BestandOngedaan_Click() { m_flow->undo(); }

void Main::PrintFormulieren_Click() {
    m_flow->whenIdle([this] {
        if (m_platform.ask(this, tr("Wilt u Kwintor formulieren afdrukken?"), tr(" Print")))
            printFormulieren(m_platform, m_platform, this);
    });
}

void Main::BestandExit_Click() { close(); }

void Main::KlokTimer_Timer() {
    const QDateTime moment = m_platform.now();
    m_clock->show(moment);
    m_actions.info->setText(infoCaption(moment));
}

void Main::applySettings(const Settings& settings) {
    m_files.settings() = settings;
    m_tray->setColours(QColor(settings.AchtergrondRood, settings.AchtergrondGroen, settings.AchtergrondBlauw),
                       settings.DobbelsteenKleur);
    ZetAchtergrond(settings.AchtergrondRood, settings.AchtergrondGroen, settings.AchtergrondBlauw);
}

void Main::ZetAchtergrond(int rood, int groen, int blauw) {
    const QColor colour(std::clamp(rood, 0, 255), std::clamp(groen, 0, 255), std::clamp(blauw, 0, 255));
    // The sheet's and the tray's frames show this colour through; the die corners keep the stored one.
    for (QWidget* widget : {centralWidget(), static_cast<QWidget*>(m_clock)})
        setBackground(widget, colour);
}

void Main::closeEvent(QCloseEvent* event) {
    if (!closing() && Form_Unload())
        m_flow->stop();
    event->setAccepted(closing());
    if (closing())
        m_clock->stop();
}

// The desktop is shutting down: Qt no longer closes the windows for it, so ask here.
void Main::commitData(QSessionManager& manager) {
    const bool mayAsk = manager.allowsInteraction();
    const bool ends = sessionEnds(mayAsk);
    if (mayAsk)
        manager.release();
    if (!ends)
        manager.cancel();
}

bool Main::sessionEnds(bool mayAsk) {
    if (!closing() && mayAsk && !Form_Unload())
        return false;
    QStringList failed;
    if (!closing() && !mayAsk)
        m_files.save(failed);
    // A throw under way ends here: the kept game stays as it was before it. What is still on
    // its way to disk goes now, before the session takes the program away.
    m_flow->stop();
    m_files.flushKeptGame();
    return true;
}

void Main::offerKeptGame() {
    const std::vector<KeptGame> offers = std::exchange(m_offers, {});
    for (std::size_t i = 0; i < offers.size(); ++i) {
        if (closing())
            return; // unanswered: the game waits for the next start
        const KeptGame& kept = offers[i];
        const bool resume = m_platform.ask(this,
                                           tr("Het vorige spel is niet afgemaakt. Wilt u het afmaken?") +
                                               QStringLiteral("\r\n\r\n") + keptGameSummary(kept.state),
                                           tr(" Spel"));
        if (closing())
            return; // the session ended under the question, which nobody answered
        m_files.answerKeptGame(i, resume);
        if (resume) {
            m_flow->setKeeping(true);
            m_flow->resume(kept);
            m_tray->showDice(m_flow->state());
            return;
        }
    }
    m_flow->setKeeping(true);
}

bool Main::Form_Unload() {
    if (!m_platform.ask(this, tr("Wilt u dit programma nu afsluiten?"), tr(" Exit programma")))
        return false;
    QStringList failed;
    if (m_files.save(failed))
        return true;
    const QString question = tr("Kon niet opslaan:\r\n%1\r\n\r\nToch afsluiten? Dan gaan de wijzigingen verloren.")
                                 .arg(failed.join(QStringLiteral("\r\n")));
    return m_platform.ask(this, question, tr(" Exit programma"));
}

} // namespace kwintor
