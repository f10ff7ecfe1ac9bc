#pragma once

#include "rules/schemeformat.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QCommandLineParser;

namespace Tintara {

// --role KEY=VALUE (again for each role) and --check, for the theme exports.
void addThemeOptions(QCommandLineParser& parser);
bool themeOptionsGiven(const QCommandLineParser& parser);
// Gives `scheme` the roles of --role, a slot number or any colour text each, over those the file
// holds; why not, where one cannot be read.
std::optional<QString> applyRoleOptions(const QCommandLineParser& parser, SchemeSlots& scheme);

// Every checked pair of both modes, a line each, with its verdict; and whether all of them pass.
struct ThemeReport {
    QByteArray text;
    bool passes = true;
};
ThemeReport themeReport(const SchemeSlots& scheme);

} // namespace Tintara
