// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;
class TfrmMain;

// Gives every control of the main window a name a screen reader can announce: the fields,
// lists and bars after what they edit, and the buttons that show only a picture after
// their hints.
void NameControlsForScreenReaders(TfrmMain& window);

// The Pick from Screen overlay's name, which says how to use it, for it takes the keyboard
// with no control to read.
void NamePickerOverlay(QWidget& overlay);
// The code of the colour under the pointer, kept in the overlay's description as it moves.
void DescribeColorUnderPointer(QWidget& overlay, const QString& code);
