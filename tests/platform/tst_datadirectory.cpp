#include "platform/DataDirectory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using kwintor::chooseDataDirectory;
using kwintor::copyWholeFile;
using kwintor::prepareDataDirectory;

namespace {

// Files as "relative/path=contents", the way the rows below describe a folder tree.
void makeTree(const QString& root, const QStringList& files) {
    for (const QString& entry : files) {
        const QString path = root + u'/' + entry.section(u'=', 0, 0);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entry.section(u'=', 1).toUtf8());
    }
}

QStringList treeOf(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {QStringLiteral("unreadable ") + path};
        files << QDir(root).relativeFilePath(path) + u'=' + QString::fromUtf8(file.readAll());
    }
    files.sort();
    return files;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

} // namespace

class TestDataDirectory : public QObject {
    Q_OBJECT

private slots:
    void theFolderFollowsWhereTheProgramIs_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("shareExists");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("beside"); // false: the per-user data folder
        QTest::newRow("build tree") << "/home/ann/kwintor/build/src" << false << true << true;
        QTest::newRow("own folder read-only") << "/media/cd/kwintor" << false << false << false;
        QTest::newRow("installed under ~/.local") << "/home/ann/.local/bin" << true << true << false;
        QTest::newRow("installed under /usr") << "/usr/bin" << true << false << false;
        QTest::newRow("installed as a Debian game") << "/usr/games" << true << false << false;
        QTest::newRow("a bin folder without share/kwintor") << "/opt/kwintor/bin" << false << true << true;
        QTest::newRow("a folder whose name only ends in bin") << "/home/ann/cabin" << true << true << true;
        QTest::newRow("installed, trailing separator") << "/home/ann/.local/bin/" << true << true << false;
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
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("after");
        const QString share = QStringLiteral("usr/share/kwintor/spelregels.pdf=rules");
        QTest::newRow("run from its own folder")
            << QStringList{"build/src/kwintor=exe", "build/src/Kwintor.ini=colours"} << "build/src"
            << "build/src" << QStringList{"build/src/Kwintor.ini=colours", "build/src/kwintor=exe"};
        QTest::newRow("installed under a prefix") << QStringList{"usr/bin/kwintor=exe", share} << "usr/bin"
                                                  << "user" << QStringList{"usr/bin/kwintor=exe", share};
        QTest::newRow("installed as a Debian game, the rules among the desktop's help")
            << QStringList{"usr/games/kwintor=exe", "usr/share/help/nl/kwintor/spelregels.pdf=rules"} << "usr/games"
            << "user" << QStringList{"usr/games/kwintor=exe", "usr/share/help/nl/kwintor/spelregels.pdf=rules"};
        QTest::newRow("installed with old files beside it")
            << QStringList{"usr/bin/kwintor=exe", share, "usr/bin/Kwintor.ini=colours", "usr/bin/Scorelijst.lst=scores"}
            << "usr/bin"
            << "user"
            << QStringList{"usr/bin/kwintor=exe", share, "user/Kwintor.ini=colours", "user/Scorelijst.lst=scores"};
        QTest::newRow("the data folder's own file is not overwritten")
            << QStringList{"usr/bin/kwintor=exe", share, "usr/bin/Kwintor.ini=old", "user/Kwintor.ini=new",
                           "usr/bin/Scorelijst.lst=scores"}
            << "usr/bin"
            << "user"
            << QStringList{"usr/bin/kwintor=exe", share, "usr/bin/Kwintor.ini=old", "user/Kwintor.ini=new",
                           "user/Scorelijst.lst=scores"};
        QTest::newRow("a move stopped before removing the original")
            << QStringList{"usr/bin/kwintor=exe", share, "usr/bin/Scorelijst.lst=scores", "user/Scorelijst.lst=scores"}
            << "usr/bin"
            << "user" << QStringList{"usr/bin/kwintor=exe", share, "user/Scorelijst.lst=scores"};
        QTest::newRow("a crash left half a copy")
            << QStringList{"usr/bin/kwintor=exe", share, "usr/bin/Kwintor.ini=colours", "user/.Kwintor.ini.moving=col"}
            << "usr/bin"
            << "user" << QStringList{"usr/bin/kwintor=exe", share, "user/Kwintor.ini=colours"};
    }

    void startingFindsOrMovesTheFiles() {
        QFETCH(QStringList, before);
        QFETCH(QString, program);
        QFETCH(QString, expected);
        QFETCH(QStringList, after);
        QTemporaryDir root;
        makeTree(root.path(), before);
        QCOMPARE(prepareDataDirectory(root.filePath(program), root.filePath(QStringLiteral("user"))),
                 root.filePath(expected));
        QCOMPARE(treeOf(root.path()), sorted(after));
        QCOMPARE(QFileInfo(root.filePath(QStringLiteral("user"))).isDir(), expected == QStringLiteral("user"));
    }

    // A copy that stops after half the bytes: the original stays, no piece of it is left in
    // the data folder, the other file still moves, and the next start finishes the move.
    void aMoveFailingHalfwayKeepsTheOriginal_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("moved");
        QTest::newRow("the second file") << "Scorelijst.lst"
                                         << "Kwintor.ini";
        QTest::newRow("the first file") << "Kwintor.ini"
                                        << "Scorelijst.lst";
    }

    void aMoveFailingHalfwayKeepsTheOriginal() {
        QFETCH(QString, failing);
        QFETCH(QString, moved);
        QTemporaryDir root;
        const QStringList installed{"usr/bin/kwintor=exe", "usr/share/kwintor/spelregels.pdf=rules"};
        const QString contents = QStringLiteral("\"0087 - Jan\"\r\n\"0120 - Piet\"\r\n");
        makeTree(root.path(),
                 installed + QStringList{"usr/bin/" + failing + '=' + contents, "usr/bin/" + moved + "=moved"});
        const auto halfCopy = [&](const QString& from, const QString& to) {
            if (!from.endsWith(failing))
                return copyWholeFile(from, to);
            QFile in(from);
            QFile out(to);
            if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                out.write(in.read(in.size() / 2));
            return false;
        };
        const QString program = root.filePath(QStringLiteral("usr/bin"));
        const QString user = root.filePath(QStringLiteral("user"));
        QCOMPARE(prepareDataDirectory(program, user, halfCopy), user);
        QCOMPARE(treeOf(root.path()),
                 sorted(installed + QStringList{"usr/bin/" + failing + '=' + contents, "user/" + moved + "=moved"}));

        prepareDataDirectory(program, user);
        QCOMPARE(treeOf(root.path()),
                 sorted(installed + QStringList{"user/" + failing + '=' + contents, "user/" + moved + "=moved"}));
    }

    void aReadOnlyDataFolderKeepsTheOriginals() {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir root;
        const QStringList files{"usr/bin/kwintor=exe", "usr/share/kwintor/spelregels.pdf=rules",
                                "usr/bin/Kwintor.ini=colours", "usr/bin/Scorelijst.lst=scores", "home/.keep="};
        makeTree(root.path(), files);
        const QString home = root.filePath(QStringLiteral("home"));
        QVERIFY(QFile::setPermissions(home, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        prepareDataDirectory(root.filePath(QStringLiteral("usr/bin")), home + QStringLiteral("/Kwintor"));
        QFile::setPermissions(home, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(treeOf(root.path()), sorted(files));
    }
};

QTEST_GUILESS_MAIN(TestDataDirectory)
#include "tst_datadirectory.moc"
