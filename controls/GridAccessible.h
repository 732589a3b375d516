// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

namespace controls {

class TStringGrid;

// A string grid as a screen reader sees it: a table whose column headers are the fixed
// title rows and whose cells are the rows below them, each named by its text, the current
// cell selected and focused.
QAccessibleInterface* MakeGridAccessible(TStringGrid* grid);

// Makes MakeGridAccessible the screen readers' view of every string grid. The grid installs it
// itself, so that it needs none of the other controls' accessible views.
void InstallGridAccessibleFactory();

// Tells screen readers that the grid's current cell moved, so that they read the new cell.
void NotifyCurrentCellMoved(TStringGrid* grid);

}  // namespace controls
