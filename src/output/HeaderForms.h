// Header form files (Forms/«name».form): the HTML of one search form of a page's header line,
// with directive lines for the cell width and for the pictures the form shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class AnyCaseFolder;

struct HeaderForm {
    std::string text;             // the HTML lines, each ended by CR LF
    std::string widthAttribute;   // width="…" with one trailing blank; empty without WIDTH=
    std::vector<std::string> images;  // IMAGE= names, as written, in file order
};

// Splits the form's text (UTF-8) into HTML lines and directives. Lines may end in CR LF, LF or
// CR; a last line without an end counts.
HeaderForm ParseHeaderForm(std::string_view text);

// Reads the form file name + ".form" of the forms folder, found whatever the case of its name;
// nullopt when the name names no file there or the file cannot be read.
std::optional<HeaderForm> ReadHeaderForm(const AnyCaseFolder& forms, const std::string& name);
