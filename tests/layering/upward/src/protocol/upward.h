#pragma once

// Reaches up into the window object: the layer check must refuse it.
#include "window/frm_main.h"
