#include "dialogs/ScoreForm.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/GameFiles.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using kwintor::Main;
using kwintor::Platform;
using kwintor::test::ScriptedPlatform;

namespace {

const QByteArray Header = "\"Dobbelwerken Software 2009\"\r\n\"--------------------------\"\r\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The two files as the main window meets them: read at start, written on a confirmed exit.
class TestMainFiles : public QObject {
    Q_OBJECT

private slots:
    void startReadsTheSettingsFile_data();
    void startReadsTheSettingsFile();
    void exitWritesBothFilesOnlyWhenAnsweredYes_data();
    void exitWritesBothFilesOnlyWhenAnsweredYes();
    void failingWriteAsksAndLosesNothing();
    void damagedScoreListIsKeptBesideTheNewOne();
    void twoPlayerGameRecordsOnlyTheScoreAnsweredYes();
    void aFullListRecordsNothingAndSaysSo();
    void aSessionEndWithoutQuestionsKeepsBothFiles();
    void twoCopiesOnOneFolderLoseNoScore();

private:
    void throwAndPlace(Main& main, ScriptedPlatform& platform, int player, int row);
    void playColumn(Main& main, ScriptedPlatform& platform);
};

void TestMainFiles::startReadsTheSettingsFile_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<QColor>("window");
    QTest::addColumn<int>("diceColour");
    QTest::addColumn<QByteArray>("fileAfterStart");
    const QByteArray defaults = Header + "110,140,90\r\n0\r\n";
    QTest::newRow("no file: created with the defaults") << QByteArray() << QColor(110, 140, 90) << 0 << defaults;
    QTest::newRow("blue and green dice") << Header + "0,0,255\r\n12\r\n"
                                         << QColor(0, 0, 255) << 12 << Header + "0,0,255\r\n12\r\n";
    QTest::newRow("only the headers: rewritten with the defaults") << Header << QColor(110, 140, 90) << 0 << defaults;
    QTest::newRow("blue out of range: red and green kept, the rest default")
        << Header + "10,20,300\r\n12\r\n"
        << QColor(10, 20, 90) << 0 << Header + "10,20,90\r\n0\r\n";
}

void TestMainFiles::startReadsTheSettingsFile() {
    QFETCH(QByteArray, file);
    QFETCH(QColor, window);
    QFETCH(int, diceColour);
    QFETCH(QByteArray, fileAfterStart);
    QTemporaryDir dir;
    if (!file.isEmpty())
        writeAll(dir.filePath("Kwintor.ini"), file);
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    QCOMPARE(main.centralWidget()->palette().color(QPalette::Window), window);
    QCOMPARE(main.findChild<QWidget*>("Frame7")->palette().color(QPalette::Window), window);
    QCOMPARE(int(main.files().settings().DobbelsteenKleur), diceColour);
    QCOMPARE(readAll(dir.filePath("Kwintor.ini")), fileAfterStart);
    QVERIFY(!QFile::exists(dir.filePath("Scorelijst.lst"))); // not before the first exit
    QVERIFY(platform.messages.isEmpty());
}

void TestMainFiles::exitWritesBothFilesOnlyWhenAnsweredYes_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No: nothing written, the window stays") << false;
    QTest::newRow("Yes: both written, the window closes") << true;
}

void TestMainFiles::exitWritesBothFilesOnlyWhenAnsweredYes() {
    QFETCH(bool, yes);
    QTemporaryDir dir;
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    main.show();
    main.applySettings(kwintor::Settings{200, 10, 20, 6});
    const QByteArray before = readAll(dir.filePath("Kwintor.ini"));
    main.files().recordScore(87, "Jan, de Vries");
    main.files().recordScore(120, "Piet");
    const QByteArray scores = readAll(dir.filePath("Scorelijst.lst"));
    platform.answers.enqueue(yes ? Platform::Answer::Yes : Platform::Answer::No);
    QCOMPARE(main.close(), yes);
    QCOMPARE(main.isVisible(), !yes);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Wilt u dit programma nu afsluiten?"));
    QCOMPARE(platform.messages[0].title, QStringLiteral(" Exit programma"));
    QCOMPARE(platform.messages[0].buttons, Platform::Buttons::YesNo);
    if (!yes) {
        QCOMPARE(readAll(dir.filePath("Kwintor.ini")), before);
        QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), scores);
        return;
    }
    QCOMPARE(readAll(dir.filePath("Kwintor.ini")), Header + "200,10,20\r\n6\r\n");
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), Header + "\"0087 - Jan, de Vries\"\r\n\"0120 - Piet\"\r\n");
    ScriptedPlatform again(dir.path()); // the next start reads them back
    Main next(again);
    QCOMPARE(next.files().scores().count(), 2);
    QCOMPARE(next.files().settings(), (kwintor::Settings{200, 10, 20, 6}));
}

