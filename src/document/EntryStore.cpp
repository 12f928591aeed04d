#include "document/EntryStore.h"

#include "common/AppPaths.h"
#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/FileLookup.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "document/BannerList.h"
#include "document/EntryFile.h"
#include "document/PageFile.h"

#include <filesystem>
#include <system_error>

bool LooksLikeAddress(const std::string& text)
{
    return IsPastedLink(text);
}

std::string AddressFromClipboard(const std::string& text)
{
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
    return line;
}

std::optional<StoredEntry> LoadStoredEntry(const AppPaths& paths, const std::string& displayName)
{
    if (!EntryExists(paths, displayName)) return std::nullopt;
    const std::string file = EntryFilePath(paths, displayName);
    StoredEntry entry;
    entry.link = ReadEntryKey(file, "Link");
    entry.info = ReadEntryKey(file, "Info");
    if (const auto logo = FindFileAnyCase(paths.LibraryFolder, EntryLogoName(displayName))) entry.logoPath = *logo;
    return entry;
}

void StoreNewEntry(const AppPaths& paths, const PageState& page, const NewEntry& entry,
                   const std::function<bool(const std::string& logoName)>& replaceLogo)
{
    const std::string& name = entry.displayName;
    const std::string logoName = EntryLogoName(name);
    const std::string link = EntryLinkRule(entry.typedLink);
    const std::string info = EntryInfoRule(entry.typedInfo, name);

    // Checked again here: an entry stored since the name was typed is never overwritten.
    if (!EntryExists(paths, name) && CreateEntryFile(paths, name, entry.typedLink, entry.typedInfo)) {
        const std::string captured = paths.LibraryFolder + kCapturedLogoName;
        const std::string logo = paths.LibraryFolder + logoName;
        if (FileExists(captured)) {
            const bool free = !FileExists(logo) || (replaceLogo(logoName) && RemoveFile(logo));
            if (free) {
                std::error_code ec;
                std::filesystem::rename(FsPath(captured), FsPath(logo), ec);
            }
        }
    }

    const std::string section = EntrySectionName(name);
    WriteIniKeys({{section, "Link", link}, {section, "Image", logoName}, {section, "Info", info}}, page.PageFile);
    AppendEntry(page, entry.column, entry.columnCount + 1, name);
}

bool DeleteCapturedLogo(const AppPaths& paths)
{
    const std::string captured = paths.LibraryFolder + kCapturedLogoName;
    return !FileExists(captured) ? true : RemoveFile(captured) && !FileExists(captured);
}

void RemoveCaptureLeftovers(const AppPaths& paths)
{
    for (const char* name : {kCapturedLogoName, kCaptureBitmapName}) RemoveFile(paths.LibraryFolder + name);
}

bool StoreLinkEdit(const AppPaths& paths, const PageState& page, const LinkEdit& edit)
{
    if (edit.link == edit.linkBefore && edit.info == edit.infoBefore) return false;
    const std::string section = EntrySectionName(edit.entryName);
    const bool linkShown = edit.editorLink != edit.link;
    const std::string info = EntryInfoRule(edit.info, edit.entryName);
    if (linkShown)
        WriteIniKeys({{section, "Link", edit.link}, {section, "Info", info}}, page.PageFile);
    else
        WriteIni(section, "Info", info, page.PageFile);
    // An entry without its file in the library gets none: a file of two keys would be an entry
    // without a name.
    if (EntryExists(paths, edit.entryName))
        WriteIniKeys({{kEntrySection, "Link", edit.link}, {kEntrySection, "Info", info}},
                     EntryFilePath(paths, edit.entryName));
    return linkShown;
}
