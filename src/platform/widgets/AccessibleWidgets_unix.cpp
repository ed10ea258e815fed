// SPDX-License-Identifier: GPL-3.0-or-later
// AccessibleWidgets on Unix: what AT-SPI tells a screen reader of windows and drop-down lists, where Qt's own words mislead.
#include "AccessibleWidgets.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include <utility>

namespace {

// Qt's own interface for a drop-down list names it by the item it shows on
// Unix, so a screen reader announces "/home/ann [Home]" where it should say
// "Place". This one keeps the accessible name, and gives the item as the value
// and as a line of text that cannot be edited: Orca reads that text as the
// selection where, as with Qt 6.4, the bridge offers no selection to read.
class DropDownList final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DropDownList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        // Qt tells of a new item as a change of value, which its AT-SPI bridge
        // passes on as a change of name and of selection; the text changes too.
        // The new text comes first, then the old one goes: Orca speaks a text
        // that comes selected, and would call the old one's going first
        // "Selection deleted".
        QObject::connect(list, &QComboBox::currentTextChanged, list,
                         [list, shown = list->currentText()](const QString &text) mutable {
                             QAccessibleTextInsertEvent inserted(list, 0, text);
                             QAccessible::updateAccessibility(&inserted);
                             QAccessibleTextRemoveEvent removed(list, int(text.size()), std::exchange(shown, text));
                             QAccessible::updateAccessibility(&removed);
                         });
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? item() : QAccessibleWidget::text(which);
    }

    // The list of items that drops down, as Qt's own interface has it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The item as read-only text, the caret at its start and the whole of it
    // selected, as the item is in the list: a screen reader speaks a new text
    // that comes selected (Orca does), as it does in a list that can be typed into.
    QString text(int start, int end) const override { return item().mid(start, end - start); }
    int characterCount() const override { return int(item().size()); }
    void selection(int index, int *start, int *end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return item().isEmpty() ? 0 : 1; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
    QString item() const { return list()->currentText(); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    if (list && !list->isEditable())
        return new DropDownList(list);
    // Asked class by class from the most derived: a window whose first class
    // Qt knows is QWidget itself (not a dialog, not a popup) is a plain one.
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && className == u"QWidget" && widget->windowType() == Qt::Window)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace AccessibleWidgets {

void install()
{
    // The factory installed last is asked first, before Qt's own; a second install is ignored.
    QAccessible::installFactory(accessibleFor);
}

} // namespace AccessibleWidgets
