// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/validationsysteme.h"

#include "systems/cataloguesystemes.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The texts of the scheme, by field, and whether the element exists.
struct TexteSysteme
{
    QString champ;
    const QString &texte;
    bool existe;
};

} // namespace

bool surUneLigne(const QString &texte)
{
    for (const QChar c : texte) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

QString defautDeNom(const QString &texte)
{
    if (texte.size() > LongueurMaxNom)
        return u"le nom dépasse %1 caractères."_s.arg(LongueurMaxNom);
    if (!surUneLigne(texte))
        return u"le nom tient sur une ligne."_s;
    return {};
}

QString citation(const QString &texte)
{
    constexpr qsizetype longueurCitee = 60;
    QString cite = texte.left(longueurCitee);
    for (QChar &c : cite) {
        if (!surUneLigne(QString(c)))
            c = QChar::ReplacementCharacter;
    }
    if (texte.size() > longueurCitee)
        cite += u'…';
    return cite;
}

QList<DefautSysteme> valideSysteme(const QString &nom, const ConfigurationSysteme &s)
{
    QList<DefautSysteme> defauts;
    const auto defaut = [&defauts](const QString &champ, const QString &raison) {
        defauts.append({champ, raison});
    };

    if (nom.trimmed().isEmpty())
        defaut(u"nom"_s, u"le système n'a pas de nom."_s);
    else if (const QString raison = defautDeNom(nom); !raison.isEmpty())
        defaut(u"nom"_s, raison);
    else if (trouveSysteme(nom))
        defaut(u"nom"_s,
               u"« %1 » est un système de la liste : choisissez un autre nom."_s.arg(nom));

    const bool inhibition = s.ModeVoieInhibitrice != ModeAbsent;
    const TexteSysteme textes[] = {
        {u"TexteCapteur"_s, s.TexteCapteur, true},
        {u"TexteValeurReglee"_s, s.TexteValeurReglee, true},
        {u"TexteVoieSensitive"_s, s.TexteVoieSensitive, true},
        {u"TexteCentreIntegrateur"_s, s.TexteCentreIntegrateur, true},
        {u"TexteVoieStimulatrice"_s, s.TexteVoieStimulatrice, true},
        {u"TexteVoieInhibitrice"_s, s.TexteVoieInhibitrice, inhibition},
        {u"TexteEffecteurStimulateur"_s, s.TexteEffecteurStimulateur, true},
        {u"TexteEffecteurInhibiteur"_s, s.TexteEffecteurInhibiteur, s.ModeEffecteurInhibiteur == 1},
        {u"TexteUnites"_s, s.TexteUnites, true},
    };
    for (const TexteSysteme &t : textes) {
        if (!t.existe) {
            if (!t.texte.isEmpty())
                defaut(t.champ, u"l'élément est absent : il n'a pas de nom."_s);
        } else if (t.texte.trimmed().isEmpty()) {
            defaut(t.champ, u"le nom est vide."_s);
        } else if (const QString raison = defautDeNom(t.texte); !raison.isEmpty()) {
            defaut(t.champ, raison);
        }
    }

    if (s.ModeVoieSensitive != ModeAbsent && s.ModeVoieSensitive != ModeNerveux &&
        s.ModeVoieSensitive != ModeHormonal)
        defaut(u"ModeVoieSensitive"_s,
               u"la voie sensitive est nerveuse, hormonale ou absente (sensibilité directe)."_s);
    if (s.ModeVoieStimulatrice != ModeNerveux && s.ModeVoieStimulatrice != ModeHormonal)
        defaut(u"ModeVoieStimulatrice"_s, u"la voie stimulatrice est nerveuse ou hormonale."_s);
    if (s.ModeVoieInhibitrice != ModeAbsent && s.ModeVoieInhibitrice != ModeNerveux &&
        s.ModeVoieInhibitrice != ModeHormonal)
        defaut(u"ModeVoieInhibitrice"_s,
               u"la voie inhibitrice est nerveuse, hormonale ou absente."_s);
    if (s.ModeEffecteurStimulateur != 1)
        defaut(u"ModeEffecteurStimulateur"_s, u"l'effecteur stimulateur existe toujours."_s);
    if (s.ModeEffecteurInhibiteur != (inhibition ? 1 : 0))
        defaut(u"ModeEffecteurInhibiteur"_s,
               inhibition ? u"la voie inhibitrice mène à un effecteur inhibiteur."_s
                          : u"sans voie inhibitrice, pas d'effecteur inhibiteur."_s);

    const auto borne = [&](const QString &champ, int valeur) {
        if (valeur < ValeurSystemeMin || valeur > ValeurSystemeMax) {
            defaut(champ, u"les barres de valeur vont de %1 à %2."_s.arg(ValeurSystemeMin)
                              .arg(ValeurSystemeMax));
            return false;
        }
        return true;
    };
    const bool bornes = borne(u"ValeurMin"_s, s.ValeurMin) & borne(u"ValeurMax"_s, s.ValeurMax);
    if (bornes && s.ValeurMin >= s.ValeurMax)
        defaut(u"ValeurMax"_s, u"le maximum doit dépasser le minimum."_s);
    else if (bornes && s.ValeurMax - s.ValeurMin < EtendueSystemeMin)
        defaut(u"ValeurMax"_s, u"du minimum au maximum, il faut au moins %1 pour les classes "
                               u"d'écart du capteur."_s.arg(EtendueSystemeMin));
    else if (bornes && (s.ValeurInitiale < s.ValeurMin || s.ValeurInitiale > s.ValeurMax))
        defaut(u"ValeurInitiale"_s, u"la valeur de départ est hors de l'intervalle."_s);

    if (s.PetitPas < 1)
        defaut(u"PetitPas"_s, u"le petit pas doit valoir au moins 1."_s);
    if (s.GrandPas < 1)
        defaut(u"GrandPas"_s, u"le grand pas doit valoir au moins 1."_s);
    else if (s.PetitPas > s.GrandPas)
        defaut(u"PetitPas"_s, u"le petit pas ne peut pas dépasser le grand pas."_s);
    else if (bornes && s.ValeurMax > s.ValeurMin && s.GrandPas > s.ValeurMax - s.ValeurMin)
        defaut(u"GrandPas"_s, u"le grand pas dépasse l'intervalle."_s);
    return defauts;
}
