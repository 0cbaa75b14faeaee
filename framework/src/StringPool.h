#pragma once
// Storage for CString buffers: size-class pools for short strings, the C
// runtime's heap for long ones. A buffer is one CStringData header followed
// by its characters and the terminator; its capacity (the header's
// nAllocLength) tells which way it came, so freeing needs nothing else.

namespace fw {

// Room for at least capacity characters (terminator excluded); capacity is
// raised to what the block really holds. Null when no memory is left.
void* AllocateStringBlock(int& capacity);

// Gives back a block of AllocateStringBlock with the capacity it returned.
void FreeStringBlock(void* block, int capacity);

// Returns every chunk to the heap when no block is in use (else keeps them,
// for the strings that still live in them); the pools serve nothing
// afterwards (their blocks go to and come from the heap). Run once when the
// DLL unloads, after every static object of the DLL that could hold a string
// is gone.
void ReleaseStringPools();

}  // namespace fw
