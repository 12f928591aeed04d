#include "common/IniSnapshot.h"

#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/IniLines.h"

IniSnapshot::IniSnapshot(const std::string& file) : bytes_(ReadWholeFile(file).value_or(std::string()))
{
    Index();
}

IniSnapshot::IniSnapshot(FromBytes, std::string bytes) : bytes_(std::move(bytes))
{
    Index();
}

void IniSnapshot::Index()
{
    std::unordered_map<std::string, std::string_view>* current = nullptr;
    for (const IniLine& line : ScanIniLines(bytes_)) {
        if (line.kind == IniLineKind::Section) {
            auto [it, fresh] = sections_.try_emplace(IniFoldCase(line.name));
            current = fresh ? &it->second : nullptr;  // a later section of the same name is never read
        } else if (line.kind == IniLineKind::Key && current) {
            current->try_emplace(IniFoldCase(line.name), UnquoteIniValue(line.value));
        }
    }
}

std::string IniSnapshot::Read(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const auto s = sections_.find(IniFoldCase(TrimIniName(Utf8ToCp1252(section))));
    if (s == sections_.end()) return std::string(defaultValue);
    const auto k = s->second.find(IniFoldCase(TrimIniName(Utf8ToCp1252(key))));
    if (k == s->second.end() || k->second.empty()) return std::string(defaultValue);
    return Cp1252ToUtf8(k->second.substr(0, kIniMaxValueLength));
}
