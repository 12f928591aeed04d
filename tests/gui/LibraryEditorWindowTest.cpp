// PinEdit's editor window: selecting brings an entry's file names into line with its display name,
// storing keeps the logo with the entry, deleting asks first.
#include "PinEditTestFixture.h"

#include "libedit/LibraryCheckWindow.h"

#include <QLabel>
#include <QTest>

TEST_F(PinEditTest, AnEntryWithoutNameIsNamedFromItsFileRenamedAndSelectedAgain)
{
    Entry("aaa.web", "Aaa", "http://aaa.de", "aaa.jpg");
    Entry("Web_Seite.web", "", "http://www.web-seite.de");
    Entry("zeit.web", "Zeit", "http://www.zeit.de", "zeit.jpg");
    Open();
    EXPECT_EQ(window->Files(), (std::vector<std::string>{"aaa.web", "Web_Seite.web", "zeit.web"}));

    // A click on the first item, then the arrow key onto the second, as the user selects.
    QListWidget& list = Child<QListWidget>("File2");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(Box("txtEntry"), "Aaa");
    QTest::keyClick(&list, Qt::Key_Down);

    EXPECT_FALSE(dir.Has("Web_Seite.web"));
    EXPECT_EQ(Key("web_seite.web", "Entry"), "Web Seite");
    EXPECT_EQ(Key("web_seite.web", "Image"), "web_seite.jpg");
    EXPECT_EQ(Key("web_seite.web", "Link"), "http://www.web-seite.de");
    EXPECT_EQ(window->Files(), (std::vector<std::string>{"aaa.web", "web_seite.web", "zeit.web"}));
    EXPECT_EQ(SelectedFile(), "web_seite.web");
    EXPECT_EQ(Box("txtEntry"), "Web Seite");
    EXPECT_EQ(Box("txtLink"), "http://www.web-seite.de");
    EXPECT_EQ(Box("txtImage"), "web_seite.jpg");

    // The keyboard goes on from the renamed item.
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(SelectedFile(), "zeit.web");
    EXPECT_EQ(Box("txtEntry"), "Zeit");
}

TEST_F(PinEditTest, SelectionRenamesEntryFileAndLogoToTheStemButNothingWhenNamesAgree)
{
    Entry("mueller_s_shop.web", "Müller's Shop", "http://mueller.de", "mueller_s_shop.jpg");
    Logo("mueller_s_shop.jpg", 50);
    Entry("zeit.web", "Zeit", "http://www.zeit.de", "zeit.jpg");
    Logo("zeit.jpg", 30);
    Entry("leer.web", "Leer", "http://leer.de", "leer.jpg");
    Open();

    const auto stamp = std::filesystem::last_write_time(dir.Path("zeit.web"));
    Select("zeit.web");
    EXPECT_EQ(std::filesystem::last_write_time(dir.Path("zeit.web")), stamp);
    EXPECT_EQ(Child<QLabel>("picImage").pixmap().width(), 30);

    Select("mueller_s_shop.web");
    EXPECT_FALSE(dir.Has("mueller_s_shop.web"));
    EXPECT_FALSE(dir.Has("mueller_s_shop.jpg"));
    EXPECT_TRUE(dir.Has("muellers_shop.jpg"));
    EXPECT_EQ(Key("muellers_shop.web", "Image"), "muellers_shop.jpg");
    EXPECT_EQ(Key("muellers_shop.web", "Entry"), "Müller's Shop");
    EXPECT_EQ(SelectedFile(), "muellers_shop.web");
    EXPECT_EQ(Box("txtImage"), "muellers_shop.jpg");
    EXPECT_EQ(Child<QLabel>("picImage").pixmap().width(), 50);

    // An entry without a logo file shows no picture, not the one shown before.
    Select("leer.web");
    EXPECT_TRUE(Child<QLabel>("picImage").pixmap().isNull());
}

