// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the system list: items stay sorted whatever order they come in,
// typing leaves exactly what was typed, and userTextChanged reports the
// pupil's picks and typing but none of the program's changes.
#include "app/window_services/sortedcombobox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList itemsOf(const QComboBox &box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

const QStringList systems{QStringLiteral("Schéma général nerveux"), QStringLiteral("Glycémie"),
                          QStringLiteral("Intégrité de l'organisme"),
                          QStringLiteral("Pression artérielle"), QStringLiteral("Température")};
} // namespace

class TestSortedComboBox : public QObject
{
    Q_OBJECT

private slots:
    void keptSorted_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addRow("given order") << systems;
        QStringList reversed(systems.rbegin(), systems.rend());
        QTest::addRow("reversed") << reversed;
    }

    void keptSorted()
    {
        QFETCH(QStringList, added);
        SortedComboBox box;
        for (const QString &item : added)
            box.addItem(item);
        QStringList sorted = systems;
        sorted.sort();
        QCOMPARE(itemsOf(box), sorted);

        SortedComboBox atOnce;
        atOnce.addItems(added);
        QCOMPARE(itemsOf(atOnce), sorted);
    }

    void typingLeavesWhatWasTyped()
    {
        SortedComboBox box;
        box.addItems(systems);
        QVERIFY(box.isEditable());
        QCOMPARE(box.insertPolicy(), QComboBox::NoInsert);
        QSignalSpy spy(&box, &SortedComboBox::userTextChanged);
        box.lineEdit()->clear();
        QTest::keyClicks(box.lineEdit(), QStringLiteral("Gly"));
        QCOMPARE(box.currentText(), QStringLiteral("Gly"));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.last().first().toString(), QStringLiteral("Gly"));
        // Enter ends the edit: no pick, even of the item it names.
        box.lineEdit()->setText(QStringLiteral("Glycémie"));
        QTest::keyClick(box.lineEdit(), Qt::Key_Return);
        QCOMPARE(box.count(), systems.size());
        QCOMPARE(spy.count(), 3);
    }

    void pickingReportsText()
    {
        SortedComboBox box;
        box.addItems(systems);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy spy(&box, &SortedComboBox::userTextChanged);
        box.showPopup();
        QAbstractItemView *list = box.view();
        QTRY_VERIFY(list->isVisible());
        const QModelIndex picked =
            box.model()->index(box.findText(QStringLiteral("Température")), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(picked).center());
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toString(), QStringLiteral("Température"));
        QCOMPARE(box.currentText(), QStringLiteral("Température"));
    }

    void programChangesAreSilent()
    {
        SortedComboBox box;
        QSignalSpy spy(&box, &SortedComboBox::userTextChanged);
        box.addItems(systems);
        box.addItem(QStringLiteral("Autre"));
        box.setCurrentText(QStringLiteral("Glycémie"));
        box.setEditText(QStringLiteral("Pression artérielle"));
        box.setCurrentIndex(2);
        box.clear();
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(TestSortedComboBox)
#include "tst_sortedcombobox.moc"
