#include "output/PagePictures.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ImagesFolder, CopiesMissingPicturesAndReplacesNothingItCouldNotList)
{
    ScratchFolder dir;
    dir.Put("Library/logo.jpg", "new logo");
    dir.Put("images/logo.jpg", "old logo");
    const std::string source = dir.Path("Library/logo.jpg");

    ImagesFolder listed(dir.Folder() + "images/");
    listed.CopyIfMissing(source, "logo.jpg");
    listed.CopyIfMissing(source, "other.jpg");
    EXPECT_EQ(dir.Take("images/logo.jpg"), "old logo");
    EXPECT_EQ(dir.Take("images/other.jpg"), "new logo");

    // Listed while missing; the pictures that are there now are unknown to it.
    ImagesFolder unlisted(dir.Folder() + "later/");
    dir.Put("later/logo.jpg", "old logo");
    unlisted.CopyIfMissing(source, "logo.jpg");
    unlisted.CopyIfMissing(source, "other.jpg");
    EXPECT_EQ(dir.Take("later/logo.jpg"), "old logo");
    EXPECT_FALSE(dir.Has("later/other.jpg"));
    unlisted.CopyReplacing(source, "back.gif");  // the page's own pictures follow its choice
    EXPECT_EQ(dir.Take("later/back.gif"), "new logo");
}
