#include "array_inverter.h"
#include "array_text.h"
#include "line_list.h"
#include "number_inverter.h"
#include "reference_font.h"
#include "segment_codes.h"
#include "segment_set.h"
#include "utf8.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

using namespace tamrik;
using namespace std::string_literals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(TAMRIK_CLI), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    Run r;
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

QByteArray bytes(const std::u32string& text) {
    const std::string s = encodeUtf8(text);
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QString qs(const std::u32string& text) {
    return QString::fromStdU32String(text);
}

QByteArray joined(const std::vector<std::u32string>& lines) {
    std::u32string text;
    for (const auto& line : lines)
        text += line + U"\n";
    return bytes(text);
}

// The window's test sets of lit segments (the code editor's edge cases).
const char32_t* const kWindowSets[] = {U"none",   U"A",    U"H",    U"BC",      U"ABDEG",
                                       U"ABCDEF", U"BDEG", U"ACFH", U"ABCDEFGH"};

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void errors_data();
    void errors();

    void codesAllEqualsTheWindowsCodeBoxes();
    void fontWithoutGlyphsEqualsTheArrayBuildersText();
    void invertEqualsTheNumberInverter_data();
    void invertEqualsTheNumberInverter();
    void invertArrayEqualsTheArrayInverter();
    void invertArrayLineBreaks_data();
    void invertArrayLineBreaks();
    void invalidUtf8BecomesReplacementCharacters();
    void convertRoundTripsEveryByteForEveryPresetPair();
    void files();
    void help();
};

