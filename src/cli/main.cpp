#include "cli_commands.h"

#include <QCoreApplication>

#include <cstdio>

// The command-line companion of the window program: same core, no windows, no Qt GUI.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const CliOutcome outcome = runCli(QCoreApplication::arguments());
    if (!outcome.err.isEmpty())
        std::fwrite(outcome.err.constData(), 1, static_cast<std::size_t>(outcome.err.size()),
                    stderr);
    if (!outcome.out.isEmpty()) {
        const auto size = static_cast<std::size_t>(outcome.out.size());
        if (std::fwrite(outcome.out.constData(), 1, size, stdout) != size ||
            std::fflush(stdout) != 0) {
            std::fputs("tamrik-cli: cannot write standard output\n", stderr);
            return ExitData;
        }
    }
    return outcome.exitCode;
}
