// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <optional>

// One of the colour panel's two-digit hexadecimal fields. It keeps out every typed
// character but hexadecimal digits and Backspace, shows letters in upper case, steps its
// value with the navigation keys, and pads a single digit when it loses the focus. Its
// text changes reach the panel through textChanged.
//
// A selection shows only while the field has the focus. Opening a menu or switching to
// another window does not leave the field: its text is not padded then, and its selection
// comes back with the focus.
class THexEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit THexEdit(QWidget* parent = nullptr);

    // Selects the whole text, so that the next typed digit replaces it; a field without the
    // focus keeps that selection hidden until the focus comes back from a menu or window.
    void SelectWhole();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Selection {
        int start;
        int length;
    };
    std::optional<Selection> hidden_;
};
