#include "mainwindow/Main.h"
#include "resources/Plaatjes.h"
#include "support/ScriptedPlatform.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using kwintor::Main;
using kwintor::Platform;
using kwintor::test::ScriptedPlatform;

class TestMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void startStateIsOnePlayerWithPlayerOneOnTurn();
    void throwShowsFacesSumAndCounterAndRoundsCorners();
    void heldDiceKeepTheirFacesAndThirdThrowSpendsTheButton();
    void dieFaceFollowsTheDiceColour_data();
    void dieFaceFollowsTheDiceColour();
    void wholeOnePlayerGameFillsTheSheet();
    void clickOutOfTurnShowsTheMessageOnceAndChangesNothing();
    void clickDuringAThrowIsRefused();
    void newGameDuringAThrowWaitsForItsEnd_data();
    void newGameDuringAThrowWaitsForItsEnd();
    void exitQuestionDuringAThrowStillWorks();
    void zetAchtergrondPaintsFramesButNotTheStoredCorners();
    void helpPanelTwiceRestoresTheSheet();
    void spelregelsOpensTheDocumentOrSaysWhereItLooked();
    void infoCaptionFollowsTheSeconds_data();
    void infoCaptionFollowsTheSeconds();

private:
    template <typename T = QWidget> T* find(const QString& name) const {
        T* widget = m_main->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLabel* cell(int player, int row) const { return find<QLabel>(QStringLiteral("SP%1(%2)").arg(player).arg(row)); }
    // One throw that lands on `faces` for the dice that roll (die 1 first).
    void throwDice(const QList<int>& faces);
    void place(int player, int row) { QTest::mouseClick(cell(player, row), Qt::LeftButton); }

    QTemporaryDir* m_dir = nullptr;
    ScriptedPlatform* m_platform = nullptr;
    Main* m_main = nullptr;
};

void TestMain::init() {
    m_dir = new QTemporaryDir;
    m_platform = new ScriptedPlatform(m_dir->path());
    m_main = new Main(*m_platform);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestMain::cleanup() {
    m_platform->answers.clear();
    m_platform->answers.enqueue(Platform::Answer::Yes);
    delete m_main;
    delete m_platform;
    delete m_dir;
}

void TestMain::throwDice(const QList<int>& faces) {
    for (int face : faces)
        for (int frame = 0; frame < 5; ++frame)
            m_platform->faces.enqueue(face);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("SchudKnop")), Qt::LeftButton);
    QVERIFY(m_platform->faces.isEmpty());
}

