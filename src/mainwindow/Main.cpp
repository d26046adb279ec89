#include "mainwindow/Main.h"

#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "mainwindow/ClickLabel.h"
#include "mainwindow/FormPrinter.h"
#include "mainwindow/Twips.h"
#include "persistence/FileAccess.h"
#include "platform/Links.h"
#include "platform/Platform.h"
#include "resources/Plaatjes.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace kwintor {

namespace {

constexpr int ClientWidth = 854;  // 12900 twips less a single border
constexpr int ClientHeight = 573; // 9360 twips less border, caption and menu bar
constexpr int MenuBarHeight = 20;

const QColor NameColour(70, 70, 120);
const QColor OnTurnColour(255, 255, 0);
const QColor CaptionColour(80, 80, 35);
const QColor CellColour(80, 0, 0);
const QColor TotalAColour(192, 0, 0);
const QColor BonusColour(0, 64, 0);
const QColor DieBackground(170, 170, 170);

const QString Arial = QStringLiteral("Arial");
const QString SansSerif = QStringLiteral("MS Sans Serif");

struct FrameBox {
    int left, top, width, height;
};

// Frame1..Frame16, in twips.
constexpr std::array<FrameBox, 17> FrameBoxes{{
    {0, 0, 0, 0},
    {90, 0, 2400, 690},       // Frame1: player count
    {2580, 0, 8700, 690},     // Frame2: player names
    {90, 690, 2400, 2700},    // Frame3: captions of rows 0..5
    {2580, 690, 8700, 2700},  // Frame4: rows 0..5
    {90, 3390, 2400, 900},    // Frame5: captions of rows 6, 7
    {2580, 3390, 8700, 900},  // Frame6: rows 6, 7
    {90, 4290, 2400, 3000},   // Frame7: captions of rows 8..14
    {2580, 4290, 8700, 3000}, // Frame8: rows 8..14
    {90, 7290, 2400, 600},    // Frame9: caption of row 15
    {2580, 7290, 8700, 600},  // Frame10: row 15
    {90, 7890, 2400, 600},    // Frame11: caption of row 16
    {2580, 7890, 8700, 600},  // Frame12: row 16
    {11370, 690, 1350, 6000}, // Frame13: the dice
    {11370, 0, 1350, 690},    // Frame14: the clock
    {11370, 7290, 1350, 600}, // Frame15: the throw counter
    {11370, 6690, 1350, 600}, // Frame16: the dice sum
}};

// The frame and the top (twips) of each row's cells.
struct RowPlace {
    int frame, top;
};
constexpr RowPlace rowPlace(int row) {
    if (row <= 5)
        return {4, 240 + 390 * row};
    if (row == 6)
        return {6, 180};
    if (row == 7)
        return {6, 510};
    if (row <= 14)
        return {8, 240 + 390 * (row - 8)};
    return {row == 15 ? 10 : 12, 195};
}

constexpr int CellWidth = 750;
constexpr int CellHeight = 345;

QColor cellColour(int row) {
    switch (row) {
    case RowTotalA:
    case RowTotalB: return TotalAColour;
    case RowBonus:
    case RowGrandTotal: return BonusColour;
    default: return CellColour;
    }
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The small system fonts the sheet was designed in are narrower than the sans family that
// stands in for them: narrow the font just enough for the widest of `lines` to fit.
QFont narrowedToFit(QFont font, const QStringList& lines, int width) {
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    // Stretch is applied by the font engine in steps, so measure again until it really fits.
    for (int stretch = 100; widest > width && stretch > 60;) {
        stretch = std::max(60, std::min(stretch - 1, 100 * width / widest));
        font.setStretch(stretch);
        widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    }
    return font;
}

QString indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

} // namespace

Main::Main(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform) { Form_Load(); }

Main::~Main() = default;

QString Main::settingsPath() const { return m_platform.dataDirectory() + QStringLiteral("/Kwintor.ini"); }

QString Main::scoreListPath() const { return m_platform.dataDirectory() + QStringLiteral("/Scorelijst.lst"); }

void Main::Form_Load() {
    setWindowTitle(QStringLiteral(" Kwintor"));
    setWindowIcon(Plaatjes::windowIcon());
    createMenus();
    layOutSheet();
    setFixedSize(ClientWidth, ClientHeight + MenuBarHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) // centred when first shown
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    // The game starts with one player, "Speler 1".."Speler 6" and the default colours;
    // then the score list and the settings are read, and the colour is applied.
    m_settings = Settings{};
    refreshSheet();
    for (int die = 1; die <= DiceCount; ++die)
        showDie(die); // blank until the first throw; corners follow with ZetAchtergrond
    showScore(0);
    showWorp();
    loadFiles();
    ZetAchtergrond(m_settings.AchtergrondRood, m_settings.AchtergrondGroen, m_settings.AchtergrondBlauw);

    m_klokTimer = new QTimer(this);
    m_klokTimer->setObjectName(QStringLiteral("KlokTimer"));
    m_klokTimer->setInterval(500);
    connect(m_klokTimer, &QTimer::timeout, this, &Main::KlokTimer_Timer);
    m_klokTimer->start();
    KlokTimer_Timer();

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &Main::commitData);
}

