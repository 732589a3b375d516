#pragma once

#include <QWidget>
#include <string>

// The dialog where Export Page asks for the page's file, starting at the suggested path; an
// empty path is a cancel. It does not ask about replacing a file: the command does that.
std::string ShowPageDialog(QWidget* parent, const std::string& suggestedPath);
