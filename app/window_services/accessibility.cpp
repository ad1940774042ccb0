// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/accessibility.h"

#include "app/window_services/imagecontrol.h"
#include "app/window_services/scrollbar.h"
#include "app/window_services/valueedit.h"

#include <QAccessibleWidget>

namespace {

class ImageAccessible : public QAccessibleWidget
{
public:
    explicit ImageAccessible(ImageControl *image) : QAccessibleWidget(image, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString state = static_cast<const ImageControl *>(widget())->stateInWords();
        if (t == QAccessible::Value)
            return state;
        const QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && !state.isEmpty())
            return text + QStringLiteral(" : ") + state;
        return text;
    }
};

// A panel only frames: it takes no name from the group box around it, as Qt
// would give an unnamed control.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(QWidget *panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

// A value bar (the pupil moves it) or a value field (it only shows).
class ValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    ValueAccessible(QWidget *control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = bar() == nullptr;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return valueWithUnit(widget());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override
    {
        if (const ScrollBar *b = bar())
            return b->value();
        return static_cast<const ValueEdit *>(widget())->text().toInt();
    }
    void setCurrentValue(const QVariant &value) override
    {
        if (ScrollBar *b = bar())
            b->setValue(value.toInt());
    }
    QVariant maximumValue() const override
    {
        return bar() ? QVariant(bar()->maximum()) : QVariant();
    }
    QVariant minimumValue() const override
    {
        return bar() ? QVariant(bar()->minimum()) : QVariant();
    }
    QVariant minimumStepSize() const override
    {
        return bar() ? QVariant(bar()->singleStep()) : QVariant();
    }

private:
    ScrollBar *bar() const { return qobject_cast<ScrollBar *>(widget()); }
};

// A value field also reads as text, as a screen reader reads any field: the
// digits shown, with the caret and selection of the field.
class ValueEditAccessible : public ValueAccessible, public QAccessibleTextInterface
{
public:
    explicit ValueEditAccessible(ValueEdit *edit) : ValueAccessible(edit, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return ValueAccessible::interface_cast(type);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && edit()->hasSelectedText()) {
            *startOffset = edit()->selectionStart();
            *endOffset = edit()->selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }
    using ValueAccessible::text;

private:
    ValueEdit *edit() const { return static_cast<ValueEdit *>(widget()); }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("ImageControl"))
        return new ImageAccessible(static_cast<ImageControl *>(object));
    if (className == QLatin1String("Panel"))
        return new PanelAccessible(static_cast<QWidget *>(object));
    if (className == QLatin1String("ScrollBar"))
        return new ValueAccessible(static_cast<QWidget *>(object), QAccessible::Slider);
    if (className == QLatin1String("ValueEdit"))
        return new ValueEditAccessible(static_cast<ValueEdit *>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

QString valueWithUnit(const QWidget *control)
{
    QString value, unit;
    if (const auto *bar = qobject_cast<const ScrollBar *>(control)) {
        value = QString::number(bar->value());
        unit = bar->unit();
    } else if (const auto *edit = qobject_cast<const ValueEdit *>(control)) {
        value = edit->text();
        unit = edit->unit();
    }
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}
