#include "tests/hostcalls/CallGate.h"

// 96 stubs: kHostTables tables of kPositionsPerTable positions.
static_assert(kHostTables * kPositionsPerTable == 96, "the .rept count below");

// Each stub is 16 bytes: stub n loads n into EAX and joins the gate. The gate
// keeps ECX and the caller's stack as they came, asks HostCallArrived, then
// drops the return address, removes the argument bytes HostCallArrived named
// and jumps back to the caller with EAX as the result.
asm(R"(
    .text
    .p2align 4
    .globl _g_hostOperationStubs
_g_hostOperationStubs:
    .set stubNumber, 0
    .rept 96
    movl $stubNumber, %eax
    jmp hostCallGate
    .p2align 4
    .set stubNumber, stubNumber + 1
    .endr
hostCallGate:
    pushl %ebp
    movl %esp, %ebp
    pushl $0
    leal -4(%ebp), %edx
    pushl %edx
    leal 8(%ebp), %edx
    pushl %edx
    pushl %ecx
    pushl %eax
    call _HostCallArrived
    movl -4(%ebp), %ecx
    leave
    popl %edx
    addl %ecx, %esp
    jmp *%edx
)");

// RawCallChecked(function, arguments, count, registers): pushes the arguments,
// loads EBX, ESI and EDI with marker values, calls, and stores ESP before and
// after the call and the four kept registers as the callee left them. Its own
// frame comes back from the registers record, whatever the callee did to EBP.
asm(R"(
    .bss
    .p2align 2
registersRecord:
    .space 4
    .text
    .p2align 4
    .globl _RawCallChecked
_RawCallChecked:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 20(%ebp), %eax
    movl %eax, registersRecord
    movl %ebp, 24(%eax)
    movl 16(%ebp), %ecx
    movl 12(%ebp), %edx
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%edx,%ecx,4)
    jmp 1b
2:  movl %esp, (%eax)
    movl 8(%ebp), %eax
    movl $0x0BB0BB0B, %ebx
    movl $0x05105105, %esi
    movl $0x0D10D10D, %edi
    call *%eax
    movl registersRecord, %ecx
    movl %esp, 4(%ecx)
    movl %ebx, 8(%ecx)
    movl %esi, 12(%ecx)
    movl %edi, 16(%ecx)
    movl %ebp, 20(%ecx)
    movl 24(%ecx), %ebp
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

struct RawRegisters {
  DWORD espAtCall;   // the arguments pushed, before the call
  DWORD espAfter;
  DWORD ebx;
  DWORD esi;
  DWORD edi;
  DWORD ebp;
  DWORD frame;       // EBP before the call
};
static_assert(sizeof(RawRegisters) == 28, "offsets used by RawCallChecked");

}  // namespace

extern "C" const unsigned char g_hostOperationStubs[];
extern "C" DWORD RawCallChecked(const void* function, const DWORD* arguments, int count, RawRegisters* registers);

const void* const* HostOperationTable(int k) {
  static const void* tables[kHostTables][kPositionsPerTable];
  if (!tables[0][0]) {
    for (int t = 0; t < kHostTables; ++t)
      for (int p = 0; p < kPositionsPerTable; ++p) tables[t][p] = g_hostOperationStubs + 16 * (t * kPositionsPerTable + p);
  }
  return tables[k];
}

namespace {
int g_checkedCallSerial = 0;
}

int CheckedCallSerial() { return g_checkedCallSerial; }

CheckedCall CallChecked(const void* function, const DWORD* arguments, int count, CalleePops pops) {
  ++g_checkedCallSerial;
  RawRegisters registers = {};
  CheckedCall call;
  call.result = RawCallChecked(function, arguments, count, &registers);
  const DWORD expected = registers.espAtCall + (pops == CalleePops::Arguments ? 4 * count : 0);
  call.stackOffset = static_cast<long>(registers.espAfter - expected);
  call.stackBalanced = call.stackOffset == 0;
  call.registersKept = registers.ebx == 0x0BB0BB0B && registers.esi == 0x05105105 &&
                       registers.edi == 0x0D10D10D && registers.ebp == registers.frame;
  return call;
}
