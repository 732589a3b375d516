// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Widget tests run under the program's own application object, whose error box is
// replaced by this log. A test that expects an error takes it; an error left in the log
// at the end of a test fails that test.
QStringList TakeErrors();

// Puts the log in place of the error box again, after a test that looked at a real box.
void RecordErrors();
