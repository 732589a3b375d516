// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <cmath>

#include "controls/StringGrid.h"
#include "platform/HelpViewer.h"
#include "platform/SysColors.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "windows/Colors.h"
#include "windows/ContrastCheck.h"
#include "windows/EntityWindow.h"
#include "windows/FileOpen.h"
#include "windows/FontText.h"
#include "windows/SelectFont.h"
#include "windows/about.h"
#include "windows/options.h"

namespace {

constexpr double kText = 4.5;
constexpr double kGlyph = 3.0;  // a glyph that is not text: a picture, a radio button's dot

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

double Luminance(QRgb color) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(color)) + 0.7152 * channel(qGreen(color)) + 0.0722 * channel(qBlue(color));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast the eye meets in an area of the window's picture: its most common colour is
// the background, and the glyph's strongest pixel is the one that stands out most from it.
// An area whose text cannot be seen at all measures 1.
double DrawnContrast(const QImage& shot, const QRect& area) {
    QHash<QRgb, int> counts;
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[shot.pixel(x, y) | 0xFF000000];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) std::tie(background, most) = std::pair(it.key(), it.value());
    double strongest = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        strongest = std::max(strongest, Contrast(it.key(), background));
    return strongest;
}

// A part of a control that shows text or a glyph, in the control's coordinates, with the
// contrast it needs.
struct Area {
    QRect rect;
    double minimum;
};

QRect ButtonPart(QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// Where the page's first link is drawn: the line of text its anchor covers.
QRect FirstLink(const QTextDocument& page) {
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref().isEmpty()) continue;
            const QTextLayout* layout = block.layout();
            const int start = fragment.position() - block.position();
            const QTextLine line = layout->lineForTextPosition(start);
            const int end = std::min(start + fragment.length(), line.textStart() + line.textLength());
            const qreal left = line.cursorToX(start), right = line.cursorToX(end);
            return QRectF(layout->position() + QPointF(left, line.y()), QSizeF(right - left, line.height()))
                .toAlignedRect();
        }
    }
    ADD_FAILURE() << "the page has no link";
    return {};
}

// The parts of a control that carry text or glyphs; none for a control that shows nothing
// of its own. Frames are left out: the text or picture inside them is what must read.
std::vector<Area> AreasOf(QWidget* widget) {
    const QRect inner = widget->rect().adjusted(2, 2, -2, -2);
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        std::vector<Area> areas{{ButtonPart(radio, QStyle::SE_RadioButtonContents), kText}};
        if (radio->isChecked()) areas.push_back({ButtonPart(radio, QStyle::SE_RadioButtonIndicator), kGlyph});
        return areas;
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        std::vector<Area> areas{{ButtonPart(box, QStyle::SE_CheckBoxContents), kText}};
        if (box->isChecked()) areas.push_back({ButtonPart(box, QStyle::SE_CheckBoxIndicator), kGlyph});
        return areas;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (!button->text().isEmpty()) return {{inner, kText}};
        if (!button->icon().isNull()) return {{inner, kGlyph}};  // a picture only
        return {};
    }
    if (auto* label = qobject_cast<controls::TCustomBoxLabel*>(widget))
        return label->GetText().isEmpty() ? std::vector<Area>{} : std::vector<Area>{{widget->rect(), kText}};
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().isEmpty() ? std::vector<Area>{} : std::vector<Area>{{widget->rect(), kText}};
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().isEmpty() ? std::vector<Area>{} : std::vector<Area>{{inner, kText}};
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText().isEmpty() ? std::vector<Area>{} : std::vector<Area>{{inner, kText}};
    if (auto* list = qobject_cast<QListWidget*>(widget))
        return list->count() == 0 ? std::vector<Area>{} : std::vector<Area>{{inner, kText}};
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        return memo->toPlainText().isEmpty() ? std::vector<Area>{} : std::vector<Area>{{inner, kText}};
    if (auto* browser = qobject_cast<QTextBrowser*>(widget)) {
        // The page's title, its first block, and its first link.
        QTextDocument* page = browser->document();
        const QRect title = page->documentLayout()->blockBoundingRect(page->firstBlock()).toRect();
        const QPoint origin = browser->viewport()->mapTo(widget, QPoint());
        return {{title.translated(origin), kText}, {FirstLink(*page).translated(origin), kText}};
    }
    if (auto* grid = qobject_cast<controls::TStringGrid*>(widget)) {
        // Each column's title and two rows that are not the current one.
        std::vector<Area> areas;
        for (int col = 0; col < grid->ColCount(); ++col) {
            for (int row : {0, grid->Row() + 1, grid->Row() + 2}) {
                const platform::Rect r = grid->CellRect(col, row);
                areas.push_back({QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1))
                                     .translated(grid->viewport()->mapTo(widget, QPoint())),
                                 kText});
            }
        }
        return areas;
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return {{QRect(0, 0, group->width(), group->fontMetrics().height()), kText}};
    if (qobject_cast<QTabBar*>(widget) || qobject_cast<QMenuBar*>(widget)) return {{widget->rect(), kText}};
    return {};
}

