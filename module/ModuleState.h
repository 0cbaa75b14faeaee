#pragma once
// Module-wide state: process-wide variables, those with static lifetime built
// at library load in a fixed order and destroyed in reverse (ModuleState.cpp).
#include <windows.h>
#include "fw/StringArray.h"

class IdeApplication;
class HostWorkspace;
class DispatchWindow;
struct ExtraFileList;

extern IdeApplication* g_ideApplication;   // ZorvoRegCreate argument 1, not reference-counted
extern HostWorkspace* g_workspace;         // ZorvoRegCreate argument 2
extern HWND g_ideFrameWindow;              // found by ZorvoRegCreate

// Static objects, in construction order.
extern ExtraFileList g_extraFiles;         // nodesPerBlock 10
extern DispatchWindow g_dispatchWindow;
extern CStringArray g_fileNameHistory;     // "FilenameEditList", combo box 1021
extern CStringArray g_tagParentHistory;    // "TagParentEditList", combo box 1051
extern CStringArray g_tagNameHistory;      // "TagEditList", combo box 1052
