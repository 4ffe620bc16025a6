#include "shell/main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>

#include "runs/batch_run.h"
#include "runs/single_domain_run.h"
#include "runs/worker.h"
#include "shell/balloon_tooltip.h"
#include "shell/caption_button.h"
#include "shell/copy_on_double_click.h"
#include "shell/delay_combo_box.h"
#include "shell/fonts.h"
#include "shell/gbk_edit_box.h"
#include "shell/hypertext_strip.h"
#include "shell/qt_view_operations.h"
#include "shell/registered_multi_line_boxes.h"
#include "shell/screen_text.h"
#include "shell/single_line_edit_box.h"
#include "shell/site_links.h"
#include "shell/window_model.h"
#include "shell/window_texts.h"

namespace zerlith {

namespace {

const QColor kStatusText(191, 0, 0);

void set_colours(QWidget* widget, QColor text, QColor background) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Text, text);
    colours.setColor(QPalette::Base, background);
    widget->setPalette(colours);
}

QWidget* make_multi_line_box() {
    auto* box = new GbkEditBox;
    set_colours(box, Qt::black, Qt::white);
    return box;
}

QWidget* make_single_line_box(Control control) {
    auto* box = new SingleLineEditBox;
    if (control == Control::状态框) {
        box->setFrame(false);
        set_colours(box, kStatusText, box->palette().color(QPalette::Window));
    } else {
        set_colours(box, Qt::black, Qt::white);
        box->setText(gbk_to_screen(sample_domain()));
        box->setCursorPosition(0);
    }
    return box;
}

QWidget* make_button(Control control) {
    const WindowTexts& texts = window_texts();
    auto* button = new CaptionButton(
        gbk_to_screen(control == Control::pr按钮 ? texts.pr_button : texts.batch_button));
    button->setFont(song_font(kButtonFontPixels));
    return button;
}

QWidget* make_label(Control control) {
    const WindowTexts& texts = window_texts();
    const bool domain = control == Control::标签;
    auto* label = new QLabel(gbk_to_screen(domain ? texts.domain_label : texts.delay_label));
    label->setFont(song_font(domain ? kDomainLabelFontPixels : kDelayLabelFontPixels));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    return label;
}

QWidget* make_delay_box() {
    auto* box = new DelayComboBox;
    for (const Text& item : window_texts().delay_items)
        box->addItem(gbk_to_screen(item));
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    set_colours(box, Qt::black, Qt::white);
    return box;
}

QWidget* make_group_box() {
    auto* frame = new QGroupBox;
    frame->setTitle(QString());
    frame->setFocusPolicy(Qt::NoFocus);
    return frame;
}

}  // namespace

struct MainWindow::Views {
    explicit Views(UiThread& ui, BalloonTooltip& tips)
        : operations(ui, controls, tips, &multi_line) {}
    ControlRegistry controls;
    RegisteredMultiLineBoxes multi_line{controls};
    QtViewOperations operations;
};

MainWindow::MainWindow(UiThread& ui, PersistedState* state)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      state_(state) {
    setWindowTitle(gbk_to_screen(window_texts().title));
    setAutoFillBackground(true);
    setFixedSize(kOuterSize);  // until the platform tells the frame
    // The balloon component itself is no widget: it hangs on an invisible stand-in that
    // holds its place in the model.
    tips_ = new BalloonTooltip(this);
    views_ = std::make_shared<Views>(ui, *tips_);
    build_controls();
    stack_and_order();
    wire_events();
}

MainWindow::~MainWindow() = default;

ViewOperations& MainWindow::view() {
    return views_->operations;
}

const ControlRegistry& MainWindow::controls() const {
    return views_->controls;
}

BalloonTooltip& MainWindow::tips() {
    return *tips_;
}

QWidget* MainWindow::control(Control control) const {
    return views_->controls.find(control);
}