// Checks every shown, enabled control of the window outside the areas in the user's own
// colours, and returns how many parts it checked.
int CheckDrawnContrast(QWidget& window, const QStringList& usersColours) {
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();  // no focus frames
    const QImage shot = window.grab().toImage();
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isEnabled() || !widget->isVisibleTo(&window)) continue;
        bool users = false;
        for (QWidget* w = widget; w != &window && !users; w = w->parentWidget())
            users = usersColours.contains(w->objectName());
        if (users) continue;
        for (const Area& area : AreasOf(widget)) {
            ++checked;
            const QRect place = area.rect.translated(widget->mapTo(&window, QPoint()));
            EXPECT_GE(DrawnContrast(shot, place), area.minimum)
                << window.objectName().toStdString() << ": " << widget->metaObject()->className() << " "
                << widget->objectName().toStdString() << " at " << place.x() << "," << place.y() << " "
                << place.width() << "x" << place.height();
        }
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

struct WindowRow {
    const char* name;
    std::function<QWidget*(TfrmMain& main, const QString& folder)> open;
    QStringList usersColours;  // controls that show the user's colours, not the theme's
    int parts;                 // at least this many parts checked
};

bool colorsOpen = false;
bool specialOpen = false;

const WindowRow kWindows[] = {
    {"main",
     [](TfrmMain& main, const QString&) -> QWidget* { return &main; },
     {"PanelTop", "pnlColor", "ShapeBGcolor"},
     25},
    {"palette",
     [](TfrmMain& main, const QString&) -> QWidget* {
         auto* palette = new windows::TfrmColors(&main, colorsOpen, [](platform::TColor) {});
         palette->show();
         QTest::keyClick(palette->Swatches, Qt::Key_Right);  // shows a colour's code
         return palette;
     },
     {"PaletteSwatches"},
     2},
    {"special",
     [](TfrmMain& main, const QString&) -> QWidget* {
         auto* special = new windows::TfrmSpecial(&main, &specialOpen);
         special->show();
         return special;
     },
     {},
     12},
    {"picture chooser",
     [](TfrmMain& main, const QString& folder) -> QWidget* {
         auto* chooser = new windows::TfrmFileOpen(folder.toStdString() + "/none.gif", {}, &main);
         chooser->show();
         return chooser;
     },
     {"GIFImagePreview"},
     8},
    {"options",
     [](TfrmMain& main, const QString& folder) -> QWidget* {
         auto* options = new windows::TfrmOptions(folder.toStdString() + "/vlr.ini", &main);
         options->show();
         return options;
     },
     {},
     5},
    {"font picker",
     [](TfrmMain& main, const QString&) -> QWidget* {
         auto* picker = new windows::TfrmSelectFont([](const QString&) {}, &main);
         picker->show();
         return picker;
     },
     {},
     4},
    {"text",
     [](TfrmMain& main, const QString&) -> QWidget* {
         auto* text = new windows::TfrmFontText(
             "Velloran", [](const QString&) {}, &main);
         text->show();
         text->findChild<QPlainTextEdit*>()->moveCursor(
             QTextCursor::End);  // the text itself, not a selection
         return text;
     },
     {},
     3},
    {"about",
     [](TfrmMain& main, const QString&) -> QWidget* {
         auto* about = new windows::TfrmAbout(&main);
         about->show();
         return about;
     },
     {},
     7},
    {"help",
     [](TfrmMain& main, const QString&) -> QWidget* {
         return platform::ShowHelpContents(&main, VELLORAN_MANUAL_FILE);
     },
     {},
     3},
    {"contrast check",
     [](TfrmMain& main, const QString&) -> QWidget* {
         auto* check = new windows::TfrmContrast(&main);
         TStyle style;
         style.VisitedColor = style.BackColor;  // a pair that cannot be read at all
         check->ShowStyle(style);
         check->show();
         return check;
     },
     {"lblSample"},
     20},
};

}  // namespace

// Under a dark theme every window's text and pictures stand out from what they are drawn on:
// text at 4.5:1 or more, glyphs that are not text at 3:1, measured on the drawn pixels. Only
// the controls that show the user's own colours are left out.
TEST_F(DarkThemeTest, EveryWindowReadsAsDrawn) {
    for (const WindowRow& row : kWindows) {
        SCOPED_TRACE(row.name);
        QWidget* shown = row.open(*window, folder.path());
        ASSERT_NE(shown, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
        EXPECT_GE(CheckDrawnContrast(*shown, row.usersColours), row.parts);
        if (shown != window.get()) shown->close();
    }
}
