// The files of one folder that match a list of wildcard patterns such as "_wall*.gif;_wall*.jpg":
// files only, matched without regard to case, sorted by name. Stands in for a file list box.
#pragma once

#include <string>
#include <vector>

// True when `name` matches one of the ";"-separated patterns ("*" and "?" wildcards, letters
// without regard to case). "*.*" matches every name, with or without a dot.
bool MatchesFilePattern(const std::string& name, const std::string& patterns);

// Orders names as the file list shows them: without regard to case, then by bytes.
bool FileNameLess(const std::string& a, const std::string& b);

class FileList {
public:
    FileList() = default;
    FileList(std::string folder, std::string pattern);

    void SetFolder(const std::string& folder) { folder_ = folder; Refresh(); }
    void SetPattern(const std::string& pattern) { pattern_ = pattern; Refresh(); }
    const std::string& Folder() const { return folder_; }
    const std::string& Pattern() const { return pattern_; }

    void Refresh();
    const std::vector<std::string>& Files() const { return files_; }  // names without folder

private:
    std::string folder_;
    std::string pattern_ = "*.*";
    std::vector<std::string> files_;
};
