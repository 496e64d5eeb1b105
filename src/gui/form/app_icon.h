#pragma once

#include <QIcon>

namespace gui {

// The program's own icon, from the resources built into it.
QIcon applicationIcon();

}  // namespace gui
