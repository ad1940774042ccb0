// SPDX-License-Identifier: GPL-3.0-or-later
#include "guidance/textesaide.h"

#include "app/tform1.h"
#include "app/window_services/memo.h"

#include <QTextDocument>
#include <QTextOption>

#include <initializer_list>

namespace {

struct TexteAide
{
    Memo *Ui_TForm1::*memo;
    std::initializer_list<const char *> lignes;
};

// The notes, line by line; the blanks at either end of a line are part of it.
const TexteAide textesAide[] = {
    {&Ui_TForm1::MemoSpeedButtonAide,
     {"Lorsque ce bouton est enfoncé le curseur de la souris indique",
      "par un point d'interrogation les objets sur lesquels vous pouvez",
      "cliquer pour obtenir des informations. "}},
    {&Ui_TForm1::MemoAideCapteur,
     {" Le capteur est sensible aux variations de la valeur réglée.",
      "Lors d'une variation, il émet un message sensitif.", "(Cliquer pour fermer)"}},
    {&Ui_TForm1::MemoAideVoieSensitive,
     {" La liaison sensitive est le support de propagation du message sensitif ",
      "du capteur jusqu'au centre intégrateur. "}},
    {&Ui_TForm1::MemoAideCentreIntegrateur,
     {"Le centre intégrateur émet, selon les messages sensitifs qu'il reçoit,",
      "soit un message stimulateur, soit un message inhibiteur."}},
    {&Ui_TForm1::MemoAideVoieStimulatrice,
     {" La voie stimulatrice est le support de la transmission du message stimulateur",
      "du centre intégrateur jusqu'à l'effecteur stimulateur. "}},
    {&Ui_TForm1::MemoAideVoieInhibitrice,
     {"La voie inhibitrice est le support de la transmission du message inhibiteur",
      "du centre intégrateur jusqu'à l'effecteur inhibiteur. "}},
    {&Ui_TForm1::MemoAideEffecteur,
     {" Les effecteurs interviennent directement  ", "ou indirectement sur la valeur réglée soit",
      "en l'augmentant soit en la diminuant."}},
    {&Ui_TForm1::MemoAideValeurReglee,
     {"Pour un paramètre donné, la valeur réglée doit ", "être maintenue à la valeur consigne.  ",
      "Vous pouvez simuler une perturbation en faisant ", "glisser le curseur correspondant."}},
    {&Ui_TForm1::MemoAideStaticTextValeurConsigne,
     {"La valeur consigne est la valeur à laquelle un paramètre doit être maintenu.",
      "Le système de régulation permet de ramener la valeur réglée à la valeur ",
      "consigne à la suite d'une perturbation. "}},
    {&Ui_TForm1::MemoAIdeLAbelPerturbation,
     {"Une perturbation est un évènement ", "qui modifie la valeur réglée.",
      "Pour simuler une perturbation utiliser ", "le curseur ou la zone d'édition."}},
    {&Ui_TForm1::MemoAideButtonMarche, {"Permet de déclencher ou d'arrêter le mécanisme."}},
    {&Ui_TForm1::MemoAIdeSpeedButtonSOn, {"Cliquer sur ce bouton pour mettre ou enlever le son."}},
    {&Ui_TForm1::MemoAideTrackBarVitesse,
     {"Déplacer le curseur pour modifier", "la vitesse de l'animation."}},
    {&Ui_TForm1::MemoAideAProposDe,
     {"Ce bouton permet d'obtenir ", "le coordonnées de l'auteur", "de cette application."}},
    {&Ui_TForm1::MemoAideButtonQuitter, {"Ce bouton permet de quitter l'application."}},
    {&Ui_TForm1::MemoAideEnreg, {"Permet de réinitialiser les enregistrements."}},
    {&Ui_TForm1::MemoAideEnregSensitif, {"Affiche l'enregistrement des messages sensitifs."}},
    {&Ui_TForm1::MemoAideEnregStimulateur, {"Affiche l'enregistrement des messages stimulateurs."}},
    {&Ui_TForm1::MemoAideEnregInhibiteur, {"Affiche l'enregistrement des messages inhibiteurs."}},
    {&Ui_TForm1::MemoAideCourbe,
     {"Affiche au cours du temps la valeur réglée (trait bleu-vert)",
      "et la valeur consigne (trait vert olive)."}},
    {&Ui_TForm1::MemoAideExperiences,
     {"Ctrl+E ou clic droit sur un élément du schéma : le détruire,",
      "sectionner une voie ou rendre un effecteur insensible,",
      "puis observer la régulation. Rétablir tout pour réparer.",
      "Un nerf sensitif envoie sans cesse des messages : s'il se tait,",
      "le centre croit la valeur très basse et la fait monter."}},
#ifdef Q_OS_WASM
    // A web page prints with the browser's own command.
    {&Ui_TForm1::MemoAideExport,
     {"Clic droit sur les enregistrements pour les copier ou",
      "les enregistrer ; le navigateur imprime la page.",
      "Clic droit ailleurs\u00a0: séances et déroulés (Ctrl+J rejoue)."}},
#else
    {&Ui_TForm1::MemoAideExport,
     {"Clic droit sur les enregistrements pour les copier,",
      "les enregistrer (image ou valeurs) ou les imprimer.",
      "Clic droit ailleurs\u00a0: séances et déroulés (Ctrl+J rejoue)."}},
#endif
};

} // namespace

void remplitTextesAide(TForm1 &form)
{
    for (const TexteAide &texte : textesAide) {
        QStringList lignes;
        for (const char *ligne : texte.lignes)
            lignes << QString::fromUtf8(ligne);
        (form.*texte.memo)->setLines(lignes);
    }

    // The About panel's lines are centred; a plain text box has no alignment
    // of its own, its document carries it.
    QTextDocument *apropos = form.MemoAProposDe->document();
    QTextOption centre = apropos->defaultTextOption();
    centre.setAlignment(Qt::AlignHCenter);
    apropos->setDefaultTextOption(centre);
}
