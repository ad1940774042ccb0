// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the real message box: caption and icon of each kind, the exact
// French buttons, the answer of the button clicked, Escape as "&Non", and no
// answer when the box is closed otherwise.
#include "app/window_services/messageservice.h"

#include "messageboxanswer.h"

#include <QApplication>
#include <QTest>

class TestMessageBoxService : public QObject
{
    Q_OBJECT

private slots:
    void asksWithRealBox_data()
    {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QStringList>("buttonTexts");
        QTest::addColumn<MessageAnswer>("answer");
        const QStringList ouiNon{QStringLiteral("&Oui"), QStringLiteral("&Non")};
        QTest::addRow("confirmation, Oui")
            << MessageKind::Confirmation << MessageButtons::OuiNon << QStringLiteral("&Oui")
            << QStringLiteral("Confirmation") << QMessageBox::Question << ouiNon
            << MessageAnswer::Oui;
        QTest::addRow("information question, Non")
            << MessageKind::Information << MessageButtons::OuiNon << QStringLiteral("&Non")
            << QStringLiteral("Information") << QMessageBox::Information << ouiNon
            << MessageAnswer::Non;
        QTest::addRow("confirmation, Escape")
            << MessageKind::Confirmation << MessageButtons::OuiNon << QStringLiteral("escape")
            << QStringLiteral("Confirmation") << QMessageBox::Question << ouiNon
            << MessageAnswer::Non;
        const QStringList ouiNonAnnuler{QStringLiteral("&Oui"), QStringLiteral("&Non"),
                                        QStringLiteral("&Annuler")};
        QTest::addRow("with Annuler, Annuler")
            << MessageKind::Confirmation << MessageButtons::OuiNonAnnuler
            << QStringLiteral("&Annuler") << QStringLiteral("Confirmation") << QMessageBox::Question
            << ouiNonAnnuler << MessageAnswer::Annuler;
        QTest::addRow("with Annuler, Escape")
            << MessageKind::Confirmation << MessageButtons::OuiNonAnnuler
            << QStringLiteral("escape") << QStringLiteral("Confirmation") << QMessageBox::Question
            << ouiNonAnnuler << MessageAnswer::Annuler;
        QTest::addRow("with Annuler, Non")
            << MessageKind::Confirmation << MessageButtons::OuiNonAnnuler << QStringLiteral("&Non")
            << QStringLiteral("Confirmation") << QMessageBox::Question << ouiNonAnnuler
            << MessageAnswer::Non;
        QTest::addRow("information notice, OK")
            << MessageKind::Information << MessageButtons::Ok << QStringLiteral("OK")
            << QStringLiteral("Information") << QMessageBox::Information
            << QStringList{QStringLiteral("OK")} << MessageAnswer::Ok;
        QTest::addRow("warning, closed")
            << MessageKind::Avertissement << MessageButtons::Ok << QStringLiteral("close")
            << QStringLiteral("Avertissement") << QMessageBox::Warning
            << QStringList{QStringLiteral("OK")} << MessageAnswer::Aucune;
    }

    void asksWithRealBox()
    {
        QFETCH(MessageKind, kind);
        QFETCH(MessageButtons, buttons);
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QStringList, buttonTexts);
        QFETCH(MessageAnswer, answer);

        SeenMessageBox seen;
        if (action == QLatin1String("escape"))
            whenMessageBoxOpens(&seen,
                                [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
        else if (action == QLatin1String("close"))
            whenMessageBoxOpens(&seen, [](QMessageBox *box) { box->done(-1); });
        else
            clickInNextMessageBox(&seen, action);
        const QString text = QStringLiteral("Effacer ces enregistrements ?");
        MessageBoxService service;
        const MessageAnswer given = service.ask(nullptr, kind, text, buttons);

        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, icon);
        seen.buttons.sort();
        buttonTexts.sort();
        QCOMPARE(seen.buttons, buttonTexts);
        QCOMPARE(given, answer);
        // Room for the caption in a title bar's larger face, beside its
        // buttons, although the text is short.
        const int titre = QFontMetrics(QApplication::font()).horizontalAdvance(title);
        QVERIFY2(seen.width >= 2 * titre + 100, qPrintable(QString::number(seen.width)));
    }
};

QTEST_MAIN(TestMessageBoxService)
#include "tst_messageboxservice.moc"
