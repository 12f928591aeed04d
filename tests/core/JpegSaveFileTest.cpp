// cJpeg::SaveFile: return codes 0, 1 and 2, the stream written in one piece, no file on error.
#include "core/support/JpegDecode.h"
#include "imaging/Jpeg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

class JpegSaveFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("pinwall-jpeg-" + std::to_string(random()));
        fs::create_directories(folder_);
        ASSERT_EQ(encoder_.SampleHDC(&source_, 33, 17, 0, 0), 0);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    static std::vector<std::uint8_t> ReadAll(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path folder_;
    JpegTestSurface source_ = MakeGradientPicture(33, 17);
    cJpeg encoder_;
};

} // namespace

TEST_F(JpegSaveFile, WritesTheSameStreamAsInMemory)
{
    const std::string path = PathOf("logo.jpg");
    EXPECT_EQ(encoder_.SaveFile(path), 0);
    const auto written = ReadAll(path);
    EXPECT_EQ(written, encoder_.EncodeToMemory());
    const DecodedJpeg decoded = DecodeJpeg(written);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, 33);
    EXPECT_EQ(decoded.height, 17);
}

TEST_F(JpegSaveFile, TakesUtf8Names)
{
    const std::string path = PathOf("Grüße.jpg");
    EXPECT_EQ(encoder_.SaveFile(path), 0);
    EXPECT_TRUE(fs::exists(folder_ / fs::path(u8"Grüße.jpg")));
}

TEST_F(JpegSaveFile, EmptyNameReturnsOne)
{
    EXPECT_EQ(encoder_.SaveFile(""), 1);
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(JpegSaveFile, ExistingFileReturnsTwoAndStaysUntouched)
{
    const fs::path path = folder_ / "old.jpg";
    {
        std::ofstream(path, std::ios::binary) << "keep me";
    }
    const auto before = fs::last_write_time(path);
    EXPECT_EQ(encoder_.SaveFile(path.string()), 2);
    EXPECT_EQ(ReadAll(path), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
    EXPECT_EQ(fs::last_write_time(path), before);
}

TEST_F(JpegSaveFile, ReadOnlyFileCountsAsExisting)
{
    const fs::path path = folder_ / "readonly.jpg";
    {
        std::ofstream(path, std::ios::binary) << "x";
    }
    fs::permissions(path, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(encoder_.SaveFile(path.string()), 2);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace);
}

TEST_F(JpegSaveFile, DanglingLinkCountsAsExisting)
{
    const fs::path link = folder_ / "link.jpg";
    fs::create_symlink(folder_ / "nowhere.jpg", link);
    EXPECT_EQ(encoder_.SaveFile(link.string()), 2);
    EXPECT_FALSE(fs::exists(folder_ / "nowhere.jpg"));
}

TEST_F(JpegSaveFile, AFolderOfThatNameIsNoFileButCannotBeWritten)
{
    const fs::path path = folder_ / "folder.jpg";
    fs::create_directory(path);
    try {
        encoder_.SaveFile(path.string());
        ADD_FAILURE() << "no error";
    } catch (const JpegError& e) {
        EXPECT_EQ(e.Number(), 75);
    }
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(JpegSaveFile, MissingFolderRaisesAndWritesNothing)
{
    EXPECT_THROW(encoder_.SaveFile(PathOf("missing/logo.jpg")), JpegError);
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(JpegSaveFile, EncoderErrorLeavesNoFile)
{
    cJpeg unsampled;
    const std::string path = PathOf("broken.jpg");
    try {
        unsampled.SaveFile(path);
        ADD_FAILURE() << "no error";
    } catch (const JpegError& e) {
        EXPECT_STREQ(e.what(), "Bad Huffman Table");
    }
    EXPECT_FALSE(fs::exists(path));
}
