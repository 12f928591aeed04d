// Finding a file of one of the program's folders by the name a data file or a list gives, as
// Windows finds it whatever the case of its letters: the exact name first, then the first name in
// name order that differs from it only in case. Only look-ups: writes keep the exact name.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The index in `names` (a folder's files in name order) of the exact name, else of the first
// that equals it without regard to case; -1 when none does or the name is empty.
int FindNameAnyCase(const std::vector<std::string>& names, const std::string& name);

// One folder, listed once when a name is first missed: a page with many entries asks it often.
class AnyCaseFolder {
public:
    explicit AnyCaseFolder(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }

    // folder + the file's real name when `name` is a plain file name (no separator, not "." or
    // "..") and a file of that name in any case lies in the folder; nullopt otherwise.
    std::optional<std::string> Find(const std::string& name) const;

private:
    std::string folder_;
    mutable std::optional<std::vector<std::string>> files_;
};

// The same for a single look-up.
std::optional<std::string> FindFileAnyCase(const std::string& folder, const std::string& name);
