// Where each threshold lives in the window: its variable, its box and its line.
#include <array>

#include "window/frm_main.h"

namespace {

struct Parts {
    std::int16_t frmMain::*variable;
    toolkit::TextBox frmMain::*box;  // the sequential pair shares the upper two boxes
    toolkit::LineShape frmMain::*line;
};

// In the order of protocol::Threshold.
const std::array<Parts, protocol::kThresholdCount> kParts{{
    {&frmMain::thresholdV1, &frmMain::Text9, &frmMain::lineV1},
    {&frmMain::thresholdV2, &frmMain::Text10, &frmMain::lineV2},
    {&frmMain::thresholdH1, &frmMain::Text7, &frmMain::lineH1},
    {&frmMain::thresholdH2, &frmMain::Text8, &frmMain::LineH2},
    {&frmMain::thresholdSeqH1, &frmMain::Text7, &frmMain::SeqH1},
    {&frmMain::thresholdSeqH2, &frmMain::Text8, &frmMain::SeqH2},
}};

const Parts& partsOf(protocol::Threshold threshold) {
    return kParts[static_cast<std::size_t>(threshold)];
}

}  // namespace

std::int16_t& frmMain::thresholdOf(protocol::Threshold threshold) {
    return this->*partsOf(threshold).variable;
}

std::int16_t frmMain::thresholdOf(protocol::Threshold threshold) const {
    return this->*partsOf(threshold).variable;
}

toolkit::TextBox& frmMain::boxOf(protocol::Threshold threshold) {
    return this->*partsOf(threshold).box;
}

toolkit::LineShape& frmMain::thresholdLine(protocol::Threshold threshold) {
    return this->*partsOf(threshold).line;
}
