#include "gui/form/form_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "gui/form/control_widgets.h"
#include "gui/form/key_hint.h"
#include "gui/form/plot_widget.h"
#include "gui/form/style.h"
#include "gui/form/twips.h"
#include "gui/form/window_placement.h"
#include "gui/help/access_details_dialog.h"
#include "storage/window_state.h"

namespace gui {
namespace {

// The menu bar's font: the window's at the design's size, and smaller with a smaller
// design.
QFont menuFont(double scale) {
    return windowFont(QApplication::font(), std::min(scale, 1.0));
}

}  // namespace

FormWidget::FormWidget(frmMain& window, QWidget* parent)
    : QWidget(parent), frm_(window), menuBar_(new QMenuBar(this)), client_(new QWidget(this)) {
    createMenus();
    // The menu bar is at the design's size, smaller only with a smaller design; the
    // client area scales.
    setFont(windowFont(QApplication::font(), 1));
    client_->setFont(windowFont(QApplication::font(), scale_));
    menuBar_->setFont(menuFont(scale_));

    for (toolkit::Control* control : frm_.controls()) {
        ensureWidget(*control);
    }
    ensureWidget(frm_.lblStatus);
    // Made after the readouts, so that they lie above them.
    readoutCaptions_ = {{{&frm_.lblX, new KeptLayoutLabel(QStringLiteral("X"), client_)},
                         {&frm_.lblY, new KeptLayoutLabel(QStringLiteral("Y"), client_)}}};
    connectEvents();
    orderTabs();
    shownClientHeight_ = frm_.ClientHeight();
    setMinimumSize(minimumWindowSize());
    resize(sizeAtScale(scale_));
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FormWidget::tick);
    sinceFrame_.start();
    syncFromModel();
}

QWidget* FormWidget::widgetFor(const toolkit::Control& control) const {
    const auto found = std::find_if(widgets_.begin(), widgets_.end(), [&](const Rendered& entry) {
        return entry.control == &control;
    });
    return found == widgets_.end() ? nullptr : found->widget;
}

// Containers get their widget before the controls inside them.
QWidget* FormWidget::ensureWidget(toolkit::Control& control) {
    if (QWidget* existing = widgetFor(control)) {
        return existing;
    }
    QWidget* parent = client_;
    if (control.container != nullptr && control.container != &control) {
        parent = ensureWidget(*control.container);
        if (parent == nullptr) {
            return nullptr;  // a container that is not drawn hides what it holds
        }
    }
    if (control.kind() == toolkit::ControlKind::LineShape) {
        // Lines are painted by the picture box that holds them.
        if (auto* plot = dynamic_cast<PlotWidget*>(parent)) {
            const auto& line = static_cast<const toolkit::LineShape&>(control);
            plot->addLine(line, thresholdNameOf(line));
        }
        return nullptr;
    }
    QWidget* widget = createControlWidget(control, parent, scale_);
    if (widget != nullptr) {
        widgets_.push_back({&control, widget, {}});
    }
    return widget;
}

QString FormWidget::thresholdNameOf(const toolkit::LineShape& line) {
    for (const protocol::ThresholdFacts& facts : protocol::kThresholds) {
        if (&frm_.thresholdLine(facts.threshold) == &line) {
            return QString::fromLatin1(facts.name);
        }
    }
    return {};
}

void FormWidget::createMenus() {
    const char* titles[] = {QT_TR_NOOP("&File"), QT_TR_NOOP("&Adaptor"), QT_TR_NOOP("&View"),
                            QT_TR_NOOP("&Tools"), QT_TR_NOOP("&Help")};
    for (std::size_t i = 0; i < menus_.size(); ++i) {
        menus_[i] = menuBar_->addMenu(tr(titles[i]));
    }
    QAction* quit = menu(Menu::File)->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
}

QMenu* FormWidget::menu(Menu which) const {
    return menus_[static_cast<std::size_t>(which)];
}

void FormWidget::addAdaptorAction(QAction* action) {
    adaptorActions_.push_back(action);
    action->setEnabled(frm_.session.isConnected && protocol::reportsLever(frm_.session.productId));
}