void MainWindow::build_controls() {
    // Group boxes first, so that every child finds its parent.
    for (const bool group_boxes : {true, false}) {
        for (const ControlModel& model : window_model()) {
            if ((model.kind == ControlKind::GroupBox) != group_boxes)
                continue;
            QWidget* widget = nullptr;
            switch (model.kind) {
                case ControlKind::MultiLineEdit:
                    widget = make_multi_line_box();
                    break;
                case ControlKind::SingleLineEdit:
                    widget = make_single_line_box(model.control);
                    break;
                case ControlKind::Button:
                    widget = make_button(model.control);
                    break;
                case ControlKind::ComboBox:
                    widget = make_delay_box();
                    break;
                case ControlKind::Label:
                    widget = make_label(model.control);
                    break;
                case ControlKind::GroupBox:
                    widget = make_group_box();
                    break;
                case ControlKind::BalloonTooltip:
                    widget = new QWidget;
                    break;
                case ControlKind::Hypertext:
                    widget = new HypertextStrip(strip_link_fragment(), hypertext_style_sheet());
                    break;
            }
            widget->setParent(model.parent ? control(*model.parent) : this);
            widget->setObjectName(control_name(model.control));
            widget->setGeometry(model.place);
            widget->setVisible(model.kind != ControlKind::BalloonTooltip);
            views_->controls.add(model.control, widget);
        }
    }
}

void MainWindow::stack_and_order() {
    // Earlier controls of the model lie on top of later ones: the frames of 分组框1, 2 and 4
    // are drawn under the controls inside them.
    const auto& model = window_model();
    for (auto it = model.rbegin(); it != model.rend(); ++it)
        control(it->control)->raise();
    const Control order[] = {Control::域名编辑框,     Control::pr按钮,        Control::pr编辑框,
                             Control::多行域名编辑框, Control::延时组合框,    Control::多行按钮,
                             Control::多行编辑框,     Control::简单超文本框1, Control::状态框};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(control(order[i - 1]), control(order[i]));
    control(Control::域名编辑框)->setFocus();
}

void MainWindow::wire_events() {
    auto* domain = static_cast<SingleLineEditBox*>(control(Control::域名编辑框));
    auto* pr_box = static_cast<GbkEditBox*>(control(Control::pr编辑框));
    auto* list_box = static_cast<GbkEditBox*>(control(Control::多行域名编辑框));
    auto* report_box = static_cast<GbkEditBox*>(control(Control::多行编辑框));
    auto* delay = static_cast<QComboBox*>(control(Control::延时组合框));
    auto* pr_button = static_cast<QPushButton*>(control(Control::pr按钮));
    auto* batch_button = static_cast<QPushButton*>(control(Control::多行按钮));
    ViewOperations& view = views_->operations;

    connect(domain, &SingleLineEditBox::changed, this,
            [&view] { view.set_control_text(Control::状态框, window_texts().domain_changed); });
    connect(pr_box, &GbkEditBox::doubleClicked, this,
            [&view] { copy_on_double_click(view, Control::pr编辑框); });
    connect(list_box, &GbkEditBox::doubleClicked, this,
            [&view] { copy_on_double_click(view, Control::多行域名编辑框); });
    connect(pr_button, &QPushButton::clicked, this,
            [views = views_] { start_worker([views] { single_domain_run(views->operations); }); });
    connect(batch_button, &QPushButton::clicked, this, [this] {
        if (state_ == nullptr)
            return;  // no data files yet: nothing to run over
        start_worker([views = views_, state = state_] {
            batch_run(views->operations, *state, sleep_pause);
        });
    });
    connect(pr_box, &GbkEditBox::textChanged, this, &MainWindow::prBoxChanged);
    connect(report_box, &GbkEditBox::textChanged, this, &MainWindow::batchReportBoxChanged);
    connect(list_box, &GbkEditBox::textChanged, this, &MainWindow::domainListBoxChanged);
    connect(delay, &QComboBox::activated, this, &MainWindow::delayPicked);
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            fit_outer_size();
            break;
        default:
            break;
    }
    return handled;
}

void MainWindow::fit_outer_size() {
    // The frame is known only once the window manager has framed the window; until then
    // (and on platforms without frames) it counts as none.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client = kOuterSize - frame;
    if (client != size() && client.isValid())
        setFixedSize(client);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

}  // namespace zerlith
