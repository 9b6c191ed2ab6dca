#pragma once
// Visit start-up from the parameter file the host hands over, the working folders,
// and the sysop log.

#include <cstdio>
#include <string>
#include <string_view>

enum USEROPTION { ALERT = 1, SMW = 2, NOMAIL = 4 };

struct USERREC {
  std::string NAME;      // 25
  std::string REALNAME;  // 14
  std::string LASTON;    // 10
  unsigned char LINELEN = 80;
  unsigned char PAGELEN = 25;
  unsigned char SL = 0;
  unsigned char AGE = 0;
  char SEX = ' ';
  std::string CALLSIGN;  // 8
  double GOLD = 0;
  unsigned OPTION = 0;  // set of USEROPTION; never filled
};

extern USERREC THISUSER;
extern int USERNUM;
extern bool CS, SO, OKANSI, INCOM;
extern double TIMELEFT, TIMEON;
extern std::string GFILESPATH, DATAPATH, SYSOPFFN;
extern std::FILE* SYSOPF;

// The parameter file named on the command line; empty: read it from standard input.
extern std::string PARAMFN;

void IPORT();
void SYSOPLOG(std::string_view I);
void SL1(std::string_view I);
[[noreturn]] void RETURN();
bool DIREXIST(const std::string& ST_DIR);
// Closes the sysop log if it is open; every end of the program calls it.
void CLOSELOG();
