#include "services/settings/AppSettings.h"

#include <filesystem>
#include <system_error>

std::string DefaultBrowserPath()
{
    return "/usr/bin/xdg-open";
}

std::string DefaultEditorPath()
{
    static const char* const candidates[] = {
        "/usr/bin/gedit", "/usr/bin/gnome-text-editor", "/usr/bin/kate",   "/usr/bin/mousepad", "/usr/bin/xed",
        "/usr/bin/pluma", "/usr/bin/featherpad",        "/usr/bin/leafpad"};
    std::error_code ec;
    for (const char* path : candidates) {
        if (std::filesystem::exists(path, ec))
            return path;
    }
    return DefaultBrowserPath();
}
