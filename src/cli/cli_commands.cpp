#include "cli_commands.h"

#include "array_inverter.h"
#include "code_format.h"
#include "font_array.h"
#include "message_text.h"
#include "number_inverter.h"
#include "segment_codes.h"
#include "segment_drawing.h"
#include "segment_set.h"
#include "table_converter.h"
#include "table_scanner.h"
#include "utf8.h"
#include "wiring.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>

#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tamrik;

// A failure that ends the run: its exit code and the message after "tamrik-cli: ".
struct Failure {
    CliExit code;
    std::u32string message;
};

[[noreturn]] void fail(CliExit code, std::u32string message) {
    throw Failure{code, std::move(message)};
}

std::u32string u32(const QString& s) {
    return s.toStdU32String();
}

QByteArray utf8(const std::u32string& s) {
    const std::string bytes = encodeUtf8(s);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

template <class T> T orUsageError(Parsed<T> parsed) {
    if (!parsed)
        fail(ExitUsage, parsed.error);
    return std::move(*parsed.value);
}

// Every option any command takes. A first pass knows them all, so that an option's value is
// never mistaken for the command; the command's own pass then rejects the ones it does not take.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{QStringLiteral("version"),
                               QStringLiteral("Show the program's version and exit.")};
    QCommandLineOption wiring{QStringLiteral("wiring"),
                              QStringLiteral("The segment on bit 7, bit 6, ... bit 0: eight "
                                             "letters naming each of A-H once, or a preset: "
                                             "a7 (ABCDEFGH), a0 (HGFEDCBA), max7219 (HABCDEFG), "
                                             "tm1637 (HGFEDCBA). Default a7."),
                              QStringLiteral("W"), QStringLiteral("a7")};
    QCommandLineOption anode{QStringLiteral("anode"),
                             QStringLiteral("Common-anode display: 255 minus the cathode code.")};
    QCommandLineOption format{QStringLiteral("format"),
                              QStringLiteral("bin (0b and eight digits), hex (0x and two capital "
                                             "digits) or dec. Default bin."),
                              QStringLiteral("F"), QStringLiteral("bin")};
    QCommandLineOption all{QStringLiteral("all"),
                           QStringLiteral("The window's eight code texts: the cathode row, then "
                                          "the anode row.")};
    QCommandLineOption dialect{QStringLiteral("dialect"),
                               QStringLiteral("The header line: flash (flash char buf[ ] = {), "
                                              "progmem, avr-flash, keil or plain. Default flash."),
                               QStringLiteral("D"), QStringLiteral("flash")};
    QCommandLineOption name{QStringLiteral("name"),
                            QStringLiteral("The array's name instead of buf."),
                            QStringLiteral("NAME"), QStringLiteral("buf")};
    QCommandLineOption noGlyphs{QStringLiteral("no-glyphs"),
                                QStringLiteral("Leave the character off the element lines.")};
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("The table's wiring (as --wiring of codes)."),
                            QStringLiteral("W")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("The wiring to write."),
                          QStringLiteral("W")};
    QCommandLineOption fromAnode{QStringLiteral("from-anode"),
                                 QStringLiteral("The table holds common-anode codes.")};
    QCommandLineOption toAnode{QStringLiteral("to-anode"),
                               QStringLiteral("Write common-anode codes.")};
};

struct Argument {
    const char* name;
    const char* description;
    const char* syntax;
};

struct Command {
    const char* name;
    const char* brief; // a line of the program's command list
    const char* summary;
    const char* synopsis;
    std::vector<const QCommandLineOption*> options;
    std::vector<Argument> arguments;
    std::size_t required; // leading arguments that must be given
    std::function<QByteArray(const QCommandLineParser&, const QStringList&)> run;
};

// Qt's parser texts read "Unknown option 'x'."; messages here are lower case and end bare.
std::u32string parserMessage(const QString& text) {
    QString message = text.simplified();
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    return visibleText(u32(message));
}

