#include "document/EntryStore.h"

#include "common/AppPaths.h"
#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "document/EntryFile.h"
#include "document/PageFile.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

bool IsControlCharacter(const std::string& cp1252)
{
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127) return true;
    }
    return false;
}

// Letters and digits of Windows-1252: ASCII ones and the accented letters (not × and ÷) and
// Š š Œ œ Ž ž Ÿ ƒ.
bool IsLetterOrDigit(unsigned char byte)
{
    if (std::isalnum(byte) != 0 && byte < 128) return true;
    if (byte >= 0xC0) return byte != 0xD7 && byte != 0xF7;
    switch (byte) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
        return true;
    default:
        return false;
    }
}

std::string LowerAscii(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool RemoveFile(const std::string& path)
{
    std::error_code ec;
    std::filesystem::remove(FsPath(path), ec);
    return !ec;
}

} // namespace

EntryNameProblem CheckEntryName(const std::string& displayName)
{
    if (displayName.empty()) return EntryNameProblem::None;
    const std::string cp1252 = Utf8ToCp1252(displayName);
    if (Cp1252ToUtf8(cp1252) != displayName || IsControlCharacter(cp1252) || displayName.front() == ' ' ||
        displayName.back() == ' ')
        return EntryNameProblem::NotStorable;
    for (const char c : Utf8ToCp1252(EntryFileStem(displayName))) {
        if (IsLetterOrDigit(static_cast<unsigned char>(c))) return EntryNameProblem::None;
    }
    return EntryNameProblem::NoLetterOrDigit;
}

bool LooksLikeAddress(const std::string& text)
{
    const std::string head = LowerAscii(text.substr(0, 8));
    return head.starts_with("http://") || head.starts_with("www.") || head.starts_with("file://") ||
           head.starts_with("https://");
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
    const std::string logo = EntryLogoPath(paths, displayName);
    if (FileExists(logo)) entry.logoPath = logo;
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