// The desktop is shutting down: ask the exit question when the session lets us, and keep
// the files when it does not (there is nobody to answer, and nothing may be lost).
void Main::commitData(QSessionManager& manager) {
    if (m_closing)
        return;
    if (manager.allowsInteraction()) {
        const bool close = Form_Unload();
        manager.release();
        if (!close) {
            manager.cancel();
            return;
        }
    } else {
        QStringList failed;
        saveFiles(failed);
    }
    m_closing = true;
}

void Main::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    bar->setFixedHeight(MenuBarHeight);
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, void (Main::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addSeparator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu* bestand = bar->addMenu(QStringLiteral("Bestand"));
    bestand->setObjectName(QStringLiteral("Bestand"));
    addItem(bestand, "BestandNieuw", QStringLiteral("Nieuw"), &Main::BestandNieuw_Click);
    addSeparator(bestand, "BestandStreep1");
    addItem(bestand, "PrintFormulieren", QStringLiteral("Print Formulieren"), &Main::PrintFormulieren_Click);
    addSeparator(bestand, "BestandStreep2");
    addItem(bestand, "BestandExit", QStringLiteral("Exit"), &Main::BestandExit_Click);

    QMenu* spelers = bar->addMenu(QStringLiteral("Spelers"));
    spelers->setObjectName(QStringLiteral("Spelers"));
    addItem(spelers, "Spelersaantal", QStringLiteral("Aantal Speler"), &Main::Spelersaantal_Click);
    addSeparator(spelers, "Streep2");
    addItem(spelers, "HoogstScores", QStringLiteral("Scorelijst"), &Main::HoogstScores_Click);

    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("Tools"));
    addItem(tools, "ToolsConfig", QStringLiteral("Instellingen"), &Main::ToolsConfig_Click);

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help"));
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

QLabel* Main::addLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                       const QColor& colour, int left, int top) {
    auto* label = new ClickLabel(parent);
    label->setText(text);
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    label->move(twips(left), twips(top));
    label->adjustSize();
    return label;
}

