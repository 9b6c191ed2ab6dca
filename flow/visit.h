#pragma once
// The main program of a visit: start-up, login, the command loop and the end.

// Runs the visit; ends by returning (the caller closes up) or by throwing VisitEnd.
void MAINPROGRAM();
