// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the window's fonts: the window face at 11 pixels, and every font set
// in points given its pixel size at 96 dots per inch, family and weight kept.
#include "app/window_services/layoutfonts.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>

class TestLayoutFonts : public QObject
{
    Q_OBJECT

private slots:
    void windowFaceAtElevenPixels()
    {
        const QString family = loadWindowFontFamily();
        QVERIFY(family == QLatin1String("MS Sans Serif") || family == QLatin1String("FreeSans"));
        QCOMPARE(loadWindowFontFamily(), family);
        const QFont font = windowFont();
        QCOMPARE(font.pixelSize(), 11);
        QCOMPARE(QFontInfo(font).family(), family);
        // The family the form names reaches the face actually loaded.
        QCOMPARE(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(), family);
    }

    void pointSizesBecomePixels_data()
    {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<int>("pixels");
        QTest::addRow("8 pt") << 8.0 << 11;
        QTest::addRow("10 pt") << 10.0 << 13;
        QTest::addRow("12 pt") << 12.0 << 16;
        QTest::addRow("14 pt") << 14.0 << 19;
    }

    void pointSizesBecomePixels()
    {
        QFETCH(qreal, points);
        QFETCH(int, pixels);
        QWidget root;
        QWidget group(&root);
        QLabel label(&group);
        QLabel inheriting(&group);
        QFont font(QStringLiteral("FreeSans"));
        font.setPointSizeF(points);
        font.setBold(true);
        label.setFont(font);
        QFont rootFont(loadWindowFontFamily());
        rootFont.setPointSize(8);
        root.setFont(rootFont);

        applyLayoutFonts(&root);
        QCOMPARE(label.font().pixelSize(), pixels);
        QCOMPARE(label.font().family(), QStringLiteral("FreeSans"));
        QVERIFY(label.font().bold());
        QCOMPARE(root.font().pixelSize(), 11);
        QCOMPARE(inheriting.font().pixelSize(), 11);
        QVERIFY(!inheriting.testAttribute(Qt::WA_SetFont));
    }

    void pixelSizesKept()
    {
        QWidget root;
        QFont font = root.font();
        font.setPixelSize(3);
        root.setFont(font);
        applyLayoutFonts(&root);
        QCOMPARE(root.font().pixelSize(), 3);
    }
};

QTEST_MAIN(TestLayoutFonts)
#include "tst_layoutfonts.moc"
