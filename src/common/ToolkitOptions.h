// The options that the window toolkit takes from a program's command line, so that a program
// can refuse every other option instead of opening its windows for a mistyped one.
#pragma once

#include <string>
#include <vector>

// The first argument that begins with "-" and is neither an option of the window toolkit
// (-platform NAME, -style=NAME, -reverse ...; also written with two dashes) nor the value of
// one; empty when there is none. What follows "--webEngineArgs" belongs to the embedded browser.
std::string FirstUnknownOption(const std::vector<std::string>& args);
