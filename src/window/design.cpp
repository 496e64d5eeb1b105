// The window's fixed design: every control with its text, place, size, font, colours,
// tab index and initial state, created in design order.
#include "window/frm_main.h"
#include "window/threshold_boxes.h"
#include "window/window_texts.h"

namespace {

using toolkit::Alignment;
using toolkit::Control;
using toolkit::Font;
using toolkit::rgb;
using toolkit::SystemColour;

const Font kSansSerif9{"MS Sans Serif", 9, 400};
const Font kSansSerif9Bold{"MS Sans Serif", 9, 700};
const Font kGearFont{"Arial", 48, 700};
constexpr toolkit::Colour kBlack = rgb(0, 0, 0);
constexpr toolkit::Colour kWhite = rgb(255, 255, 255);
constexpr toolkit::Colour kBlue = rgb(0, 0, 255);
constexpr toolkit::Colour kGreen = rgb(0, 128, 0);
constexpr toolkit::Colour kRed = rgb(255, 0, 0);
constexpr float kStatusHeight = 660;  // three lines of 9-point text

void place(Control& control, float left, float top, float width, float height, int tabIndex) {
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
    control.TabIndex = tabIndex;
}

void placeLine(toolkit::LineShape& line, toolkit::Colour colour, float x1, float y1, float x2,
               float y2) {
    line.foreColour = colour;
    line.BorderWidth = 2;
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
}

void designValueLabel(toolkit::Label& label, float top, float width, int tabIndex) {
    place(label, 1680, top, width, 330, tabIndex);
    label.font = kSansSerif9;
    label.backColour = toolkit::systemColour(SystemColour::WindowBackground);
    label.foreColour = toolkit::systemColour(SystemColour::WindowText);
}

// `caption` is the English text; the label shows it translated.
void designCaptionLabel(toolkit::Label& label, const char* caption, float top, float width,
                        int tabIndex) {
    place(label, 240, top, width, 285, tabIndex);
    label.Caption = i18n::translate("Window", caption);
    label.font = kSansSerif9;
    label.Enabled = false;
}

// Black text on a white base whatever the colour scheme, so a dark scheme's base
// never leaves the text unreadable.
void designTextBox(toolkit::TextBox& box, protocol::Threshold threshold, float left, float top,
                   int tabIndex) {
    place(box, left, top, 735, 375, tabIndex);
    box.Text = "0";
    box.foreColour = kBlack;
    box.backColour = kWhite;
    window::describeThresholdBox(box, threshold);
}

void designTick(toolkit::RectangleShape& tick, float left, float top, float width, float height) {
    place(tick, left, top, width, height, -1);
    tick.foreColour = kRed;
    tick.backColour = kRed;
}

}  // namespace

frmMain::frmMain(hid::HidLayer& hid, toolkit::ToolkitServices& toolkit, WindowOptions options)
    : hid_(hid), toolkit_(toolkit), options_(std::move(options)) {
    createControls();
}

float frmMain::ClientHeight() const {
    return lblStatus.Visible ? kClientHeight + kStatusHeight : kClientHeight;
}

