#include "document/BookmarkChoice.h"
#include "document/BookmarksFile.h"

#include <gtest/gtest.h>

namespace {

// Rows: 0 Reisen, 1 Bahn, 2 Inland, 3 Karten, 4 Post (skipped), 5 Wetter, 6 Google (in the library).
BookmarkNode Tree()
{
    return *ParseBookmarksHtml("<DL><p><DT><H3>Reisen</H3><DL><p>"
                               "<DT><A HREF=\"https://bahn.example/\">Bahn</A>"
                               "<DT><H3>Inland</H3><DL><p>"
                               "<DT><A HREF=\"https://karten.example/\">Karten</A>"
                               "<DT><A HREF=\"mailto:a@b.example\">Post</A>"
                               "</DL><p></DL><p>"
                               "<DT><A HREF=\"https://wetter.example/\">Wetter</A>"
                               "<DT><A HREF=\"https://www.google.de/\">Google</A></DL><p>");
}

LibraryIndex Library() { return {{"google", "wetter"}, {"https://www.google.de/"}}; }

} // namespace

TEST(BookmarkChoiceTest, AFolderTicksTheNewBookmarksBelowItAndShowsWhenOnlySomeAreTicked)
{
    const BookmarkNode tree = Tree();
    BookmarkChoice choice(tree, Library());
    ASSERT_EQ(choice.Rows().size(), 7u);
    EXPECT_EQ(choice.TickedCount(), 0) << "nothing is ticked at first";
    EXPECT_EQ(choice.TickableCount(), 3);
    EXPECT_FALSE(choice.Tickable(4)) << "a skipped bookmark";
    EXPECT_FALSE(choice.Tickable(6)) << "one the library holds";

    choice.SetTicked(0, true);
    EXPECT_EQ(choice.State(0), TickState::Ticked);
    EXPECT_EQ(choice.State(2), TickState::Ticked) << "the inner folder, its skipped bookmark left out";
    EXPECT_EQ(choice.State(4), TickState::Clear);
    choice.SetTicked(3, false);
    EXPECT_EQ(choice.State(0), TickState::Partly);
    EXPECT_EQ(choice.State(2), TickState::Clear);
    choice.SetTicked(6, true);
    EXPECT_EQ(choice.State(6), TickState::Clear) << "only new bookmarks can be ticked";

    choice.SetAll(true);
    std::vector<std::string> chosen;
    for (const ImportItem* item : choice.Chosen()) chosen.push_back(item->name);
    EXPECT_EQ(chosen, (std::vector<std::string>{"Bahn", "Karten", "Wetter 2"}));
    choice.SetAll(false);
    EXPECT_EQ(choice.TickedCount(), 0);
    EXPECT_EQ(choice.State(0), TickState::Clear);
}

TEST(BookmarkChoiceTest, ANewNameIsRefusedWhereTheNewEntryDialogRefusesItOrItsFilesAreTaken)
{
    const struct {
        std::string name;
        RenameResult result;
    } cases[] = {
        {"", RenameResult::Empty},
        {" Bahn", RenameResult::NotStorable},
        {"Bahn \xE2\x82\xAC\xE2\x98\x83", RenameResult::NotStorable},
        {"...", RenameResult::NoLetterOrDigit},
        {"GOOGLE", RenameResult::Taken},
        {"Karten", RenameResult::Taken},
        {"BAHN", RenameResult::Accepted},
        {"Deutsche Bahn", RenameResult::Accepted},
    };
    for (const auto& c : cases) {
        const BookmarkNode tree = Tree();
        BookmarkChoice choice(tree, Library());
        EXPECT_EQ(choice.Rename(1, c.name), c.result) << c.name;
        EXPECT_EQ(choice.ItemOf(1)->name, c.result == RenameResult::Accepted ? c.name : "Bahn") << c.name;
    }
    const BookmarkNode tree = Tree();
    BookmarkChoice choice(tree, Library());
    ASSERT_EQ(choice.Rename(1, "Deutsche Bahn"), RenameResult::Accepted);
    EXPECT_EQ(choice.Rename(3, "Bahn"), RenameResult::Accepted) << "the old name is free again";
    EXPECT_EQ(choice.Rename(5, "Deutsche Bahn"), RenameResult::Taken);
}
