#include "store/records.h"

// Not built yet.
void READLA() {}
void RECORDA() {}
void ADDRECORD(std::string_view) {}
void LISTPLAYERS() {}
