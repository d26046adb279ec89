#include "mainwindow/Main.h"

#include "dialogs/ComputerForm.h"
#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "dialogs/StatistiekForm.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/ClockFrame.h"
#include "mainwindow/Coach.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/FormPrinter.h"
#include "mainwindow/KeyboardControl.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SpokenTexts.h"
#include "mainwindow/Theme.h"
#include "platform/Links.h"
#include "platform/Platform.h"
#include "resources/Plaatjes.h"

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
constexpr int MenuBarHeight = 20;
} // namespace

Main::Main(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform), m_files(platform) {
    Form_Load();
}

Main::~Main() = default;

void Main::Form_Load() {
    setWindowTitle(QStringLiteral(" Kwintor"));
    // The icon is drawn in seven sizes; the first frame does not need it.
    QTimer::singleShot(0, this, [this] { setWindowIcon(Plaatjes::windowIcon()); });
    createMenus();
    layOut();
    new KeyboardControl(*this);
    m_announcer = new Announcer(m_tray);
    setFixedSize(ClientWidth, ClientHeight + MenuBarHeight);
    centreOnScreen(*this, size());

    // The game starts with one player, "Speler 1".."Speler 6" and the default colours;
    // then the score list and the settings are read, and the colour is applied.
    m_files.load();
    m_offer = m_files.keptGame();
    refresh();
    applySettings(m_files.settings());
    m_tray->showDice(m_game.state());                  // blank until the first throw, corners in the stored colour
    QTimer::singleShot(0, this, &Main::offerKeptGame); // once the window stands
    KlokTimer_Timer();

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &Main::commitData);
}

void Main::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    bar->setFixedHeight(MenuBarHeight);
    buildMenus(*bar, *this);
    m_helpHelp = bar->findChild<QAction*>(QStringLiteral("HelpHelp"));
    m_advies = bar->findChild<QAction*>(QStringLiteral("ToolsAdvies"));
    m_ongedaan = bar->findChild<QAction*>(QStringLiteral("BestandOngedaan"));
    bar->addAction(QStringLiteral("|"))->setObjectName(QStringLiteral("tussenlas"));
    m_info = bar->addAction(QString());
    m_info->setObjectName(QStringLiteral("Info"));
}

void Main::layOut() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    m_sheet = new ScoreSheet(client);
    connect(m_sheet, &ScoreSheet::cellClicked, this,
            [this](int p, int row) { byPerson([=, this] { SP_Click(p, row); }); });
    m_tray = new DiceTray(client);
    connect(m_tray, &DiceTray::dieClicked, this,
            [this](int die) { byPerson([=, this] { DobbelsteenPic_Click(die); }); });
    connect(m_tray, &DiceTray::throwClicked, this, [this] { byPerson([this] { SchudKnop_Click(); }); });
    m_schudKnop = &m_tray->throwButton();
    m_schudKnop->setFocus();
    m_clock = new ClockFrame(client, [this] { KlokTimer_Timer(); });
    m_coach = new Coach(*m_sheet, *m_tray, *m_schudKnop, m_files.path("Advies.tabel"), this);
    m_computers = new ComputerPlayers(*this, *m_coach);
}

bool Main::ask(const QString& text, const QString& title) {
    return m_platform.messageBox(this, text, Platform::Buttons::YesNo, title, m_announcer->takePending()) ==
           Platform::Answer::Yes;
}

void Main::byPerson(const std::function<void()>& handler) {
    if (!m_computers->onTurn(m_game.state()))
        handler();
}

void Main::refresh() {
    const GameState& s = m_game.state();
    m_sheet->show(s);
    m_tray->show(s);
    m_ongedaan->setEnabled(m_game.canUndo());
    m_announcer->update(s);
    if (!m_offer)
        m_files.keepGame({s, m_computers->kinds()});
    m_coach->show(s);
    m_announcer->say(m_coach->takeNewAdvice());
    m_computers->wake(s);
}

void Main::SchudKnop_Click() {
    if (!m_game.beginThrow()) {
        if (!throwing())
            m_announcer->say(refusalText(Refusal::FourthThrow));
        return;
    }
    const GameState& s = m_game.state();
    m_tray->showWorp(s);
    m_platform.beep();
    // Named for the throw before it greys: a screen reader reads the button as it changes.
    setSpokenName(*m_schudKnop, throwButtonText(s));
    m_schudKnop->setEnabled(false);
    const auto rolling = m_game.rolling();
    m_tray->clearDice(rolling);
    constexpr int Frames = 5;
    for (int die = 1; die <= DiceCount; ++die) {
        for (int frame = 0; rolling[die] && frame < Frames; ++frame) {
            m_game.settleDie(die, m_platform.randomFace());
            m_tray->showDie(die, s);
            m_platform.Pauze(0.1);
            if (m_closing)
                return;
        }
    }
    m_game.endThrow();
    refresh();
    m_tray->DobbelHoeken();
    m_schudKnop->setFocus();
    m_pending.release([this] { return throwing(); });
}

void Main::DobbelsteenPic_Click(int index) {
    if (m_game.state().WorpTeller == 0)
        m_announcer->say(refusalText(Refusal::NoThrowYet));
    m_game.toggleHold(index);
    refresh();
}

