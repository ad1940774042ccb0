// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/systemesenseignant.h"

#include <QObject>

#include <memory>

class QSettings;

// Every system the program knows: the list's six and the teachers' own, with
// the settings behind these. One registry for the program, handed to the
// list, the editor and the lessons: whoever needs a system finds it here.
class RegistreSystemes : public QObject
{
    Q_OBJECT

public:
    explicit RegistreSystemes(QObject *parent = nullptr);
    ~RegistreSystemes() override;

    // Reads the teachers' systems kept in these settings, and keeps them
    // there from now on. The settings must outlive the registry.
    void utiliseReglages(QSettings *reglages);

    // The system of that exact name: one of the six, or a teacher's.
    const ConfigurationSysteme *systeme(const QString &nom) const;
    bool estDeLEnseignant(const QString &nom) const;
    // The teachers' systems' names.
    QStringList nomsEnseignant() const;
    // A teacher's system added, or put in place of the one of that name:
    // empty then, or what keeps it out, and nothing changes.
    QList<DefautSysteme> adopte(const SystemeEnseignant &systeme);
    void supprime(const QString &nom);

signals:
    // A teacher's system came, went or changed.
    void systemesChanges();

private:
    std::unique_ptr<SystemesEnseignant> m_enseignant;
};
