#include "platform/RulesDocument.h"

#include "platform/DataDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kwintor {

QString RulesDocument::title() { return QCoreApplication::translate("kwintor::RulesDocument", " Spelregels"); }

QString RulesDocument::missingText() const {
    QString text =
        QCoreApplication::translate("kwintor::RulesDocument", "De spelregels zijn niet gevonden. Gezocht in:");
    for (const QString& place : searched)
        text += QStringLiteral("\r\n") + QDir::toNativeSeparators(place);
    return text;
}

RulesDocument findRulesDocument(const QString& programDirectory, const QString& language) {
    const bool dutch = language == QLatin1String("nl");
    const QString name = dutch ? QStringLiteral("spelregels.pdf") : QStringLiteral("rules.pdf");
    RulesDocument rules;
    const QString share = installedShareDirectory(programDirectory);
    if (!share.isEmpty())
        rules.searched
            << QDir(installedHelpDirectory(programDirectory, dutch ? language : QStringLiteral("en"))).filePath(name)
            << QDir(share).filePath(name);
    rules.searched << QDir(programDirectory).filePath(name);
    for (const QString& place : std::as_const(rules.searched)) {
        if (QFileInfo(place).isFile()) {
            rules.path = place;
            break;
        }
    }
    return rules;
}

} // namespace kwintor
