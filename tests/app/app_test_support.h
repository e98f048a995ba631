#pragma once

// Shared by the window tests: the program's own application object (so exceptions reach the
// error box as in the program) and a platform double that records what the windows asked for.

#include "platform.h"
#include "tamrik_application.h"

#include <QTest>
#include <QWidget>

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

#define TAMRIK_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char** argv) {                                                              \
        TamrikApplication app(argc, argv);                                                         \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