void TestMainFiles::failingWriteAsksAndLosesNothing() {
    QTemporaryDir dir;
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    main.show();
    // A directory where the score list should go: no write can succeed, even as root.
    QVERIFY(QDir(dir.path()).mkdir("Scorelijst.lst"));
    QVERIFY(main.files().recordScore(250, "Anna")); // kept in memory though the write fails
    platform.answers << Platform::Answer::Yes << Platform::Answer::No;
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(platform.messages[1].text.contains(QDir::toNativeSeparators(dir.filePath("Scorelijst.lst"))));
    QVERIFY(!platform.messages[1].text.contains("Kwintor.ini")); // that one was written
    QCOMPARE(main.files().scores().count(), 1);

    // Once the way is clear, the next exit saves it.
    QVERIFY(QDir(dir.path()).rmdir("Scorelijst.lst"));
    platform.answers << Platform::Answer::Yes;
    QVERIFY(main.close());
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), Header + "\"0250 - Anna\"\r\n");
}

void TestMainFiles::damagedScoreListIsKeptBesideTheNewOne() {
    QTemporaryDir dir;
    // Only the header line: nothing can be read, but the file must not simply vanish.
    const QByteArray damaged = "\"Dobbelwerken Software 2009\"";
    writeAll(dir.filePath("Scorelijst.lst"), damaged);
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    main.show();
    QCOMPARE(main.files().scores().count(), 0);
    main.files().recordScore(99, "Cor");
    platform.answers << Platform::Answer::Yes;
    QVERIFY(main.close());
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst.bak")), damaged);
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), Header + "\"0099 - Cor\"\r\n");
}

void TestMainFiles::throwAndPlace(Main& main, ScriptedPlatform& platform, int player, int row) {
    for (int i = 0; i < 25; ++i)
        platform.faces.enqueue(i / 5 + 2); // 2 3 4 5 6: every category but the kinds scores
    main.findChild<QPushButton*>("SchudKnop")->click();
    QTest::mouseClick(main.findChild<QLabel*>(QStringLiteral("SP%1(%2)").arg(player).arg(row)), Qt::LeftButton);
}

void TestMainFiles::twoPlayerGameRecordsOnlyTheScoreAnsweredYes() {
    QTemporaryDir dir;
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    main.show();
    main.flow().choosePlayers(2, {"", "Ann", "Bob", "", "", "", ""});

    QStringList shownInDialog;
    bool waitedBeforeList = false;
    std::function<void()> inspect;
    // After Yes and a second's wait, the score list opens modally: look at it, close it with Ok.
    inspect = [&] {
        auto* dialog = qobject_cast<kwintor::ScoreForm*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, inspect);
            return;
        }
        // The list opens only after the one-second pause that follows the question.
        waitedBeforeList = platform.waits.contains(1.0);
        auto* list = dialog->findChild<QListWidget*>("List1");
        for (int i = 0; i < list->count(); ++i)
            shownInDialog << list->item(i)->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
    };
    platform.onMessage = [&](const ScriptedPlatform::Message& message) {
        if (message.title == QStringLiteral(" Score") && platform.answers.head() == Platform::Answer::Yes)
            QTimer::singleShot(0, inspect);
    };
    platform.answers << Platform::Answer::Yes << Platform::Answer::No;
    const int rows[] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};
    for (int row : rows) {
        throwAndPlace(main, platform, 1, row);
        throwAndPlace(main, platform, 2, row);
    }
    // 2+3+4+5+6 = 20 upper, small 30, large 40, chance 20: 110 each.
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[0].text, QStringLiteral("Score van 110 toegevoegen aan de\r\nscorelijst voor Ann?"));
    QCOMPARE(platform.messages[1].text, QStringLiteral("Score van 110 toegevoegen aan de\r\nscorelijst voor Bob?"));
    QCOMPARE(main.files().scores().count(), 1);
    QCOMPARE(main.files().scores().at(0), std::string("0110 - Ann"));
    QCOMPARE(shownInDialog, QStringList{"0110 - Ann"});
    QVERIFY(waitedBeforeList);
    // The recorded score is on disk at once, not only after a confirmed exit.
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), Header + "\"0110 - Ann\"\r\n");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    platform.onMessage = nullptr;
}

