// SPDX-License-Identifier: GPL-3.0-or-later
// Guards what the recording strips show: the sunken frame, the captions of
// each pathway mode, the impulse marks of a nervous pathway, the gliding
// dotted level of a hormonal one, the colours of the perturbation strip, and
// the inhibiting strip left alone when that pathway is absent.
#include "fenetreenregistrement.h"

#include <QFontMetrics>
#include <QRect>
#include <QTest>

#include <cstdlib>

class TestTracesEnregistrement : public QObject
{
    Q_OBJECT

private slots:
    void cadre_data();
    void cadre();
    void legendes_data();
    void legendes();
    void marquesNerveuses_data();
    void marquesNerveuses();
    void niveauHormonal_data();
    void niveauHormonal();
    void couleursPerturbation_data();
    void couleursPerturbation();
    void inhibiteurAbsentIntact();
};

void TestTracesEnregistrement::cadre_data()
{
    QTest::addColumn<QString>("bande");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QColor>("fond");

    QTest::addRow("sensitif") << "EnregSensitif" << QSize(550, 40) << aqua;
    QTest::addRow("stimulateur") << "EnregStimulateur" << QSize(550, 40) << citron;
    QTest::addRow("inhibiteur") << "EnregInhibiteur" << QSize(550, 40) << rouge;
    QTest::addRow("perturbation") << "EnregPerturbation" << QSize(550, 10) << gris;
}

void TestTracesEnregistrement::cadre()
{
    QFETCH(QString, bande);
    QFETCH(QSize, taille);
    QFETCH(QColor, fond);

    FenetreEnregistrement f;
    f.form.InitialiseEnregistrements();
    ImageControl *image = f.element<ImageControl>(bande);
    QCOMPARE(image->image().size(), taille);
    const int w = taille.width();
    const int h = taille.height();

    // Black on the left and top, white on the right and bottom, one pixel
    // of each 2-pixel line inside the strip.
    for (int y = 0; y < h; ++y) {
        QCOMPARE(pixelBande(image, 0, y), noir);
        QCOMPARE(pixelBande(image, w - 1, y), blanc);
    }
    for (int x = 0; x < w - 1; ++x)
        QCOMPARE(pixelBande(image, x, 0), noir);
    for (int x = 1; x < w; ++x)
        QCOMPARE(pixelBande(image, x, h - 1), blanc);

    // Inside the frame, away from the caption, the fill colour.
    for (int x = 1; x < w - 1; ++x)
        QCOMPARE(pixelBande(image, x, h - 2), fond);
    for (int y = 1; y < h - 1; ++y)
        QCOMPARE(pixelBande(image, w - 2, y), fond);
    QCOMPARE(pixelBande(image, 1, 1), fond);
}

void TestTracesEnregistrement::legendes_data()
{
    QTest::addColumn<QString>("bande");
    QTest::addColumn<QString>("voie");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QColor>("fond");

    const struct
    {
        const char *bande, *voie, *nom;
        QColor fond;
        bool peutManquer;
    } bandes[] = {
        {"EnregSensitif", "ImageVoieSensitive", "Voie Sensitive", aqua, true},
        {"EnregStimulateur", "ImageVoieStimulatrice", "Voie Stimulatrice", citron, true},
        // An absent inhibiting pathway leaves its strip alone (tested below).
        {"EnregInhibiteur", "ImageVoieInhibitrice", "Voie Inhibitrice", rouge, false},
    };
    for (const auto &b : bandes) {
        for (int mode : {ModeAbsent, ModeNerveux, ModeHormonal}) {
            if (mode == ModeAbsent && !b.peutManquer)
                continue;
            QTest::addRow("%s mode %d", b.bande, mode)
                << b.bande << b.voie << mode << b.nom << b.fond;
        }
    }
}

namespace {

// The bounding box of the pixels of a rectangle that differ from the fill.
QRect traces(ImageControl *image, const QRect &zone, const QColor &fond, bool *noirPresent)
{
    QRect boite;
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const QColor c = pixelBande(image, x, y);
            if (c == fond)
                continue;
            boite |= QRect(x, y, 1, 1);
            if (c == noir)
                *noirPresent = true;
        }
    }
    return boite;
}

} // namespace