// Each command's ordinary use: arguments, standard input, exit code, standard output.
void TestCli::commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");

    const auto row = [](const char* name, QStringList arguments, QByteArray out,
                        QByteArray input = {}) {
        QTest::newRow(name) << arguments << input << out;
    };
    row("codes --all", {"codes", "BC", "--all"},
        "0b01100000 0x60 0b00000110 0x06\n0b10011111 0x9F 0b11111001 0xF9\n");
    row("codes default a7 bin", {"codes", "BC"}, "0b01100000\n");
    row("codes max7219 0", {"codes", "abcdef", "--wiring", "max7219", "--format", "hex"}, "0x7E\n");
    row("codes max7219 1", {"codes", "BC", "--wiring", "max7219", "--format", "hex"}, "0x30\n");
    row("codes tm1637 0", {"codes", "FEDCBA", "--wiring", "tm1637", "--format", "hex"}, "0x3F\n");
    row("codes tm1637 1", {"codes", "BC", "--wiring", "tm1637", "--format", "hex"}, "0x06\n");
    row("codes a0", {"codes", "ABDEG", "--wiring", "a0"}, "0b01011011\n");
    row("codes custom wiring", {"codes", "BC", "--wiring", "GFEDCBAH", "--format", "dec"}, "12\n");
    row("codes repeats and case, anode", {"codes", "cbB", "--anode", "--format", "hex"}, "0x9F\n");
    row("codes none", {"codes", "none"}, "0b00000000\n");
    row("codes dec without leading zeros", {"codes", "H", "--format", "dec"}, "1\n");
    row("codes none anode dec", {"codes", "none", "--anode", "--format", "dec"}, "255\n");
    row("options before the command", {"--wiring", "max7219", "codes", "BC", "--format", "hex"},
        "0x30\n");

    row("font max7219 progmem",
        {"font", "0123", "--wiring", "max7219", "--format", "hex", "--dialect", "progmem", "--name",
         "digits"},
        "const uint8_t digits[] PROGMEM = {\n0x7E      ,// 0 '0'\n0x30      ,// 1 '1'\n"
        "0x6D      ,// 2 '2'\n0x79       // 3 '3'\n};\n");
    row("font keil dec anode",
        {"font", "°C", "--dialect", "keil", "--format", "dec", "--anode", "--wiring", "tm1637"},
        "unsigned char code buf[] = {\n 156      ,// 0 '\xC2\xB0'\n 198       // 1 'C'\n};\n");
    row("font avr-flash marks", {"font", "--dialect", "avr-flash", "--", "-_ "},
        "const __flash uint8_t buf[] = {\n0b00000010,      // 0 '-'\n0b00010000,      // 1 '_'\n"
        "0b00000000       // 2 ' '\n};\n");
    row("font plain hex letters either case", {"font", "bB", "--dialect", "plain", "--no-glyphs"},
        "const uint8_t buf[] = {\n0b00111110,      // 0\n0b00111110       // 1\n};\n");
    row("font flash default", {"font", "1"},
        "flash char buf[ ] = {\n0b01100000       // 0 '1'\n};\n");

    row("invert", {"invert", "0b01011010"}, "0b10100101\n");
    row("invert empty", {"invert", ""}, "0b\n");
    row("invert-array stdin", {"invert-array"},
        "0b11000000,      // 0\n0b11111001\n\n\xD0\x9A\xD0\xBE\xD0\xBB\xD0\xB8\xD1\x87\xD0\xB5"
        "\xD1\x81\xD1\x82\xD0\xB2\xD0\xBE\n           \xD1\x8D\xD0\xBB\xD0\xB5\xD0\xBC\xD0\xB5"
        "\xD0\xBD\xD1\x82\xD0\xBE\xD0\xB2: 2\n",
        "0b00111111,      // 0\n0b00000110\n");

    row("invert-array skips a byte order mark", {"invert-array"},
        "0b10011001\n\n" + QStringLiteral("Количество\n           элементов: 1\n").toUtf8(),
        "\xEF\xBB\xBF"
        "01100110\n");
    row("convert to common anode", {"convert", "--from", "tm1637", "--to", "a7", "--to-anode"},
        "const uint8_t seg[] = { 0x03, 0x9F, /* 0x5B */ 0x25 }; // 10\n",
        "const uint8_t seg[] = { 0x3F, 0x06, /* 0x5B */ 0x5b }; // 10\n");
    row("convert keeps crlf and a missing last line break",
        {"convert", "--from", "a7", "--to", "max7219"}, "{\r\n  B01111110, // 0\r\n  48 }",
        "{\r\n  B11111100, // 0\r\n  96 }");
    row("convert from anode", {"convert", "--from", "a0", "--from-anode", "--to", "a0"},
        "0xC0\n0xF9\n", "0x3F\n0x06\n");

    row("show a code", {"show", "0x7E", "--wiring", "max7219"}, " _\n| |\n|_|\n");
    row("show arduino binary", {"show", "B01100000"}, "\n  |\n  |\n");
    row("show anode decimal", {"show", "63", "--wiring", "a0", "--anode"}, "\n _\n   .\n");
    row("show everything lit", {"show", "255"}, " _\n|_|\n|_|.\n");
    row("show a table", {"show"}, "0    1    2\n _         _\n| |    |   _|\n|_|    |  |_\n",
        "flash char buf[ ] = {\n0xFC      ,// 0\n0x60      ,// 1\n0xDA       // 2\n};\n");
    row("show a table of nine", {"show", "--wiring", "tm1637"},
        "0    1    2    3    4    5    6    7\n"
        " _         _    _         _    _    _\n"
        "| |    |   _|   _|  |_|  |_   |_     |\n"
        "|_|    |  |_    _|    |   _|  |_|    |\n"
        "\n"
        "8\n"
        " _\n"
        "|_|\n"
        "|_|.\n",
        "{ 0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0xFF }");
}

void TestCli::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    const Run r = run(arguments, input);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, out);
    QCOMPARE(r.exitCode, 0);
}

