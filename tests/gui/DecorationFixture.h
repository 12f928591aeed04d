// The decoration windows' tests: a page in a temporary program folder with pictures, forms and
// banners put where the windows look for them.
#pragma once

#include "MainWindowTestFixture.h"

#include "controls/XPButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <filesystem>
#include <memory>

class DecorationTest : public MainWindowTest {
protected:
    // A picture file of one colour; the name's extension does not decide its format, its
    // content does, as for the sample pictures.
    void Picture(const std::string& file, QColor colour, int width = 8, int height = 6)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(colour);
        std::filesystem::create_directories(std::filesystem::path(program.dir.Path(file)).parent_path());
        ASSERT_TRUE(picture.save(QString::fromStdString(program.dir.Path(file)), "PNG"));
    }
    void Put(const std::string& file, const std::string& text = "") { program.dir.Put(file, text); }

    static QStringList Texts(const QListWidget& list)
    {
        QStringList texts;
        for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
        return texts;
    }
    // Clicks the list's item with the mouse, as the user picks it.
    static void ClickItem(QListWidget& list, const QString& text)
    {
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list.scrollToItem(found.front());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
    }
    // Opens a decoration window and waits until it is on screen; Child and Press reach its parts.
    template <typename Window> void Show(std::unique_ptr<Window>& window, auto... args)
    {
        window = std::make_unique<Window>(context, args...);
        window->Open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        shown = window.get();
    }
    template <typename T> T& Child(const char* name) const
    {
        T* child = shown->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    void Press(const char* button) const { Child<ccXPButton>(button).click(); }
    static void ClickBox(QCheckBox& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2)); }
    // The colour of the preview's pixel, or an invalid colour when it shows nothing.
    static QColor PreviewPixel(const QLabel& preview, int x = 1, int y = 1)
    {
        const QPixmap pixmap = preview.pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(x, y);
    }

    QWidget* shown = nullptr;
};