void TestTracesEnregistrement::legendes()
{
    QFETCH(QString, bande);
    QFETCH(QString, voie);
    QFETCH(int, mode);
    QFETCH(QString, nom);
    QFETCH(QColor, fond);

    FenetreEnregistrement f;
    f.element<ImageControl>(voie)->setTag(mode);
    f.form.InitialiseEnregistrements();
    ImageControl *image = f.element<ImageControl>(bande);
    Canvas &canvas = image->canvas();
    const QFontMetrics mesures(canvas.font());
    const int w = image->width();
    const int h = image->height();

    // Inside the frame, split at mid-height: the top caption and "Min".
    bool noirHaut = false;
    bool noirBas = false;
    const QRect haut = traces(image, QRect(1, 1, w - 2, h / 2 - 1), fond, &noirHaut);
    const QRect bas = traces(image, QRect(1, h / 2, w - 2, h / 2 - 1), fond, &noirBas);

    if (mode == ModeAbsent) {
        QVERIFY(haut.isNull());
        QVERIFY(bas.isNull());
        return;
    }

    const QString titre = mode == ModeHormonal ? QStringLiteral("Max   ") + nom : nom;
    const QRect celluleTitre(2, 2, mesures.horizontalAdvance(titre), mesures.height());
    QVERIFY(noirHaut);
    QVERIFY2(celluleTitre.contains(haut), qPrintable(QStringLiteral("caption spans %1,%2 %3x%4")
                                                         .arg(haut.x())
                                                         .arg(haut.y())
                                                         .arg(haut.width())
                                                         .arg(haut.height())));
    // The whole caption is written: its ink ends with the text's advance.
    QVERIFY(haut.right() >= celluleTitre.right() - 3);

    if (mode == ModeNerveux) {
        QVERIFY(bas.isNull());
        return;
    }
    const int yMin = h - canvas.fontHeight() - 3;
    const QRect celluleMin(2, yMin, mesures.horizontalAdvance(QStringLiteral("Min")),
                           mesures.height());
    QCOMPARE(yMin, 26);
    QVERIFY(noirBas);
    QVERIFY(celluleMin.contains(bas));
    QVERIFY(bas.right() >= celluleMin.right() - 3);
    // "Min" and the caption both start with a capital: same height in the cell.
    QCOMPARE(bas.top() - yMin, haut.top() - 2);
    QVERIFY(bas.left() <= 4);
}

void TestTracesEnregistrement::marquesNerveuses_data()
{
    QTest::addColumn<QString>("bande");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<int>("valeurReglee");
    QTest::addColumn<int>("periode");
    QTest::addColumn<int>("avance");

    // The set point stays at 50 on the range 0..100: the class is the
    // deviation divided by 10.
    QTest::addRow("sensitif, classe 0") << "EnregSensitif"
                                        << "SpeedButtonEnregSensitif" << 45 << 10 << 2;
    QTest::addRow("sensitif, classe 2") << "EnregSensitif"
                                        << "SpeedButtonEnregSensitif" << 30 << 20 << 2;
    QTest::addRow("stimulateur, classe 5") << "EnregStimulateur"
                                           << "SpeedButtonEnregStimulateur" << 0 << 1 << 1;
    QTest::addRow("stimulateur, classe 0") << "EnregStimulateur"
                                           << "SpeedButtonEnregStimulateur" << 55 << 10 << 1;
    QTest::addRow("inhibiteur, classe -3") << "EnregInhibiteur"
                                           << "SpeedButtonEnregInhibiteur" << 80 << 2 << 1;
}

void TestTracesEnregistrement::marquesNerveuses()
{
    QFETCH(QString, bande);
    QFETCH(QString, toggle);
    QFETCH(int, valeurReglee);
    QFETCH(int, periode);
    QFETCH(int, avance);

    FenetreEnregistrement f;
    f.form.ScrollBarValeurReglee->setValue(valeurReglee);
    f.element<GlyphButton>(toggle)->click();
    ImageControl *image = f.element<ImageControl>(bande);
    const QColor fond = pixelBande(image, image->width() / 2, 20);

    constexpr int nombreTics = 45;
    f.tics(nombreTics);
    QCOMPARE(f.form.etat().PositionEnreg, nombreTics);

    // The first tick still draws with the period of 40 left by start-up.
    for (int x = 1; x <= nombreTics; ++x) {
        const bool marque = x > 1 && x % periode == 0;
        QCOMPARE(pixelBande(image, x, 20), noir);
        for (int y = 15; y <= 24; ++y) {
            if (y != 20)
                QCOMPARE(pixelBande(image, x, y) == noir, marque);
        }
        QCOMPARE(pixelBande(image, x, 14), fond);
        QCOMPARE(pixelBande(image, x, 25), fond);
    }
    // The sensory baseline runs one column ahead of the others.
    QCOMPARE(pixelBande(image, nombreTics + 1, 20) == noir, avance == 2);
    QCOMPARE(pixelBande(image, nombreTics + 2, 20), fond);
}

void TestTracesEnregistrement::niveauHormonal_data()
{
    QTest::addColumn<QString>("bande");
    QTest::addColumn<QString>("voie");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<int>("valeurReglee");
    QTest::addColumn<int>("niveau");

    QTest::addRow("sensitif, classe -5 vers le haut") << "EnregSensitif"
                                                      << "ImageVoieSensitive"
                                                      << "SpeedButtonEnregSensitif" << 100 << 2;
    QTest::addRow("sensitif, classe 5 vers le bas") << "EnregSensitif"
                                                    << "ImageVoieSensitive"
                                                    << "SpeedButtonEnregSensitif" << 0 << 38;
    QTest::addRow("stimulateur, classe 5 vers le haut") << "EnregStimulateur"
                                                        << "ImageVoieStimulatrice"
                                                        << "SpeedButtonEnregStimulateur" << 0 << 2;
    QTest::addRow("inhibiteur, classe 5 vers le bas") << "EnregInhibiteur"
                                                      << "ImageVoieInhibitrice"
                                                      << "SpeedButtonEnregInhibiteur" << 0 << 38;
    QTest::addRow("inhibiteur, classe -2") << "EnregInhibiteur"
                                           << "ImageVoieInhibitrice"
                                           << "SpeedButtonEnregInhibiteur" << 75 << 14;
}

