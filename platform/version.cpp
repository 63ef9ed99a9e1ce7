#include "platform/version.h"

#ifndef MIZARO_VERSION
#error "MIZARO_VERSION is defined by the build from the project version"
#endif

namespace mizaro {

const char* ProgramVersion() {
    return MIZARO_VERSION;
}

}  // namespace mizaro
