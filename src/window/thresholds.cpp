// Where each threshold lives in the window: its variable, its box and its line.
#include "window/frm_main.h"

using protocol::Threshold;

std::int16_t& frmMain::thresholdOf(Threshold threshold) {
    switch (threshold) {
        case Threshold::V1:
            return thresholdV1;
        case Threshold::V2:
            return thresholdV2;
        case Threshold::H1:
            return thresholdH1;
        case Threshold::H2:
            return thresholdH2;
        case Threshold::SeqH1:
            return thresholdSeqH1;
        case Threshold::SeqH2:
            return thresholdSeqH2;
    }
    return thresholdV1;
}

std::int16_t frmMain::thresholdOf(Threshold threshold) const {
    return const_cast<frmMain&>(*this).thresholdOf(threshold);
}

// The sequential thresholds share the upper two boxes with H1 and H2.
toolkit::TextBox& frmMain::boxOf(Threshold threshold) {
    switch (threshold) {
        case Threshold::H1:
        case Threshold::SeqH1:
            return Text7;
        case Threshold::H2:
        case Threshold::SeqH2:
            return Text8;
        case Threshold::V1:
            return Text9;
        case Threshold::V2:
            return Text10;
    }
    return Text7;
}

toolkit::LineShape& frmMain::thresholdLine(Threshold threshold) {
    switch (threshold) {
        case Threshold::V1:
            return lineV1;
        case Threshold::V2:
            return lineV2;
        case Threshold::H1:
            return lineH1;
        case Threshold::H2:
            return LineH2;
        case Threshold::SeqH1:
            return SeqH1;
        case Threshold::SeqH2:
            return SeqH2;
    }
    return lineV1;
}