void Main::layOutSheet() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    // The help panel stands on the window beneath the frames: it shows only while
    // Frame4 and Frame6 are hidden.
    m_backHelp = new QLabel(client);
    m_backHelp->setObjectName(QStringLiteral("BackHelp"));
    m_backHelp->setGeometry(twipsRect(2580, 780, 8700, 3510));
    m_backHelp->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(m_backHelp, QColor(100, 100, 120));
    m_backHelp->hide();
    m_helpLabel = new QLabel(client);
    m_helpLabel->setObjectName(QStringLiteral("HelpLabel"));
    m_helpLabel->setGeometry(twipsRect(2670, 930, 8520, 3300));
    m_helpLabel->setFont(
        narrowedToFit(sheetFont(SansSerif, 9.75), helpText().split(QStringLiteral("\r\n")), m_helpLabel->width() - 8));
    m_helpLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(m_helpLabel, QColor(100, 100, 120));
    setTextColour(m_helpLabel, QColor(230, 230, 220));
    m_helpLabel->hide();

    auto* backKnop = new QLabel(client);
    backKnop->setObjectName(QStringLiteral("BackKnop"));
    backKnop->setGeometry(twipsRect(11370, 7980, 1350, 510));
    backKnop->setFrameStyle(QFrame::Box | QFrame::Plain);

    for (int f = 1; f <= 16; ++f) {
        auto* frame = new QFrame(client);
        frame->setObjectName(QStringLiteral("Frame%1").arg(f));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        const FrameBox& box = FrameBoxes[f];
        frame->setGeometry(twipsRect(box.left, box.top, box.width, box.height));
        frame->setAutoFillBackground(true);
        m_frames[f] = frame;
    }

    m_label1 = addLabel(m_frames[1], QStringLiteral("Label1"), QStringLiteral("Aantal spelers : 1"),
                        sheetFont(Arial, 12, true), QColor(0, 0, 128), 150, 255);
    m_klokLabel = addLabel(m_frames[14], QStringLiteral("KlokLabel"), QStringLiteral("00:00:00"),
                           sheetFont(Arial, 14.25), QColor(180, 180, 180), 30, 240);

    for (int p = 1; p <= MaxPlayers; ++p) {
        QFont font = sheetFont(Arial, 12, true);
        m_spelersLabel[p] = addLabel(m_frames[2], indexed("SpelersLabel", p), QString::fromStdString(defaultPlayerName(p)), font, NameColour,
                                     180 + 1470 * (p - 1), 255);
        m_spelersLabel[p]->setAlignment(Qt::AlignCenter);
    }

    static const char* const upperCaptions[] = {"Totaal enen",   "Totaal tweeen", "Totaal drieen",
                                                "Totaal vieren", "Totaal vijven", "Totaal zessen"};
    for (int r = 0; r < 6; ++r) {
        QLabel* caption = addLabel(m_frames[3], indexed("LabelB", r), QString::fromUtf8(upperCaptions[r]),
                                   sheetFont(Arial, 12, true), CaptionColour, 150, 270 + 390 * r);
        caption->setAlignment(Qt::AlignCenter);
    }
    addLabel(m_frames[5], QStringLiteral("Label2"), QStringLiteral("Totaal  A"), sheetFont(Arial, 12, true),
             TotalAColour, 150, 210);
    const QString bonusCaption = QStringLiteral("Bij 63 of meer 35 punten extra");
    addLabel(m_frames[5], QStringLiteral("Label3"), bonusCaption,
             narrowedToFit(sheetFont(SansSerif, 8.25), {bonusCaption}, twips(2400 - 150) - 8), QColor(64, 64, 64), 150,
             600);
    static const char* const lowerCaptions[][2] = {
        {"Drie gelijke", " 3 Gelijke stenen "}, {"Vier gelijke", " 4 Gelijke stenen "},
        {"Kleine straat", " 4 Opeenvolgende "}, {"Grote straat", " 5 Opeenvolgende "},
        {"Full house", " 2 Gelijke en 3 Gelijke "}, {"Kans", " Totaal alle stenen "},
        {"Kwintor", " 5 dezelfde "}};
    for (int r = 0; r < 7; ++r) {
        QLabel* caption = addLabel(m_frames[7], indexed("LabelO", r), QString::fromUtf8(lowerCaptions[r][0]),
                                   sheetFont(Arial, 12, true), CaptionColour, 150, 270 + 390 * r);
        caption->setToolTip(QString::fromUtf8(lowerCaptions[r][1]));
    }
    addLabel(m_frames[9], QStringLiteral("Label4"), QStringLiteral("Totaal  B"), sheetFont(Arial, 12, true),
             TotalAColour, 150, 210);
    addLabel(m_frames[11], QStringLiteral("Label5"), QStringLiteral("Totaal  A + B"), sheetFont(Arial, 12, true),
             BonusColour, 150, 210);

    // Column separators, 810 twips right of each column's cells.
    for (int i = 1; i <= 5; ++i) {
        const int x = 1350 + 1470 * (i - 1);
        for (auto [frame, name, bottom] : {std::tuple{4, "LineA", 2580}, std::tuple{8, "LineB", 2880}}) {
            auto* line = new QWidget(m_frames[frame]);
            line->setObjectName(indexed(name, i));
            line->setGeometry(twips(x), twips(240), 1, twips(bottom) - twips(240) + 1);
            setBackground(line, QColor(120, 120, 120));
        }
    }

    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int row = 0; row < CellCount; ++row) {
            const RowPlace place = rowPlace(row);
            auto* cell = new ClickLabel(m_frames[place.frame]);
            cell->setObjectName(indexed(qPrintable(QStringLiteral("SP%1").arg(p)), row));
            cell->setText(QStringLiteral("0"));
            cell->setFont(sheetFont(Arial, 14, true));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setTextColour(cell, cellColour(row));
            cell->setGeometry(twipsRect(540 + 1470 * (p - 1), place.top, CellWidth, CellHeight));
            cell->onClick = [this, p, row] { SP_Click(p, row); };
            m_cells[p][row] = cell;
        }
    }

    // The dice, die 5 at the top and die 1 at the bottom.
    for (int die = 1; die <= DiceCount; ++die) {
        const int y = 450 + 1125 * (DiceCount - die);
        auto* shape = new HoldShape(m_frames[13]);
        shape->setObjectName(indexed("Shape", die));
        shape->setGeometry(twipsRect(210, y - 90, 945, 945));
        shape->hide();
        m_shape[die] = shape;
        auto* picture = new ClickLabel(m_frames[13]);
        picture->setObjectName(indexed("DobbelsteenPic", die));
        picture->setGeometry(twipsRect(300, y, 750, 750));
        setBackground(picture, DieBackground);
        picture->onClick = [this, die] { DobbelsteenPic_Click(die); };
        m_dobbelsteenPic[die] = picture;
    }

    m_scoreLabel = addLabel(m_frames[16], QStringLiteral("ScoreLabel"), QStringLiteral("0"),
                            sheetFont(Arial, 14.25, true), QColor(0, 0, 64), 585, 180);
    m_scoreLabel->setAlignment(Qt::AlignCenter);
    m_worpPic = new QLabel(m_frames[15]);
    m_worpPic->setObjectName(QStringLiteral("WorpPic"));
    m_worpPic->setGeometry(twipsRect(120, 210, 1125, 300));
    setBackground(m_worpPic, QColor(128, 128, 128));

    m_schudKnop = new QPushButton(QStringLiteral("Gooien"), client);
    m_schudKnop->setObjectName(QStringLiteral("SchudKnop"));
    m_schudKnop->setGeometry(twipsRect(11400, 8010, 1290, 460));
    m_schudKnop->setAutoDefault(false);
    connect(m_schudKnop, &QPushButton::clicked, this, &Main::SchudKnop_Click);
    m_schudKnop->setFocus();
}

