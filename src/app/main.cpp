#include "Unit3.h"
#include "tamrik_application.h"

// Qt's own fatal errors (no display, no platform plugin) abort inside the application's
// constructor, before any guard could show them.
int main(int argc, char** argv) {
    TamrikApplication app(argc, argv);
    runGuarded([] {
        TForm3 window;
        window.show();
        QApplication::exec();
    });
    return 0;
}
