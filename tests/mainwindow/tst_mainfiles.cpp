#include "mainwindow/FormPrinter.h"
#include "persistence/KeptGame.h"
#include "persistence/ScoreList.h"
#include "support/GameScript.h"
#include "support/MainFixture.h"

#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>

using namespace kwintor;
using test::MainFixture;
using test::OneColumn;
using test::ScriptedPlatform;
using Answer = Platform::Answer;

namespace {

// A white landscape A4 page at 144 dots per inch, so one pixel is ten twips.
QImage blankPage() {
    QImage page(1684, 1191, QImage::Format_RGB32);
    page.setDotsPerMeterX(5669);
    page.setDotsPerMeterY(5669);
    page.fill(Qt::white);
    return page;
}

// The page printed with a form of four coloured quarters, so a cropped or mirrored copy shows.
QImage printedPage() {
    QImage form(80, 100, QImage::Format_RGB32), page = blankPage();
    QPainter quarters(&form);
    quarters.fillRect(0, 0, 40, 50, Qt::red);
    quarters.fillRect(40, 0, 40, 50, Qt::green);
    quarters.fillRect(0, 50, 40, 50, Qt::blue);
    quarters.fillRect(40, 50, 40, 50, Qt::yellow);
    quarters.end();
    QPainter painter(&page);
    FormPrinter::paint(painter, form);
    return page;
}

// A game of one player, `name`, in his second turn after a throw.
QByteArray gameOf(const QString& name) {
    Game game;
    test::play(game, "n1 t11111 p0 t22222", {"", name.toStdString()});
    return QByteArray::fromStdString(keptGameText({game.state(), {}}));
}

// Another copy of the program, as far as the kept games go: a live process whose lock holds
// the file. kill() ends it as kill -9 does, leaving its lock file behind.
struct OtherCopy {
    explicit OtherCopy(const QString& file) {
        process.start("sleep", {"600"});
        process.waitForStarted();
        writeBytes(file + ".lock",
                   QByteArray::number(process.processId()) + "\nsleep\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    ~OtherCopy() {
        process.kill();
        process.waitForFinished();
    }
    void kill() {
        process.kill();
        process.waitForFinished();
    }
    QProcess process;
};

} // namespace

// The files of the main window: the settings and the score list read at start, a score and a
// deletion written at once, both files written on a confirmed exit or at the session's end; and
// the blank forms printed or saved as a PDF.
class TestMainFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<MainFixture> f;

private slots:
    void init() { f = std::make_unique<MainFixture>(); }
    void cleanup() { f.reset(); }

    // The start colours the window from the settings file (without one it writes the defaults,
    // as theSessionsEndKeepsBothFiles reads) and writes no score list before the first exit.
    void theStartAppliesTheSettingsFile() {
        const QByteArray blue = Headers + "0,0,255\r\n12\r\n";
        f->write("Kwintor.ini", blue);
        f->open();
        QCOMPARE(f->widget("Frame7")->grab().toImage().pixelColor(5, 5), QColor(0, 0, 255));
        QCOMPARE(f->read("Kwintor.ini"), blue);
        QVERIFY(!QFile::exists(f->path("Scorelijst.lst")));
        QVERIFY(f->platform.messages.isEmpty());
    }

