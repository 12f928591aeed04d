#include "common/Ini.h"

#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/FileStamp.h"
#include "common/IniSnapshot.h"
#include "common/IniLines.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The parsed copy of one file and the stamp of the file it was read from.
struct CachedIni {
    FileStamp stamp;
    std::unique_ptr<IniSnapshot> keys;
};

class IniCache {
public:
    // The value as ReadIni gives it; the default when the file cannot be read.
    std::string Read(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view defaultValue)
    {
        std::lock_guard lock(mutex_);
        const IniSnapshot* keys = Current(file);
        return keys ? keys->Read(section, key, defaultValue) : std::string(defaultValue);
    }

    void Forget(const std::string& file)
    {
        std::lock_guard lock(mutex_);
        files_.erase(file);
    }

private:
    static constexpr std::size_t kMaxFiles = 64;

    const IniSnapshot* Current(const std::string& file)
    {
        const std::optional<FileStamp> stamp = GetFileStamp(file);
        if (!stamp) { files_.erase(file); return nullptr; }

        const auto it = files_.find(file);
        if (it != files_.end() && it->second.stamp == *stamp)
            return it->second.keys.get();

        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) { files_.erase(file); return nullptr; }
        if (files_.size() >= kMaxFiles && it == files_.end()) files_.clear();
        CachedIni& cached = files_[file];
        // The stamp seen before reading: a change made while reading is seen next time.
        cached.stamp = *stamp;
        cached.keys = std::make_unique<IniSnapshot>(IniSnapshot::FromBytes{}, std::move(*bytes));
        return cached.keys.get();
    }

    std::mutex mutex_;
    std::unordered_map<std::string, CachedIni> files_;
};

IniCache& Cache()
{
    static IniCache cache;
    return cache;
}

// A value is one line: line breaks inside it would split the file's structure.
std::string OneLine(std::string value)
{
    for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return value;
}

std::string NewSectionText(std::string_view section, std::string_view key, std::string_view value)
{
    std::string text;
    text.reserve(section.size() + key.size() + value.size() + 8);
    text += '[';
    text += section;
    text += "]\r\n";
    text += key;
    text += '=';
    text += value;
    text += "\r\n";
    return text;
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The key line with its value replaced, ended by CR LF.
void AppendReplacedKeyLine(std::string& text, const std::string& old, const IniLine& line, std::string_view value)
{
    if (line.hasEquals) {
        text.append(old, line.begin, line.valueBegin - line.begin);
    } else {
        // A key without "=": the value is filled into its line.
        const std::string_view content(old.data() + line.begin, line.contentEnd - line.begin);
        const std::string_view trimmed = TrimBlanks(content);
        text.append(content.substr(0, static_cast<std::size_t>(trimmed.data() - content.data()) + trimmed.size()));
        text += '=';
    }
    text += value;
    text += "\r\n";
}

// The index of the first header line of the section; lines.size() when there is none.
std::size_t FirstSectionLine(const std::vector<IniLine>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLineKind::Section && IniNamesEqual(lines[i].name, section)) return i;
    }
    return lines.size();
}

// The file's bytes after writing the key: an existing key line gets its value replaced, a new
// key follows the last key line of its section, a new section goes at the end.
std::string WithKeyWritten(const std::string& old, std::string_view section, std::string_view key,
                           std::string_view value)
{
    const std::vector<IniLine> lines = ScanIniLines(old);
    const std::size_t sectionLine = FirstSectionLine(lines, section);

    if (sectionLine == lines.size()) {
        std::string text = old;
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
        text += NewSectionText(section, key, value);
        return text;
    }

    std::size_t lastKeyLine = sectionLine;
    for (std::size_t i = sectionLine + 1; i < lines.size() && lines[i].kind != IniLineKind::Section; ++i) {
        const IniLine& line = lines[i];
        if (line.kind != IniLineKind::Key) continue;
        if (IniNamesEqual(line.name, key)) {
            std::string text;
            text.reserve(old.size() + value.size() + 4);
            text.append(old, 0, line.begin);
            AppendReplacedKeyLine(text, old, line, value);
            text.append(old, line.end, std::string::npos);
            return text;
        }
        lastKeyLine = i;
    }

    const IniLine& anchor = lines[lastKeyLine];
    std::string text;
    text.reserve(old.size() + key.size() + value.size() + 6);
    text.append(old, 0, anchor.end);
    if (anchor.end == anchor.contentEnd) text += "\r\n";  // the anchor was the last line, without a line end
    text += key;
    text += '=';
    text += value;
    text += "\r\n";
    text.append(old, anchor.end, std::string::npos);
    return text;
}

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// True when the keys of a group can be written from one scan of the file with the same result
// as one after the other: no two keys of one name, and the section header and every key line
// read back under the names they were written with.
bool WritableInOnePass(std::string_view section, const KeyValues& keys)
{
    if (keys.size() < 2) return false;
    std::unordered_set<std::string> names;
    for (const auto& [key, value] : keys) {
        const std::string text = NewSectionText(section, key, "");
        const std::vector<IniLine> lines = ScanIniLines(text);
        if (lines.size() != 2 || lines[0].kind != IniLineKind::Section || !IniNamesEqual(lines[0].name, section) ||
            lines[1].kind != IniLineKind::Key || !lines[1].hasEquals || !IniNamesEqual(lines[1].name, key))
            return false;
        if (!names.insert(IniFoldCase(key)).second) return false;
    }
    return true;
}