void TestMain::controlsStandAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twipsBox"); // width or height -1: sized to its text

    auto row = [](const QString& name, const QString& container, int l, int t, int w = -1, int h = -1) {
        QTest::newRow(qPrintable(name)) << name << container << QRect(l, t, w, h);
    };
    const QString client = QStringLiteral("Client");
    row("Frame1", client, 90, 0, 2400, 690);
    row("Frame14", client, 11370, 0, 1350, 690);
    row("Frame2", client, 2580, 0, 8700, 690);
    row("Frame3", client, 90, 690, 2400, 2700);
    row("Frame4", client, 2580, 690, 8700, 2700);
    row("Frame5", client, 90, 3390, 2400, 900);
    row("Frame6", client, 2580, 3390, 8700, 900);
    row("Frame7", client, 90, 4290, 2400, 3000);
    row("Frame8", client, 2580, 4290, 8700, 3000);
    row("Frame9", client, 90, 7290, 2400, 600);
    row("Frame10", client, 2580, 7290, 8700, 600);
    row("Frame11", client, 90, 7890, 2400, 600);
    row("Frame12", client, 2580, 7890, 8700, 600);
    row("Frame13", client, 11370, 690, 1350, 6000);
    row("Frame16", client, 11370, 6690, 1350, 600);
    row("Frame15", client, 11370, 7290, 1350, 600);
    row("BackHelp", client, 2580, 780, 8700, 3510);
    row("HelpLabel", client, 2670, 930, 8520, 3300);
    row("BackKnop", client, 11370, 7980, 1350, 510);
    row("SchudKnop", client, 11400, 8010, 1290, 460);
    row("Label1", "Frame1", 150, 255);
    row("KlokLabel", "Frame14", 30, 240);
    row("Label2", "Frame5", 150, 210);
    row("Label3", "Frame5", 150, 600);
    row("Label4", "Frame9", 150, 210);
    row("Label5", "Frame11", 150, 210);
    row("ScoreLabel", "Frame16", 585, 180);
    row("WorpPic", "Frame15", 120, 210, 1125, 300);
    for (int n = 1; n <= 6; ++n) {
        row(QStringLiteral("SpelersLabel(%1)").arg(n), "Frame2", 180 + 1470 * (n - 1), 255);
        const int left = 540 + 1470 * (n - 1);
        for (int r = 0; r <= 5; ++r)
            row(QStringLiteral("SP%1(%2)").arg(n).arg(r), "Frame4", left, 240 + 390 * r);
        row(QStringLiteral("SP%1(6)").arg(n), "Frame6", left, 180);
        row(QStringLiteral("SP%1(7)").arg(n), "Frame6", left, 510);
        for (int r = 8; r <= 14; ++r)
            row(QStringLiteral("SP%1(%2)").arg(n).arg(r), "Frame8", left, 240 + 390 * (r - 8));
        row(QStringLiteral("SP%1(15)").arg(n), "Frame10", left, 195);
        row(QStringLiteral("SP%1(16)").arg(n), "Frame12", left, 195);
    }
    for (int r = 0; r <= 5; ++r)
        row(QStringLiteral("LabelB(%1)").arg(r), "Frame3", 150, 270 + 390 * r);
    for (int r = 0; r <= 6; ++r)
        row(QStringLiteral("LabelO(%1)").arg(r), "Frame7", 150, 270 + 390 * r);
    const int dieTops[] = {0, 4950, 3825, 2700, 1575, 450}; // die 5 at the top, die 1 at the bottom
    for (int die = 1; die <= 5; ++die) {
        row(QStringLiteral("DobbelsteenPic(%1)").arg(die), "Frame13", 300, dieTops[die], 750, 750);
        row(QStringLiteral("Shape(%1)").arg(die), "Frame13", 210, dieTops[die] - 90, 945, 945);
    }
    for (int i = 1; i <= 5; ++i) {
        const int x = 1350 + 1470 * (i - 1);
        row(QStringLiteral("LineA(%1)").arg(i), "Frame4", x, 240, 15, 2580 - 240 + 15);
        row(QStringLiteral("LineB(%1)").arg(i), "Frame8", x, 240, 15, 2880 - 240 + 15);
    }
}

void TestMain::controlsStandAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twipsBox);
    QWidget* widget = find(name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->pos(), QPoint(twipsBox.x() / 15, twipsBox.y() / 15));
    if (twipsBox.width() > 0)
        QCOMPARE(widget->size(), QSize(twipsBox.width() / 15, twipsBox.height() / 15));
}

