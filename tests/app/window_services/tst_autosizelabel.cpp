// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the self-sizing label: a plain caption gives the text's width and
// line height, a word-wrapping one keeps its width and takes the height of
// its lines; a style sheet colour adds no margin.
#include "app/window_services/autosizelabel.h"

#include <QFontMetrics>
#include <QTest>

class TestAutoSizeLabel : public QObject
{
    Q_OBJECT

private slots:
    void keepsStoredSizeUntilCaption()
    {
        AutoSizeLabel label;
        label.resize(23, 13);
        label.setText(QStringLiteral("Son plus long"));
        QCOMPARE(label.size(), QSize(23, 13));
    }

    void fitsCaption_data()
    {
        QTest::addColumn<QString>("styleSheet");
        QTest::addRow("plain") << QString();
        QTest::addRow("coloured box") << QStringLiteral("background-color: rgb(255, 255, 0);");
    }

    void fitsCaption()
    {
        QFETCH(QString, styleSheet);
        QWidget parent;
        AutoSizeLabel label(&parent);
        label.setStyleSheet(styleSheet);
        label.resize(5, 5);
        const QString text = QStringLiteral("Centre intégrateur");
        label.setCaption(text);
        const QFontMetrics metrics(label.font());
        QCOMPARE(label.text(), text);
        QCOMPARE(label.size(), QSize(metrics.horizontalAdvance(text), metrics.height()));
        QCOMPARE(label.contentsRect(), label.rect());
        label.setCaption(QStringLiteral("Capteur"));
        QCOMPARE(label.width(), metrics.horizontalAdvance(QStringLiteral("Capteur")));
    }

    void wrappingKeepsWidth()
    {
        AutoSizeLabel label;
        label.setWordWrap(true);
        label.resize(60, 5);
        const QString text = QStringLiteral("Effecteur stimulateur de la glycémie");
        label.setCaption(text);
        const QFontMetrics metrics(label.font());
        QCOMPARE(label.width(), 60);
        QVERIFY(label.height() >= 2 * metrics.height());
        QCOMPARE(label.height(),
                 metrics.boundingRect(QRect(0, 0, 60, 0), Qt::TextWordWrap, text).height());
        // Back to one line (a font engine may round its height a pixel up).
        label.setCaption(QStringLiteral("Foie"));
        QCOMPARE(label.width(), 60);
        QVERIFY(label.height() >= metrics.height() && label.height() < 2 * metrics.height());
    }
};

QTEST_MAIN(TestAutoSizeLabel)
#include "tst_autosizelabel.moc"