// Every error: its exit code (2 usage, 1 data), one line on standard error, nothing on
// standard output.
void TestCli::errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("err");

    const auto row = [](const char* name, QStringList arguments, int exitCode, QByteArray message,
                        QByteArray input = {}) {
        QTest::newRow(name) << arguments << input << exitCode
                            << QByteArray("tamrik-cli: " + message + "\n");
    };
    row("no command", {}, 2, "no command given (try tamrik-cli --help)");
    row("only options", {"--anode"}, 2, "no command given (try tamrik-cli --help)");
    row("unknown command", {"segments", "BC"}, 2,
        "unknown command 'segments' (try tamrik-cli --help)");
    row("unknown option", {"codes", "BC", "--bits"}, 2, "unknown option 'bits'");
    row("another command's option", {"font", "0", "--all"}, 2, "unknown option 'all'");
    row("flag with a value", {"codes", "BC", "--anode=yes"}, 2, "unexpected value after '--anode'");
    row("missing option value", {"codes", "BC", "--wiring"}, 2, "missing value after '--wiring'");
    row("missing SEGMENTS", {"codes"}, 2, "codes: missing SEGMENTS");
    row("missing CHARS", {"font", "--format", "hex"}, 2, "font: missing CHARS");
    row("missing NUMBER", {"invert"}, 2, "invert: missing NUMBER");
    row("missing --from", {"convert", "--to", "a0"}, 2, "convert: missing --from");
    row("missing --to", {"convert", "--from", "a0"}, 2, "convert: missing --to");
    row("extra argument", {"codes", "BC", "DE"}, 2, "codes: unexpected argument 'DE'");
    row("extra file", {"invert-array", "a.txt", "b.txt"}, 2,
        "invert-array: unexpected argument 'b.txt'");
    row("two codes", {"show", "0x3F", "0x06"}, 2, "show: unexpected argument '0x06'");
    row("letter outside A-H", {"codes", "ABJ"}, 2, "segment letter 'J' (U+004A) is not one of A-H");
    row("empty segments", {"codes", ""}, 2, "no segments given (write \"none\" for a dark digit)");
    row("wiring repeats a letter", {"codes", "A", "--wiring", "ABCDEFGA"}, 2,
        "wiring 'ABCDEFGA' names A twice; each of A-H must appear once");
    row("wiring too short", {"font", "0", "--wiring", "ABCDEFG"}, 2,
        "wiring 'ABCDEFG' is neither a preset (a7, a0, max7219, tm1637) nor eight letters naming "
        "each of A-H once");
    row("wiring letter outside A-H", {"show", "1", "--wiring", "ABCDEFGI"}, 2,
        "wiring 'ABCDEFGI': 'I' (U+0049) is not a segment letter A-H");
    row("convert target wiring", {"convert", "--from", "a7", "--to", "max7291"}, 2,
        "wiring 'max7291' is neither a preset (a7, a0, max7219, tm1637) nor eight letters naming "
        "each of A-H once");
    row("unknown format", {"codes", "A", "--format", "oct"}, 2,
        "unknown format 'oct' (use bin, hex or dec)");
    row("unknown dialect", {"font", "0", "--dialect", "sdcc"}, 2,
        "unknown dialect 'sdcc' (use flash, progmem, avr-flash, keil or plain)");
    row("bad array name", {"font", "0", "--name", "seg-7"}, 2,
        "array name 'seg-7' is not a C identifier");
    row("empty CHARS", {"font", ""}, 2, "font: no characters given");
    row("--all with a wiring", {"codes", "BC", "--all", "--wiring", "a0"}, 2,
        "--all shows the window's fixed eight codes; it takes no --wiring, --anode or --format");
    row("show code over 255", {"show", "0x100"}, 2, "code '0x100' is over 255");
    row("show malformed code", {"show", "0b012"}, 2,
        "code '0b012' is not \"0b\" and one to eight binary digits");

    row("unknown font character", {"font", "0Q1"}, 1,
        "the font has no character 'Q' (U+0051) (character 2 of the text)");
    row("unknown font character, Cyrillic", {"font", "1Ж"}, 1,
        "the font has no character '\xD0\x96' (U+0416) (character 2 of the text)");
    row("unknown font character, control", {"font", "1\t"}, 1,
        "the font has no character U+0009 (character 2 of the text)");
    row("table value over 255", {"convert", "--from", "a7", "--to", "a0"}, 1,
        "line 2: '300' is over 255", "{ 0x3F,\n 300 }");
    row("malformed table value", {"convert", "--from", "a7", "--to", "a0"}, 1,
        "line 3: '0b2' is not \"0b\" and one to eight binary digits", "{ 0x3F,\n\n 0b2 }");
    row("line numbers count crlf once", {"convert", "--from", "a7", "--to", "a0"}, 1,
        "line 3: '0x1G' is not \"0x\" and one or two hexadecimal digits", "{\r\n1,\r\n0x1G }");
    row("octal-looking value", {"show"}, 1,
        "line 1: '007' has a leading zero, which C reads as octal", "{ 007 }");
    row("show table over 255", {"show"}, 1, "line 1: '0x1FF' is over 255", "0x3F, 0x1FF");
    row("show table without values", {"show"}, 1, "no values found in the table", "{ SEG_A }");
    row("convert without values", {"convert", "--from", "a7", "--to", "a0"}, 1,
        "no values found in the table", "");
    row("missing file", {"invert-array", "/nonexistent/table.h"}, 1,
        "cannot read '/nonexistent/table.h': No such file or directory");
    row("missing file to convert", {"convert", "--from", "a7", "--to", "a0", "/nonexistent/t.h"}, 1,
        "cannot read '/nonexistent/t.h': No such file or directory");
}

