// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the curve of the regulated value: its columns for the road of a
// perturbation, its scale for every system, its place among the recordings
// (new recording, wrap, reset) and its help note.
#include "app/window_services/memo.h"
#include "fenetreenregistrement.h"
#include "instant.h"
#include "recordings/axescourbe.h"
#include "recordings/courbe.h"
#include "recordings/graduations.h"
#include "tests/systems/cataloguereference.h"
#include "tests/systems/saisiesysteme.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QTest>

namespace {

const QColor bleuVert(0, 128, 128);
const QColor vertOlive(128, 128, 0);
const QColor grisReference(150, 150, 150);
const QColor grille(220, 220, 220);
const QString questionEffacer = QStringLiteral("Effacer ces enregistrements ?");

// The surface is 101 rows high; the range's ends lie four rows inside it, clear
// of its frame: the maximum on row 4, the minimum on row 96.
constexpr int hautCourbe = 4;
constexpr int basCourbe = 96;

// The row of a value of the general scheme's range (0 to 100): 0.92 row per
// unit, from the minimum's row up.
int ligneDe(int valeur)
{
    return basCourbe - qRound(0.92 * valeur);
}

QColor pixelCourbe(TForm1 &form, int x, int y)
{
    return form.EnregCourbe->image().pixelColor(x, y);
}

void survole(QWidget *element)
{
    QMouseEvent mouvement(QEvent::MouseMove, QPointF(2, 2), element->mapToGlobal(QPointF(2, 2)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(element, &mouvement);
}

} // namespace

class TestCourbe : public QObject
{
    Q_OBJECT

private slots:
    void route_data();
    void route();
    void echelle_data();
    void echelle();
    void parmiLesEnregistrements();
    void noteAide();
    void graduationsDesSystemes_data();
    void graduationsDesSystemes();
    void ordonneeDesValeurs_data();
    void ordonneeDesValeurs();
    void libellesAleurPlace_data();
    void libellesAleurPlace();
    void referenceGardee_data();
    void referenceGardee();
    void referenceAuMaximum();
    void referenceJusquAuBord();
    void vitesseModifieePendantLEnregistrement();
    void descriptionDitLesValeurs();
};

// The perturbation of the general scheme (range 0 to 100, set point 50): the
// value falls to 20, then climbs back by steps of 6. Each column joins the
// previous one, so the curve is one line; the set point is a line of its own.
void TestCourbe::route_data()
{
    QTest::addColumn<QList<int>>("valeurs");
    QTest::addColumn<QList<int>>("lignes"); // the row of each value, in order
    QTest::addRow("perturbation and correction")
        << QList<int>{50, 20, 26, 32, 38, 44, 50} << QList<int>{50, 78, 72, 67, 61, 56, 50};
    QTest::addRow("oscillation around the set point")
        << QList<int>{50, 51, 50, 49, 50} << QList<int>{50, 49, 50, 51, 50};
    QTest::addRow("ends of the range") << QList<int>{100, 0} << QList<int>{hautCourbe, basCourbe};
}

void TestCourbe::route()
{
    QFETCH(QList<int>, valeurs);
    QFETCH(QList<int>, lignes);
    FenetreEnregistrement f;
    f.form.SpeedButtonCourbe->click();
    QVERIFY(!f.form.GroupBoxCourbe->isHidden());

    for (int i = 0; i < valeurs.size(); ++i) {
        f.form.ScrollBarValeurReglee->setValue(valeurs[i]);
        f.tics(1);
        const int x = i + 1;
        QCOMPARE(f.form.etat().PositionEnreg, x);
        const int depuis = i == 0 ? lignes[0] : lignes[i - 1];
        const int haut = std::min(depuis, lignes[i]);
        const int bas = std::max(depuis, lignes[i]);
        for (int y = 0; y < f.form.EnregCourbe->height(); ++y) {
            const QColor pixel = pixelCourbe(f.form, x, y);
            if (y >= haut && y <= bas)
                QVERIFY2(pixel == bleuVert, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            else if (y == 50)
                QCOMPARE(pixel, vertOlive);
            else
                QVERIFY2(pixel != bleuVert && pixel != vertOlive && pixel.lightness() > 200,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    // White, with a light grid: a line at each graduation (the maximum's on
    // row 4, the free rows above it white) and a mark every 50 columns.
    QCOMPARE(pixelCourbe(f.form, 20, hautCourbe - 1), blanc);
    QCOMPARE(pixelCourbe(f.form, 20, hautCourbe + 1), blanc);
    QVERIFY(pixelCourbe(f.form, 20, hautCourbe) != blanc);
    QVERIFY(pixelCourbe(f.form, 100, 5) != blanc);
    QCOMPARE(pixelCourbe(f.form, 20, hautCourbe).lightness(),
             pixelCourbe(f.form, 100, 5).lightness());
}

// The scale is the regulated-value bar's range of the system, labelled in its
// unit; values beyond it are drawn at its edge. Choosing a system clears the
// curve.
void TestCourbe::echelle_data()
{
    QTest::addColumn<QString>("nom");
    for (const SystemeReference &s : systemesReference)
        QTest::addRow("%s", s.nom) << QString::fromUtf8(s.nom);
}

void TestCourbe::echelle()
{
    QFETCH(QString, nom);
    FenetreEnregistrement f;
    f.form.SpeedButtonCourbe->click();
    f.form.ScrollBarValeurReglee->setValue(0);
    f.tics(1);
    QCOMPARE(pixelCourbe(f.form, 1, basCourbe), bleuVert);

    tapeSysteme(f.form, nom);
    QCOMPARE(f.form.etat().PositionEnreg, 0);
    QVERIFY(pixelCourbe(f.form, 1, basCourbe) != bleuVert);
    auto *barre = f.form.ScrollBarValeurReglee;
    // The range's ends, then a number typed beyond it (the edit takes any),
    // drawn at the maximum: each a line clear of the surface's frame.
    const QList<std::pair<QString, int>> valeurs{
        {QString::number(barre->minimum()), basCourbe},
        {QString::number(barre->maximum()), hautCourbe},
        {QString::number(barre->maximum() * 10), hautCourbe}};
    for (const auto &[texte, ligne] : valeurs) {
        f.form.EditValeurReglee->setText(texte);
        f.tics(1);
        const int x = f.form.etat().PositionEnreg;
        QVERIFY2(pixelCourbe(f.form, x, ligne) == bleuVert, qPrintable(texte));
        QVERIFY2(pixelCourbe(f.form, x, ligne == basCourbe ? ligne + 1 : ligne - 1) == blanc,
                 qPrintable(texte));
    }
    // Where a lesion leaves the value (the sensor destroyed: at the maximum
    // in three of the systems) is drawn inside the frame too.
    f.form.EditValeurReglee->setText(f.form.EditValeurConsigne->text());
    f.form.ButtonMarche->click();
    f.form.ChangeExperience(Experience::CapteurDetruit, true);
    for (int i = 0; i < 400; ++i)
        unInstant(f.form);
    const int x = f.form.etat().PositionEnreg;
    QList<int> lignes;
    for (int y = 0; y < f.form.EnregCourbe->height(); ++y) {
        if (pixelCourbe(f.form, x, y) == bleuVert)
            lignes << y;
    }
    QVERIFY(!lignes.isEmpty());
    QVERIFY2(lignes.first() >= hautCourbe && lignes.last() <= basCourbe,
             qPrintable(QString::number(barre->value())));
}

// The curve's toggle is a recording toggle: down first, it starts a new
// recording; it wraps with the strips, with the same question, and the reset
// button clears it.
void TestCourbe::parmiLesEnregistrements()
{
    FenetreEnregistrement f;
    f.form.etat().PositionEnreg = 77;
    f.form.SpeedButtonCourbe->click();
    QCOMPARE(f.form.etat().PositionEnreg, 0);
    QVERIFY(f.form.EnregSensitif->isHidden());
    // Before any system is chosen: the unit of "en u.a".
    const auto libelles = f.form.GroupBoxCourbe->findChild<AxesCourbe *>()->libelles();
    QVERIFY(std::any_of(libelles.cbegin(), libelles.cend(), [](const AxesCourbe::Libelle &l) {
        return !l.marque.isNull() && l.texte == QStringLiteral("valeur réglée (u.a)");
    }));

    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    f.tics(550);
    QVERIFY(f.messages.asked.isEmpty());
    QCOMPARE(pixelCourbe(f.form, 301, ligneDe(20)), bleuVert);
    f.messages.answers.enqueue(MessageAnswer::Oui);
    f.tics(1);
    QCOMPARE(f.messages.asked.size(), 1);
    QCOMPARE(f.messages.asked[0].text, questionEffacer);
    QCOMPARE(f.form.etat().PositionEnreg, 0);
    QVERIFY(pixelCourbe(f.form, 301, ligneDe(20)) != bleuVert);

    f.tics(10);
    QCOMPARE(pixelCourbe(f.form, 5, ligneDe(20)), bleuVert);
    f.messages.answers.enqueue(MessageAnswer::Oui);
    f.form.SpeedButtonEnreg->click();
    QCOMPARE(f.messages.asked.size(), 2);
    QCOMPARE(f.messages.asked[1].text, questionEffacer);
    QVERIFY(pixelCourbe(f.form, 5, ligneDe(20)) != bleuVert);

    // Up, it hides the curve; nothing records any more.
    f.form.SpeedButtonCourbe->click();
    QVERIFY(f.form.GroupBoxCourbe->isHidden());
    f.tics(3);
    QCOMPARE(f.form.etat().PositionEnreg, 0);
}

void TestCourbe::noteAide()
{
    FenetreEnregistrement f;
    survole(f.form.SpeedButtonCourbe);
    QVERIFY(f.form.MemoAideCourbe->isHidden());

    f.form.SpeedButtonAide->setChecked(true);
    f.form.MemoAideEnreg->show();
    survole(f.form.SpeedButtonCourbe);
    QVERIFY(!f.form.MemoAideCourbe->isHidden());
    QVERIFY(f.form.MemoAideEnreg->isHidden());

    f.form.MemoAideCourbe->hide();
    survole(f.form.EnregCourbe);
    QVERIFY(!f.form.MemoAideCourbe->isHidden());
    QCOMPARE(f.form.MemoAideCourbe->lines(),
             (QStringList{"Affiche au cours du temps la valeur réglée (trait bleu-vert)",
                          "et la valeur consigne (trait vert olive)."}));
}

// About five lines over each system's range, at 1, 2 or 5 times a power of
// ten: the step is the smallest that cuts the range in five or fewer.
void TestCourbe::graduationsDesSystemes_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("valeurs");
    QTest::addRow("general schemes, integrity") << 0 << 100 << QList<int>{0, 20, 40, 60, 80, 100};
    QTest::addRow("glycaemia") << 600 << 3000 << QList<int>{1000, 1500, 2000, 2500, 3000};
    QTest::addRow("blood pressure") << 90 << 190 << QList<int>{100, 120, 140, 160, 180};
    QTest::addRow("temperature") << 23 << 42 << QList<int>{25, 30, 35, 40};
    // A range below zero: the first multiple of the step at or above it.
    QTest::addRow("from below zero") << -25 << 30 << QList<int>{-20, 0, 20};
    QTest::addRow("from a negative step") << -40 << 20 << QList<int>{-40, -20, 0, 20};
}

void TestCourbe::graduationsDesSystemes()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QList<int>, valeurs);
    QCOMPARE(graduations(minimum, maximum), valeurs);
}

void TestCourbe::ordonneeDesValeurs_data()
{
    QTest::addColumn<int>("valeur");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("ligne");
    // 101 rows: the maximum on row 4, the minimum on row 96, four rows left
    // free at each end; a value's share of those 92 rows, rounded to the
    // nearest (a half upwards).
    QTest::addRow("middle") << 50 << 0 << 100 << 50;
    QTest::addRow("minimum") << 0 << 0 << 100 << 96;
    QTest::addRow("maximum") << 100 << 0 << 100 << 4;
    QTest::addRow("below the range") << -5 << 0 << 100 << 96;
    QTest::addRow("above the range") << 120 << 0 << 100 << 4;
    QTest::addRow("15.33 rows") << 1000 << 600 << 3000 << 81;
    QTest::addRow("16.48 rows") << 1030 << 600 << 3000 << 80;
    QTest::addRow("a half") << 1 << 0 << 184 << 95;
    QTest::addRow("one and a half") << 3 << 0 << 184 << 94;
    QTest::addRow("just under a half") << 49 << 0 << 10000 << 96;
    QTest::addRow("no range") << 5 << 5 << 5 << 96;
}

void TestCourbe::ordonneeDesValeurs()
{
    QFETCH(int, valeur);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, ligne);
    QCOMPARE(ordonneeCourbe(valeur, minimum, maximum, 101), ligne);
}

void TestCourbe::libellesAleurPlace_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("reference");
    QTest::addColumn<bool>("vitesseModifiee");
    QTest::addColumn<QString>("unite");
    for (const SystemeReference &s : systemesReference) {
        const QString unite = QString::fromUtf8(s.unites);
        QTest::addRow("%s", s.nom)
            << QString::fromUtf8(s.nom) << s.minimum << s.maximum << false << false << unite;
        QTest::addRow("%s, reference, speed changed", s.nom)
            << QString::fromUtf8(s.nom) << s.minimum << s.maximum << true << true << unite;
    }
}

// Every text of the axes and the legend lies in the curve's box, apart from
// the others: each value level with its row (the range on the surface's rows
// 4 to 96), each time mark centred under its
// column, after the unit, and the legend's names side by side.
void TestCourbe::libellesAleurPlace()
{
    QFETCH(QString, nom);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(bool, reference);
    QFETCH(bool, vitesseModifiee);
    QFETCH(QString, unite);
    FenetreEnregistrement f;
    tapeSysteme(f.form, nom);
    f.form.SpeedButtonCourbe->click();
    f.form.ButtonMarche->click();
    f.tics(3);
    // Kept with an experiment: the legend names it, cut short where the box
    // ends.
    if (reference) {
        f.form.actionExperience(Experience::CentreDetruit)->trigger();
        f.form.GarderReference();
    }
    if (vitesseModifiee)
        f.form.TrackBarVitesse->setValue(8);
    auto *axes = f.form.GroupBoxCourbe->findChild<AxesCourbe *>();
    QVERIFY(axes);
    const QList<AxesCourbe::Libelle> libelles = axes->libelles();
    const QRect surface = f.form.EnregCourbe->geometry();

    for (qsizetype i = 0; i < libelles.size(); ++i) {
        const QRect &r = libelles[i].rect;
        QVERIFY2(axes->rect().contains(r), qPrintable(libelles[i].texte));
        QVERIFY2(!r.intersects(surface), qPrintable(libelles[i].texte));
        for (qsizetype j = i + 1; j < libelles.size(); ++j)
            QVERIFY2(!r.intersects(libelles[j].rect),
                     qPrintable(libelles[i].texte + " / " + libelles[j].texte));
    }

    QStringList legende;
    int niveaux = 0;
    int finUnite = -1;
    int marquesTemps = 0;
    int gaucheLegende = 0;
    for (const AxesCourbe::Libelle &l : libelles) {
        bool nombre = false;
        const int valeur = l.texte.toInt(&nombre);
        if (!l.marque.isNull()) {
            legende << l.texte;
            // The mark just before its name, left of it and in its line.
            QVERIFY(l.marque.right() < l.rect.left() && l.marque.left() >= gaucheLegende);
            QVERIFY(l.marque.top() <= l.rect.center().y() &&
                    l.marque.bottom() >= l.rect.center().y());
            gaucheLegende = l.rect.right();
        } else if (l.texte.startsWith(QLatin1String("tops"))) {
            QCOMPARE(l.texte, vitesseModifiee ? QStringLiteral("tops (vitesse modifiée)")
                                              : QStringLiteral("tops"));
            QCOMPARE(l.rect.left(), surface.left());
            QCOMPARE(l.rect.top(), surface.bottom() + 1);
            finUnite = l.rect.right();
        } else if (nombre && l.rect.left() > surface.right()) {
            // A value, at its row: rows run from the maximum down.
            const double ligne = hautCourbe + 92.0 * (maximum - valeur) / (maximum - minimum);
            QVERIFY2(qAbs(l.rect.center().y() - (surface.top() + ligne)) <= 1, qPrintable(l.texte));
            QVERIFY(l.rect.left() - surface.right() <= 6);
            ++niveaux;
        } else {
            QVERIFY2(nombre && valeur % 50 == 0, qPrintable(l.texte));
            QCOMPARE(l.rect.top(), surface.bottom() + 1);
            QVERIFY2(qAbs(l.rect.center().x() - (surface.left() + valeur)) <= 1,
                     qPrintable(l.texte));
            QVERIFY(finUnite >= 0 && l.rect.left() > finUnite);
            ++marquesTemps;
        }
    }
    QVERIFY(niveaux >= 4);
    // No mark between the surface and a level's number: it would read as a
    // minus sign.
    const QImage boite = f.form.GroupBoxCourbe->grab().toImage();
    for (const AxesCourbe::Libelle &l : libelles) {
        if (l.rect.left() > surface.right() && l.marque.isNull()) {
            for (int x = surface.right() + 1; x < l.rect.left(); ++x)
                QVERIFY2(boite.pixelColor(x, l.rect.center().y()).lightness() > 200,
                         qPrintable(l.texte));
        }
    }
    // Every 50 columns of the 550 (50 to 500), less those under the unit: a
    // short word leaves them all, the longer one covers 50 and 100.
    QCOMPARE(marquesTemps, vitesseModifiee ? 8 : 10);
    // The unit said once, with the value; the legend after the box's title.
    QStringList attendue{QStringLiteral("valeur réglée (%1)").arg(unite), "valeur consigne"};
    QFont titre = f.form.GroupBoxCourbe->font();
    QVERIFY(QFontMetrics(titre).horizontalAdvance(f.form.GroupBoxCourbe->title()) + 10 <
            libelles.at(libelles.size() - legende.size()).marque.left());
    if (reference) {
        const QString situation =
            QStringLiteral("référence (%1)").arg(f.form.situation().situationReference());
        QVERIFY2(situation.startsWith(QStringLiteral("référence (destruction : ")),
                 qPrintable(situation));
        QVERIFY2(legende.last() == situation || (legende.last().endsWith(QChar(0x2026)) &&
                                                 situation.startsWith(legende.last().chopped(1))),
                 qPrintable(legende.last()));
        attendue << legende.last();
    }
    QCOMPARE(legende, attendue);
}

void TestCourbe::referenceGardee_data()
{
    QTest::addColumn<QString>("evenement");
    QTest::addColumn<bool>("gardee");
    QTest::addRow("wrap") << "wrap" << true;
    QTest::addRow("reset button") << "reset" << true;
    QTest::addRow("experiment") << "experiment" << true;
    QTest::addRow("speed") << "speed" << true;
    QTest::addRow("cleared") << "clear" << false;
    QTest::addRow("other system") << "system" << false;
}

// The road 50 -> 20 kept as the reference at column 100, then the strips
// cleared and the value left on the set point: the grey line waits ahead of
// the live curve, which is drawn over it.
void TestCourbe::referenceGardee()
{
    QFETCH(QString, evenement);
    QFETCH(bool, gardee);
    FenetreEnregistrement f;
    f.form.SpeedButtonCourbe->click();
    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    for (int i = 0; i < 100; ++i)
        unInstant(f.form);
    QCOMPARE(pixelCourbe(f.form, 1, ligneDe(20)), bleuVert);
    f.form.GarderReference();
    QCOMPARE(f.form.situation().reference().size(), 100);

    if (evenement == QLatin1String("wrap")) {
        f.messages.answers << MessageAnswer::Oui;
        f.tics(451);
    } else if (evenement == QLatin1String("reset")) {
        f.messages.answers << MessageAnswer::Oui;
        f.form.SpeedButtonEnreg->click();
    } else if (evenement == QLatin1String("experiment")) {
        f.form.actionExperience(Experience::VoieStimulatriceCoupee)->trigger();
    } else if (evenement == QLatin1String("speed")) {
        f.form.TrackBarVitesse->setValue(9);
    } else if (evenement == QLatin1String("clear")) {
        f.form.EffacerReference();
    } else {
        tapeSysteme(f.form, QStringLiteral("Intégrité de l'organisme"));
    }
    QCOMPARE(f.form.situation().reference().isEmpty(), !gardee);
    if (evenement == QLatin1String("system"))
        return;
    if (evenement != QLatin1String("reset") && evenement != QLatin1String("wrap")) {
        f.messages.answers << MessageAnswer::Oui;
        f.form.SpeedButtonEnreg->click();
    }
    // A fresh curve: the reference's first column at 20 in grey,
    // ahead of the live curve; without it, the grid's line of 20.
    QCOMPARE(pixelCourbe(f.form, 1, ligneDe(20)), gardee ? grisReference : grille);
    // The live curve's first column, at 20 too since the value did not move
    // back yet, is drawn over the grey.
    f.form.ScrollBarValeurReglee->setValue(20);
    f.form.etat().ClasseEcart = 0;
    f.tics(1);
    QCOMPARE(pixelCourbe(f.form, 1, ligneDe(20)), bleuVert);
    QCOMPARE(pixelCourbe(f.form, 2, ligneDe(20)), gardee ? grisReference : grille);
}

// A reference from the range's maximum (its top row) back to the
// set point is one grey line: each column joins the previous one's row.
void TestCourbe::referenceAuMaximum()
{
    FenetreEnregistrement f;
    f.form.SpeedButtonCourbe->click();
    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(100);
    for (int i = 0; i < 300; ++i)
        unInstant(f.form);
    f.form.GarderReference();
    f.messages.answers << MessageAnswer::Oui;
    f.form.SpeedButtonEnreg->click();
    const QMap<int, int> &reference = f.form.situation().reference();
    QVERIFY(reference.size() > 20);
    QCOMPARE(reference.value(1), 100);
    QVERIFY(reference.last() < 60);
    for (auto it = std::next(reference.cbegin()); it != reference.cend(); ++it) {
        const int avant = ligneDe(std::prev(it).value());
        const int ici = ligneDe(it.value());
        for (int ligne = std::min(avant, ici); ligne <= std::max(avant, ici); ++ligne)
            QVERIFY2(pixelCourbe(f.form, it.key(), ligne) == grisReference,
                     qPrintable(QStringLiteral("column %1, row %2").arg(it.key()).arg(ligne)));
    }
}

// A reference kept from full strips reaches the surface's last column.
void TestCourbe::referenceJusquAuBord()
{
    FenetreEnregistrement f;
    f.form.SpeedButtonCourbe->click();
    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    f.tics(f.form.EnregCourbe->width());
    f.form.GarderReference();
    const int derniere = f.form.EnregCourbe->width() - 1;
    QVERIFY(f.form.situation().reference().contains(derniere));
    f.messages.answers << MessageAnswer::Oui;
    f.form.SpeedButtonEnreg->click();
    QCOMPARE(pixelCourbe(f.form, derniere, ligneDe(f.form.situation().reference().value(derniere))),
             grisReference);
}

// The time axis says the speed changed only for a change made while the
// curve records.
void TestCourbe::vitesseModifieePendantLEnregistrement()
{
    FenetreEnregistrement f;
    f.form.SpeedButtonCourbe->click();
    auto *axes = f.form.GroupBoxCourbe->findChild<AxesCourbe *>();
    QVERIFY(axes);
    const auto unite = [axes] {
        const QList<AxesCourbe::Libelle> libelles = axes->libelles();
        const auto it = std::find_if(libelles.cbegin(), libelles.cend(), [](const auto &l) {
            return l.texte.startsWith(QLatin1String("tops"));
        });
        return it == libelles.cend() ? QString() : it->texte;
    };
    f.form.TrackBarVitesse->setValue(8);
    QCOMPARE(unite(), QStringLiteral("tops"));
    f.form.ButtonMarche->click();
    f.tics(2);
    QCOMPARE(unite(), QStringLiteral("tops"));
    f.form.TrackBarVitesse->setValue(3);
    QCOMPARE(unite(), QStringLiteral("tops (vitesse modifiée)"));
}

// A screen reader hears the values at the last column, with the unit.
void TestCourbe::descriptionDitLesValeurs()
{
    FenetreEnregistrement f;
    QAccessibleInterface *courbe = QAccessible::queryAccessibleInterface(f.form.EnregCourbe);
    const QString note = courbe->text(QAccessible::Description);
    f.form.SpeedButtonCourbe->click();
    f.form.ButtonMarche->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    f.tics(3);
    f.form.GarderReference();
    QCOMPARE(courbe->text(QAccessible::Description),
             note + QStringLiteral(" Valeur réglée : 20 u.a. Référence : 20 u.a."));
    QCOMPARE(courbe->text(QAccessible::Name), QStringLiteral("Courbe de la valeur réglée"));
}

QTEST_MAIN(TestCourbe)
#include "tst_courbe.moc"
