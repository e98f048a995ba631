#pragma once

#include <QObject>

class QWidget;

// Clicks as the windows understand them: the left button pressed and released over the same
// control. Right and middle buttons do nothing. Also reports pointer moves (the watched widget
// needs mouse tracking for moves without a button held).
class PointerEvents : public QObject {
    Q_OBJECT
public:
    static PointerEvents* watch(QWidget* target);

signals:
    void clicked();
    void moved(int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PointerEvents(QWidget* target);
    QWidget* target_;
    bool leftPressed_ = false;
};