// ---- mirroring the game state ----

void Main::refreshSheet() {
    const GameState& s = m_game.state();
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int row = 0; row < CellCount; ++row) {
            const Cell& cell = s.cells[p][row];
            m_cells[p][row]->setText(QString::fromStdString(cell.text));
            m_cells[p][row]->setEnabled(cell.open);
        }
    m_label1->setText(QStringLiteral("Aantal spelers : %1").arg(s.AantalSpelers));
    m_label1->adjustSize();
    showTurn();
    showHolds();
    m_schudKnop->setEnabled(m_game.canThrow());
}

void Main::showTurn() {
    const GameState& s = m_game.state();
    for (int p = 1; p <= MaxPlayers; ++p) {
        QLabel* label = m_spelersLabel[p];
        const bool inPlay = p <= s.AantalSpelers;
        label->setText(QString::fromStdString(inPlay ? s.SpelerNaam[p] : defaultPlayerName(p)));
        label->setEnabled(inPlay);
        QFont font = label->font();
        font.setUnderline(p == s.AanDeBeurt);
        label->setFont(font);
        setTextColour(label, p == s.AanDeBeurt ? OnTurnColour : NameColour);
        label->adjustSize();
    }
}

void Main::showHolds() {
    for (int die = 1; die <= DiceCount; ++die)
        m_shape[die]->setVisible(m_game.state().Vastgezet[die]);
}

