#include "gui/assistant/assistant_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "assistant/proposal.h"
#include "gui/form/key_hint.h"
#include "gui/form/style.h"

namespace gui {

namespace {

constexpr int kRefreshMilliseconds = 100;
constexpr int kRowPadding = 3;  // pixels above and below a step's text
// Rings on the plot for this many of the newest flickers.
constexpr std::size_t kMarkedFlickers = 5;

// The steps of the mode with the most of them.
int mostSteps() {
    return static_cast<int>(std::max(assistant::stepsOf(assistant::Mode::HPattern).size(),
                                     assistant::stepsOf(assistant::Mode::Sequential).size()));
}

void setTextIfChanged(QTableWidgetItem& item, const QString& text) {
    if (item.text() != text) {
        item.setText(text);
    }
}

QString sideNames(assistant::Threshold threshold, bool below) {
    if (assistant::axisOf(threshold) == assistant::Axis::X) {
        return below ? AssistantWindow::tr("left") : AssistantWindow::tr("right");
    }
    return below ? AssistantWindow::tr("below") : AssistantWindow::tr("above");
}

// A warning in a dark red, or a light one on a dark scheme: readable either way.
QString proposalLine(const assistant::ThresholdProposal& proposal, const QColor& background) {
    const QString name = QString::fromLatin1(assistant::nameOf(proposal.threshold));
    if (!proposal.value) {
        const QColor warning = readableOn(QColor(0xa0, 0, 0), background);
        return QStringLiteral("<b>%1</b>: <span style=\"color:%2\">%3</span>")
            .arg(name, warning.name(), QString::fromStdString(proposal.warning).toHtmlEscaped());
    }
    return AssistantWindow::tr("<b>%1 = %2</b>, margin %3 %4, %5 %6")
        .arg(name)
        .arg(*proposal.value)
        .arg(proposal.marginBelow)
        .arg(sideNames(proposal.threshold, true))
        .arg(proposal.marginAbove)
        .arg(sideNames(proposal.threshold, false));
}

}  // namespace

AssistantWindow::AssistantWindow(FormWidget& form, frmMain& frm, FlickerMarks& marks)
    : QWidget(&form),
      form_(form),
      frm_(frm),
      marks_(marks),
      modeText_(new QLabel(this)),
      steps_(new QTableWidget(0, 2, this)),
      record_(new QPushButton(tr("&Record"), this)),
      stop_(new QPushButton(tr("&Stop"), this)),
      proposals_(new QLabel),
      flickers_(new QLabel),
      use_(new QPushButton(tr("&Use these values"), this)) {
    setAccessibleName(tr("Calibration assistant"));
    setAutoFillBackground(true);
    steps_->setHorizontalHeaderLabels({tr("Step"), tr("Reports")});
    steps_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    steps_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    steps_->verticalHeader()->hide();
    steps_->setSelectionBehavior(QAbstractItemView::SelectRows);
    steps_->setSelectionMode(QAbstractItemView::SingleSelection);
    steps_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every step of either mode in view, in rows as close as the text allows, and the
    // buttons under the table at one place.
    steps_->verticalHeader()->setMinimumSectionSize(0);
    steps_->verticalHeader()->setDefaultSectionSize(steps_->fontMetrics().height() +
                                                    2 * kRowPadding);
    steps_->setFixedHeight(steps_->horizontalHeader()->sizeHint().height() +
                           mostSteps() * steps_->verticalHeader()->defaultSectionSize() +
                           2 * steps_->frameWidth());
    proposals_->setObjectName(QStringLiteral("proposals"));
    proposals_->setTextFormat(Qt::RichText);
    proposals_->setWordWrap(true);
    flickers_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(record_);
    buttons->addWidget(stop_);
    buttons->addStretch();
    auto* content = new QVBoxLayout;
    content->addWidget(createHeading());
    content->addWidget(modeText_);
    content->addWidget(steps_);
    content->addLayout(buttons);
    content->addWidget(new QLabel(tr("<b>Proposed thresholds</b>"), this));
    content->addWidget(createResults(), 1);
    content->addWidget(use_, 0, Qt::AlignRight);
    // A line sets the panel off from the designed controls.
    auto* edge = new QFrame(this);
    edge->setFrameShape(QFrame::VLine);
    edge->setFrameShadow(QFrame::Sunken);
    auto* layout = new QHBoxLayout(this);
    QMargins margins = layout->contentsMargins();
    margins.setLeft(0);
    layout->setContentsMargins(margins);
    layout->addWidget(edge);
    layout->addLayout(content, 1);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(record_, &QPushButton::clicked, this, [this] { recordSelected(); });
    connect(stop_, &QPushButton::clicked, this, [this] { stopRecording(); });
    connect(use_, &QPushButton::clicked, this, [this] {
        useProposals();
        refresh();
    });
    connect(steps_, &QTableWidget::itemSelectionChanged, this, [this] { refresh(); });
    addKeys();
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
}

// The panel's name with its close button, which Escape stands for at the keyboard.
QWidget* AssistantWindow::createHeading() {
    auto* heading = new QWidget(this);
    auto* title = new QLabel(tr("Calibration assistant"), heading);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* close = new QToolButton(heading);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    close->setToolTip(tr("Close"));
    close->setAccessibleName(tr("Close"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    auto* layout = new QHBoxLayout(heading);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title, 1);
    layout->addWidget(close);
    return heading;
}

// The proposals and the flicker count grow downwards, scrolled where the panel is short,
// so that nothing above or below them moves when a proposal takes another line.
QWidget* AssistantWindow::createResults() {
    auto* results = new QWidget;
    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(proposals_);
    layout->addWidget(flickers_);
    layout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(results);
    return scroll;
}

QSize AssistantWindow::sizeHint() const {
    const QFontMetrics metrics = steps_->fontMetrics();
    int sentence = 0;
    for (const assistant::Mode mode : {assistant::Mode::HPattern, assistant::Mode::Sequential}) {
        for (const assistant::Step step : assistant::stepsOf(mode)) {
            sentence = std::max(sentence, metrics.horizontalAdvance(
                                              QString::fromStdString(assistant::sentenceOf(step))));
        }
    }
    // Each column's text with room for its cell's padding, then the table's frame, the
    // edge line left of it with its spacing, and the margin right of it.
    const int count = metrics.horizontalAdvance(tr("recording: %1").arg(9999));
    const int padding = 2 * metrics.averageCharWidth();
    const int edge = layout()->itemAt(0)->sizeHint().width() + layout()->spacing();
    const int width = sentence + count + 2 * padding + 2 * steps_->frameWidth() + edge +
                      layout()->contentsMargins().right();
    return {std::max(width, QWidget::minimumSizeHint().width()), QWidget::sizeHint().height()};
}

// Compact where the screen is narrow: the longest steps end elided, their tooltips tell
// them whole.
QSize AssistantWindow::minimumSizeHint() const {
    const QSize least = QWidget::minimumSizeHint();
    return {std::max(least.width(), sizeHint().width() * 3 / 5), least.height()};
}

// Keys that work wherever the focus is, so that a step is recorded without the mouse
// while both hands are on the lever.
void AssistantWindow::addKeys() {
    const auto addKey = [this](QKeySequence key, auto work) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, work);
    };
    const auto clickIfEnabled = [](QPushButton* button) {
        return [button] {
            if (button->isEnabled()) {
                button->click();
            }
        };
    };
    const QKeySequence recordKey(Qt::CTRL | Qt::Key_R);
    const QKeySequence stopKey(Qt::CTRL | Qt::Key_T);
    addKey(recordKey, clickIfEnabled(record_));
    addKey(stopKey, clickIfEnabled(stop_));
    const QKeySequence nextKey(Qt::CTRL | Qt::Key_Down);
    const QKeySequence previousKey(Qt::CTRL | Qt::Key_Up);
    addKey(nextKey, [this] { selectStep(+1); });
    addKey(previousKey, [this] { selectStep(-1); });
    record_->setToolTip(withKey(tr("Records the selected step"), recordKey));
    stop_->setToolTip(withKey(tr("Ends the step's recording"), stopKey));
    steps_->setToolTip(tr("%1 chooses the next step, %2 the previous one")
                           .arg(nextKey.toString(QKeySequence::NativeText),
                                previousKey.toString(QKeySequence::NativeText)));
}

