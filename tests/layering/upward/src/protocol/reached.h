#pragma once
// Reaching up other ways: a system include of a project header, a relative path, and a
// Qt header in a layer that does not link Qt.
#include <window/frm_main.h>
#include <QString>
#include "../window/frm_main.h"
