// PinEdit's editor window on a library folder of its own (the program lies in it), with a
// desktop that answers questions and records messages.
#pragma once

#include "common/AppPaths.h"
#include "common/CodePage.h"
#include "common/Ini.h"
#include "core/support/ScratchFolder.h"
#include "document/EntryFile.h"
#include "gui/support/FakeServices.h"
#include "libedit/LibraryEditorWindow.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class PinEditTest : public testing::Test {
protected:
    PinEditTest() { InitAppPaths(paths, dir.Path("PinEdit")); }

    // An entry file with the keys given (an empty value leaves the key out).
    void Entry(const std::string& file, const std::string& entry, const std::string& link = "http://www.example.org",
               const std::string& image = "")
    {
        std::string body = "[PinCard]\r\n";
        if (!entry.empty()) body += "Entry=" + entry + "\r\n";
        if (!link.empty()) body += "Link=" + link + "\r\n";
        if (!image.empty()) body += "Image=" + image + "\r\n";
        dir.Put(file, Utf8ToCp1252(body));  // entry files are Windows-1252 on disk
    }

    void Logo(const std::string& file, int width = 40)
    {
        QImage logo(width, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        ASSERT_TRUE(logo.save(QString::fromStdString(dir.Path(file)), "JPG"));
    }

    std::string Key(const std::string& file, const std::string& key) { return ReadEntryKey(dir.Path(file), key); }

    // Every file of the folder with its bytes.
    std::map<std::string, std::string> Contents() const
    {
        std::map<std::string, std::string> files;
        for (const auto& item : std::filesystem::directory_iterator(dir.Folder()))
            files[item.path().filename().string()] = dir.Take(item.path().filename().string());
        return files;
    }

    void Open()
    {
        window = std::make_unique<Form1>(paths);
        window->show();
    }

    // Selects the list item of that file name as a click does.
    void Select(const std::string& file)
    {
        const auto& files = window->Files();
        const auto it = std::find(files.begin(), files.end(), file);
        ASSERT_NE(it, files.end()) << file;
        window->SelectFile(static_cast<int>(it - files.begin()));
    }

    std::string SelectedFile() const
    {
        const int index = window->SelectedIndex();
        return index < 0 ? std::string() : window->Files()[static_cast<std::size_t>(index)];
    }

    template <typename T> T& Child(const char* name) const
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    QString Box(const char* name) const { return Child<QLineEdit>(name).text(); }
    void Click(const char* button) const { Child<QPushButton>(button).click(); }

    ScratchFolder dir;
    AppPaths paths;
    FakeServices desktop;
    std::unique_ptr<Form1> window;
};
