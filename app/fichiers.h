// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/tform1.h"

#include <QByteArray>
#include <QString>

class MessageService;

// The files the pupil saves and opens from the window (the exports, the
// lessons), and the warnings about them: asked with the mechanism suspended,
// from the folder the pupil last used.
class Fichiers
{
public:
    Fichiers(TForm1 &form, MessageService &messages);

    // The file the pupil picks to open; empty when cancelled.
    QString demandeFichierAOuvrir(const QString &titre, const QString &filtre);
    // Saves the content under the name the pupil gives, `nom` with its
    // extension suggested, or as a download where the program has no files
    // of its own: the file saved, empty when it was not.
    QString enregistre(const QString &titre, const QString &nom, const QString &genre,
                       const QString &extension, const QByteArray &contenu);
    void avertit(const QString &texte);

    // Runs `demande` with the mechanism suspended, then resumes it as it was.
    template <typename Demande> auto suspendu(Demande demande)
    {
        const bool enMarche = m_form.etat().MecanismeEnMarche;
        if (enMarche)
            m_form.SuspendreMecanisme();
        auto reponse = demande();
        if (enMarche)
            m_form.ReprendreMecanisme();
        return reponse;
    }

private:
    QString demandeFichier(const QString &titre, const QString &nom, const QString &genre,
                           const QString &extension);
    bool ecritFichier(const QString &chemin, const QByteArray &contenu);

    TForm1 &m_form;
    MessageService &m_messages;
    // Where the pupil last saved or opened, offered again.
    QString m_dossier;
};
