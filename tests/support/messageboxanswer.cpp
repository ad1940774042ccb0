// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

void whenMessageBoxOpens(SeenMessageBox *seen, std::function<void(QMessageBox *)> answer)
{
    QTimer::singleShot(0, [seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            whenMessageBoxOpens(seen, answer);
            return;
        }
        QTimer::singleShot(500, box, [box] { box->done(-1); });
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->width = box->width();
        if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            seen->format = label->textFormat();
        seen->buttons.clear();
        for (QAbstractButton *button : box->buttons())
            seen->buttons.append(button->text());
        answer(box);
    });
}

void clickInNextMessageBox(SeenMessageBox *seen, const QString &buttonText)
{
    whenMessageBoxOpens(seen, [buttonText](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
    });
}
