#include "document/LibraryCheck.h"

#include "common/NameRules.h"
#include "document/EntryFile.h"

namespace {

// A bare scheme with its colon and slashes ("http://") has 7 characters; an address has more.
constexpr std::size_t kShortestLink = 8;

std::size_t CharacterCount(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace

LibraryCheckResult RunLibraryCheck(LibraryCheck check, const std::string& folder, const std::vector<std::string>& files)
{
    LibraryCheckResult result;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& file = files[i];
        const std::string path = folder + file;
        std::string line;
        bool failed = false;
        switch (check) {
        case LibraryCheck::EntryFileName: {
            const std::string entry = ReadEntryKey(path, "Entry");
            line = entry + " - " + file;
            failed = EntryFileStem(entry) + ".web" != file;
            break;
        }
        case LibraryCheck::EntryLogoName: {
            const std::string entry = ReadEntryKey(path, "Entry");
            const std::string image = ReadEntryKey(path, "Image");
            line = entry + " - " + image;
            failed = EntryFileStem(entry) + ".jpg" != image;
            break;
        }
        case LibraryCheck::Link: {
            const std::string link = ReadEntryKey(path, "Link");
            line = file + " - " + link;
            failed = CharacterCount(link) < kShortestLink;
            break;
        }
        }
        result.log += "\r\n" + line;
        if (failed) {
            result.failedIndex = static_cast<int>(i);
            break;
        }
    }
    return result;
}