void FormWidget::setAccessDetails(std::function<QString()> details) {
    const bool first = !accessDetails_;
    accessDetails_ = std::move(details);
    if (first) {
        addStatusLink(window::Condition::AccessRefused, tr("Details"),
                      QStringLiteral("accessDetailsLink"),
                      [this] { showAccessDetails(this, accessDetails_()); });
    }
}

void FormWidget::offerSimulation(std::function<void()> start) {
    addStatusLink(window::Condition::NoAdaptor, tr("Try the simulated adaptor"),
                  QStringLiteral("simulationLink"), std::move(start));
}

void FormWidget::addStatusLink(window::Condition condition, const QString& text,
                               const QString& name, std::function<void()> activated) {
    auto* link =
        new QLabel(QStringLiteral("<a href=\"link\">%1</a>").arg(text.toHtmlEscaped()), client_);
    link->setObjectName(name);
    link->setTextFormat(Qt::RichText);
    link->setFont(widgetFor(frm_.lblStatus)->font());
    link->hide();
    connect(link, &QLabel::linkActivated, this, std::move(activated));
    statusLinks_.push_back({condition, link});
    syncFromModel();
}

void FormWidget::connectEvents() {
    // Each button's key works wherever the focus is in the window: the captions carry no
    // mnemonic, and Alt+letter would type into a focused box. None is a key a box takes
    // for itself on some desktop (Ctrl+D deletes and Ctrl+U clears a box under X11).
    const struct {
        toolkit::CommandButton* button;
        void (frmMain::*handler)();
        QKeySequence key;
    } clicks[] = {
        {&frm_.btnUpdate, &frmMain::btnUpdate_Click, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {&frm_.Command1, &frmMain::Command1_Click, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {&frm_.UpgradeFW, &frmMain::UpgradeFW_Click, QKeySequence(Qt::CTRL | Qt::Key_F)},
    };
    for (const auto& [button, handler, key] : clicks) {
        auto* widget = dynamic_cast<QPushButton*>(widgetFor(*button));
        if (widget == nullptr) {
            continue;
        }
        connect(widget, &QPushButton::clicked, this, [this, handler] { deliver(handler); });
        widget->installEventFilter(this);
        button->toolTip = withKey(QString::fromStdString(button->toolTip), key).toStdString();
        auto* shortcut = new QShortcut(key, this);
        // A hidden or disabled button's key does nothing, as its click would.
        connect(shortcut, &QShortcut::activated, widget, [widget] {
            if (widget->isVisible() && widget->isEnabled()) {
                widget->click();
            }
        });
    }
    for (const auto& [control, widget, look] : widgets_) {
        if (control->kind() != toolkit::ControlKind::TextBox) {
            continue;
        }
        auto* box = static_cast<toolkit::TextBox*>(control);
        // Only the user's edits: text set from the model does not come back.
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                [this, box](const QString& text) {
                    if (frm_.isUnloaded()) {
                        return;
                    }
                    box->Text = text.toStdString();
                    syncFromModel();
                });
    }
}

// Tab moves through buttons and text boxes by tab index; Qt skips hidden and
// disabled ones as it goes.
void FormWidget::orderTabs() {
    std::vector<std::pair<int, QWidget*>> stops;
    for (const auto& [control, widget, look] : widgets_) {
        const bool focusable = control->kind() == toolkit::ControlKind::CommandButton ||
                               control->kind() == toolkit::ControlKind::TextBox;
        if (focusable && control->TabIndex >= 0) {
            stops.emplace_back(control->TabIndex, widget);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1].second, stops[i].second);
    }
}

void FormWidget::deliver(void (frmMain::*handler)()) {
    if (frm_.isUnloaded()) {
        return;
    }
    (frm_.*handler)();
    syncFromModel();
}

void FormWidget::tick() {
    if (frm_.isUnloaded()) {
        return;
    }
    frm_.Timer_Timer();
    programTimer();
    // A tick that changed nothing shown leaves the widgets alone, unless an earlier
    // tick's changes still wait for their frame or the status line changed since the
    // last frame.
    if (!frm_.lastTickChangedWindow() && !framePending_ &&
        frm_.status.revision() == shownStatusRevision_) {
        return;
    }
    // Without further ticks no later frame would come.
    if (sinceFrame_.elapsed() >= kFrameMilliseconds || !timer_.isActive()) {
        syncFromModel();
    } else {
        framePending_ = true;
    }
}

