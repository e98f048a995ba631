#pragma once

// Shared by the window tests: the program's own application object (so exceptions reach the
// error box as in the program) and a platform double that records what the windows asked for.

#include "Unit3.h"
#include "platform.h"
#include "tamrik_application.h"

#include <QTest>
#include <QWidget>

#include <memory>

#include <string>
#include <vector>

class RecordingPlatform : public platform::Services {
public:
    std::vector<std::string> layouts;
    std::vector<std::string> mailLinks;

    void activateKeyboardLayout(const std::string& layoutId) override {
        layouts.push_back(layoutId);
    }
    void openMailLink(std::intptr_t, const std::string& link) override {
        mailLinks.push_back(link);
    }
};

// The control of that objectName inside window; a missing control stops the run at once, since
// every later check would be meaningless.
template <typename T = QWidget> T* findControl(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// A fresh main window for each test: the unit's state back at its start values and the
// platform double recording what the window asks for. The caller waits for it to be exposed.
inline std::unique_ptr<TForm3> openMainWindow(RecordingPlatform& recorder) {
    resetUnit3ForTests();
    recorder = {};
    platform::setServicesForTests(&recorder);
    auto form = std::make_unique<TForm3>();
    form->show();
    return form;
}

inline void closeMainWindow(std::unique_ptr<TForm3>& form) {
    form.reset();
    platform::setServicesForTests(nullptr);
}

#define TAMRIK_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        TamrikApplication app(argc, argv);                                                         \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
