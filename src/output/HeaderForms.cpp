#include "output/HeaderForms.h"

#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/FileLookup.h"
#include "common/Files.h"
#include "output/PageHtml.h"

#include <cctype>

namespace {

// True when the line begins with the six-character directive, compared without regard to case.
bool IsDirective(std::string_view line, std::string_view directive)
{
    if (line.size() < directive.size()) return false;
    for (std::size_t i = 0; i < directive.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(line[i])) != directive[i]) return false;
    }
    return true;
}

void TakeLine(HeaderForm& form, std::string_view line)
{
    if (IsDirective(line, "WIDTH=")) {
        // Several WIDTH= lines: the last one wins.
        form.widthAttribute = "width=\"" + std::string(line.substr(6)) + "\" ";
    } else if (IsDirective(line, "IMAGE=")) {
        form.images.emplace_back(line.substr(6));
    } else {
        form.text += line;
        form.text += kCrLf;
    }
}

} // namespace

HeaderForm ParseHeaderForm(std::string_view text)
{
    HeaderForm form;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            TakeLine(form, text.substr(start));
            break;
        }
        TakeLine(form, text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return form;
}

std::optional<HeaderForm> ReadHeaderForm(const AnyCaseFolder& forms, const std::string& name)
{
    if (!IsPlainFileName(name)) return std::nullopt;
    const std::optional<std::string> file = forms.Find(name + ".form");
    if (!file) return std::nullopt;
    const std::optional<std::string> bytes = ReadWholeFile(*file);
    if (!bytes) return std::nullopt;
    return ParseHeaderForm(Cp1252ToUtf8(*bytes));
}
