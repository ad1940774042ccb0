// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/deroule.h"
#include "mechanism/experiences.h"
#include "recordings/releve.h"
#include "systems/configurationsysteme.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The situation the window shows, without a widget: the system on the
// scheme, the values and the speed, the experiments in force, the rows the
// strips recorded, the reference and the situation it was kept in, and the
// lesson's instructions. Our features ask it what they need (which elements
// the system has, what the centre reads past a lesion, what is exported);
// the window's handlers keep their own shared values, and where the two must
// agree the window writes both in one place.
class SituationCourante
{
public:
    // The first look: the stored scheme, which is "Schéma général (nerveux)".
    SituationCourante();

    const QString &nomSysteme() const { return m_nomSysteme; }
    const ConfigurationSysteme &systeme() const { return m_systeme; }
    // Another system on the scheme: the reference, of another range, goes.
    void changeSysteme(const QString &nom, const ConfigurationSysteme &systeme);

    // Whether the element an experiment acts on is on this system's scheme
    // (or that system's).
    bool aElement(Experience experience) const { return aElement(m_systeme, experience); }
    static bool aElement(const ConfigurationSysteme &systeme, Experience experience);
    // A pathway's mode (the sensory, the stimulating or the inhibiting one,
    // by its experiment); absent for an organ.
    ModeVoie modeVoie(Experience experience) const { return modeVoie(m_systeme, experience); }
    static ModeVoie modeVoie(const ConfigurationSysteme &systeme, Experience experience);
    ModeVoie modeSensitif() const { return m_systeme.ModeVoieSensitive; }
    // The deviation class the centre acts on: the sensor's, or the lowest
    // value's when a sensory nerve has fallen silent.
    int classeLue(int classeCapteur) const;
    // The scheme's elements this system has, in the order of the loop, one a
    // line: each organ with its role, each pathway with its role and mode.
    QStringList elementsDuSchema() const;

    int valeurReglee() const { return m_valeurReglee; }
    int valeurConsigne() const { return m_valeurConsigne; }
    int vitesse() const { return m_vitesse; }
    void changeValeurs(int reglee, int consigne);
    void changeVitesse(int vitesse) { m_vitesse = vitesse; }

    const Experiences &experiences() const { return m_experiences; }
    // Only what this system has can be set; false when it cannot.
    bool changeExperience(Experience experience, bool active);
    void retablitTout() { m_experiences.retablit(); }

    const Releve &releve() const { return m_releve; }
    Releve &releve() { return m_releve; }

    // The curve kept: its value at each column, and the experiments in force
    // then, in words ("boucle intacte" for none); both empty without one.
    const QMap<int, int> &reference() const { return m_reference; }
    const QString &situationReference() const { return m_situationReference; }
    // The rows recorded become the reference; nothing without a row.
    bool gardeReference(const QString &experiencesEnMots);
    void changeReference(const QMap<int, int> &reference, const QString &situation);
    bool effaceReference();

    // The sequence the teacher recorded on this system, to replay.
    const std::optional<Deroule> &deroule() const { return m_deroule; }
    void changeDeroule(const std::optional<Deroule> &deroule) { m_deroule = deroule; }

    // The teacher's instructions in place of the standard ones; empty for those.
    const QString &consignesActivite() const { return m_consignesActivite; }
    void changeConsignes(const QString &consignes) { m_consignesActivite = consignes; }

private:
    QString m_nomSysteme;
    ConfigurationSysteme m_systeme;
    int m_valeurReglee;
    int m_valeurConsigne;
    int m_vitesse = 5;
    Experiences m_experiences;
    Releve m_releve;
    QMap<int, int> m_reference;
    QString m_situationReference;
    QString m_consignesActivite;
    std::optional<Deroule> m_deroule;
};
