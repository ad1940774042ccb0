// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the picture box: a drawing surface made at the control's size on
// first use and kept afterwards, auto-size from the picture, silver keyed out
// when transparent, and the free tag.
#include "app/window_services/canvas.h"
#include "app/window_services/imagecontrol.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QRgb silver = qRgb(192, 192, 192);
const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
} // namespace

class TestImageControl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_picturePath;

private slots:
    // A 6 x 4 silver picture with a red square in its middle.
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QImage picture(6, 4, QImage::Format_RGB32);
        picture.fill(silver);
        picture.setPixel(2, 1, red);
        picture.setPixel(3, 1, red);
        picture.setPixel(2, 2, red);
        picture.setPixel(3, 2, red);
        m_picturePath = m_dir.filePath(QStringLiteral("picture.png"));
        QVERIFY(picture.save(m_picturePath));
    }

    void surfaceMadeAtCurrentSizeOnFirstUse()
    {
        ImageControl control;
        control.resize(30, 12);
        QVERIFY(control.image().isNull());
        control.resize(50, 20);
        Canvas &canvas = control.canvas();
        QCOMPARE(control.image().size(), QSize(50, 20));
        QCOMPARE(canvas.pixel(49, 19), QColor(Qt::white));
        control.resize(20, 10);
        QCOMPARE(&control.canvas(), &canvas);
        QCOMPARE(control.image().size(), QSize(50, 20));
    }

    // A surface larger than the control shows its top-left part.
    void paintsTopLeftOfLargerSurface()
    {
        QWidget parent;
        parent.resize(40, 40);
        ImageControl control(&parent);
        control.resize(20, 10);
        control.canvas().setBrushColor(QColor(blue));
        control.canvas().fillRect(0, 0, 20, 10);
        control.resize(10, 5);
        const QImage shown = control.grab().toImage();
        QCOMPARE(shown.size(), QSize(10, 5));
        QCOMPARE(shown.pixel(9, 4), blue);
    }

    void autoSizeTakesPictureSize_data()
    {
        QTest::addColumn<bool>("autoSizeFirst");
        QTest::addRow("auto-size then picture") << true;
        QTest::addRow("picture then auto-size") << false;
    }

    void autoSizeTakesPictureSize()
    {
        QFETCH(bool, autoSizeFirst);
        ImageControl control;
        control.resize(100, 100);
        if (autoSizeFirst)
            control.setAutoSize(true);
        control.setPicture(m_picturePath);
        QCOMPARE(control.size(), autoSizeFirst ? QSize(6, 4) : QSize(100, 100));
        control.setAutoSize(true);
        QCOMPARE(control.size(), QSize(6, 4));
        QCOMPARE(control.image().pixel(2, 1), red);
    }

    // What lies beneath (here a blue parent) shows through the silver surface
    // of a transparent picture, and through the area outside the picture.
    void transparentKeysOutSilver_data()
    {
        QTest::addColumn<bool>("transparent");
        QTest::addRow("transparent") << true;
        QTest::addRow("opaque") << false;
    }

    void transparentKeysOutSilver()
    {
        QFETCH(bool, transparent);
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(blue));
        parent.setPalette(palette);
        parent.resize(20, 20);
        ImageControl control(&parent);
        control.setGeometry(0, 0, 10, 10);
        control.setTransparent(transparent);
        control.setPicture(m_picturePath);
        const QImage shown = parent.grab().toImage();
        QCOMPARE(shown.pixel(2, 1), red);
        QCOMPARE(shown.pixel(0, 0), transparent ? blue : silver);
        QCOMPARE(shown.pixel(8, 8), blue);
    }

    void missingPictureShowsNothing()
    {
        ImageControl control;
        control.setPicture(QStringLiteral(":/no/such/picture.png"));
        QVERIFY(control.image().isNull());
        QCOMPARE(control.picture(), QStringLiteral(":/no/such/picture.png"));
    }

    void tagIsFree()
    {
        ImageControl control;
        QCOMPARE(control.tag(), 0);
        control.setTag(2);
        QCOMPARE(control.tag(), 2);
        QCOMPARE(control.property("tag").toInt(), 2);
    }
};

QTEST_MAIN(TestImageControl)
#include "tst_imagecontrol.moc"
