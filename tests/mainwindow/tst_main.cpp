#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "resources/Plaatjes.h"
#include "support/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void menuTitlesFitTheBarAtEveryFontSize_data();
    void menuTitlesFitTheBarAtEveryFontSize();
    void startStateIsOnePlayerWithPlayerOneOnTurn();
    void throwShowsFacesSumAndCounterAndRoundsCorners();
    void heldDiceKeepTheirFacesAndThirdThrowSpendsTheButton();
    void aTurnUsesOnlyDiceItThrew_data();
    void aTurnUsesOnlyDiceItThrew();
    void dieFaceFollowsTheDiceColour_data();
    void dieFaceFollowsTheDiceColour();
    void clickOutOfTurnShowsTheMessageOnceAndChangesNothing();
    void clickDuringAThrowIsRefused();
    void commandsChosenDuringAThrowRunAfterItInOrder();
    void menuItemsRunTheirCommands_data();
    void menuItemsRunTheirCommands();
    void closingDuringAWaitLeavesTheWindowStanding_data();
    void closingDuringAWaitLeavesTheWindowStanding();
    void namesAreShownAsTyped();
    void zetAchtergrondPaintsFramesButNotTheStoredCorners();
    void helpPanelTwiceRestoresTheSheet();
    void spelregelsMissingSaysWhereItLooked();
    void whatCannotBeOpenedIsNamedOnALineOfItsOwn_data();
    void whatCannotBeOpenedIsNamedOnALineOfItsOwn();
    void infoCaptionFollowsTheSeconds_data();
    void infoCaptionFollowsTheSeconds();

private:
    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* widget = m_main->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLabel* cell(int player, int row) const { return find<QLabel>(QStringLiteral("SP%1(%2)").arg(player).arg(row)); }
    QPushButton* button() const { return find<QPushButton>(QStringLiteral("SchudKnop")); }
    QImage die(int die) const { return m_main->tray().diePicture(die); }
    // One throw that lands on `faces` for the dice that roll (die 1 first).
    void throwDice(const QList<int>& faces);
    void place(int player, int row) { QTest::mouseClick(cell(player, row), Qt::LeftButton); }
    void hold(int die) { QTest::mouseClick(find(QStringLiteral("DobbelsteenPic(%1)").arg(die)), Qt::LeftButton); }
    QAction* menuItem(const QString& menu, const QString& caption) const;
    void setPlayers(const QStringList& names);
    // From now on every modal dialog that opens is noted by its title and closed.
    void closeEveryDialog();

    QTimer m_dialogCloser;
    QStringList m_dialogs;

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
    m_dialogCloser.stop();
    m_dialogCloser.disconnect();
    m_dialogs.clear();
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
    QTest::mouseClick(button(), Qt::LeftButton);
    QVERIFY(m_platform->faces.isEmpty());
}

QAction* TestMain::menuItem(const QString& menu, const QString& caption) const {
    for (QAction* top : m_main->menuBar()->actions())
        if (top->menu() && top->menu()->objectName() == menu)
            for (QAction* item : top->menu()->actions())
                if (item->text() == caption)
                    return item;
    qFatal("no menu item %s / %s", qPrintable(menu), qPrintable(caption));
}

void TestMain::closeEveryDialog() {
    m_dialogCloser.setInterval(5);
    connect(&m_dialogCloser, &QTimer::timeout, this, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            m_dialogs << dialog->windowTitle();
            dialog->reject();
        }
    });
    m_dialogCloser.start();
}

void TestMain::setPlayers(const QStringList& names) {
    std::array<std::string, 7> all{};
    for (int p = 1; p <= 6; ++p)
        all[p] = p <= names.size() ? names[p - 1].toStdString() : "Speler " + std::to_string(p);
    m_main->flow().choosePlayers(int(names.size()), all);
}

