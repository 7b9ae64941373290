// The switches of the command line, as the rest of the compiler reads them.
// The driver's switch loop sets them before any file is opened and nothing
// changes them afterwards, except ramBase, which the output header and the
// placement of variables in RAM advance. They live for the whole run.
#pragma once

#include <cstdint>

inline uint16_t romOrigin = 0xFFFF;        // -B; 0xFFFF: none given (becomes 0x2000)
inline uint16_t stackInit = 0xFFFF;        // -S; 0xFFFF: stack pointer not set
inline uint16_t ramBase = 0x00E0;          // -V: register block, then next free RAM address
inline uint8_t mulDivMode = 1;             // 0: helper calls (-C), 1: inline (-I)
inline uint8_t optimizeFlag = 0;           // -O
inline uint8_t ramVariablesFlag = 0;       // 1: variables by equates in RAM (-V)