void frmMain::createControls() {
    Caption = i18n::translate("Window", window::kDisconnectedCaption);

    place(Command1, 5160, 7320, 1815, 495, 6);
    Command1.Caption = i18n::translate("Window", "Read shifter memory");
    Command1.toolTip = i18n::translate(
        "Window", "Reads the adaptor's 128 bytes of memory and shows them for support");

    place(btnUpdate, 2400, 7320, 2175, 495, 5);
    btnUpdate.Caption = i18n::translate("Window", "Update settings");
    btnUpdate.toolTip = i18n::translate(
        "Window",
        "Stores the thresholds of the adaptor's current mode; closing the window stores all six");
    btnUpdate.font = kSansSerif9Bold;

    designTextBox(Text10, protocol::Threshold::V2, 3960, 2160, 2);
    designTextBox(Text9, protocol::Threshold::V1, 2160, 2160, 1);
    designTextBox(Text8, protocol::Threshold::H2, 5640, 5760, 4);
    designTextBox(Text7, protocol::Threshold::H1, 5640, 3360, 3);

    place(UpgradeFW, 120, 7320, 1935, 495, 15);
    UpgradeFW.Caption = i18n::translate("Window", "Upgrade Firmware");
    UpgradeFW.toolTip =
        i18n::translate("Window", "Sends the built-in firmware to the adaptor; asks first");
    UpgradeFW.font = kSansSerif9;
    UpgradeFW.Enabled = false;
    UpgradeFW.Visible = false;

    Timer.Enabled = false;
    Timer.Interval = 50;

    place(Frame1, 120, 120, 6855, 1815, 0);
    Frame1.Caption = i18n::translate("Window", "Information");
    Frame1.font = kSansSerif9;
    Frame1.Enabled = false;

    for (Control* inFrame :
         std::initializer_list<Control*>{&lblSerialNumber, &lblVersion, &lblProduct, &lblManuf,
                                         &Label2, &Label5, &Label4, &Label3}) {
        inFrame->container = &Frame1;
    }
    designValueLabel(lblSerialNumber, 1440, 3420, 14);
    designValueLabel(lblVersion, 1080, 3420, 13);
    designValueLabel(lblProduct, 720, 3780, 12);
    designValueLabel(lblManuf, 360, 3780, 11);
    designCaptionLabel(Label2, QT_TRANSLATE_NOOP("Window", "Version"), 1080, 1455, 10);
    designCaptionLabel(Label5, QT_TRANSLATE_NOOP("Window", "Product"), 720, 1215, 9);
    designCaptionLabel(Label4, QT_TRANSLATE_NOOP("Window", "Manufacturer"), 360, 1215, 8);
    designCaptionLabel(Label3, QT_TRANSLATE_NOOP("Window", "Serial Number"), 1440, 1815, 7);

    place(Graph, 1485, 2805, 3900, 3900, 16);
    // The trace is black on the white plot in every colour scheme: a scheme's button
    // text colour may be as light as the plot itself.
    Graph.backColour = kWhite;
    Graph.foreColour = kBlack;
    Graph.accessibleName = i18n::translate("Window", "Lever position");
    Graph.BorderPixels = 2;
    Graph.DrawWidth = 2;

    for (toolkit::LineShape* line : {&SeqH2, &SeqH1, &LineH2, &lineH1, &lineV2, &lineV1}) {
        line->container = &Graph;
    }
    placeLine(SeqH2, kGreen, 0, 1680, 2560, 1680);
    placeLine(SeqH1, kGreen, 0, 1360, 2560, 1360);
    placeLine(LineH2, kBlue, 0, 1840, 2560, 1840);
    placeLine(lineH1, kBlue, 0, 960, 2560, 960);
    placeLine(lineV2, kBlue, 1120, 0, 1120, 2560);
    placeLine(lineV1, kBlue, 480, 0, 480, 2560);

    place(Gear, 5640, 4200, 795, 1125, 19);
    Gear.Caption = "1";
    Gear.font = kGearFont;
    // The scheme's text colour: black in a light scheme, readable on a dark one.
    Gear.foreColour = toolkit::systemColour(SystemColour::WindowText);
    Gear.alignment = Alignment::Centre;
    Gear.accessibleName = i18n::arg(i18n::translate("Window", "Gear %1"), {"1"});

    designTick(TickV2, 5400, 3120, 165, 45);
    designTick(TickV1, 1320, 3120, 165, 45);
    designTick(TickH1, 1560, 2640, 45, 165);
    designTick(TickH2, 1560, 6720, 45, 165);

    place(lblY, 600, 4680, 615, 255, 18);
    lblY.Caption = "000";
    lblY.alignment = Alignment::Right;

    place(lblX, 2880, 6960, 1000, 255, 17);
    lblX.Caption = "000";
    lblX.alignment = Alignment::Centre;

    // Our own addition below the buttons: hidden while there is nothing to say.
    place(lblStatus, 120, 7920, 6855, kStatusHeight, -1);
    lblStatus.font = kSansSerif9;
    lblStatus.WordWrap = true;
    lblStatus.Visible = false;

    controls_ = {&Command1,  &btnUpdate, &Text10, &Text9,           &Text8,      &Text7,
                 &UpgradeFW, &Timer,     &Frame1, &lblSerialNumber, &lblVersion, &lblProduct,
                 &lblManuf,  &Label2,    &Label5, &Label4,          &Label3,     &Graph,
                 &SeqH2,     &SeqH1,     &LineH2, &lineH1,          &lineV2,     &lineV1,
                 &Gear,      &TickV2,    &TickV1, &TickH1,          &TickH2,     &lblY,
                 &lblX};
}
