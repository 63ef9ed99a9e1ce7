#include "platform/version.h"

#ifndef MIZARO_VERSION
#error "MIZARO_VERSION is defined by the build from the project version"
#endif
#ifndef MIZARO_HOME_URL
#error "MIZARO_HOME_URL is defined by the build from its cache variable"
#endif

namespace mizaro {

const char* ProgramVersion() {
    return MIZARO_VERSION;
}

const char* ProgramHomeUrl() {
    return MIZARO_HOME_URL;
}

}  // namespace mizaro
