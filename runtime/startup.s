; Start-up of a compiled program on the sim65 simulator (ca65 source).
; The runner assembles it in one unit after the bridged program, whose first
; ORG line defines q_origin and whose header defines BL.
;
; It runs the program from its origin, so the program's own start code (the
; optional stack set-up and the jump to ZMAIN) runs as written; when ZMAIN
; returns it writes BX to standard output and leaves the simulator with the
; low byte of BX as exit status (sim65-exit.inc).
; Assembled with -D QUARN_STACK=address when the program was compiled with
; -S: the program's TXS then drops whatever was on the stack, so the return
; address is stored where RTS will find it above that stack pointer instead
; (enter-program.inc).

.reloc
.import __MAIN_START__

; The BRK/IRQ vector.
BRK_VECTOR = $FFFE

.segment "EXEHDR"
        .byte "sim65"           ; signature
        .byte 2                 ; header version
        .byte 0                 ; CPU: 6502
        .byte <(DIVISOR_PRODUCT+2) ; parameter stack pointer (sim65-exit.inc)
        .word __MAIN_START__    ; load address: the program's origin
        .word q_start           ; reset address

.segment "STARTUP"
q_start:
        cld
        ldx #$FF
        txs
        ; A BRK stops the simulator on an illegal opcode instead of running
        ; through an empty vector.
        lda #<q_brk
        sta BRK_VECTOR
        lda #>q_brk
        sta BRK_VECTOR+1
.include "enter-program.inc"
.include "sim65-exit.inc"
q_brk:
        .byte $02               ; no such instruction: the simulator stops here
