// A temporary program folder with one open page, for the page generator's tests: keys go into
// the page file, files into the program folder, and the written index.html comes back as text.
#pragma once

#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "document/PageFile.h"
#include "output/PageGenerator.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

#include <string>

class PageGeneratorFixture : public testing::Test {
protected:
    PageGeneratorFixture()
    {
        SetPageNames(program.paths, "Start", page);
        page.Columns = 2;
        page.UseBack = false;
        page.UseWall = false;
    }

    void Key(const std::string& section, const std::string& key, const std::string& value)
    {
        WriteIni(section, key, value, page.PageFile);
    }

    // An entry section with its link, info and image; empty values are left out.
    void Entry(const std::string& section, const std::string& link, const std::string& info = "",
               const std::string& image = "")
    {
        if (!link.empty()) Key(section, "Link", link);
        if (!info.empty()) Key(section, "Info", info);
        if (!image.empty()) Key(section, "Image", image);
    }

    // A list section (DirectSearch, Banner, Footer) with these names.
    void List(const std::string& section, const std::vector<std::string>& names)
    {
        Key(section, "Count", std::to_string(names.size()));
        for (std::size_t i = 0; i < names.size(); ++i) Key(section, "Entry" + std::to_string(i + 1), names[i]);
    }

    // Runs the generator and returns index.html as UTF-8 text.
    std::string Generate()
    {
        result = GeneratePage(program.paths, page, columns);
        EXPECT_TRUE(result.written);
        return Cp1252ToUtf8(ReadWholeFile(result.indexFile).value_or(""));
    }

    // A file of the page's images folder, relative to the program folder.
    static std::string Image(const std::string& name) { return "Pinwall/Start/images/" + name; }

    ProgramFolder program;
    PageState page;
    ColumnLists columns;
    GenerateResult result;
};

// The text between `from` (included) and the next `to` (included); empty when absent.
inline std::string Slice(const std::string& text, const std::string& from, const std::string& to)
{
    const std::size_t start = text.find(from);
    if (start == std::string::npos) return {};
    const std::size_t end = text.find(to, start + from.size());
    if (end == std::string::npos) return {};
    return text.substr(start, end + to.size() - start);
}

inline int Occurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}
