#include "Unit3.h"
#include "ui_Unit3.h"

#include "Unit1.h"
#include "Unit2.h"

#include "appearance.h"
#include "array_inverter.h"
#include "digit_pictures.h"
#include "memo_lines.h"
#include "number_inverter.h"
#include "platform.h"
#include "pointer_events.h"
#include "segment_codes.h"
#include "segment_geometry.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <limits>

TForm3* Form3 = nullptr;

namespace {

// Segment state: each entry holds its segment's weight while the segment is lit, else 0.
tamrik::Weights weightsA7{};
tamrik::Weights weightsA0{};

// Pointer position at the last move over the uncovered part of Image1, in Image1 coordinates.
// A click on Image1 tests this position, not the click's own.
std::int32_t X = 0;
std::int32_t Y = 0;

const QColor kDarkBlue(0, 0, 160);

QString fromCore(const std::u32string& text) {
    return QString::fromStdU32String(text);
}

QLabel* litPicture(const Ui::TForm3& ui, tamrik::Segment s) {
    QLabel* const pictures[] = {ui.A, ui.B, ui.C, ui.D, ui.E, ui.F, ui.G, ui.H};
    return pictures[tamrik::index(s)];
}

// A click on a lit picture: the segment goes dark.
void darken(TForm3& form, tamrik::Segment s) {
    litPicture(*form.ui, s)->hide();
    form.requestRefresh();
    weightsA7[tamrik::index(s)] = 0;
    weightsA0[tamrik::index(s)] = 0;
}

} // namespace

void resetUnit3ForTests() {
    weightsA7 = {};
    weightsA0 = {};
    X = 0;
    Y = 0;
}

TForm3::TForm3(QWidget* owner) : QWidget(owner), ui(std::make_unique<Ui::TForm3>()) {
    Form3 = this;
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    registerFonts();
    setPixelFont(this, kTahoma, 11);

    // Number inverter panel.
    setPixelFont(ui->Edit1, kTimesNewRoman, 20);
    ui->Edit1->setMaxLength(std::numeric_limits<int>::max());
    setPixelFont(ui->Label1, kTimesNewRoman, 20);
    setPixelFont(ui->Label2, kTimesNewRoman, 17);
    for (QWidget* shown : {ui->Label3, ui->Label4}) {
        setPixelFont(shown, kTimesNewRoman, 17, true);
        setTextColor(shown, Qt::blue);
    }

    // Array inverter panel.
    for (QPlainTextEdit* memo : {ui->Memo1, ui->Memo2}) {
        setPixelFont(memo, kTimesNewRoman, 13);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    setTextColor(ui->Memo1, QColor(255, 128, 0));
    setTextColor(ui->Memo2, Qt::blue);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    // A click is on the memo's text area; its scroll bars only scroll.
    connect(PointerEvents::watch(ui->Memo1->viewport()), &PointerEvents::clicked, this,
            &TForm3::Memo1Click);
    connect(PointerEvents::watch(ui->Memo2->viewport()), &PointerEvents::clicked, this,
            &TForm3::Memo2Click);

    // Code panel.
    for (QWidget* label : {ui->Label5, ui->Label6})
        setPixelFont(label, kTimesNewRoman, 17);
    for (QLineEdit* box :
         {ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8, ui->Edit9}) {
        setPixelFont(box, kTimesNewRoman, box == ui->Edit8 ? 20 : 19);
        setTextColor(box, kDarkBlue);
    }
    ui->Edit8->setMaxLength(std::numeric_limits<int>::max());

    // Array text.
    setPixelFont(ui->Memo3, kTimesNewRoman, 13);
    setTextColor(ui->Memo3, kDarkBlue);
    ui->Memo3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ui->Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Labels size themselves to their text; the map's sizes are those of the start texts.
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6})
        label->adjustSize();

    // Segment picker. The lit pictures sit over Image1 in the .ui's stacking order (A on top)
    // and paint no background, so the digit shows through their transparent pixels. A label
    // takes clicks over its whole rectangle, so a shown picture catches every click on it.
    const qreal pixelRatio = devicePixelRatioF();
    ui->Image1->setPixmap(digitPicture(QStringLiteral("Image1"), pixelRatio));
    ui->Image1->setMouseTracking(true);
    PointerEvents* digit = PointerEvents::watch(ui->Image1);
    connect(digit, &PointerEvents::moved, this, &TForm3::Image1MouseMove);
    connect(digit, &PointerEvents::clicked, this, &TForm3::Image1Click);
    const std::pair<tamrik::Segment, void (TForm3::*)()> litClicks[] = {
        {tamrik::Segment::A, &TForm3::AClick}, {tamrik::Segment::B, &TForm3::BClick},
        {tamrik::Segment::C, &TForm3::CClick}, {tamrik::Segment::D, &TForm3::DClick},
        {tamrik::Segment::E, &TForm3::EClick}, {tamrik::Segment::F, &TForm3::FClick},
        {tamrik::Segment::G, &TForm3::GClick}, {tamrik::Segment::H, &TForm3::HClick},
    };
    for (const auto& [segment, handler] : litClicks) {
        QLabel* picture = litPicture(*ui, segment);
        picture->setAutoFillBackground(false);
        picture->setPixmap(litSegmentPicture(segment, pixelRatio));
        connect(PointerEvents::watch(picture), &PointerEvents::clicked, this, handler);
    }
    ui->H->adjustSize(); // H sizes itself to its picture

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);

    connect(PointerEvents::watch(ui->Image2), &PointerEvents::clicked, this, &TForm3::Image2Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(ui->Button4, &QPushButton::clicked, this, &TForm3::Button4Click);

    // Centred on the desktop at first show.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    ui->Edit1->setFocus();

    FormCreate();
}