void Main::SP_Click(int player, int index) {
    const PlaceResult result = m_game.place(player, index);
    if (result == PlaceResult::Ignored) {
        if (m_game.state().WorpTeller == 0 && isCategoryRow(index))
            m_announcer->say(refusalText(Refusal::NoThrowYet));
        return;
    }
    if (result == PlaceResult::NotOnTurn) {
        m_platform.messageBox(this, QStringLiteral("U bent nu niet aan de beurt!"), Platform::Buttons::Ok);
        return;
    }
    if (m_computers->isComputer(player))
        m_game.forgetUndo(); // a person takes back his own misclick, not the computer's move
    refresh();
    m_schudKnop->setFocus();
    if (result == PlaceResult::PlayerFinished)
        endOfGame(player);
}

void Main::endOfGame(int player) {
    if (m_computers->isComputer(player))
        return; // the score list is for people
    const GameState& s = m_game.state();
    const bool yes = ask(QStringLiteral("Score van %1 toegevoegen aan de\r\nscorelijst voor %2?")
                             .arg(s.TotaalAB[player])
                             .arg(QString::fromStdString(s.SpelerNaam[player])),
                         QStringLiteral(" Score"));
    m_game.forgetUndo(); // answered: the placement that ended the column stands
    m_ongedaan->setEnabled(false);
    if (!yes)
        return;
    if (!m_files.recordScore(s.TotaalAB[player], s.SpelerNaam[player])) {
        m_platform.messageBox(this,
                              QStringLiteral("De scorelijst is vol (%1 namen). Verwijder eerst namen uit de lijst.")
                                  .arg(ScoreList::MaxEntries),
                              Platform::Buttons::Ok, QStringLiteral(" Scorelijst"));
        return;
    }
    m_platform.Pauze(1);
    if (!m_closing)
        HoogstScores_Click();
}

void Main::whenIdle(std::function<void()> command) { m_pending.run(throwing(), std::move(command)); }

void Main::BestandNieuw_Click() {
    whenIdle([this] {
        if (!ask(QStringLiteral("Wilt u het spel opnieuw spelen?"), QStringLiteral(" Nieuw")))
            return;
        m_game.newGame();
        m_computers->setKinds({}); // the players are new, and people
        refresh();
        m_schudKnop->setFocus();
    });
}

void Main::BestandOngedaan_Click() {
    whenIdle([this] {
        if (m_game.undo())
            refresh();
    });
}

void Main::PrintFormulieren_Click() {
    whenIdle([this] {
        if (ask(QStringLiteral("Wilt u Kwintor formulieren afdrukken?"), QStringLiteral(" Print")))
            printFormulieren(m_platform, this);
    });
}

void Main::BestandExit_Click() { close(); }

void Main::KlokTimer_Timer() {
    const QDateTime moment = m_platform.now();
    m_clock->show(moment);
    m_info->setText(infoCaption(moment));
}

void Main::applySettings(const Settings& settings) {
    m_files.settings() = settings;
    m_tray->setColours(QColor(settings.AchtergrondRood, settings.AchtergrondGroen, settings.AchtergrondBlauw),
                       settings.DobbelsteenKleur);
    ZetAchtergrond(settings.AchtergrondRood, settings.AchtergrondGroen, settings.AchtergrondBlauw);
}

void Main::ZetAchtergrond(int rood, int groen, int blauw) {
    const QColor colour(std::clamp(rood, 0, 255), std::clamp(groen, 0, 255), std::clamp(blauw, 0, 255));
    for (QWidget* widget : {centralWidget(), static_cast<QWidget*>(m_clock)})
        setBackground(widget, colour);
    m_sheet->setBackground(colour);
    m_tray->setBackground(colour); // the die corners keep the stored colour
}

void Main::closeEvent(QCloseEvent* event) {
    m_closing = m_closing || Form_Unload();
    event->setAccepted(m_closing);
    if (m_closing)
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
    if (!m_closing && mayAsk && !Form_Unload())
        return false;
    QStringList failed;
    if (!m_closing && !mayAsk)
        m_files.save(failed);
    m_closing = true;
    return true;
}

void Main::offerKeptGame() {
    std::optional<KeptGame> kept = std::exchange(m_offer, std::nullopt);
    if (!kept || m_closing)
        return;
    if (!ask(QStringLiteral("Het vorige spel is niet afgemaakt. Wilt u het afmaken?"), QStringLiteral(" Spel"))) {
        m_files.keepGame({}); // a game that has not begun: the kept one goes
        return;
    }
    m_game.restore(kept->state);
    applyKinds(kept->kinds);
    m_tray->showDice(m_game.state());
}

bool Main::Form_Unload() {
    if (!ask(QStringLiteral("Wilt u dit programma nu afsluiten?"), QStringLiteral(" Exit programma")))
        return false;
    QStringList failed;
    if (m_files.save(failed))
        return true;
    const QString question =
        QStringLiteral("Kon niet opslaan:\r\n%1\r\n\r\nToch afsluiten? Dan gaan de wijzigingen verloren.")
            .arg(failed.join(QStringLiteral("\r\n")));
    return ask(question, QStringLiteral(" Exit programma"));
}

} // namespace kwintor