// Positions in pixels of the client area, as the twips of the layout tables give them.
void TestMain::controlsStandAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("box"); // width -1: sized to its text
    QTest::newRow("Frame1") << "Frame1" << QRect(6, 0, 160, 46);
    QTest::newRow("Frame13") << "Frame13" << QRect(758, 46, 90, 400);
    QTest::newRow("SchudKnop") << "SchudKnop" << QRect(760, 534, 86, 30);
    QTest::newRow("HelpLabel") << "HelpLabel" << QRect(178, 62, 568, 220);
    QTest::newRow("SP1(0)") << "SP1(0)" << QRect(208, 62, 50, 23);
    QTest::newRow("SP2(14)") << "SP2(14)" << QRect(306, 458, 50, 23);
    QTest::newRow("SP6(16)") << "SP6(16)" << QRect(698, 539, 50, 23);
    QTest::newRow("LineA(1)") << "LineA(1)" << QRect(262, 62, 1, 157);
    QTest::newRow("DobbelsteenPic(5), at the top") << "DobbelsteenPic(5)" << QRect(778, 76, 50, 50);
    QTest::newRow("DobbelsteenPic(1), at the bottom") << "DobbelsteenPic(1)" << QRect(778, 376, 50, 50);
    QTest::newRow("Shape(1)") << "Shape(1)" << QRect(772, 370, 63, 63);
    QTest::newRow("WorpPic") << "WorpPic" << QRect(766, 500, 75, 20);
    QTest::newRow("SpelersLabel(4)") << "SpelersLabel(4)" << QRect(478, 17, -1, -1);
    QTest::newRow("Label3") << "Label3" << QRect(16, 266, -1, -1);
    QTest::newRow("KlokLabel") << "KlokLabel" << QRect(760, 16, -1, -1);
}

void TestMain::controlsStandAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, box);
    QWidget* widget = find(name);
    QCOMPARE(widget->mapTo(m_main->centralWidget(), QPoint(0, 0)), box.topLeft());
    if (box.width() > 0)
        QCOMPARE(widget->size(), box.size());
}

// A desktop's interface font (what a platform theme hands the application) or a style sheet
// makes the menu titles taller; the bar grows with them rather than fold them into "»".
void TestMain::menuTitlesFitTheBarAtEveryFontSize_data() {
    QTest::addColumn<bool>("styleSheet");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("dpi");
    for (bool styleSheet : {false, true})
        for (int dpi : {96, 144})
            for (int points : {9, 10, 11, 12, 14})
                QTest::addRow("%s %d pt at %d dpi", styleSheet ? "style sheet" : "interface font", points, dpi)
                    << styleSheet << points << dpi;
}

void TestMain::menuTitlesFitTheBarAtEveryFontSize() {
    QFETCH(bool, styleSheet);
    QFETCH(int, points);
    QFETCH(int, dpi);
    const int pixels = qRound(points * dpi / 72.0);
    const QFont font = QApplication::font();
    const auto restore = qScopeGuard([font] {
        qApp->setStyleSheet(QString());
        QApplication::setFont(font);
    });
    if (styleSheet) {
        qApp->setStyleSheet(QStringLiteral("QMenuBar { font-size: %1px; }").arg(pixels));
    } else {
        QFont large = font;
        large.setPixelSize(pixels);
        QApplication::setFont(large);
    }
    ScriptedPlatform platform(m_dir->path());
    Main main(platform);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const QMenuBar* bar = main.menuBar();
    QCOMPARE(bar->fontInfo().pixelSize(), pixels);
    for (const char* title : {"Bestand", "Spelers", "Tools", "Help"}) {
        const QRect place = bar->actionGeometry(bar->findChild<QMenu*>(title)->menuAction());
        QVERIFY2(!place.isEmpty() && bar->rect().contains(place), title);
        QVERIFY2(place.width() >= bar->fontMetrics().horizontalAdvance(QLatin1String(title)), title);
    }
    // The sheet keeps its size and stands below the bar.
    QCOMPARE(main.centralWidget()->geometry(), QRect(0, bar->height(), 854, 573));
    QCOMPARE(main.size(), QSize(854, 573 + bar->height()));
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
    QVERIFY(button()->isEnabled());
    QVERIFY(button()->hasFocus());
    QVERIFY(find("Shape(1)")->isHidden());
    // Before the first throw a die is a plain square with corners in the window's colour.
    QCOMPARE(die(3).pixelColor(25, 25), QColor(170, 170, 170));
    QCOMPARE(die(3).pixelColor(0, 0), QColor(110, 140, 90));
    QCOMPARE(die(3).pixelColor(48, 49), QColor(110, 140, 90));
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
    QImage expected = kwintor::Plaatjes::instance().Img(6).convertToFormat(die(1).format());
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(49, 48), QPoint(48, 49), QPoint(49, 49)}) {
        QCOMPARE(die(1).pixelColor(corner), QColor(110, 140, 90));
        expected.setPixelColor(corner, QColor(110, 140, 90));
    }
    QCOMPARE(die(1).pixelColor(2, 2), expected.pixelColor(2, 2));
    QCOMPARE(die(1).pixelColor(25, 25), expected.pixelColor(25, 25));
    // The throw hands the focus back to the button, so the keyboard can throw again.
    QVERIFY(button()->hasFocus());
}

