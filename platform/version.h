// The program's version, which the build takes from the project's one declaration of it, so the
// programs, the about box and the package never disagree.
#pragma once

namespace mizaro {

// Such as "1.52".
const char* ProgramVersion();

// The project's web page, which the build also gives the package as its homepage.
const char* ProgramHomeUrl();

}  // namespace mizaro
