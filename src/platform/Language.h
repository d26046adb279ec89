#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace kwintor {

// The language the program speaks. Dutch is its own language: its texts are the source texts,
// so Dutch needs no translation file. Every other language is a translation compiled into the
// program (":/i18n/kwintor_<code>.qm").
namespace language {

constexpr char Dutch[] = "nl";
constexpr char English[] = "en";

// The language for a desktop that prefers `preferred` (QLocale::uiLanguages(), best first),
// given the translations there are: the first preferred language the program has; English
// when it has none of them; Dutch when nothing is preferred or the C locale is (C, POSIX).
QString choose(const QStringList& preferred, const QStringList& available);

// The languages whose translations are compiled into the program, Dutch first.
QStringList available();

// Installs the translation of `code` and Qt's own texts in that language on `app`, and makes it
// the language of numbers (current()). Dutch installs no translation of the program's own.
void install(QCoreApplication& app, const QString& code);

// The running language ("nl" until install() chose another). setCurrent() changes only this
// code, not the translation: for a window test that installs a translation of its own.
QString current();
void setCurrent(const QString& code);

// Numbers as the running language writes them: a decimal comma in Dutch, a point in English.
QLocale numbers();

} // namespace language

} // namespace kwintor
