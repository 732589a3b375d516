#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTabBar>
#include <cmath>

#include "platform/SysColors.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "windows/SelectFont.h"
#include "windows/options.h"

namespace {

// A dark desktop theme: light text on dark surfaces.
QPalette DarkPalette() {
    QPalette palette;
    const QColor surface(0x35, 0x35, 0x35), field(0x2A, 0x2A, 0x2A), light(0xF0, 0xF0, 0xF0);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, surface);
        palette.setColor(group, QPalette::WindowText, light);
        palette.setColor(group, QPalette::Base, field);
        palette.setColor(group, QPalette::AlternateBase, surface);
        palette.setColor(group, QPalette::Text, light);
        palette.setColor(group, QPalette::Button, surface);
        palette.setColor(group, QPalette::ButtonText, light);
        palette.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        palette.setColor(group, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        palette.setColor(group, QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
        palette.setColor(group, QPalette::HighlightedText, Qt::black);
        palette.setColor(group, QPalette::ToolTipBase, field);
        palette.setColor(group, QPalette::ToolTipText, light);
    }
    return palette;
}

double Luminance(const QColor& color) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) + 0.0722 * channel(color.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Colours {
    QColor text;
    QColor background;
};

// The text and background colours a control is drawn in, or nothing for a widget that
// shows no text of its own.
std::optional<Colours> ColoursOf(QWidget* widget) {
    const QPalette& p = widget->palette();
    if (auto* label = qobject_cast<controls::TCustomBoxLabel*>(widget)) {
        return Colours{platform::ToQColor(label->FontColor()), platform::ToQColor(label->Color())};
    }
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
        qobject_cast<QListWidget*>(widget)) {
        return Colours{p.color(QPalette::Text), p.color(QPalette::Base)};
    }
    if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
        // Their text stands on the window behind them.
        return Colours{p.color(QPalette::WindowText), p.color(QPalette::Window)};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty()) return std::nullopt;  // a picture only
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty()) return std::nullopt;
    } else if (!qobject_cast<QGroupBox*>(widget) && !qobject_cast<QTabBar*>(widget) &&
               !qobject_cast<QMenuBar*>(widget)) {
        return std::nullopt;
    }
    return Colours{p.color(widget->foregroundRole()), p.color(widget->backgroundRole())};
}

// Checks the contrast of every enabled control of the window outside the given areas, and
// returns how many it checked.
int CheckContrast(QWidget& window, const QList<QWidget*>& usersColours) {
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isEnabled()) continue;
        if (std::any_of(usersColours.begin(), usersColours.end(),
                        [&](QWidget* u) { return u == widget || u->isAncestorOf(widget); }))
            continue;
        const std::optional<Colours> colours = ColoursOf(widget);
        if (!colours) continue;
        ++checked;
        EXPECT_GE(Contrast(colours->text, colours->background), 4.5)
            << widget->metaObject()->className() << " " << widget->objectName().toStdString() << " text "
            << colours->text.name().toStdString() << " on " << colours->background.name().toStdString();
    }
    return checked;
}

class DarkThemeTest : public MainWindowTest {
protected:
    void SetUp() override {
        QApplication::setPalette(DarkPalette());
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        QApplication::setPalette(platform::ClassicPalette());
    }
};

}  // namespace

// Under a dark theme every control whose colours come from the theme or from the window
// keeps a contrast of at least 4.5:1 between its text and its background. The preview and
// the swatches show the user's colours, and disabled controls are drawn by the theme.
TEST_F(DarkThemeTest, EveryControlsTextReadsOnItsBackground) {
    EXPECT_GE(CheckContrast(*window, {window->PanelTop, window->colorPanel->pnlColor, window->ShapeBGcolor}),
              20);
}

// The dialogs the main window opens read as well.
TEST_F(DarkThemeTest, DialogsReadToo) {
    windows::TfrmOptions options(folder.path().toStdString() + "/vlr.ini", window.get());
    windows::TfrmSelectFont selectFont([](const QString&) {}, window.get());
    for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &selectFont}) {
        EXPECT_GE(CheckContrast(*dialog, {}), 3) << dialog->metaObject()->className();
    }
}
