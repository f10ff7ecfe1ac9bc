#pragma once

#include "exchange/colorwriting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace Tintara {

// What a colour verb of the command line produces: `output` for standard output or -o, or the
// reason it failed (exit 1: no colour; exit 2: misused) for standard error; `notes` go to standard
// error beside a success (an opacity left out).
struct VerbResult {
    int code = 0;
    QByteArray output;
    QString message;
    QStringList notes;
};

// `--token-value object|hex`, object where it is not given; none with `refusal` set where it is
// given for a file that is no token file (`tokens` false) or names neither form.
std::optional<TokenValue> tokenValueOption(const QCommandLineParser& parser, bool tokens, QString* refusal);

// --convert, --to, --contrast, --scale and the options of --scale.
void addColorVerbOptions(QCommandLineParser& parser);
// The colour verb the arguments ask for, run; none where they ask for none.
std::optional<VerbResult> runColorVerb(const QCommandLineParser& parser);

// `--convert TEXT [--to NAME]`: the colour in every notation the program copies, one line each as
// "Name: value" with the names of the "Farbwert kopieren" menu, or only the value of `to` (a menu
// or copy-format name, compared without regard to case and blanks).
// With `json`, the object of convertJson.
VerbResult convertColor(const QString& text, const std::optional<QString>& to, bool json = false);

// What `--contrast` must reach: `--min` (a WCAG ratio) and `--min-apca` (an Lc).
struct ContrastGate {
    std::optional<double> ratio;
    std::optional<double> lc;
};

// `--contrast TEXT BACKGROUND`: the WCAG 2.2 ratio with its verdicts, the APCA Lc, and the nearest
// shades of the text and of the background that reach the gate's ratio (AA where it names none),
// with a decimal point in every locale. Exit 1, with the output, where the pair fails the gate.
// With `json`, the object of contrastJson.
VerbResult contrastOfColors(const QString& text, const QString& background, const ContrastGate& gate = {},
                            bool json = false);

} // namespace Tintara
