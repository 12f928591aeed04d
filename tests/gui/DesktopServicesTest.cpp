#include "common/gui/DesktopServices.h"

#include "gui/support/FakeServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Waits for the next modal message box, notes what it shows and lets `answer` close it. The
// watcher gives up after a while so that a box that never comes cannot hang the test.
class BoxWatcher {
public:
    explicit BoxWatcher(std::function<void(QMessageBox&)> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    const SeenBox& Seen() const { return m_seen; }

private:
    void Poll()
    {
        if (++m_polls > 500) {
            m_timer.stop();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        m_timer.stop();
        m_seen.seen = true;
        m_seen.title = box->windowTitle();
        m_seen.text = box->text();
        m_seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            m_seen.buttons << button->text();
        m_answer(*box);
    }

    std::function<void(QMessageBox&)> m_answer;
    QTimer m_timer;
    SeenBox m_seen;
    int m_polls = 0;
};

void ClickButton(QMessageBox& box, QMessageBox::StandardButton which)
{
    box.button(which)->click();
}

} // namespace

TEST(QtDesktopServices, MessageBoxesHaveTheTitleTheIconAndAGermanOkButton)
{
    QtDesktopServices desktop;
    const struct {
        int kind;
        QMessageBox::Icon icon;
    } kinds[] = {
        {kMessageInformation, QMessageBox::Information},
        {kMessageWarning, QMessageBox::Warning},
        {kMessageCritical, QMessageBox::Critical},
        {kMessageQuestion, QMessageBox::Question},
    };
    for (const auto& k : kinds) {
        BoxWatcher watcher([](QMessageBox& box) { ClickButton(box, QMessageBox::Ok); });
        desktop.ShowMessage("Datei fehlt ", k.kind, "Kestrel Pinwall-Builder");
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.seen) << "kind " << k.kind;
        EXPECT_EQ(seen.title, "Kestrel Pinwall-Builder");
        EXPECT_EQ(seen.text, "Datei fehlt ");
        EXPECT_EQ(seen.icon, k.icon);
        EXPECT_EQ(seen.buttons, QStringList({"OK"}));
    }
}

TEST(QtDesktopServices, OtherKindsShowNoBox)
{
    QtDesktopServices desktop;
    for (int kind : {0, 5, 6, -1}) {
        BoxWatcher watcher([](QMessageBox& box) { box.close(); });
        desktop.ShowMessage("nichts", kind, "Titel"); // returns at once: nothing to wait for
        QTest::qWait(30);
        EXPECT_FALSE(watcher.Seen().seen) << "kind " << kind;
    }
}

TEST(QtDesktopServices, YesNoQuestionsHaveGermanButtons)
{
    QtDesktopServices desktop;
    {
        BoxWatcher watcher([](QMessageBox& box) { ClickButton(box, QMessageBox::Yes); });
        EXPECT_TRUE(desktop.AskYesNo("Eintrag 'x' wirklich löschen ?", "Kestrel Pinwall-Builder"));
        const SeenBox& seen = watcher.Seen();
        ASSERT_TRUE(seen.seen);
        EXPECT_EQ(seen.title, "Kestrel Pinwall-Builder");
        EXPECT_EQ(seen.text, "Eintrag 'x' wirklich löschen ?");
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_TRUE(seen.buttons.contains("Ja"));
        EXPECT_TRUE(seen.buttons.contains("Nein"));
        EXPECT_EQ(seen.buttons.size(), 2);
    }
    {
        BoxWatcher watcher([](QMessageBox& box) { ClickButton(box, QMessageBox::No); });
        EXPECT_FALSE(desktop.AskYesNo("Frage", "Titel"));
    }
    {
        BoxWatcher watcher([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        EXPECT_FALSE(desktop.AskYesNo("Frage", "Titel"));
        EXPECT_TRUE(watcher.Seen().seen);
    }
}

TEST(Services, AFakeReplacesTheDesktopUntilItIsGone)
{
    DesktopServices* real = &Services();
    EXPECT_NE(dynamic_cast<QtDesktopServices*>(real), nullptr);
    {
        FakeServices outer;
        EXPECT_EQ(&Services(), &outer);
        {
            FakeServices inner;
            EXPECT_EQ(&Services(), &inner);
            Services().Beep();
            EXPECT_EQ(inner.beeps, 1);
        }
        EXPECT_EQ(&Services(), &outer);
        EXPECT_EQ(outer.beeps, 0);

        outer.Answer(true);
        outer.Answer(false);
        EXPECT_TRUE(Services().AskYesNo("eins", "T"));
        EXPECT_FALSE(Services().AskYesNo("zwei", "T"));
        ASSERT_EQ(outer.questions.size(), 2u);
        EXPECT_EQ(outer.questions[1].text, "zwei");

        EXPECT_TRUE(Services().OpenUrl(QUrl("https://example.org/")));
        ASSERT_EQ(outer.urls.size(), 1u);
        EXPECT_EQ(outer.urls[0], QUrl("https://example.org/"));
    }
    EXPECT_EQ(&Services(), real);
}
