#include "screens/register_windows.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) { return norva::NorvaMain(argc, argv, norva::RegisterWindows); }
