#pragma once

#include <string>

// Names of the folders the program works with. Paths use '/' and every folder name
// ends in '/', so a file name can simply be appended.

// The folder holding the running program's file; "./" when it cannot be found.
std::string programFolder();

// The per-user data folder of a product: <data home>/<vendor>/<product>/, where the
// data home is $XDG_DATA_HOME, else ~/.local/share, else the current folder. The
// folder is not created here.
std::string userDataFolder(const std::string& vendor, const std::string& product);

// The text after the last '/' of a path (the whole path when it has none).
std::string fileNamePart(const std::string& path);

// `path` made absolute against the current folder (links and ".." kept as written);
// unchanged when it already is absolute or the current folder is unknown.
std::string absolutePath(const std::string& path);
