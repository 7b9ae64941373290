// Operands of names and constants, bound rather than loaded: an int constant
// in decimal from -127 to 1023, else hex; a frame variable through X. An array
// name is its address; an element is read through the address plus the scaled
// index (a char index zero-extended), with -O and a constant index through the
// address expression; frame arrays are addressed from X; pointer arrays have
// two-byte elements.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/plain.asm && %quarn -O %s %t/opt.asm
// RUN: %check --check-prefixes=BOTH,PLAIN %s < %t/plain.asm
// RUN: %check --check-prefixes=BOTH,OPT %s < %t/opt.asm
const char letter = 65; const int small = 1023; const int lower = -128; const char *port = 53248;
char c; char bytes[8]; int i; int table[4]; int words[8]; char *s; char *ptrs[4];
char constants() { return c + letter + 200; } // BOTH-LABEL:ZCONSTANTS EQU *
// BOTH: ADC #>65
// BOTH: ADC #>200
int decimal() { return (i ^ small) & -127; } // BOTH-LABEL:ZDECIMAL EQU *
// BOTH: EOR #<1023
// OPT: AND #<-127
int hex() { return (i ^ lower) & 1024 | 65535; } // BOTH-LABEL:ZHEX EQU *
// BOTH: EOR #>$FF80
// BOTH: AND #<$0400
// BOTH: ORA #<$FFFF
char constantPointer() { return *port; } // BOTH-LABEL:ZCONSTANTPOINTER EQU *
// BOTH: LDA #>$D000
// BOTH: LDA #<$D000
int frame(int p) { char f; int j; return p + j; } // BOTH-LABEL:ZFRAME EQU *
// BOTH: LDA $0100+PZFRAME,X
// BOTH-NEXT: CLC
// BOTH-NEXT: ADC $0100+JZFRAME,X
// BOTH: ADC $0101+JZFRAME,X
// The slot of frame's p is another local now: its own texts.
char again() { char b; return b; } // BOTH-LABEL:ZAGAIN EQU *
// BOTH: LDA $0100+BZAGAIN,X
// BOTH-NEXT: STA BL
// BOTH-NEXT: TXS
void addresses() { s = table; } // BOTH-LABEL:ZADDRESSES EQU *
// BOTH: LDY #>TABLE
// BOTH-NEXT: LDA #<TABLE
void frameAddress() { char buf[4]; s = buf; } // BOTH-LABEL:ZFRAMEADDRESS EQU *
// BOTH: STA BX+1
// BOTH-NEXT: TXA
// BOTH-NEXT: CLC
// BOTH-NEXT: ADC #>BUFZFRAMEADDRESS
// BOTH-NEXT: STA CX
// BOTH-NEXT: LDA #<$0100
// BOTH-NEXT: ADC #<BUFZFRAMEADDRESS+1
int element() { return words[i]; } // BOTH-LABEL:ZELEMENT EQU *
// BOTH:* return {{$}}
// BOTH-NEXT: LDY #>WORDS
// BOTH-NEXT: LDA #<WORDS
// BOTH-NEXT: STY BX
// BOTH-NEXT: STA BX+1
// BOTH: STA CH
// BOTH-NEXT: ASL CX
// BOTH-NEXT: ROL CX+1
// BOTH-NEXT: LDA BL
char charIndex() { return bytes[c]; } // BOTH-LABEL:ZCHARINDEX EQU *
// BOTH: LDA C
// BOTH-NEXT: STA CL
// BOTH: LDA #0
// BOTH-NEXT: STA CH
int constantIndex() { return words[1 + 2] + bytes[2]; } // BOTH-LABEL:ZCONSTANTINDEX EQU *
// PLAIN: ADC #>2
// OPT: LDY #>WORDS+6
// OPT-NEXT: LDA #<WORDS+6
// OPT: LDA #<BYTES+2
// The pending high byte of i is loaded with the result; above it, dropped.
bool flushed() { return char(i) == c; } // BOTH-LABEL:ZFLUSHED EQU *
// BOTH: STA BL
// BOTH-NEXT: LDA I+1
// BOTH-NEXT: STA BH
// BOTH-NEXT: TXS
bool dropped() { return c == char(i); } // BOTH-LABEL:ZDROPPED EQU *
// BOTH: STA BL
// BOTH-NEXT: TXS
char frameElement(int j) { char buf[4]; int w[3]; return buf[j] + w[1]; } // BOTH-LABEL:ZFRAMEELEMENT EQU *
// BOTH:* return {{$}}
// BOTH-NEXT: TXA
// BOTH-NEXT: CLC
// BOTH-NEXT: ADC #>BUFZFRAMEELEMENT
// BOTH-NEXT: STA BX
// BOTH-NEXT: LDA #<$0100
// BOTH-NEXT: ADC #<BUFZFRAMEELEMENT
// OPT: ADC #<WZFRAMEELEMENT+2
char pointers() { return *ptrs[i] + *ptrs[3]; } // BOTH-LABEL:ZPOINTERS EQU *
// BOTH: ASL CX
// BOTH: STA BX+1
// BOTH: LDA (BX),Y
// BOTH-NEXT: STA BL
// OPT: LDY #>PTRS+6