void TestMain::heldDiceKeepTheirFacesAndThirdThrowSpendsTheButton() {
    throwDice({1, 2, 3, 4, 5});
    hold(2);
    hold(4);
    QVERIFY(find("Shape(2)")->isVisible());
    QVERIFY(find("Shape(4)")->isVisible());
    QVERIFY(find("Shape(1)")->isHidden());
    throwDice({6, 6, 6}); // dice 1, 3 and 5 roll
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("24"));
    QVERIFY(button()->isEnabled());
    throwDice({1, 1, 1});
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("9"));
    QVERIFY(!button()->isEnabled());
    QCOMPARE(find<QLabel>("WorpPic")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
             kwintor::Plaatjes::instance().Worp(3));
    // A placement releases the holds, resets the counter and gives the button back.
    place(1, 0);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("3"));
    QVERIFY(find("Shape(2)")->isHidden());
    QVERIFY(button()->isEnabled());
    QVERIFY(button()->hasFocus());
    QCOMPARE(find<QLabel>("ScoreLabel")->text(), QStringLiteral("0"));
    QCOMPARE(find<QLabel>("WorpPic")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
             kwintor::Plaatjes::instance().Worp(0));
}

// A turn starts with five fresh dice: the dice left on the table belong to the turn before.
void TestMain::aTurnUsesOnlyDiceItThrew_data() {
    QTest::addColumn<QString>("before"); // what happened before the turn under test
    QTest::newRow("first turn of the program") << "";
    QTest::newRow("after a placement") << "placed";
    QTest::newRow("after a new game in the middle of a turn") << "new game";
}

void TestMain::aTurnUsesOnlyDiceItThrew() {
    QFETCH(QString, before);
    if (!before.isEmpty()) {
        throwDice({6, 6, 6, 6, 6});
        if (before == "placed")
            place(1, 13);
        else
            m_main->BestandNieuw_Click(); // answered Yes
    }
    for (int d = 1; d <= 5; ++d)
        hold(d);
    for (int d = 1; d <= 5; ++d)
        QVERIFY(find(QStringLiteral("Shape(%1)").arg(d))->isHidden());
    place(1, 14); // a five of a kind is on the table, but not thrown in this turn
    QCOMPARE(cell(1, 14)->text(), QStringLiteral("0"));
    QVERIFY(cell(1, 14)->isEnabled());
    throwDice({1, 2, 3, 4, 6}); // every die rolls
    place(1, 10);
    QCOMPARE(cell(1, 10)->text(), QStringLiteral("30"));
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
    m_main->applySettings(kwintor::Settings{110, 140, 90, std::uint8_t(colour)});
    throwDice({face, face, face, face, face});
    const QImage& expected = kwintor::Plaatjes::instance().Img(face + colour);
    for (QPoint at : {QPoint(25, 12), QPoint(10, 25), QPoint(25, 25)})
        QCOMPARE(die(3).pixelColor(at), expected.pixelColor(at));
}

void TestMain::clickOutOfTurnShowsTheMessageOnceAndChangesNothing() {
    setPlayers({"Ann", "Bob"});
    QCOMPARE(find<QLabel>("SpelersLabel(2)")->text(), QStringLiteral("Bob"));
    throwDice({2, 2, 3, 3, 3});
    hold(1);
    place(2, 12);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("U bent nu niet aan de beurt!"));
    QCOMPARE(m_platform->messages[0].title, QStringLiteral("Kwintor"));
    QCOMPARE(m_platform->messages[0].buttons, Platform::Buttons::Ok);
    QCOMPARE(cell(2, 12)->text(), QStringLiteral("0"));
    QVERIFY(find("Shape(1)")->isVisible());
    QCOMPARE(m_main->flow().game().state().WorpTeller, 1);
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
    bool clicked = false;
    m_platform->onWait = [&] {
        if (clicked)
            return;
        clicked = true;
        QVERIFY(!button()->isEnabled());
        place(1, 0);
        QTest::mouseClick(button(), Qt::LeftButton);
    };
    throwDice({1, 1, 1, 1, 1});
    m_platform->onWait = nullptr;
    QVERIFY(clicked);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("0"));
    QCOMPARE(m_main->flow().game().state().WorpTeller, 1);
    place(1, 0);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("5"));
}

