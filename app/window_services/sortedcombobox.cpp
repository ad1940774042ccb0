// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/sortedcombobox.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

// Rows of a fixed height (0 keeps the style's own).
class FixedHeightDelegate : public QStyledItemDelegate
{
public:
    FixedHeightDelegate(const SortedComboBox *box, QObject *parent)
        : QStyledItemDelegate(parent), m_box(box)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (m_box->itemHeight() > 0)
            size.setHeight(m_box->itemHeight());
        return size;
    }

private:
    const SortedComboBox *m_box;
};

} // namespace

SortedComboBox::SortedComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would append the rest of an item to what is typed.
    setCompleter(nullptr);
    lineEdit()->setCompleter(nullptr);
    // The combo box turns a finished edit that matches an item (Enter, or the
    // focus leaving the field, for example to a question) into a pick of that
    // item. A typed name is applied once, on the letter that completes it: the
    // end of the edit must not apply it again over the pupil's later changes.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setItemDelegate(new FixedHeightDelegate(this, this));

    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (m_sorting)
            return;
        m_sorting = true;
        // Sorting moves rows under the current index; the text shown stays.
        const QString shown = currentText();
        {
            const QSignalBlocker blocker(this);
            model()->sort(0);
            setEditText(shown);
        }
        m_sorting = false;
    });
    // A picked name longer than the field shows its beginning, not its end.
    connect(this, &QComboBox::textActivated, this, [this] { lineEdit()->setCursorPosition(0); });
    connect(this, &QComboBox::textActivated, this, &SortedComboBox::userTextChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SortedComboBox::userTextChanged);
}

void SortedComboBox::setItemHeight(int pixels)
{
    m_itemHeight = pixels;
    view()->doItemsLayout();
}
