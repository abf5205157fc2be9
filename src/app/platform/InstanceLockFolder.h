#pragma once

#include <QString>
#include <optional>

namespace pennoc {

// A folder for the single-instance lock that no other user can write into, or nothing when there is none:
// a lock that others can create first would keep the program from starting.
std::optional<QString> instanceLockFolder();

} // namespace pennoc
