#pragma once
// The drop files of today's boards, DOOR32.SYS and DOOR.SYS, read in place of the 19-line
// parameter file when the host hands one over.

#include <string>

class TextFile;

// True when the file's own name, without its folder, is DOOR32.SYS or DOOR.SYS in any
// letter case.
bool ISDROPFILE(const std::string& PATH);
// Reads the caller from the DOOR32.SYS or DOOR.SYS that F has open (told apart by its
// name) into THISUSER and the flags of the parameter file. Fields the format lacks take
// defaults: an 80 x 25 screen, the sysop only from security level 255 up, and the sysop
// log text/sysop.log. A file with neither alias nor real name is fatal.
void READDROPFILE(TextFile& F);
