// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editeursystemes.h"

#include "app/tform1.h"
#include "app/window_services/messageservice.h"
#include "systems/cataloguesystemes.h"
#include "systems/dialoguesysteme.h"

#include <QAction>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

QRect dansLaFenetre(const QWidget *element, const QWidget &fenetre)
{
    return QRect(element->mapTo(&fenetre, QPoint(0, 0)), element->size());
}

// The editor's advice for a name wider than its box on this computer: what
// it would do there.
QString raccourci(const QString &sinon)
{
    return u"plus large que sa case sur cet ordinateur : %1, il y sera raccourci."_s.arg(sinon);
}

} // namespace

EditeurSystemes::EditeurSystemes(TForm1 &form, RegistreSystemes &registre, MessageService &messages)
    : QObject(&form), m_form(form), m_registre(registre), m_messages(messages)
{
    // The list shows every system the registry has.
    connect(&registre, &RegistreSystemes::systemesChanges, this, &EditeurSystemes::remplitLaListe);
    const auto action = [this, &form](const QString &texte, void (EditeurSystemes::*faire)()) {
        auto *a = new QAction(texte, &form);
        connect(a, &QAction::triggered, this, faire);
        return a;
    };
    m_nouveau = action(u"Nouveau système…"_s, &EditeurSystemes::NouveauSysteme);
    m_modifier = action(u"Modifier le système…"_s, &EditeurSystemes::ModifierSysteme);
    m_supprimer = action(u"Supprimer le système"_s, &EditeurSystemes::SupprimerSysteme);
    connect(form.ComboBoxSysteme, &QComboBox::currentTextChanged, this,
            &EditeurSystemes::actualiseActions);
    actualiseActions();

    // The layout as stored, before any system renames the scheme: what a
    // name may not cover, and where each one stands.
    const std::tuple<const char *, QWidget *, QLabel *> cases[] = {
        {"TexteCapteur", form.PanelCapteur, form.LabelCapteur},
        {"TexteValeurReglee", form.PanelValeurReglee, form.LabelValeurReglee},
        {"TexteVoieSensitive", form.PanelVoieSensitive, form.LabelVoieSensitive},
        {"TexteCentreIntegrateur", form.PanelCentreIntegrateur, form.LabelCentreIntegrateur},
        {"TexteVoieStimulatrice", form.PanelVoieStimulatrice, form.LabelVoieStimulatrice},
        {"TexteVoieInhibitrice", form.PanelVoieInhibitrice, form.LabelVoieInhibitrice},
        {"TexteEffecteurStimulateur", form.PanelEffecteurStimulateur,
         form.LabelEffecteurStimulateur},
        {"TexteEffecteurInhibiteur", form.PanelEffecteurInhibiteur, form.LabelEffecteurInhibiteur},
        {"TexteUnites", form.LabelUnites, form.LabelUnites},
    };
    for (const auto &[champ, cadre, etiquette] : cases)
        m_cases.insert(QLatin1String(champ),
                       {dansLaFenetre(cadre, form), etiquette, cadre == etiquette ? 0 : 4});
    for (const QWidget *element : std::initializer_list<const QWidget *>{
             form.ImageCapteur, form.ImageCentreIntegrateur, form.ImageEffecteurStimulateur,
             form.ImageEffecteurInhibiteur, form.SpeedButtonEnregSensitif,
             form.SpeedButtonEnregStimulateur, form.SpeedButtonEnregInhibiteur,
             form.EditValeurReglee, form.EditValeurConsigne, form.ScrollBarValeurReglee,
             form.ScrollBarValeurConsigne})
        m_obstacles.append(dansLaFenetre(element, form));
    m_schema = dansLaFenetre(form.GroupBoxSystemeReglant, form).adjusted(2, 2, -2, -2);
}

EditeurSystemes::~EditeurSystemes() = default;

void EditeurSystemes::remplitLaListe()
{
    SortedComboBox *liste = m_form.ComboBoxSysteme;
    const QString texte = liste->currentText();
    for (const QString &nom : m_registre.nomsEnseignant()) {
        if (liste->findText(nom) < 0)
            liste->addItem(nom);
    }
    liste->setCurrentText(texte);
    actualiseActions();
}

