#pragma once

#include <QByteArray>
#include <QStringList>

// What one run of tamrik-cli produced. On an error, out stays empty and err holds one line.
struct CliOutcome {
    int exitCode = 0;
    QByteArray out;
    QByteArray err;
};

// Exit codes: 0 done, 1 bad data (a table, a font character, an unreadable file),
// 2 bad usage (command, option, argument).
enum CliExit { ExitOk = 0, ExitData = 1, ExitUsage = 2 };

// Runs the command line (arguments[0] is the program), reading standard input or files as the
// command asks, and returns what to print. Nothing is printed here.
CliOutcome runCli(const QStringList& arguments);
