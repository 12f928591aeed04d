// The program's title, shown in window captions and message boxes.
#pragma once

inline constexpr const char* kAppTitle = "Kestrel Pinwall-Builder";