void TestCli::errors() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);
    const Run r = run(arguments, input);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, err);
    QCOMPARE(r.exitCode, exitCode);
}

void TestCli::codesAllEqualsTheWindowsCodeBoxes() {
    for (const char32_t* set : kWindowSets) {
        const SegmentSet lit = *parseSegments(set).value;
        const CodeTexts t = codeTexts(weightsA7(lit), weightsA0(lit));
        const QByteArray expected = joined(
            {t.cathodeA7Bin + U" " + t.cathodeA7Hex + U" " + t.cathodeA0Bin + U" " + t.cathodeA0Hex,
             t.anodeA7Bin + U" " + t.anodeA7Hex + U" " + t.anodeA0Bin + U" " + t.anodeA0Hex});
        const Run r = run({"codes", qs(set), "--all"});
        QCOMPARE(r.out, expected);
        QCOMPARE(r.exitCode, 0);
    }
}

// The window appends the text of one code box per element; the font command must give the
// same array for the same elements, for each of the eight boxes.
void TestCli::fontWithoutGlyphsEqualsTheArrayBuildersText() {
    struct Box {
        const char* wiring;
        bool anode;
        const char* format;
        std::u32string CodeTexts::*text;
    };
    const Box boxes[] = {
        {"a7", false, "bin", &CodeTexts::cathodeA7Bin},
        {"a7", false, "hex", &CodeTexts::cathodeA7Hex},
        {"a0", false, "bin", &CodeTexts::cathodeA0Bin},
        {"a0", false, "hex", &CodeTexts::cathodeA0Hex},
        {"a7", true, "bin", &CodeTexts::anodeA7Bin},
        {"a7", true, "hex", &CodeTexts::anodeA7Hex},
        {"a0", true, "bin", &CodeTexts::anodeA0Bin},
        {"a0", true, "hex", &CodeTexts::anodeA0Hex},
    };
    const std::u32string chars = U"0123456789AbCdEF-_ °";
    for (const Box& box : boxes) {
        ArrayState state;
        VectorLines builder;
        for (char32_t c : chars) {
            const SegmentSet lit = *glyph(c);
            appendElement(state, builder, codeTexts(weightsA7(lit), weightsA0(lit)).*box.text);
        }
        QStringList arguments = {"font",     qs(chars),   "--wiring", box.wiring,   "--format",
                                 box.format, "--dialect", "flash",    "--no-glyphs"};
        if (box.anode)
            arguments << "--anode";
        const Run r = run(arguments);
        QCOMPARE(r.out, joined(builder.lines));
        QCOMPARE(r.exitCode, 0);
    }
    // And the array builder's worked example, line for line.
    QCOMPARE(run({"font", "012", "--wiring", "a0", "--format", "hex", "--no-glyphs"}).out,
             QByteArray("flash char buf[ ] = {\n0x3F      ,// 0\n0x06      ,// 1\n0x5B       // 2\n"
                        "};\n"));
}

// The number inverter's worked examples: input, then what Label4 shows.
void TestCli::invertEqualsTheNumberInverter_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    const char* const examples[][2] = {
        {"10100101", "0b01011010"},
        {"1101001", "0b0010110"},
        {"0b01011010", "0b10100101"},
        {"0b1111000011110000", "0b0000111100001111"},
        {"0b1010 0101", "0b0101"},
        {"0b1010/0101", "0b0101"},
        {"0b10100101,0b1111", "0b01011010"},
        {"0b1010_0101", "0b01011010"},
        {"1010 11", "0b0101"},
        {" 1010", "0b0101"},
        {"101010101", "100101010"},
        {"11010011 ", "11101100"},
        {"0 1111111", "0 "},
        {"123456789", "12"},
        {"0b1010", "0b10101"},
        {"abc", "0b"},
        {"1", "0b0"},
        {"", "0b"},
    };
    for (const auto& e : examples)
        QTest::newRow(e[0]) << QString::fromUtf8(e[0]) << QString::fromUtf8(e[1]);
}

