#pragma once

#include <QLocale>
#include <QString>

class QObject;

// Installs the program's own translation for `locale`, when it ships one for
// one of the locale's languages, and then Qt's translation of its dialogs
// and command-line help for that same language when the system has it (the
// qtbase files of qt6-translations-l10n; optional). Qt's texts are only
// loaded with the program's own, so that a window is never half in a
// language the program does not speak. Under the C locale or an English one
// nothing is installed and every text stays as written in the code.
//
// The translators are children of `owner` (the application object in the
// programs) and are removed when it goes. Returns the language installed,
// such as "de", or an empty text when none was.
QString installTranslations(const QLocale &locale, QObject *owner);

// The languages the program ships, as "de", "fr".
QStringList shippedLanguages();
