#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include <string_view>

// The two header lines both data files begin with.
inline const QByteArray Headers = "\"Dobbelwerken Software 2009\"\r\n\"--------------------------\"\r\n";

inline std::string_view view(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
