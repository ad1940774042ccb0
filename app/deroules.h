// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/deroule.h"

#include <QList>
#include <QObject>

#include <optional>

class MessageService;
class QAction;
class TForm1;

// The sequences as the window meets them: the teacher records one (each of
// their own changes kept with the sensor tick it was made at), the pupils
// replay it from its start, as it is or on the intact loop to keep its
// curve as the reference. A replay drives the loop by instants, so that the
// same sequence on the same loop gives the same rows; a change the pupil
// makes meanwhile ends it, and is kept.
class Deroules : public QObject
{
    Q_OBJECT

public:
    Deroules(TForm1 &form, MessageService &messages);

    // For the window's menu, in its order.
    QList<QAction *> actions() const;
    bool enregistre() const { return m_enregistrement.has_value(); }
    bool rejoue() const { return m_lecture.has_value(); }

    void EnregistrerDeroule();
    void NommerEtape();
    void TerminerDeroule();
    void RejouerDeroule();
    void RejouerEnReference();
    // Another system or lesson: what was recording or replaying stops, and
    // nothing of it is kept.
    void abandonne();

signals:
    // A replay reached the sequence's end.
    void rejoueJusquAuBout();

private:
    void topCapteur();
    void actionDeLUtilisateur(const EtapeDeroule &etape);
    void applique(const EtapeDeroule &etape);
    void rejoueDepuisLeDebut(bool enReference);
    // Ends the replay, saying `ligne` in the status bar; `etapeDeLEleve` is
    // the pupil's change that ended it, if one did.
    void termineLaLecture(const QString &ligne, const EtapeDeroule *etapeDeLEleve);
    void annonce(const EtapeDeroule &etape);
    void actualiseActions();

    TForm1 &m_form;
    MessageService &m_messages;
    QAction *m_enregistrer;
    QAction *m_nommer;
    QAction *m_terminer;
    QAction *m_rejouer;
    QAction *m_rejouerReference;
    // The sequence being recorded, the label its next step takes, and the
    // ticks counted since it (or the replay) started.
    std::optional<Deroule> m_enregistrement;
    QString m_libelleSuivant;
    int m_top = 0;
    // The replay under way, and the experiments to give back after a replay
    // on the intact loop.
    std::optional<LectureDeroule> m_lecture;
    std::optional<Experiences> m_experiencesARendre;
};
