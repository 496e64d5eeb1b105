#include "gui/form/control_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "gui/form/kept_layout_label.h"
#include "gui/form/plot_widget.h"
#include "gui/form/style.h"
#include "gui/form/twips.h"

namespace gui {
namespace {

using toolkit::ControlKind;

// Colours and alignment are fixed by the design, so they are set once; fonts follow the
// scale.
void applyStyle(const toolkit::Control& control, QWidget& widget, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole) {
    widget.setObjectName(QString::fromStdString(control.name()));
    QPalette palette = widget.palette();
    if (control.foreColour) {
        setPaletteColour(palette, foreRole, *control.foreColour, true);
    }
    if (control.backColour) {
        setPaletteColour(palette, backRole, *control.backColour, false);
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

Qt::Alignment qtAlignment(toolkit::Alignment alignment) {
    switch (alignment) {
        case toolkit::Alignment::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case toolkit::Alignment::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case toolkit::Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* createLabel(const toolkit::Label& model, QWidget* parent) {
    auto* label = new KeptLayoutLabel(parent);
    label->setAlignment(qtAlignment(model.alignment));
    label->setWordWrap(true);
    applyStyle(model, *label, QPalette::WindowText, QPalette::Window);
    return label;
}

// Marks only echo the lever position the plot already tells: a screen reader skips them.
constexpr const char* kDecorationProperty = "shifterDecoration";

class HiddenAccessible : public QAccessibleWidget {
  public:
    explicit HiddenAccessible(QWidget* widget) : QAccessibleWidget(widget) {}
    QAccessible::State state() const override {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        return hidden;
    }
};

QAccessibleInterface* decorationAccessible(const QString& /*className*/, QObject* object) {
    if (object != nullptr && object->isWidgetType() &&
        object->property(kDecorationProperty).toBool()) {
        return new HiddenAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

// A tick mark moves with every frame. Filled by its own paint rather than as an opaque
// background, Qt moves it by repainting its old and new places instead of copying it
// within the window after working out which widgets overlap it.
class Mark : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter(this).fillRect(rect(), palette().brush(backgroundRole()));
    }
};

QWidget* createRectangle(const toolkit::RectangleShape& model, QWidget* parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(decorationAccessible), true);
    (void)factoryInstalled;
    auto* mark = new Mark(parent);
    mark->setProperty(kDecorationProperty, true);
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyStyle(model, *mark, QPalette::WindowText, QPalette::Window);
    mark->setAutoFillBackground(false);
    return mark;
}

template <typename Widget>
void setIfDifferent(Widget& widget, const QString& text) {
    if (widget.text() != text) {
        widget.setText(text);
    }
}

// What a screen reader and the hover hint say; empty model texts leave Qt's defaults.
void updateDescriptions(const toolkit::Control& control, QWidget& widget) {
    const auto apply = [&widget](const std::string& text, QString (QWidget::*get)() const,
                                 void (QWidget::*set)(const QString&)) {
        const QString wanted = QString::fromStdString(text);
        if ((widget.*get)() != wanted) {
            (widget.*set)(wanted);
        }
    };
    apply(control.accessibleName, &QWidget::accessibleName, &QWidget::setAccessibleName);
    apply(control.accessibleDescription, &QWidget::accessibleDescription,
          &QWidget::setAccessibleDescription);
    apply(control.toolTip, &QWidget::toolTip, &QWidget::setToolTip);
}

// A refused text gets a solid red frame until the box's text is accepted or refilled; a
// value the adaptor does not hold yet, a dashed amber one (dashed, so that it differs
// from the refusal without its colour). A style sheet draws with its own colours, so it
// names the box's own.
void markBox(QLineEdit& box, const toolkit::TextBox& model) {
    QString border;
    if (model.refused) {
        border = QStringLiteral("2px solid red");
    } else if (model.adaptorValue) {
        border = QStringLiteral("2px dashed #d97706");
    }
    const QPalette& colours = box.palette();
    const QString look =
        border.isEmpty()
            ? QString()
            : QStringLiteral("QLineEdit { border: %1; color: %2; background-color: %3; }")
                  .arg(border, colours.color(QPalette::Active, QPalette::Text).name(),
                       colours.color(QPalette::Active, QPalette::Base).name());
    if (box.styleSheet() != look) {
        box.setStyleSheet(look);
    }
}

// The frame's line runs through the middle of its title, as the design places it. Sized
// in the title's own font, it shrinks with the design; a style's fixed margins above
// the line do not, and at small sizes put it through the first row inside. The sizes
// are in pixels of the font at the scale shown: a style sheet's "em" is taken once,
// from the font the frame had when the sheet came.
QString frameLook(const QFont& font) {
    const double em = QFontInfo(font).pixelSize();
    return QStringLiteral(
               "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: %1px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: %1px; padding: 0 %2px;"
               " background-color: palette(window); }")
        .arg(std::lround(em / 2))
        .arg(std::lround(em / 5));
}

}  // namespace

QWidget* createControlWidget(const toolkit::Control& control, QWidget* parent, double scale) {
    QWidget* widget = nullptr;
    switch (control.kind()) {
        case ControlKind::CommandButton:
            widget = new QPushButton(parent);
            applyStyle(control, *widget, QPalette::ButtonText, QPalette::Button);
            break;
        case ControlKind::TextBox:
            widget = new QLineEdit(parent);
            applyStyle(control, *widget, QPalette::Text, QPalette::Base);
            widget->setAutoFillBackground(false);
            break;
        case ControlKind::Frame:
            widget = new QGroupBox(parent);
            applyStyle(control, *widget, QPalette::WindowText, QPalette::Window);
            break;
        case ControlKind::Label:
            widget = createLabel(static_cast<const toolkit::Label&>(control), parent);
            break;
        case ControlKind::PictureBox:
            widget = new PlotWidget(static_cast<const toolkit::PictureBox&>(control), parent);
            widget->setObjectName(QString::fromStdString(control.name()));
            break;
        case ControlKind::RectangleShape:
            widget = createRectangle(static_cast<const toolkit::RectangleShape&>(control), parent);
            break;
        case ControlKind::LineShape:
        case ControlKind::Timer:
            return nullptr;
    }
    scaleControlWidget(control, *widget, scale);
    updateControlWidget(control, *widget, scale);
    return widget;
}

void scaleControlWidget(const toolkit::Control& control, QWidget& widget, double scale) {
    // A widget without a font of its own takes its container's, which scales alike. It is
    // given it rather than left to inherit: a style sheet (a box's marks) fixes the font
    // the widget had when it came, and the widget would keep that at any later scale.
    widget.setFont(control.font ? qtFont(*control.font, scale) : widget.parentWidget()->font());
    if (control.kind() == ControlKind::Frame) {
        widget.setStyleSheet(frameLook(widget.font()));
    }
    if (auto* plot = dynamic_cast<PlotWidget*>(&widget)) {
        plot->setScale(scale);
    }
    widget.setGeometry(pixelGeometry(control, scale));
}

void updateControlWidget(const toolkit::Control& control, QWidget& widget, double scale) {
    switch (control.kind()) {
        case ControlKind::CommandButton:
            setIfDifferent(static_cast<QPushButton&>(widget),
                           QString::fromStdString(
                               static_cast<const toolkit::CommandButton&>(control).Caption));
            break;
        case ControlKind::TextBox: {
            const auto& box = static_cast<const toolkit::TextBox&>(control);
            setIfDifferent(static_cast<QLineEdit&>(widget), QString::fromStdString(box.Text));
            markBox(static_cast<QLineEdit&>(widget), box);
            break;
        }
        case ControlKind::Label:
            setIfDifferent(
                static_cast<QLabel&>(widget),
                QString::fromStdString(static_cast<const toolkit::Label&>(control).Caption));
            break;
        case ControlKind::Frame: {
            auto& frame = static_cast<QGroupBox&>(widget);
            const QString title =
                QString::fromStdString(static_cast<const toolkit::Frame&>(control).Caption);
            if (frame.title() != title) {
                frame.setTitle(title);
            }
            break;
        }
        case ControlKind::PictureBox:
            static_cast<PlotWidget&>(widget).refresh();
            break;
        case ControlKind::RectangleShape:
        case ControlKind::LineShape:
        case ControlKind::Timer:
            break;
    }
    updateDescriptions(control, widget);
    // The widget's own state: a disabled container greys its children by itself.
    const bool enabled = !widget.testAttribute(Qt::WA_ForceDisabled);
    if (enabled != control.Enabled) {
        widget.setEnabled(control.Enabled);
    }
    if (widget.isHidden() == control.Visible) {
        // Qt would hand the focus of a hidden box to the next one, where keystrokes
        // meant for this box would change another threshold unseen.
        if (!control.Visible && widget.hasFocus()) {
            widget.clearFocus();
        }
        widget.setHidden(!control.Visible);
    }
    const QRect geometry = pixelGeometry(control, scale);
    if (widget.geometry() != geometry) {
        widget.setGeometry(geometry);
    }
}

}  // namespace gui
