// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/systemesenseignant.h"
#include "systems/validationsysteme.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The editor of a teacher's system: every name of the scheme, the modes of
// the pathways, the unit, the range, the starting value and the steps. It
// starts from a system (the one on screen, or any of the list picked in it),
// says beside each field what is wrong as the teacher types, and lets OK go
// only when the system can be used. A name wider than its box on this
// computer is advice, said beside its field in another colour: OK still goes.
class DialogueSysteme : public QDialog
{
    Q_OBJECT

public:
    // modeles: the systems it may start from, by name; trouve gives each one.
    DialogueSysteme(const QStringList &modeles,
                    std::function<const ConfigurationSysteme *(const QString &)> trouve,
                    PlaceTexte place, QWidget *parent = nullptr);

    // Fills the fields from that system, under that name (empty for a new one);
    // the list shows the system started from.
    void partDe(const QString &nom, const ConfigurationSysteme &systeme,
                const QString &modele = QString());
    SystemeEnseignant systeme() const;
    // Where the name may also be: the system being changed keeps its own.
    void permetLeNom(const QString &nom) { m_nomPermis = nom; }

    // What is wrong now, as shown beside the fields.
    QList<DefautSysteme> defauts() const { return m_defauts; }
    // The names wider than their box on this computer, as advised.
    QList<DefautSysteme> conseils() const { return m_conseils; }

private:
    void valide();
    void suitLesModes();
    // The values' fields take the system's decimals.
    void suitLesDecimales(int decimales);

    std::function<const ConfigurationSysteme *(const QString &)> m_trouve;
    PlaceTexte m_place;
    QString m_nomPermis;
    QComboBox *m_modele;
    QLineEdit *m_nom;
    // Each field of the table the teacher fills, with its widget.
    struct Saisie
    {
        const struct ChampSysteme *champ;
        QWidget *widget;
    };
    QList<Saisie> m_saisies;
    QHash<QString, QLabel *> m_erreurs;
    QHash<QString, QWidget *> m_champs;
    QDialogButtonBox *m_boutons;
    QList<DefautSysteme> m_defauts;
    QList<DefautSysteme> m_conseils;
};