void TestMain::startStateIsOnePlayerWithPlayerOneOnTurn() {
    QCOMPARE(m_main->windowTitle(), QStringLiteral(" Kwintor"));
    QCOMPARE(m_main->centralWidget()->size(), QSize(854, 573));
    QCOMPARE(find<QLabel>("Label1")->text(), QStringLiteral("Aantal spelers : 1"));
    QCOMPARE(find<QLabel>("LabelO(6)")->text(), QStringLiteral("Kwintor"));
    QCOMPARE(find<QLabel>("Label5")->text(), QStringLiteral("Totaal  A + B"));
    for (int p = 1; p <= 6; ++p) {
        QLabel* name = find<QLabel>(QStringLiteral("SpelersLabel(%1)").arg(p));
        QCOMPARE(name->text(), QStringLiteral("Speler %1").arg(p));
        QCOMPARE(name->isEnabled(), p == 1);
        QCOMPARE(name->font().underline(), p == 1);
        QCOMPARE(name->palette().color(QPalette::Active, QPalette::WindowText),
                 p == 1 ? QColor(255, 255, 0) : QColor(70, 70, 120));
        for (int row = 0; row < 17; ++row) {
            QCOMPARE(cell(p, row)->text(), QStringLiteral("0"));
            QCOMPARE(cell(p, row)->isEnabled(), p == 1);
        }
    }
    QVERIFY(find<QPushButton>("SchudKnop")->isEnabled());
    QVERIFY(find("Shape(1)")->isHidden());
    // Before the first throw a die is a plain square with corners in the window's colour.
    const QImage die = find<QLabel>("DobbelsteenPic(3)")->pixmap().toImage();
    QCOMPARE(die.pixelColor(25, 25), QColor(170, 170, 170));
    QCOMPARE(die.pixelColor(0, 0), QColor(110, 140, 90));
    QCOMPARE(die.pixelColor(48, 49), QColor(110, 140, 90));
    // A click on another column right after start-up does nothing at all.
    place(2, 0);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestMain::throwShowsFacesSumAndCounterAndRoundsCorners() {
    throwDice({6, 5, 4, 3, 2});
    QCOMPARE(m_platform->beeps, 1);
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("20"));
    QCOMPARE(find<QLabel>("WorpPic")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
             kwintor::Plaatjes::instance().Worp(1));
    // Twenty-five frames (the faces queue is empty), each held for a tenth of a second.
    QVERIFY(m_platform->waits.size() >= 25);
    QCOMPARE(m_platform->waits.first(), 0.1);
    const QImage die1 = m_main->diePicture(1);
    QImage expected = kwintor::Plaatjes::instance().Img(6).convertToFormat(die1.format());
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(49, 48), QPoint(48, 49), QPoint(49, 49)}) {
        QCOMPARE(die1.pixelColor(corner), QColor(110, 140, 90));
        expected.setPixelColor(corner, QColor(110, 140, 90));
    }
    QCOMPARE(die1.pixelColor(2, 2), expected.pixelColor(2, 2));
    QCOMPARE(die1.pixelColor(25, 25), expected.pixelColor(25, 25));
}

void TestMain::heldDiceKeepTheirFacesAndThirdThrowSpendsTheButton() {
    throwDice({1, 2, 3, 4, 5});
    QTest::mouseClick(find("DobbelsteenPic(2)"), Qt::LeftButton);
    QTest::mouseClick(find("DobbelsteenPic(4)"), Qt::LeftButton);
    QVERIFY(find("Shape(2)")->isVisible());
    QVERIFY(find("Shape(4)")->isVisible());
    QVERIFY(find("Shape(1)")->isHidden());
    throwDice({6, 6, 6}); // dice 1, 3 and 5 roll
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("24"));
    QVERIFY(find<QPushButton>("SchudKnop")->isEnabled());
    throwDice({1, 1, 1});
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("9"));
    QVERIFY(!find<QPushButton>("SchudKnop")->isEnabled());
    QCOMPARE(find<QLabel>("WorpPic")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
             kwintor::Plaatjes::instance().Worp(3));
    // A placement releases the holds, resets the counter and gives the button back.
    place(1, 0);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("3"));
    QVERIFY(find("Shape(2)")->isHidden());
    QVERIFY(find<QPushButton>("SchudKnop")->isEnabled());
    QVERIFY(find<QPushButton>("SchudKnop")->hasFocus());
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("0"));
    QCOMPARE(find<QLabel>("WorpPic")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
             kwintor::Plaatjes::instance().Worp(0));
}

void TestMain::dieFaceFollowsTheDiceColour_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("face");
    QTest::newRow("grey one") << 0 << 1;
    QTest::newRow("red four") << 6 << 4;
    QTest::newRow("green six") << 12 << 6;
}

void TestMain::dieFaceFollowsTheDiceColour() {
    QFETCH(int, colour);
    QFETCH(int, face);
    m_main->settings().DobbelsteenKleur = static_cast<std::uint8_t>(colour);
    throwDice({face, face, face, face, face});
    QImage shown = m_main->diePicture(3);
    const QImage& expected = kwintor::Plaatjes::instance().Img(face + colour);
    QCOMPARE(shown.pixelColor(25, 12), expected.pixelColor(25, 12));
    QCOMPARE(shown.pixelColor(10, 25), expected.pixelColor(10, 25));
    QCOMPARE(shown.pixelColor(25, 25), expected.pixelColor(25, 25));
}

