#include "AppState.h"

// The GUI subsystem entry: mingw's start-up code calls main for it too.
int main() { return RunLauncher(); }
