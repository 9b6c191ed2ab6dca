#pragma once
// The news bulletin that callers read and replace.

void BULLETIN();
