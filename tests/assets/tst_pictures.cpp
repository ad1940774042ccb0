// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the embedded pictures: their sizes and 16-colour palettes, the pixel columns and
// rows of the pathway bands on which the message markers travel, the effectors' signs, and
// the layout of the button glyph strips.

#include "app/window_services/imagecontrol.h"

#include <algorithm>

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSet>
#include <QTest>

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor silver(192, 192, 192);
const QColor grey(128, 128, 128);
const QColor yellow(255, 255, 0);
const QColor aqua(0, 255, 255);
const QColor lime(0, 255, 0);
const QColor red(255, 0, 0);
const QColor fuchsia(255, 0, 255);
const QColor green(0, 128, 0);
const QColor teal(0, 128, 128);
const QColor olive(128, 128, 0);

const QList<QColor> namedColours{black, white, silver,  grey,  yellow, aqua,
                                 lime,  red,   fuchsia, green, teal,   olive};

constexpr int bandWidth = 4;
constexpr int glyphSize = 16;

QImage picture(const QString &name)
{
    return QImage(QStringLiteral(":/assets/%1.png").arg(name));
}

// A band of 4 pixels crossed at one place: the band in its colour, its black outline on
// both sides, then the silver surface. `vertical` bands are legs, given by their first
// column and crossed at row `at`; the others are runs, given by their first row.
struct Crossing
{
    bool vertical;
    int first;
    int at;

    QPoint point(int offset) const
    {
        return vertical ? QPoint(first + offset, at) : QPoint(at, first + offset);
    }
};

QColor expectedAcross(int offset, const QColor &band)
{
    if (offset >= 0 && offset < bandWidth)
        return band;
    if (offset == -1 || offset == bandWidth)
        return black;
    return silver;
}

QSet<QRgb> coloursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void sizeAndColours_data();
    void sizeAndColours();
    void bandCrossing_data();
    void bandCrossing();
    void bandEnd_data();
    void bandEnd();
    void bendIsCut_data();
    void bendIsCut();
    void effectorSign_data();
    void effectorSign();
    void centreDisc();
    void glyphStrip_data();
    void glyphStrip();
    void scaledWithoutBlending_data();
    void scaledWithoutBlending();
};

void TestPictures::sizeAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QColor>>("drawnWith");

    QTest::newRow("sensory pathway")
        << "voie_sensitive" << QSize(300, 50) << QList<QColor>{aqua, black, silver};
    QTest::newRow("stimulating pathway")
        << "voie_stimulatrice" << QSize(251, 43) << QList<QColor>{lime, black, silver};
    QTest::newRow("inhibiting pathway")
        << "voie_inhibitrice" << QSize(302, 75) << QList<QColor>{red, black, silver};
    QTest::newRow("integrating centre")
        << "centre_integrateur" << QSize(82, 82) << QList<QColor>{green, black, silver};
    QTest::newRow("stimulating effector")
        << "effecteur_stimulateur" << QSize(30, 30) << QList<QColor>{lime, black, silver};
    QTest::newRow("inhibiting effector")
        << "effecteur_inhibiteur" << QSize(30, 30) << QList<QColor>{red, black, silver};
    QTest::newRow("first lightning")
        << "eclair1" << QSize(32, 40) << QList<QColor>{yellow, black, silver};
    QTest::newRow("second lightning")
        << "eclair2" << QSize(32, 20) << QList<QColor>{yellow, black, silver};
    QTest::newRow("help glyph") << "glyph_aide" << QSize(64, 16)
                                << QList<QColor>{yellow, white, red, grey, olive};
    QTest::newRow("sound glyph") << "glyph_son" << QSize(64, 16)
                                 << QList<QColor>{black, silver, grey, red, olive};
    QTest::newRow("clear glyph") << "glyph_enreg" << QSize(64, 16)
                                 << QList<QColor>{yellow, green, black, lime, grey, silver};
    QTest::newRow("recording glyph")
        << "glyph_enreg_voie" << QSize(64, 16) << QList<QColor>{black, aqua, grey, silver};
}

