#include "dialogs/DialogState.h"

FileDialogState g_fileDialog;
TagDialogState g_tagDialog;
