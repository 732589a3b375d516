// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Accessible.h"

#include <QAccessibleWidget>

#include "controls/BoxLabl.h"
#include "controls/HotSpot.h"
#include "controls/LinkLabel.h"
#include "controls/SlideBar.h"

namespace controls {

namespace {

class SlideBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SlideBarAccessible(TSlideBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return QString::number(Bar()->Position());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return Bar()->Position(); }
    void setCurrentValue(const QVariant& value) override { Bar()->SetPosition(value.toInt()); }
    QVariant maximumValue() const override { return Bar()->Max(); }
    QVariant minimumValue() const override { return Bar()->Min(); }
    QVariant minimumStepSize() const override { return Bar()->LineSize(); }

private:
    TSlideBar* Bar() const { return static_cast<TSlideBar*>(widget()); }
};

class HotspotAccessible : public QAccessibleWidget {
public:
    explicit HotspotAccessible(THotspot* hotspot) : QAccessibleWidget(hotspot, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Hotspot()->Hint();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit Hotspot()->OnClick(Hotspot());
    }

private:
    THotspot* Hotspot() const { return static_cast<THotspot*>(widget()); }
};

class BoxLabelAccessible : public QAccessibleWidget {
public:
    explicit BoxLabelAccessible(TCustomBoxLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    // The text the label shows; a label that shows nothing falls back to its given name.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString shown = Label()->GetText();
            return shown.isEmpty() ? widget()->accessibleName() : shown;
        }
        return QAccessibleWidget::text(kind);
    }

private:
    TCustomBoxLabel* Label() const { return static_cast<TCustomBoxLabel*>(widget()); }
};

class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(TLinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Link()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit Link()->Activated();
    }

private:
    TLinkLabel* Link() const { return static_cast<TLinkLabel*>(widget()); }
};

QAccessibleInterface* CreateAccessible(const QString& /*className*/, QObject* object) {
    if (auto* bar = qobject_cast<TSlideBar*>(object)) return new SlideBarAccessible(bar);
    if (auto* hotspot = qobject_cast<THotspot*>(object)) return new HotspotAccessible(hotspot);
    if (auto* label = qobject_cast<TCustomBoxLabel*>(object)) return new BoxLabelAccessible(label);
    if (auto* link = qobject_cast<TLinkLabel*>(object)) return new LinkLabelAccessible(link);
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace controls
