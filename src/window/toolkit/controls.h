#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Plain models of the window's controls. Positions and sizes are in twips
// (1/1440 inch, 15 twips a pixel at 96 dpi), in single precision as the window
// logic reads and writes them. A front end renders these; the logic never sees it.
namespace toolkit {

inline constexpr float kTwipsPerPixel = 15.0F;

enum class SystemColour { None, WindowBackground, WindowText, ButtonText };

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    SystemColour system = SystemColour::None;  // when set, follows the colour scheme
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red, green, blue, SystemColour::None};
}
inline constexpr Colour systemColour(SystemColour which) {
    return Colour{0, 0, 0, which};
}

struct Font {
    std::string family;
    float pointSize = 0;
    int weight = 400;  // 400 regular, 700 bold
    bool operator==(const Font&) const = default;
};

enum class Alignment { Left, Right, Centre };

enum class ControlKind {
    CommandButton,
    TextBox,
    Timer,
    Frame,
    Label,
    PictureBox,
    LineShape,
    RectangleShape
};

class Control {
  public:
    Control(ControlKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }

    Control* container = nullptr;  // none: the window itself
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Enabled = true;
    bool Visible = true;
    int TabIndex = -1;                 // -1: never in the tab order
    std::optional<Font> font;          // none: the window's default font
    std::optional<Colour> foreColour;  // none: the toolkit's default for the kind
    std::optional<Colour> backColour;
    // What a screen reader says for the control, and the hint shown on hovering it;
    // empty: the toolkit's default.
    std::string accessibleName;
    std::string accessibleDescription;
    std::string toolTip;

  private:
    ControlKind kind_;
    std::string name_;
};

class CommandButton : public Control {
  public:
    explicit CommandButton(std::string name)
        : Control(ControlKind::CommandButton, std::move(name)) {}
    std::string Caption;
};

class TextBox : public Control {
  public:
    explicit TextBox(std::string name) : Control(ControlKind::TextBox, std::move(name)) {}
    std::string Text;
    // The text was refused: the front end marks the box until it is accepted or refilled.
    bool refused = false;
    // Set while the box's threshold differs from what the adaptor holds: the adaptor's
    // value. The front end marks the box meanwhile.
    std::optional<std::int16_t> adaptorValue;
};

class Label : public Control {
  public:
    explicit Label(std::string name) : Control(ControlKind::Label, std::move(name)) {}
    std::string Caption;
    Alignment alignment = Alignment::Left;
    bool WordWrap = false;
};

class Frame : public Control {
  public:
    explicit Frame(std::string name) : Control(ControlKind::Frame, std::move(name)) {}
    std::string Caption;
};

class Timer : public Control {
  public:
    explicit Timer(std::string name) : Control(ControlKind::Timer, std::move(name)) {}
    int Interval = 0;  // milliseconds
};

class LineShape : public Control {
  public:
    explicit LineShape(std::string name) : Control(ControlKind::LineShape, std::move(name)) {}
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    int BorderWidth = 1;  // pixels
};

class RectangleShape : public Control {
  public:
    explicit RectangleShape(std::string name)
        : Control(ControlKind::RectangleShape, std::move(name)) {}
};

// A drawing surface that keeps what was drawn on it as a raster of its inner area,
// one cell a pixel holding the ink drawn there, so drawing a point costs the same however much is
// on it.
class PictureBox : public Control {
  public:
    explicit PictureBox(std::string name) : Control(ControlKind::PictureBox, std::move(name)) {}

    int BorderPixels = 2;
    int DrawWidth = 1;  // pen width in pixels

    // The inner area in twips: the outer size less the border on each side.
    float ScaleWidth() const { return Width - 2.0F * BorderPixels * kTwipsPerPixel; }
    float ScaleHeight() const { return Height - 2.0F * BorderPixels * kTwipsPerPixel; }
    int rasterWidth() const;
    int rasterHeight() const;

    // Draws one point of the pen's width at (x, y) of the inner area, in twips, in
    // `ink`: 1 is the box's drawing colour, higher inks are colours the front end
    // assigns; 0 erases.
    void PSet(float x, float y, std::uint8_t ink = 1);
    // Erases everything drawn.
    void Cls();

    bool isDrawn(int pixelX, int pixelY) const;
    // The ink at a pixel; 0 where nothing is drawn.
    std::uint8_t inkAt(int pixelX, int pixelY) const;
    const std::vector<std::uint8_t>& raster() const { return raster_; }
    // Grows with every erase, so a caller can tell whether the raster was wiped.
    std::uint64_t eraseCount() const { return eraseCount_; }
    // Grows with every change, so a front end can tell when to repaint.
    std::uint64_t revision() const { return revision_; }

    // Cells [left, right) x [top, bottom) of the raster; empty where a point fell outside.
    struct CellArea {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    // The areas of the points drawn since `revision`, oldest first, so that a front end
    // copies only those; none when an erase or a new size came since, or when more points
    // were drawn than are kept: then the whole raster may have changed.
    std::optional<std::span<const CellArea>> drawnSince(std::uint64_t revision) const;
    static constexpr std::size_t kKeptAreas = 4096;

  private:
    void fitRaster();
    // Forgets the areas drawn so far: whatever asks about an older revision looks at all.
    void forgetDrawn();

    std::vector<std::uint8_t> raster_;
    int rasterWidth_ = 0;
    int rasterHeight_ = 0;
    float sizedForWidth_ = -1;
    float sizedForHeight_ = -1;
    int sizedForBorder_ = -1;
    std::uint64_t eraseCount_ = 0;
    std::uint64_t revision_ = 0;
    // The area of each point drawn after revision drawnFrom_, in drawing order.
    std::vector<CellArea> drawn_;
    std::uint64_t drawnFrom_ = 0;
};

}  // namespace toolkit
