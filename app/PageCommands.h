// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "style/Style.h"

// The dialog where Export Page asks for the page's file, starting at the suggested path; an
// empty path is a cancel. It does not ask about replacing a file: the command does that.
std::string ShowPageDialog(QWidget* parent, const std::string& suggestedPath);

// The page names its picture without a folder, so the picture has to lie beside it: the path
// the style's picture takes in the page's folder, or empty when the page shows no picture.
std::string PictureBesidePage(const TStyle& style, const std::string& pageFolder);
// Copies the style's picture there. An unreadable picture raises "Unable to read <path>"
// before anything is written; a file that cannot be written, "Unable to write to <path>".
void CopyPictureBesidePage(const TStyle& style, const std::string& picture);
