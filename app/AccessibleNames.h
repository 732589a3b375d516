// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TfrmMain;

// Gives every control of the main window a name a screen reader can announce: the fields,
// lists and bars after what they edit, and the buttons that show only a picture after
// their hints.
void NameControlsForScreenReaders(TfrmMain& window);
