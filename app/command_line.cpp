#include "app/command_line.h"

#include <QDir>

#include <functional>
#include <optional>

namespace {

enum class Value {
    None,       // --name
    Optional,   // --name or --name=VALUE
    Required,   // --name=VALUE or --name VALUE
};

// What followed the option's name: nothing, or a value (which may be empty).
using Given = std::optional<QString>;

struct Option {
    QChar shortName;   // null: none
    QString name;
    Value value;
    QString valueName;
    QString help;
    // Stores what the option asks for.
    std::function<void(CommandLine &, const Given &value)> take;
};

const QList<Option> &options()
{
    static const QList<Option> table = {
        {u'h', QStringLiteral("help"), Value::None, {},
         QStringLiteral("Show this help and leave."),
         [](CommandLine &line, const Given &) { line.showHelp = true; }},
        {u'v', QStringLiteral("version"), Value::None, {},
         QStringLiteral("Show the version and leave."),
         [](CommandLine &line, const Given &) { line.showVersion = true; }},
        {{}, QStringLiteral("coach"), Value::None, {},
         QStringLiteral("Show a coach beside the game: after each draw what every hold was worth "
                        "and why, the strategy chart, the session's mistakes, and on request a "
                        "warning before the draw."),
         [](CommandLine &line, const Given &) { line.coach = true; }},
        {{}, QStringLiteral("analyse"), Value::Required, QStringLiteral("CARDS"),
         QStringLiteral("Print every hold of the five CARDS (\"JH JS 2C 7D 9S\" or \"J♥ J♠ 2♣ "
                        "7♦ 9♠\"), best first, with its exact worth per unit of stake and "
                        "its strategy chart line, and leave. Needs no display."),
         [](CommandLine &line, const Given &value) { line.analyse = value; }},
        {{}, QStringLiteral("four-colour"), Value::None, {},
         QStringLiteral("Draw the cards in four colours: clubs green and diamonds blue, hearts red "
                        "and spades black."),
         [](CommandLine &line, const Given &) { line.fourColour = true; }},
        {{}, QStringLiteral("data-folder"), Value::Optional, QStringLiteral("FOLDER"),
         QStringLiteral("Keep hi.dat and cfg.dat in FOLDER, or without FOLDER in the player's data "
                        "folder ($XDG_DATA_HOME/quintdraw), instead of the current folder. The "
                        "folder is made if missing."),
         [](CommandLine &line, const Given &value) {
             line.useDataFolder = true;
             line.dataFolder = value ? QDir::current().absoluteFilePath(*value) : QString();
         }},
    };
    return table;
}

const Option *findLong(QStringView name)
{
    for (const Option &option : options()) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

const Option *findShort(QChar name)
{
    for (const Option &option : options()) {
        if (!option.shortName.isNull() && option.shortName == name)
            return &option;
    }
    return nullptr;
}

QString quoted(const QString &argument)
{
    return QLatin1Char('\'') + argument + QLatin1Char('\'');
}

// Words filled into lines of at most `width` characters, each line indented by `indent`.
QStringList filled(const QString &text, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString optionHeading(const Option &option)
{
    QString heading = option.shortName.isNull() ? QStringLiteral("    ")
                                                : QStringLiteral("-%1, ").arg(option.shortName);
    heading += QStringLiteral("--") + option.name;
    if (option.value == Value::Optional)
        heading += QStringLiteral("[=%1]").arg(option.valueName);
    else if (option.value == Value::Required)
        heading += QStringLiteral("=%1").arg(option.valueName);
    return heading;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size() && line.error.isEmpty(); ++i) {
        const QString &argument = arguments[i];
        const Option *option = nullptr;
        Given value;
        if (argument.startsWith(QLatin1String("--")) && argument.size() > 2) {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            option = findLong(QStringView(argument).mid(2, equals < 0 ? -1 : equals - 2));
            if (equals >= 0)
                value = argument.sliced(equals + 1);
        } else if (argument.size() > 1 && argument[0] == QLatin1Char('-')) {
            option = argument.size() == 2 ? findShort(argument[1]) : nullptr;
        } else {
            line.error = QStringLiteral("unexpected argument %1").arg(quoted(argument));
            break;
        }
        if (!option) {
            line.error = QStringLiteral("unknown option %1").arg(quoted(argument));
            break;
        }
        if (option->value == Value::Required && !value) {
            if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                line.error = QStringLiteral("%1 needs a %2").arg(quoted(argument), option->valueName);
        } else if (option->value == Value::None && value) {
            line.error = QStringLiteral("%1 takes no value").arg(quoted(QStringLiteral("--") + option->name));
        }
        if (value && value->isEmpty())
            line.error = QStringLiteral("%1 needs a %2").arg(quoted(argument), option->valueName);
        if (line.error.isEmpty())
            option->take(line, value);
    }
    return line;
}

QString usageText()
{
    constexpr int kHeadingWidth = 28;
    constexpr int kLineWidth = 79;
    QString text = QStringLiteral("Usage: quintdraw [OPTION]...\n"
                                  "Five-card draw poker for one player.\n\nOptions:\n");
    for (const Option &option : options()) {
        const QString heading = QStringLiteral("  ") + optionHeading(option);
        const QStringList help = filled(option.help, kLineWidth - kHeadingWidth);
        text += heading.size() < kHeadingWidth ? heading.leftJustified(kHeadingWidth)
                                               : heading + QLatin1Char('\n') + QString(kHeadingWidth, u' ');
        text += help.join(QLatin1Char('\n') + QString(kHeadingWidth, u' ')) + QLatin1Char('\n');
    }
    text += QStringLiteral("\nThe keys, the files and the environment: man quintdraw\n");
    return text;
}

QString versionText()
{
    return QStringLiteral("quintdraw " QUINTDRAW_VERSION "\n");
}
