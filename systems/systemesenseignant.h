// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/configurationsysteme.h"

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

// The teachers' own systems on this computer, kept in the user's settings
// (never beside the program, which may be read-only) as the descriptions
// lesson files carry. Settings that cannot be read, or hold a description
// that is no longer good, are left out with one line on standard error: the
// list's six systems are always there whatever the settings hold.
class SystemesEnseignant
{
public:
    // Without settings, the systems last as long as the program.
    explicit SystemesEnseignant(QSettings *reglages = nullptr);

    const ConfigurationSysteme *trouve(const QString &nom) const;
    QStringList noms() const;
    // Adds the system, or replaces the one of the same name; then keeps them.
    void enregistre(const SystemeEnseignant &systeme);
    void supprime(const QString &nom);

private:
    void garde() const;

    QSettings *m_reglages;
    QList<SystemeEnseignant> m_systemes;
};
