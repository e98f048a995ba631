// 10,000 appends to the array in Memo3, the way a click on a picker field makes them, against
// appendPlainText of the same 10,002 final lines one by one on the same widget. Prints the
// times of three rounds and the ratio of the medians.

#include "Unit1.h"
#include "Unit3.h"
#include "tamrik_application.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAppends = 10000;
constexpr int kRounds = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    TamrikApplication app(argc, argv);
    TForm3 window;
    window.show();
    QCoreApplication::processEvents();
    window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    TForm1* picker = window.findChild<TForm1*>();
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo3"));
    QCoreApplication::processEvents();

    const QString elements[] = {QStringLiteral("0b00111111"), QStringLiteral("0x06"),
                                QStringLiteral("0b01011011"), QStringLiteral("0x4F")};
    std::vector<double> appendMs, plainMs, firstMs, lastMs, plainFirstMs, plainLastMs;
    bool same = true;
    int lineCount = 0;
    for (int round = 0; round < kRounds; ++round) {
        memo->clear();
        picker->Timer1Timer(); // the emptied box ends the array
        QElapsedTimer clock;
        clock.start();
        qint64 at1000 = 0, at9000 = 0;
        for (int i = 0; i < kAppends; ++i) {
            if (i == 1000)
                at1000 = clock.nsecsElapsed();
            if (i == kAppends - 1000)
                at9000 = clock.nsecsElapsed();
            appendArrayElement(elements[i % 4]);
        }
        const qint64 total = clock.nsecsElapsed();
        appendMs.push_back(static_cast<double>(total) / 1e6);
        firstMs.push_back(static_cast<double>(at1000) / 1e6);
        lastMs.push_back(static_cast<double>(total - at9000) / 1e6);
        const QString built = memo->toPlainText();
        const QStringList lines = built.split(QLatin1Char('\n'));
        lineCount = static_cast<int>(lines.size());

        memo->clear();
        clock.restart();
        qint64 plainAt1000 = 0, plainAt9000 = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i == 1000)
                plainAt1000 = clock.nsecsElapsed();
            if (i == lines.size() - 1000)
                plainAt9000 = clock.nsecsElapsed();
            memo->appendPlainText(lines[i]);
        }
        const qint64 plainTotal = clock.nsecsElapsed();
        plainMs.push_back(static_cast<double>(plainTotal) / 1e6);
        plainFirstMs.push_back(static_cast<double>(plainAt1000) / 1e6);
        plainLastMs.push_back(static_cast<double>(plainTotal - plainAt9000) / 1e6);
        same = same && memo->toPlainText() == built;
        QCoreApplication::processEvents();
    }

    std::printf("Memo3: %d appends (%d lines) against appendPlainText of the same lines\n",
                kAppends, lineCount);
    std::printf("%-8s %16s %20s %8s\n", "round", "appends ms", "appendPlainText ms", "ratio");
    for (int round = 0; round < kRounds; ++round) {
        const auto r = static_cast<std::size_t>(round);
        std::printf("%-8d %16.1f %20.1f %8.2f\n", round + 1, appendMs[r], plainMs[r],
                    appendMs[r] / plainMs[r]);
    }
    const double a = median(appendMs), p = median(plainMs);
    std::printf("%-8s %16.1f %20.1f %8.2f\n", "median", a, p, a / p);
    std::printf("first 1,000 / last 1,000 (medians): appends %.1f / %.1f ms, appendPlainText "
                "%.1f / %.1f ms\n",
                median(firstMs), median(lastMs), median(plainFirstMs), median(plainLastMs));
    std::printf("append ratio (median): %.2f (target < 3); same text both ways: %s\n", a / p,
                same ? "yes" : "NO");
    return same && lineCount == kAppends + 2 ? 0 : 1;
}
