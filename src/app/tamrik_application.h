#pragma once

#include <QApplication>
#include <QString>
#include <exception>

// The application object. An exception that escapes an event handler ends up here and is shown
// in the error box; the event loop then goes on.
class TamrikApplication : public QApplication {
    Q_OBJECT
public:
    TamrikApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Modal box with the stop icon and one OK button, owned by the active window and titled with
// the program file's name.
void showErrorBox(const QString& message);

// Runs f, showing any exception in the error box; a thrown value that is not an exception
// shows an empty message. Returns whether f ran to its end.
template <typename F> bool runGuarded(F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        showErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(QString());
    }
    return false;
}
