#include "gui/views/pay_sheet_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

#include "gui/data_files.h"
#include "gui/desktop.h"
#include "gui/text.h"
#include "gui/views/picture.h"
#include "gui/widgets.h"
#include "paysheet/form1.h"

namespace qv::gui {

namespace {

// The picture buttons carry their shipped picture beside the caption; the
// caption stays, so a missing picture costs nothing but the decoration.
void withPicture(QPushButton* button, const char* file) {
    const QString path = dataFile(QStringLiteral("buttons/") + QString::fromUtf8(file));
    if (path.isEmpty()) return;
    button->setIcon(QIcon(path));
    button->setIconSize(QSize(24, 24));
}

// An amount shown right-aligned in a sunken field wide enough for
// "$99,999.00", so the columns of figures line up.
QLabel* amountLabel(Widgets& w, std::string_view name, int index = 0) {
    auto* label = w.make<QLabel>(name, index);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("$99,999.00")) + 12);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* captionLabel(Widgets& w, std::string_view name, int index) {
    auto* label = w.make<QLabel>(name, index);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

PaySheetView::PaySheetView(Desktop& desktop, Form1& form)
    : QMainWindow(nullptr), View(desktop, form, this, Modality::Beside) {
    setObjectName(QStringLiteral("Form1"));
    Widgets(Form1::controls()).menus(menuBar());

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("paySheet"));
    auto* page = new QVBoxLayout(central);
    page->addWidget(buildHeading());

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildHours(), 0, Qt::AlignTop);
    columns->addWidget(buildResults(), 0, Qt::AlignTop);
    columns->addWidget(buildTaxes(), 0, Qt::AlignTop);
    page->addLayout(columns);
    page->addWidget(buildCommands());
    page->addStretch(1);
    setCentralWidget(central);

    onClose(&Form1::Form_Unload, false);
    bindControls(Form1::controls());

    // Tab goes top to bottom: the pay date, the hours, then the commands.
    QStringList order{QStringLiteral("txtWeek")};
    for (int i = 0; i < 8; ++i) order << QStringLiteral("txtAmount_%1").arg(i);
    order << QStringLiteral("opt1x") << QStringLiteral("opt2x") << QStringLiteral("cmdClear")
          << QStringLiteral("cmdCal") << QStringLiteral("cmdSavePrev") << QStringLiteral("cmdPeriod")
          << QStringLiteral("ckLouisPrior") << QStringLiteral("Command1") << QStringLiteral("cmdYear")
          << QStringLiteral("cmdPrint") << QStringLiteral("cmdOT");
    QWidget* previous = nullptr;
    for (const QString& name : order) {
        auto* w = findChild<QWidget*>(name);
        if (previous && w) setTabOrder(previous, w);
        if (w) previous = w;
    }
    // The first box has the focus when the window opens.
    if (auto* first = findChild<QLineEdit*>(QStringLiteral("txtAmount_0"))) first->setFocus();
}

Form1& PaySheetView::sheet() { return static_cast<Form1&>(form()); }

void PaySheetView::beforeEvent() { sheet().amountTextSelected = false; }

