#include "support/window_looks.h"

#include <array>
#include <span>

#include "protocol/identity_text.h"
#include "protocol/products.h"
#include "window/window_texts.h"

namespace support {
namespace {

class Differences {
  public:
    void expect(bool holds, const std::string& what) {
        if (!holds) {
            text_ += (text_.empty() ? "" : "; ") + what;
        }
    }
    std::string text() const { return text_; }

  private:
    std::string text_;
};

// The adaptor's identity strings are plain ASCII in the simulation.
std::string ascii(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

const char* captionFor(std::uint16_t productId) {
    const protocol::ProductInfo* product = protocol::productWithId(productId);
    return product != nullptr ? product->caption : "(no caption for this product)";
}

std::array<const toolkit::TextBox*, 4> boxes(const frmMain& w) {
    return {&w.Text7, &w.Text8, &w.Text9, &w.Text10};
}
std::array<const toolkit::LineShape*, 4> hPatternLines(const frmMain& w) {
    return {&w.lineH1, &w.LineH2, &w.lineV1, &w.lineV2};
}
std::array<const toolkit::LineShape*, 2> sequentialLines(const frmMain& w) {
    return {&w.SeqH1, &w.SeqH2};
}
std::array<const toolkit::Control*, 6> ticksAndValues(const frmMain& w) {
    return {&w.TickV1, &w.TickV2, &w.TickH1, &w.TickH2, &w.lblX, &w.lblY};
}
std::array<const toolkit::Label*, 4> frameLabels(const frmMain& w) {
    return {&w.Label2, &w.Label3, &w.Label4, &w.Label5};
}

int visibleCount(std::span<const toolkit::LineShape* const> lines) {
    int count = 0;
    for (const toolkit::LineShape* line : lines) {
        count += line->Visible ? 1 : 0;
    }
    return count;
}

}  // namespace

std::string disconnectedLookDifferences(const frmMain& w) {
    Differences d;
    d.expect(w.Caption == window::kDisconnectedCaption, "caption '" + w.Caption + "'");
    d.expect(w.Timer.Interval == 500, "timer interval " + std::to_string(w.Timer.Interval));
    d.expect(!w.btnUpdate.Enabled, "btnUpdate enabled");
    d.expect(!w.Command1.Enabled, "Command1 enabled");
    d.expect(!w.UpgradeFW.Enabled && !w.UpgradeFW.Visible, "UpgradeFW offered");
    for (const toolkit::TextBox* box : boxes(w)) {
        d.expect(!box->Enabled && !box->Visible && box->Text.empty(), box->name() + " shown");
    }
    d.expect(!w.Graph.Enabled, "Graph enabled");
    d.expect(visibleCount(hPatternLines(w)) + visibleCount(sequentialLines(w)) == 0,
             "threshold lines shown");
    for (const toolkit::Control* control : ticksAndValues(w)) {
        d.expect(!control->Visible, control->name() + " shown");
    }
    d.expect(!w.Frame1.Enabled, "Frame1 enabled");
    for (const toolkit::Label* label : frameLabels(w)) {
        d.expect(!label->Enabled, label->name() + " enabled");
    }
    for (const toolkit::Label* label :
         {&w.lblManuf, &w.lblProduct, &w.lblVersion, &w.lblSerialNumber, &w.Gear}) {
        d.expect(label->Caption.empty(), label->name() + " shows '" + label->Caption + "'");
    }
    return d.text();
}

std::string connectedLookDifferences(const frmMain& w, const sim::AdaptorIdentity& adaptor) {
    const std::int32_t product = protocol::signExtendedProduct(adaptor.productId);
    const bool lever = protocol::reportsLever(product);
    const bool loader = adaptor.productId == protocol::kLoader;
    Differences d;
    d.expect(w.Caption == captionFor(adaptor.productId), "caption '" + w.Caption + "'");
    d.expect(w.Timer.Interval == 10, "timer interval " + std::to_string(w.Timer.Interval));
    d.expect(w.btnUpdate.Enabled == lever, "btnUpdate enabled " + std::to_string(lever));
    d.expect(w.Command1.Enabled == protocol::offersMemoryDump(product), "Command1 enabled wrongly");
    d.expect(w.UpgradeFW.Enabled == loader && w.UpgradeFW.Visible == loader,
             "UpgradeFW offered wrongly");
    for (const toolkit::TextBox* box : boxes(w)) {
        d.expect(box->Enabled == lever, box->name() + " enabled wrongly");
    }
    d.expect(w.Text7.Visible == lever && w.Text8.Visible == lever, "Text7/Text8 shown wrongly");
    // Text9 and Text10 belong to the H-pattern only, so they may be hidden by the mode.
    d.expect(w.Text9.Visible == w.Text10.Visible && (lever || !w.Text9.Visible),
             "Text9/Text10 shown wrongly");
    d.expect(w.Graph.Enabled == lever, "Graph enabled wrongly");
    for (const toolkit::Control* control : ticksAndValues(w)) {
        d.expect(control->Visible == lever, control->name() + " shown wrongly");
    }
    // No lines before the first report, then the whole set of one mode.
    const int hLines = visibleCount(hPatternLines(w));
    const int seqLines = visibleCount(sequentialLines(w));
    const bool linesOfOneMode = (hLines == 0 && seqLines == 0) || (hLines == 4 && seqLines == 0) ||
                                (hLines == 0 && seqLines == 2);
    d.expect(linesOfOneMode && (lever || hLines + seqLines == 0),
             "threshold lines " + std::to_string(hLines) + "+" + std::to_string(seqLines));
    d.expect(w.Frame1.Enabled, "Frame1 disabled");
    for (const toolkit::Label* label : frameLabels(w)) {
        d.expect(label->Enabled, label->name() + " disabled");
    }
    // An identity string whose read failed stays blank; one that was read is this one's.
    const auto shows = [&](const toolkit::Label& label, const std::string& text) {
        d.expect(label.Caption.empty() || label.Caption == text,
                 label.name() + " shows '" + label.Caption + "'");
    };
    shows(w.lblManuf, " " + ascii(adaptor.manufacturer));
    shows(w.lblProduct, " " + ascii(adaptor.product));
    shows(w.lblSerialNumber, " " + ascii(adaptor.serialNumber));
    shows(w.lblVersion, protocol::versionText(adaptor.versionNumber));
    return d.text();
}

std::string lookDifferences(const frmMain& window, const sim::AdaptorIdentity& adaptor) {
    return window.session.isConnected ? connectedLookDifferences(window, adaptor)
                                      : disconnectedLookDifferences(window);
}

}  // namespace support
