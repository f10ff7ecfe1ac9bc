#include "cli/commandline.h"

#include "cli/colorverbs.h"
#include "cli/spokenlist.h"

#include "cli/themeoptions.h"
#include "exchange/exportformats.h"
#include "platform/atomicwrite.h"
#include "platform/inifile.h"
#include "rules/exportrules.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <optional>

namespace Tintara {

namespace {

// Where the words of this file are found for translation.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The export page's check boxes as flags, each with the option of the formats it applies to; a
// description with "%1" names those formats there.
struct Flag {
    QLatin1StringView name;
    const char* description;
    ExportOption option;
    void (*apply)(ExportChoice&);
};

const Flag flags[] = {
    {QLatin1StringView("no-text-color"),
     QT_TRANSLATE_NOOP("CommandLine", "Style-Sheet ohne Textfarben (color)"), TextColorOption,
     [](ExportChoice& c) { c.textColor = false; }},
    {QLatin1StringView("no-background"),
     QT_TRANSLATE_NOOP("CommandLine", "Style-Sheet ohne Hintergrundfarben (background-color)"), BackgroundOption,
     [](ExportChoice& c) { c.background = false; }},
    {QLatin1StringView("definition"), QT_TRANSLATE_NOOP("CommandLine", "Style-Sheet mit Definition"), DefinitionOption,
     [](ExportChoice& c) { c.definition = true; }},
    {QLatin1StringView("no-info"),
     QT_TRANSLATE_NOOP("CommandLine", "ohne Farbinformationen (%1)"), InfoOption,
     [](ExportChoice& c) { c.cssInfo = c.textInfo = c.pictureInfo = false; }},
    {QLatin1StringView("no-html"), QT_TRANSLATE_NOOP("CommandLine", "ohne HTML-Werte (%1)"), HtmlOption,
     [](ExportChoice& c) { c.html = c.pictureHtml = false; }},
    {QLatin1StringView("no-rgb"), QT_TRANSLATE_NOOP("CommandLine", "ohne RGB-Werte (%1)"), RgbOption,
     [](ExportChoice& c) { c.rgb = c.pictureRgb = false; }},
    {QLatin1StringView("no-name"), QT_TRANSLATE_NOOP("CommandLine", "Grafik ohne Farbnamen (%1)"), NameOption,
     [](ExportChoice& c) { c.pictureName = false; }},
};

// Pictures are named by their file type; --picture chooses which.
const QLatin1StringView pictureTypes[] = {QLatin1StringView("bmp"), QLatin1StringView("jpg")};

// The names --export takes, in the order of the export page's list; with `option`, those of the
// formats it applies to.
QStringList exportNames(unsigned option = ~0u)
{
    QStringList names;
    for (const ExportFormat& format : exportFormats) {
        if (option != ~0u && !(format.options & option))
            continue;
        if (format.commandLineName)
            names << QLatin1String(format.commandLineName);
        else if (!names.contains(pictureTypes[0]))
            names << pictureTypes[0] << pictureTypes[1];
    }
    return names;
}

// What --picture takes, the first by default.
QStringList pictureNames()
{
    QStringList names;
    for (const ExportFormat& format : exportFormats) {
        if (format.pictureName)
            names << QLatin1String(format.pictureName);
    }
    return names;
}

// The row `--export name` and `--picture picture` choose; nullptr where none fits.
const ExportFormat* exportFormatNamed(const QString& name, const QString& picture)
{
    const bool pictureType =
        std::find(std::begin(pictureTypes), std::end(pictureTypes), name) != std::end(pictureTypes);
    const auto row = std::find_if(exportFormats.begin(), exportFormats.end(), [&](const ExportFormat& f) {
        if (pictureType)
            return f.pictureName && picture == QLatin1String(f.pictureName);
        return f.commandLineName && name == QLatin1String(f.commandLineName);
    });
    return row == exportFormats.end() ? nullptr : &*row;
}

struct Failure {
    int code;
    QString message;
};

class Exporter
{
public:
    explicit Exporter(QIODevice& out) : m_out(out) {}
    std::optional<Failure> run(const QCommandLineParser& parser);
    // To -o where it is given, else (text only) to standard output.
    std::optional<Failure> write(const QCommandLineParser& parser, const QByteArray& bytes, bool text);

private:
    std::optional<Failure> writeOut(const QByteArray& bytes);
    // The pairs of both modes on standard output, the file only with -o; a failing pair fails.
    std::optional<Failure> check(const QCommandLineParser& parser, const ExportFormat& format, const SchemeSlots& scheme,
                                 const ExportChoice& choice);
    QIODevice& m_out;
};

std::optional<SchemeSlots> readScheme(const QString& path, QString* message)
{
    if (const auto refusal = schemeFileRefusal(path)) {
        *message = *refusal;
        return std::nullopt;
    }
    if (!QFileInfo(path).isFile()) {
        *message = CommandLine::tr(
            "Das Farbschema \"%1\" kann nicht gelesen werden.").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    return readSchemeSlots(IniFile(path));
}

std::optional<Failure> Exporter::run(const QCommandLineParser& parser)
{
    const QString name = parser.value(QStringLiteral("export"));
    if (!exportFormatNamed(name, QStringLiteral("1")))
        return Failure{2, CommandLine::tr("Unbekanntes Exportformat \"%1\".").arg(name)};
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return Failure{2, CommandLine::tr("Bitte genau eine Farbschema-Datei angeben.")};

    // The flags apply alike to every picture.
    const unsigned options = exportFormatNamed(name, QStringLiteral("1"))->options;
    ExportChoice choice;
    for (const Flag& flag : flags) {
        if (!parser.isSet(flag.name))
            continue;
        if (!(options & flag.option))
            return Failure{2, CommandLine::tr("--%1 gilt nicht für das Format %2.").arg(flag.name, name)};
        flag.apply(choice);
    }
    const bool pictureChosen = parser.isSet(QStringLiteral("picture"));
    const QString picture = pictureChosen ? parser.value(QStringLiteral("picture")) : QStringLiteral("1");
    const ExportFormat* format = exportFormatNamed(name, picture);
    const bool theme = format && format->palette && writesTheme(*format->palette);
    if (themeOptionsGiven(parser) && !theme)
        return Failure{2, CommandLine::tr("--role und --check gelten nur mit --export theme-css, theme-tokens und "
                                          "theme-tailwind.")};
    if (!format || (pictureChosen && !format->pictureName))
        return Failure{2, CommandLine::tr("--picture %1 gilt nur für bmp und jpg.").arg(spokenList(pictureNames()))};
    choice.content = format->content;
    const bool jpeg = name == QLatin1StringView("jpg");
    if (jpeg && !format->jpeg)
        return Failure{2, CommandLine::tr("Die Palettenleiste gibt es nur als bmp.")};
    QString refusal;
    const auto tokenValue = tokenValueOption(parser, format->palette && writesTokens(*format->palette), &refusal);
    if (!tokenValue)
        return Failure{2, refusal};
    choice.tokenHex = *tokenValue == TokenValue::Hex;
    const bool binary = isBinaryExport(*format);
    if (binary && !parser.isSet(QStringLiteral("output")))
        return Failure{2, CommandLine::tr("Das Format %1 braucht eine Ausgabedatei (-o DATEI).").arg(name)};

    QString message;
    auto scheme = readScheme(files.constFirst(), &message);
    if (!scheme)
        return Failure{1, message};
    if (const auto refusal = applyRoleOptions(parser, *scheme))
        return Failure{2, *refusal};
    if (parser.isSet(QStringLiteral("check")))
        return check(parser, *format, *scheme, choice);

    if (!format->palette && !isPicture(format->content) && !parser.isSet(QStringLiteral("output"))) {
        const QStringList lines = exportText(exportMode(choice), *scheme, choice);
        return writeOut(lines.isEmpty() ? QByteArray() : lines.join(u'\n').toUtf8() + '\n'); // as the page shows it
    }
    QString reason;
    const QString title = QFileInfo(files.constFirst()).completeBaseName();
    const QByteArray bytes = exportFile(*format, *scheme, choice, title, jpeg, &reason);
    if (!reason.isEmpty())
        return Failure{1, CommandLine::tr("Die Grafik kann nicht erstellt werden. %1").arg(reason)};
    return write(parser, bytes, !binary);
}

std::optional<Failure> Exporter::check(const QCommandLineParser& parser, const ExportFormat& format,
                                       const SchemeSlots& scheme, const ExportChoice& choice)
{
    if (parser.isSet(QStringLiteral("output"))) {
        QString reason;
        if (const auto failure = write(parser, exportFile(format, scheme, choice, {}, false, &reason), true))
            return failure;
    }
    const ThemeReport report = themeReport(scheme);
    if (const auto failure = writeOut(report.text))
        return failure;
    if (!report.passes)
        return Failure{1, CommandLine::tr("Mindestens ein Farbpaar erreicht seinen Kontrast nicht.")};
    return std::nullopt;
}

std::optional<Failure> Exporter::write(const QCommandLineParser& parser, const QByteArray& bytes, bool text)
{
    if (!parser.isSet(QStringLiteral("output")) && text)
        return writeOut(bytes);
    const QString path = parser.value(QStringLiteral("output"));
    QString reason;
    if (!writeFileAtomically(path, bytes, &reason))
        return Failure{1, CommandLine::tr(
            "Datei \"%1\" kann nicht erstellt werden. %2").arg(QDir::toNativeSeparators(path), reason)};
    return std::nullopt;
}

// Standard output may be a full disk or a closed pipe; what did not arrive is a failure.
std::optional<Failure> writeStandardOutput(QIODevice& out, const QByteArray& bytes)
{
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (out.write(bytes) == bytes.size() && (!file || file->flush()))
        return std::nullopt;
    return Failure{1, CommandLine::tr(
        "Die Standardausgabe kann nicht geschrieben werden. %1").arg(out.errorString())};
}

std::optional<Failure> Exporter::writeOut(const QByteArray& bytes)
{
    return writeStandardOutput(m_out, bytes);
}

} // namespace

bool wantsCommandLine(const QStringList& arguments)
{
    static const QStringList own = {QStringLiteral("--export"), QStringLiteral("--convert"),
                                    QStringLiteral("--contrast"), QStringLiteral("--scale"), QStringLiteral("--extract"),
                                    QStringLiteral("--help"),
                                    QStringLiteral("-h"),
                                    QStringLiteral("-?"), QStringLiteral("--version"), QStringLiteral("-v")};
    for (const QString& argument : arguments) {
        if (own.contains(argument) || own.contains(argument.section(u'=', 0, 0)))
            return true;
    }
    return !arguments.isEmpty() && arguments.constFirst().startsWith(QLatin1StringView("--"));
}

int runCommandLine(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Tintara Studio: Farbauswahl für Webseiten und Benutzeroberflächen.\n"
                       "Ohne Optionen öffnet sich das Fenster, mit einer Farbschema-Datei als erstem Argument."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                  CommandLine::tr("Zeigt diese Hilfe."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Zeigt die Version."));
    parser.addOptions({help, version});
    parser.addOption({QStringLiteral("export"),
                      CommandLine::tr("Exportiert das Farbschema: %1.").arg(spokenList(exportNames())),
                      QStringLiteral("format")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      CommandLine::tr("Schreibt in diese Datei; Textformate ohne -o gehen auf die Standardausgabe."),
                      CommandLine::tr("datei")});
    parser.addOption({QStringLiteral("picture"),
                      CommandLine::tr("Grafik für bmp und jpg: %1.").arg([] {
                          QStringList names = pictureNames();
                          names.first() = markedAsDefault(names.first());
                          return spokenList(names);
                      }()),
                      CommandLine::tr("art")});
    for (const Flag& flag : flags) {
        const QString description = CommandLine::tr(flag.description);
        parser.addOption({QString(flag.name), description.contains(QLatin1String("%1"))
                                                  ? description.arg(exportNames(flag.option).join(QStringLiteral(", ")))
                                                  : description});
    }
    addColorVerbOptions(parser);
    addThemeOptions(parser);
    parser.addPositionalArgument(CommandLine::tr("farbschema.tsf"),
                                 CommandLine::tr(
                                     "Das zu exportierende Farbschema; bei --contrast die Hintergrundfarbe."));

    const auto fail = [&err](int code, const QString& message) {
        err.write(QStringLiteral("tintara: %1\n").arg(message).toUtf8());
        if (code == 2)
            err.write(CommandLine::tr("Aufruf: tintara --export FORMAT FARBSCHEMA.tsf [-o DATEI], --convert FARBE "
                                     "[--to NAME], --contrast SCHRIFT HINTERGRUND [--min WERT], --scale FARBE "
                                     "[--at STUFE] [--format F] [--against FARBE --targets LISTE] oder --extract BILD "
                                     "[--count N]; --format json gibt JSON aus; mehr mit --help.\n")
                          .toUtf8());
        return code;
    };
    if (!parser.parse(QStringList{QStringLiteral("tintara")} + arguments))
        return fail(2, parser.errorText());
    if (parser.isSet(help)) {
        // Qt names the program by the path it was started from.
        QString text = parser.helpText();
        const QString program = QCoreApplication::arguments().value(0);
        if (const qsizetype at = text.indexOf(program); !program.isEmpty() && at >= 0)
            text.replace(at, program.size(), QStringLiteral("tintara"));
        if (const auto failure = writeStandardOutput(out, text.toUtf8()))
            return fail(failure->code, failure->message);
        return 0;
    }
    if (parser.isSet(version)) {
        const QByteArray line = QStringLiteral("Tintara Studio %1\n").arg(QStringLiteral(TINTARA_VERSION)).toUtf8();
        if (const auto failure = writeStandardOutput(out, line))
            return fail(failure->code, failure->message);
        return 0;
    }
    if (const auto verb = runColorVerb(parser)) {
        // A verb that fails with an output (a pair below the gate) still writes it.
        if (verb->code != 0 && verb->output.isEmpty())
            return fail(verb->code, verb->message);
        for (const QString& note : verb->notes)
            err.write(QStringLiteral("tintara: %1\n").arg(note).toUtf8());
        if (const auto failure = Exporter(out).write(parser, verb->output, true))
            return fail(failure->code, failure->message);
        return verb->code == 0 ? 0 : fail(verb->code, verb->message);
    }
    if (!parser.isSet(QStringLiteral("export")))
        return fail(2, CommandLine::tr("Es fehlt --export FORMAT."));
    if (const auto failure = Exporter(out).run(parser))
        return fail(failure->code, failure->message);
    return 0;
}

} // namespace Tintara
