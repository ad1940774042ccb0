// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the drawing surface: rectangles exclude their right and bottom edges,
// lines exclude their end point in every direction, a 2-pixel pen is centred on
// its line, drawing is clipped at the surface, and texts stand at their point.
#include "app/window_services/canvas.h"

#include <QFontMetrics>
#include <QRegion>
#include <QTest>

namespace {
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor aqua(0, 255, 255);

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The pixels of the image that are not white.
QList<QPoint> inked(const QImage &image)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != white.rgb())
                points.append(QPoint(x, y));
    return points;
}
} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void fillExcludesRightAndBottom()
    {
        QImage image = blank(10, 10);
        Canvas canvas(&image);
        canvas.setBrushColor(aqua);
        canvas.fillRect(2, 3, 5, 7);
        const QList<QPoint> points = inked(image);
        QCOMPARE(points.size(), 3 * 4);
        QCOMPARE(points.first(), QPoint(2, 3));
        QCOMPARE(points.last(), QPoint(4, 6));
        QCOMPARE(canvas.pixel(3, 4), aqua);
    }

    void rectangleOutlineAndInside()
    {
        QImage image = blank(10, 10);
        Canvas canvas(&image);
        canvas.setBrushColor(aqua);
        canvas.rectangle(1, 1, 6, 5);
        QCOMPARE(canvas.pixel(1, 1), black);
        QCOMPARE(canvas.pixel(5, 1), black);
        QCOMPARE(canvas.pixel(5, 4), black);
        QCOMPARE(canvas.pixel(1, 4), black);
        QCOMPARE(canvas.pixel(3, 2), aqua);
        QCOMPARE(canvas.pixel(6, 3), white);
        QCOMPARE(canvas.pixel(3, 5), white);
        QCOMPARE(inked(image).size(), 5 * 4);
    }

    void lineExcludesEndPoint_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<QPoint>>("expected");
        const QPoint c(5, 5);
        QTest::addRow("east") << QPoint(8, 5) << QList<QPoint>{c, {6, 5}, {7, 5}};
        QTest::addRow("west") << QPoint(2, 5) << QList<QPoint>{{3, 5}, {4, 5}, c};
        QTest::addRow("south") << QPoint(5, 8) << QList<QPoint>{c, {5, 6}, {5, 7}};
        QTest::addRow("north") << QPoint(5, 2) << QList<QPoint>{{5, 3}, {5, 4}, c};
        QTest::addRow("south-east") << QPoint(8, 8) << QList<QPoint>{c, {6, 6}, {7, 7}};
        QTest::addRow("north-west") << QPoint(2, 2) << QList<QPoint>{{3, 3}, {4, 4}, c};
        QTest::addRow("north-east") << QPoint(8, 2) << QList<QPoint>{{7, 3}, {6, 4}, c};
        QTest::addRow("south-west") << QPoint(2, 8) << QList<QPoint>{{4, 6}, {3, 7}, c};
        QTest::addRow("one column") << QPoint(6, 5) << QList<QPoint>{c};
        QTest::addRow("same point") << c << QList<QPoint>{};
    }

    void lineExcludesEndPoint()
    {
        QFETCH(QPoint, to);
        QFETCH(QList<QPoint>, expected);
        QImage image = blank(11, 11);
        Canvas canvas(&image);
        canvas.moveTo(5, 5);
        canvas.lineTo(to.x(), to.y());
        QList<QPoint> points = inked(image);
        std::sort(expected.begin(), expected.end(), [](QPoint a, QPoint b) {
            return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
        });
        QCOMPARE(points, expected);
        QCOMPARE(canvas.penPosition(), to);
    }

    void steepLineIsConnected()
    {
        QImage image = blank(20, 20);
        Canvas canvas(&image);
        canvas.moveTo(1, 1);
        canvas.lineTo(5, 17);
        const QList<QPoint> points = inked(image);
        QCOMPARE(points.size(), 16);
        for (int i = 1; i < points.size(); ++i) {
            QCOMPARE(points[i].y(), points[i - 1].y() + 1);
            QVERIFY(points[i].x() - points[i - 1].x() <= 1);
        }
    }

    // The sunken frame of a recording strip: half of each 2-pixel line falls
    // outside, leaving the left and top edges black and the right and bottom
    // edges white on the fill colour.
    void twoPixelFrame()
    {
        const int w = 550;
        const int h = 40;
        QImage image = blank(w, h);
        Canvas canvas(&image);
        canvas.setBrushColor(aqua);
        canvas.fillRect(0, 0, w, h);
        canvas.setPenWidth(2);
        canvas.setPenColor(black);
        canvas.moveTo(0, h);
        canvas.lineTo(0, 0);
        canvas.lineTo(w, 0);
        canvas.setPenColor(white);
        canvas.lineTo(w, h);
        canvas.lineTo(0, h);

        for (int y = 0; y < h - 1; ++y) {
            QCOMPARE(canvas.pixel(0, y), black);
            QCOMPARE(canvas.pixel(1, y), y == 0 ? black : aqua);
            QCOMPARE(canvas.pixel(w - 1, y), white);
        }
        for (int x = 0; x < w - 1; ++x) {
            QCOMPARE(canvas.pixel(x, 0), black);
            QCOMPARE(canvas.pixel(x, 1), x == 0 ? black : aqua);
        }
        for (int x = 1; x < w; ++x)
            QCOMPARE(canvas.pixel(x, h - 1), white);
        QCOMPARE(canvas.pixel(w - 2, h - 2), aqua);
    }

    void clippedAtSurface()
    {
        QImage image = blank(10, 10);
        Canvas canvas(&image);
        canvas.setBrushColor(aqua);
        canvas.fillRect(-5, -5, 2, 2);
        canvas.fillRect(8, 8, 50, 50);
        canvas.moveTo(-20, 5);
        canvas.lineTo(40, 5);
        canvas.setPixel(-1, 0, black);
        canvas.setPixel(10, 0, black);
        QCOMPARE(canvas.pixel(0, 0), aqua);
        QCOMPARE(canvas.pixel(9, 9), aqua);
        QCOMPARE(canvas.pixel(0, 5), black);
        QCOMPARE(canvas.pixel(9, 5), black);
        QCOMPARE(inked(image).size(), 4 + 4 + 10);
    }

    // Only the part of the surface that an operation reports is shown anew:
    // it must hold every pixel the operation changed, and lie on the surface.
    void changedAreaCoversTheDrawing_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addRow("pixel") << 0;
        QTest::addRow("line along an axis") << 1;
        QTest::addRow("slanted line, pen 2") << 2;
        QTest::addRow("fill beyond the surface") << 3;
        QTest::addRow("rectangle") << 4;
        QTest::addRow("text") << 5;
    }

    void changedAreaCoversTheDrawing()
    {
        QFETCH(int, operation);
        QImage image = blank(60, 30);
        QRegion reported;
        Canvas canvas(&image, [&reported](const QRect &area) { reported += area; });
        const QImage before = image.copy();
        canvas.setBrushColor(aqua);
        switch (operation) {
        case 0:
            canvas.setPixel(2, 3, black);
            break;
        case 1:
            canvas.moveTo(5, 20);
            canvas.lineTo(40, 20);
            break;
        case 2:
            canvas.setPenWidth(2);
            canvas.moveTo(50, 2);
            canvas.lineTo(10, 25);
            break;
        case 3:
            canvas.fillRect(-10, 20, 200, 900);
            break;
        case 4:
            canvas.rectangle(3, 4, 30, 12);
            break;
        case 5:
            canvas.textOut(4, 6, QStringLiteral("Voie"));
            break;
        }
        QVERIFY(!reported.isEmpty());
        QVERIFY(image.rect().contains(reported.boundingRect()));
        int changed = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == before.pixel(x, y))
                    continue;
                ++changed;
                QVERIFY2(reported.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(changed > 0);
    }

    // The text cell is painted in the brush colour from (x, y); nothing is
    // drawn above or left of it.
    void textOutStandsAtItsPoint()
    {
        QImage image = blank(120, 40);
        Canvas canvas(&image);
        canvas.setBrushColor(aqua);
        canvas.textOut(10, 7, QStringLiteral("Min"));
        const QFontMetrics metrics(canvas.font());
        const QList<QPoint> points = inked(image);
        QVERIFY(!points.isEmpty());
        QCOMPARE(points.first(), QPoint(10, 7));
        QCOMPARE(canvas.pixel(10, 7), aqua);
        const QRect cell(10, 7, metrics.horizontalAdvance(QStringLiteral("Min")), metrics.height());
        bool dark = false;
        for (const QPoint &p : points) {
            QVERIFY2(cell.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
            dark = dark || qGray(image.pixel(p)) < 64;
        }
        QVERIFY(dark);
    }

    void fontHeightIsAbsolutePixels()
    {
        QImage image = blank(4, 4);
        Canvas canvas(&image);
        QCOMPARE(canvas.fontHeight(), 11);
        QFont font = canvas.font();
        font.setPointSize(12);
        canvas.setFont(font);
        QCOMPARE(canvas.fontHeight(), 16);
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