TEST_F(PinEditTest, TypedNamesSuggestALogoNameAndSelectionRemovesThePunctuation)
{
    Entry("alt.web", "Alt", "http://alt.de", "alt.jpg");
    Open();
    Select("alt.web");
    Child<QLineEdit>("txtEntry").clear();
    QTest::keyClicks(&Child<QLineEdit>("txtEntry"), "A.B");
    EXPECT_EQ(Box("txtImage"), "a.b.jpg");

    Click("Command1");
    EXPECT_EQ(Key("alt.web", "Entry"), "A.B");
    EXPECT_EQ(Key("alt.web", "Image"), "a.b.jpg");
    window->RefreshFiles();
    Select("alt.web");
    EXPECT_EQ(Box("txtImage"), "ab.jpg");
    EXPECT_EQ(SelectedFile(), "ab.web");
    EXPECT_EQ(Key("ab.web", "Image"), "ab.jpg");
}

TEST_F(PinEditTest, StoreWritesTheFourValuesAndTheLogoFollowsANewName)
{
    Entry("alt.web", "Alt", "http://alt.de", "alt.jpg");
    Logo("alt.jpg", 44);
    Entry("besetzt.web", "Besetzt", "http://besetzt.de", "besetzt.jpg");
    dir.Put("besetzt.jpg", "other logo");
    Open();

    Select("alt.web");
    Child<QLineEdit>("txtEntry").setText("Neu");
    Child<QLineEdit>("txtLink").setText("http://neu.de");
    Child<QLineEdit>("txtInfo").setText("Neues Info");
    Click("Command1");
    EXPECT_EQ(dir.Take("alt.web"), "[PinCard]\r\nEntry=Neu\r\nLink=http://neu.de\r\nImage=neu.jpg\r\nInfo=Neues Info\r\n");
    EXPECT_FALSE(dir.Has("alt.jpg"));
    ASSERT_TRUE(dir.Has("neu.jpg"));

    // The next selection renames the entry file; the logo is found under its name.
    window->RefreshFiles();
    Select("alt.web");
    EXPECT_EQ(SelectedFile(), "neu.web");
    EXPECT_EQ(Child<QLabel>("picImage").pixmap().width(), 44);

    // The name of another entry is refused: the next selection would show that entry instead,
    // for good. Nothing changes and ours stays reachable under its own name.
    EXPECT_TRUE(desktop.messages.empty());
    const auto before = Contents();
    Child<QLineEdit>("txtEntry").setText("Besetzt");
    Click("Command1");
    EXPECT_EQ(Contents(), before);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Datei 'besetzt.web' existiert bereits. Bitte Bezeichnung ändern.   ");
    EXPECT_EQ(desktop.messages[0].kind, kMessageInformation);
    Select("neu.web");
    EXPECT_EQ(SelectedFile(), "neu.web");
    EXPECT_EQ(Box("txtEntry"), "Neu");

    // A logo left without its entry file holds the new name: it stays as it is, ours keeps its name.
    dir.Put("frei.jpg", "stray logo");
    Child<QLineEdit>("txtEntry").setText("Frei");
    Click("Command1");
    EXPECT_EQ(dir.Take("frei.jpg"), "stray logo");
    EXPECT_TRUE(dir.Has("neu.jpg"));
    EXPECT_EQ(Key("neu.web", "Entry"), "Frei");
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(PinEditTest, StoreRefusesNamesThatCannotNameFilesAndSuchNamesRenameNothing)
{
    Entry("punkte.web", "...", "http://punkte.de", "punkte.jpg");
    Logo("punkte.jpg");
    Open();
    const auto before = Contents();

    Select("punkte.web");
    EXPECT_EQ(Contents(), before);  // no ".web", no ".jpg"
    EXPECT_EQ(SelectedFile(), "punkte.web");
    EXPECT_EQ(Box("txtImage"), "punkte.jpg");

    Click("Command1");
    Child<QLineEdit>("txtEntry").setText(" Punkte");
    Click("Command1");
    Child<QLineEdit>("txtEntry").setText("Ωmega");
    Click("Command1");
    EXPECT_EQ(Contents(), before);
    ASSERT_EQ(desktop.messages.size(), 3u);
    EXPECT_EQ(desktop.messages[0].text, "Der Name muss mindestens einen Buchstaben oder eine Ziffer enthalten.   ");
    const QString western = "Der Name darf nur Zeichen des westeuropäischen Zeichensatzes enthalten und nicht mit "
                            "einem Leerzeichen beginnen oder enden.   ";
    EXPECT_EQ(desktop.messages[1].text, western);
    EXPECT_EQ(desktop.messages[2].text, western);
}

TEST_F(PinEditTest, RenamesNeverReplaceFilesOfOtherEntries)
{
    // The stem of "Zeit" is taken by another entry's files.
    Entry("Zeit_alt.web", "Zeit", "http://alt.zeit.de", "Zeit_alt.jpg");
    dir.Put("Zeit_alt.jpg", "old logo");
    Entry("zeit.web", "Zeit", "http://www.zeit.de", "zeit.jpg");
    dir.Put("zeit.jpg", "zeit logo");
    // Two entries each named for the other's file.
    Entry("a.web", "B");
    Entry("b.web", "A");
    // A logo name that reaches outside the folder names no file.
    std::filesystem::create_directory(dir.Path("sub"));
    Entry("c.web", "C", "http://c.de", "sub/c.jpg");
    dir.Put("sub/c.jpg", "kept");
    Open();

    Select("Zeit_alt.web");
    EXPECT_EQ(dir.Take("zeit.jpg"), "zeit logo");
    EXPECT_EQ(dir.Take("Zeit_alt.jpg"), "old logo");
    EXPECT_EQ(Key("Zeit_alt.web", "Image"), "zeit.jpg");  // written even though the logo kept its name
    EXPECT_EQ(Key("zeit.web", "Link"), "http://www.zeit.de");
    EXPECT_EQ(SelectedFile(), "zeit.web");  // the entry that holds the name is shown
    EXPECT_EQ(Box("txtLink"), "http://www.zeit.de");

    Select("a.web");
    EXPECT_EQ(Key("a.web", "Entry"), "B");
    EXPECT_EQ(Key("b.web", "Entry"), "A");

    Select("c.web");
    EXPECT_EQ(dir.Take("sub/c.jpg"), "kept");
    EXPECT_EQ(Key("c.web", "Image"), "c.jpg");
    EXPECT_FALSE(dir.Has("c.jpg"));
}

TEST_F(PinEditTest, StoreAndDeleteWithNothingSelectedAndNoToTheQuestionChangeNothing)
{
    Entry("mein_wetter.web", "Mein Wetter!", "http://wetter.de", "mein_wetter.jpg");
    Logo("mein_wetter.jpg");
    Entry("zeit.web", "Zeit", "http://www.zeit.de", "zeit.jpg");
    Open();
    const auto before = Contents();
    Child<QLineEdit>("txtEntry").setText("Irgendwas");
    Click("Command1");
    Click("Command2");
    EXPECT_TRUE(desktop.questions.empty());

    Select("mein_wetter.web");
    desktop.Answer(false);
    Click("Command2");
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, "'mein_wetter.web' und dazugehörende Image-Datei löschen ?");
    EXPECT_EQ(Contents(), before);

    desktop.Answer(true);
    Click("Command2");
    EXPECT_FALSE(dir.Has("mein_wetter.web"));
    EXPECT_FALSE(dir.Has("mein_wetter.jpg"));
    EXPECT_TRUE(dir.Has("zeit.web"));
    EXPECT_EQ(window->Files(), std::vector<std::string>{"zeit.web"});
    EXPECT_EQ(Box("txtEntry"), "Mein Wetter!");  // the boxes keep what they showed

    // With the list refreshed nothing is selected: Store cannot bring the deleted entry back.
    Click("Command1");
    EXPECT_FALSE(dir.Has("mein_wetter.web"));
}

