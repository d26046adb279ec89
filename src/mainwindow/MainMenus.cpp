#include "mainwindow/MainMenus.h"

#include "mainwindow/Main.h"

#include "dialogs/ComputerForm.h"
#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "dialogs/StatistiekForm.h"
#include "mainwindow/Coach.h"
#include "mainwindow/GameEnd.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/WinChanceWatch.h"
#include "platform/Links.h"
#include "platform/Platform.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kwintor {

namespace {

const MenuItem Items[] = {
    {"Bestand", "BestandNieuw", QT_TRANSLATE_NOOP("kwintor::Main", "Nieuw"), &Main::BestandNieuw_Click, "Ctrl+N"},
    {"Bestand", "BestandOngedaan", QT_TRANSLATE_NOOP("kwintor::Main", "Ongedaan maken"), &Main::BestandOngedaan_Click,
     "Ctrl+Z", false, &MenuActions::ongedaan},
    {"Bestand", "BestandStreep1", "", nullptr},
    {"Bestand", "PrintFormulieren", QT_TRANSLATE_NOOP("kwintor::Main", "Print Formulieren"),
     &Main::PrintFormulieren_Click, "Ctrl+P"},
    {"Bestand", "BestandStreep2", "", nullptr},
    {"Bestand", "BestandExit", QT_TRANSLATE_NOOP("kwintor::Main", "Exit"), &Main::BestandExit_Click, "Ctrl+Q"},
    {"Spelers", "Spelersaantal", QT_TRANSLATE_NOOP("kwintor::Main", "Aantal Speler"), &Main::Spelersaantal_Click},
    {"Spelers", "Computerspelers", QT_TRANSLATE_NOOP("kwintor::Main", "Computerspelers..."),
     &Main::Computerspelers_Click},
    {"Spelers", "Streep2", "", nullptr},
    {"Spelers", "HoogstScores", QT_TRANSLATE_NOOP("kwintor::Main", "Scorelijst"), &Main::HoogstScores_Click},
    {"Spelers", "Statistieken", QT_TRANSLATE_NOOP("kwintor::Main", "Statistieken"), &Main::Statistieken_Click},
    {"Tools", "ToolsConfig", QT_TRANSLATE_NOOP("kwintor::Main", "Instellingen"), &Main::ToolsConfig_Click},
    {"Tools", "ToolsAdvies", QT_TRANSLATE_NOOP("kwintor::Main", "Advies"), &Main::ToolsAdvies_Click, "", true,
     &MenuActions::advies},
    {"Tools", "ToolsMogelijkeScore", QT_TRANSLATE_NOOP("kwintor::Main", "Toon mogelijke score"),
     &Main::ToolsMogelijkeScore_Click, "", true, &MenuActions::mogelijkeScore},
    {"Tools", "ToolsAnalyse", QT_TRANSLATE_NOOP("kwintor::Main", "Analyse"), &Main::ToolsAnalyse_Click},
    {"Tools", "ToolsWinkans", QT_TRANSLATE_NOOP("kwintor::Main", "Winkans"), &Main::ToolsWinkans_Click},
    {"Help", "HelpHelp", QT_TRANSLATE_NOOP("kwintor::Main", "Help"), &Main::HelpHelp_Click, "F1", true,
     &MenuActions::help},
    {"Help", "HelpSpelregels", QT_TRANSLATE_NOOP("kwintor::Main", "Spelregels"), &Main::HelpSpelregels_Click},
    {"Help", "Helpstreep1", "", nullptr},
    {"Help", "HelpZegelhof", QT_TRANSLATE_NOOP("kwintor::Main", "Zegelhof"), &Main::HelpZegelhof_Click},
    {"Help", "HelpMeerSoftware", QT_TRANSLATE_NOOP("kwintor::Main", "Meer Software"), &Main::HelpMeerSoftware_Click},
};

// The menus' captions; their object names are the Dutch words, whatever the language.
const char* const MenuTitles[][2] = {
    {"Bestand", QT_TRANSLATE_NOOP("kwintor::Main", "&Bestand")},
    {"Spelers", QT_TRANSLATE_NOOP("kwintor::Main", "&Spelers")},
    {"Tools", QT_TRANSLATE_NOOP("kwintor::Main", "&Tools")},
    {"Help", QT_TRANSLATE_NOOP("kwintor::Main", "&Help")},
};

QString menuTitle(const char* menu) {
    for (const auto& title : MenuTitles)
        if (qstrcmp(title[0], menu) == 0)
            return Main::tr(title[1]);
    return QString::fromUtf8(menu);
}

} // namespace

