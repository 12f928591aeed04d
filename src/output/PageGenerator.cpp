#include "output/PageGenerator.h"

#include "common/AppPaths.h"
#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/FileLookup.h"
#include "common/Files.h"
#include "common/NameRules.h"
#include "output/HeaderForms.h"
#include "common/IniSnapshot.h"
#include "output/PageHtml.h"
#include "output/PagePictures.h"

#include <optional>
#include <utility>

namespace {

class PageBuilder {
public:
    PageBuilder(const AppPaths& paths, const PageState& page)
        : paths_(paths), page_(page), columns_(ClampColumnCount(page.Columns)), pageKeys_(page.PageFile),
          back_(paths.BackFolder), forms_(paths.FormsFolder), banners_(paths.BannerFolder),
          library_(paths.LibraryFolder), images_(page.ImagesFolder) {}

    std::string Build()
    {
        html_.reserve(4096);
        AppendPageStart(html_, page_.PageName, page_.UseBack);
        if (page_.UseBack) RefreshPicture(page_.BackFile, "back.gif");
        const int forms = AppendHeaderLine();
        AppendBannerLine("Banner", forms > 0);
        AppendLinkColumns();
        AppendBannerLine("Footer", false);
        AppendPageEnd(html_);
        return std::move(html_);
    }

private:
    std::string Read(const std::string& section, const std::string& key, std::string_view def) const
    {
        return pageKeys_.Read(section, key, def);
    }

    int ReadCount(const std::string& section) const
    {
        return ParseCount(Read(section, "Count", "0"));
    }

    // back.gif and wallpaper.gif follow the page's current choice on every run.
    void RefreshPicture(const std::string& name, const char* target)
    {
        if (const auto source = back_.Find(name))
            images_.CopyReplacing(*source, target);
    }

    // Returns the number of forms the page file lists.
    int AppendHeaderLine()
    {
        const int count = ReadCount("DirectSearch");
        if (count <= 0) return count;
        const int perRow = FormsPerRow(columns_);
        bool wallpaperCopied = false;
        int cell = 0;
        for (int i = 1; i <= count; ++i) {
            if (++cell > perRow) {
                AppendFormRowBreak(html_);
                cell = 1;
            }
            if (cell == 1) {
                AppendFormRowStart(html_, page_.UseWall);
                if (page_.UseWall && !wallpaperCopied) {
                    RefreshPicture(page_.WallFile, "wallpaper.gif");
                    wallpaperCopied = true;
                }
            }
            // A form whose file is gone still gets its (empty) cell, so the rows keep their shape.
            const HeaderForm form =
                ReadHeaderForm(forms_, Read("DirectSearch", "Entry" + std::to_string(i), "")).value_or(HeaderForm{});
            for (const std::string& image : form.images) {
                if (const auto source = forms_.Find(image))
                    images_.CopyIfMissing(*source, LowerCaseCp1252(image));
            }
            std::string width = form.widthAttribute;
            if (width.empty()) width = count < perRow ? "width=\"482\" " : "width=\"320\" ";
            AppendFormCell(html_, width, form.text);
        }
        AppendFormLineEnd(html_);
        return count;
    }

    // The banner line (section Banner) or the footer line (section Footer).
    void AppendBannerLine(const std::string& section, bool afterForms)
    {
        const int count = ReadCount(section);
        if (count <= 0) return;
        if (afterForms) html_ += "<br />";
        const int perRow = BannersPerRow(columns_);
        int cell = 0;
        for (int i = 1; i <= count; ++i) {
            if (++cell > perRow) {
                AppendBannerRowBreak(html_);
                cell = 1;
            }
            if (cell == 1) AppendBannerRowStart(html_);
            const std::string name = Read(section, "Entry" + std::to_string(i), "");
            std::string fileBase = name;
            SpacesToUnderscores(fileBase);
            // Banners.txt names its sections by the banner's name as it stands, as the banner
            // editor writes them.
            const std::string link = LinkWithScheme(BannerKeys().Read(name, "Link", ""));
            const std::string info = BannerKeys().Read(name, "Info", name);
            std::string picture;
            for (const char* extension : {".gif", ".jpg"}) {
                if (!IsPlainFileName(name)) break;
                if (const auto source = banners_.Find(name + extension)) {
                    picture = fileBase + extension;
                    images_.CopyIfMissing(*source, picture);
                    break;
                }
            }
            AppendBannerCell(html_, link, picture, info, name);
        }
        AppendBannerLineEnd(html_);
    }

    void AppendLinkColumns()
    {
        AppendColumnTableStart(html_);
        for (int column = 1; column <= columns_; ++column) {
            AppendColumnStart(html_);
            const std::string section = ColumnSection(column);
            const int count = ReadCount(section);
            for (int place = 1; place <= count; ++place)
                AppendEntry(Read(section, ColumnEntryKey(place), "0"));
            AppendColumnEnd(html_);
        }
        AppendColumnTableEnd(html_);
    }

    void AppendEntry(const std::string& name)
    {
        const std::string section = EntrySectionName(name);
        const std::string info = Read(section, "Info", name);
        const std::string link = LinkWithScheme(Read(section, "Link", ""));
        const std::string image = Read(section, "Image", "");
        if (image.empty()) {
            AppendTextEntry(html_, link, name);
            return;
        }
        std::string picture;
        std::optional<std::string> source = library_.Find(image);
        if (source) {
            picture = image;
            SpacesToUnderscores(picture);
        } else {
            // The entry's logo under the name the library gives it.
            picture = EntryFileStem(name) + ".jpg";
            source = library_.Find(picture);
        }
        if (!source) {
            AppendTextEntry(html_, link, name);
            return;
        }
        images_.CopyIfMissing(*source, picture);
        AppendPictureEntry(html_, link, "images/" + picture, info);
    }

    const IniSnapshot& BannerKeys()
    {
        if (!bannerKeys_) bannerKeys_.emplace(paths_.BannersFile);
        return *bannerKeys_;
    }

    const AppPaths& paths_;
    const PageState& page_;
    const int columns_;
    // Nothing else writes these files while the page is built: each is read once.
    const IniSnapshot pageKeys_;
    std::optional<IniSnapshot> bannerKeys_;
    // The folders the page takes its pictures and forms from, each listed at most once.
    const AnyCaseFolder back_;
    const AnyCaseFolder forms_;
    const AnyCaseFolder banners_;
    const AnyCaseFolder library_;
    ImagesFolder images_;
    std::string html_;
};

} // namespace

std::string BuildPageHtml(const AppPaths& paths, const PageState& page)
{
    return PageBuilder(paths, page).Build();
}

GenerateResult GeneratePage(const AppPaths& paths, const PageState& page, const ColumnLists& columns)
{
    GenerateResult result;
    SaveColumns(page, columns);

    MakePageFolders(page);

    std::string html = BuildPageHtml(paths, page);
    html += kCrLf;
    // Without a page folder the file would land wherever the program happens to run.
    if (page.PageFolder.empty()) return result;
    result.indexFile = page.PageFolder + "index.html";
    result.written = WriteFileAtomically(result.indexFile, Utf8ToCp1252(html));
    result.previewSize = PreviewWindowSize(page.Columns);
    return result;
}
