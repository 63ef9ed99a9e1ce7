// The directory that holds the running program, found from the executable's own path, so a
// start through a relative path, another working directory or a link still finds it.
#pragma once

#include <string>

namespace mizaro {

// Where an installation keeps the files the programs read, relative to the programs' folder:
// <prefix>/bin/ holds the programs and <prefix>/share/mizaro/ their data.
inline constexpr const char* kShareFromProgram = "../share/mizaro/";

// The directory with a trailing '/'; empty when the platform cannot tell.
std::string ProgramDirectory();

// The installation's data folder of a program living in `programDirectory`, with a trailing
// '/', when that folder exists; empty for a program that is not installed (a build tree).
std::string InstalledShareDirectory(const std::string& programDirectory);
std::string InstalledShareDirectory();

}  // namespace mizaro
