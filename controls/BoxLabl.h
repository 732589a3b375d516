// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include "controls/ClickTracker.h"

#include <cstdint>

#include "controls/BoxLabelLayout.h"
#include "platform/Color.h"

namespace controls {

// A read-only label that draws its caption inside a bevelled box: up to two bevel rings and
// an optional single black frame, filled with its own colour, the caption placed left,
// right or centred and at the top, middle or bottom. It takes no focus.
//
// Setters compare first and repaint only on a change. TextBorder, FormatString and Decimals
// are kept for the windows that set them but do not affect the drawing.
class TCustomBoxLabel : public QWidget {
    Q_OBJECT

public:
    // The drawn text is cut to this many characters.
    static constexpr int kMaxTextLength = 255;

    explicit TCustomBoxLabel(QWidget* parent = nullptr);

    TAlignment Alignment() const { return style_.alignment; }
    void SetAlignment(TAlignment value);
    THorizontalAlignment HorizontalAlign() const { return style_.verticalAlign; }
    void SetHorizontalAlign(THorizontalAlignment value);
    TBevelStyle BevelInner() const { return style_.bevelInner; }
    void SetBevelInner(TBevelStyle value);
    TBevelStyle BevelOuter() const { return style_.bevelOuter; }
    void SetBevelOuter(TBevelStyle value);
    int BevelWidth() const { return style_.bevelWidth; }
    void SetBevelWidth(int value);
    TBorderStyle BorderStyle() const { return style_.borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    platform::TColor FontColor() const { return fontColor_; }
    void SetFontColor(platform::TColor value);
    // The label's own switch: a label inside a disabled window keeps its normal look, as
    // the classic labels do.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool value) { setEnabled(value); }

    int TextBorder() const { return textBorder_; }
    void SetTextBorder(int value);
    QString FormatString() const { return formatString_; }
    void SetFormatString(const QString& value) { formatString_ = value; }
    std::int8_t Decimals() const { return decimals_; }
    void SetDecimals(std::int8_t value) { decimals_ = value; }

    // What the paint draws and what setting the text changes; subclasses may show a value
    // in another form.
    virtual QString GetText() const;
    virtual void SetText(const QString& value);

    QSize sizeHint() const override { return {kDefaultWidth, kDefaultHeight}; }

signals:
    void OnClick(controls::TCustomBoxLabel* sender);
    void OnDblClick(controls::TCustomBoxLabel* sender);
    void OnMouseDown(controls::TCustomBoxLabel* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                     QPoint point);
    void OnMouseUp(controls::TCustomBoxLabel* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                   QPoint point);
    void OnMouseMove(controls::TCustomBoxLabel* sender, Qt::KeyboardModifiers shift, QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    static constexpr int kDefaultWidth = 70;
    static constexpr int kDefaultHeight = 20;
    static constexpr int kDefaultTextBorder = 2;

    template <typename T>
    void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        update();
    }

    BoxLabelStyle style_;
    QString caption_;
    platform::TColor color_;
    platform::TColor fontColor_;
    bool wordWrap_ = false;
    int textBorder_ = kDefaultTextBorder;
    QString formatString_;
    std::int8_t decimals_ = 0;
    ClickTracker clicks_;
};

// The box label the windows place; it adds nothing to TCustomBoxLabel.
class TBoxLabel : public TCustomBoxLabel {
    Q_OBJECT

public:
    using TCustomBoxLabel::TCustomBoxLabel;
};

}  // namespace controls
