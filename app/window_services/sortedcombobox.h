// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// An editable drop-down list that keeps its items in alphabetical order
// whatever order they are added in. Its text field accepts typing, with no
// completion and no insertion of typed texts. userTextChanged is emitted when
// the pupil picks an item (mouse, keys, wheel) or edits the text, never when
// the program sets it, and never when an edit merely ends (Enter, or the
// field losing the focus). Every row of the open list is itemHeight pixels.
class SortedComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)

public:
    explicit SortedComboBox(QWidget *parent = nullptr);

    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int pixels);

signals:
    void userTextChanged(const QString &text);

private:
    bool m_sorting = false;
    int m_itemHeight = 0;
};
