// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/situationcourante.h"
#include "mechanism/etatmecanisme.h"
#include "mechanism/experiences.h"
#include "recordings/courbe.h"
#include "recordings/releve.h"
#include "ui_tform1.h"

#include <QMap>
#include <QWidget>

#include <array>
#include <memory>

class AxesCourbe;
class Beeper;
class ExperienceLayer;
class QAction;
class QMenu;
class IntervalTimer;
class MessageService;
class Marker;
class MarkerLayer;
class RegistreSystemes;
class Memo;
class EditeurSystemes;
class Fichiers;
class Seances;
class Deroules;
struct BandeNommee;
struct ConfigurationSysteme;

// The single window of the program. Its elements come from the form
// (tform1.ui); the behaviour lives in the handlers below, each defined beside
// its subsystem (mechanism/, recordings/, systems/, guidance/).
class TForm1 : public QWidget, public Ui_TForm1
{

    Q_OBJECT

public:
    TForm1(MessageService &messages, Beeper &beeper, QWidget *parent = nullptr);
    ~TForm1() override;

    EtatMecanisme &etat() { return m_etat; }
    // The situation on screen, as our features read it.
    const SituationCourante &situation() const { return m_situation; }
    // For the lessons, which show a situation again and write it here and on
    // the scheme together.
    SituationCourante &situation() { return m_situation; }
    const EtatMecanisme &etat() const { return m_etat; }

    // The five timers of the window (no screen presence).
    IntervalTimer *TimerCapteur;
    IntervalTimer *TimerPerturbation;
    IntervalTimer *TimerVoieSensitive;
    IntervalTimer *TimerVoieInhibitrice;
    IntervalTimer *TimerVoieStimulatrice;

    // Start-up.
    void FormCreate();

    // Mechanism state and controls.
    void ReprendreMecanisme();
    void SuspendreMecanisme();
    void ButtonMarcheClick();
    void ScrollBarValeurRegleeChange();
    void ScrollBarValeurConsigneChange();
    void EditValeurRegleeChange();
    void EditValeurConsigneChange();
    void TimerPerturbationTimer();
    void TrackBarVitesseChange();
    // Both values exactly as given, set together, then read once by the loop.
    void placeValeurs(int reglee, int consigne);
    // Each hormonal trace where the system starts it.
    void placeTraces();

    // Sensor tick and message markers.
    void TimerCapteurTimer();
    // One step of each pathway whose message travels, in the loop's order.
    // While a sequence replays, the sensor's tick drives them so (one instant
    // after the other, each message moving one standard step): the same
    // sequence then gives the same rows at any speed, on any machine.
    void AvanceLesVoies();
    void meneLesInstants(bool menes);
    bool instantsMenes() const { return m_instantsMenes; }
    void TimerVoieSensitiveTimer();
    void TimerVoieStimulatriceTimer();
    void TimerVoieInhibitriceTimer();

    // Recording strips.
    void InitialiseEnregistrements();
    void DessineCadre(ImageControl *enregistrement);
    bool EnregistreColonne();
    void SpeedButtonEnregSensitifClick();
    void SpeedButtonEnregStimulateurClick();
    void SpeedButtonEnregInhibiteurClick();
    void SpeedButtonEnregClick();

    // The recordings leave the window: for the pupil's report (context menu
    // of the strips and the curve, and shortcuts anywhere in the window).
    void EnregistrerImage();
    void EnregistrerValeurs();
    void Imprimer();
    // The recordings as exported: the strips' box and the curve's when shown,
    // under a caption line.
    QImage imageEnregistrements() const;
    QString legendeEnregistrements() const;
    // The curve kept as a reference: its value at each column.
    void GarderReference();
    void EffacerReference();
    QAction *actionGarderReference() const { return m_garderReference; }
    // The steps of a sequence just applied: the next row names them, and the
    // curve marks them at its column.
    void annonceEtape(const QString &nom);

    // Experiments on the loop: set and undone by the pupil.
    void ChangeExperience(Experience experience, bool active);
    // Each experiment set or undone as these say.
    void ChangeExperiences(const Experiences &experiences);
    QAction *actionExperience(Experience experience) const;
    void RetablirTout();
    QAction *actionRetablirTout() const { return m_retablirTout; }

    // Regulation systems.
    void ComboBoxSystemeChange();
    void AppliqueConfiguration(const ConfigurationSysteme &configuration);

    // Contextual help.
    void AfficheLeMemo(Memo *memo);
    void SpeedButtonAideClick();

