#include "i18n/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Built into the program by the build (translations/*.ts, compiled by
// lrelease), so they are found wherever the program is installed.
const QString programTranslations = QStringLiteral(":/i18n");
const QString programBaseName = QStringLiteral("dialwright");

QString languageCode(const QLocale &locale)
{
    return locale.name().section(QLatin1Char('_'), 0, 0);
}

// Installs the translation in `file`, found in `folder`, as a child of
// `owner`; false when there is none.
bool install(const QString &file, const QString &folder, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

// Texts of Qt's own command-line help that some languages of Qt's
// translations lack. Ours are installed before Qt's, so Qt's are asked
// first and these only fill the gaps.
[[maybe_unused]] const char *const qtTextsFilledIn[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

QString installTranslations(const QLocale &locale, QObject *owner)
{
    // The user's languages in order of preference. The texts are written in
    // English, so a preference for English (or none, the C locale) ends the
    // search before a language further down the list is chosen.
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return QString();
        const QString code = languageCode(language);
        if (!install(programBaseName + QLatin1Char('_') + code, programTranslations, owner))
            continue;
        install(QStringLiteral("qtbase_") + code,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner);
        return code;
    }
    return QString();
}

QStringList shippedLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(programTranslations)
            .entryList({programBaseName + QStringLiteral("_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages << file.mid(programBaseName.size() + 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}
