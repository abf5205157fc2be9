#include "app/platform/TerminationSignals.h"

namespace pennoc {

void onTerminationRequest(QObject*, std::function<void()>) {
    // A Windows GUI program gets no console signals; the end of the session reaches it as a close request.
}

} // namespace pennoc
