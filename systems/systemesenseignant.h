// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/validationsysteme.h"

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// A system a teacher described, under its own name.
struct SystemeEnseignant
{
    QString nom;
    ConfigurationSysteme configuration;
};

// At most this many teachers' systems on a computer, and each one's
// description in the settings at most this many bytes: the settings are read
// as fast whatever they say they hold.
inline constexpr int NombreMaxSystemesEnseignant = 100;
inline constexpr qsizetype TailleMaxDescription = 16 * 1024;

// The teachers' own systems on this computer, kept in the user's settings
// (never beside the program, which may be read-only) as the descriptions
// lesson files carry, and held to the same rules wherever they come from.
// Settings that cannot be read, or hold systems that are not good, are left
// out with one line on standard error that says what: the list's six
// systems are always there whatever the settings hold.
class SystemesEnseignant
{
public:
    // Without settings, the systems last as long as the program. The
    // settings must outlive this object.
    explicit SystemesEnseignant(QSettings *reglages = nullptr);

    // What the settings held that was left out, in one line; empty when
    // nothing was.
    QString laissesDeCote() const { return m_laissesDeCote; }

    const ConfigurationSysteme *trouve(const QString &nom) const;
    QStringList noms() const;
    // Adds the system, or replaces the one of the same name, and keeps them:
    // empty then. Otherwise what keeps it out (a rule it breaks, or no room
    // left), and nothing changes.
    QList<DefautSysteme> enregistre(const SystemeEnseignant &systeme);
    void supprime(const QString &nom);

private:
    void lit();
    QList<DefautSysteme> ajoute(const SystemeEnseignant &systeme);
    void garde() const;

    QSettings *m_reglages;
    QList<SystemeEnseignant> m_systemes;
    QString m_laissesDeCote;
};
