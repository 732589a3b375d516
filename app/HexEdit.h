#pragma once

#include <QLineEdit>

// One of the colour panel's two-digit hexadecimal fields. It keeps out every typed
// character but hexadecimal digits and Backspace, shows letters in upper case, steps its
// value with the navigation keys, and pads a single digit when it loses the focus. Its
// text changes reach the panel through textChanged.
class THexEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit THexEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
