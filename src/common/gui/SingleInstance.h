// The test for a copy of the program that is already running: a lock file per program and
// user; a lock left behind by a crashed copy is taken over.
#pragma once

#include <QString>

// True when this is the only running copy of `programName`; the lock is held until the
// process ends.
bool AcquireSingleInstanceLock(const QString& programName);
