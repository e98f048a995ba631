#include "tamrik_application.h"

#include "program_icon.h"

#include <QMessageBox>

TamrikApplication::TamrikApplication(int& argc, char** argv) : QApplication(argc, argv) {
    initAboutResources();
    setWindowIcon(programIcon());
}

bool TamrikApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