void Main::showWorp() { m_worpPic->setPixmap(QPixmap::fromImage(Plaatjes::instance().Worp(m_game.state().WorpTeller))); }

void Main::showScore(int value) {
    m_scoreLabel->setText(QString::number(value));
    m_scoreLabel->adjustSize();
}

void Main::showDie(int die) {
    const int value = m_game.state().DobbelWaarde[die];
    if (value == 0) {
        m_dieCanvas[die] = QImage(50, 50, QImage::Format_RGB888);
        m_dieCanvas[die].fill(DieBackground);
    } else {
        m_dieCanvas[die] = Plaatjes::instance().Img(value + m_settings.DobbelsteenKleur).copy();
    }
    m_dobbelsteenPic[die]->setPixmap(QPixmap::fromImage(m_dieCanvas[die]));
}

// ---- throwing and holding ----

void Main::SchudKnop_Click() {
    if (!m_game.beginThrow())
        return;
    showWorp();
    m_platform.beep();
    m_schudKnop->setEnabled(false);
    for (int die = 1; die <= DiceCount; ++die)
        if (m_game.rolling()[die]) {
            m_dobbelsteenPic[die]->clear();
            m_dieCanvas[die] = QImage();
        }
    constexpr int Frames = 5;
    for (int die = 1; die <= DiceCount; ++die) {
        if (!m_game.rolling()[die])
            continue;
        int value = 1;
        for (int frame = 0; frame < Frames; ++frame) {
            value = m_platform.randomFace();
            m_dobbelsteenPic[die]->setPixmap(
                QPixmap::fromImage(Plaatjes::instance().Img(value + m_settings.DobbelsteenKleur)));
            m_platform.Pauze(0.1);
            if (m_closing)
                return;
        }
        m_game.settleDie(die, value);
        showDie(die);
    }
    m_game.endThrow();
    showWorp();
    m_schudKnop->setEnabled(m_game.canThrow());
    showScore(m_game.state().DobbelSom);
    DobbelHoeken();
    while (!m_pending.empty() && !throwing()) {
        auto command = std::move(m_pending.front());
        m_pending.erase(m_pending.begin());
        command();
    }
}

void Main::DobbelsteenPic_Click(int index) {
    m_game.toggleHold(index);
    showHolds();
}

void Main::DobbelHoeken() {
    static constexpr int corners[12][2] = {{0, 0},   {1, 0},   {0, 1},   {48, 0},  {49, 0},  {49, 1},
                                           {0, 48},  {0, 49},  {1, 49},  {49, 48}, {49, 49}, {48, 49}};
    const QColor stored(m_settings.AchtergrondRood, m_settings.AchtergrondGroen, m_settings.AchtergrondBlauw);
    for (int die = 1; die <= DiceCount; ++die) {
        QImage& canvas = m_dieCanvas[die];
        if (canvas.isNull())
            continue;
        for (const auto& corner : corners)
            canvas.setPixelColor(corner[0], corner[1], stored);
        m_dobbelsteenPic[die]->setPixmap(QPixmap::fromImage(canvas));
    }
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
    const auto& column = m_game.state().cells[player];
    for (int row : {index, int(RowTotalA), int(RowBonus), int(RowTotalB), int(RowGrandTotal)}) {
        m_cells[player][row]->setText(QString::fromStdString(column[row].text));
        m_cells[player][row]->setEnabled(column[row].open);
    }
    m_schudKnop->setEnabled(true);
    m_schudKnop->setFocus();
    showScore(0);
    showHolds();
    showWorp();
    showTurn();
    if (result == PlaceResult::PlayerFinished)
        endOfGame(player);
}

