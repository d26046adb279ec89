#pragma once

#include <QDirIterator>
#include <QFile>
#include <QString>

#include <sys/fsuid.h>
#include <unistd.h>

// Makes `folder` read-only for as long as it lives, and gives the write back afterwards. Root
// writes into any folder, so as root the tree under `tree` is handed to an ordinary user
// ("nobody") and the files are reached as that user: a read-only folder then refuses root's
// test as it refuses a player.
class ReadOnlyFolder {
public:
    ReadOnlyFolder(const QString& tree, const QString& folder) : m_folder(folder) {
        if (::geteuid() == 0) {
            constexpr uid_t Nobody = 65534;
            QDirIterator it(tree, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            bool owned = ::chown(QFile::encodeName(tree).constData(), Nobody, Nobody) == 0;
            while (it.hasNext())
                owned = ::lchown(QFile::encodeName(it.next()).constData(), Nobody, Nobody) == 0 && owned;
            m_asNobody = owned;
            if (owned)
                ::setfsuid(Nobody);
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (m_asNobody)
            ::setfsuid(0);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_folder;
    bool m_asNobody = false;
};