void TestPictures::sizeAndColours()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QList<QColor>, drawnWith);

    const QImage image = picture(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);

    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(image.colorCount() <= 16);

    const QSet<QRgb> used = coloursOf(image);
    for (QRgb rgb : used)
        QVERIFY2(namedColours.contains(QColor(rgb)), qPrintable(QColor(rgb).name()));
    for (const QColor &colour : drawnWith)
        QVERIFY2(used.contains(colour.rgb()), qPrintable(colour.name()));

    // A round picture is also drawn at twice the resolution, with the same colours.
    const QImage fine(QStringLiteral(":/assets/%1@2x.png").arg(name));
    if (!name.startsWith(QLatin1String("voie")) && !name.startsWith(QLatin1String("glyph"))) {
        QCOMPARE(fine.size(), 2 * size);
        QCOMPARE(coloursOf(fine), used);
    }
}

void TestPictures::bandCrossing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("at");

    const auto leg = [](const char *tag, const char *name, const QColor &colour, int firstColumn,
                        int row) {
        QTest::addRow("%s, row %d", tag, row) << name << colour << true << firstColumn << row;
    };
    const auto run = [](const char *tag, const char *name, const QColor &colour, int firstRow,
                        int column) {
        QTest::addRow("%s, column %d", tag, column)
            << name << colour << false << firstRow << column;
    };

    leg("sensory left leg", "voie_sensitive", aqua, 10, 48);
    leg("sensory left leg", "voie_sensitive", aqua, 10, 30);
    leg("sensory left leg", "voie_sensitive", aqua, 10, 16);
    run("sensory top run", "voie_sensitive", aqua, 10, 15);
    run("sensory top run", "voie_sensitive", aqua, 10, 150);
    run("sensory top run", "voie_sensitive", aqua, 10, 281);
    leg("sensory right leg", "voie_sensitive", aqua, 283, 16);
    leg("sensory right leg", "voie_sensitive", aqua, 283, 32);

    leg("stimulating right leg", "voie_stimulatrice", lime, 246, 0);
    leg("stimulating right leg", "voie_stimulatrice", lime, 246, 20);
    leg("stimulating right leg", "voie_stimulatrice", lime, 246, 35);
    run("stimulating bottom run", "voie_stimulatrice", lime, 38, 244);
    run("stimulating bottom run", "voie_stimulatrice", lime, 38, 125);
    run("stimulating bottom run", "voie_stimulatrice", lime, 38, 6);
    leg("stimulating left leg", "voie_stimulatrice", lime, 1, 35);
    leg("stimulating left leg", "voie_stimulatrice", lime, 1, 10);

    leg("inhibiting right leg", "voie_inhibitrice", red, 297, 2);
    leg("inhibiting right leg", "voie_inhibitrice", red, 297, 40);
    leg("inhibiting right leg", "voie_inhibitrice", red, 297, 67);
    run("inhibiting bottom run", "voie_inhibitrice", red, 70, 295);
    run("inhibiting bottom run", "voie_inhibitrice", red, 70, 150);
    run("inhibiting bottom run", "voie_inhibitrice", red, 70, 6);
    leg("inhibiting left leg", "voie_inhibitrice", red, 1, 67);
    leg("inhibiting left leg", "voie_inhibitrice", red, 1, 13);
}

void TestPictures::bandCrossing()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(bool, vertical);
    QFETCH(int, first);
    QFETCH(int, at);

    const QImage image = picture(name);
    const Crossing crossing{vertical, first, at};
    for (int offset = -2; offset < bandWidth + 2; ++offset) {
        const QPoint point = crossing.point(offset);
        if (!image.rect().contains(point))
            continue;
        QCOMPARE(image.pixelColor(point), expectedAcross(offset, colour));
    }
}

void TestPictures::bandEnd_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("outward");

    QTest::newRow("sensory left leg, foot") << "voie_sensitive" << aqua << 10 << 48 << 1;
    QTest::newRow("sensory right leg, end") << "voie_sensitive" << aqua << 283 << 32 << 1;
    QTest::newRow("stimulating right leg, top") << "voie_stimulatrice" << lime << 246 << 0 << -1;
    QTest::newRow("stimulating left leg, end") << "voie_stimulatrice" << lime << 1 << 10 << -1;
    QTest::newRow("inhibiting right leg, top") << "voie_inhibitrice" << red << 297 << 2 << -1;
    QTest::newRow("inhibiting left leg, end") << "voie_inhibitrice" << red << 1 << 13 << -1;
}

