// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/situationcourante.h"

#include "mechanism/tableclassesecart.h"
#include "systems/cataloguesystemes.h"

SituationCourante::SituationCourante()
    : m_nomSysteme(CatalogueSystemes[0].nom), m_systeme(CatalogueSystemes[0].configuration),
      m_valeurReglee(m_systeme.ValeurInitiale), m_valeurConsigne(m_systeme.ValeurInitiale)
{
    // Until a system is picked the scheme is the stored one, which writes
    // its unit so.
    m_systeme.TexteUnites = QStringLiteral("en u.a");
}

void SituationCourante::changeSysteme(const QString &nom, const ConfigurationSysteme &systeme)
{
    m_nomSysteme = nom;
    m_systeme = systeme;
    m_reference.clear();
    m_situationReference.clear();
    // Its values and experiments are another system's.
    m_deroule.reset();
}

bool SituationCourante::aElement(const ConfigurationSysteme &systeme, Experience experience)
{
    switch (experience) {
    case Experience::VoieSensitiveCoupee:
    case Experience::VoieStimulatriceCoupee:
    case Experience::VoieInhibitriceCoupee:
        return modeVoie(systeme, experience) != ModeAbsent;
    case Experience::EffecteurStimulateurInsensible:
        return systeme.ModeEffecteurStimulateur == 1;
    case Experience::EffecteurInhibiteurInsensible:
        return systeme.ModeEffecteurInhibiteur == 1;
    case Experience::CapteurDetruit:
    case Experience::CentreDetruit:
        return true;
    }
    return false;
}

ModeVoie SituationCourante::modeVoie(const ConfigurationSysteme &systeme, Experience experience)
{
    switch (experience) {
    case Experience::VoieSensitiveCoupee:
        return systeme.ModeVoieSensitive;
    case Experience::VoieStimulatriceCoupee:
        return systeme.ModeVoieStimulatrice;
    case Experience::VoieInhibitriceCoupee:
        return systeme.ModeVoieInhibitrice;
    default:
        return ModeAbsent;
    }
}

int SituationCourante::classeLue(int classeCapteur) const
{
    return m_experiences.silenceLuCommeMinimum(modeSensitif()) ? ClasseEcartMax : classeCapteur;
}

QStringList SituationCourante::elementsDuSchema() const
{
    const ConfigurationSysteme &s = m_systeme;
    QStringList elements;
    const auto organe = [&elements](const QString &role, const QString &nom, bool present) {
        if (present)
            elements << QStringLiteral("%1 : %2").arg(role, nom);
    };
    const auto voie = [&elements](const QString &role, const QString &nom, ModeVoie mode) {
        if (mode == ModeNerveux)
            elements << QStringLiteral("%1 (nerveuse) : %2").arg(role, nom);
        else if (mode == ModeHormonal)
            elements << QStringLiteral("%1 (hormonale) : %2").arg(role, nom);
    };
    organe(QStringLiteral("Capteur"), s.TexteCapteur, true);
    if (s.ModeVoieSensitive == ModeAbsent)
        elements << QStringLiteral("Voie sensitive : aucune (sensibilité directe du centre)");
    voie(QStringLiteral("Voie sensitive"), s.TexteVoieSensitive, s.ModeVoieSensitive);
    organe(QStringLiteral("Centre intégrateur"), s.TexteCentreIntegrateur, true);
    voie(QStringLiteral("Voie motrice stimulatrice"), s.TexteVoieStimulatrice,
         s.ModeVoieStimulatrice);
    voie(QStringLiteral("Voie motrice inhibitrice"), s.TexteVoieInhibitrice, s.ModeVoieInhibitrice);
    organe(QStringLiteral("Effecteur stimulateur"), s.TexteEffecteurStimulateur,
           s.ModeEffecteurStimulateur == 1);
    organe(QStringLiteral("Effecteur inhibiteur"), s.TexteEffecteurInhibiteur,
           s.ModeEffecteurInhibiteur == 1);
    return elements;
}

void SituationCourante::changeValeurs(int reglee, int consigne)
{
    m_valeurReglee = reglee;
    m_valeurConsigne = consigne;
}

bool SituationCourante::changeExperience(Experience experience, bool active)
{
    if (active && !aElement(experience))
        return false;
    m_experiences.change(experience, active);
    return true;
}

bool SituationCourante::gardeReference(const QString &experiencesEnMots)
{
    if (m_releve.estVide())
        return false;
    m_reference.clear();
    for (const LigneReleve &ligne : m_releve.lignes())
        m_reference.insert(ligne.colonne, ligne.valeurReglee);
    // The grey curve says which situation it shows, so that an exported
    // image reads alone.
    m_situationReference =
        experiencesEnMots.isEmpty() ? QStringLiteral("boucle intacte") : experiencesEnMots;
    return true;
}

void SituationCourante::changeReference(const QMap<int, int> &reference, const QString &situation)
{
    m_reference = reference;
    m_situationReference = situation;
}

bool SituationCourante::effaceReference()
{
    if (m_reference.isEmpty())
        return false;
    m_reference.clear();
    m_situationReference.clear();
    return true;
}
