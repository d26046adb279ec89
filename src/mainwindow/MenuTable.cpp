#include "mainwindow/MenuTable.h"

#include "mainwindow/Main.h"

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
            menu = bar.addMenu(QString::fromUtf8(item.menu));
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

} // namespace kwintor
