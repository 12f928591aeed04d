// "Speichern / HTML erstellen" from the editor: the page is written, a failure is reported, and
// the preview follows the option.
#include "app/PreviewLink.h"
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "common/Ini.h"
#include "editor/MainWindow.h"

#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QTest>
#include <QStandardPaths>
#include <gtest/gtest.h>

class GenerateFromEditorTest : public testing::Test {
protected:
    GenerateFromEditorTest()
    {
        previousEnd = SetEndProgramHandler([] {});
        dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n[Heise]\r\nLink=www.heise.de\r\n");
        WriteIni("PinwallEdit", "LastEdit", "Home", dir.Path("Pinwall-Builder.ini"));
        windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder")));
        ColumnLists columns;
        columns[1] = {"Heise"};
        windows.Editor().SetColumnLists(columns);
    }
    ~GenerateFromEditorTest() override
    {
        SetEndProgramHandler(previousEnd);
        QApplication::closeAllWindows();
    }

    ScratchFolder dir;
    FakeServices services;
    ProgramWindows windows;
    std::function<void()> previousEnd;
};

TEST_F(GenerateFromEditorTest, StoresTheColumnsAndWritesThePageWithoutAPreviewWhenUnticked)
{
    windows.Editor().SetPreviewChecked(false);
    windows.GeneratePage();
    EXPECT_EQ(ReadIni("Spalte2", "Eintrag1", dir.Path("PnwFiles/Home.pnw")), "Heise");
    const std::string html = dir.Take("Pinwall/Home/index.html");
    EXPECT_NE(html.find("http://www.heise.de"), std::string::npos);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(GenerateFromEditorTest, AFailedWriteIsReported)
{
    std::filesystem::remove_all(dir.Path("Pinwall/Home"));
    dir.Put("Pinwall/Home", "a file where the page folder belongs");
    windows.GeneratePage();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Fehler beim Schreiben der Datei. ");
    EXPECT_EQ(services.messages[0].kind, 2);
    EXPECT_EQ(services.messages[0].title, "Kestrel Pinwall-Builder");
}

TEST_F(GenerateFromEditorTest, ThePreviewProgramShowsThePageAtTheTopLeftSizedForTheColumns)
{
    PreviewLink& preview = windows.Preview();
    int reports = 0;
    QObject::connect(&preview, &PreviewLink::shown, [&] { ++reports; });
    const QString page = QString::fromStdString(dir.Path("Pinwall/Home/index.html"));

    // Started early, once the editor is shown; the first page goes to that program.
    windows.PreparePreview();
    const qint64 program = preview.ProcessId();
    ASSERT_NE(program, 0);
    windows.Context().Page.Columns = 4;
    windows.GeneratePage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reports == 1; }, 60000)) << "no page shown";
    EXPECT_TRUE(preview.LastShown()->ok);
    EXPECT_EQ(preview.LastShown()->file, page);
    EXPECT_EQ(preview.LastShown()->frame, QRect(0, 0, 19125 / 15, 14820 / 15)) << "outer size for four columns";

    // With two columns the window keeps its size; the running program shows the page again.
    windows.Context().Page.Columns = 2;
    windows.GeneratePage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return reports == 2; }, 30000)) << "the later page was not shown";
    EXPECT_EQ(preview.LastShown()->frame, QRect(0, 0, 19125 / 15, 14820 / 15));
    EXPECT_EQ(preview.ProcessId(), program);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(GenerateFromEditorTest, APreviewProgramThatCannotStartOrEndsAtOnceIsAFailedPreview)
{
    for (const QString& program : {QString::fromStdString(dir.Path("no-such-program")),
                                   QStandardPaths::findExecutable(QStringLiteral("false"))}) {
        services.messages.clear();
        windows.Preview().SetProgram(program);
        windows.GeneratePage();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !services.messages.empty(); }, 10000)) << program.toStdString();
        EXPECT_EQ(services.messages[0].text, "Fehler beim Schreiben der Datei. ");
        EXPECT_EQ(services.messages[0].kind, 2);
        EXPECT_TRUE(dir.Has("Pinwall/Home/index.html")) << "the page itself is written";
    }
}
