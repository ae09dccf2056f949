// The label of the selected item of a tree-view control in another process.
#pragma once

#include <windows.h>

#include <string>

// Empty when nothing is selected or the label cannot be read.
std::wstring SelectedTreeItemText(HANDLE process, HWND tree);
