// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the glyph buttons: group semantics (one down per group and parent,
// allowAllUp, group 0 springing back), setChecked without click handler, the
// strip image shown for each state and the transparent colour.
#include "app/window_services/glyphbutton.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QRgb key = qRgb(0, 128, 128);
// One distinct colour per image of the strip: up, disabled, pressed, down.
const QRgb colours[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
} // namespace

class TestGlyphButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_stripPath;

private slots:
    // Each 16 x 16 image: its own colour with a 4 x 4 block of the key colour
    // in its bottom-left corner.
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QImage strip(64, 16, QImage::Format_RGB32);
        for (int i = 0; i < 4; ++i)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    strip.setPixel(16 * i + x, y, x < 4 && y >= 12 ? key : colours[i]);
        m_stripPath = m_dir.filePath(QStringLiteral("strip.png"));
        QVERIFY(strip.save(m_stripPath));
    }

    void groupSemantics_data()
    {
        QTest::addColumn<bool>("allowAllUp");
        QTest::addColumn<bool>("secondClickReleases");
        QTest::addRow("all up allowed") << true << true;
        QTest::addRow("one always down") << false << false;
    }

    void groupSemantics()
    {
        QFETCH(bool, allowAllUp);
        QFETCH(bool, secondClickReleases);
        QWidget parent;
        GlyphButton first(&parent);
        GlyphButton second(&parent);
        GlyphButton otherGroup(&parent);
        for (GlyphButton *button : {&first, &second}) {
            button->setGroupIndex(1);
            button->setAllowAllUp(allowAllUp);
        }
        otherGroup.setGroupIndex(2);
        otherGroup.setChecked(true);
        QSignalSpy clicks(&first, &GlyphButton::clicked);

        first.click();
        QVERIFY(first.isChecked());
        second.click();
        QVERIFY(second.isChecked());
        QVERIFY(!first.isChecked());
        QVERIFY(otherGroup.isChecked());

        second.click();
        QCOMPARE(second.isChecked(), !secondClickReleases);
        QCOMPARE(clicks.count(), 1);
    }

    void setCheckedReleasesGroupWithoutClick()
    {
        QWidget parent;
        GlyphButton first(&parent);
        GlyphButton second(&parent);
        first.setGroupIndex(3);
        second.setGroupIndex(3);
        QSignalSpy firstClicks(&first, &GlyphButton::clicked);
        QSignalSpy secondClicks(&second, &GlyphButton::clicked);
        first.setChecked(true);
        second.setChecked(true);
        QVERIFY(!first.isChecked());
        second.setChecked(false);
        QVERIFY(!second.isChecked());
        QCOMPARE(firstClicks.count() + secondClicks.count(), 0);
    }

    void sameGroupUnderOtherParentIsIndependent()
    {
        QWidget left;
        QWidget right;
        GlyphButton a(&left);
        GlyphButton b(&right);
        a.setGroupIndex(1);
        b.setGroupIndex(1);
        a.click();
        b.click();
        QVERIFY(a.isChecked());
        QVERIFY(b.isChecked());
    }

    void groupZeroSpringsBack()
    {
        QWidget parent;
        GlyphButton button(&parent);
        button.setAllowAllUp(true);
        QSignalSpy clicks(&button, &GlyphButton::clicked);
        button.click();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!button.isChecked());
        button.setChecked(true);
        QVERIFY(!button.isChecked());
    }

    void leavingAGroupReleases()
    {
        GlyphButton button;
        button.setGroupIndex(2);
        button.setChecked(true);
        button.setGroupIndex(0);
        QVERIFY(!button.isChecked());
    }

    void stripImagePerState()
    {
        GlyphButton button;
        button.setGlyph(m_stripPath);
        for (int i = 0; i < 4; ++i) {
            const QImage image = button.glyphImage(GlyphButton::GlyphState(i)).toImage();
            QCOMPARE(image.size(), QSize(16, 16));
            QCOMPARE(image.pixel(8, 8), colours[i]);
            QCOMPARE(qAlpha(image.pixel(0, 15)), 0);
            QCOMPARE(qAlpha(image.pixel(3, 12)), 0);
            QCOMPARE(qAlpha(image.pixel(4, 12)), 255);
        }
    }

    // The painted glyph follows the state: up, disabled, held, down.
    void paintsImageOfState_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("image");
        QTest::addRow("up") << true << false << false << 0;
        QTest::addRow("disabled") << false << false << false << 1;
        QTest::addRow("disabled and down") << false << false << true << 1;
        QTest::addRow("held") << true << true << false << 2;
        QTest::addRow("held while down") << true << true << true << 2;
        QTest::addRow("down") << true << false << true << 3;
    }

    void paintsImageOfState()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, held);
        QFETCH(bool, checked);
        QFETCH(int, image);
        GlyphButton button;
        button.resize(26, 26);
        button.setGroupIndex(1);
        button.setAllowAllUp(true);
        button.setGlyph(m_stripPath);
        button.setChecked(checked);
        button.setDown(held);
        button.setEnabled(enabled);
        const QImage shown = button.grab().toImage();
        QCOMPARE(shown.pixel(13, 13), colours[image]);
    }

    void glyphCentredOrAtBottom_data()
    {
        QTest::addColumn<bool>("atBottom");
        QTest::addColumn<int>("glyphTop");
        QTest::addRow("centred") << false << 7;
        QTest::addRow("at the bottom") << true << 13;
    }

    void glyphCentredOrAtBottom()
    {
        QFETCH(bool, atBottom);
        QFETCH(int, glyphTop);
        GlyphButton button;
        button.resize(30, 30);
        button.setGlyph(m_stripPath);
        button.setGlyphAtBottom(atBottom);
        const QImage shown = button.grab().toImage();
        // Left column of the glyph: key colour (not drawn) at its bottom rows,
        // the up colour above them.
        QCOMPARE(shown.pixel(7 + 8, glyphTop), colours[0]);
        QVERIFY(shown.pixel(7 + 8, glyphTop - 1) != colours[0]);
        QCOMPARE(shown.pixel(7 + 8, glyphTop + 15), colours[0]);
        QVERIFY(shown.pixel(7 + 8, glyphTop + 16) != colours[0]);
    }

    void missingGlyphPaintsNothing()
    {
        GlyphButton button;
        button.resize(20, 20);
        button.setGlyph(QStringLiteral(":/assets/no_such_glyph.png"));
        QVERIFY(button.glyphImage(GlyphButton::GlyphState::Up).isNull());
        QVERIFY(!button.grab().isNull());
    }
};

QTEST_MAIN(TestGlyphButton)
#include "tst_glyphbutton.moc"
