#pragma once
// Functions of the test DLL fwtest_peer: framework objects made and used on the
// far side of a DLL boundary.
#include <windows.h>
#include "fw/String.h"

#ifdef FWTEST_PEER_BUILDING
#define PEER_API extern "C" __declspec(dllexport)
#else
#define PEER_API extern "C" __declspec(dllimport)
#endif

class CWinApp;

// A new string made in the DLL, handed over by value.
PEER_API CStringArg PeerMakeString(const char* text);
// Adopts arg, copies it once and returns the reference count seen with both
// alive; both are released before returning.
PEER_API long PeerCountWithCopy(CStringArg arg);
// Keeps a copy of text in the DLL until PeerDropKept.
PEER_API void PeerKeep(const CString& text);
PEER_API void PeerDropKept();
// Makes count strings of assorted lengths, all alive at once, then releases
// them; returns the bytes of the chunks the string pools hold afterwards.
PEER_API unsigned PeerChurnStrings(int count);
// Raise the framework's exceptions from inside the DLL.
PEER_API void PeerThrowMemory();
PEER_API void PeerOpenMissingFile(const char* path);
// The application object as the DLL sees it.
PEER_API CWinApp* PeerGetApp();
// Sets the DLL up as an extension module with one library record / takes it down.
PEER_API bool PeerInitExtension();
PEER_API void PeerTermExtension();
PEER_API HMODULE PeerModule();
