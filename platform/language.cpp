#include "platform/language.h"

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

const QString englishTranslation = QStringLiteral(":/translations/tintara_en.qm");

} // namespace

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

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
        if (programTexts().load(englishTranslation))
            QCoreApplication::installTranslator(&programTexts());
        return;
    }
    if (qtTexts().load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts());
}

QString englishText(const char* context, const char* source)
{
    static QTranslator english;
    static const bool loaded = english.load(englishTranslation);
    const QString text = loaded ? english.translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

} // namespace Tintara