// A leg's free end: coloured up to its last row, then the black outline, then silver.
void TestPictures::bandEnd()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(int, firstColumn);
    QFETCH(int, lastRow);
    QFETCH(int, outward);

    const QImage image = picture(name);
    const QList<QColor> beyond{colour, black, silver};
    for (int column = firstColumn; column < firstColumn + bandWidth; ++column) {
        for (int step = 0; step < beyond.size(); ++step) {
            const QPoint point(column, lastRow + step * outward);
            if (image.rect().contains(point))
                QCOMPARE(image.pixelColor(point), beyond.at(step));
        }
    }
}

void TestPictures::bendIsCut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("outerCorner");
    QTest::addColumn<QPoint>("inward");

    QTest::newRow("sensory, upper left")
        << "voie_sensitive" << aqua << QPoint(10, 10) << QPoint(1, 1);
    QTest::newRow("sensory, upper right")
        << "voie_sensitive" << aqua << QPoint(286, 10) << QPoint(-1, 1);
    QTest::newRow("stimulating, lower left")
        << "voie_stimulatrice" << lime << QPoint(1, 41) << QPoint(1, -1);
    QTest::newRow("stimulating, lower right")
        << "voie_stimulatrice" << lime << QPoint(249, 41) << QPoint(-1, -1);
    QTest::newRow("inhibiting, lower left")
        << "voie_inhibitrice" << red << QPoint(1, 73) << QPoint(1, -1);
    QTest::newRow("inhibiting, lower right")
        << "voie_inhibitrice" << red << QPoint(300, 73) << QPoint(-1, -1);
}

// The outer corner of a bend is cut at 45 degrees: along the diagonal from the corner of
// the band's square, silver comes first, then one black outline pixel, then the band,
// which fills the square up to its inner corner.
void TestPictures::bendIsCut()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(QPoint, outerCorner);
    QFETCH(QPoint, inward);

    const QImage image = picture(name);
    QCOMPARE(image.pixelColor(outerCorner), silver);

    QPoint point = outerCorner;
    while (image.pixelColor(point) == silver && point != outerCorner + inward * bandWidth)
        point += inward;
    QCOMPARE(image.pixelColor(point), black);
    QCOMPARE(image.pixelColor(point + inward), colour);
    QCOMPARE(image.pixelColor(outerCorner + inward * (bandWidth - 1)), colour);
}

void TestPictures::effectorSign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<QRect>>("bars");

    QTest::newRow("stimulating, plus")
        << "effecteur_stimulateur" << lime
        << QList<QRect>{QRect(QPoint(13, 6), QPoint(16, 23)), QRect(QPoint(6, 13), QPoint(23, 16))};
    QTest::newRow("inhibiting, minus")
        << "effecteur_inhibiteur" << red << QList<QRect>{QRect(QPoint(5, 13), QPoint(24, 16))};
}

// Inside the disc every pixel is either a bar of the sign (black) or the disc's colour;
// the disc fills the picture, so its outline touches each edge, and the corners are silver.
void TestPictures::effectorSign()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(QList<QRect>, bars);

    const QImage image = picture(name);
    const QPointF centre(15, 15);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPointF offset = QPointF(x + 0.5, y + 0.5) - centre;
            if (QPointF::dotProduct(offset, offset) > 13 * 13)
                continue;
            const bool inBar = std::any_of(bars.cbegin(), bars.cend(),
                                           [&](const QRect &bar) { return bar.contains(x, y); });
            QCOMPARE(image.pixelColor(x, y), inBar ? black : colour);
        }
    }

    for (const QPoint &corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)})
        QCOMPARE(image.pixelColor(corner), silver);
    for (const QPoint &edge : {QPoint(14, 0), QPoint(0, 15), QPoint(29, 14), QPoint(15, 29)})
        QCOMPARE(image.pixelColor(edge), black);
}

