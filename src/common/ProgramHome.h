// Where a program keeps its data. Beside itself, as a portable program folder; or, once it is
// installed (a "../share/pinwall/" lies beside its folder), in a program folder "Pinwall/" in
// the user's data home, laid out from the installed templates.
#pragma once

#include <string>

struct ProgramHome {
    bool installed = false;
    // The program file as start-up takes it (InitAppPaths): the running program itself, or for
    // an installed program its name inside the program folder of the data home.
    std::string programFile;
    std::string programFolder;    // the folder that holds Library/, PnwFiles/ ..., ending in "/"
    std::string templatesFolder;  // share/pinwall/ of an installed program, ending in "/"
};

// The page a first start opens, laid out with the sample library.
inline constexpr const char* kSamplePageName = "Beispiel";
// The settings file of the program folder; a folder without it has never been started.
inline constexpr const char* kBuilderSettingsName = "Pinwall-Builder.ini";

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; ending in "/". Empty
// when neither is known.
std::string UserDataHome(const std::string& xdgDataHome, const std::string& home);
std::string UserDataHome();  // from the environment

// Installed or not, for the running program file, with the given data home.
ProgramHome FindProgramHome(const std::string& programFile, const std::string& dataHome);
ProgramHome FindProgramHome(const std::string& programFile);  // data home from the environment

// The same for PinEdit, which works on the folder it runs in, the library: installed, its
// program file as start-up takes it lies in the Library/ of the data home's program folder.
ProgramHome FindLibraryEditorHome(const std::string& programFile, const std::string& dataHome);
ProgramHome FindLibraryEditorHome(const std::string& programFile);

// Lays out the program folder of an installed program: every working folder (Library/ and
// Back/ included); Back/, Forms/ and Banner/ filled from the templates where files are missing;
// on the first start (no settings file yet) also the sample library and the sample page, and a
// new settings file that opens it. Never writes over a file that exists. Does nothing for a
// program that is not installed. True when the program folder exists afterwards.
bool LayOutProgramFolder(const ProgramHome& home);
