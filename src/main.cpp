// Mossmeadow: the program's entry.
#include "shell.h"

int main(int argc, char** argv) { return RunGame(argc, argv); }
