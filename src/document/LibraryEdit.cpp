#include "document/LibraryEdit.h"

#include "common/CodePage.h"
#include "common/FileLookup.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "document/EntryFile.h"
#include "document/EntryLogo.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// The text cut into its characters (UTF-8 sequences; a stray byte counts as one character).
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8CharacterLength(text, i);
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

// The capital of a Windows-1252 small letter at the start of `text`, or the character itself.
std::string UpperCharacter(std::string_view character)
{
    if (character.size() == 1 && character[0] >= 'a' && character[0] <= 'z')
        return std::string(1, static_cast<char>(character[0] - ('a' - 'A')));
    if (character.size() == 2) {
        const auto lead = static_cast<unsigned char>(character[0]);
        const auto second = static_cast<unsigned char>(character[1]);
        if (lead == 0xC3 && second >= 0xA0 && second <= 0xBE && second != 0xB7)  // à..þ without ÷
            return {static_cast<char>(lead), static_cast<char>(second - 0x20)};
        if (lead == 0xC3 && second == 0xBF) return "\xC5\xB8";  // ÿ -> Ÿ
        if (lead == 0xC5 && (second == 0xA1 || second == 0x93 || second == 0xBE))  // š œ ž
            return {static_cast<char>(lead), static_cast<char>(second - 1)};
    }
    return std::string(character);
}

bool StartsWord(const std::string& previous)
{
    return previous == " " || previous == "-" || previous == "(" || previous == "_" || previous == "\\";
}

// Renames the entry's own logo to its new name where it may: both are logo names, no other entry
// names the old one as its own, and the new name is free.
void MoveOwnLogo(const std::string& folder, const std::string& entryFile, const std::string& from,
                 const std::string& to)
{
    if (from == to || !IsLogoName(to) || !MayReleaseLogo(folder, entryFile, from)) return;
    if (FileExists(folder + from)) RenameFileNoReplace(folder + from, folder + to);
}

} // namespace

std::string ReplaceText(const std::string& text, const std::string& find, const std::string& replacement)
{
    if (find.empty() || replacement.empty() || find == replacement) return text;
    std::vector<std::string> characters = Characters(text);
    const std::vector<std::string> needle = Characters(find);
    const std::vector<std::string> insert = Characters(replacement);
    const std::size_t originalLength = characters.size();
    for (std::size_t i = 0; i < originalLength; ++i) {
        if (i + needle.size() > characters.size()) continue;
        if (!std::equal(needle.begin(), needle.end(), characters.begin() + static_cast<std::ptrdiff_t>(i))) continue;
        const auto at = characters.begin() + static_cast<std::ptrdiff_t>(i);
        characters.erase(at, at + static_cast<std::ptrdiff_t>(needle.size()));
        characters.insert(characters.begin() + static_cast<std::ptrdiff_t>(i), insert.begin(), insert.end());
    }
    std::string result;
    for (const std::string& c : characters) result += c;
    return result;
}

std::string CapitaliseWords(std::string& text)
{
    const std::vector<std::string> characters = Characters(text);
    std::string result;
    for (std::size_t i = 0; i < characters.size(); ++i)
        result += (i == 0 || StartsWord(characters[i - 1])) ? UpperCharacter(characters[i]) : characters[i];
    text = result;
    return result;
}

std::string TypedLogoName(const std::string& entryName)
{
    std::string name = entryName;
    SpacesToUnderscores(name);
    name = LowerCaseCp1252(name);
    ReplaceUmlauts(name);
    return name + ".jpg";
}

std::string EntryNameFromFileName(const std::string& file)
{
    std::string name = ReplaceText(file.substr(0, file.size() >= 4 ? file.size() - 4 : 0), "_", " ");
    return CapitaliseWords(name);
}

OpenedEntry OpenLibraryEntry(const std::string& folder, const std::string& file)
{
    OpenedEntry opened;
    const std::string path = folder + file;
    // A file gone since the list was read is not written back into being.
    if (!IsPlainFileName(file) || !FileExists(path)) return opened;

    EntryValues& values = opened.values;
    values.link = ReadEntryKey(path, "Link");
    values.info = ReadEntryKey(path, "Info");
    values.image = ReadEntryKey(path, "Image");
    opened.storedImage = values.image;
    values.entry = ReadEntryKey(path, "Entry");
    if (values.entry.empty()) {
        values.entry = EntryNameFromFileName(file);
        WriteEntryKey(path, "Entry", values.entry);
    }

    const std::string stem = EntryFileStem(values.entry);
    if (IsUsableEntryStem(stem)) {
        values.image = stem + ".jpg";
        opened.expectedFile = stem + ".web";
        if (opened.storedImage != values.image) {
            // The entry file names the new logo even when its logo stays as it is (another entry
            // names it too, or the new name is taken).
            WriteEntryKey(path, "Image", values.image);
            MoveOwnLogo(folder, file, OwnLogoName(file, opened.storedImage), values.image);
        }
    }
    if (const auto logo = FindFileAnyCase(folder, values.image)) opened.logoPath = *logo;
    return opened;
}

StoreResult StoreLibraryEntry(const std::string& folder, const std::string& file, const EntryValues& values)
{
    StoreResult result;
    result.problem = FindEditedNameProblem(values.entry);
    if (result.problem != EntryNameProblem::None) return result;
    const std::string path = folder + file;
    // A file gone since the list was read is not written back into being.
    if (!IsPlainFileName(file) || !FileExists(path)) {
        result.gone = true;
        return result;
    }
    // The name of another entry: the next selection could not rename this file to it and would
    // show the other entry in its place, so this one could no longer be reached, and its Image
    // key would name the other entry's logo.
    const std::string expected = EntryFileStem(values.entry) + ".web";
    if (expected != file && FileExists(folder + expected)) {
        result.takenFile = expected;
        return result;
    }
    const std::string oldLogo = EntryOwnLogo(folder, file);
    if (!WriteIniKeys({{kEntrySection, "Link", values.link},
                       {kEntrySection, "Image", values.image},
                       {kEntrySection, "Info", values.info},
                       {kEntrySection, "Entry", values.entry}},
                      path)) {
        result.notWritten = true;
        return result;
    }
    // The name box has already renamed the logo in the Image box: the logo file follows, or the
    // entry would name a logo that does not exist while its picture keeps the old name.
    MoveOwnLogo(folder, file, oldLogo, values.image);
    return result;
}
