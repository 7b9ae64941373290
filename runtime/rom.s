; Start-up of a compiled program in ROM (ca65 source), linked with rom.cfg.
; quarn-cc assembles it in one unit after the bridged program, whose first
; ORG line defines q_origin and whose header defines the register block
; (DIVISOR_PRODUCT, BX, BL) in page zero.
;
; At reset: decimal mode off, the stack at $01FF, the initialised variables
; (segment DATA) copied from the ROM to the RAM, the others (segment BSS)
; cleared; then the program is entered at its origin, so that its own start
; code (the optional stack set-up and the jump to ZMAIN) runs as written.
; When main returns the processor stops in a loop. NMI returns at once; IRQ
; and BRK go to the stop loop.
;
; Assembled with -D QUARN_STACK=address when the program was compiled with
; -S: the program's TXS then drops whatever was on the stack, so the return
; address is stored where RTS will find it above that stack pointer
; (enter-program.inc).
;
; With -D QUARN_SIM65 (and QUARN_RAM_START, QUARN_RAM_END) it is the test
; build of rom-sim65.cfg: a sim65 header, a filler that sets every RAM byte
; to $A5 before the start-up runs (so that a variable the start-up fails to
; set shows), and the simulator's exit instead of the stop loop.

; The program's ORG put the assembler in absolute mode; the start-up is placed
; by the linker.
.reloc
.import __DATA_LOAD__, __DATA_RUN__, __DATA_SIZE__, __BSS_RUN__, __BSS_SIZE__

; Copy pointers, in the register block, which the program has not used yet.
q_source = DIVISOR_PRODUCT
q_target = DIVISOR_PRODUCT+2

; The segments exist even when the program has no variables of a kind.
.segment "DATA"
.segment "BSS"

.segment "STARTUP"
q_reset:
        cld
        ldx #$FF
        txs
        ; Copy the initial values: whole pages first, then the rest.
        lda #<__DATA_LOAD__
        sta q_source
        lda #>__DATA_LOAD__
        sta q_source+1
        lda #<__DATA_RUN__
        sta q_target
        lda #>__DATA_RUN__
        sta q_target+1
        ldy #0
        ldx #>__DATA_SIZE__
        beq @copy_rest
@copy_page:
        lda (q_source),y
        sta (q_target),y
        iny
        bne @copy_page
        inc q_source+1
        inc q_target+1
        dex
        bne @copy_page
@copy_rest:
        cpy #<__DATA_SIZE__
        beq @clear
        lda (q_source),y
        sta (q_target),y
        iny
        bne @copy_rest
@clear:
        ; Clear the other variables the same way.
        lda #<__BSS_RUN__
        sta q_target
        lda #>__BSS_RUN__
        sta q_target+1
        lda #0
        tay
        ldx #>__BSS_SIZE__
        beq @clear_rest
@clear_page:
        sta (q_target),y
        iny
        bne @clear_page
        inc q_target+1
        dex
        bne @clear_page
@clear_rest:
        cpy #<__BSS_SIZE__
        beq @enter
        sta (q_target),y
        iny
        bne @clear_rest
@enter:
.include "enter-program.inc"
.ifdef QUARN_SIM65
q_stop:
.include "sim65-exit.inc"
.else
q_stop:
        jmp q_stop
q_nmi:
        rti

.segment "VECTORS"
        .word q_nmi, q_reset, q_stop
.endif

.ifdef QUARN_SIM65
.import q_rom_start
.segment "EXEHDR"
        .byte "sim65"
        .byte 2                 ; header version
        .byte 0                 ; CPU: 6502
        .byte <(DIVISOR_PRODUCT+2) ; parameter stack pointer (sim65-exit.inc)
        .word q_rom_start       ; load address: the start of the ROM
        .word q_fill            ; reset address

.segment "STARTUP"
; Sets every byte of the RAM to $A5, then starts as a reset does: from page
; one up with a pointer in the register block, then the RAM in page zero
; (the pointer included) with X.
q_fill:
        lda #0
        sta q_target
        lda #1
        sta q_target+1
        ldy #0
        lda #$A5
@page:
        ldx q_target+1
        cpx #>QUARN_RAM_END
        beq @last_page
@byte:
        sta (q_target),y
        iny
        bne @byte
        inc q_target+1
        bne @page
@last_page:
        sta (q_target),y
        cpy #<QUARN_RAM_END
        beq @page_zero
        iny
        bne @last_page
@page_zero:
        ldx #<QUARN_RAM_START
@zero:
        sta $00,x
        inx
        bne @zero
        jmp q_reset
.endif