TForm3::~TForm3() = default;

void TForm3::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm3::FormCreate() {
    platform::services().activateKeyboardLayout(platform::kLayoutEnglishUS);
}

void TForm3::FormClose() {
    platform::services().activateKeyboardLayout(platform::kLayoutRussian);
}

void TForm3::requestRefresh() {
    if (!Timer1->isActive())
        Timer1->start();
}

void TForm3::Image1MouseMove(int x, int y) {
    X = x;
    Y = y;
}

void TForm3::Image1Click() {
    requestRefresh();
    for (tamrik::Segment s : tamrik::segmentsAt(X, Y)) {
        litPicture(*ui, s)->show();
        weightsA7[tamrik::index(s)] = tamrik::kWeightA7[tamrik::index(s)];
        weightsA0[tamrik::index(s)] = tamrik::kWeightA0[tamrik::index(s)];
    }
}

void TForm3::AClick() {
    darken(*this, tamrik::Segment::A);
}
void TForm3::BClick() {
    darken(*this, tamrik::Segment::B);
}
void TForm3::CClick() {
    darken(*this, tamrik::Segment::C);
}
void TForm3::DClick() {
    darken(*this, tamrik::Segment::D);
}
void TForm3::EClick() {
    darken(*this, tamrik::Segment::E);
}
void TForm3::FClick() {
    darken(*this, tamrik::Segment::F);
}
void TForm3::GClick() {
    darken(*this, tamrik::Segment::G);
}
void TForm3::HClick() {
    darken(*this, tamrik::Segment::H);
}

void TForm3::Timer1Timer() {
    const tamrik::CodeTexts codes = tamrik::codeTexts(weightsA7, weightsA0);
    ui->Edit2->setText(fromCore(codes.cathodeA7Bin));
    ui->Edit3->setText(fromCore(codes.anodeA7Bin));
    ui->Edit4->setText(fromCore(codes.cathodeA0Bin));
    ui->Edit5->setText(fromCore(codes.anodeA0Bin));
    ui->Edit6->setText(fromCore(codes.cathodeA7Hex));
    ui->Edit7->setText(fromCore(codes.anodeA7Hex));
    ui->Edit8->setText(fromCore(codes.cathodeA0Hex));
    ui->Edit9->setText(fromCore(codes.anodeA0Hex));
    Timer1->stop();
}

void TForm3::Button1Click() {
    const tamrik::NumberInversion result = tamrik::invertNumber(ui->Edit1->text().toStdU32String());
    ui->Label4->setText(fromCore(result.inverted));
    ui->Label4->adjustSize();
    ui->Label3->setText(fromCore(result.source));
    ui->Label3->adjustSize();
    ui->Edit1->setText(fromCore(result.inverted));
}

void TForm3::Memo1Click() {
    ui->Memo1->clear();
}

void TForm3::Memo2Click() {
    // The whole output goes in with one setPlainText: appending line by line would lay the
    // memo out again for every line.
    const std::vector<std::u32string> lines =
        tamrik::splitLines(ui->Memo1->toPlainText().toStdU32String());
    ui->Memo2->setPlainText(fromCore(tamrik::invertedArrayText(lines)));
}

void TForm3::Image2Click() {
    // A new About window every time, owned by this window, which deletes it at the end.
    auto* about = new TForm2(this);
    about->show();
}

// Opens a new element picker; the pickers of earlier openings stay hidden.
void TForm3::Button2Click() {
    auto* picker = new TForm1(this);
    picker->show();
    ui->Memo3->setEnabled(true);
    ui->Button2->setEnabled(false);
}

// Empties Memo3 and leaves the array state alone: a picker's next tick finds the box empty
// and ends the array.
void TForm3::Button4Click() {
    MemoLines(ui->Memo3).clear();
    ui->Button4->setEnabled(false);
}
