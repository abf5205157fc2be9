#include "app/platform/WindowSystem.h"

namespace pennoc {

void preferSessionWindowSystem() {}

} // namespace pennoc