void TestCli::invertEqualsTheNumberInverter() {
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QCOMPARE(qs(invertNumber(input.toStdU32String()).inverted), shown);
    const Run r = run({"invert", input});
    QCOMPARE(r.out, (shown + QStringLiteral("\n")).toUtf8());
    QCOMPARE(r.exitCode, 0);
}

// The array inverter's worked examples: every line of them pasted at once.
void TestCli::invertArrayEqualsTheArrayInverter() {
    const std::vector<std::u32string> in = {U"01100110",
                                            U"10101010",
                                            U"0x3F, //",
                                            U"abcdefgh",
                                            U"0b01100110",
                                            U"0b01100110,",
                                            U"0b01100110, // 1",
                                            U"0b01100110,      // 10",
                                            U"0b01100110       // 11",
                                            U"0b01100110,0b11110000",
                                            U"0b0110",
                                            U" 0b0110",
                                            U"011001101",
                                            U"1010 1010",
                                            U"0x3F",
                                            U"0x10",
                                            U"flash char buf[ ] = {",
                                            U"};",
                                            U"1",
                                            U""};
    const std::vector<std::u32string> shown = {U"0b10011001",
                                               U"0b01010101",
                                               U"0b1",
                                               U"0b",
                                               U"0b10011001",
                                               U"0b10011001,",
                                               U"0b10011001, // 1",
                                               U"0b10011001,      // 10",
                                               U"0b10011001       // 11",
                                               U"0b10011001,0b11110000",
                                               U"0b1001",
                                               U" 1b1001",
                                               U"000110010",
                                               U"1101 0101",
                                               U"0x3F",
                                               U"0x01",
                                               U"flash char buf[ ] = {",
                                               U"};",
                                               U"1",
                                               U""};
    std::vector<std::u32string> expected = shown;
    expected.insert(expected.end(), {U"", U"Количество", U"           элементов: 20"});

    QCOMPARE(run({"invert-array"}, joined(in)).out, joined(expected));
    QCOMPARE(qs(invertedArrayText(in)) + QStringLiteral("\n"), QString::fromUtf8(joined(expected)));

    // The whole array the builder writes.
    const QByteArray array = "flash char buf[ ] = {\n0b00111111,      // 0\n0b00000110,      // 1\n"
                             "0b01011011       // 2\n};\n";
    QCOMPARE(run({"invert-array"}, array).out,
             QByteArray("flash char buf[ ] = {\n0b11000000,      // 0\n0b11111001,      // 1\n"
                        "0b10100100       // 2\n};\n\n") +
                 QStringLiteral("Количество\n           элементов: 5\n").toUtf8());
}

// A line break at the very end begins no further line; CRLF is one line break.
void TestCli::invertArrayLineBreaks_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QByteArray() << QString() << 0;
    QTest::newRow("one line break") << QByteArray("\n") << QStringLiteral("\n") << 1;
    QTest::newRow("no final break")
        << QByteArray("01100110\n1") << QStringLiteral("0b10011001\n1\n") << 2;
    QTest::newRow("final break") << QByteArray("01100110\n1\n") << QStringLiteral("0b10011001\n1\n")
                                 << 2;
    QTest::newRow("crlf") << QByteArray("01100110\r\n1\r\n") << QStringLiteral("0b10011001\n1\n")
                          << 2;
    QTest::newRow("crlf, empty line")
        << QByteArray("\r\n\r\n0b0110\r\n") << QStringLiteral("\n\n0b1001\n") << 3;
}

void TestCli::invertArrayLineBreaks() {
    QFETCH(QByteArray, input);
    QFETCH(QString, lines);
    QFETCH(int, count);
    const Run r = run({"invert-array"}, input);
    QCOMPARE(QString::fromUtf8(r.out),
             lines + QStringLiteral("\nКоличество\n           элементов: %1\n").arg(count));
    QCOMPARE(r.exitCode, 0);
}

