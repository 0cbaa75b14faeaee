#pragma once
// Symbols of the framework DLL: exported while building it, imported by the
// host and the module, which share one copy of the framework's code and data.
#ifdef FW_BUILDING
#define FW_API __declspec(dllexport)
#else
#define FW_API __declspec(dllimport)
#endif