void AssistantWindow::selectStep(int by) {
    const int rows = steps_->rowCount();
    if (rows > 0) {
        const int current = steps_->currentRow();
        steps_->selectRow(current < 0 ? 0 : std::clamp(current + by, 0, rows - 1));
    }
}

void AssistantWindow::startWatching() {
    form_.deliverWork([this](frmMain& window) {
        if (!model_) {
            window.attach(model_.emplace());
        }
    });
}

std::optional<assistant::Mode> AssistantWindow::shownMode() const {
    if (frm_.shownMode == frmMain::kNoModeShown) {
        return std::nullopt;
    }
    return frm_.shownMode == protocol::kSequentialMode ? assistant::Mode::Sequential
                                                       : assistant::Mode::HPattern;
}

void AssistantWindow::useProposals() {
    form_.deliverWork([this](frmMain& window) {
        const std::optional<assistant::Mode> mode = shownMode();
        if (!model_ || !mode) {
            return;
        }
        window.UseProposedValues(assistant::proposedValues(
            assistant::propose(*mode, model_->recording(*mode).records())));
    });
}

void AssistantWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start(kRefreshMilliseconds);
    refresh();
}

void AssistantWindow::refresh() {
    if (frm_.isUnloaded() || !model_) {
        return;
    }
    const std::optional<assistant::Mode> mode = shownMode();
    showSteps(mode);
    if (!mode) {
        record_->setEnabled(false);
        stop_->setEnabled(false);
        use_->setEnabled(false);
        proposals_->clear();
    } else {
        const assistant::Recording& recording = model_->recording(*mode);
        showCounts(recording);
        showProposals(*mode, recording);
    }
    showFlickers();
}

