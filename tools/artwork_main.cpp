// Usage: tamrik_artwork OUTPUT_FOLDER [NAME...]
// Draws every registered picture (or only the named ones) into OUTPUT_FOLDER. The output is
// committed under resources/, so building the program never needs this tool.

#include "artwork.h"

#include <QGuiApplication>
#include <QTextStream>

#include <map>

namespace {
std::map<QString, Drawing>& drawings() {
    static std::map<QString, Drawing> all;
    return all;
}
} // namespace

bool registerDrawing(const QString& name, Drawing drawing) {
    drawings()[name] = std::move(drawing);
    return true;
}

int main(int argc, char** argv) {
    // Fonts and painting need a GUI application, but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        err << "usage: tamrik_artwork OUTPUT_FOLDER [NAME...]\n";
        return 2;
    }
    QDir out(args.first());
    if (!out.mkpath(QStringLiteral("."))) {
        err << "cannot create " << args.first() << "\n";
        return 1;
    }
    const QStringList only = args.mid(1);
    for (const auto& [name, draw] : drawings()) {
        if (only.isEmpty() || only.contains(name)) {
            draw(out);
            err << "drew " << name << "\n";
        }
    }
    return 0;
}
