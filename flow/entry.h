#pragma once
// The program entry: every way a visit ends arrives here.

// Runs one visit on the real terminal; argument 1 names the parameter file.
int STORMHALLOW(int argc, char** argv);

// Runs one visit on the console already in CRT, with the parameter file in PARAMFN.
// Closes the sysop log, gives the console back and reports a fatal error; returns
// the exit status. Tests run many visits in one process through it.
int RUNVISIT();
