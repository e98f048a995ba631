#include "pointer_events.h"

#include <QMouseEvent>
#include <QWidget>

PointerEvents::PointerEvents(QWidget* target) : QObject(target), target_(target) {
    target->installEventFilter(this);
}

PointerEvents* PointerEvents::watch(QWidget* target) {
    return new PointerEvents(target);
}

bool PointerEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            leftPressed_ = true;
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && leftPressed_) {
            leftPressed_ = false;
            if (target_->rect().contains(mouse->position().toPoint()))
                emit clicked();
        }
        break;
    }
    case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        emit moved(at.x(), at.y());
        break;
    }
    default:
        break;
    }
    return false;
}
