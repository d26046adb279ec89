#include "mainwindow/MainMenus.h"

#include "mainwindow/Main.h"

#include "dialogs/ComputerForm.h"
#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "dialogs/StatistiekForm.h"
#include "mainwindow/Coach.h"
#include "mainwindow/ScoreSheet.h"
#include "platform/Links.h"
#include "platform/Platform.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kwintor {

namespace {

const MenuItem Items[] = {
    {"Bestand", "BestandNieuw", "Nieuw", &Main::BestandNieuw_Click},
    {"Bestand", "BestandOngedaan", "Ongedaan maken", &Main::BestandOngedaan_Click},
    {"Bestand", "BestandStreep1", "", nullptr},
    {"Bestand", "PrintFormulieren", "Print Formulieren", &Main::PrintFormulieren_Click},
    {"Bestand", "BestandStreep2", "", nullptr},
    {"Bestand", "BestandExit", "Exit", &Main::BestandExit_Click},
    {"Spelers", "Spelersaantal", "Aantal Speler", &Main::Spelersaantal_Click},
    {"Spelers", "Computerspelers", "Computerspelers...", &Main::Computerspelers_Click},
    {"Spelers", "Streep2", "", nullptr},
    {"Spelers", "HoogstScores", "Scorelijst", &Main::HoogstScores_Click},
    {"Spelers", "Statistieken", "Statistieken", &Main::Statistieken_Click},
    {"Tools", "ToolsConfig", "Instellingen", &Main::ToolsConfig_Click},
    {"Tools", "ToolsAdvies", "Advies", &Main::ToolsAdvies_Click, "", true},
    {"Tools", "ToolsMogelijkeScore", "Toon mogelijke score", &Main::ToolsMogelijkeScore_Click, "", true},
    {"Help", "HelpHelp", "Help", &Main::HelpHelp_Click, "", true},
    {"Help", "HelpSpelregels", "Spelregels", &Main::HelpSpelregels_Click},
    {"Help", "Helpstreep1", "", nullptr},
    {"Help", "HelpZegelhof", "Zegelhof", &Main::HelpZegelhof_Click},
    {"Help", "HelpMeerSoftware", "Meer Software", &Main::HelpMeerSoftware_Click},
};

} // namespace

void buildMenus(QMenuBar& bar, Main& main) {
    QMenu* menu = nullptr;
    for (const MenuItem& item : Items) {
        if (!menu || menu->objectName() != QLatin1String(item.menu)) {
            // "&Bestand": Alt+B opens the menu; the underlined letter is all that shows of it.
            menu = bar.addMenu(QLatin1Char('&') + QString::fromUtf8(item.menu));
            menu->setObjectName(QLatin1String(item.menu));
        }
        QAction* action = item.handler ? menu->addAction(QString::fromUtf8(item.caption)) : menu->addSeparator();
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(item.checkable);
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        if (item.handler)
            QObject::connect(action, &QAction::triggered, &main, item.handler);
    }
}

// ---- what the menu items do: the dialogs, the tools and the help ----

// The dialogs are built afresh at every opening and shown modally; while the dice roll
// they wait for the throw to end. What they return is applied here.
void Main::Spelersaantal_Click() {
    whenIdle([this] {
        SpelerForm dialog(m_game.state().AantalSpelers, m_game.state().SpelerNaam, this);
        if (dialog.exec() == QDialog::Accepted)
            applyPlayers(dialog.count(), dialog.names());
    });
}

void Main::applyPlayers(int count, const std::array<std::string, MaxPlayers + 1>& names) {
    m_game.choosePlayers(count, names);
    refresh();
}

void Main::Computerspelers_Click() {
    whenIdle([this] {
        ComputerForm dialog(m_game.state().AantalSpelers, m_game.state().SpelerNaam, m_computers->kinds(), this);
        if (dialog.exec() == QDialog::Accepted)
            applyKinds(dialog.kinds());
    });
}

void Main::applyKinds(const PlayerKinds& kinds) {
    m_computers->setKinds(kinds);
    m_sheet->setPlayerKinds(kinds);
    refresh();
}

void Main::HoogstScores_Click() {
    whenIdle([this] {
        ScoreForm dialog(m_files.scores(), m_platform, this);
        dialog.exec();
        m_files.removeScores(dialog.removed(), dialog.removedAll());
    });
}

void Main::Statistieken_Click() {
    whenIdle([this] { StatistiekForm(m_files.scores(), this).exec(); });
}

void Main::ToolsConfig_Click() {
    whenIdle([this] {
        Config dialog(m_files.settings(), this);
        connect(&dialog, &Config::previewColour, this, &Main::ZetAchtergrond);
        dialog.exec();
        applySettings(dialog.settings());
    });
}

void Main::ToolsAdvies_Click() { m_coach->setOn(m_advies->isChecked()); }

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

} // namespace kwintor
