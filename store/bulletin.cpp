#include "store/bulletin.h"

#include <string>

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/textfile.h"
#include "store/state.h"

void BULLETIN() {
  const std::string file = GFILESPATH + "bullet.hlw";
  CLS();
  PRINTFILE(file);
  NL();
  YNQ("Do you wish to enter a News Bulletin? ");
  if (!YN()) {
    return;
  }
  NL();
  for (int n = 1; n <= 4; ++n) {
    PRT(std::to_string(n) + "> ");
    INPUTL(BLT[n], static_cast<int>(CRYMAX));
  }
  NL();
  YNQ("Is the bulletin correct? ");
  if (!YN()) {
    return;
  }
  PRINT("Saving Bulletin...");
  std::string text;
  for (int n = 1; n <= 4; ++n) {
    text += BLT[n] + "\n";
  }
  SAVEFILE(file, text);
}