    // Pointer movement over the elements (help notes in help mode).
    void ImageCapteurMouseMove();
    void LabelCapteurMouseMove();
    void ImageVoieSensitiveMouseMove();
    void LabelVoieSensitiveMouseMove();
    void ImageCentreIntegrateurMouseMove();
    void LabelCentreIntegrateurMouseMove();
    void ImageVoieStimulatriceMouseMove();
    void LabelVoieStimulatriceMouseMove();
    void ImageVoieInhibitriceMouseMove();
    void ImageEffecteurStimulateurMouseMove();
    void LabelEffecteurStimulateurMouseMove();
    void ImageEffecteurInhibiteurMouseMove();
    void LabelEffecteurInhibiteurMouseMove();
    void EditValeurRegleeMouseMove();
    void LabelValeurRegleeMouseMove();
    void EditValeurConsigneMouseMove();
    void LabelValeurConsigneMouseMove();
    void ButtonMarcheMouseMove();
    void SpeedButtonSonMouseMove();
    void ButtonAProposDeMouseMove();
    void ButtonQuitterMouseMove();
    void SpeedButtonEnregMouseMove();
    void SpeedButtonEnregSensitifMouseMove();
    void SpeedButtonEnregStimulateurMouseMove();
    void SpeedButtonEnregInhibiteurMouseMove();
    void FormMouseMove();
    void GroupBoxSystemeReglantMouseMove();

    // About panel and quit.
    void ButtonAProposDeClick();
    void ButtonFermerAProposDeClick();
    void ButtonQuitterClick();

    // The exports' and the reference's actions follow the rows recorded.
    void actualiseExport();
    // The curve drawn again from the recorded rows, over its grid and reference.
    void redessineCourbe();
    // The files the pupil saves and opens, and their warnings.
    Fichiers &fichiers() { return *m_fichiers; }
    Seances *seances() const { return m_seances; }
    Deroules &deroules() const { return *m_deroules; }
    // Every system the list may name.
    RegistreSystemes &registre() const { return *m_registre; }

signals:
    // A system picked from the list is on the scheme.
    void systemeChoisi();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    MessageService &messages() { return m_messages; }
    // Where a cut pathway is cut: the middle of its messages' crossing.
    QPoint pointDeCoupure(Experience coupure) const;
    // All five, the perturbation timer first.
    std::array<IntervalTimer *, 5> Minuteries() const
    {
        return {TimerPerturbation, TimerCapteur, TimerVoieSensitive, TimerVoieStimulatrice,
                TimerVoieInhibitrice};
    }
    // The window's own parts of the loop, run by its handlers.
    // A motor message reaches its effector (sens +1 stimulating, -1 inhibiting).
    void ActionEffecteur(ImageControl *effecteur, int sens);
    // The centre sends a motor message after what it reads.
    void EnvoieMessageMoteur();
    // True when the list names the system that has no inhibiting effector.
    bool SystemeSansEffecteurInhibiteur() const;
    // Paints the sensor in a class colour with its black top row and left column.
    void PeintCapteur(const QColor &couleur);
    void NommeSelonEtiquettes();
    void setUpAccessibility();
    // The curve's toggle, and the pointer over the curve and the strips.
    void SpeedButtonCourbeClick();
    void SpeedButtonCourbeMouseMove();
    void EnregistrementsMouseMove();
    void CopierImage();

    void connectHandlers();
    void connectHoverHandlers();
    void showEffectors();
    void setUpExport();
    void setUpExperiences();
    void setUpMenus();
    void setUpCourbe();
    void actualiseFondCourbe();
    int dessineColonneCourbe(int position, int valeurReglee, int valeurConsigne, int precedente);
    void actualiseReference();
    void actualiseEtapesCourbe();
    void noteChangementDeVitesse();
    void actualiseExperiences();
    bool arreteALaCoupure(Experience coupure, std::unique_ptr<Marker> &influx,
                          IntervalTimer *minuterie);
    QMenu *menuElement(const QWidget *element);
    QAction *experienceDeLElement(const QWidget *element) const;
    QList<QWidget *> cadresEnregistrements() const;
    QList<BandeNommee> bandesNommees() const;

    MessageService &m_messages;
    Beeper &m_beeper;
    RegistreSystemes *m_registre;
    MarkerLayer *m_calqueMessages = nullptr;
    EtatMecanisme m_etat;
    QList<QAction *> m_actionsExport;
    QMenu *m_menuEnregistrements = nullptr;
    SituationCourante m_situation;
    QMenu *m_menuExperiences = nullptr;
    std::array<QAction *, toutesExperiences.size()> m_actionsExperiences{};
    QAction *m_retablirTout = nullptr;
    ExperienceLayer *m_calqueExperiences = nullptr;
    // The experiments in force in words, joined, as each recorded column
    // carries them (kept here: the tick should not build them again).
    QString m_motsExperiences;
    FondCourbe m_fondCourbe;
    AxesCourbe *m_axesCourbe = nullptr;
    QMenu *m_menuCourbe = nullptr;
    QAction *m_garderReference = nullptr;
    QAction *m_effacerReference = nullptr;
    std::unique_ptr<Fichiers> m_fichiers;
    Seances *m_seances = nullptr;
    Deroules *m_deroules = nullptr;
    bool m_instantsMenes = false;
    // The steps announced for the next row.
    QString m_etapesAnnoncees;
    EditeurSystemes *m_editeurSystemes = nullptr;
    QMenu *m_menuFenetre = nullptr;
};
