// Where the settings dialogs open: their templates carry no position of
// their own, so each opens centred over its owner, kept inside the owner's
// monitor (the main dialog sits in a screen corner and a dialog centred on
// it would hang off the edge).
#pragma once

#include <windows.h>

void CenterOverOwner(HWND dialog);
