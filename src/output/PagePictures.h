// Copying the pictures a generated page shows into its images folder. Copies go through a
// temporary file, so an interrupted run never leaves a cut-off picture that later runs would
// keep for good.
#pragma once

#include <optional>
#include <string>

// folder + name when the name names a file inside the folder (no separator, not "." or "..")
// and that file exists; nullopt otherwise.
std::optional<std::string> PictureIn(const std::string& folder, const std::string& name);

// Copies source to target unless something exists at target already. True when target exists
// afterwards.
bool CopyPictureIfMissing(const std::string& source, const std::string& target);

// Copies source to target, replacing an existing target. False when the copy failed; the old
// target is then left as it was.
bool CopyPictureReplacing(const std::string& source, const std::string& target);