void TestCli::invalidUtf8BecomesReplacementCharacters() {
    const std::string raw = "0b0110\xFF"
                            "0110\n\xC3\n1\xE2\x82"
                            "0\0x\n"s;
    const QByteArray input(raw.data(), static_cast<qsizetype>(raw.size()));
    const Run r = run({"invert-array"}, input);
    const std::u32string text = decodeUtf8(raw);
    QCOMPARE(text, U"0b0110\uFFFD0110\n\uFFFD\n1\uFFFD0\0x\n"s);
    QCOMPARE(r.out, bytes(invertedArrayText(splitLines(text)) + U"\n"));
    QVERIFY(r.out.contains("\xEF\xBF\xBD"));
    QCOMPARE(r.exitCode, 0);

    // In a table the bad bytes are just other characters between the values.
    const Run c = run({"convert", "--from", "a7", "--to", "a0"}, "{ 0x60,\xFF 0x01\xC3 }");
    QCOMPARE(c.out, QByteArray("{ 0x06,\xEF\xBF\xBD 0x80\xEF\xBF\xBD }"));
    QCOMPARE(c.exitCode, 0);
}

void TestCli::convertRoundTripsEveryByteForEveryPresetPair() {
    QByteArray table = "// 10 values per line\nconst uint8_t t[] = {\n";
    for (int v = 0; v < 256; ++v) {
        const QByteArray bin = QByteArray::number(v, 2).rightJustified(8, '0');
        const QByteArray values[] = {"0b" + bin, "B" + bin,
                                     "0x" + QByteArray::number(v, 16).rightJustified(2, '0'),
                                     QByteArray::number(v)};
        table += values[v % 4] + ", // 1" + QByteArray::number(v) + "\n";
    }
    table += "};\n";
    const QStringList presets = {"a7", "a0", "max7219", "tm1637"};
    for (const QString& from : presets) {
        for (const QString& to : presets) {
            for (int polarity = 0; polarity < 4; ++polarity) {
                QStringList there = {"convert", "--from", from, "--to", to};
                QStringList back = {"convert", "--from", to, "--to", from};
                if (polarity & 1) {
                    there << "--from-anode";
                    back << "--to-anode";
                }
                if (polarity & 2) {
                    there << "--to-anode";
                    back << "--from-anode";
                }
                const Run converted = run(there, table);
                QCOMPARE(converted.exitCode, 0);
                const Run restored = run(back, converted.out);
                QCOMPARE(restored.out, table);
            }
        }
    }
}

void TestCli::files() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("table.h"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "flash char buf[ ] = {\r\n0b00111111,      // 0\r\n0b00000110       // 1\r\n};\r\n");
    }
    const Run inverted = run({"invert-array", path});
    QCOMPARE(QString::fromUtf8(inverted.out),
             QStringLiteral("flash char buf[ ] = {\n0b11000000,      // 0\n0b11111001       // 1\n"
                            "};\n\nКоличество\n           элементов: 4\n"));
    QCOMPARE(run({"invert-array", "-"}, "1\n").out, run({"invert-array"}, "1\n").out);

    const Run converted = run({"convert", "--from", "a0", "--to", "a7", path});
    QCOMPARE(converted.out, QByteArray("flash char buf[ ] = {\r\n0b11111100,      // 0\r\n"
                                       "0b01100000       // 1\r\n};\r\n"));

    const Run directory = run({"convert", "--from", "a0", "--to", "a7", dir.path()});
    QCOMPARE(directory.exitCode, 1);
    QCOMPARE(directory.out, QByteArray());
    QVERIFY2(directory.err.startsWith("tamrik-cli: cannot read '"), directory.err.constData());
    QCOMPARE(directory.err.count('\n'), 1);
}

void TestCli::help() {
    const Run program = run({"--help"});
    QCOMPARE(program.exitCode, 0);
    QVERIFY(program.out.startsWith("Usage: tamrik-cli COMMAND"));
    for (const char* command : {"codes", "font", "invert", "invert-array", "convert", "show"}) {
        QVERIFY2(program.out.contains(QByteArray("\n  ") + command + ' '), command);
        const Run r = run({command, "--help"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
        QVERIFY2(r.out.startsWith(QByteArray("Usage: tamrik-cli ") + command + ' '),
                 r.out.constData());
    }
    QVERIFY(run({"font", "-h"}).out.contains("--dialect <D>"));
    QVERIFY(!run({"codes", "--help"}).out.contains("--dialect"));

    const Run version = run({"--version"});
    QCOMPARE(version.out, QByteArray("tamrik-cli 1.0\n"));
    QCOMPARE(version.exitCode, 0);
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