void FormWidget::syncFromModel() {
    framePending_ = false;
    sinceFrame_.restart();
    shownStatusRevision_ = frm_.status.revision();
    if (shownCaption_ != frm_.Caption) {
        shownCaption_ = frm_.Caption;
        setWindowTitle(QString::fromStdString(shownCaption_));
    }
    // The window grows by the status line's height, at its scale, while the line shows.
    if (frm_.ClientHeight() != shownClientHeight_) {
        const int growth = pixelsFromTwips(frm_.ClientHeight() - shownClientHeight_, scale_);
        shownClientHeight_ = frm_.ClientHeight();
        setMinimumSize(minimumWindowSize());
        resize(width(), std::max(height() + growth, minimumHeight()));
        layoutDesign();
    }
    const bool adaptorConnected =
        frm_.session.isConnected && protocol::reportsLever(frm_.session.productId);
    for (QAction* action : adaptorActions_) {
        action->setEnabled(adaptorConnected);
    }
    for (Rendered& rendered : widgets_) {
        // The plot tells by itself what changed in the raster and the lines it holds.
        if (!rendered.look.unchanged(*rendered.control) ||
            rendered.control->kind() == toolkit::ControlKind::PictureBox) {
            updateControlWidget(*rendered.control, *rendered.widget, scale_);
        }
    }
    showLivePosition();
    placeReadoutCaptions();
    placeStatusLinks();
    programTimer();
}

// The caption moves with the digits, on every frame the lever moves; it is sized only
// when the readout's font or height changed.
void FormWidget::placeReadoutCaptions() {
    for (const auto& [model, caption] : readoutCaptions_) {
        // Before the captions are made (the first layout comes while the form is built).
        if (model == nullptr) {
            continue;
        }
        auto* readout = dynamic_cast<KeptLayoutLabel*>(widgetFor(*model));
        if (readout == nullptr) {
            continue;
        }
        const QFontMetrics metrics(readout->font());
        if (caption->font() != readout->font() || caption->height() != readout->height()) {
            caption->setFont(readout->font());
            // The same height and vertical alignment put the caption on the digits' line.
            caption->setAlignment(Qt::AlignRight | (readout->alignment() & Qt::AlignVertical_Mask));
            caption->resize(metrics.horizontalAdvance(caption->text()) + 1, readout->height());
        }
        const int digitsLeft = readout->x() + readout->textArea().left();
        caption->move(digitsLeft - caption->width() - metrics.averageCharWidth() / 2, readout->y());
        caption->setVisible(!readout->isHidden());
    }
}

// A link sits in a margin the status text leaves free at its right, while the line shows
// its condition.
void FormWidget::placeStatusLinks() {
    QWidget* status = widgetFor(frm_.lblStatus);
    if (status == nullptr) {
        return;
    }
    int margin = 0;
    for (const auto& [condition, link] : statusLinks_) {
        const bool show = frm_.status.shows(condition);
        if (show) {
            const QSize size = link->sizeHint();
            margin = size.width() + 6;
            link->setGeometry(status->geometry().right() + 1 - size.width(),
                              status->geometry().top(), size.width(), size.height());
            link->raise();
        }
        link->setVisible(show);
    }
    const QMargins margins(0, 0, margin, 0);
    if (status->contentsMargins() != margins) {
        status->setContentsMargins(margins);
    }
}

