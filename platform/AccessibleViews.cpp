// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccessibleViews.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace platform {

namespace {

// The role of a top-level plain widget; popups (a combo box's list) keep Qt's own view.
QAccessible::Role WindowRole(const QWidget& widget) {
    switch (widget.windowType()) {
        case Qt::Dialog:
        case Qt::Sheet: return QAccessible::Dialog;
        case Qt::Window:
        case Qt::Tool: return QAccessible::Window;
        default: return QAccessible::NoRole;
    }
}

class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }

    // A box without a name of its own is named by its item, as Qt names it.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Box()->currentText();
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // The list that drops down, as Qt's own view has it, so that its items can be read.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == Box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

// Called for each class of the object from the most derived up; only the plain QWidget and
// QComboBox steps are ours, so that every class Qt knows better keeps Qt's view.
QAccessibleInterface* CreateView(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QComboBox")) {
        // An editable box is read through its line edit, which Qt's view offers.
        auto* box = static_cast<QComboBox*>(widget);
        return box->isEditable() ? nullptr : new NamedComboBoxAccessible(box);
    }
    if (className == QLatin1String("QWidget") && widget->isWindow()) {
        const QAccessible::Role role = WindowRole(*widget);
        if (role != QAccessible::NoRole) return new QAccessibleWidget(widget, role);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleViews() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateView);
        return true;
    }();
    (void)installed;
}

}  // namespace platform
