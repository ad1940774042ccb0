// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/sortedcombobox.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QSignalBlocker>

SortedComboBox::SortedComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would append the rest of an item to what is typed.
    setCompleter(nullptr);
    lineEdit()->setCompleter(nullptr);

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
    connect(this, &QComboBox::textActivated, this, &SortedComboBox::userTextChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &SortedComboBox::userTextChanged);
}
