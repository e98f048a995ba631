#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm2;
}

// The About window: the program's name, a picture, a credit line and the contact mail link.
// Owned by the main window, which creates a new one at every click on its thumbnail; closing
// one only hides it.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* owner);
    ~TForm2() override;

public slots:
    void Button1Click();
    void Label3Click();

public:
    std::unique_ptr<Ui::TForm2> ui;
};

// The address Label3 shows; the link is built from this fixed text, never read from the label.
inline constexpr const char* kContactAddress = "support@example.org";
