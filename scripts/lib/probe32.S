# A static 32-bit Linux program for the 32-bit probe (scripts/lib/wine-env.sh):
# prints the machine name that the kernel, or an emulator, reports to it.
        .section .text
        .globl _start
_start:
        mov $122, %eax            # newuname(&buf)
        mov $buf, %ebx
        int $0x80
        mov $4, %eax              # write(1, buf.machine, 8): the name, NUL-padded
        mov $1, %ebx
        mov $buf+260, %ecx
        mov $8, %edx
        int $0x80
        mov $1, %eax              # exit(0)
        xor %ebx, %ebx
        int $0x80
        .section .bss
buf:    .space 390
