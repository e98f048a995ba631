#pragma once

#include <QIcon>

// Makes the About pictures and the program icon available as resources. They are compiled into
// the windows library, whose unreferenced objects the linker would otherwise drop.
void initAboutResources();

// The program icon at every size it is drawn at; every window carries it.
QIcon programIcon();
