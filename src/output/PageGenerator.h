// The page generator behind "Speichern / HTML erstellen": stores the columns of the open page,
// writes its index.html and copies the pictures the page shows into its images folder.
#pragma once

#include "document/PageFile.h"
#include "output/PageLayout.h"

#include <optional>
#include <string>

struct AppPaths;

// Shown (as a warning) when index.html could not be written or the preview failed.
inline constexpr const char* kPageWriteErrorMessage = "Fehler beim Schreiben der Datei. ";

struct GenerateResult {
    bool written = false;        // index.html holds the new page
    std::string indexFile;       // full path of index.html, for the preview
    std::optional<PreviewSize> previewSize;  // nullopt: the preview keeps its size
};

// Builds the page text (UTF-8) from the page file and the decoration files, copying every
// picture it refers to into the images folder on the way. Ends with the closing tags.
std::string BuildPageHtml(const AppPaths& paths, const PageState& page);

// The whole run: columns stored, page and images folders made where missing, the page built
// and written in Windows-1252 in one piece. Failures before the write are skipped; only a
// failed write makes `written` false.
GenerateResult GeneratePage(const AppPaths& paths, const PageState& page, const ColumnLists& columns);