void PaySheetView::pull() {
    View::pull();
    // A procedure that moved the focus among the amount boxes (Enter, the
    // arrows, ADD) has the box entered and its text selected.
    Form1& f = sheet();
    if (!f.amountTextSelected) return;
    if (auto* box = findChild<QLineEdit*>(QStringLiteral("txtAmount_%1").arg(f.amountFocus))) {
        if (!box->hasFocus()) box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

QWidget* PaySheetView::buildHeading() {
    Widgets w(Form1::controls());
    auto* area = new QWidget;
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    const int pictureHeight = fontMetrics().height() * 4;
    row->addWidget(new Picture(QStringLiteral("logo.svg"), pictureHeight, {}), 0, Qt::AlignVCenter);
    row->addWidget(new Picture(QStringLiteral("title.svg"), pictureHeight, shown(Form1::kTitle)),
                   0, Qt::AlignVCenter);
    row->addStretch(1);

    auto* when = new QGridLayout;
    auto* weekLabel = Widgets::fixed(Form1::kWeekEndingLabel);
    auto* week = w.make<QLineEdit>("txtWeek");
    week->setMaxLength(10);
    week->setMinimumWidth(week->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 16);
    weekLabel->setBuddy(week);
    when->addWidget(weekLabel, 0, 0, Qt::AlignRight);
    when->addWidget(week, 0, 1);
    auto* user = w.make<QLabel>("lbUser");
    QFont bold = user->font();
    bold.setBold(true);
    user->setFont(bold);
    when->addWidget(user, 1, 0, 1, 2, Qt::AlignRight);
    row->addLayout(when);
    return area;
}

QWidget* PaySheetView::buildHours() {
    Widgets w(Form1::controls());
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* hours = new QGroupBox(shown(Form1::kHoursFrame));
    auto* grid = new QGridLayout(hours);
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 16;
    for (int i = 0; i < 8; ++i) {
        auto* caption = Widgets::fixed(Form1::kAmountCaptions[static_cast<std::size_t>(i)]);
        auto* box = w.make<QLineEdit>("txtAmount", i);
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(boxWidth);
        caption->setBuddy(box);
        grid->addWidget(caption, i, 0);
        if (i == 2) {
            // The overtime rate: one times or two times the hourly rate.
            auto* rates = new QHBoxLayout;
            auto* one = w.make<QRadioButton>("opt1x");
            auto* two = w.make<QRadioButton>("opt2x");
            auto* group = new QButtonGroup(hours);
            group->addButton(one);
            group->addButton(two);
            rates->addWidget(one);
            rates->addWidget(two);
            rates->addStretch(1);
            grid->addLayout(rates, i, 1);
        }
        grid->addWidget(box, i, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(hours);

    auto* buttons = new QGroupBox(shown(Form1::kButtonsFrame));
    auto* row = new QHBoxLayout(buttons);
    auto* clear = w.make<QPushButton>("cmdClear");
    clear->setText(QStringLiteral("Clear"));
    withPicture(clear, "clear.svg");
    auto* add = w.make<QPushButton>("cmdCal");
    add->setText(QStringLiteral("ADD"));
    withPicture(add, "add.svg");
    QFont strong = add->font();
    strong.setBold(true);
    add->setFont(strong);
    row->addWidget(clear);
    row->addWidget(add);
    layout->addWidget(buttons);
    return column;
}

QWidget* PaySheetView::buildResults() {
    Widgets w(Form1::controls());
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* results = new QGroupBox(shown(Form1::kResultsFrame));
    auto* grid = new QGridLayout(results);
    grid->addWidget(captionLabel(w, "lbTaxTag", 12), 0, 0);
    grid->addWidget(amountLabel(w, "lbGross"), 0, 1);
    grid->addWidget(Widgets::fixed(Form1::kTaxesCaption), 1, 0);
    grid->addWidget(amountLabel(w, "lbTaxes"), 1, 1);
    grid->addWidget(Widgets::fixed(Form1::kDeductCaption), 2, 0);
    grid->addWidget(amountLabel(w, "lbDeduct"), 2, 1);
    auto* netCaption = captionLabel(w, "lbTaxTag", 13);
    auto* net = amountLabel(w, "lbNet");
    QFont bold = net->font();
    bold.setBold(true);
    net->setFont(bold);
    netCaption->setFont(bold);
    grid->addWidget(netCaption, 3, 0);
    grid->addWidget(net, 3, 1);
    layout->addWidget(results);

    auto* extra = new QGridLayout;
    extra->addWidget(captionLabel(w, "lbTaxTag", 11), 0, 0);
    extra->addWidget(amountLabel(w, "lbOverT"), 0, 1);
    extra->addWidget(captionLabel(w, "lbTaxTag", 17), 1, 0);
    extra->addWidget(amountLabel(w, "lbTips"), 1, 1);
    extra->setContentsMargins(8, 4, 8, 4);
    layout->addLayout(extra);

    auto* periods = new QVBoxLayout;
    periods->addWidget(w.make<QPushButton>("cmdSavePrev"));
    periods->addWidget(w.make<QPushButton>("cmdPeriod"));
    layout->addLayout(periods);
    layout->addWidget(w.make<QCheckBox>("ckLouisPrior"));
    return column;
}

QWidget* PaySheetView::buildTaxes() {
    Widgets w(Form1::controls());
    auto* taxes = new QGroupBox(shown(Form1::kTaxesFrame));
    auto* grid = new QGridLayout(taxes);
    int row = 0;
    for (int i = 0; i <= 10; ++i, ++row) {
        grid->addWidget(captionLabel(w, "lbTaxTag", i), row, 0);
        grid->addWidget(amountLabel(w, "lbTaxDed", i), row, 1);
    }
    const std::pair<int, std::string_view> beside[] = {{14, "lbSDI"}, {15, "lbSUI"}, {16, "lbCafe"}};
    for (const auto& [tag, name] : beside) {
        grid->addWidget(captionLabel(w, "lbTaxTag", tag), row, 0);
        grid->addWidget(amountLabel(w, name), row, 1);
        ++row;
    }
    return taxes;
}

QWidget* PaySheetView::buildCommands() {
    Widgets w(Form1::controls());
    auto* area = new QWidget;
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    struct PictureButton {
        std::string_view name;
        const char* text;
        const char* picture;
    };
    const PictureButton buttons[] = {{"Command1", "Vacation", "vacation.svg"},
                                     {"cmdYear", "Year to Date", "year.svg"},
                                     {"cmdPrint", "Print", "print.svg"},
                                     {"cmdOT", "OverTime", "overtime.svg"}};
    auto* frame = new QGroupBox;
    auto* inFrame = new QHBoxLayout(frame);
    for (const auto& [name, text, picture] : buttons) {
        auto* button = w.make<QPushButton>(name);
        button->setText(QString::fromUtf8(text));
        withPicture(button, picture);
        inFrame->addWidget(button);
    }
    row->addWidget(frame);
    row->addStretch(1);

    auto* federal = new QGridLayout;
    federal->addWidget(Widgets::fixed(Form1::kFederalTableLabel, "Latest Fed tax rate"), 0, 0);
    federal->addWidget(w.make<QLabel>("lbTaxVer"), 0, 1);
    federal->addWidget(w.make<QLabel>("lbTableNotice"), 1, 0, 1, 2);
    row->addLayout(federal);
    return area;
}

}  // namespace qv::gui
