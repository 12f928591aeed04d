// The lines between Pinwall-Builder and its preview program: any path passes unchanged, and a
// damaged line is refused instead of shown.
#include "app/PreviewMessages.h"

#include <gtest/gtest.h>

TEST(PreviewMessages, AnyPathAndSizeComeThroughAsSent)
{
    for (const QString& file : {QStringLiteral("/home/anna/Pinwall/Meine Links/index.html"),
                                QStringLiteral("/tmp/a\tb\nc%20d/Müller & Söhne €/index.html")}) {
        for (const std::optional<QSize>& size : {std::optional<QSize>(), std::optional<QSize>(QSize(1019, 729))}) {
            const QByteArray line = EncodePreviewShow({file, size});
            EXPECT_EQ(line.count('\n'), 1) << "one line a command";
            const auto show = DecodePreviewShow(line);
            ASSERT_TRUE(show.has_value());
            EXPECT_EQ(show->file, file);
            EXPECT_EQ(show->outerSize, size);
        }
        const auto shown = DecodePreviewShown(EncodePreviewShown({true, file, QRect(0, 0, 1275, 988)}));
        ASSERT_TRUE(shown.has_value());
        EXPECT_TRUE(shown->ok);
        EXPECT_EQ(shown->file, file);
        EXPECT_EQ(shown->frame, QRect(0, 0, 1275, 988));
    }
}

TEST(PreviewMessages, DamagedLinesAreRefused)
{
    for (const char* line : {"", "show\n", "show\t1019\t729\n", "show\tx\t729\t%2Ftmp\n", "show\t0\t0\t\n",
                             "shown\t1\t0\t0\t10\n", "open\t0\t0\t%2Ftmp\n"}) {
        EXPECT_FALSE(DecodePreviewShow(line).has_value()) << line;
        EXPECT_FALSE(DecodePreviewShown(line).has_value()) << line;
    }
}
