#include "document/EntryLibrary.h"

#include "common/FileLookup.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "document/EntryFile.h"
#include "document/PageFile.h"

std::vector<LibraryEntry> ReadLibraryEntries(const std::string& libraryFolder, const std::vector<std::string>& files)
{
    std::vector<LibraryEntry> entries;
    entries.reserve(files.size());
    for (const std::string& file : files) {
        const std::string path = libraryFolder + file;
        LibraryEntry entry{file, ReadEntryKey(path, "Entry"), ReadEntryKey(path, "Image")};
        if (!IsPlainFileName(entry.image)) entry.image.clear();
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string LibraryLogoPath(const AnyCaseFolder& library, const LibraryEntry& entry)
{
    if (entry.image.empty()) return {};
    return library.Find(entry.image).value_or(library.Folder() + entry.image);
}

TakenEntry TakeLibraryEntry(const PageState& page, const std::string& entryFile, const std::string& name,
                            const std::string& link, int column, int count)
{
    TakenEntry taken{EntrySectionName(name), ReadEntryKey(entryFile, "Image")};
    if (!IsPlainFileName(taken.image)) taken.image.clear();
    const std::string info = EntryInfoRule(ReadEntryKey(entryFile, "Info"), name);
    WriteIniKeys({{taken.section, "Link", link}, {taken.section, "Image", taken.image}, {taken.section, "Info", info}},
                 page.PageFile);
    AppendEntry(page, column, count + 1, taken.section);
    return taken;
}
