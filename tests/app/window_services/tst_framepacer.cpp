// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the frame pacing of the window: changes made right after a frame are
// held back, never lost; they are all painted with the next frame.
#include "app/window_services/framepacer.h"

#include <QTest>
#include <QWidget>

namespace {

class PaintCounter : public QWidget
{
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

class TestFramePacer : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsPainted();
};

void TestFramePacer::everyChangeIsPainted()
{
    QWidget window;
    window.resize(200, 100);
    auto *child = new PaintCounter(&window);
    child->setGeometry(10, 10, 50, 50);
    new FramePacer(&window, 16);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(child->paints > 0);

    // Each change comes at once after the previous frame, inside the
    // interval: it must still reach the screen.
    for (int change = 0; change < 20; ++change) {
        const int before = child->paints;
        child->update();
        QTRY_VERIFY(child->paints > before);
    }
}

QTEST_MAIN(TestFramePacer)
#include "tst_framepacer.moc"
