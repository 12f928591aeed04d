// HOME and XDG_CONFIG_HOME pointed into a scratch folder for the life of the object, so that
// browser profiles and the registry store of a test are never the user's own.
#pragma once

#include "ScratchFolder.h"

#include <cstdlib>
#include <optional>
#include <string>

class TemporaryHome {
public:
    TemporaryHome() : home_("HOME", dir.Path("home")), config_("XDG_CONFIG_HOME", dir.Path("home/.config")) {}

    std::string Folder() const { return dir.Folder() + "home/"; }  // ends in "/"
    void Put(const std::string& name, const std::string& bytes) const { dir.Put("home/" + name, bytes); }
    std::string Take(const std::string& name) const { return dir.Take("home/" + name); }
    bool Has(const std::string& name) const { return dir.Has("home/" + name); }

    ScratchFolder dir;

private:
    struct Variable {
        Variable(const char* name, const std::string& value) : name(name)
        {
            if (const char* old = std::getenv(name)) previous = old;
            ::setenv(name, value.c_str(), 1);
        }
        ~Variable() { previous ? ::setenv(name, previous->c_str(), 1) : ::unsetenv(name); }
        Variable(const Variable&) = delete;
        Variable& operator=(const Variable&) = delete;
        const char* name;
        std::optional<std::string> previous;
    };
    Variable home_;
    Variable config_;
};
