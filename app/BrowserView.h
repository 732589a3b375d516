// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "style/Style.h"

// View in Browser: the style's page in a private folder of the program's own (readable by the
// user alone), opened in the desktop's browser so that the author sees what a visitor sees.
// Every view writes into the same folder; the folder goes with this object, which the main
// window owns, so a program that closes leaves nothing behind.
class TBrowserView : public QObject {
public:
    explicit TBrowserView(QObject* parent) : QObject(parent) {}

    // Writes the page and asks the desktop to open it. A folder that cannot be made raises
    // platform::Error with the folder where it was tried; then nothing is opened.
    // `moreCss` follows the page's sheet, as Export Page writes it.
    void Show(const TStyle& style, std::string_view title, std::string_view moreCss = {});

private:
    std::unique_ptr<QTemporaryDir> folder_;
};
