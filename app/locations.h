// Where the game keeps its own files: the settings file (and what is kept beside it) and the
// four sounds. Started in a folder that holds them (a portable folder such as run/), the game
// uses that folder, as it always has. Started anywhere else, as a desktop menu does, the
// settings live in the user's configuration folder and the sounds come from the installed data
// folder beside the program. The game object only ever sees the two folders.
#pragma once

#include <filesystem>
#include <string>

struct Locations {
  std::filesystem::path settingsFolder;  // empty: the current folder
  std::filesystem::path soundFolder;     // empty: the current folder
  bool portable = false;                 // the current folder holds the game's files
};

// What the choice depends on, gathered from the running program.
struct StartPlace {
  std::filesystem::path current;        // the folder the program was started in
  std::filesystem::path programFolder;  // the folder of the program file itself
  std::string configHome;               // $XDG_CONFIG_HOME as set, possibly empty
  std::filesystem::path home;           // the user's home folder
};

// The folders for a start from `place`.
Locations findLocations(const StartPlace& place);

// Decides the folders for this run, once, before the window is built. Outside a portable folder
// it also creates the settings folder and makes the home folder the working folder, so the
// record chooser opens there and nothing lands in the folder the program was started from.
Locations settleLocations();