void TestMain::commandsChosenDuringAThrowRunAfterItInOrder() {
    setPlayers({"Ann", "Bob"});
    m_platform->answers << Platform::Answer::Yes << Platform::Answer::No; // new game, print
    bool chosen = false;
    m_platform->onWait = [&] {
        if (chosen)
            return;
        chosen = true;
        menuItem("Bestand", "Nieuw")->trigger();
        menuItem("Bestand", "Print Formulieren")->trigger();
        QVERIFY(m_platform->messages.isEmpty()); // not while the dice are rolling
    };
    throwDice({4, 4, 4, 4, 4});
    m_platform->onWait = nullptr;
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->messages[0].title, QStringLiteral(" Nieuw"));
    QCOMPARE(m_platform->messages[1].title, QStringLiteral(" Print"));
    QCOMPARE(find<QLabel>("Label1")->text(), QStringLiteral("Aantal spelers : 1"));
    QCOMPARE(find<QLabel>("SpelersLabel(2)")->text(), QStringLiteral("Speler 2"));
    // The dice stay on the table, their pictures untouched.
    QCOMPARE(die(2).pixelColor(25, 25), kwintor::Plaatjes::instance().Img(4).pixelColor(25, 25));
}

// Every menu item, reached as a user reaches it, and what it must bring about.
void TestMain::menuItemsRunTheirCommands_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shows"); // "message:title", "dialog:title" or "opens:target"
    QTest::newRow("Nieuw") << "Bestand"
                           << "Nieuw"
                           << "message: Nieuw";
    QTest::newRow("Print Formulieren") << "Bestand"
                                       << "Print Formulieren"
                                       << "message: Print";
    QTest::newRow("Exit") << "Bestand"
                          << "Exit"
                          << "message: Exit programma";
    QTest::newRow("Aantal Speler") << "Spelers"
                                   << "Aantal Speler"
                                   << "dialog: Spelers";
    QTest::newRow("Scorelijst") << "Spelers"
                                << "Scorelijst"
                                << "dialog: Scorelijst";
    QTest::newRow("Computerspelers") << "Spelers"
                                     << "Computerspelers..."
                                     << "dialog: Computerspelers";
    QTest::newRow("Statistieken") << "Spelers"
                                  << "Statistieken"
                                  << "dialog: Statistieken";
    QTest::newRow("Instellingen") << "Tools"
                                  << "Instellingen"
                                  << "dialog: Instellingen";
    QTest::newRow("Spelregels") << "Help"
                                << "Spelregels"
                                << "opens:spelregels.pdf";
    QTest::newRow("Zegelhof") << "Help"
                              << "Zegelhof"
                              << "opens:https://www.zegelhof.example/";
    QTest::newRow("Meer Software") << "Help"
                                   << "Meer Software"
                                   << "opens:https://www.dobbelwerken.example/software.htm";
}

void TestMain::menuItemsRunTheirCommands() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, shows);
    QFile rules(m_dir->filePath(QStringLiteral("spelregels.pdf"))); // beside the program, as in a build tree
    QVERIFY(rules.open(QIODevice::WriteOnly));
    rules.close();
    closeEveryDialog();
    m_platform->answers << Platform::Answer::No; // whatever the question, No changes nothing
    menuItem(menu, caption)->trigger();
    QStringList seen;
    for (const auto& message : m_platform->messages)
        seen << "message:" + message.title;
    for (const QString& title : m_dialogs)
        seen << "dialog:" + title;
    for (const QString& target : m_platform->opened)
        seen << "opens:" + QString(target).remove(m_dir->path() + "/");
    QCOMPARE(seen, QStringList{shows});
}

// The window is not destroyed while one of its handlers waits, whatever the user does in the
// wait: here the exit question is answered Yes and deferred deletes run inside the wait.
void TestMain::closingDuringAWaitLeavesTheWindowStanding_data() {
    QTest::addColumn<bool>("endOfGame"); // else during a throw
    QTest::newRow("during a throw") << false;
    QTest::newRow("during the second before the score list") << true;
}

void TestMain::closingDuringAWaitLeavesTheWindowStanding() {
    QFETCH(bool, endOfGame);
    if (endOfGame)
        for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13}) {
            throwDice({1, 2, 3, 4, 5});
            place(1, row);
        }
    QPointer<Main> window = m_main;
    bool closed = false;
    m_platform->onWait = [&] {
        if (closed || (endOfGame && m_platform->waits.last() != 1.0))
            return;
        closed = true;
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    m_platform->answers << Platform::Answer::Yes << Platform::Answer::Yes; // the score, the exit
    closeEveryDialog();
    if (endOfGame) {
        throwDice({1, 2, 3, 4, 5});
        place(1, 14);
    } else {
        QTest::mouseClick(button(), Qt::LeftButton);
    }
    m_platform->onWait = nullptr;
    QVERIFY(closed);
    QVERIFY(window); // still standing; the program's own main() deletes it after the event loop
    QVERIFY(!window->isVisible());
    QVERIFY(m_dialogs.isEmpty()); // nothing more was shown once the exit was answered Yes
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("Kwintor.ini"))));
}

