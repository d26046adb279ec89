#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace kwintor::language {

namespace {

QString& running() {
    static QString code = QLatin1String(Dutch);
    return code;
}

// "en-GB", "en_GB.UTF-8" and "en" all name English. (Read without a regular expression, which
// would cost the start its library and a compilation.)
QString baseLanguage(const QString& name) {
    const auto end = std::find_if(name.begin(), name.end(), [](QChar c) { return QStringView(u"-_.@").contains(c); });
    return QStringView(name.begin(), end).toString().toLower();
}

} // namespace

QString choose(const QStringList& preferred, const QStringList& available) {
    bool anyPreferred = false;
    for (const QString& name : preferred) {
        const QString base = baseLanguage(name);
        if (base.isEmpty() || base == QLatin1String("c") || base == QLatin1String("posix"))
            continue;
        anyPreferred = true;
        if (available.contains(base))
            return base;
    }
    return anyPreferred ? QLatin1String(English) : QLatin1String(Dutch);
}

QStringList available() {
    QStringList codes{QLatin1String(Dutch)};
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList(QDir::Files);
    for (const QString& file : files)
        if (file.size() > 11 && file.startsWith(QLatin1String("kwintor_")) && file.endsWith(QLatin1String(".qm")))
            codes << file.mid(8, file.size() - 8 - 3);
    return codes;
}

void install(QCoreApplication& app, const QString& code) {
    running() = code;
    if (code != QLatin1String(Dutch)) {
        auto* own = new QTranslator(&app);
        if (own->load(QStringLiteral(":/i18n/kwintor_%1.qm").arg(code)))
            QCoreApplication::installTranslator(own);
    }
    // Qt's own texts (the file dialog's, a line edit's menu); Qt's source texts are English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

QString current() { return running(); }

void setCurrent(const QString& code) { running() = code; }

QLocale numbers() { return QLocale(current()); }

} // namespace kwintor::language
