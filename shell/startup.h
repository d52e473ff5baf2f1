#pragma once
// Start-up and shut-down of the program.
#include <functional>
#include <string>
#include <vector>

namespace norva {

// The program: single instance, work folders, splash, main window, the
// documents named in args (or a new document). registerWindows puts the
// program's windows into the shell's registry (shell/screen.h) once the
// application exists. Returns the exit code.
int NorvaMain(int argc, char* argv[], const std::function<void()>& registerWindows);

// Undoes what start-up prepared: closes the other windows, deletes the work
// folder, writes the recent-file list and releases the settings.
void AppShutdown();

// Splits a command line: element 0 is empty, arguments follow. A double quote
// starts and ends an argument; an unquoted argument runs to the next double
// quote or the end, blanks included. At most maxArgs arguments.
std::vector<std::string> ParseCommandLine(const std::string& line, int maxArgs);

// Of the first maxArgs arguments (program name not included), those that name
// an existing regular file, as absolute paths in their order. Arguments after
// the first maxArgs are not looked at, whether they exist or not.
std::vector<std::string> ExistingFileArguments(const std::vector<std::string>& args, int maxArgs);

// Prepares the private work folder and empties it (files a killed run left
// behind go too). Returns its path.
std::string PrepareWorkFolder();
// Copies "style.dat" and "style.sty" of the program folder into styleDir
// when missing there.
void PrepareStyleFolder(const std::string& styleDir, const std::string& programDir);

// Folder of the program (and of the shipped data).
std::string ProgramFolder();

// The single-instance message.
std::string AlreadyRunningMessage();

// Puts Qt's own texts (file dialogs, standard buttons) into Japanese, from the
// translations installed with Qt. False when they are not installed.
bool InstallQtJapanese();

}  // namespace norva