void Main::endOfGame(int player) {
    const GameState& s = m_game.state();
    const QString name = QString::fromStdString(s.SpelerNaam[player]);
    const QString question = QStringLiteral("Score van %1 toegevoegen aan de\r\nscorelijst voor %2?")
                                 .arg(s.TotaalAB[player])
                                 .arg(name);
    if (m_platform.messageBox(this, question, Platform::Buttons::YesNo, QStringLiteral(" Score")) !=
        Platform::Answer::Yes)
        return;
    if (!VoegScoreToe(m_scoreLijst, s.TotaalAB[player], name.toStdString())) {
        m_platform.messageBox(this,
                              QStringLiteral("De scorelijst is vol (%1 namen). Verwijder eerst namen uit de lijst.")
                                  .arg(ScoreList::MaxEntries),
                              Platform::Buttons::Ok, QStringLiteral(" Scorelijst"));
        return;
    }
    // A recorded score is written at once, so that no crash or power cut can take it away;
    // should this write fail, the exit tries again and says so.
    saveScoreList();
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
        refreshSheet();
        m_schudKnop->setFocus();
        showScore(0);
        showWorp();
    });
}

void Main::BestandExit_Click() { close(); }

void Main::HelpHelp_Click() {
    const bool show = m_helpLabel->isHidden();
    m_frames[4]->setVisible(!show);
    m_frames[6]->setVisible(!show);
    m_backHelp->setVisible(show);
    m_helpHelp->setChecked(show);
    if (show)
        m_helpLabel->setText(helpText());
    m_helpLabel->setVisible(show);
}

