// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/registresystemes.h"
#include "systems/validationsysteme.h"

#include <QHash>
#include <QObject>
#include <QRect>

#include <memory>

class QAction;
class QLabel;
class MessageService;
class QWidget;
class TForm1;

// The teachers' own systems as the window meets them: in the list beside the
// six, made and changed in the editor ("Nouveau système…", "Modifier le
// système…" from the window's menu), removed after a question. The registry
// keeps them.
class EditeurSystemes : public QObject
{
    Q_OBJECT

public:
    EditeurSystemes(TForm1 &form, RegistreSystemes &registre, MessageService &messages);
    ~EditeurSystemes() override;

    // Whether each name fits its element's box on the scheme, measured with
    // the scheme's own font at the stored layout: advice for the editor.
    PlaceTexte place() const;
    // Whether the name of that field fits its box: a wide one is shown
    // shortened on the scheme.
    bool tient(const QString &champ, const QString &texte) const;

    QList<QAction *> actions() const;
    void NouveauSysteme();
    void ModifierSysteme();
    void SupprimerSysteme();
    // Editing and removing offered for a teacher's system on screen only;
    // also after a system is applied without the list's signal (a lesson).
    void actualiseActions();
    // The editor opened by the last action, while it is open (for tests).
    class DialogueSysteme *dialogue() const { return m_dialogue; }

private:
    void edite(const QString &nom, const ConfigurationSysteme &depart, const QString &ancien);
    void remplitLaListe();

    TForm1 &m_form;
    RegistreSystemes &m_registre;
    MessageService &m_messages;
    QAction *m_nouveau;
    QAction *m_modifier;
    QAction *m_supprimer;
    class DialogueSysteme *m_dialogue = nullptr;
    // The elements a name must not cover, and where each label's panel
    // stands, as stored; in the window's coordinates.
    struct CaseTexte
    {
        QRect stockee;
        const QLabel *etiquette;
        int marge; // the panel's frame around its label
    };
    QList<QRect> m_obstacles;
    QHash<QString, CaseTexte> m_cases;
    QRect m_schema;
};
