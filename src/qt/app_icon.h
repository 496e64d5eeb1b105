#pragma once

#include <QIcon>

namespace qt {

// The program's own icon, from the resources built into it.
QIcon applicationIcon();

}  // namespace qt
