#include "shell/startup.h"

int main(int argc, char* argv[]) { return norva::NorvaMain(argc, argv); }
