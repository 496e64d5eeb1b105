// A generated source reaching up into the window object.
#include "resources/firmware_image.h"
#include "window/frm_main.h"
