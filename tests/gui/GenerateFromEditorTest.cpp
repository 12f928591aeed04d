// "Speichern / HTML erstellen" from the editor: the page is written, a failure is reported, and
// the preview follows the option.
#include "app/PreviewWindow.h"
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "common/Ini.h"
#include "editor/MainWindow.h"

#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QTest>
#include <QWebEngineView>
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

TEST_F(GenerateFromEditorTest, ThePreviewOpensAtTheTopLeftSizedForTheColumnsAndShowsThePage)
{
    windows.Context().Page.Columns = 4;
    windows.GeneratePage();
    frmPreview& preview = windows.Preview();
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.windowTitle(), "Browser-Vorschau");
    EXPECT_EQ(preview.pos(), QPoint(0, 0));
    EXPECT_EQ(preview.frameGeometry().size(), QSize(19125 / 15, 14820 / 15)) << "outer size for four columns";
    EXPECT_EQ(preview.Browser()->size(),
              PreviewBrowserSize(preview.frameGeometry().size(), preview.Browser()->size()).boundedTo(preview.size()));
    const QUrl page = QUrl::fromLocalFile(QString::fromStdString(dir.Path("Pinwall/Home/index.html")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.Browser()->url() == page; }, 10000));
    // Under a window manager the frame, title bar and close button included, lies at the corner.
    if (preview.frameGeometry() != preview.geometry()) {
        EXPECT_EQ(preview.frameGeometry().topLeft(), QPoint(0, 0));
    }
}

TEST_F(GenerateFromEditorTest, APreviewThatTheUserClosedOpensWhereItWas)
{
    windows.GeneratePage();
    frmPreview& preview = windows.Preview();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    preview.move(300, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview.pos() == QPoint(300, 200); }, 1000));
    preview.close();

    windows.GeneratePage();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QTest::qWait(100);
    EXPECT_EQ(preview.pos(), QPoint(300, 200));
}
