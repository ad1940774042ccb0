// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// An editable drop-down list that keeps its items in alphabetical order
// whatever order they are added in. Its text field accepts typing, with no
// completion and no insertion of typed texts. userTextChanged is emitted when
// the pupil picks an item or edits the text, never when the program sets it.
class SortedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SortedComboBox(QWidget *parent = nullptr);

signals:
    void userTextChanged(const QString &text);

private:
    bool m_sorting = false;
};
