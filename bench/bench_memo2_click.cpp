// Memo2Click on a Memo1 of 100,000 array lines, against setting the very same output on Memo2
// with one setPlainText. Both include the event processing that follows (layout and paint),
// so the ratio shows what reading, splitting and inverting add to the memo's own work.

#include "Unit3.h"

#include "array_inverter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 100'000;
constexpr int kRounds = 7;

QString arrayText() {
    QString text = QStringLiteral("flash char buf[ ] = {\n");
    for (int k = 0; k < kLines - 2; ++k) {
        QString code = QStringLiteral("0b%1").arg((k * 37) & 0xFF, 8, 2, QLatin1Char('0'));
        text += code + QStringLiteral(",      // ") + QString::number(k) + QLatin1Char('\n');
    }
    return text + QStringLiteral("};\n");
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double timedMs(F&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TForm3 form;
    form.show();
    QCoreApplication::processEvents();

    auto* memo1 = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    auto* memo2 = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));
    const QString input = arrayText();
    memo1->setPlainText(input);
    const QString output = QString::fromStdU32String(
        tamrik::invertedArrayText(tamrik::splitLines(input.toStdU32String())));
    const QString start = memo2->toPlainText();

    std::vector<double> click, set;
    for (int round = 0; round < kRounds; ++round) {
        memo2->setPlainText(start);
        QCoreApplication::processEvents();
        click.push_back(timedMs([&] { form.Memo2Click(); }));
        if (memo2->toPlainText() != output) {
            std::fprintf(stderr, "Memo2Click gave an unexpected text\n");
            return 1;
        }
        memo2->setPlainText(start);
        QCoreApplication::processEvents();
        set.push_back(timedMs([&] { memo2->setPlainText(output); }));
    }

    std::printf("Memo1: %zu lines, %lld characters; Memo2 output: %lld characters\n",
                tamrik::splitLines(input.toStdU32String()).size(),
                static_cast<long long>(input.size()), static_cast<long long>(output.size()));
    std::printf("%-28s %10s (median of %d)\n", "", "ms", kRounds);
    std::printf("%-28s %10.1f\n", "Memo2Click", median(click));
    std::printf("%-28s %10.1f\n", "one setPlainText of output", median(set));
    std::printf("%-28s %10.2f\n", "ratio", median(click) / median(set));
    return 0;
}
