#include "mail_link_desktop.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace platform {

void openLinkWithDesktop(const std::string& link) {
    // The result is deliberately ignored: no mail program is not an error worth a message.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(link)));
}

} // namespace platform
