#pragma once

#include "array_text.h"

#include <QWidget>

#include <array>

#include <memory>

class QCloseEvent;
class QLineEdit;
class QString;
class SharedTimer;

namespace Ui {
class TForm1;
}

// The element picker: a small borderless window, owned by the main window and kept beside its
// code panel, whose two strips append the codes of the main window's boxes to the array text
// in Memo3. A new one is made at each opening; a closed one is only hidden, and its timer keeps
// it placed and keeps watching for an emptied Memo3 until the main window goes.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* owner);
    ~TForm1() override;

public slots:
    void FormCreate();
    void Timer1Timer();
    void Image1MouseMove(int x, int y);
    void Image2MouseMove(int x, int y);
    void Image1Click();
    void Image2Click();
    void Button1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

public:
    std::unique_ptr<Ui::TForm1> ui;
    // Every picker ever opened ticks at 1 ms; they share one clock, see shared_timer.h.
    SharedTimer* Timer1;

private:
    void place();
    void click(int column, const std::array<QLineEdit*, 4>& boxes);
};

// Appends one element to the array in the main window's Memo3 and enables its Button4: what a
// click on a field does with the text of its code box.
void appendArrayElement(const QString& element);

// The array state shared by all picker windows, for the tests to look at.
tamrik::ArrayState arrayStateForTests();

// Puts the unit's module-level state back to its start values. Tests only: the program keeps
// its state for the whole run.
void resetUnit1ForTests();
