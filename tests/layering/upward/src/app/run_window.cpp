// The program sees the front end and what it passes on, not the assistant behind it.
#include "gui/calibration_tools.h"
