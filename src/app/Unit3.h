#pragma once

#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class TForm3;
}

// The main window: the number and array inverters, the digit picture with its code boxes,
// and the array text.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner = nullptr);
    ~TForm3() override;

    // Switches Timer1 on unless it already runs; a running timer keeps its period.
    void requestRefresh();

public slots:
    // Number inverter and array inverter.
    void Button1Click();
    void Memo1Click();
    void Memo2Click();
    // Segment picker: a left click on Image1 lights the segments under the pointer position
    // recorded at the last move over Image1; a click on a lit picture darkens its segment.
    void Image1Click();
    void BClick();
    void FClick();
    void EClick();
    void GClick();
    void CClick();
    void Image1MouseMove(int x, int y);
    void AClick();
    void HClick();
    void DClick();
    void Timer1Timer();
    // Array builder and About window.
    void Button2Click();
    void Button4Click();
    void Image2Click();
    void FormClose();
    void FormCreate();

protected:
    void closeEvent(QCloseEvent* event) override;

public:
    std::unique_ptr<Ui::TForm3> ui;
    QTimer* Timer1;
};

// The one main window, set as its construction begins; the picker window reaches the main
// window's controls through it.
extern TForm3* Form3;

// Puts the unit's module-level state back to its start values. Tests only: the program keeps
// its state for the whole run.
void resetUnit3ForTests();