TEST_F(PinEditTest, DeleteRemovesOnlyTheEntrysOwnFilesWhateverTheBoxesHold)
{
    Entry("zeit.web", "Zeit", "http://www.zeit.de", "zeit.jpg");
    dir.Put("zeit.jpg", "zeit logo");
    Entry("zeit_online.web", "Zeit Online", "http://www.zeit.de/online", "zeit_online.jpg");
    dir.Put("zeit_online.jpg", "online logo");
    // Two entries that name one logo, in different case.
    Entry("geteilt.web", "Geteilt", "http://geteilt.de", "geteilt.jpg");
    Entry("zweit.web", "Zweit", "http://zweit.de", "Geteilt.jpg");
    dir.Put("geteilt.jpg", "shared logo");
    dir.Put("PinEdit", "the program");
    Open();

    Select("zeit_online.web");
    Child<QLineEdit>("txtEntry").setText("Zeit");
    Click("Command1");  // refused: the name is the other entry's
    desktop.Answer(true);
    Click("Command2");
    EXPECT_EQ(dir.Take("zeit.jpg"), "zeit logo");
    EXPECT_FALSE(dir.Has("zeit_online.web"));
    EXPECT_FALSE(dir.Has("zeit_online.jpg"));

    Select("geteilt.web");
    Child<QLineEdit>("txtImage").setText("zeit.web");
    desktop.Answer(true);
    Click("Command2");
    EXPECT_FALSE(dir.Has("geteilt.web"));
    EXPECT_EQ(dir.Take("geteilt.jpg"), "shared logo");  // the other entry's too
    EXPECT_TRUE(dir.Has("zeit.web"));

    Select("zeit.web");
    Child<QLineEdit>("txtImage").setText("PinEdit");
    desktop.Answer(true);
    Click("Command2");
    EXPECT_EQ(dir.Take("PinEdit"), "the program");
    EXPECT_FALSE(dir.Has("zeit.jpg"));
    EXPECT_EQ(window->Files(), std::vector<std::string>{"zweit.web"});
}