void TestMain::wholeOnePlayerGameFillsTheSheet() {
    struct Turn {
        int row;
        QList<int> dice;
        int value;
    };
    const QList<Turn> turns = {
        {0, {1, 1, 1, 1, 1}, 5},  {1, {2, 2, 2, 2, 2}, 10}, {2, {3, 3, 3, 3, 3}, 15}, {3, {4, 4, 4, 4, 4}, 20},
        {4, {5, 5, 5, 5, 5}, 25}, {5, {6, 6, 6, 6, 6}, 30}, {8, {1, 1, 1, 2, 2}, 7},  {9, {4, 4, 4, 4, 2}, 18},
        {10, {1, 2, 3, 4, 6}, 30}, {11, {2, 3, 4, 5, 6}, 40}, {12, {2, 2, 3, 3, 3}, 25}, {13, {6, 6, 6, 5, 5}, 28},
        {14, {3, 3, 3, 3, 3}, 50}};
    m_platform->answers.enqueue(Platform::Answer::No); // the score list question at the end
    for (const Turn& turn : turns) {
        throwDice(turn.dice);
        place(1, turn.row);
        QCOMPARE(cell(1, turn.row)->text(), QString::number(turn.value));
        QVERIFY(!cell(1, turn.row)->isEnabled());
        if (turn.row == 3) // 5 + 10 + 15 + 20 = 50: no bonus yet
            QCOMPARE(cell(1, 7)->text(), QStringLiteral("0"));
        if (turn.row == 4) // 75: the bonus
            QCOMPARE(cell(1, 7)->text(), QStringLiteral("35"));
        if (turn.row != 14)
            QVERIFY(m_platform->messages.isEmpty());
    }
    QCOMPARE(cell(1, 6)->text(), QStringLiteral("105"));
    QCOMPARE(cell(1, 7)->text(), QStringLiteral("35"));
    QCOMPARE(cell(1, 15)->text(), QStringLiteral("198"));
    QCOMPARE(cell(1, 16)->text(), QStringLiteral("338"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, QStringLiteral(" Score"));
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("Score van 338 toegevoegen aan de\r\nscorelijst voor Speler 1?"));
    QCOMPARE(m_main->ScoreLijst().count(), 0);
    // The column is full: the game stands still.
    throwDice({1, 2, 3, 4, 5});
    for (int row = 0; row < 17; ++row)
        place(1, row);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(cell(1, 16)->text(), QStringLiteral("338"));
}

void TestMain::clickOutOfTurnShowsTheMessageOnceAndChangesNothing() {
    std::array<std::string, 7> names{"", "Ann", "Bob", "", "", "", ""};
    m_main->game().choosePlayers(2, names);
    m_main->refreshSheet();
    QCOMPARE(find<QLabel>("SpelersLabel(2)")->text(), QStringLiteral("Bob"));
    throwDice({2, 2, 3, 3, 3});
    QTest::mouseClick(find("DobbelsteenPic(1)"), Qt::LeftButton);
    place(2, 12);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("U bent nu niet aan de beurt!"));
    QCOMPARE(m_platform->messages[0].title, QStringLiteral("Kwintor"));
    QCOMPARE(m_platform->messages[0].buttons, Platform::Buttons::Ok);
    QCOMPARE(cell(2, 12)->text(), QStringLiteral("0"));
    QVERIFY(find("Shape(1)")->isVisible());
    QCOMPARE(m_main->game().state().WorpTeller, 1);
    QVERIFY(!m_main->game().state().ScoreGeplaatst);
    // Player 1 places; the turn passes to player 2, whose label is now the yellow, underlined one.
    place(1, 12);
    QCOMPARE(cell(1, 12)->text(), QStringLiteral("25"));
    QVERIFY(find<QLabel>("SpelersLabel(2)")->font().underline());
    QVERIFY(!find<QLabel>("SpelersLabel(1)")->font().underline());
    QCOMPARE(find<QLabel>("SpelersLabel(2)")->palette().color(QPalette::Active, QPalette::WindowText),
             QColor(255, 255, 0));
}

void TestMain::clickDuringAThrowIsRefused() {
    throwDice({1, 2, 3, 4, 5});
    place(1, 13);
    QCOMPARE(cell(1, 13)->text(), QStringLiteral("15"));
    // Next turn: click a cell while the dice are still rolling.
    bool clicked = false;
    m_platform->onWait = [&] {
        if (clicked)
            return;
        clicked = true;
        QVERIFY(!find<QPushButton>("SchudKnop")->isEnabled());
        place(1, 0);
        QTest::mouseClick(find<QPushButton>("SchudKnop"), Qt::LeftButton);
    };
    throwDice({1, 1, 1, 1, 1});
    m_platform->onWait = nullptr;
    QVERIFY(clicked);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("0"));
    QVERIFY(cell(1, 0)->isEnabled());
    QCOMPARE(m_main->game().state().WorpTeller, 1);
    place(1, 0);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("5"));
}

