// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/fichierseance.h"

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class MessageService;
class QMimeData;
class RegistreSystemes;
class TForm1;

// The lessons as the window meets them: the situation on screen collected
// into a lesson and a lesson shown again, the two actions that open and save
// them, and the lesson open (its name in the window's title, its
// instructions in place of the standard ones).
class Seances : public QObject
{
    Q_OBJECT

public:
    Seances(TForm1 &form, RegistreSystemes &registre, MessageService &messages);

    QAction *actionOuvrir() const { return m_ouvrir; }
    QAction *actionEnregistrer() const { return m_enregistrer; }

    Situation situation() const;
    // Opens the file: true when its lesson is on screen. A file that cannot
    // be read or holds no lesson is named in a warning with the reason, and
    // the screen stays as it was; so it does when the pupil keeps the
    // recordings on screen.
    bool ouvre(const QString &chemin);
    // The same for a lesson's content that came without a file (an upload in
    // a web page); `designation` names it in the warnings and the title.
    bool ouvreContenu(const QString &designation, const QByteArray &octets);
    // Says that the lesson `designation` names cannot be opened, and why.
    void refuse(const QString &designation, const QString &pourquoi);
    // Another system, or a situation that is no longer the lesson's: the
    // standard instructions and title come back.
    void oublie();
    // Whether the lesson opened or saved last differs from the screen now.
    bool modifiee() const;
    // Before the lesson on screen is lost (the window closes, another lesson
    // opens): when it changed since it was opened or saved, asks whether to
    // save it. False when the pupil gives up, or the save did not happen.
    bool laisseLaSeance();

    void Ouvrir();
    void Enregistrer();

    // The one lesson file a drag carries, or nothing when it carries anything
    // else (text, several files, a file of another kind).
    static QString seanceDeposee(const QMimeData *donnees);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void applique(const Situation &situation);
    void nomme(const QString &nom);
    bool enregistre();
    // Asks whether to save the changed lesson: true once saved, or left.
    bool demandeDEnregistrer();

    TForm1 &m_form;
    RegistreSystemes &m_registre;
    MessageService &m_messages;
    QAction *m_ouvrir;
    QAction *m_enregistrer;
    QStringList m_consignesStandard;
    // The lesson's name and the situation as it was opened or saved; none
    // when the screen holds no lesson.
    QString m_nom;
    std::optional<Situation> m_telleQuEnregistree;
};