QString Main::helpText() {
    const QString lines[] = {
        QStringLiteral("  Welkom bij het bekende spel Kwintor. Een programma om te spelen van 1 tot 6 spelers."),
        QString(),
        QStringLiteral("       1. Selecteer het aantal spelers in het menu-item Spelers met de horizontale scrollbalk"),
        QStringLiteral("       2. Type vervolgens de voornamen in van het aantal spelers en druk op de Ok button"),
        QStringLiteral("       3. Start het spel door op de button Gooien te klikken om de dobbelstenen te werpen"),
        QStringLiteral("       4. Elke dobbelsteen kan worden vastgezet door op de dobbelsteen te klikken"),
        QStringLiteral("       5. Per beurt kan elke speler maximaal 3 maal gooien met de dobbelstenen"),
        QStringLiteral("       6. Klik dan op één van de getallen onder de naam v/d speler om de score te plaatsen"),
        QStringLiteral("       7. Bij het einde van het spel kunnen de scores worden opgeslagen onder Spelers"),
        QStringLiteral("       8. De achtergrondkleuren kan men wijzigen met het menu-item Tools / Instellingen."),
        QString(),
        QStringLiteral("  Kwintor is gemaakt door %1, 2009. Vrij te gebruiken.")
            .arg(QLatin1String(links::Maker)),
        QStringLiteral("  %1  -  %2  -  %3")
            .arg(QLatin1String(links::MakerMail), QLatin1String(links::SoftwareSite), QLatin1String(links::ZegelhofHost)),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// Asks the desktop to open a document or a web address, owned by this window; what the
// desktop answers is not examined, so a missing document shows nothing.
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

QString Main::infoCaption(const QDateTime& moment) {
    const QLocale locale; // weekday and month in the user's language
    switch (moment.time().second() / 10) {
    case 0: return QStringLiteral("Kwintor van %1 - %2.").arg(QLatin1String(links::Maker), moment.toString(QStringLiteral("yyyy")));
    case 1:
        return QStringLiteral("Het is nu ") + locale.toString(moment.date(), QStringLiteral("dddd d MMMM yyyy")) +
               QStringLiteral(" / ") + moment.time().toString(QStringLiteral("H:mm:ss"));
    case 2: return QStringLiteral("Verzamelt u postzegels? Kijk eens op %1").arg(QLatin1String(links::ZegelhofHost));
    case 3: return QStringLiteral("Meer gratis software vindt u op %1").arg(QLatin1String(links::SoftwareSite));
    case 4: return QStringLiteral("Kwintor is een gratis programma van %1").arg(QLatin1String(links::SoftwareSite));
    default:
        return QStringLiteral("Informatie over grafische toepassingen: kijk op %1").arg(QLatin1String(links::SoftwareSite));
    }
}

void Main::KlokTimer_Timer() {
    const QDateTime moment = m_platform.now();
    m_klokLabel->setText(QStringLiteral(" ") + moment.time().toString(QStringLiteral("H:mm:ss")));
    m_klokLabel->adjustSize();
    m_info->setText(infoCaption(moment));
}

// ---- colour theme ----

void Main::ZetAchtergrond(int rood, int groen, int blauw) {
    const QColor colour(std::clamp(rood, 0, 255), std::clamp(groen, 0, 255), std::clamp(blauw, 0, 255));
    setBackground(centralWidget(), colour);
    for (int f = 1; f <= 16; ++f)
        setBackground(m_frames[f], colour);
    DobbelHoeken();
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

} // namespace kwintor

namespace kwintor {

namespace {
std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

// The score list first, then the settings; a settings file that cannot be read is
// written anew from what the settings hold now, so a first start creates it.
void Main::loadFiles() {
    m_scoreListDamaged = LaadScorelijst(nativePath(scoreListPath()), m_scoreLijst) == ScoreListLoad::Damaged;
    if (readSettings(nativePath(settingsPath()), m_settings) != SettingsRead::Ok)
        writeSettings(nativePath(settingsPath()), m_settings); // a failure here is told at the exit
}

// Writes the settings, then the score list. A score list file that could not be read to
// its end is kept as Scorelijst.lst.bak first, so no entry of it is lost.
bool Main::saveFiles(QStringList& failed) {
    const QString settings = settingsPath();
    if (!writeSettings(nativePath(settings), m_settings))
        failed << QDir::toNativeSeparators(settings);
    if (!saveScoreList())
        failed << QDir::toNativeSeparators(scoreListPath());
    return failed.isEmpty();
}

bool Main::saveScoreList() {
    const QString scores = scoreListPath();
    if (m_scoreListDamaged && QFileInfo::exists(scores)) {
        if (!copyFileAtomically(nativePath(scores), nativePath(scores + QStringLiteral(".bak"))))
            return false;
        m_scoreListDamaged = false;
    }
    return writeScoreList(nativePath(scores), m_scoreLijst);
}

bool Main::Form_Unload() {
    if (m_platform.messageBox(this, QStringLiteral("Wilt u dit programma nu afsluiten?"), Platform::Buttons::YesNo,
                              QStringLiteral(" Exit programma")) != Platform::Answer::Yes)
        return false;
    QStringList failed;
    if (saveFiles(failed))
        return true;
    const QString question = QStringLiteral("Kon niet opslaan:\r\n%1\r\n\r\nToch afsluiten? Dan gaan de wijzigingen verloren.")
                                 .arg(failed.join(QStringLiteral("\r\n")));
    return m_platform.messageBox(this, question, Platform::Buttons::YesNo, QStringLiteral(" Exit programma")) ==
           Platform::Answer::Yes;
}

void Main::PrintFormulieren_Click() {
    if (m_platform.messageBox(this, QStringLiteral("Wilt u Kwintor formulieren afdrukken?"), Platform::Buttons::YesNo,
                              QStringLiteral(" Print")) == Platform::Answer::Yes)
        printFormulieren(m_platform, this);
}

// The dialogs are built afresh at every opening and shown modally; while the dice roll
// they wait for the throw to end.
void Main::Spelersaantal_Click() {
    whenIdle([this] {
        SpelerForm dialog(*this);
        dialog.exec();
    });
}

void Main::HoogstScores_Click() {
    whenIdle([this] {
        ScoreForm dialog(*this);
        dialog.exec();
    });
}

void Main::ToolsConfig_Click() {
    whenIdle([this] {
        Config dialog(*this);
        dialog.exec();
    });
}

} // namespace kwintor