void TestMain::newGameDuringAThrowWaitsForItsEnd_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No changes nothing") << false;
    QTest::newRow("Yes resets the sheet and keeps the dice") << true;
}

void TestMain::newGameDuringAThrowWaitsForItsEnd() {
    QFETCH(bool, yes);
    m_main->game().choosePlayers(2, {"", "Ann", "Bob", "", "", "", ""});
    m_main->refreshSheet();
    throwDice({6, 6, 6, 1, 2});
    place(1, 8); // Ann scores 21; Bob is on turn
    // Chosen twice during the throw: both questions come, in order, once the dice rest.
    m_platform->answers << (yes ? Platform::Answer::Yes : Platform::Answer::No) << Platform::Answer::No;
    bool asked = false;
    m_platform->onWait = [&] {
        for (int i = 0; i < (asked ? 0 : 2); ++i)
            m_main->BestandNieuw_Click();
        QVERIFY(m_platform->messages.isEmpty()); // not while the dice are rolling
        asked = true;
    };
    throwDice({4, 4, 4, 4, 4});
    m_platform->onWait = nullptr;
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->messages[1].title, QStringLiteral(" Nieuw"));
    QCOMPARE(m_platform->messages[1].text, QStringLiteral("Wilt u het spel opnieuw spelen?"));
    QCOMPARE(find<QLabel>("Label1")->text(), yes ? QStringLiteral("Aantal spelers : 1") : QStringLiteral("Aantal spelers : 2"));
    QCOMPARE(find<QLabel>("SpelersLabel(2)")->text(), yes ? QStringLiteral("Speler 2") : QStringLiteral("Bob"));
    QCOMPARE(cell(1, 8)->text(), yes ? QStringLiteral("0") : QStringLiteral("21"));
    QCOMPARE(cell(2, 3)->isEnabled(), !yes);
    QCOMPARE(find<QLabel>("SpelersLabel(1)")->font().underline(), yes);
    // The dice stay on the table: whoever is on turn may place them without throwing.
    place(yes ? 1 : 2, 3);
    QCOMPARE(cell(yes ? 1 : 2, 3)->text(), QStringLiteral("20"));
    // A new game leaves the die pictures as they are, even after the dice colour changed.
    const QImage die = m_main->diePicture(2);
    m_main->settings().DobbelsteenKleur = 12;
    m_main->BestandNieuw_Click();
    QCOMPARE(m_main->diePicture(2), die);
}

void TestMain::exitQuestionDuringAThrowStillWorks() {
    int waitsAfterYes = -1;
    m_platform->onWait = [&] {
        if (waitsAfterYes >= 0) {
            ++waitsAfterYes;
            return;
        }
        m_platform->answers << Platform::Answer::No << Platform::Answer::Yes;
        QVERIFY(!m_main->close()); // No: the dice roll on
        QVERIFY(m_main->close());  // Yes: the files are written and the throw stops
        waitsAfterYes = 0;
    };
    for (int i = 0; i < 25; ++i)
        m_platform->faces.enqueue(3);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("SchudKnop")), Qt::LeftButton);
    m_platform->onWait = nullptr;
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->messages[1].title, QStringLiteral(" Exit programma"));
    QCOMPARE(waitsAfterYes, 0);
    QVERIFY(m_main->game().state().throwing); // abandoned with the program, never finished
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("Scorelijst.lst"))));
}

