// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/accessibility.h"

#include "app/window_services/imagecontrol.h"
#include "app/window_services/markerlayer.h"
#include "app/window_services/scrollbar.h"
#include "app/window_services/valueedit.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

class ImageAccessible : public QAccessibleWidget
{
public:
    explicit ImageAccessible(ImageControl *image) : QAccessibleWidget(image, QAccessible::Graphic)
    {
    }

    // A picture that is not drawn (a lightning between two flashes, the
    // sensor between two blinks) is not there for the pupil either.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!static_cast<const ImageControl *>(widget())->isShown())
            state.invisible = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *image = static_cast<const ImageControl *>(widget());
        const QString state = image->stateInWords();
        if (t == QAccessible::Value)
            return state;
        const QString text = QAccessibleWidget::text(t);
        const QAccessible::Text place = image->statePlace() == ImageControl::StatePlace::Name
                                            ? QAccessible::Name
                                            : QAccessible::Description;
        if (t == place && !state.isEmpty())
            return text +
                   (place == QAccessible::Name ? QStringLiteral(" : ") : QStringLiteral(" ")) +
                   state;
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
        return static_cast<const ValueEdit *>(widget())->value();
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

// A message on its way: a graphic named after its pathway's kind, where it
// is on the screen.
class MarkerAccessible : public QAccessibleInterface
{
public:
    explicit MarkerAccessible(Marker *marker) : m_marker(marker) {}

    bool isValid() const override { return m_marker && m_marker->layer(); }
    QObject *object() const override { return m_marker; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_marker->layer());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_marker->name() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QRect where = m_marker->geometry();
        return {m_marker->layer()->mapToGlobal(where.topLeft()), where.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_marker->isVisible();
        return state;
    }

private:
    QPointer<Marker> m_marker;
};

// The layer itself only carries the messages shown on it.
class MarkerLayerAccessible : public PanelAccessible
{
public:
    explicit MarkerLayerAccessible(MarkerLayer *layer) : PanelAccessible(layer) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<Marker *> markers = shown();
        return index >= 0 && index < markers.size()
                   ? QAccessible::queryAccessibleInterface(markers[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shown().indexOf(qobject_cast<Marker *>(child->object())));
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const auto *layer = static_cast<const MarkerLayer *>(widget());
        Marker *marker = layer->markerAt(layer->mapFromGlobal(QPoint(x, y)));
        return marker ? QAccessible::queryAccessibleInterface(marker) : nullptr;
    }

private:
    QList<Marker *> shown() const
    {
        QList<Marker *> markers = static_cast<const MarkerLayer *>(widget())->markers();
        markers.removeIf([](const Marker *marker) { return !marker->isVisible(); });
        return markers;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("Marker"))
        return new MarkerAccessible(static_cast<Marker *>(object));
    if (className == QLatin1String("MarkerLayer"))
        return new MarkerLayerAccessible(static_cast<MarkerLayer *>(object));
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
        value = bar->valueText();
        unit = bar->unit();
    } else if (const auto *edit = qobject_cast<const ValueEdit *>(control)) {
        value = edit->text();
        unit = edit->unit();
    }
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}
