#include "platform/DataDirectory.h"
#include "platform/FileVersion.h"
#include "platform/QtPlatform.h"
#include "platform/RulesDocument.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScriptedPlatform.h"
#include "version/Version.h"

#include <QApplication>
#include <QDirIterator>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <stdexcept>
#include <unistd.h>

using namespace kwintor;
using kwintor::test::ScriptedPlatform;

namespace {

// Files as "relative/path=contents", the way the rows below describe a folder tree; a name that
// ends in a separator is a folder.
void makeTree(const QString& root, const QStringList& files) {
    for (const QString& entry : files) {
        const QString path = root + u'/' + entry.section(u'=', 0, 0);
        QDir().mkpath(path.endsWith(u'/') ? path : QFileInfo(path).path());
        if (path.endsWith(u'/'))
            continue;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entry.section(u'=', 1).toUtf8());
    }
}

QStringList treeOf(const QString& root) {
    QStringList files;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files << QDir(root).relativeFilePath(file.fileName()) + u'=' + QString::fromUtf8(file.readAll());
    }
    files.sort();
    return files;
}

const QStringList Installed{"usr/bin/kwintor=exe", "usr/share/kwintor/spelregels.pdf=rules"};

} // namespace

// What the desktop gives the game: where it finds its files (the data folder, the rules, its own
// version), dice, waits between animation steps, questions.
class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void theFolderFollowsWhereTheProgramIs_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("shareExists");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("beside"); // false: the per-user data folder
        QTest::newRow("own folder read-only") << "/media/cd/kwintor" << false << false << false;
        QTest::newRow("installed, trailing separator") << "/home/ann/.local/bin/" << true << true << false;
        QTest::newRow("a folder whose name only ends in bin") << "/home/ann/cabin" << true << true << true;
    }
    void theFolderFollowsWhereTheProgramIs() {
        QFETCH(QString, program);
        QFETCH(bool, shareExists);
        QFETCH(bool, writable);
        QFETCH(bool, beside);
        const QString user = QStringLiteral("/home/ann/.local/share/Kwintor/Kwintor");
        QCOMPARE(chooseDataDirectory(program, shareExists, writable, user), beside ? program : user);
    }

    // The folder chosen on real folders, and the tree of files left after the start.
    void startingFindsOrMovesTheFiles_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("after"); // the data folder is "user" unless the program's own
        QTest::newRow("run from its own folder")
            << QStringList{"build/src/kwintor=exe", "build/src/Kwintor.ini=colours"} << "build/src"
            << QStringList{"build/src/Kwintor.ini=colours", "build/src/kwintor=exe"};
        QTest::newRow("installed with old files beside it")
            << Installed + QStringList{"usr/bin/Kwintor.ini=colours", "usr/bin/Scorelijst.lst=scores"} << "usr/bin"
            << Installed + QStringList{"user/Kwintor.ini=colours", "user/Scorelijst.lst=scores"};
        QTest::newRow("the data folder's own file is not overwritten, nor the other removed")
            << Installed + QStringList{"usr/bin/Kwintor.ini=old", "user/Kwintor.ini=new"} << "usr/bin"
            << Installed + QStringList{"usr/bin/Kwintor.ini=old", "user/Kwintor.ini=new"};
        QTest::newRow("a crash left half a copy")
            << Installed + QStringList{"usr/bin/Kwintor.ini=colours", "user/.Kwintor.ini.moving=col"} << "usr/bin"
            << Installed + QStringList{"user/Kwintor.ini=colours"};
        // The original stays, no piece of it is left in the data folder, the other file still moves.
        QTest::newRow("halfway, the copy of Kwintor.ini stops")
            << Installed + QStringList{"usr/bin/Kwintor.ini=colours", "usr/bin/Scorelijst.lst=scores"} << "usr/bin"
            << Installed + QStringList{"usr/bin/Kwintor.ini=colours", "user/Scorelijst.lst=scores"};
    }
    void startingFindsOrMovesTheFiles() {
        QFETCH(QStringList, before);
        QFETCH(QString, program);
        QFETCH(QStringList, after);
        QTemporaryDir root;
        makeTree(root.path(), before);
        const auto copy = [](const QString& from, const QString& to) {
            if (!from.endsWith("Kwintor.ini") || !QByteArray(QTest::currentDataTag()).startsWith("halfway"))
                return copyWholeFile(from, to);
            QFile in(from), out(to);
            if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                out.write(in.read(in.size() / 2));
            return false;
        };
        const QString expected = program == "build/src" ? program : QStringLiteral("user");
        QCOMPARE(prepareDataDirectory(root.filePath(program), root.filePath("user"), copy), root.filePath(expected));
        after.sort();
        QCOMPARE(treeOf(root.path()), after);
    }

    // No data folder can be made: the files stay where they are, whole.
    void aReadOnlyHomeKeepsTheOriginals() {
        QTemporaryDir root;
        QStringList files = Installed + QStringList{"usr/bin/Scorelijst.lst=scores", "home/.keep="};
        makeTree(root.path(), files);
        const QString home = root.filePath("home");
        {
            ReadOnlyFolder readOnly(root.path(), home);
            prepareDataDirectory(root.filePath("usr/bin"), home + "/Kwintor");
        }
        files.sort();
        QCOMPARE(treeOf(root.path()), files);
    }

    void theDocumentIsFoundWhereTheProgramIs_data() {
        QTest::addColumn<QStringList>("files"); // a name ending in a separator is a folder
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("found"); // empty: nowhere
        QTest::addColumn<QStringList>("searched");
        const QString help = "usr/share/help/nl/kwintor/spelregels.pdf", share = "usr/share/kwintor/spelregels.pdf",
                      bin = "usr/bin/spelregels.pdf", beside = "build/src/spelregels.pdf";
        const QStringList installed{help, share, bin};
        QTest::newRow("run from its own folder") << QStringList{beside} << "build/src" << beside << QStringList{beside};
        QTest::newRow("installed as a Debian game")
            << QStringList{help} << "usr/games" << help
            << QStringList{help, "usr/share/games/kwintor/spelregels.pdf", "usr/games/spelregels.pdf"};
        QTest::newRow("an older installation") << QStringList{share} << "usr/bin" << share << installed;
        QTest::newRow("installed over an older copy in bin")
            << QStringList{help, bin} << "usr/bin" << help << installed;
        QTest::newRow("a bin folder without share/kwintor") << QStringList{bin} << "usr/bin" << bin << installed;
        QTest::newRow("a folder of that name is no document") << QStringList{help + '/'} << "usr/bin"
                                                              << "" << installed;
        // In English the English rules, beside the Dutch ones; any other language reads them too.
        const QString english = "usr/share/help/en/kwintor/rules.pdf";
        QTest::newRow("English, installed as a Debian game")
            << QStringList{help, english} << "usr/games|en" << english
            << QStringList{english, "usr/share/games/kwintor/rules.pdf", "usr/games/rules.pdf"};
        QTest::newRow("German, run from its own folder") << QStringList{beside, "build/src/rules.pdf"} << "build/src|de"
                                                         << "build/src/rules.pdf" << QStringList{"build/src/rules.pdf"};
    }
    void theDocumentIsFoundWhereTheProgramIs() {
        QFETCH(QStringList, files);
        QFETCH(QString, program);
        QFETCH(QString, found);
        QFETCH(QStringList, searched);
        QTemporaryDir root;
        QDir dir(root.path());
        makeTree(root.path(), files);
        // "folder|language": the language the program runs in, Dutch when none is named.
        const auto rules = findRulesDocument(dir.filePath(program.section('|', 0, 0)),
                                             program.contains('|') ? program.section('|', 1) : QString("nl"));
        QStringList looked;
        for (const QString& place : rules.searched)
            looked << dir.relativeFilePath(place);
        QCOMPARE(looked, searched);
        QCOMPARE(rules.found() ? dir.relativeFilePath(rules.path) : QString(), found);
        // When it is missing, the message names every place, one a line, after the sentence.
        if (!rules.found())
            QCOMPARE(rules.missingText(),
                     (QStringList{"De spelregels zijn niet gevonden. Gezocht in:"} + rules.searched).join("\r\n"));
    }

    // The version the title window shows comes from the program's own version block.
    void theVersionComesFromAWellFormedBlockOnly_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        // Tests live in <build>/tests, the program in <build>/src.
        QTest::newRow("the built program")
            << QCoreApplication::applicationDirPath() + "/../src/kwintor" << KWINTOR_VERSION;
        // This test program holds the reading code, signature constant and all, but no block.
        QTest::newRow("a file without the block") << QCoreApplication::applicationFilePath() << "Error";
    }
    void theVersionComesFromAWellFormedBlockOnly() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(GetFileVersion(path), expected);
    }

    // Every face 1..6 comes up, nothing else does; two copies started together throw different dice.
    void theDiceShowEveryFaceAndDifferPerStart() {
        QtPlatform first, second;
        QList<int> a, b, seen(7);
        for (int k = 0; k < 600; ++k) {
            a << first.randomFace();
            b << second.randomFace();
            QVERIFY(a.last() >= 1 && a.last() <= 6);
            ++seen[a.last()];
        }
        QVERIFY2(!seen.mid(1).contains(0), "a face never came up in 600 throws"); // by chance once in 10^47
        QVERIFY(a != b);
    }

    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime_data() {
        QTest::addColumn<double>("start");   // clock at the start, seconds since midnight
        QTest::addColumn<double>("step");    // how far the clock moves per wait; 0: all that is left
        QTest::addColumn<double>("seconds"); // the wait asked
        QTest::addColumn<int>("waits");
        QTest::newRow("across midnight, steps of 0.03") << 86399.95 << 0.03 << 0.1 << 4;
        QTest::newRow("across midnight, one wait") << 86399.95 << 0.0 << 0.1 << 1;
        QTest::newRow("less than no time") << 43200.0 << 0.01 << -1.0 << 0;
    }
    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime() {
        QFETCH(double, start);
        QFETCH(double, step);
        QFETCH(double, seconds);
        QFETCH(int, waits);
        ScriptedPlatform platform;
        platform.m_clock = start;
        platform.step = step;
        platform.onWait = [&platform] { // a wait that never ends must fail, not hang
            if (platform.waits.size() > 1000)
                throw std::runtime_error("endless wait");
        };
        QVERIFY_THROWS_NO_EXCEPTION(platform.Pauze(seconds));
        QCOMPARE(platform.waits.size(), waits);
        for (int k = 0; k < waits; ++k) // each wait asks for what is left
            QVERIFY(qAbs(platform.waits[k] - (seconds - k * step)) < 1e-6);
    }

    // The window stays live during a real wait: a timer due meanwhile fires.
    void aRealWaitRunsTheEventLoop() {
        QtPlatform platform;
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        platform.Pauze(0.05);
        QVERIFY(fired);
    }

    void keysAnswerTheQuestion_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::newRow("Enter answers Ja") << int(Qt::Key_Return) << Platform::Answer::Yes;
        QTest::newRow("Escape answers Nee") << int(Qt::Key_Escape) << Platform::Answer::No;
    }
    void keysAnswerTheQuestion() {
        QFETCH(int, key);
        QFETCH(Platform::Answer, answer);
        kwintor::QtPlatform platform;
        QStringList captions;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* button : box->buttons())
                captions << button->text();
            text = box->text();
            format = box->textFormat();
            QTest::keyClick(box, Qt::Key(key));
        });
        QCOMPARE(platform.messageBox(nullptr, QStringLiteral("Score van 12 voor <b>Ann</b>?"), Platform::Buttons::YesNo,
                                     QStringLiteral(" Score")),
                 answer);
        captions.sort();
        QCOMPARE(captions, (QStringList{"Ja", "Nee"}));
        QCOMPARE(text, QStringLiteral("Score van 12 voor <b>Ann</b>?"));
        QCOMPARE(format, Qt::PlainText); // a name is shown as typed, never as markup
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
