#pragma once
// Where the program keeps its files on Linux. Every reader and writer of the settings
// file, and the serial code looking for its dosdevices links, goes through these.

#include <string>

// $XDG_CONFIG_HOME/quorvane, or ~/.config/quorvane when XDG_CONFIG_HOME is unset,
// empty or relative (as the XDG base directory rules say). Read afresh on every call
// so that tests can point it elsewhere. The folder is not created here.
std::string QuorvaneConfigDir();

// QuorvaneConfigDir()/quorvane.ini
std::string SettingsFilePath();