void TestMainFiles::playColumn(Main& main, ScriptedPlatform& platform) {
    for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14})
        throwAndPlace(main, platform, 1, row);
}

void TestMainFiles::aFullListRecordsNothingAndSaysSo() {
    QTemporaryDir dir;
    QByteArray full = Header;
    for (int i = 0; i < kwintor::ScoreList::MaxEntries; ++i)
        full += "\"0100 - Speler\"\r\n";
    writeAll(dir.filePath("Scorelijst.lst"), full);
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    QVERIFY(main.files().scores().isFull());
    platform.answers << Platform::Answer::Yes;
    playColumn(main, platform);
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[1].title, QStringLiteral(" Scorelijst"));
    QCOMPARE(platform.messages[1].text,
             QStringLiteral("De scorelijst is vol (32767 namen). Verwijder eerst namen uit de lijst."));
    QVERIFY(!platform.waits.contains(1.0)); // and no score list dialog follows
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), full);
}

void TestMainFiles::aSessionEndWithoutQuestionsKeepsBothFiles() {
    QTemporaryDir dir;
    ScriptedPlatform platform(dir.path());
    Main main(platform);
    main.applySettings(kwintor::Settings{1, 2, 3, 12});
    QVERIFY(QDir(dir.path()).mkdir("Scorelijst.lst")); // the score of the session is not yet on disk
    main.files().recordScore(77, "Ann");
    QVERIFY(QDir(dir.path()).rmdir("Scorelijst.lst"));
    QVERIFY(main.sessionEnds(false));
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(readAll(dir.filePath("Kwintor.ini")), Header + "1,2,3\r\n12\r\n");
    QCOMPARE(readAll(dir.filePath("Scorelijst.lst")), Header + "\"0077 - Ann\"\r\n");
    // With questions allowed the exit question decides, and No cancels the end.
    ScriptedPlatform asking(dir.path());
    Main other(asking);
    asking.answers << Platform::Answer::No;
    QVERIFY(!other.sessionEnds(true));
    QCOMPARE(asking.messages.size(), 1);
}

// Two copies of the program on one data folder, each recording and deleting in turn.
void TestMainFiles::twoCopiesOnOneFolderLoseNoScore() {
    QTemporaryDir dir;
    ScriptedPlatform platform(dir.path());
    kwintor::GameFiles first(platform), second(platform);
    first.load();
    second.load();
    for (int i = 0; i < 25; ++i)
        first.recordScore(100 + i, "Ann");
    second.recordScore(7, "Bob");
    first.recordScore(8, "Cor");
    second.removeScores({"0100 - Ann"}, false); // read by the second copy only from the file
    first.removeScores({"0007 - Bob"}, false);
    second.recordScore(9, "Dirk");
    QStringList failed;
    QVERIFY(first.save(failed) && second.save(failed)); // the exits, in either order
    QVERIFY(first.save(failed));
    kwintor::GameFiles after(platform);
    after.load();
    QCOMPARE(after.scores().count(), 24 + 2); // 25 + Bob + Cor + Dirk, less Ann's 100 and Bob
    QCOMPARE(after.scores().entries(), first.scores().entries());
    QCOMPARE(std::count(after.scores().entries().begin(), after.scores().entries().end(), "0008 - Cor"), 1);
    QCOMPARE(std::count(after.scores().entries().begin(), after.scores().entries().end(), "0100 - Ann"), 0);
}

QTEST_MAIN(TestMainFiles)
#include "tst_mainfiles.moc"
