// A column editor on a page of its own in a temporary program folder, with a desktop that
// answers questions and counts beeps.
#pragma once

#include "app/ProgramContext.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/gui/ListHelpers.h"
#include "core/support/ProgramFolder.h"
#include "editor/ColumnListWidget.h"
#include "editor/MainWindow.h"
#include "gui/support/FakeServices.h"

#include <QColor>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <string>

class MainWindowTest : public testing::Test {
protected:
    static constexpr const char* kPage = "Test";

    MainWindowTest()
    {
        context.Paths = program.paths;
        std::string library = context.Paths.LibraryFolder;
        MakePath(library);
        SetPageNames(context.Paths, kPage, context.Page);
        CreatePageFile(context.Paths, kPage);
    }

    // Opens the page as the start window does and lays the editor out.
    frmMain& Open()
    {
        ColumnLists lists;
        StartPageMarks marks;
        OpenPageFromList(context.Paths, kPage, context.Page, lists, marks);
        window = std::make_unique<frmMain>(context);
        window->SetColumnLists(lists);
        window->SetMarks(marks);
        window->SetColumns();
        return *window;
    }

    void PageKey(const std::string& section, const std::string& key, const std::string& value)
    {
        WriteIni(section, key, value, context.Page.PageFile);
    }

    std::string PageValue(const std::string& section, const std::string& key)
    {
        return ReadIni(section, key, context.Page.PageFile);
    }

    // Puts `names` into column `column` (1-based) of the page file.
    void PageColumn(int column, const QStringList& names)
    {
        PageKey(ColumnSection(column), "Count", std::to_string(names.size()));
        for (int place = 1; place <= names.size(); ++place)
            PageKey(ColumnSection(column), ColumnEntryKey(place), names[place - 1].toStdString());
    }

    // A small JPEG logo in the library, `width` pixels wide.
    void LibraryLogo(const std::string& name, int width = 40)
    {
        QImage logo(width, 20, QImage::Format_RGB32);
        logo.fill(QColor(200, 30, 30));
        ASSERT_TRUE(logo.save(QString::fromStdString(context.Paths.LibraryFolder + name), "JPG"));
    }

    static QStringList Texts(const QListWidget& list)
    {
        QStringList texts;
        for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
        return texts;
    }
    QStringList Items(int index) const { return Texts(*window->ColumnList(index)); }

    void Select(int index, int row) { window->ColumnList(index)->setCurrentRow(row); }

    ProgramFolder program;
    ProgramContext context;
    FakeServices desktop;
    std::unique_ptr<frmMain> window;
};