void TestMain::namesAreShownAsTyped() {
    const QString name = QStringLiteral("<s>A&n\"n,</s>");
    setPlayers({name});
    auto* label = find<QLabel>("SpelersLabel(1)");
    QCOMPARE(label->text(), name);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    m_platform->answers << Platform::Answer::Yes;
    closeEveryDialog();
    for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}) {
        throwDice({1, 2, 3, 4, 5});
        place(1, row);
    }
    QCOMPARE(m_platform->messages[0].text.section("voor ", 1), name + "?");
    // A quote cannot be stored in the file and becomes a single quote.
    QCOMPARE(m_main->files().scores().at(0), std::string("0100 - <s>A&n'n,</s>"));
    QCOMPARE(m_dialogs, QStringList{" Scorelijst"});
}

void TestMain::zetAchtergrondPaintsFramesButNotTheStoredCorners() {
    throwDice({1, 2, 3, 4, 5});
    m_main->ZetAchtergrond(0, 0, 0);
    QCOMPARE(m_main->centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 0));
    for (int f = 1; f <= 16; ++f)
        QCOMPARE(find(QStringLiteral("Frame%1").arg(f))->palette().color(QPalette::Window), QColor(0, 0, 0));
    QCOMPARE(find("DobbelsteenPic(1)")->palette().color(QPalette::Window), QColor(170, 170, 170));
    QCOMPARE(find("WorpPic")->palette().color(QPalette::Window), QColor(128, 128, 128));
    for (int d = 1; d <= 5; ++d)
        QCOMPARE(die(d).pixelColor(49, 49), QColor(110, 140, 90));
    const QImage frame = find("Frame8")->grab().toImage();
    QCOMPARE(frame.pixelColor(frame.width() / 2 + 3, frame.height() - 5), QColor(0, 0, 0));
}

void TestMain::helpPanelTwiceRestoresTheSheet() {
    QAction* helpHelp = menuItem("Help", "Help");
    for (bool shown : {true, false}) {
        helpHelp->trigger();
        QCOMPARE(helpHelp->isChecked(), shown);
        for (const char* sheetPart : {"Frame4", "Frame6"})
            QCOMPARE(find(sheetPart)->isHidden(), shown);
        for (const char* helpPart : {"HelpLabel", "BackHelp"})
            QCOMPARE(find(helpPart)->isVisible(), shown);
    }
    const QString text = find<QLabel>("HelpLabel")->text();
    QCOMPARE(text.count(QStringLiteral("\r\n")), 13);
    QVERIFY(text.contains(QStringLiteral("\r\n       6. Klik dan op één van de getallen onder de naam v/d speler")));
    QVERIFY(text.contains(QStringLiteral("T leest de totalen, W wie aan de beurt is")));
}

// The found case is a row of menuItemsRunTheirCommands.
void TestMain::spelregelsMissingSaysWhereItLooked() {
    m_main->HelpSpelregels_Click();
    QCOMPARE(m_platform->opened, QStringList{});
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, QStringLiteral(" Spelregels"));
    QCOMPARE(m_platform->messages[0].text,
             "De spelregels zijn niet gevonden. Gezocht in:\r\n" + m_dir->filePath("spelregels.pdf"));
}

void TestMain::whatCannotBeOpenedIsNamedOnALineOfItsOwn_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("target"); // relative: a file in the program's folder
    QTest::newRow("Spelregels") << "Spelregels"
                                << "spelregels.pdf";
    QTest::newRow("Zegelhof") << "Zegelhof"
                              << "https://www.zegelhof.example/";
    QTest::newRow("Meer Software") << "Meer Software"
                                   << "https://www.dobbelwerken.example/software.htm";
}

// A desktop without a viewer or a browser: the user learns what to open by hand.
void TestMain::whatCannotBeOpenedIsNamedOnALineOfItsOwn() {
    QFETCH(QString, caption);
    QFETCH(QString, target);
    QFile rules(m_dir->filePath(QStringLiteral("spelregels.pdf")));
    QVERIFY(rules.open(QIODevice::WriteOnly));
    rules.close();
    m_platform->shellOpens = false;
    menuItem("Help", caption)->trigger();
    const QString path = target.contains("://") ? target : QDir::toNativeSeparators(m_dir->filePath(target));
    QCOMPARE(m_platform->opened, QStringList{target.contains("://") ? target : m_dir->filePath(target)});
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, " " + caption);
    QCOMPARE(m_platform->messages[0].text.split("\r\n").last(), path);
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
