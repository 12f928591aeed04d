#include "document/EntryLibrary.h"

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

std::string LibraryLogoPath(const std::string& libraryFolder, const LibraryEntry& entry)
{
    return entry.image.empty() ? std::string() : libraryFolder + entry.image;
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

EntryFileNames LibraryEntryFiles(const std::string& name)
{
    const std::string stem = EntryFileStem(name);
    return {stem + ".web", stem + ".jpg"};
}

bool DeleteLibraryEntry(const std::string& libraryFolder, const EntryFileNames& files)
{
    bool gone = true;
    // The entry file first: without it the logo is no longer an entry's, whatever happens next.
    for (const std::string* name : {&files.web, &files.jpg}) {
        if (!IsPlainFileName(*name)) {
            gone = false;
            continue;
        }
        if (!RemoveFile(libraryFolder + *name)) gone = false;
    }
    return gone;
}
