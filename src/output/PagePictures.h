// Copying the pictures a generated page shows into its images folder. Copies go through a
// temporary file, so an interrupted run never leaves a cut-off picture that later runs would
// keep for good.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>

// The page's images folder during one run. Its content is listed once: a page with thousands
// of logos would otherwise ask the file system about each of them.
class ImagesFolder {
public:
    explicit ImagesFolder(std::string folder);

    // Copies source in under `name` unless something of that name is there already. When the
    // folder could not be listed, nothing is copied (a failed step, skipped).
    void CopyIfMissing(const std::string& source, const std::string& name);
    // Copies source in under `name`, replacing what is there; a failed copy leaves it as it was.
    void CopyReplacing(const std::string& source, const std::string& name);

private:
    std::string folder_;
    std::unordered_set<std::string> names_;
    bool listed_ = false;
};
