// Ending the program from any window: every window closes and the event loop stops. Tests put
// a handler of their own in its place to see that the program would end.
#pragma once

#include <functional>

void EndProgram();

// True while the program ends: windows that store their state when they close store nothing
// then, since ending the program keeps nothing on the way.
bool ProgramEnding();

// Installs the handler EndProgram calls (nullptr: the real one) and returns the previous one.
std::function<void()> SetEndProgramHandler(std::function<void()> handler);
