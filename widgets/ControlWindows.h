#pragma once
#include <windows.h>

class IntHashTable;

// State shared by every control window of the process; window thread only.

// The control-windows module start, run once by the program entry before the main window
// loads: takes the program's own module as the instance for new controls, restarts control
// identifiers so that the first one handed out is 501, and gives the spare table its default
// capacity.
void StartControlWindows(IntHashTable& spareTable);

HINSTANCE ControlModuleInstance();
// The identifier for the next control made without an explicit one.
int TakeControlId();
// Window handle -> wrapper object; what the shared window procedure looks objects up in.
IntHashTable& WindowObjectTable();
