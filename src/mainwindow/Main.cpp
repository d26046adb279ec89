#include "mainwindow/Main.h"

#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/FormPrinter.h"
#include "mainwindow/KeyboardControl.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SpokenTexts.h"
#include "mainwindow/Theme.h"
#include "mainwindow/Twips.h"
#include "platform/Links.h"
#include "platform/Platform.h"
#include "resources/Plaatjes.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>

#include <algorithm>

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
    refresh();
    m_files.load();
    applySettings(m_files.settings());
    m_tray->showDice(m_game.state()); // blank until the first throw, corners in the stored colour

    m_klokTimer = new QTimer(this);
    m_klokTimer->setObjectName(QStringLiteral("KlokTimer"));
    m_klokTimer->setInterval(500);
    connect(m_klokTimer, &QTimer::timeout, this, &Main::KlokTimer_Timer);
    m_klokTimer->start();
    KlokTimer_Timer();

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &Main::commitData);
}

void Main::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    bar->setFixedHeight(MenuBarHeight);
    auto addMenu = [bar](const char* name) {
        QMenu* menu = bar->addMenu(QLatin1String(name));
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, void (Main::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addSeparator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu* bestand = addMenu("Bestand");
    addItem(bestand, "BestandNieuw", QStringLiteral("Nieuw"), &Main::BestandNieuw_Click);
    m_ongedaan = addItem(bestand, "BestandOngedaan", QStringLiteral("Ongedaan maken"), &Main::BestandOngedaan_Click);
    addSeparator(bestand, "BestandStreep1");
    addItem(bestand, "PrintFormulieren", QStringLiteral("Print Formulieren"), &Main::PrintFormulieren_Click);
    addSeparator(bestand, "BestandStreep2");
    addItem(bestand, "BestandExit", QStringLiteral("Exit"), &Main::BestandExit_Click);

    QMenu* spelers = addMenu("Spelers");
    addItem(spelers, "Spelersaantal", QStringLiteral("Aantal Speler"), &Main::Spelersaantal_Click);
    addSeparator(spelers, "Streep2");
    addItem(spelers, "HoogstScores", QStringLiteral("Scorelijst"), &Main::HoogstScores_Click);

    QMenu* tools = addMenu("Tools");
    addItem(tools, "ToolsConfig", QStringLiteral("Instellingen"), &Main::ToolsConfig_Click);
    addItem(tools, "ToolsMogelijkeScore", QStringLiteral("Toon mogelijke score"), &Main::ToolsMogelijkeScore_Click)
        ->setCheckable(true);

    QMenu* help = addMenu("Help");
    m_helpHelp = addItem(help, "HelpHelp", QStringLiteral("Help"), &Main::HelpHelp_Click);
    m_helpHelp->setCheckable(true);
    addItem(help, "HelpSpelregels", QStringLiteral("Spelregels"), &Main::HelpSpelregels_Click);
    addSeparator(help, "Helpstreep1");
    addItem(help, "HelpZegelhof", QStringLiteral("Zegelhof"), &Main::HelpZegelhof_Click);
    addItem(help, "HelpMeerSoftware", QStringLiteral("Meer Software"), &Main::HelpMeerSoftware_Click);

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
    connect(m_sheet, &ScoreSheet::cellClicked, this, &Main::SP_Click);
    m_tray = new DiceTray(client);
    connect(m_tray, &DiceTray::dieClicked, this, &Main::DobbelsteenPic_Click);

    auto* frame14 = new QFrame(client);
    frame14->setObjectName(QStringLiteral("Frame14"));
    frame14->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame14->setGeometry(twipsRect(11370, 0, 1350, 690));
    m_frame14 = frame14;
    m_klokLabel = new QLabel(QStringLiteral("00:00:00"), frame14);
    m_klokLabel->setObjectName(QStringLiteral("KlokLabel"));
    m_klokLabel->setFont(arialFont(14.25));
    setTextColour(m_klokLabel, QColor(180, 180, 180));
    m_klokLabel->move(twips(30), twips(240));

    auto* backKnop = new QLabel(client);
    backKnop->setObjectName(QStringLiteral("BackKnop"));
    backKnop->setGeometry(twipsRect(11370, 7980, 1350, 510));
    backKnop->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_schudKnop = new QPushButton(QStringLiteral("Gooien"), client);
    m_schudKnop->setObjectName(QStringLiteral("SchudKnop"));
    m_schudKnop->setGeometry(twipsRect(11400, 8010, 1290, 460));
    m_schudKnop->setAutoDefault(false);
    connect(m_schudKnop, &QPushButton::clicked, this, &Main::SchudKnop_Click);
    m_schudKnop->setFocus();
}

void Main::refresh() {
    m_sheet->show(m_game.state());
    m_tray->show(m_game.state());
    m_schudKnop->setEnabled(m_game.canThrow());
    m_schudKnop->setAccessibleName(throwButtonText(m_game.state()));
    m_ongedaan->setEnabled(m_game.canUndo());
    m_announcer->update(m_game.state());
}

// ---- throwing and holding ----

void Main::SchudKnop_Click() {
    if (!m_game.beginThrow())
        return;
    const GameState& s = m_game.state();
    m_tray->showWorp(s);
    m_platform.beep();
    m_schudKnop->setEnabled(false);
    m_ongedaan->setEnabled(false);
    const auto rolling = m_game.rolling();
    for (int die = 1; die <= DiceCount; ++die)
        if (rolling[die])
            m_tray->clearDie(die);
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
    while (!m_pending.empty() && !throwing()) {
        auto command = std::move(m_pending.front());
        m_pending.erase(m_pending.begin());
        command();
    }
}

void Main::DobbelsteenPic_Click(int index) {
    m_game.toggleHold(index);
    m_tray->show(m_game.state());
}

// ---- placing a score ----

void Main::SP_Click(int player, int index) {
    const PlaceResult result = m_game.place(player, index);
    if (result == PlaceResult::Ignored)
        return;
    if (result == PlaceResult::NotOnTurn) {
        m_platform.messageBox(this, QStringLiteral("U bent nu niet aan de beurt!"), Platform::Buttons::Ok);
        return;
    }
    refresh();
    m_schudKnop->setFocus();
    if (result == PlaceResult::PlayerFinished)
        endOfGame(player);
}

void Main::endOfGame(int player) {
    const GameState& s = m_game.state();
    const QString question = QStringLiteral("Score van %1 toegevoegen aan de\r\nscorelijst voor %2?")
                                 .arg(s.TotaalAB[player])
                                 .arg(QString::fromStdString(s.SpelerNaam[player]));
    const Platform::Answer answer = m_platform.messageBox(this, question, Platform::Buttons::YesNo, QStringLiteral(" Score"));
    m_game.forgetUndo(); // answered: the placement that ended the column stands
    m_ongedaan->setEnabled(false);
    if (answer != Platform::Answer::Yes)
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

// ---- menu commands ----

void Main::whenIdle(std::function<void()> command) {
    if (throwing())
        m_pending.push_back(std::move(command));
    else
        command();
}

void Main::BestandNieuw_Click() {
    whenIdle([this] {
        if (m_platform.messageBox(this, QStringLiteral("Wilt u het spel opnieuw spelen?"), Platform::Buttons::YesNo,
                                  QStringLiteral(" Nieuw")) != Platform::Answer::Yes)
            return;
        m_game.newGame();
        refresh();
        m_schudKnop->setFocus();
    });
}

void Main::BestandOngedaan_Click() {
    whenIdle([this] {
        if (!m_game.undo())
            return;
        refresh();
        m_schudKnop->setFocus();
    });
}

void Main::PrintFormulieren_Click() {
    whenIdle([this] {
        if (m_platform.messageBox(this, QStringLiteral("Wilt u Kwintor formulieren afdrukken?"),
                                  Platform::Buttons::YesNo, QStringLiteral(" Print")) == Platform::Answer::Yes)
            printFormulieren(m_platform, this);
    });
}

void Main::BestandExit_Click() { close(); }

// The dialogs are built afresh at every opening and shown modally; while the dice roll
// they wait for the throw to end. What they return is applied here.
void Main::Spelersaantal_Click() {
    whenIdle([this] {
        SpelerForm dialog(m_game.state().AantalSpelers, m_game.state().SpelerNaam, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        applyPlayers(dialog.count(), dialog.names());
    });
}

void Main::applyPlayers(int count, const std::array<std::string, MaxPlayers + 1>& names) {
    m_game.choosePlayers(count, names);
    refresh();
}

void Main::HoogstScores_Click() {
    whenIdle([this] {
        ScoreForm dialog(m_files.scores(), m_platform, this);
        dialog.exec();
        m_files.removeScores(dialog.removed(), dialog.removedAll());
    });
}

void Main::ToolsConfig_Click() {
    whenIdle([this] {
        Config dialog(m_files.settings(), this);
        connect(&dialog, &Config::previewColour, this, &Main::ZetAchtergrond);
        dialog.exec();
        applySettings(dialog.settings());
    });
}

void Main::ToolsMogelijkeScore_Click() {
    m_sheet->setPreviewShown(!m_sheet->previewShown());
    m_sheet->show(m_game.state());
    findChild<QAction*>(QStringLiteral("ToolsMogelijkeScore"))->setChecked(m_sheet->previewShown());
}

void Main::HelpHelp_Click() {
    m_sheet->setHelpShown(!m_sheet->helpShown());
    m_helpHelp->setChecked(m_sheet->helpShown());
}

// Asks the desktop to open a document or a web address, owned by this window.
void Main::OpenMetShell(const QString& target) { m_platform.openWithShell(this, target); }

void Main::HelpSpelregels_Click() {
    const RulesDocument rules = m_platform.rulesDocument();
    if (rules.found())
        OpenMetShell(rules.path);
    else
        m_platform.messageBox(this, rules.missingText(), Platform::Buttons::Ok, QLatin1String(RulesDocument::Title));
}

void Main::HelpZegelhof_Click() { OpenMetShell(QLatin1String(links::ZegelhofSite)); }

void Main::HelpMeerSoftware_Click() { OpenMetShell(QLatin1String(links::SoftwarePage)); }

void Main::KlokTimer_Timer() {
    const QDateTime moment = m_platform.now();
    m_klokLabel->setText(QStringLiteral(" ") + moment.time().toString(QStringLiteral("H:mm:ss")));
    m_klokLabel->adjustSize();
    m_info->setText(infoCaption(moment));
}

// ---- colour theme ----

void Main::applySettings(const Settings& settings) {
    m_files.settings() = settings;
    m_tray->setColours(QColor(settings.AchtergrondRood, settings.AchtergrondGroen, settings.AchtergrondBlauw),
                       settings.DobbelsteenKleur);
    ZetAchtergrond(settings.AchtergrondRood, settings.AchtergrondGroen, settings.AchtergrondBlauw);
}

void Main::ZetAchtergrond(int rood, int groen, int blauw) {
    const QColor colour(std::clamp(rood, 0, 255), std::clamp(groen, 0, 255), std::clamp(blauw, 0, 255));
    setBackground(centralWidget(), colour);
    setBackground(m_frame14, colour);
    m_sheet->setBackground(colour);
    m_tray->setBackground(colour);
    m_tray->DobbelHoeken();
}

// ---- closing ----

void Main::closeEvent(QCloseEvent* event) {
    if (m_closing || Form_Unload()) {
        m_closing = true;
        m_klokTimer->stop();
        event->accept();
    } else {
        event->ignore();
    }
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
    if (m_closing)
        return true;
    if (mayAsk && !Form_Unload())
        return false;
    if (!mayAsk) {
        QStringList failed;
        m_files.save(failed);
    }
    m_closing = true;
    return true;
}

bool Main::Form_Unload() {
    if (m_platform.messageBox(this, QStringLiteral("Wilt u dit programma nu afsluiten?"), Platform::Buttons::YesNo,
                              QStringLiteral(" Exit programma")) != Platform::Answer::Yes)
        return false;
    QStringList failed;
    if (m_files.save(failed))
        return true;
    const QString question =
        QStringLiteral("Kon niet opslaan:\r\n%1\r\n\r\nToch afsluiten? Dan gaan de wijzigingen verloren.")
            .arg(failed.join(QStringLiteral("\r\n")));
    return m_platform.messageBox(this, question, Platform::Buttons::YesNo, QStringLiteral(" Exit programma")) ==
           Platform::Answer::Yes;
}

} // namespace kwintor
