#pragma once
// Calls into and out of the module at the machine level, so that the tests see
// what the module really does with registers and the stack rather than what a
// compiler would make of a declaration.
//
// Into the module: CallChecked calls a function with 32-bit arguments and
// records the stack pointer and the registers a callee must keep (EBX, ESI,
// EDI, EBP) as the callee hands them back.
//
// Out of the module: host operation stubs. Each entry of HostOperationTable(k)
// is a few instructions that pass the thunk's number, ECX as the caller left
// it and the address of the caller's stack arguments to HostCallArrived
// (defined by the raw host), and then remove as many bytes of the caller's
// stack as HostCallArrived says before returning to the caller with its
// result in EAX.
#include <windows.h>

constexpr int kPositionsPerTable = 16;
constexpr int kHostTables = 6;

// Table k of the stubs: kPositionsPerTable code pointers, position p of table k
// calling HostCallArrived with thunk number k * kPositionsPerTable + p.
const void* const* HostOperationTable(int k);

// What HostCallArrived gets: the stub's number, the ECX register, the first
// word past the return address (stack[-1] is the return address); it sets
// *popBytes to the bytes of arguments the stub removes.
extern "C" DWORD HostCallArrived(unsigned thunk, void* ecx, const DWORD* stack, DWORD* popBytes);

enum class CalleePops { None, Arguments };   // __cdecl entries, or __stdcall platform calls

struct CheckedCall {
  DWORD result = 0;        // EAX
  bool stackBalanced = false;       // ESP back where the convention leaves it
  bool registersKept = false;       // EBX, ESI, EDI and EBP as they were
  long stackOffset = 0;             // ESP after the call less the expected ESP
};

// Calls function with the arguments (pushed last to first) and checks what
// came back. `pops`: whether the callee removes its arguments.
CheckedCall CallChecked(const void* function, const DWORD* arguments, int count, CalleePops pops);
// Counts the calls of CallChecked that have started (the current one included).
int CheckedCallSerial();