void AssistantWindow::showSteps(std::optional<assistant::Mode> mode) {
    if (mode == mode_ && steps_->rowCount() > 0) {
        return;
    }
    mode_ = mode;
    steps_->setRowCount(0);
    if (!mode) {
        modeText_->setText(tr("Waiting for the adaptor's lever reports..."));
        return;
    }
    modeText_->setText(*mode == assistant::Mode::Sequential
                           ? tr("Sequential mode: take each step, then press Stop.")
                           : tr("H-pattern mode: take each step, then press Stop."));
    const std::span<const assistant::Step> steps = assistant::stepsOf(*mode);
    steps_->setRowCount(static_cast<int>(steps.size()));
    for (int row = 0; row < steps_->rowCount(); ++row) {
        const auto step = steps[static_cast<std::size_t>(row)];
        auto* sentence = new QTableWidgetItem(QString::fromStdString(assistant::sentenceOf(step)));
        sentence->setToolTip(sentence->text());
        steps_->setItem(row, 0, sentence);
        auto* count = new QTableWidgetItem;
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        steps_->setItem(row, 1, count);
    }
    steps_->selectRow(0);
}

void AssistantWindow::showCounts(const assistant::Recording& recording) {
    const std::span<const assistant::Step> steps = assistant::stepsOf(*mode_);
    for (int row = 0; row < steps_->rowCount(); ++row) {
        const auto step = steps[static_cast<std::size_t>(row)];
        QString text = QString::number(recording.reportCount(step));
        if (recording.current() == step) {
            text = tr("recording: %1").arg(text);
        }
        setTextIfChanged(*steps_->item(row, 1), text);
    }
    const std::optional<assistant::Step> selected = selectedStep();
    record_->setEnabled(selected.has_value());
    record_->setText(selected && recording.reportCount(*selected) > 0 ? tr("&Redo")
                                                                      : tr("&Record"));
    stop_->setEnabled(recording.current().has_value());
}

void AssistantWindow::showProposals(assistant::Mode mode, const assistant::Recording& recording) {
    QStringList lines;
    bool anyValue = false;
    for (const assistant::ThresholdProposal& proposal :
         assistant::propose(mode, recording.records())) {
        lines << proposalLine(proposal, proposals_->palette().color(QPalette::Window));
        anyValue = anyValue || proposal.value.has_value();
    }
    const QString text = lines.join(QStringLiteral("<br>"));
    if (proposals_->text() != text) {
        proposals_->setText(text);
    }
    use_->setEnabled(anyValue);
}

void AssistantWindow::showFlickers() {
    const auto& recent = model_->flickers().recent(frm_.pollTime);
    const std::vector<assistant::ThresholdAt> thresholds = frm_.shownThresholds();
    const QString text = QString::fromStdString(assistant::flickerSummary(recent, thresholds));
    if (flickers_->text() != text) {
        flickers_->setText(text);
    }
    std::vector<QPoint> places;
    const std::size_t first = recent.size() > kMarkedFlickers ? recent.size() - kMarkedFlickers : 0;
    for (std::size_t i = first; i < recent.size(); ++i) {
        places.emplace_back(recent[i].place.x, recent[i].place.y);
    }
    marks_.setPlaces(std::move(places));
}

std::optional<assistant::Step> AssistantWindow::selectedStep() const {
    const QList<QTableWidgetItem*> selected = steps_->selectedItems();
    if (!mode_ || selected.isEmpty()) {
        return std::nullopt;
    }
    const std::span<const assistant::Step> steps = assistant::stepsOf(*mode_);
    const auto row = static_cast<std::size_t>(selected.front()->row());
    return row < steps.size() ? std::optional(steps[row]) : std::nullopt;
}

void AssistantWindow::recordSelected() {
    const std::optional<assistant::Step> step = selectedStep();
    if (!step || !mode_) {
        return;
    }
    const assistant::Mode mode = *mode_;
    form_.deliverWork([this, mode, step](frmMain&) {
        if (model_) {
            model_->recording(mode).start(*step);
        }
    });
    refresh();
}

// Stopping moves the selection on to the next step, ready for its Record.
void AssistantWindow::stopRecording() {
    if (!mode_) {
        return;
    }
    const assistant::Mode mode = *mode_;
    form_.deliverWork([this, mode](frmMain&) {
        if (model_) {
            model_->recording(mode).stop();
        }
    });
    const int next = steps_->currentRow() + 1;
    if (next < steps_->rowCount()) {
        steps_->selectRow(next);
    }
    refresh();
}

void AssistantWindow::closeEvent(QCloseEvent* event) {
    timer_.stop();
    // The assistant forgets what it learnt once its window closes.
    form_.deliverWork([this](frmMain& window) {
        if (model_) {
            window.detach(*model_);
            model_.reset();
        }
    });
    marks_.setPlaces({});
    // A reopened assistant starts over on its first step.
    mode_.reset();
    steps_->setRowCount(0);
    event->accept();
}

}  // namespace gui
