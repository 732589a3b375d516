// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccessibleViews.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

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

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Box()->currentText();
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

// The nearest of Qt's own classes the object is made from: ours never start with a Q.
const char* NearestQtClass(const QObject& object) {
    const QMetaObject* meta = object.metaObject();
    while (meta->superClass() != nullptr && meta->className()[0] != 'Q') meta = meta->superClass();
    return meta->className();
}

// Called for each class of the object from the most derived up, and before Qt's own view
// of a class it knows only for our classes; so the window step answers for the object's own
// class, and only where Qt would see a plain QWidget.
QAccessibleInterface* CreateView(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->isWindow() && className == QLatin1String(object->metaObject()->className()) &&
        qstrcmp(NearestQtClass(*object), "QWidget") == 0) {
        const QAccessible::Role role = WindowRole(*widget);
        if (role != QAccessible::NoRole) return new QAccessibleWidget(widget, role);
    }
    if (auto* box = qobject_cast<TNamedComboBox*>(object)) return new NamedComboBoxAccessible(box);
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
