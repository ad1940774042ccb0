// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the editor's dialog by itself: the names of the elements the modes
// leave out cannot be typed and are not kept; a name one of the teacher's
// systems has is refused, but for the system being changed; each field says
// its own fault, or else its own advice, and only names that will be drawn
// are measured.
#include "systemecalcemie.h"
#include "systems/dialoguesysteme.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

template <typename Champ> Champ *champ(const DialogueSysteme &d, const QString &nom)
{
    for (Champ *c : d.findChildren<Champ *>()) {
        if (c->accessibleName() == nom)
            return c;
    }
    return nullptr;
}

// The message written beside a field, found by its text.
const QLabel *message(const DialogueSysteme &d, const QString &texte)
{
    for (const QLabel *l : d.findChildren<QLabel *>()) {
        if (l->text() == texte)
            return l;
    }
    return nullptr;
}

} // namespace

class TestDialogueSysteme : public QObject
{
    Q_OBJECT

private slots:
    void namesFollowTheModes();
    void aNameTakenIsRefusedButItsOwn();
    void eachFieldSaysItsOwnFaultOrAdvice();
};

void TestDialogueSysteme::namesFollowTheModes()
{
    DialogueSysteme d({}, [](const QString &) { return nullptr; }, {});
    d.partDe(QStringLiteral("Calcémie"), calcemie());
    auto *inhibitrice = champ<QLineEdit>(d, QStringLiteral("Nom de la voie inhibitrice"));
    auto *effecteur = champ<QLineEdit>(d, QStringLiteral("Effecteur inhibiteur"));
    auto *mode = champ<QComboBox>(d, QStringLiteral("Voie motrice inhibitrice"));
    QVERIFY(inhibitrice && effecteur && mode);
    QVERIFY(inhibitrice->isEnabled() && effecteur->isEnabled());

    mode->setCurrentIndex(mode->findData(int(ModeAbsent)));
    QVERIFY(!inhibitrice->isEnabled() && !effecteur->isEnabled());
    // Every choice and number stays open.
    for (QWidget *w : d.findChildren<QWidget *>()) {
        if (qobject_cast<QComboBox *>(w) || w->inherits("QSpinBox"))
            QVERIFY2(w->isEnabled(), qPrintable(w->accessibleName()));
    }
    // What was typed for them is not kept.
    const ConfigurationSysteme lu = d.systeme().configuration;
    QVERIFY(lu.TexteVoieInhibitrice.isEmpty() && lu.TexteEffecteurInhibiteur.isEmpty());
    QCOMPARE(lu.ModeEffecteurInhibiteur, 0);
    QCOMPARE(lu.TexteCentreIntegrateur, calcemie().TexteCentreIntegrateur);
    QVERIFY(d.defauts().isEmpty());
}

void TestDialogueSysteme::aNameTakenIsRefusedButItsOwn()
{
    const ConfigurationSysteme systeme = calcemie();
    DialogueSysteme d({},
                      [&systeme](const QString &nom) {
                          return nom == QStringLiteral("Calcémie") ? &systeme : nullptr;
                      },
                      {});
    d.partDe(QStringLiteral("Calcémie"), systeme);
    QCOMPARE(d.defauts(), (QList<DefautSysteme>{{QStringLiteral("nom"),
                                                 QStringLiteral("un de vos systèmes porte déjà ce "
                                                                "nom.")}}));
    d.permetLeNom(QStringLiteral("Calcémie"));
    d.partDe(QStringLiteral("Calcémie"), systeme);
    QVERIFY(d.defauts().isEmpty());
}

void TestDialogueSysteme::eachFieldSaysItsOwnFaultOrAdvice()
{
    // Advice on any name longer than 20 characters; the fields measured noted.
    QStringList mesures;
    DialogueSysteme d(
        {}, [](const QString &) { return nullptr; },
        [&mesures](const QString &cle, const QString &texte) {
            mesures << cle;
            return texte.size() > 20 ? QStringLiteral("trop long.") : QString();
        });
    ConfigurationSysteme s = calcemie();
    s.ValeurInitiale = 200;
    s.ModeVoieInhibitrice = ModeAbsent;
    s.TexteVoieInhibitrice.clear();
    s.ModeEffecteurInhibiteur = 0;
    s.TexteEffecteurInhibiteur.clear();
    d.partDe(QStringLiteral("Calcémie"), s);

    // The names of an inhibiting side left out are not drawn; no choice or
    // number is measured.
    QVERIFY(!mesures.contains(QStringLiteral("TexteVoieInhibitrice")));
    QVERIFY(!mesures.contains(QStringLiteral("ModeVoieInhibitrice")));
    QVERIFY(!mesures.contains(QStringLiteral("ValeurMax")));
    QVERIFY(mesures.contains(QStringLiteral("TexteCapteur")));
    QVERIFY(mesures.contains(QStringLiteral("nom")));

    const QString faute = QStringLiteral("La valeur de départ est hors de l'intervalle.");
    QCOMPARE(champ<QWidget>(d, QStringLiteral("Valeur de départ"))->accessibleDescription(), faute);
    // Advice where the name is long, nothing beside the others.
    QCOMPARE(champ<QWidget>(d, QStringLiteral("Capteur"))->accessibleDescription(),
             QStringLiteral("Trop long."));
    QCOMPARE(champ<QWidget>(d, QStringLiteral("Unité"))->accessibleDescription(), QString());
    QCOMPARE(champ<QWidget>(d, QStringLiteral("Maximum"))->accessibleDescription(), QString());
    // A fault in red; advice in another colour.
    QVERIFY(message(d, faute)->styleSheet().contains(QLatin1String("#b00000")));
    QVERIFY(
        !message(d, QStringLiteral("Trop long."))->styleSheet().contains(QLatin1String("#b00000")));
}

QTEST_MAIN(TestDialogueSysteme)
#include "tst_dialoguesysteme.moc"