void TestTracesEnregistrement::niveauHormonal()
{
    QFETCH(QString, bande);
    QFETCH(QString, voie);
    QFETCH(QString, toggle);
    QFETCH(int, valeurReglee);
    QFETCH(int, niveau);

    FenetreEnregistrement f;
    EtatMecanisme &etat = f.form.etat();
    // As applying a system with this pathway in hormonal mode leaves it.
    f.element<ImageControl>(voie)->setTag(ModeHormonal);
    etat.NiveauCibleSensitif = etat.NiveauTraceSensitif = 20;
    etat.NiveauCibleStimulateur = etat.NiveauTraceStimulateur = 20;
    etat.NiveauCibleInhibiteur = etat.NiveauTraceInhibiteur = 20;

    f.form.ScrollBarValeurReglee->setValue(valeurReglee);
    f.element<GlyphButton>(toggle)->click();
    ImageControl *image = f.element<ImageControl>(bande);
    const QColor fond = pixelBande(image, image->width() / 2, 20);
    // One tick computes the class; the trace starts gliding on the next.
    f.tics(1);
    // Clear of the captions.
    constexpr int debut = 300;
    etat.PositionEnreg = debut;

    const int sens = niveau < 20 ? -1 : 1;
    constexpr int nombreTics = 30;
    for (int tic = 1; tic <= nombreTics; ++tic) {
        f.tics(1);
        const int x = debut + tic;
        const int attendu = tic < std::abs(niveau - 20) ? 20 + sens * tic : niveau;
        for (int y = 1; y < image->height() - 1; ++y) {
            const bool point = x % 2 == 0 && y == attendu;
            QCOMPARE(pixelBande(image, x, y), point ? noir : fond);
        }
    }
    const int *trace = bande == "EnregSensitif"      ? &etat.NiveauTraceSensitif
                       : bande == "EnregStimulateur" ? &etat.NiveauTraceStimulateur
                                                     : &etat.NiveauTraceInhibiteur;
    QCOMPARE(*trace, niveau);
}

void TestTracesEnregistrement::couleursPerturbation_data()
{
    QTest::addColumn<int>("classe");
    QTest::addColumn<bool>("valeurChangee");
    QTest::addColumn<QColor>("couleur");

    QTest::addRow("après initialisation") << 3 << false << olive;
    QTest::addRow("valeur réglée basse") << 3 << true << rouge;
    QTest::addRow("valeur réglée haute") << -2 << true << citron;
    QTest::addRow("écart de classe 0") << 0 << true << olive;
}

void TestTracesEnregistrement::couleursPerturbation()
{
    QFETCH(int, classe);
    QFETCH(bool, valeurChangee);
    QFETCH(QColor, couleur);

    FenetreEnregistrement f;
    f.form.SpeedButtonEnregSensitif->click();
    f.form.ButtonMarche->click();
    f.form.etat().ClasseEcart = classe;
    if (valeurChangee)
        f.form.ScrollBarValeurReglee->setValue(f.form.ScrollBarValeurReglee->value() - 7);
    f.form.EnregistreColonne();

    ImageControl *image = f.form.EnregPerturbation;
    QCOMPARE(f.form.etat().PositionEnreg, 1);
    QCOMPARE(pixelBande(image, 1, 0), noir);
    for (int y = 1; y <= 8; ++y)
        QCOMPARE(pixelBande(image, 1, y), couleur);
    QCOMPARE(pixelBande(image, 1, 9), blanc);
    QCOMPARE(pixelBande(image, 2, 5), gris);
}

void TestTracesEnregistrement::inhibiteurAbsentIntact()
{
    FenetreEnregistrement f;
    ImageControl *image = f.form.EnregInhibiteur;
    Canvas &canvas = image->canvas();
    canvas.setBrushColor(Qt::blue);
    canvas.fillRect(0, 0, image->width(), image->height());
    const QImage avant = image->image();

    f.form.ImageVoieInhibitrice->setTag(ModeAbsent);
    f.form.SpeedButtonEnregInhibiteur->click();
    f.tics(20);
    QCOMPARE(f.form.etat().PositionEnreg, 20);
    QCOMPARE(image->image(), avant);
    // The other strips were cleared and drawn meanwhile.
    QCOMPARE(pixelBande(f.form.EnregStimulateur, 5, 20), noir);
    QCOMPARE(pixelBande(f.form.EnregStimulateur, 300, 20), citron);
}

QTEST_MAIN(TestTracesEnregistrement)
#include "tst_tracesenregistrement.moc"
