#include "common/ToolkitOptions.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace {

// Options that take the next argument as their value, or one given after "=".
constexpr std::string_view kWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "name", "title", "icon", "visual"};
// Options that stand alone.
constexpr std::string_view kFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb",
                                                            "testability"};
// Options whose value is only given after "=".
constexpr std::string_view kAssigned[] = {"qmljsdebugger", "dialogs", "fontengine"};

bool In(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::string FirstUnknownOption(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') continue;
        if (arg == "--webEngineArgs") return {};
        std::string_view name(arg);
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        if (equals != std::string_view::npos) {
            const std::string_view key = name.substr(0, equals);
            if (In(kWithValue, key) || In(kAssigned, key)) continue;
            return arg;
        }
        if (In(kWithValue, name)) {
            ++i;  // its value, whatever it looks like
            continue;
        }
        if (!In(kFlags, name)) return arg;
    }
    return {};
}
