#pragma once

#include <QString>

#include <optional>

namespace Tintara {

// The languages of the interface. German is the program's own; English comes from its
// translation, built into the program. Files and exports are the same in both.
enum class Language { German, English };

// "de" and "en", as the command line and tintara.ini name them.
std::optional<Language> languageNamed(const QString& code);
// The code tintara.ini keeps for `language`: "de" or "en".
QString languageCode(Language language);

// Installs the texts of `language` for the whole program: its own translation and Qt's (Qt's
// dialogs speak English without one, German with qtbase_de). Widgets made afterwards show them.
void installLanguage(Language language);
// What installLanguage() installed last; German before it ever ran.
Language installedLanguage();

// `source` of `context` in English, whichever language is installed: the command line takes the
// English names of the menus also in a German run.
QString englishText(const char* context, const char* source);

} // namespace Tintara
