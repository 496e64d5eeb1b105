#pragma once

#include <QIcon>

namespace qtui {

// The program's own icon, from the resources built into it.
QIcon applicationIcon();

}  // namespace qtui