void FormWidget::programTimer() {
    const toolkit::Timer& model = frm_.Timer;
    if (frm_.isUnloaded() || !model.Enabled || model.Interval <= 0) {
        timer_.stop();
    } else if (!timer_.isActive() || timer_.interval() != model.Interval) {
        timer_.start(model.Interval);
    }
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sidePanel_ && event->type() == QEvent::ShowToParent) {
        sidePanelShown();
    } else if (watched == sidePanel_ && event->type() == QEvent::HideToParent) {
        sidePanelHidden();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Scaled from the design's whole pixels, so that whole scales give whole multiples.
QSize FormWidget::designSize(double scale) const {
    const auto scaled = [scale](float twips) {
        return static_cast<int>(std::lround(pixelsFromTwips(twips, 1) * scale));
    };
    return {scaled(frmMain::kClientWidth), scaled(frm_.ClientHeight())};
}

int FormWidget::menuHeight() {
    if (menuHeight_ < 0) {
        menuHeight_ = menuBar_->sizeHint().height();
    }
    return menuHeight_;
}

// Measured on a bar with the same menus in the font at `scale`, never shown: a bar's
// height is not its font's plus fixed margins in every style.
int FormWidget::menuHeightAt(double scale) {
    const QFont font = menuFont(scale);
    if (font == menuBar_->font() || menuBar_->isNativeMenuBar()) {
        return menuHeight();
    }
    const auto [known, isNew] = menuHeights_.try_emplace(font.pointSizeF(), 0);
    if (isNew) {
        QMenuBar probe;
        probe.setNativeMenuBar(false);
        probe.setFont(font);
        for (const QAction* action : menuBar_->actions()) {
            probe.addAction(action->text());
        }
        known->second = probe.sizeHint().height();
    }
    return known->second;
}

int FormWidget::menuWidth() const {
    return menuBar_->sizeHint().width();
}

QSize FormWidget::sizeAtScale(double scale) {
    const QSize design = designSize(scale);
    return {design.width(), design.height() + menuHeightAt(scale)};
}

double FormWidget::scaleToFit(const QSize& area, const QSize& design) {
    if (design.width() <= 0 || design.height() <= 0) {
        return 1;
    }
    const double scale = std::min(static_cast<double>(area.width()) / design.width(),
                                  static_cast<double>(area.height()) / design.height());
    return std::clamp(scale, storage::kMinimumWindowScale, storage::kMaximumWindowScale);
}

void FormWidget::setSidePanel(QWidget* panel) {
    sidePanel_ = panel;
    panel->installEventFilter(this);
    if (panel->isVisibleTo(this)) {
        sidePanelShown();
    }
}

QSize FormWidget::minimumWindowSize() {
    QSize size = sizeAtScale(storage::kMinimumWindowScale);
    if (sidePanelWidth_ > 0) {
        size.rwidth() += sidePanelWidth_;
        size.setHeight(
            std::max(size.height(), menuHeight() + sidePanel_->minimumSizeHint().height()));
    }
    return size;
}

// Where the screen's free area is too narrow for the design beside the panel, the panel
// gives up width first, down to its compact width, and only then the design scales
// down: the plot keeps its size while the user records. A window shorter than the
// panel grows to its height. A maximised or full-screen window keeps its size: the
// panel takes its width from the design's room.
void FormWidget::sidePanelShown() {
    const QSize before = size();
    const int preferred = sidePanel_->sizeHint().width();
    const int compact = std::min(sidePanel_->minimumSizeHint().width(), preferred);
    const bool keepsSize = isMaximized() || isFullScreen();
    // How much wider the window can become on its screen.
    int room = preferred;
    if (const QScreen* shownOn = screen(); shownOn != nullptr && !keepsSize) {
        room =
            shownOn->availableGeometry().width() - frameAllowance(*this).width() - before.width();
    }
    sidePanelWidth_ = std::clamp(room, compact, preferred);
    setMinimumSize(minimumWindowSize());
    if (!keepsSize) {
        resize(std::max(before.width() + std::clamp(room, 0, sidePanelWidth_), minimumWidth()),
               std::max(before.height(), minimumHeight()));
        if (isVisible()) {
            keepOnScreen(*this);
        }
    }
    sidePanelGrowth_ = size() - before;
    layoutDesign();
}

void FormWidget::sidePanelHidden() {
    if (sidePanelWidth_ == 0) {
        return;  // hidden before it ever showed
    }
    sidePanelWidth_ = 0;
    setMinimumSize(minimumWindowSize());
    if (!isMaximized() && !isFullScreen()) {
        resize(size() - sidePanelGrowth_);
    }
    sidePanelGrowth_ = {};
    layoutDesign();
}

// The design fills the client area below the menu bar, left of the side panel while it
// shows, as far as its proportions allow, centred in what is left.
void FormWidget::layoutDesign() {
    const double scale = scaleFor(QSize(std::max(0, width() - sidePanelWidth_), height()));
    if (scale != scale_) {
        applyScale(scale);
    }
    const int top = menuHeight();
    menuBar_->setGeometry(0, 0, width(), top);
    const QSize area(std::max(0, width() - sidePanelWidth_), std::max(0, height() - top));
    const QSize shown = designSize(scale);
    client_->setGeometry(QRect(QPoint(std::max(0, (area.width() - shown.width()) / 2),
                                      top + std::max(0, (area.height() - shown.height()) / 2)),
                               shown));
    if (sidePanelWidth_ > 0) {
        sidePanel_->setGeometry(area.width(), top, sidePanelWidth_, area.height());
    }
}

// The bar's height follows the scale and the scale the room the bar leaves: from the
// scale shown, a few rounds settle on one, or on the smaller of two that alternate,
// which fits with either bar.
double FormWidget::scaleFor(const QSize& size) {
    double scale = scale_;
    double previous = scale_;
    for (int round = 0; round < 4; ++round) {
        previous = scale;
        scale = scaleToFit(QSize(size.width(), std::max(0, size.height() - menuHeightAt(scale))),
                           designSize(1));
        if (scale == previous) {
            break;
        }
    }
    return std::min(scale, previous);
}

void FormWidget::applyScale(double scale) {
    scale_ = scale;
    client_->setFont(windowFont(QApplication::font(), scale));
    if (const QFont menu = menuFont(scale); menuBar_->font() != menu) {
        menuBar_->setFont(menu);
        menuHeight_ = -1;
    }
    for (const Rendered& rendered : widgets_) {
        scaleControlWidget(*rendered.control, *rendered.widget, scale);
    }
    for (const auto& [condition, link] : statusLinks_) {
        link->setFont(widgetFor(frm_.lblStatus)->font());
    }
    placeReadoutCaptions();
    placeStatusLinks();
}

// The marker follows the tick marks, which the window object places at the lever's
// position along the plot's outer edges; the trace's points use its inner area.
void FormWidget::showLivePosition() {
    auto* plot = dynamic_cast<PlotWidget*>(widgetFor(frm_.Graph));
    if (plot == nullptr) {
        return;
    }
    const bool shown = frm_.session.isConnected && frm_.lastReportMode.has_value() &&
                       protocol::reportsLever(frm_.session.productId);
    const toolkit::PictureBox& graph = frm_.Graph;
    if (!shown || graph.Width <= 0 || graph.Height <= 0) {
        plot->setLivePosition(std::nullopt);
        return;
    }
    plot->setLivePosition(
        QPointF((frm_.TickH1.Left - graph.Left) * graph.ScaleWidth() / graph.Width,
                (frm_.TickV1.Top - graph.Top) * graph.ScaleHeight() / graph.Height));
}

void FormWidget::resizeEvent(QResizeEvent* event) {
    layoutDesign();
    QWidget::resizeEvent(event);
}

void FormWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        // The menu bar may be of another height now, and the desktop's font family
        // another one.
        menuHeight_ = -1;
        menuHeights_.clear();
        applyScale(scale_);
        layoutDesign();
    }
    QWidget::changeEvent(event);
}

void FormWidget::addCloseCheck(std::function<bool()> mayClose) {
    closeChecks_.push_back(std::move(mayClose));
}

void FormWidget::closeEvent(QCloseEvent* event) {
    const bool keptOpen =
        !frm_.isUnloaded() &&
        !std::all_of(closeChecks_.begin(), closeChecks_.end(),
                     [](const std::function<bool()>& mayClose) { return mayClose(); });
    // Closing while a firmware transfer runs waits for its end, which unloads anyway.
    if (keptOpen || (!frm_.isUnloaded() && !frm_.QueryUnload())) {
        event->ignore();
        return;
    }
    syncFromModel();
    // The window is kept, and opens next time, without the side panel.
    if (sidePanel_ != nullptr && sidePanel_->isVisible()) {
        sidePanel_->close();
    }
    event->accept();
}

}  // namespace gui
