// The switches of the command line, as the rest of the compiler reads them.
// The driver's switch loop sets them before any file is opened and nothing
// changes them afterwards, except ramBase, which the output header and the
// placement of variables in RAM advance. They live for the whole run.
#pragma once

#include <cstdint>

// The value of romOrigin and stackInit when no -B or -S gave one (and when
// one gave FFFF).
constexpr uint16_t NO_ADDRESS = 0xFFFF;
// The values of mulDivMode.
constexpr uint8_t MULDIV_HELPERS = 0;      // -C: calls of the runtime routines
constexpr uint8_t MULDIV_INLINE = 1;       // -I: loops written in place

inline uint16_t romOrigin = NO_ADDRESS;    // -B; none given: 0x2000
inline uint16_t stackInit = NO_ADDRESS;    // -S; none given: the stack pointer is not set
inline uint16_t ramBase = 0x00E0;          // -V: register block, then next free RAM address
inline uint8_t mulDivMode = MULDIV_INLINE;
inline uint8_t optimizeFlag = 0;           // -O
inline uint8_t ramVariablesFlag = 0;       // 1: variables by equates in RAM (-V)