void TestMain::zetAchtergrondPaintsFramesButNotTheStoredCorners() {
    throwDice({1, 2, 3, 4, 5});
    m_main->ZetAchtergrond(0, 0, 0);
    QCOMPARE(m_main->centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 0));
    for (int f = 1; f <= 16; ++f)
        QCOMPARE(find(QStringLiteral("Frame%1").arg(f))->palette().color(QPalette::Window), QColor(0, 0, 0));
    QCOMPARE(find("DobbelsteenPic(1)")->palette().color(QPalette::Window), QColor(170, 170, 170));
    QCOMPARE(find("WorpPic")->palette().color(QPalette::Window), QColor(128, 128, 128));
    for (int die = 1; die <= 5; ++die) {
        QCOMPARE(m_main->diePicture(die).pixelColor(0, 0), QColor(110, 140, 90));
        QCOMPARE(m_main->diePicture(die).pixelColor(49, 49), QColor(110, 140, 90));
    }
    const QImage frame = find("Frame8")->grab().toImage();
    QCOMPARE(frame.pixelColor(frame.width() / 2 + 3, frame.height() - 5), QColor(0, 0, 0));
}

void TestMain::helpPanelTwiceRestoresTheSheet() {
    auto* helpHelp = m_main->findChild<QAction*>(QStringLiteral("HelpHelp"));
    QVERIFY(helpHelp);
    helpHelp->trigger();
    QVERIFY(find("Frame4")->isHidden());
    QVERIFY(find("Frame6")->isHidden());
    QVERIFY(find("HelpLabel")->isVisible());
    QVERIFY(find("BackHelp")->isVisible());
    QVERIFY(helpHelp->isChecked());
    const QString text = find<QLabel>("HelpLabel")->text();
    QCOMPARE(text.count(QStringLiteral("\r\n")), 13);
    QVERIFY(text.startsWith(QStringLiteral("  Welkom bij het bekende spel Kwintor. Een programma")));
    QVERIFY(text.contains(QStringLiteral("\r\n       6. Klik dan op één van de getallen onder de naam v/d speler")));
    helpHelp->trigger();
    QVERIFY(find("Frame4")->isVisible());
    QVERIFY(find("Frame6")->isVisible());
    QVERIFY(find("HelpLabel")->isHidden());
    QVERIFY(find("BackHelp")->isHidden());
    QVERIFY(!helpHelp->isChecked());
    helpHelp->trigger();
    QCOMPARE(find<QLabel>("HelpLabel")->text(), text);
}

void TestMain::spelregelsOpensTheDocumentOrSaysWhereItLooked() {
    const QString pdf = m_dir->filePath(QStringLiteral("spelregels.pdf"));
    const qsizetype before = m_platform->messages.size();
    m_main->HelpSpelregels_Click();
    QCOMPARE(m_platform->opened, QStringList{});
    QCOMPARE(m_platform->messages.size(), before + 1);
    QCOMPARE(m_platform->messages.last().title, QStringLiteral(" Spelregels"));
    QCOMPARE(m_platform->messages.last().text, QStringLiteral("De spelregels zijn niet gevonden. Gezocht in:\r\n") + pdf);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_main->HelpSpelregels_Click();
    QCOMPARE(m_platform->opened, QStringList{pdf});
    QCOMPARE(m_platform->messages.size(), before + 1);
}

void TestMain::infoCaptionFollowsTheSeconds_data() {
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("start");
    QTest::newRow("5: the maker") << 5 << QStringLiteral("Kwintor van");
    QTest::newRow("15: the date") << 15 << QStringLiteral("Het is nu ");
    QTest::newRow("25: stamps") << 25 << QStringLiteral("Verzamelt u postzegels?");
    QTest::newRow("59: graphics") << 59 << QStringLiteral("Informatie over grafische");
    QTest::newRow("0: the maker again") << 0 << QStringLiteral("Kwintor van");
}

void TestMain::infoCaptionFollowsTheSeconds() {
    QFETCH(int, second);
    QFETCH(QString, start);
    m_platform->m_now = QDateTime(QDate(2026, 12, 6), QTime(12, 0, second));
    m_main->KlokTimer_Timer();
    const QString caption = m_main->findChild<QAction*>(QStringLiteral("Info"))->text();
    QVERIFY2(caption.startsWith(start), qPrintable(caption));
    QCOMPARE(find<QLabel>("KlokLabel")->text(), QStringLiteral(" 12:00:%1").arg(second, 2, 10, QLatin1Char('0')));
    if (second / 10 == 0)
        QVERIFY(caption.endsWith(QStringLiteral("2026.")));
    if (second / 10 == 1)
        QVERIFY(caption.endsWith(QStringLiteral(" / 12:00:15")));
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
