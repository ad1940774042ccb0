// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"
#include "recordings/axescourbe.h"

#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "systems/modevoie.h"

#include <QAction>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

bool entierDecimal(const QString &texte)
{
    static const QRegularExpression entier(QStringLiteral("^-?[0-9]{1,10}$"));
    bool converti = false;
    texte.toInt(&converti);
    return converti && entier.match(texte).hasMatch();
}

struct Bilan
{
    QStringList ruptures;
    void verifie(bool condition, const QString &rupture)
    {
        if (!condition)
            ruptures << rupture;
    }
};

void verifieMarche(TForm1 &form, Bilan &bilan)
{
    const EtatMecanisme &etat = form.etat();
    const QString legende = form.ButtonMarche->text();
    bilan.verifie(legende == QStringLiteral("Arrêt") || legende == QStringLiteral("Marche"),
                  QStringLiteral("ButtonMarche reads \"%1\"").arg(legende));
    bilan.verifie((legende == QStringLiteral("Arrêt")) == etat.MecanismeEnMarche,
                  QStringLiteral("caption \"%1\" with MecanismeEnMarche %2")
                      .arg(legende, QString::number(etat.MecanismeEnMarche)));
    bilan.verifie(form.TimerCapteur->isRunning() == etat.MecanismeEnMarche,
                  QStringLiteral("TimerCapteur running %1 with MecanismeEnMarche %2")
                      .arg(form.TimerCapteur->isRunning())
                      .arg(etat.MecanismeEnMarche));

    bilan.verifie(etat.IntervalleAnimation >= 1 && etat.IntervalleAnimation <= 1001,
                  QStringLiteral("IntervalleAnimation %1").arg(etat.IntervalleAnimation));
    for (IntervalTimer *timer : {form.TimerCapteur, form.TimerVoieSensitive,
                                 form.TimerVoieStimulatrice, form.TimerVoieInhibitrice}) {
        bilan.verifie(!timer->isRunning() || timer->interval() == etat.IntervalleAnimation,
                      QStringLiteral("%1 at %2 ms, IntervalleAnimation %3")
                          .arg(timer->objectName())
                          .arg(timer->interval())
                          .arg(etat.IntervalleAnimation));
    }
    bilan.verifie(
        !form.TimerPerturbation->isRunning() || form.TimerPerturbation->interval() == 10,
        QStringLiteral("TimerPerturbation at %1 ms").arg(form.TimerPerturbation->interval()));

    if (etat.MecanismeEnMarche)
        return;
    for (IntervalTimer *timer : form.findChildren<IntervalTimer *>())
        bilan.verifie(!timer->isRunning(),
                      QStringLiteral("%1 runs while stopped").arg(timer->objectName()));
    bilan.verifie(form.LabelPerturbation->isHidden(),
                  QStringLiteral("LabelPerturbation shown while stopped"));
    for (ImageControl *eclair : {form.ImageEclair1, form.ImageEclair2})
        bilan.verifie(!eclair->isShown(),
                      QStringLiteral("%1 shown while stopped").arg(eclair->objectName()));
}

void verifieMarqueurs(TForm1 &form, Bilan &bilan)
{
    const EtatMecanisme &etat = form.etat();
    const int marqueurs = marqueursDansLeSchema(form);
    const int references = int(bool(etat.InfluxSensitif)) + int(bool(etat.InfluxMoteur));
    bilan.verifie(
        marqueurs == references,
        QStringLiteral("%1 markers in the scheme, %2 held").arg(marqueurs).arg(references));
    bilan.verifie(etat.MecanismeEnMarche || marqueurs == 0,
                  QStringLiteral("%1 markers while stopped").arg(marqueurs));
    const QRect schema = form.GroupBoxSystemeReglant->rect();
    for (const auto *influx : {etat.InfluxSensitif.get(), etat.InfluxMoteur.get()}) {
        if (!influx)
            continue;
        bilan.verifie(influx->parentWidget() == form.GroupBoxSystemeReglant,
                      QStringLiteral("a marker outside the scheme's group box"));
        bilan.verifie(schema.contains(influx->geometry()),
                      QStringLiteral("a marker at (%1, %2) %3 x %4 leaves the scheme")
                          .arg(influx->x())
                          .arg(influx->y())
                          .arg(influx->width())
                          .arg(influx->height()));
        const QSize forme = influx->size();
        bilan.verifie(
            forme == QSize(4, 10) || forme == QSize(10, 4),
            QStringLiteral("a marker shaped %1 x %2").arg(forme.width()).arg(forme.height()));
    }
}

void verifieValeurs(TForm1 &form, Bilan &bilan)
{
    const EtatMecanisme &etat = form.etat();
    bilan.verifie(etat.ClasseEcart >= -5 && etat.ClasseEcart <= 5,
                  QStringLiteral("ClasseEcart %1").arg(etat.ClasseEcart));
    for (QLineEdit *edit : {form.EditValeurConsigne, form.EditValeurReglee})
        bilan.verifie(
            entierDecimal(edit->text()),
            QStringLiteral("%1 holds \"%2\"").arg(edit->objectName(), edit->text().left(40)));
    for (int periode : {etat.PeriodeSensitive, etat.PeriodeStimulatrice, etat.PeriodeInhibitrice})
        bilan.verifie(periode >= 1, QStringLiteral("a period of %1").arg(periode));
}

