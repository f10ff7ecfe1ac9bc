#include "mainwindow/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Tintara {

namespace {

// One of each for the program's lifetime; installing again replaces what they hold.
QTranslator& programTexts()
{
    static QTranslator translator;
    return translator;
}

QTranslator& qtTexts()
{
    static QTranslator translator;
    return translator;
}

Language installed = Language::German;

} // namespace

std::optional<Language> languageNamed(const QString& code)
{
    if (code == QLatin1String("de"))
        return Language::German;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language installedLanguage()
{
    return installed;
}

void installLanguage(Language language)
{
    installed = language;
    QCoreApplication::removeTranslator(&programTexts());
    QCoreApplication::removeTranslator(&qtTexts());
    if (language == Language::English) {
        if (programTexts().load(QStringLiteral(":/translations/tintara_en.qm")))
            QCoreApplication::installTranslator(&programTexts());
        return;
    }
    if (qtTexts().load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts());
}

} // namespace Tintara