MenuActions buildMenus(QMenuBar& bar, Main& main) {
    MenuActions kept;
    QMenu* menu = nullptr;
    for (const MenuItem& item : Items) {
        if (!menu || menu->objectName() != QLatin1String(item.menu)) {
            // "&Bestand": Alt+B opens the menu; the underlined letter is all that shows of it.
            menu = bar.addMenu(menuTitle(item.menu));
            menu->setObjectName(QLatin1String(item.menu));
        }
        QAction* action = item.handler ? menu->addAction(Main::tr(item.caption)) : menu->addSeparator();
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(item.checkable);
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        if (item.handler)
            QObject::connect(action, &QAction::triggered, &main, item.handler);
        if (item.kept)
            kept.*item.kept = action;
    }
    bar.addAction(QStringLiteral("|"))->setObjectName(QStringLiteral("tussenlas"));
    kept.info = bar.addAction(QString());
    kept.info->setObjectName(QStringLiteral("Info"));
    return kept;
}

// ---- what the menu items do: the dialogs, the tools and the help ----

// The dialogs are built afresh at every opening and shown modally; while the dice roll
// they wait for the throw to end. What they return is applied here.
void Main::Spelersaantal_Click() {
    m_flow->whenIdle([this] {
        const GameState& s = m_flow->state();
        SpelerForm dialog(s.AantalSpelers, s.SpelerNaam, this);
        if (dialog.exec() == QDialog::Accepted)
            m_flow->choosePlayers(dialog.count(), dialog.names());
    });
}

void Main::Computerspelers_Click() {
    m_flow->whenIdle([this] {
        const GameState& s = m_flow->state();
        ComputerForm dialog(s.AantalSpelers, s.SpelerNaam, m_flow->kinds(), this);
        if (dialog.exec() == QDialog::Accepted)
            m_flow->setKinds(dialog.kinds());
    });
}

void Main::HoogstScores_Click() {
    m_flow->whenIdle([this] {
        ScoreForm dialog(m_files.scores(), m_platform, this);
        dialog.exec();
        m_files.removeScores(dialog.removed(), dialog.removedAll());
    });
}

void Main::Statistieken_Click() {
    m_flow->whenIdle([this] { StatistiekForm(m_files.scores(), m_files.history(), this).exec(); });
}

void Main::ToolsConfig_Click() {
    m_flow->whenIdle([this] {
        Config dialog(m_files.settings(), this);
        connect(&dialog, &Config::previewColour, this, &Main::ZetAchtergrond);
        dialog.exec();
        applySettings(dialog.settings());
    });
}

void Main::ToolsAdvies_Click() {
    m_coach->setOn(m_actions.advies->isChecked());
    redraw();
}

void Main::ToolsWinkans_Click() { m_winChance->open(); }

void Main::ToolsAnalyse_Click() {
    m_flow->whenIdle([this] { m_end->review(m_end->reviewed()); });
}

void Main::ToolsMogelijkeScore_Click() {
    m_preview = !m_preview;
    redraw();
    m_actions.mogelijkeScore->setChecked(m_preview);
}

void Main::HelpHelp_Click() {
    m_sheet->setHelpShown(!m_sheet->helpShown());
    m_actions.help->setChecked(m_sheet->helpShown());
}

// Asks the desktop to open a document or a web address, owned by this window. Without a
// viewer or a browser nothing would show: then the path or the address stands on a line of
// its own, so the user can open it by hand.
void Main::OpenMetShell(const QString& target, const QString& title) {
    if (m_platform.openWithShell(this, target))
        return;
    const bool address = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"));
    const QString text =
        address ? tr("Het adres kon niet worden geopend. Open het zelf in uw browser:\r\n") + target
                : tr("Het bestand kon niet worden geopend. Open het zelf:\r\n") + QDir::toNativeSeparators(target);
    m_platform.messageBox(this, text, Platform::Buttons::Ok, title);
}

void Main::HelpSpelregels_Click() {
    const RulesDocument rules = m_platform.rulesDocument();
    if (rules.found())
        OpenMetShell(rules.path, RulesDocument::title());
    else
        m_platform.messageBox(this, rules.missingText(), Platform::Buttons::Ok, RulesDocument::title());
}

void Main::HelpZegelhof_Click() { OpenMetShell(QLatin1String(links::ZegelhofSite), tr(" Zegelhof")); }

void Main::HelpMeerSoftware_Click() { OpenMetShell(QLatin1String(links::SoftwarePage), tr(" Meer Software")); }

} // namespace kwintor