void verifieEnregistrements(TForm1 &form, Bilan &bilan)
{
    const EtatMecanisme &etat = form.etat();
    // Beyond the strips only after declined wraps (one column further for each
    // restart declined again); the sensor tick checks the rest.
    bilan.verifie(etat.PositionEnreg >= 0,
                  QStringLiteral("PositionEnreg %1").arg(etat.PositionEnreg));

    const struct
    {
        ImageControl *bande;
        QSize taille;
    } bandes[] = {
        {form.EnregSensitif, {550, 40}},   {form.EnregStimulateur, {550, 40}},
        {form.EnregInhibiteur, {550, 40}}, {form.EnregPerturbation, {550, 10}},
        {form.ImageCapteur, {47, 19}},
    };
    for (const auto &bande : bandes) {
        bilan.verifie(bande.bande->size() == bande.taille, QStringLiteral("%1 sized %2 x %3")
                                                               .arg(bande.bande->objectName())
                                                               .arg(bande.bande->width())
                                                               .arg(bande.bande->height()));
        const QImage &surface = bande.bande->image();
        bilan.verifie(surface.isNull() || surface.size() == bande.taille,
                      QStringLiteral("surface of %1 sized %2 x %3")
                          .arg(bande.bande->objectName())
                          .arg(surface.width())
                          .arg(surface.height()));
    }

    // A hormonal trace lies within its strip, between its extreme levels.
    const struct
    {
        ImageControl *voie;
        int cible;
        int trace;
    } niveaux[] = {
        {form.ImageVoieSensitive, etat.NiveauCibleSensitif, etat.NiveauTraceSensitif},
        {form.ImageVoieStimulatrice, etat.NiveauCibleStimulateur, etat.NiveauTraceStimulateur},
        {form.ImageVoieInhibitrice, etat.NiveauCibleInhibiteur, etat.NiveauTraceInhibiteur},
    };
    for (const auto &niveau : niveaux) {
        const bool hormonal = niveau.voie->tag() == ModeHormonal;
        const int bas = hormonal ? 2 : 0;
        const int haut = hormonal ? 38 : 39;
        bilan.verifie(niveau.cible >= bas && niveau.cible <= haut && niveau.trace >= bas &&
                          niveau.trace <= haut,
                      QStringLiteral("levels %1 and %2 on %3")
                          .arg(niveau.cible)
                          .arg(niveau.trace)
                          .arg(niveau.voie->objectName()));
    }
}

// The situation our features read says what the scheme shows: the values of
// the bars, the speed, the system's pathways and effectors, its texts, and
// the experiments the menus offer and have checked.
void verifieSituation(TForm1 &form, Bilan &bilan)
{
    const SituationCourante &situation = form.situation();
    const ConfigurationSysteme &systeme = situation.systeme();
    const auto accord = [&bilan](const QString &quoi, const auto &situation, const auto &ecran) {
        bilan.verifie(situation == ecran,
                      QStringLiteral("the situation's %1 is not the screen's").arg(quoi));
    };
    accord(u"value"_s, situation.valeurReglee(), form.ScrollBarValeurReglee->value());
    accord(u"set point"_s, situation.valeurConsigne(), form.ScrollBarValeurConsigne->value());
    accord(u"speed"_s, situation.vitesse(), form.TrackBarVitesse->value());
    accord(u"minimum"_s, systeme.ValeurMin, form.ScrollBarValeurReglee->minimum());
    accord(u"maximum"_s, systeme.ValeurMax, form.ScrollBarValeurReglee->maximum());
    accord(u"sensory mode"_s, int(systeme.ModeVoieSensitive), form.ImageVoieSensitive->tag());
    accord(u"stimulating mode"_s, int(systeme.ModeVoieStimulatrice),
           form.ImageVoieStimulatrice->tag());
    accord(u"inhibiting mode"_s, int(systeme.ModeVoieInhibitrice),
           form.ImageVoieInhibitrice->tag());
    accord(u"inhibiting effector"_s, systeme.ModeEffecteurInhibiteur == 1,
           !form.LabelEffecteurInhibiteur->isHidden());
    accord(u"sensor"_s, systeme.TexteCapteur, form.LabelCapteur->caption());
    accord(u"centre"_s, systeme.TexteCentreIntegrateur, form.LabelCentreIntegrateur->caption());
    accord(u"unit"_s, systeme.TexteUnites, form.LabelUnites->caption());
    const QList<AxesCourbe::Libelle> axes = form.findChild<AxesCourbe *>()->libelles();
    accord(u"speed changed while recording"_s, situation.releve().vitesseModifiee(),
           std::any_of(axes.cbegin(), axes.cend(), [](const AxesCourbe::Libelle &l) {
               return l.texte == u"tops (vitesse modifiée)"_s;
           }));
    for (Experience experience : toutesExperiences) {
        const QAction *action = form.actionExperience(experience);
        accord(u"experiment %1 offered"_s.arg(int(experience)), situation.aElement(experience),
               action->isVisible());
        accord(u"experiment %1 set"_s.arg(int(experience)),
               situation.experiences().contient(experience), action->isChecked());
    }
}

} // namespace

int marqueursDansLeSchema(TForm1 &form)
{
    return int(form.findChild<MarkerLayer *>()->markers().size());
}

QString invariantsRompus(TForm1 &form)
{
    Bilan bilan;
    verifieMarche(form, bilan);
    verifieMarqueurs(form, bilan);
    verifieValeurs(form, bilan);
    verifieEnregistrements(form, bilan);
    verifieSituation(form, bilan);
    return bilan.ruptures.join(QStringLiteral("; "));
}
