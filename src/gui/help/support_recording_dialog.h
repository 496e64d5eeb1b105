#pragma once

#include "gui/form/form_widget.h"
#include "recording/recording_layer.h"

// Help > Record a session for support...: the user starts a recording of what the
// program says to the adaptor, stops it and saves it as a file to attach to a report.
namespace gui {

void addSupportRecording(FormWidget& form, recording::RecordingLayer& recorder);

}  // namespace gui
