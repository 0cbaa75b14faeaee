#pragma once
// Everything of the application framework.
#include "fw/Export.h"
#include "fw/String.h"
#include "fw/StringArray.h"
#include "fw/Exceptions.h"
#include "fw/File.h"
#include "fw/WinApp.h"
#include "fw/ExtensionModule.h"
#include "fw/MessageMap.h"
#include "fw/Wnd.h"
#include "fw/Controls.h"
#include "fw/Dialog.h"
#include "fw/MessageBox.h"