// WithKeyWritten for every key of one section in turn, from one scan of the file: a page's
// columns hold thousands of keys, and rescanning the file for each made storing them quadratic.
std::string WithSectionKeysWritten(const std::string& old, std::string_view section, const KeyValues& keys)
{
    const std::vector<IniLine> lines = ScanIniLines(old);
    const std::size_t sectionLine = FirstSectionLine(lines, section);

    std::string text;
    text.reserve(old.size() + keys.size() * 32);
    if (sectionLine == lines.size()) {
        text = old;
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
        text += '[';
        text += section;
        text += "]\r\n";
        for (const auto& [key, value] : keys) {
            text += key;
            text += '=';
            text += value;
            text += "\r\n";
        }
        return text;
    }

    // The first key line of each name in the section, and the last key line of the section.
    std::unordered_map<std::string, std::size_t> keyLines;
    std::size_t sectionEnd = sectionLine + 1;
    std::size_t lastKeyLine = sectionLine;
    for (; sectionEnd < lines.size() && lines[sectionEnd].kind != IniLineKind::Section; ++sectionEnd) {
        if (lines[sectionEnd].kind != IniLineKind::Key) continue;
        keyLines.try_emplace(IniFoldCase(lines[sectionEnd].name), sectionEnd);
        lastKeyLine = sectionEnd;
    }

    std::unordered_map<std::size_t, std::string_view> replaced;
    std::string appended;
    for (const auto& [key, value] : keys) {
        const auto it = keyLines.find(IniFoldCase(key));
        if (it != keyLines.end()) {
            replaced[it->second] = value;
        } else {
            appended += key;
            appended += '=';
            appended += value;
            appended += "\r\n";
        }
    }

    text.append(old, 0, lines[sectionLine].begin);
    for (std::size_t i = sectionLine; i < sectionEnd; ++i) {
        const IniLine& line = lines[i];
        const auto r = replaced.find(i);
        if (r != replaced.end()) {
            AppendReplacedKeyLine(text, old, line, r->second);
        } else {
            text.append(old, line.begin, line.end - line.begin);
            if (i == lastKeyLine && !appended.empty() && line.end == line.contentEnd) text += "\r\n";
        }
        if (i == lastKeyLine) text += appended;
    }
    text.append(old, lines[sectionEnd - 1].end, std::string::npos);
    return text;
}

} // namespace

std::string ReadIni(std::string_view section, std::string_view key, const std::string& file,
                    std::string_view defaultValue)
{
    return Cache().Read(file, section, key, defaultValue);
}

bool WriteIniKeys(const std::vector<IniKeyValue>& keys, const std::string& file, FolderSync sync)
{
    const std::optional<std::string> old = ReadWholeFile(file);
    std::error_code ec;
    if (!old && fs::exists(FsPath(file), ec)) return false;  // present but unreadable: leave it alone
    std::optional<std::string> text = old;

    // Runs of keys of one section are written together.
    for (std::size_t i = 0; i < keys.size();) {
        const std::string section(TrimIniName(Utf8ToCp1252(keys[i].section)));
        KeyValues group;
        for (const std::size_t first = i; i < keys.size() && keys[i].section == keys[first].section; ++i) {
            group.emplace_back(std::string(TrimIniName(Utf8ToCp1252(keys[i].key))), OneLine(Utf8ToCp1252(keys[i].value)));
        }
        if (!text) text.emplace();  // a missing file starts empty
        if (WritableInOnePass(section, group)) {
            text = WithSectionKeysWritten(*text, section, group);
        } else {
            for (const auto& [key, value] : group) text = WithKeyWritten(*text, section, key, value);
        }
    }
    // Storing what the file already holds (the columns saved again unchanged) leaves it untouched.
    if (!text || text == old) return true;
    const bool written = WriteFileAtomically(file, *text, sync);
    Cache().Forget(file);
    return written;
}

bool WriteIni(std::string_view section, std::string_view key, std::string_view value, const std::string& file)
{
    return WriteIniKeys({IniKeyValue{std::string(section), std::string(key), std::string(value)}}, file);
}

void DeleteIniSection(std::string section, const std::string& file)
{
    if (section.empty() || section.front() != '[') section.insert(section.begin(), '[');
    if (section.back() != ']') section += ']';
    const std::string header = Utf8ToCp1252(section);

    const std::optional<std::string> old = ReadWholeFile(file);
    if (!old) return;

    // The work file beside the file keeps the old content until the rewrite is complete.
    std::string workFile = file;
    workFile.back() = '_';
    if (workFile == file || !WriteFileAtomically(workFile, *old)) return;

    std::string text;
    text.reserve(old->size());
    bool skipping = false;
    for (const IniLine& line : ScanIniLines(*old)) {
        const std::string_view content(old->data() + line.begin, line.contentEnd - line.begin);
        if (content.starts_with(header)) {
            skipping = true;
        } else if (skipping && content.starts_with('[')) {
            skipping = false;
        }
        if (!skipping) {
            text += content;
            text += "\r\n";
        }
    }
    // Written or refused (a read-only file), the file is whole either way: the copy goes.
    WriteFileAtomically(file, text);
    std::error_code ec;
    fs::remove(FsPath(workFile), ec);
    Cache().Forget(file);
}
