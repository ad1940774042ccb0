// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/registresystemes.h"

#include "systems/cataloguesystemes.h"

RegistreSystemes::RegistreSystemes(QObject *parent)
    : QObject(parent), m_enseignant(std::make_unique<SystemesEnseignant>())
{
}

RegistreSystemes::~RegistreSystemes() = default;

void RegistreSystemes::utiliseReglages(QSettings *reglages)
{
    m_enseignant = std::make_unique<SystemesEnseignant>(reglages);
    emit systemesChanges();
}

const ConfigurationSysteme *RegistreSystemes::systeme(const QString &nom) const
{
    if (const ConfigurationSysteme *catalogue = trouveSysteme(nom))
        return catalogue;
    return m_enseignant->trouve(nom);
}

bool RegistreSystemes::estDeLEnseignant(const QString &nom) const
{
    return m_enseignant->trouve(nom) != nullptr;
}

QStringList RegistreSystemes::nomsEnseignant() const
{
    return m_enseignant->noms();
}

QList<DefautSysteme> RegistreSystemes::adopte(const SystemeEnseignant &systeme)
{
    QList<DefautSysteme> defauts = m_enseignant->enregistre(systeme);
    if (defauts.isEmpty())
        emit systemesChanges();
    return defauts;
}

void RegistreSystemes::supprime(const QString &nom)
{
    if (!estDeLEnseignant(nom))
        return;
    m_enseignant->supprime(nom);
    emit systemesChanges();
}