TEST_F(PinEditTest, ANameWithASeparatorIsRefusedAndTheLogoStaysWithItsEntry)
{
    Entry("band.web", "Band", "http://band.de", "band.jpg");
    Logo("band.jpg", 44);
    Open();
    Select("band.web");
    const auto before = Contents();
    for (const char* name : {"AC/DC", "AC\\DC"}) {
        Child<QLineEdit>("txtEntry").setText(name);
        Child<QLineEdit>("txtLink").setFocus();
        Click("Command1");
        EXPECT_EQ(window->focusWidget(), &Child<QLineEdit>("txtEntry")) << name;
    }
    EXPECT_EQ(Contents(), before);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, desktop.messages[1].text);
    EXPECT_EQ(desktop.messages[1].text, "Der Name darf die Zeichen / und \\ nicht enthalten.   ");
    EXPECT_EQ(desktop.messages[1].kind, kMessageInformation);
    Select("band.web");
    EXPECT_EQ(Child<QLabel>("picImage").pixmap().width(), 44);
}

TEST_F(PinEditTest, AClickOnTheSelectedEntrySelectsItAgainAndTheListIsReadBeforeEachCheck)
{
    Entry("alt.web", "Alt", "http://alt.de", "alt.jpg");
    Open();
    Select("alt.web");
    Child<QLineEdit>("txtEntry").setText("Neu");
    Click("Command1");
    QListWidget& list = Child<QListWidget>("File2");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(SelectedFile(), "neu.web");

    // Another program adds an entry: the selection and what was typed stay.
    Entry("aaa.web", "Aaa", "http://aaa.de", "aaa.jpg");
    Child<QLineEdit>("txtInfo").setText("getippt");
    window->ShowCheck().RunCheck(LibraryCheck::Link);
    EXPECT_EQ(window->Files(), (std::vector<std::string>{"aaa.web", "neu.web"}));
    EXPECT_EQ(SelectedFile(), "neu.web");
    EXPECT_EQ(Box("txtInfo"), "getippt");

    // ... and deletes ours: the check passes over it, and Store does not bring it back.
    std::filesystem::remove(dir.Path("neu.web"));
    window->ShowCheck().RunCheck(LibraryCheck::Link);
    EXPECT_EQ(window->ShowCheck().Log(), "\r\naaa.web - http://aaa.de");
    EXPECT_EQ(window->SelectedIndex(), -1);
    Click("Command1");
    EXPECT_FALSE(dir.Has("neu.web"));
}
