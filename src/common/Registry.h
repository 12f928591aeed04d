// String values of the per-user registry. On this platform the registry is a store of our own:
// an INI file in the user's configuration folder, one section per root key and key path.
#pragma once

#include <string>

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// The value's text; 256 blanks when the key or value does not exist (callers treat a
// blank-only result as missing).
std::string RegReadString(RegRoot root, const std::string& keyPath, const std::string& valueName);
// The same with blanks trimmed at both ends; empty when the value does not exist.
std::string RegReadStringTrimmed(RegRoot root, const std::string& keyPath, const std::string& valueName);
void RegWriteString(RegRoot root, const std::string& keyPath, const std::string& valueName, const std::string& value);

// The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config), ending in "/".
std::string UserConfigFolder();
// The store file: UserConfigFolder() + "Pinwall/registry.ini", unless a test has set another.
std::string RegistryStoreFile();
void SetRegistryStoreFile(const std::string& file);  // empty: back to the default
