#pragma once

#include <functional>

class QObject;

namespace pennoc {

// Calls `handler` on the interface thread when the system asks the program to end (SIGTERM, SIGINT and
// SIGHUP on Linux), so the program can save before it goes. The handler lives as long as `context`.
void onTerminationRequest(QObject* context, std::function<void()> handler);

} // namespace pennoc
