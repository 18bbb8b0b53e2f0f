#pragma once

class QWidget;

// Saving and restoring a window's position, size, visibility and state in
// the program's settings key (GetAppRegistryKey()), section = the window's
// objectName: values "Left", "Top", "Width", "Height" (outer frame, pixels),
// "Visible" (text "0" or "1") and "WinState" (0 normal, 1 minimised,
// 2 maximised).
//
//   RestoreFormPlacement(this, false, false);   // main window: position and state only
//   SaveFormPlacement(this);                    // on close; throws std::runtime_error
//                                               // when the settings cannot be written
//
// Restoring leaves every property whose value is missing as it is, and keeps
// the window reachable on the primary screen.
void RestoreFormPlacement(QWidget* window, bool restoreVisibility, bool restoreSize);
void SaveFormPlacement(QWidget* window);