PlaceTexte EditeurSystemes::place() const
{
    return [this](const QString &champ, const QString &texte) -> QString {
        if (champ == u"nom"_s) {
            // The list's text field: the list less its arrow, as its style draws it.
            const SortedComboBox *liste = m_form.ComboBoxSysteme;
            QStyleOptionComboBox option;
            option.initFrom(liste);
            option.editable = true;
            const int largeur = liste->style()
                                    ->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, liste)
                                    .width();
            if (liste->fontMetrics().horizontalAdvance(texte) > largeur)
                return u"plus large que la liste des systèmes sur cet ordinateur : il y sera raccourci."_s;
            return {};
        }
        if (!m_cases.contains(champ))
            return {};
        const CaseTexte boite = m_cases.value(champ);
        const QRect stockee = boite.stockee;
        const QLabel *etiquette = boite.etiquette;
        const QFontMetrics mesure(etiquette->font());
        const int marge = boite.marge;
        QRect occupe = stockee;
        if (etiquette->wordWrap())
            occupe.setHeight(mesure
                                 .boundingRect(QRect(0, 0, etiquette->width(), 0),
                                               Qt::TextWordWrap | etiquette->alignment(), texte)
                                 .height() +
                             marge);
        else
            occupe.setWidth(mesure.horizontalAdvance(texte) + marge);
        const QRect cadre = m_schema.contains(stockee.topLeft()) ? m_schema : m_form.rect();
        if (!cadre.contains(occupe) && cadre.contains(stockee))
            return raccourci(u"il sortirait du schéma"_s);
        // Only what the name adds to its stored box counts: the stored layout
        // already lets some boxes touch their neighbours.
        const QRect ajout = occupe.width() > stockee.width()
                                ? QRect(stockee.right() + 1, occupe.top(),
                                        occupe.width() - stockee.width(), occupe.height())
                            : occupe.height() > stockee.height()
                                ? QRect(occupe.left(), stockee.bottom() + 1, occupe.width(),
                                        occupe.height() - stockee.height())
                                : QRect();
        if (ajout.isEmpty())
            return {};
        for (const QRect &obstacle : m_obstacles) {
            if (obstacle.intersects(ajout))
                return raccourci(u"il couvrirait un autre élément du schéma"_s);
        }
        for (auto it = m_cases.cbegin(); it != m_cases.cend(); ++it) {
            if (it.key() != champ && it.value().stockee.intersects(ajout))
                return raccourci(u"il couvrirait un autre nom du schéma"_s);
        }
        return {};
    };
}

bool EditeurSystemes::tient(const QString &champ, const QString &texte) const
{
    return place()(champ, texte).isEmpty();
}

QList<QAction *> EditeurSystemes::actions() const
{
    return {m_nouveau, m_modifier, m_supprimer};
}

void EditeurSystemes::actualiseActions()
{
    const bool enseignant = m_registre.estDeLEnseignant(m_form.ComboBoxSysteme->currentText());
    m_modifier->setEnabled(enseignant);
    m_supprimer->setEnabled(enseignant);
}

void EditeurSystemes::NouveauSysteme()
{
    const ConfigurationSysteme *depart = m_registre.systeme(m_form.ComboBoxSysteme->currentText());
    edite(QString(), depart ? *depart : CatalogueSystemes[0].configuration, QString());
}

void EditeurSystemes::ModifierSysteme()
{
    const QString nom = m_form.ComboBoxSysteme->currentText();
    if (const ConfigurationSysteme *s =
            m_registre.estDeLEnseignant(nom) ? m_registre.systeme(nom) : nullptr)
        edite(nom, *s, nom);
}

void EditeurSystemes::edite(const QString &nom, const ConfigurationSysteme &depart,
                            const QString &ancien)
{
    // The mechanism waits while the teacher writes, as it does for a question.
    const bool enMarche = m_form.etat().MecanismeEnMarche;
    m_form.SuspendreMecanisme();
    QStringList modeles;
    for (int i = 0; i < m_form.ComboBoxSysteme->count(); ++i)
        modeles << m_form.ComboBoxSysteme->itemText(i);
    DialogueSysteme dialogue(
        modeles, [this](const QString &n) { return m_registre.systeme(n); }, place(), &m_form);
    dialogue.permetLeNom(ancien);
    dialogue.partDe(nom, depart, m_form.ComboBoxSysteme->currentText());
    m_dialogue = &dialogue;
    const bool accepte = dialogue.exec() == QDialog::Accepted;
    m_dialogue = nullptr;
    if (accepte) {
        const SystemeEnseignant nouveau = dialogue.systeme();
        if (!ancien.isEmpty() && ancien != nouveau.nom) {
            m_registre.supprime(ancien);
            m_form.ComboBoxSysteme->removeItem(m_form.ComboBoxSysteme->findText(ancien));
        }
        // Only the count can keep it out now: the editor held it to the rules.
        if (const QList<DefautSysteme> defauts = m_registre.adopte(nouveau); !defauts.isEmpty()) {
            m_messages.ask(&m_form, MessageKind::Avertissement,
                           u"Impossible de garder le système « %1 » : %2"_s.arg(nouveau.nom,
                                                                                defauts[0].raison),
                           MessageButtons::Ok);
        } else {
            m_form.ComboBoxSysteme->setCurrentText(nouveau.nom);
            m_form.ComboBoxSystemeChange();
        }
    }
    if (enMarche)
        m_form.ReprendreMecanisme();
}

void EditeurSystemes::SupprimerSysteme()
{
    const QString nom = m_form.ComboBoxSysteme->currentText();
    if (!m_registre.estDeLEnseignant(nom) ||
        m_messages.ask(&m_form, MessageKind::Confirmation,
                       u"Supprimer le système « %1 » ?"_s.arg(nom),
                       MessageButtons::OuiNon) != MessageAnswer::Oui)
        return;
    m_registre.supprime(nom);
    m_form.ComboBoxSysteme->removeItem(m_form.ComboBoxSysteme->findText(nom));
    m_form.ComboBoxSysteme->setCurrentText(CatalogueSystemes[0].nom);
    m_form.ComboBoxSystemeChange();
}