QByteArray readInput(const QString& file) {
    QFile input;
    bool opened;
    if (file.isEmpty() || file == QStringLiteral("-")) {
        opened = input.open(stdin, QIODevice::ReadOnly);
    } else {
        input.setFileName(file);
        opened = input.open(QIODevice::ReadOnly);
    }
    QByteArray bytes;
    if (opened)
        bytes = input.readAll();
    if (!opened || input.error() != QFileDevice::NoError) {
        const std::u32string what = file.isEmpty() || file == QStringLiteral("-")
                                        ? U"standard input"
                                        : inQuotes(u32(file), 200);
        fail(ExitData, U"cannot read " + what + U": " + u32(input.errorString()));
    }
    return bytes;
}

std::u32string readText(const QString& file) {
    const QByteArray bytes = readInput(file);
    return decodeUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

TableScan scanOrFail(const std::u32string& text) {
    TableScan scan = scanTable(text);
    if (scan.error)
        fail(ExitData, describe(*scan.error));
    if (scan.values.empty())
        fail(ExitData, U"no values found in the table");
    return scan;
}

QByteArray lines(const std::vector<std::u32string>& list) {
    std::u32string text;
    for (const auto& line : list)
        text += line + U"\n";
    return utf8(text);
}

std::vector<Command> commands(const Options& o) {
    const auto wiringOf = [](const QCommandLineParser& p, const QCommandLineOption& option) {
        return orUsageError(parseWiring(u32(p.value(option))));
    };
    return {
        {"codes",
         "codes SEGMENTS       the code of the lit segments (--all: the window's eight)",
         "The code of the lit segments on a wiring, or with --all the window's eight\n"
         "code texts: the cathode row, then the anode row.",
         "codes [options] SEGMENTS",
         {&o.wiring, &o.anode, &o.format, &o.all},
         {{"SEGMENTS", "Segment letters A-H in either case and any order, or none.", "SEGMENTS"}},
         1,
         [&o, wiringOf](const QCommandLineParser& p, const QStringList& args) {
             const SegmentSet lit = orUsageError(parseSegments(u32(args[0])));
             if (p.isSet(o.all)) {
                 if (p.isSet(o.wiring) || p.isSet(o.anode) || p.isSet(o.format))
                     fail(ExitUsage, U"--all shows the window's fixed eight codes; it takes no "
                                     U"--wiring, --anode or --format");
                 const CodeTexts t = codeTexts(weightsA7(lit), weightsA0(lit));
                 return lines({t.cathodeA7Bin + U" " + t.cathodeA7Hex + U" " + t.cathodeA0Bin +
                                   U" " + t.cathodeA0Hex,
                               t.anodeA7Bin + U" " + t.anodeA7Hex + U" " + t.anodeA0Bin + U" " +
                                   t.anodeA0Hex});
             }
             const Wiring wiring = wiringOf(p, o.wiring);
             const CodeFormat format = orUsageError(parseCodeFormat(u32(p.value(o.format))));
             return lines(
                 {formatCode(withPolarity(encode(wiring, lit), p.isSet(o.anode)), format)});
         }},
        {"font",
         "font CHARS           a C array of the built-in font's characters",
         "A C array with one element per character, drawn by the built-in font, in\n"
         "the array builder's text.",
         "font [options] CHARS",
         {&o.wiring, &o.anode, &o.format, &o.dialect, &o.name, &o.noGlyphs},
         {{"CHARS", "The characters, one element each. Put -- before CHARS that begin with -.",
           "CHARS"}},
         1,
         [&o, wiringOf](const QCommandLineParser& p, const QStringList& args) {
             FontArrayOptions options;
             options.wiring = wiringOf(p, o.wiring);
             options.anode = p.isSet(o.anode);
             options.format = orUsageError(parseCodeFormat(u32(p.value(o.format))));
             options.dialect = orUsageError(parseDialect(u32(p.value(o.dialect))));
             options.name = orUsageError(parseArrayName(u32(p.value(o.name))));
             options.glyphs = !p.isSet(o.noGlyphs);
             const std::u32string chars = u32(args[0]);
             if (chars.empty())
                 fail(ExitUsage, U"font: no characters given");
             auto array = fontArrayLines(chars, options);
             if (!array)
                 fail(ExitData, array.error);
             return lines(*array.value);
         }},
        {"invert",
         "invert NUMBER        the bitwise inverse of a binary number",
         "The bitwise inverse of a binary number: what the number inverter shows.",
         "invert NUMBER",
         {},
         {{"NUMBER",
           "A binary number, bare or behind a prefix such as 0b. Put -- before a NUMBER that "
           "begins with -.",
           "NUMBER"}},
         1,
         [](const QCommandLineParser&, const QStringList& args) {
             return lines({invertNumber(u32(args[0])).inverted});
         }},
        {"invert-array",
         "invert-array [FILE]  every line's binary number inverted, then the count",
         "Every line's binary number inverted, then the count of lines: what the\n"
         "array inverter shows.",
         "invert-array [FILE]",
         {},
         {{"FILE", "The lines to invert; standard input when left out or -.", "[FILE]"}},
         0,
         [](const QCommandLineParser&, const QStringList& args) {
             std::u32string text = readText(args.value(0));
             // Editors on Windows start UTF-8 files with a byte order mark; it is no character
             // of the first line, which a paste into the window would not hold either.
             if (!text.empty() && text[0] == 0xFEFF)
                 text.erase(0, 1);
             return utf8(invertedArrayText(splitLines(text)) + U"\n");
         }},
        {"convert",
         "convert [FILE]       a table's values for another wiring or polarity",
         "Re-encodes the byte values of a table for another wiring and polarity,\n"
         "leaving every other character as it is. Values are read between the first\n"
         "{ and the next } (every line when there is no {), outside comments.",
         "convert --from W --to W [options] [FILE]",
         {&o.from, &o.to, &o.fromAnode, &o.toAnode},
         {{"FILE", "The table; standard input when left out or -.", "[FILE]"}},
         0,
         [&o, wiringOf](const QCommandLineParser& p, const QStringList& args) {
             if (!p.isSet(o.from))
                 fail(ExitUsage, U"convert: missing --from");
             if (!p.isSet(o.to))
                 fail(ExitUsage, U"convert: missing --to");
             ConversionSettings settings{wiringOf(p, o.from), wiringOf(p, o.to),
                                         p.isSet(o.fromAnode), p.isSet(o.toAnode)};
             const ConvertedTable converted = convertTable(readText(args.value(0)), settings);
             if (converted.error)
                 fail(ExitData, describe(*converted.error));
             if (converted.valueCount == 0)
                 fail(ExitData, U"no values found in the table");
             return utf8(converted.text);
         }},
        {"show",
         "show [CODE]          draws the digit a code lights, or a whole table",
         "Draws the digit a code lights; without CODE, every value of a table read\n"
         "from standard input, as convert reads it.",
         "show [options] [CODE]",
         {&o.wiring, &o.anode},
         {{"CODE",
           "A code: 0b and binary digits, B and eight binary digits, 0x and hexadecimal "
           "digits, or decimal.",
           "[CODE]"}},
         0,
         [&o, wiringOf](const QCommandLineParser& p, const QStringList& args) {
             const Wiring wiring = wiringOf(p, o.wiring);
             const bool anode = p.isSet(o.anode);
             const auto litBy = [&](int code) { return decode(wiring, withPolarity(code, anode)); };
             if (!args.isEmpty()) {
                 const int code = orUsageError(parseCode(u32(args[0])));
                 const auto picture = drawDigit(litBy(code));
                 return lines({picture.begin(), picture.end()});
             }
             const TableScan scan = scanOrFail(readText(QString()));
             std::vector<SegmentSet> digits;
             digits.reserve(scan.values.size());
             for (const TableValue& v : scan.values)
                 digits.push_back(litBy(v.value));
             return lines({drawDigits(digits)});
         }},
    };
}

// The usage line and description, then Qt's list of options and arguments.
QByteArray helpText(const QString& usage, const QString& description,
                    const QCommandLineParser& parser) {
    const QString qtText = parser.helpText();
    const qsizetype options = qtText.indexOf(QStringLiteral("Options:"));
    return (QStringLiteral("Usage: tamrik-cli ") + usage + QStringLiteral("\n") + description +
            QStringLiteral("\n\n") + (options < 0 ? QString() : qtText.mid(options)))
        .toUtf8();
}

QString programDescription(const std::vector<Command>& list) {
    QString text = QStringLiteral(
        "Seven-segment code tables for firmware builds, with the same code texts and\n"
        "array text as the window program.\n\nCommands:\n");
    for (const Command& c : list)
        text += QStringLiteral("  ") + QString::fromLatin1(c.brief) + QStringLiteral("\n");
    text += QStringLiteral("\nRun \"tamrik-cli COMMAND --help\" for a command's options.");
    return text;
}

QByteArray run(const QStringList& arguments) {
    const Options o;
    const std::vector<Command> list = commands(o);

    QCommandLineParser first;
    first.addOptions({o.help, o.version, o.wiring, o.anode, o.format, o.all, o.dialect, o.name,
                      o.noGlyphs, o.from, o.to, o.fromAnode, o.toAnode});
    if (!first.parse(arguments))
        fail(ExitUsage, parserMessage(first.errorText()));
    if (first.isSet(o.version))
        return (QStringLiteral("tamrik-cli ") + QStringLiteral(TAMRIK_VERSION) +
                QStringLiteral("\n"))
            .toUtf8();

    const QStringList positional = first.positionalArguments();
    if (positional.isEmpty()) {
        if (first.isSet(o.help)) {
            QCommandLineParser program;
            program.addOption(o.help);
            program.addOption(o.version);
            return helpText(QStringLiteral("COMMAND [options] [arguments]"),
                            programDescription(list), program);
        }
        fail(ExitUsage, U"no command given (try tamrik-cli --help)");
    }
    const QString name = positional.first();
    const Command* command = nullptr;
    for (const Command& c : list)
        if (name == QLatin1String(c.name))
            command = &c;
    if (!command)
        fail(ExitUsage, U"unknown command " + inQuotes(u32(name)) + U" (try tamrik-cli --help)");

    QCommandLineParser parser;
    parser.addOption(o.help);
    for (const QCommandLineOption* option : command->options)
        parser.addOption(*option);
    for (const Argument& a : command->arguments)
        parser.addPositionalArgument(QString::fromLatin1(a.name),
                                     QString::fromLatin1(a.description),
                                     QString::fromLatin1(a.syntax));
    if (!parser.parse(arguments))
        fail(ExitUsage, parserMessage(parser.errorText()));
    if (parser.isSet(o.help))
        return helpText(QString::fromLatin1(command->synopsis),
                        QString::fromLatin1(command->summary), parser);

    const QStringList args = parser.positionalArguments().mid(1);
    const std::u32string prefix = u32(name) + U": ";
    if (static_cast<std::size_t>(args.size()) < command->required)
        fail(ExitUsage,
             prefix + U"missing " + u32(QString::fromLatin1(command->arguments[args.size()].name)));
    if (static_cast<std::size_t>(args.size()) > command->arguments.size())
        fail(ExitUsage, prefix + U"unexpected argument " +
                            inQuotes(u32(args[static_cast<qsizetype>(command->arguments.size())])));
    return command->run(parser, args);
}

} // namespace

CliOutcome runCli(const QStringList& arguments) {
    CliOutcome outcome;
    try {
        outcome.out = run(arguments);
    } catch (const Failure& failure) {
        outcome.exitCode = failure.code;
        outcome.err = utf8(U"tamrik-cli: " + failure.message + U"\n");
    } catch (const std::bad_alloc&) {
        outcome = {ExitData, {}, "tamrik-cli: the input is too large for the memory available\n"};
    }
    return outcome;
}
