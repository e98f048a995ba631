#include "program_icon.h"

// Q_INIT_RESOURCE must be used outside any namespace.
void initAboutResources() {
    Q_INIT_RESOURCE(about);
    Q_INIT_RESOURCE(program_icon);
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/tamrik-%1.png").arg(size), QSize(size, size));
    return icon;
}
