#include "Unit1.h"
#include "ui_Unit1.h"

#include "Unit3.h"
#include "appearance.h"
#include "memo_lines.h"
#include "picker_strip.h"
#include "pointer_events.h"
#include "shared_timer.h"
#include "ui_Unit3.h"

#include <QCloseEvent>
#include <QScrollBar>

// Outside any namespace, as Q_INIT_RESOURCE needs: the strip picture is compiled into this
// static library, whose resource initialiser the linker would otherwise leave out.
static void loadResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(picker);
        return true;
    }();
    (void)loaded;
}

namespace {

// Shared by every picker window for the whole run.
tamrik::ArrayState arrayState;
int image1X = 0;
int image2X = 0;
bool pointerOverField = false;

// Where the picker stands relative to the main window's outer top-left corner.
const QPoint kOffset(205, 70);
const QColor kOrange(255, 128, 0);
const QColor kAqua(0, 255, 255);

void pointerMoved(int column) {
    switch (tamrik::pointerEffectAt(column)) {
    case tamrik::PointerEffect::Set:
        pointerOverField = true;
        break;
    case tamrik::PointerEffect::Clear:
        pointerOverField = false;
        break;
    case tamrik::PointerEffect::Keep:
        break;
    }
}

} // namespace

void resetUnit1ForTests() {
    arrayState = {};
    image1X = 0;
    image2X = 0;
    pointerOverField = false;
}

tamrik::ArrayState arrayStateForTests() {
    return arrayState;
}

void appendArrayElement(const QString& element) {
    QPlainTextEdit* memo = Form3->ui->Memo3;
    // Like appendPlainText: a view scrolled to the end follows the growing array.
    QScrollBar* bar = memo->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    MemoLines lines(memo);
    tamrik::appendElement(arrayState, lines, element.toStdU32String());
    if (atEnd)
        bar->setValue(bar->maximum());
    Form3->ui->Button4->setEnabled(true);
}

TForm1::TForm1(QWidget* owner)
    // A tool window of the main window: no taskbar button, always in front of its owner.
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), ui(std::make_unique<Ui::TForm1>()) {
    loadResources();
    ui->setupUi(this);

    setPixelFont(this, kTahoma, 11);
    QPalette panel = ui->Panel1->palette();
    panel.setColor(QPalette::Window, kOrange);
    ui->Panel1->setPalette(panel);
    for (QLabel* label : {ui->Label1, ui->Label2}) {
        setPixelFont(label, kTimesNewRoman, 17);
        setTextColor(label, kAqua);
        label->adjustSize();
    }

    // The strips need moves without a button held, to know which field a click lands on.
    for (QLabel* strip : {ui->Image1, ui->Image2})
        strip->setMouseTracking(true);
    PointerEvents* strip1 = PointerEvents::watch(ui->Image1);
    PointerEvents* strip2 = PointerEvents::watch(ui->Image2);
    connect(strip1, &PointerEvents::moved, this, &TForm1::Image1MouseMove);
    connect(strip2, &PointerEvents::moved, this, &TForm1::Image2MouseMove);
    connect(strip1, &PointerEvents::clicked, this, &TForm1::Image1Click);
    connect(strip2, &PointerEvents::clicked, this, &TForm1::Image2Click);
    connect(ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

    // Ticks for the window's whole life, shown or hidden.
    Timer1 = new SharedTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &SharedTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    place();
    tamrik::headerReset(arrayState);
}

// Runs every millisecond in every picker ever opened, so it only compares two positions and
// counts the blocks of Memo3.
void TForm1::Timer1Timer() {
    place();
    tamrik::rearmCheck(arrayState, MemoLines(Form3->ui->Memo3));
}

void TForm1::place() {
    const QPoint target = Form3->pos() + kOffset;
    if (pos() != target)
        move(target);
}

void TForm1::Image1MouseMove(int x, int) {
    image1X = x;
    pointerMoved(x);
}

void TForm1::Image2MouseMove(int x, int) {
    image2X = x;
    pointerMoved(x);
}

void TForm1::Image1Click() {
    const Ui::TForm3& main = *Form3->ui;
    click(image1X, {main.Edit2, main.Edit6, main.Edit4, main.Edit8});
}

void TForm1::Image2Click() {
    const Ui::TForm3& main = *Form3->ui;
    click(image2X, {main.Edit3, main.Edit7, main.Edit5, main.Edit9});
}

void TForm1::click(int column, const std::array<QLineEdit*, 4>& boxes) {
    const int field = tamrik::fieldAt(column);
    if (!pointerOverField || field == 0)
        return;
    appendArrayElement(boxes[static_cast<std::size_t>(field - 1)]->text());
}

void TForm1::Button1Click() {
    close();
}

// "Отмена" and any other close (a window manager's close key) end the same way, so Button2
// never stays disabled with no picker to be seen.
void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
    Form3->ui->Button2->setEnabled(true);
    tamrik::endArray(arrayState);
}