// A green disc about 80 pixels across, outlined in black, on silver corners.
void TestPictures::centreDisc()
{
    const QImage image = picture(QStringLiteral("centre_integrateur"));
    QCOMPARE(image.pixelColor(41, 41), green);
    for (const QPoint &corner : {QPoint(0, 0), QPoint(81, 0), QPoint(0, 81), QPoint(81, 81)})
        QCOMPARE(image.pixelColor(corner), silver);

    for (const bool across : {true, false}) {
        const auto at = [&](int i) { return across ? QPoint(i, 41) : QPoint(41, i); };
        int first = 0;
        while (first < 81 && image.pixelColor(at(first)) == silver)
            ++first;
        int last = 81;
        while (last > 0 && image.pixelColor(at(last)) == silver)
            --last;
        QCOMPARE(image.pixelColor(at(first)), black);
        QCOMPARE(image.pixelColor(at(last)), black);
        QCOMPARE(image.pixelColor(at(first + 1)), green);
        QCOMPARE(image.pixelColor(at(last - 1)), green);
        QVERIFY2(last - first + 1 >= 76, qPrintable(QString::number(last - first + 1)));
    }
}

void TestPictures::glyphStrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("transparent");

    QTest::newRow("help") << "glyph_aide" << olive;
    QTest::newRow("sound") << "glyph_son" << olive;
    QTest::newRow("clear recordings") << "glyph_enreg" << lime;
    QTest::newRow("pathway recording") << "glyph_enreg_voie" << aqua;
}

// Four images of 16 x 16 (up, disabled, pressed, down): a button looks the same up as
// disabled and the same pressed as down, but up and down differ. The strip's bottom-left
// pixel gives the colour the button leaves transparent.
void TestPictures::glyphStrip()
{
    QFETCH(QString, name);
    QFETCH(QColor, transparent);

    const QImage strip = picture(name);
    QCOMPARE(strip.size(), QSize(4 * glyphSize, glyphSize));
    const auto glyph = [&](int index) {
        return strip.copy(index * glyphSize, 0, glyphSize, glyphSize);
    };
    QCOMPARE(glyph(1), glyph(0));
    QCOMPARE(glyph(3), glyph(2));
    QVERIFY(glyph(0) != glyph(2));
    QCOMPARE(strip.pixelColor(0, glyphSize - 1), transparent);
}

// On a scaled screen a picture shows only the colours of its drawing (no blended
// edges); from two device pixels per pixel on, a round picture shows its finer
// drawing, pixel for pixel.
void TestPictures::scaledWithoutBlending_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("fine");
    QTest::newRow("centre, 1.5") << "centre_integrateur" << 1.5 << false;
    QTest::newRow("centre, 2") << "centre_integrateur" << 2.0 << true;
    QTest::newRow("centre, 3") << "centre_integrateur" << 3.0 << false;
    QTest::newRow("lightning, 2") << "eclair1" << 2.0 << true;
    QTest::newRow("sensory pathway, 1.25") << "voie_sensitive" << 1.25 << false;
    QTest::newRow("sensory pathway, 2") << "voie_sensitive" << 2.0 << false;
}

void TestPictures::scaledWithoutBlending()
{
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    QFETCH(bool, fine);
    const QString path = QStringLiteral(":/assets/%1.png").arg(name);
    ImageControl control;
    control.setAutoSize(true);
    control.setTransparent(true);
    control.setPicture(path);

    const QRgb behind = qRgb(1, 2, 3);
    QImage shown(control.size() * ratio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    shown.fill(behind);
    control.render(&shown, {}, {}, QWidget::RenderFlags());

    QSet<QRgb> allowed = coloursOf(picture(name)) << behind;
    allowed.remove(silver.rgb());
    const QSet<QRgb> colours = coloursOf(shown);
    for (QRgb rgb : colours)
        QVERIFY2(allowed.contains(rgb), qPrintable(QColor(rgb).name()));

    if (fine) {
        const QImage drawing(QStringLiteral(":/assets/%1@2x.png").arg(name));
        for (int y = 0; y < drawing.height(); ++y) {
            for (int x = 0; x < drawing.width(); ++x) {
                if (drawing.pixel(x, y) != silver.rgb())
                    QCOMPARE(shown.pixel(x, y), drawing.pixel(x, y));
            }
        }
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
