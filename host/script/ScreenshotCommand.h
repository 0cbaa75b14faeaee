#pragma once
// The script's screenshot command:
//   screenshot tags|files|editor|extra|main FILE.png   (or FILE.bmp)
// writes what the window shows on the screen to FILE (relative to the
// current folder); it fails when that window is not open or the file cannot
// be written.
#include "host/script/ScriptContext.h"
#include "host/script/ScriptLine.h"

void ScreenshotCommand(ScriptContext& context, const ScriptLine& line);
