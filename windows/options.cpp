// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/options.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Application.h"
#include "platform/Faces.h"
#include "platform/IniFile.h"
#include "platform/Keys.h"
#include "platform/SysColors.h"
#include "style/SettingsKeys.h"
#include "windows/DialogParts.h"

namespace windows {

namespace {

constexpr QSize kClientSize{206, 156};
constexpr QRect kGroupPlace{24, 8, 155, 95};
constexpr QRect kOKPlace{24, 118, 75, 25};
constexpr QRect kCancelPlace{104, 118, 75, 25};
constexpr int kFontHeight = -11;  // pixels
constexpr QColor kNavy{0x00, 0x00, 0x80};

// In policy order: an item's index is the policy it stands for.
const char* const kItems[] = {QT_TRANSLATE_NOOP("windows::TfrmOptions", "Save Style on Exit"),
                              QT_TRANSLATE_NOOP("windows::TfrmOptions", "Prompt Before Saving"),
                              QT_TRANSLATE_NOOP("windows::TfrmOptions", "Do Not Save")};

// The radio group's items share the room below its caption evenly, indented from its frame.
constexpr int kItemLeft = 8;

}  // namespace

TfrmOptions::TfrmOptions(std::string settingsPath, QWidget* parent)
    : TKeyPreviewDialog(parent), settingsPath_(std::move(settingsPath)) {
    SetUpDialogFrame(*this, tr("Options"), kClientSize);
    setFont(platform::MakeFont("MS Sans Serif", kFontHeight));

    RGSave = new QGroupBox(tr("Save Options"), this);
    RGSave->setObjectName(QStringLiteral("RGSave"));
    RGSave->setGeometry(kGroupPlace);
    QFont groupFont = font();
    groupFont.setBold(true);
    RGSave->setFont(groupFont);
    QPalette groupPalette = RGSave->palette();
    groupPalette.setColor(QPalette::WindowText, kNavy);
    // Navy reads on the classic face, not on a dark theme's: the group keeps that face.
    groupPalette.setColor(QPalette::Window, platform::ToQColor(platform::clSilver));
    RGSave->setPalette(groupPalette);
    RGSave->setAutoFillBackground(true);

    items_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(kItems)); ++i) {
        auto* item = new QRadioButton(tr(kItems[i]), RGSave);
        item->setObjectName(QStringLiteral("RGSave%1").arg(i));
        items_->addButton(item, i);
    }
    ArrangeItems();

    const OkCancelButtons buttons = MakeOkCancelButtons(*this, kOKPlace, kCancelPlace);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    connect(cmdOK, &QPushButton::clicked, this, &TfrmOptions::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmOptions::cmdCancelClick);
    EnableKeyPreview();

    FormCreate();
}

void TfrmOptions::ArrangeItems() {
    const int count = static_cast<int>(std::size(kItems));
    const QRect inside = RGSave->contentsRect();
    const int itemHeight = inside.height() / count;
    const int top = inside.top() + (inside.height() % count) / 2;
    const int width = inside.right() + 1 - kItemLeft;
    for (int i = 0; i < count; ++i)
        items_->button(i)->setGeometry(kItemLeft, top + i * itemHeight, width, itemHeight);
}

void TfrmOptions::FormCreate() {
    const int stored =
        platform::TIniFile(settingsPath_)
            .ReadInteger(settingskeys::kSection, settingskeys::kSave, settingskeys::kSaveMissing);
    items_->button(SavePolicyOf(stored))->setChecked(true);
}

void TfrmOptions::cmdOKClick() {
    // A settings file that cannot be written is reported, and the dialog closes all the same:
    // the user has nothing to retry here, and the stored policy stays as it was.
    platform::RunReportingErrors([&] {
        platform::TIniFile(settingsPath_)
            .WriteInteger(settingskeys::kSection, settingskeys::kSave, items_->checkedId());
    });
    accept();
}

void TfrmOptions::cmdCancelClick() { reject(); }

}  // namespace windows
