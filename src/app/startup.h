#pragma once

// Starts Tessera: the splash, the main window and the message loop. Returns the exit code.
int runTessera(int argc, char** argv);