    void theExitWritesBothFilesOnlyWhenAnsweredYes_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No: nothing written, the window stays") << false;
        QTest::newRow("Yes: both written, the window closes") << true;
    }
    void theExitWritesBothFilesOnlyWhenAnsweredYes() {
        QFETCH(bool, yes);
        f->open();
        f->main->applySettings(Settings{200, 10, 20, 6});
        const QByteArray before = f->read("Kwintor.ini");
        f->platform.answers << (yes ? Answer::Yes : Answer::No);
        f->run("Bestand/Exit");
        QCOMPARE(f->main->isVisible(), !yes);
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].text, "Wilt u dit programma nu afsluiten?");
        QCOMPARE(f->read("Kwintor.ini"), yes ? Headers + "200,10,20\r\n6\r\n" : before);
        QCOMPARE(QFile::exists(f->path("Scorelijst.lst")), yes);
    }

    void aFailingWriteIsToldAndLosesNothing() {
        f->open();
        // A folder where the score list should go: no write can succeed, even as root.
        QVERIFY(QDir(f->dir.path()).mkdir("Scorelijst.lst"));
        QVERIFY(f->main->files().recordScore(250, "Anna")); // kept in memory though the write fails
        f->platform.answers << Answer::Yes << Answer::No;
        QVERIFY(!f->main->close());
        QCOMPARE(f->platform.messages.size(), 2);
        QVERIFY(f->platform.messages[1].text.contains(QDir::toNativeSeparators(f->path("Scorelijst.lst"))));
        QVERIFY(!f->platform.messages[1].text.contains("Kwintor.ini")); // that one was written
        // Once the way is clear, the next exit saves it.
        QVERIFY(QDir(f->dir.path()).rmdir("Scorelijst.lst"));
        f->platform.answers << Answer::Yes;
        QVERIFY(f->main->close());
        QCOMPARE(f->read("Scorelijst.lst"), fileOf({"0250 - Anna"}));
    }

    // At the end of his column a person is asked; Yes puts the score on the list and on disk at
    // once, and shows the list a second later.
    void theScoreAnsweredYesIsRecordedAndShown() {
        f->withAdviceTable(); // the end of the game weighs its decisions; no computation left running
        f->open();
        const QString ann = QStringLiteral("<s>A&n\"n,</s>"); // shown and asked as typed
        f->setPlayers({ann, "Bob"});
        QCOMPARE(f->text("SpelersLabel(1)"), ann);
        QCOMPARE(f->widget<QLabel>("SpelersLabel(1)")->textFormat(), Qt::PlainText);
        QStringList listed;
        f->dialogs << [&](QDialog& dialog) {
            QVERIFY(f->platform.waits.contains(1.0)); // after a second's pause
            auto* list = test::child<QListWidget>(&dialog, "List1");
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            test::click(&dialog, "OkKnop");
        };
        f->platform.answers << Answer::Yes << Answer::No;
        f->play(OneColumn);
        f->waitForAdviceTable();
        QCOMPARE(f->platform.messages.size(), 2);
        QCOMPARE(f->platform.messages[0].title, " Score");
        QCOMPARE(f->platform.messages[0].text, "Score van 338 toegevoegen aan de\r\nscorelijst voor " + ann + "?");
        QCOMPARE(f->platform.messages[1].text, "Score van 338 toegevoegen aan de\r\nscorelijst voor Bob?");
        // The last question carries what has just happened, which it would otherwise cut short.
        QVERIFY(f->platform.messages[1].spokenFirst.contains(
            "Bob is klaar met 338 punten. Het spel is uit. Uitslag: 1. " + ann + ", 338 punten; 1. Bob, 338 punten."));
        QCOMPARE(f->shown, (QStringList{" Scorelijst", " Uitslag"})); // the list first, then the final order
        // A quote cannot be stored in the file and becomes a single quote.
        QCOMPARE(listed, QStringList{"0338 - <s>A&n'n,</s>"});
        QCOMPARE(f->read("Scorelijst.lst"), fileOf(listed));
        QVERIFY(!f->main->actions().ongedaan->isEnabled()); // the answered score stands
    }

    void aFullListRecordsNothingAndSaysSo() {
        const QByteArray full = fileOf(QStringList(ScoreList::MaxEntries, "0100 - Speler"));
        f->write("Scorelijst.lst", full);
        f->withAdviceTable();
        f->open();
        f->play(OneColumn);
        f->waitForAdviceTable();
        QCOMPARE(f->platform.messages.size(), 2);
        QCOMPARE(f->platform.messages[1].text,
                 "De scorelijst is vol (32767 namen). Verwijder eerst namen uit de lijst.");
        QCOMPARE(f->shown, QStringList{" Uitslag"}); // no list to show
        QCOMPARE(f->read("Scorelijst.lst"), full);
    }

    // A deletion in Spelers / Scorelijst reaches the file at once; No deletes nothing.
    void aDeletionInTheScoreListReachesTheFile_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("left");
        const QStringList two{"0120 - Ann", "0300 - Cor"};
        QTest::newRow("Cor, yes") << "DeleteKnop" << Answer::Yes << QStringList{"0120 - Ann"};
        QTest::newRow("Cor, no") << "DeleteKnop" << Answer::No << two;
        QTest::newRow("all, yes") << "DeleteAllKnop" << Answer::Yes << QStringList{};
    }
    void aDeletionInTheScoreListReachesTheFile() {
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        QFETCH(QStringList, left);
        f->write("Scorelijst.lst", fileOf({"0120 - Ann", "0300 - Cor"}));
        f->open();
        f->dialogs << [&](QDialog& dialog) {
            auto* list = test::child<QListWidget>(&dialog, "List1");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            f->platform.answers << answer;
            test::click(&dialog, button);
            test::click(&dialog, "OkKnop");
        };
        f->run("Spelers/Scorelijst");
        QCOMPARE(f->read("Scorelijst.lst"), fileOf(left));
        QCOMPARE(int(f->main->files().scores().count()), int(left.size()));
    }

    // The desktop ends the session: with nobody to answer, both files are kept without a question;
    // with questions allowed the exit question decides, and No cancels the end.
    void theSessionsEndKeepsBothFiles_data() {
        QTest::addColumn<bool>("mayAsk");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("no questions") << false << Answer::No << true;
        QTest::newRow("asked, Yes") << true << Answer::Yes << true;
        QTest::newRow("asked, No") << true << Answer::No << false;
    }
    void theSessionsEndKeepsBothFiles() {
        QFETCH(bool, mayAsk);
        QFETCH(Answer, answer);
        QFETCH(bool, ends);
        f->open();
        f->main->applySettings(Settings{1, 2, 3, 12});
        QVERIFY(QDir(f->dir.path()).mkdir("Scorelijst.lst")); // the score is not yet on disk
        f->main->files().recordScore(77, "Ann");
        QVERIFY(QDir(f->dir.path()).rmdir("Scorelijst.lst"));
        f->platform.answers << answer;
        QCOMPARE(f->main->sessionEnds(mayAsk), ends);
        QCOMPARE(f->platform.messages.size(), mayAsk ? 1 : 0);
        QCOMPARE(f->read("Kwintor.ini"), ends ? Headers + "1,2,3\r\n12\r\n" : Headers + "110,140,90\r\n0\r\n");
        QCOMPARE(f->read("Scorelijst.lst"), ends ? fileOf({"0077 - Ann"}) : QByteArray("<unreadable>"));
        QCOMPARE(f->main->closing(), ends); // no handler goes on with the game
    }

    // Each copy keeps its own game: a game another running copy holds is neither offered nor
    // touched; every other one is offered, one question each, until one is taken up.
    void eachCopyKeepsItsOwnGame_data() {
        QTest::addColumn<QStringList>("games"); // "file:player", the games left in the folder
        QTest::addColumn<QStringList>("held");  // files that another running copy holds
        QTest::addColumn<QString>("killed");    // when those copies are killed (-9): "before" or "after" the start
        QTest::addColumn<bool>("readOnly");     // the folder takes no file
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("asked"); // whose game each question offered
        QTest::addColumn<QStringList>("left");  // the other games in the folder afterwards
        QTest::addColumn<QString>("ownFile");   // where this copy keeps its own game; "": nowhere
        const QList<Answer> no{Answer::No}, yes{Answer::Yes};
        QTest::newRow("an older version's Spel.sav: offered, Nee removes it")
            << QStringList{"Spel.sav:Ann"} << QStringList{} << "" << false << no << QStringList{"Ann"} << QStringList{}
            << "Spel.sav";
        QTest::newRow("two copies: the other's game is not offered")
            << QStringList{"Spel.sav:Ann"} << QStringList{"Spel.sav"} << "" << false << QList<Answer>{} << QStringList{}
            << QStringList{"Spel.sav:Ann"} << "Spel-2.sav";
        QTest::newRow("a third copy") << QStringList{"Spel.sav:Ann", "Spel-2.sav:Bob"}
                                      << QStringList{"Spel.sav", "Spel-2.sav"} << "" << false << QList<Answer>{}
                                      << QStringList{} << QStringList{"Spel-2.sav:Bob", "Spel.sav:Ann"} << "Spel-3.sav";
        QTest::newRow("the other copy killed: its game is offered, Ja takes it up")
            << QStringList{"Spel.sav:Ann"} << QStringList{"Spel.sav"} << "before" << false << yes << QStringList{"Ann"}
            << QStringList{} << "Spel.sav";
        QTest::newRow("the other copy killed while this one runs: its game waits for the next start")
            << QStringList{"Spel.sav:Ann"} << QStringList{"Spel.sav"} << "after" << false << QList<Answer>{}
            << QStringList{} << QStringList{"Spel.sav:Ann"} << "Spel-2.sav";
        QTest::newRow("two free games and a held one: a question each, Nee to both")
            << QStringList{"Spel.sav:Ann", "Spel-2.sav:Bob", "Spel-10.sav:Cor"} << QStringList{"Spel-2.sav"} << ""
            << false << QList<Answer>{Answer::No, Answer::No} << QStringList{"Ann", "Cor"}
            << QStringList{"Spel-2.sav:Bob"} << "Spel.sav";
        QTest::newRow("Ja to the first of two: the second waits for the next start")
            << QStringList{"Spel-2.sav:Bob", "Spel-3.sav:Cor"} << QStringList{} << "" << false << yes
            << QStringList{"Bob"} << QStringList{"Spel-3.sav:Cor"} << "Spel-2.sav";
        QTest::newRow("read-only folder: offered, but neither removed nor kept")
            << QStringList{"Spel.sav:Ann"} << QStringList{} << "" << true << no << QStringList{"Ann"}
            << QStringList{"Spel.sav:Ann"} << "";
    }
    void eachCopyKeepsItsOwnGame() {
        QFETCH(QStringList, games);
        QFETCH(QStringList, held);
        QFETCH(QString, killed);
        QFETCH(bool, readOnly);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, left);
        QFETCH(QString, ownFile);
        for (const QString& game : games)
            f->write(game.section(':', 0, 0), gameOf(game.section(':', 1)));
        std::vector<std::unique_ptr<OtherCopy>> others;
        for (const QString& file : held)
            others.push_back(std::make_unique<OtherCopy>(f->path(file)));
        const auto kill = [&] {
            for (auto& other : others)
                other->kill();
        };
        if (killed == "before")
            kill();
        std::optional<ReadOnlyFolder> folder;
        if (readOnly)
            folder.emplace(f->dir.path(), f->dir.path());
        const auto offeredIn = [](const ScriptedPlatform& platform) {
            QStringList names;
            for (const auto& message : platform.messages) {
                if (!message.text.startsWith("Het vorige spel is niet afgemaakt. Wilt u het afmaken?\r\n\r\nSpelers: "))
                    return QStringList{"unexpected: " + message.text};
                names << message.text.section("Spelers: ", 1).section("\r\n", 0, 0);
            }
            return names;
        };

        f->platform.answers.append(answers);
        f->open();
        QCoreApplication::processEvents();
        QCOMPARE(offeredIn(f->platform), asked);
        if (killed == "after")
            kill();
        // This copy plays, and keeps its game where no other game is.
        f->setPlayers({"Zed"});
        f->throwDice({6, 6, 6, 6, 6});
        QCOMPARE(f->main->files().flushKeptGame(), !ownFile.isEmpty());
        QCOMPARE(f->main->files().keptGamePath(), ownFile.isEmpty() ? QString() : f->path(ownFile));
        QStringList found;
        for (const QString& name : QDir(f->dir.path()).entryList({"Spel*.sav"}, QDir::Files)) {
            KeptGame game;
            QCOMPARE(readKeptGame(f->path(name).toStdString(), game), KeptGameRead::Ok);
            found << name + ':' + QString::fromStdString(game.state.SpelerNaam[1]);
        }
        QStringList expected = left;
        if (!ownFile.isEmpty())
            expected << ownFile + ":Zed";
        expected.sort();
        QCOMPARE(found, expected);

        // A copy started now is offered only the games no running copy holds.
        QStringList free;
        for (const QString& game : games)
            if (left.contains(game) && (!killed.isEmpty() || !held.contains(game.section(':', 0, 0))))
                free << game.section(':', 1);
        ScriptedPlatform second(f->dir.path());
        second.answers << Answer::No << Answer::No << Answer::No;
        {
            Main copy(second);
            QCoreApplication::processEvents();
        }
        QCOMPARE(offeredIn(second), free);
    }

    // The session ends under a throw, a question or an open dialog: the files are kept as at the
    // exit, nothing more is asked, and the next start offers the game as it stood before.
    void theSessionsEndUnderAThrowAQuestionOrADialog_data() {
        QTest::addColumn<QString>("during");
        QTest::newRow("a throw") << "throw";
        QTest::newRow("a question") << "question";
        QTest::newRow("the question that offers the kept game") << "offer";
        QTest::newRow("a dialog") << "dialog";
    }
    void theSessionsEndUnderAThrowAQuestionOrADialog() {
        QFETCH(QString, during);
        f->open();
        f->main->applySettings(Settings{1, 2, 3, 12});
        f->setPlayers({"Ann", "Bob"});
        f->throwDice({6, 6, 6, 1, 2});
        f->place(1, RowZessen);
        f->throwDice({5, 5, 1, 2, 5});
        f->hold(1);
        const QByteArray before = QByteArray::fromStdString(keptGameText({f->state(), {}}));
        bool ended = false;
        const auto end = [&] {
            if (!std::exchange(ended, true))
                QVERIFY(f->main->sessionEnds(false));
        };
        qsizetype asked = f->platform.messages.size();
        const bool question = during == "question" || during == "offer";
        if (during == "throw") {
            f->platform.onWait = end;
            f->throwDice({4, 4, 4, 4});
        } else if (during == "question") {
            f->platform.onMessage = [&](const QString&) { end(); };
            f->platform.answers << Answer::No; // as the box closed by the session's end answers
            f->run("Bestand/Nieuw");
        } else if (during == "offer") {
            f->platform.answers << Answer::Yes;
            QVERIFY(f->main->close()); // the program's own exit
            f->kill();
            asked = f->platform.messages.size();
            f->platform.onMessage = [&](const QString&) { end(); };
            f->platform.answers << Answer::No;
            f->open();
            QCoreApplication::processEvents();
        } else {
            f->dialogs << [&](QDialog&) { end(); };
            f->run("Tools/Instellingen");
        }
        QVERIFY(ended);
        f->platform.onMessage = nullptr;
        QCOMPARE(f->platform.messages.size(), asked + (question ? 1 : 0));
        QVERIFY(f->main->close()); // the window closes as the session goes, asking nothing
        QCOMPARE(f->platform.messages.size(), asked + (question ? 1 : 0));
        QCOMPARE(f->read("Kwintor.ini"), Headers + "1,2,3\r\n12\r\n");
        f->kill();
        f->platform.answers << Answer::Yes;
        f->open();
        QTRY_COMPARE(f->platform.messages.size(), asked + (question ? 2 : 1));
        QCOMPARE(QByteArray::fromStdString(keptGameText({f->state(), {}})), before);
    }

    void pagePixelsShowTheFormsWhereTheyBelong_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        // The first form covers 450..7650 x 450..10350 twips, the second 8400..15900 across.
        QTest::newRow("first form, top left quarter") << QPoint(47, 47) << QColor(Qt::red);
        QTest::newRow("between the forms") << QPoint(800, 500) << QColor(Qt::white);
        QTest::newRow("second form, top left quarter") << QPoint(842, 47) << QColor(Qt::red);
        QTest::newRow("second form, its wider right edge") << QPoint(840 + 747, 45 + 987) << QColor(Qt::yellow);
    }
    void pagePixelsShowTheFormsWhereTheyBelong() {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        static const QImage page = printedPage();
        QCOMPARE(page.pixelColor(pixel), colour);
    }

    void theRulesLineIsPrintedBelowTheForms() {
        QCOMPARE(FormPrinter::rulesLine(),
                 "Full House (2 dezelfde + 3 dezelfde) = 25, Kleine straat (4 opeenvolgend) = 30, "
                 "Grote straat (5 opeenvolgend) = 40, Kwintor (5 dezelfde) = 50 punten.");
        const QRect band(0, 1036, 1684, 155); // from just below the forms to the foot of the page
        QVERIFY(printedPage().copy(band) != blankPage().copy(band));
    }

    // Without a printer one landscape page is saved and opened; without a viewer the user is told
    // where it is.
    void formsGoToTheDocumentsFolderAndNeverReplaceAnEarlierFile_data() {
        QTest::addColumn<bool>("documents"); // does the desktop have a documents folder?
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("documents folder") << true << QStringList{} << true << "documents/Kwintor formulieren.pdf";
        QTest::newRow("no documents folder, no viewer: the data folder")
            << false << QStringList{} << false << "data/Kwintor formulieren.pdf";
        QTest::newRow("two earlier files, no viewer")
            << true << QStringList{"Kwintor formulieren.pdf", "Kwintor formulieren (2).pdf"} << false
            << "documents/Kwintor formulieren (3).pdf";
    }
    void formsGoToTheDocumentsFolderAndNeverReplaceAnEarlierFile() {
        QFETCH(bool, documents);
        QFETCH(QStringList, earlier);
        QFETCH(bool, viewer);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("data"));
        ScriptedPlatform platform(dir.filePath("data"));
        platform.documents = dir.filePath("documents"); // exists only when the desktop has it
        if (documents)
            QVERIFY(QDir(dir.path()).mkpath("documents"));
        for (const QString& name : earlier) {
            QFile file(dir.filePath("documents/" + name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
        }
        platform.shellOpens = viewer;
        QVERIFY(printFormulieren(platform, platform, nullptr, QPrinterInfo()));
        const QString path = dir.filePath(expected);
        QCOMPARE(platform.opened, QStringList{path});
        QStringList told;
        for (const auto& message : platform.messages)
            told << message.title + '|' + message.text;
        QCOMPARE(told, viewer ? QStringList{}
                              : QStringList{" Print|De formulieren staan in\r\n" + QDir::toNativeSeparators(path)});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(saved.readAll());
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count(QRegularExpression("/Type /Page\\b(?!s)")), 1);
        const auto box = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(pdf);
        QVERIFY2(box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble(), "not in landscape");
        for (const QString& name : earlier) {
            QFile file(dir.filePath("documents/" + name));
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "earlier");
        }
    }

    void aDataDirectoryThatCannotBeWrittenIsToldAndOpensNothing() {
        ScriptedPlatform platform(QStringLiteral("/nonexistent/kwintor"));
        QVERIFY(!printFormulieren(platform, platform, nullptr, QPrinterInfo()));
        QVERIFY(platform.opened.isEmpty());
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().title, " Print");
        QVERIFY(platform.messages.first().text.contains(
            QDir::toNativeSeparators("/nonexistent/kwintor/Kwintor formulieren.pdf")));
    }
};

QTEST_MAIN(TestMainFiles)
#include "tst_mainfiles.moc"
