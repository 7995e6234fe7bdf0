#pragma once
// The engine object lives in engine/system; this name stays for code that
// includes it from here.
#include "engine/system/DOradovIruzez.h"
