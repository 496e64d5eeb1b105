#pragma once

#include <QString>

// POSIX: the home folder the user's account names, whatever HOME says.
namespace storage {

// Empty when the account names none.
QString accountHome();

}  // namespace storage
