#include "document/EntryLogo.h"

#include "common/FileList.h"
#include "common/Files.h"
#include "common/NameRules.h"
#include "document/EntryFile.h"
#include "document/EntryLibrary.h"

namespace {

bool EndsWithAnyCase(const std::string& name, const std::string& extension)
{
    return name.size() >= extension.size() &&
           LowerCaseCp1252(name.substr(name.size() - extension.size())) == extension;
}

} // namespace

bool IsLogoName(const std::string& name)
{
    return IsPlainFileName(name) && name.size() > 4 && EndsWithAnyCase(name, ".jpg");
}

std::string OwnLogoName(const std::string& entryFile, const std::string& imageKey)
{
    if (!imageKey.empty()) return imageKey;
    const bool web = EndsWithAnyCase(entryFile, ".web");
    return entryFile.substr(0, entryFile.size() - (web ? 4 : 0)) + ".jpg";
}

std::string EntryOwnLogo(const std::string& folder, const std::string& entryFile)
{
    return OwnLogoName(entryFile, ReadEntryKey(folder + entryFile, "Image"));
}

bool MayReleaseLogo(const std::string& folder, const std::string& entryFile, const std::string& logo)
{
    if (!IsLogoName(logo)) return false;
    const std::string wanted = LowerCaseCp1252(logo);
    const FileList entries(folder, kEntryFilePattern);
    for (const std::string& other : entries.Files()) {
        if (other != entryFile && LowerCaseCp1252(EntryOwnLogo(folder, other)) == wanted) return false;
    }
    return true;
}

EntryDeletion DeleteLibraryEntry(const std::string& folder, const std::string& entryFile)
{
    EntryDeletion deletion;
    if (!IsPlainFileName(entryFile)) return deletion;
    // Read before the entry file goes: its Image key names the logo.
    const std::string logo = EntryOwnLogo(folder, entryFile);
    const bool release = MayReleaseLogo(folder, entryFile, logo);
    if (!RemoveFile(folder + entryFile)) {
        deletion.failedFile = entryFile;
        return deletion;
    }
    if (!release) return deletion;
    if (RemoveFile(folder + logo))
        deletion.logo = logo;
    else
        deletion.failedFile = logo;
    return deletion;
}
