// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file, version 2 (version 1 has no "deroule"). One JSON object:
//
//   "format"            "systemes-regulation/seance" (required)
//   "version"           1 or 2 (required; a larger one is refused: a newer program wrote it)
//   "systeme"           a name of the list, exactly, or of the teacher's system (required;
//                       one line, at most 200 characters)
//   "systemeEnseignant" a teacher's own system, described whole: an object of
//                       ConfigurationSysteme's fields by their names (see
//                       systems/descriptionsysteme.h), checked by the editor's rules
//   "valeurConsigne"    number within the system's range, in its unit, with at
//                       most its decimals (an integer for the list's systems)
//   "valeurReglee"      the same
//   "vitesse"           integer 0 to 10, the speed slider's position
//   "son"               true or false
//   "experiences"       array of "capteur-detruit", "voie-sensitive-coupee",
//                       "centre-detruit", "voie-stimulatrice-coupee",
//                       "voie-inhibitrice-coupee", "effecteur-stimulateur-insensible",
//                       "effecteur-inhibiteur-insensible" (each one the system has)
//   "consignesActivite" the teacher's instructions, text
//   "enregistrements"   object:
//       "affiches"        object of true/false: "voieSensitive", "voieStimulatrice",
//                         "voieInhibitrice", "courbe" (the recording toggles down)
//       "colonne"         integer 0 to the strips' width, the drawing column
//       "vitesseModifiee" true when the speed changed during the recording
//       "valeurs"         array of rows [colonne, valeur réglée, valeur consigne (numbers
//                         as "valeurReglee"),
//                         classe d'écart -5..5, voie sensitive, voie stimulatrice,
//                         voie inhibitrice (0 or 1 nervous, 0..100 hormonal),
//                         perturbation -1..1, experiences in words, and in version 2
//                         optionally the sequence's steps applied before it, named],
//                         columns rising from 1 to "colonne"
//       "bandes"          object of PNG images in base64, each the strips' size:
//                         "voieSensitive", "voieStimulatrice", "voieInhibitrice",
//                         "perturbation" (its own height), "courbe" (the curve's surface)
//       "niveaux"         the three hormonal traces' rows [sensitive, stimulatrice,
//                         inhibitrice], within a strip
//   "reference"         object: "situation" (text) and "valeurs", an array of
//                       [colonne, valeur] pairs (valeur as "valeurReglee")
//   "deroule"           the sequence to replay (version 2): "valeurReglee" and
//                       "valeurConsigne" it starts from, and "etapes", at most 200
//                       objects in the order they were made: "top" (sensor ticks
//                       from the start, 0 to the strips' width, never decreasing),
//                       "action" ("valeurReglee", "valeurConsigne" with "valeur";
//                       "experience" with "experience" and "active"; "retablirTout";
//                       "garderReference") and an optional "libelle" (one line, at
//                       most 40 characters); "fin", the tick it ends at (from the
//                       last step's to the strips' width)
//
// Unknown fields are ignored, so that this program reads what a newer one
// adds; a missing optional field takes its start-up value. Nothing read is
// trusted before it is checked: every count, length and number is bounded.
#include "lessons/fichierseance.h"

#include "lessons/situationcourante.h"
#include "systems/cataloguesystemes.h"
#include "systems/descriptionsysteme.h"
#include "systems/valeursysteme.h"

#include <QBuffer>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace {

const QString formatSeance = QStringLiteral("systemes-regulation/seance");
// Version 2 added the sequence; a lesson without one is still written as
// version 1, which earlier programs read.
constexpr int versionSeance = 2;
// Values typed beyond the bars' range reach the rows: any number a person
// types fits, a corrupted one does not.
constexpr int valeurExtreme = 1'000'000'000;
constexpr qsizetype longueurMaxTexte = 100'000;

const std::array<std::pair<Experience, const char *>, 7> nomsExperiences{{
    {Experience::CapteurDetruit, "capteur-detruit"},
    {Experience::VoieSensitiveCoupee, "voie-sensitive-coupee"},
    {Experience::CentreDetruit, "centre-detruit"},
    {Experience::VoieStimulatriceCoupee, "voie-stimulatrice-coupee"},
    {Experience::VoieInhibitriceCoupee, "voie-inhibitrice-coupee"},
    {Experience::EffecteurStimulateurInsensible, "effecteur-stimulateur-insensible"},
    {Experience::EffecteurInhibiteurInsensible, "effecteur-inhibiteur-insensible"},
}};
const std::array<const char *, 4> nomsAffiches{"voieSensitive", "voieStimulatrice",
                                               "voieInhibitrice", "courbe"};
const std::array<const char *, 5> nomsBandes{"voieSensitive", "voieStimulatrice", "voieInhibitrice",
                                             "perturbation", "courbe"};

QString enPng(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return QString::fromLatin1(octets.toBase64());
}

// Reads and checks, keeping the first fault found.
class Lecteur
{
public:
    QString erreur;

    bool echoue(const QString &champ, const QString &pourquoi)
    {
        if (erreur.isEmpty())
            erreur = QStringLiteral("« %1 » %2").arg(champ, pourquoi);
        return false;
    }

    bool entier(const QJsonValue &v, const QString &champ, int minimum, int maximum, int &sortie)
    {
        if (!v.isDouble())
            return echoue(champ, QStringLiteral("devrait être un nombre entier."));
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::floor(d))
            return echoue(champ, QStringLiteral("devrait être un nombre entier."));
        if (d < minimum || d > maximum)
            return echoue(champ, QStringLiteral("vaut %1, hors de l'intervalle %2 à %3.")
                                     .arg(d, 0, 'g', 12)
                                     .arg(minimum)
                                     .arg(maximum));
        sortie = int(d);
        return true;
    }

    // The system's decimals, once it is known: its values are read with them.
    int decimales = 0;

    // A value of the system, in its unit; kept as a whole number of its steps.
    bool valeur(const QJsonValue &v, const QString &champ, int minimum, int maximum, int &sortie)
    {
        if (decimales == 0)
            return entier(v, champ, minimum, maximum, sortie);
        const std::optional<int> pas =
            v.isDouble() ? valeurDuNombre(v.toDouble(), decimales) : std::nullopt;
        if (!pas)
            return echoue(champ, nombreAttendu(decimales));
        if (*pas < minimum || *pas > maximum)
            return echoue(champ,
                          QStringLiteral("vaut %1, hors de l'intervalle %2 à %3.")
                              .arg(texteValeur(*pas, decimales), texteValeur(minimum, decimales),
                                   texteValeur(maximum, decimales)));
        sortie = *pas;
        return true;
    }

    // A field that may be missing, read by `lis` (entier or valeur) when there.
    bool facultatif(bool (Lecteur::*lis)(const QJsonValue &, const QString &, int, int, int &),
                    const QJsonObject &o, const QString &cle, int minimum, int maximum,
                    std::optional<int> &sortie)
    {
        if (!o.contains(cle))
            return true;
        int lu = 0;
        if (!(this->*lis)(o.value(cle), cle, minimum, maximum, lu))
            return false;
        sortie = lu;
        return true;
    }

    bool nombre(const QJsonValue &v, const QString &champ, double minimum, double maximum,
                double &sortie)
    {
        // Anything but a number reads as NaN.
        const double d = v.toDouble(std::nan(""));
        if (!std::isfinite(d) || d < minimum || d > maximum)
            return echoue(
                champ,
                QStringLiteral("devrait être un nombre de %1 à %2.").arg(minimum).arg(maximum));
        sortie = d;
        return true;
    }

    bool booleen(const QJsonValue &v, const QString &champ, bool &sortie)
    {
        if (!v.isBool())
            return echoue(champ, QStringLiteral("devrait valoir true ou false."));
        sortie = v.toBool();
        return true;
    }

    bool texte(const QJsonValue &v, const QString &champ, QString &sortie)
    {
        if (!v.isString())
            return echoue(champ, QStringLiteral("devrait être un texte."));
        if (v.toString().size() > longueurMaxTexte)
            return echoue(champ, QStringLiteral("est un texte trop long."));
        sortie = v.toString();
        return true;
    }

    bool objet(const QJsonValue &v, const QString &champ, QJsonObject &sortie)
    {
        if (!v.isObject())
            return echoue(champ, QStringLiteral("devrait être un objet { … }."));
        sortie = v.toObject();
        return true;
    }

    bool tableau(const QJsonValue &v, const QString &champ, qsizetype longueurMax,
                 QJsonArray &sortie)
    {
        if (!v.isArray())
            return echoue(champ, QStringLiteral("devrait être une liste [ … ]."));
        if (v.toArray().size() > longueurMax)
            return echoue(champ, QStringLiteral("a %1 éléments, plus que les %2 possibles.")
                                     .arg(v.toArray().size())
                                     .arg(longueurMax));
        sortie = v.toArray();
        return true;
    }

    bool enregistrements(const QJsonObject &o, const GabaritSeance &gabarit, Situation &s);
    bool ligne(const QJsonValue &v, const QString &champ, int precedente, int derniere,
               LigneReleve &l);
    bool reference(const QJsonObject &o, const GabaritSeance &gabarit, Situation &s);
    bool deroule(const QJsonObject &o, const GabaritSeance &gabarit,
                 const ConfigurationSysteme &systeme, Deroule &d);
    bool etape(const QJsonValue &v, const QString &champ, const ConfigurationSysteme &systeme,
               EtapeDeroule &e);
};

// Each action of a sequence's step, as a file names it.
const std::array<std::pair<EtapeDeroule::Action, const char *>, 5> nomsActions{{
    {EtapeDeroule::Action::ValeurReglee, "valeurReglee"},
    {EtapeDeroule::Action::ValeurConsigne, "valeurConsigne"},
    {EtapeDeroule::Action::Experience, "experience"},
    {EtapeDeroule::Action::RetablirTout, "retablirTout"},
    {EtapeDeroule::Action::GarderReference, "garderReference"},
}};

bool Lecteur::etape(const QJsonValue &v, const QString &champ, const ConfigurationSysteme &systeme,
                    EtapeDeroule &e)
{
    QJsonObject o;
    QString action;
    if (!objet(v, champ, o) ||
        !entier(o.value(QLatin1String("top")), champ + QStringLiteral(".top"), 0, valeurExtreme,
                e.top) ||
        !texte(o.value(QLatin1String("action")), champ + QStringLiteral(".action"), action))
        return false;
    const auto connue =
        std::find_if(nomsActions.cbegin(), nomsActions.cend(),
                     [&action](const auto &a) { return action == QLatin1String(a.second); });
    if (connue == nomsActions.cend())
        return echoue(champ + QStringLiteral(".action"),
                      QStringLiteral("« %1 » n'est pas une action connue.").arg(citation(action)));
    e.action = connue->first;
    if (o.contains(QLatin1String("libelle")) &&
        !texte(o.value(QLatin1String("libelle")), champ + QStringLiteral(".libelle"), e.libelle))
        return false;
    switch (e.action) {
    case EtapeDeroule::Action::ValeurReglee:
    case EtapeDeroule::Action::ValeurConsigne:
        return valeur(o.value(QLatin1String("valeur")), champ + QStringLiteral(".valeur"),
                      -valeurExtreme, valeurExtreme, e.valeur);
    case EtapeDeroule::Action::Experience: {
        QString nom;
        bool active = false;
        if (!texte(o.value(QLatin1String("experience")), champ + QStringLiteral(".experience"),
                   nom) ||
            !booleen(o.value(QLatin1String("active")), champ + QStringLiteral(".active"), active))
            return false;
        const auto trouvee =
            std::find_if(nomsExperiences.cbegin(), nomsExperiences.cend(),
                         [&nom](const auto &x) { return nom == QLatin1String(x.second); });
        if (trouvee == nomsExperiences.cend() ||
            !SituationCourante::aElement(systeme, trouvee->first))
            return echoue(
                champ + QStringLiteral(".experience"),
                QStringLiteral("« %1 » n'est pas une expérience possible dans ce système.")
                    .arg(citation(nom)));
        e.experience = trouvee->first;
        e.valeur = active ? 1 : 0;
        return true;
    }
    case EtapeDeroule::Action::RetablirTout:
    case EtapeDeroule::Action::GarderReference:
        return true;
    }
    return true;
}

bool Lecteur::deroule(const QJsonObject &o, const GabaritSeance &gabarit,
                      const ConfigurationSysteme &systeme, Deroule &d)
{
    const int minimum = systeme.ValeurMin;
    const int maximum = systeme.ValeurMax;
    const int largeur = gabarit.bande.width();
    QJsonArray etapes;
    if (!valeur(o.value(QLatin1String("valeurReglee")), QStringLiteral("deroule.valeurReglee"),
                minimum, maximum, d.valeurReglee) ||
        !valeur(o.value(QLatin1String("valeurConsigne")), QStringLiteral("deroule.valeurConsigne"),
                minimum, maximum, d.valeurConsigne) ||
        !tableau(o.value(QLatin1String("etapes")), QStringLiteral("deroule.etapes"),
                 etapesDerouleMax, etapes))
        return false;
    for (qsizetype i = 0; i < etapes.size(); ++i) {
        const QString champ = QStringLiteral("deroule.etapes[%1]").arg(i);
        EtapeDeroule e;
        if (!etape(etapes[i], champ, systeme, e))
            return false;
        if (const auto defaut = defautEtape(e, d.etapes.isEmpty() ? nullptr : &d.etapes.last(),
                                            largeur, minimum, maximum))
            return echoue(champ + QLatin1Char('.') + defaut->champ, defaut->raison);
        d.etapes << e;
    }
    if (!entier(o.value(QLatin1String("fin")), QStringLiteral("deroule.fin"), 0, largeur, d.fin))
        return false;
    if (!d.etapes.isEmpty() && d.fin < d.etapes.last().top)
        return echoue(QStringLiteral("deroule.fin"),
                      QStringLiteral("précède le top de la dernière étape."));
    return true;
}

bool Lecteur::ligne(const QJsonValue &v, const QString &champ, int precedente, int derniere,
                    LigneReleve &l)
{
    QJsonArray a;
    if (!tableau(v, champ, 10, a))
        return false;
    if (a.size() < 9)
        return echoue(champ, QStringLiteral("devrait avoir 9 ou 10 éléments."));
    if (!entier(a[0], champ + QStringLiteral("[0]"), precedente + 1, derniere, l.colonne) ||
        !valeur(a[1], champ + QStringLiteral("[1]"), -valeurExtreme, valeurExtreme,
                l.valeurReglee) ||
        !valeur(a[2], champ + QStringLiteral("[2]"), -valeurExtreme, valeurExtreme,
                l.valeurConsigne) ||
        !entier(a[3], champ + QStringLiteral("[3]"), -5, 5, l.classeEcart))
        return false;
    for (int voie = 0; voie < 3; ++voie) {
        if (!nombre(a[4 + voie], champ + QStringLiteral("[%1]").arg(4 + voie), 0, 100,
                    l.voies[std::size_t(voie)]))
            return false;
    }
    return entier(a[7], champ + QStringLiteral("[7]"), -1, 1, l.perturbation) &&
           texte(a[8], champ + QStringLiteral("[8]"), l.experiences) &&
           (a.size() < 10 || texte(a[9], champ + QStringLiteral("[9]"), l.etape));
}

bool Lecteur::enregistrements(const QJsonObject &o, const GabaritSeance &gabarit, Situation &s)
{
    const int largeur = gabarit.bande.width();
    if (o.contains(QLatin1String("affiches"))) {
        QJsonObject affiches;
        if (!objet(o.value(QLatin1String("affiches")), QStringLiteral("affiches"), affiches))
            return false;
        for (std::size_t i = 0; i < nomsAffiches.size(); ++i) {
            const QString cle = QLatin1String(nomsAffiches[i]);
            if (affiches.contains(cle) &&
                !booleen(affiches.value(cle), cle, s.enregistrementsAffiches[i]))
                return false;
        }
    }
    if (o.contains(QLatin1String("colonne")) &&
        !entier(o.value(QLatin1String("colonne")), QStringLiteral("colonne"), 0, largeur,
                s.colonne))
        return false;
    if (o.contains(QLatin1String("vitesseModifiee")) &&
        !booleen(o.value(QLatin1String("vitesseModifiee")), QStringLiteral("vitesseModifiee"),
                 s.vitesseModifiee))
        return false;
    if (o.contains(QLatin1String("valeurs"))) {
        QJsonArray valeurs;
        if (!tableau(o.value(QLatin1String("valeurs")), QStringLiteral("valeurs"), largeur,
                     valeurs))
            return false;
        int precedente = 0;
        for (qsizetype i = 0; i < valeurs.size(); ++i) {
            LigneReleve l;
            if (!ligne(valeurs[i], QStringLiteral("valeurs[%1]").arg(i), precedente, s.colonne, l))
                return false;
            precedente = l.colonne;
            s.releve << l;
        }
    }
    if (o.contains(QLatin1String("bandes"))) {
        QJsonObject bandes;
        if (!objet(o.value(QLatin1String("bandes")), QStringLiteral("bandes"), bandes))
            return false;
        for (std::size_t i = 0; i < nomsBandes.size(); ++i) {
            const QString cle = QLatin1String(nomsBandes[i]);
            if (!bandes.contains(cle))
                continue;
            QString base64;
            if (!texte(bandes.value(cle), cle, base64))
                return false;
            QByteArray octets = QByteArray::fromBase64(base64.toLatin1());
            QBuffer tampon(&octets);
            QImageReader lecteur(&tampon, "PNG");
            const QSize taille = i == 3   ? gabarit.perturbation
                                 : i == 4 ? gabarit.courbe
                                          : gabarit.bande;
            // The size the image declares, read from its header: a small file
            // may declare a huge image, which is never decoded.
            const QSize declaree = lecteur.size();
            if (!declaree.isValid())
                return echoue(cle, QStringLiteral("n'est pas une image PNG lisible."));
            if (declaree != taille)
                return echoue(cle, QStringLiteral("mesure %1 × %2 pixels au lieu de %3 × %4.")
                                       .arg(declaree.width())
                                       .arg(declaree.height())
                                       .arg(taille.width())
                                       .arg(taille.height()));
            const QImage image = lecteur.read();
            if (image.isNull() || image.size() != taille)
                return echoue(cle, QStringLiteral("n'est pas une image PNG lisible."));
            s.bandes[i] = image.convertToFormat(QImage::Format_RGB32);
        }
    }
    if (o.contains(QLatin1String("niveaux"))) {
        QJsonArray niveaux;
        if (!tableau(o.value(QLatin1String("niveaux")), QStringLiteral("niveaux"), 3, niveaux))
            return false;
        if (niveaux.size() != 3)
            return echoue(QStringLiteral("niveaux"), QStringLiteral("devrait avoir 3 éléments."));
        std::array<int, 3> lus{};
        for (int i = 0; i < 3; ++i) {
            if (!entier(niveaux[i], QStringLiteral("niveaux[%1]").arg(i), 0,
                        gabarit.bande.height() - 1, lus[std::size_t(i)]))
                return false;
        }
        s.niveauxTraces = lus;
    }
    return true;
}

bool Lecteur::reference(const QJsonObject &o, const GabaritSeance &gabarit, Situation &s)
{
    if (o.contains(QLatin1String("situation")) &&
        !texte(o.value(QLatin1String("situation")), QStringLiteral("situation"),
               s.situationReference))
        return false;
    if (!o.contains(QLatin1String("valeurs")))
        return true;
    QJsonArray valeurs;
    if (!tableau(o.value(QLatin1String("valeurs")), QStringLiteral("reference.valeurs"),
                 gabarit.bande.width() + 1, valeurs))
        return false;
    for (qsizetype i = 0; i < valeurs.size(); ++i) {
        const QString champ = QStringLiteral("reference.valeurs[%1]").arg(i);
        QJsonArray paire;
        if (!tableau(valeurs[i], champ, 2, paire))
            return false;
        if (paire.size() != 2)
            return echoue(champ, QStringLiteral("devrait avoir 2 éléments."));
        int colonne = 0;
        int lue = 0;
        if (!entier(paire[0], champ + QStringLiteral("[0]"), 0, gabarit.bande.width(), colonne) ||
            !valeur(paire[1], champ + QStringLiteral("[1]"), -valeurExtreme, valeurExtreme, lue))
            return false;
        s.reference.insert(colonne, lue);
    }
    return true;
}

} // namespace

QByteArray ecritSeance(const Situation &s)
{
    // The system's values in its unit, as a teacher writes them.
    const int decimales = s.systemeEnseignant ? s.systemeEnseignant->Decimales : 0;
    const auto enUnite = [decimales](int valeur) {
        return decimales == 0 ? QJsonValue(valeur)
                              : QJsonValue(nombreDeLaValeur(valeur, decimales));
    };
    // Rows naming a sequence's steps are version 2's too.
    const bool etapesNommees = std::any_of(s.releve.cbegin(), s.releve.cend(),
                                           [](const LigneReleve &l) { return !l.etape.isEmpty(); });
    QJsonObject racine{{QStringLiteral("format"), formatSeance},
                       {QStringLiteral("version"), s.deroule || etapesNommees ? versionSeance : 1},
                       {QStringLiteral("systeme"), s.systeme}};
    if (s.systemeEnseignant)
        racine.insert(QStringLiteral("systemeEnseignant"), descriptionEnJson(*s.systemeEnseignant));
    if (s.valeurConsigne)
        racine.insert(QStringLiteral("valeurConsigne"), enUnite(*s.valeurConsigne));
    if (s.valeurReglee)
        racine.insert(QStringLiteral("valeurReglee"), enUnite(*s.valeurReglee));
    if (s.vitesse)
        racine.insert(QStringLiteral("vitesse"), *s.vitesse);
    if (s.son)
        racine.insert(QStringLiteral("son"), *s.son);
    QJsonArray experiences;
    for (const auto &[experience, nom] : nomsExperiences) {
        if (s.experiences.contient(experience))
            experiences.append(QLatin1String(nom));
    }
    racine.insert(QStringLiteral("experiences"), experiences);
    if (!s.consignesActivite.isEmpty())
        racine.insert(QStringLiteral("consignesActivite"), s.consignesActivite);

    QJsonObject affiches;
    for (std::size_t i = 0; i < nomsAffiches.size(); ++i)
        affiches.insert(QLatin1String(nomsAffiches[i]), s.enregistrementsAffiches[i]);
    QJsonArray valeurs;
    for (const LigneReleve &l : s.releve) {
        QJsonArray ligne{l.colonne,
                         enUnite(l.valeurReglee),
                         enUnite(l.valeurConsigne),
                         l.classeEcart,
                         l.voies[0],
                         l.voies[1],
                         l.voies[2],
                         l.perturbation,
                         l.experiences};
        if (!l.etape.isEmpty())
            ligne.append(l.etape);
        valeurs.append(ligne);
    }
    QJsonObject bandes;
    for (std::size_t i = 0; i < nomsBandes.size(); ++i) {
        if (!s.bandes[i].isNull())
            bandes.insert(QLatin1String(nomsBandes[i]), enPng(s.bandes[i]));
    }
    QJsonObject enregistrements{{QStringLiteral("affiches"), affiches},
                                {QStringLiteral("colonne"), s.colonne},
                                {QStringLiteral("vitesseModifiee"), s.vitesseModifiee},
                                {QStringLiteral("valeurs"), valeurs},
                                {QStringLiteral("bandes"), bandes}};
    if (const auto &niveaux = s.niveauxTraces)
        enregistrements.insert(QStringLiteral("niveaux"),
                               QJsonArray{(*niveaux)[0], (*niveaux)[1], (*niveaux)[2]});
    racine.insert(QStringLiteral("enregistrements"), enregistrements);
    // Written whenever a file gave any part of it, so that it reads back the same.
    if (!s.reference.isEmpty() || !s.situationReference.isEmpty()) {
        QJsonArray reference;
        for (auto it = s.reference.cbegin(); it != s.reference.cend(); ++it)
            reference.append(QJsonArray{it.key(), enUnite(it.value())});
        racine.insert(QStringLiteral("reference"),
                      QJsonObject{{QStringLiteral("situation"), s.situationReference},
                                  {QStringLiteral("valeurs"), reference}});
    }
    if (const auto &deroule = s.deroule) {
        QJsonArray etapes;
        for (const EtapeDeroule &e : deroule->etapes) {
            QJsonObject etape{{QStringLiteral("top"), e.top}};
            for (const auto &[action, nom] : nomsActions) {
                if (action == e.action)
                    etape.insert(QStringLiteral("action"), QLatin1String(nom));
            }
            if (e.action == EtapeDeroule::Action::ValeurReglee ||
                e.action == EtapeDeroule::Action::ValeurConsigne)
                etape.insert(QStringLiteral("valeur"), enUnite(e.valeur));
            if (e.action == EtapeDeroule::Action::Experience) {
                for (const auto &[experience, nom] : nomsExperiences) {
                    if (experience == e.experience)
                        etape.insert(QStringLiteral("experience"), QLatin1String(nom));
                }
                etape.insert(QStringLiteral("active"), e.valeur != 0);
            }
            if (!e.libelle.isEmpty())
                etape.insert(QStringLiteral("libelle"), e.libelle);
            etapes.append(etape);
        }
        racine.insert(
            QStringLiteral("deroule"),
            QJsonObject{{QStringLiteral("valeurReglee"), enUnite(deroule->valeurReglee)},
                        {QStringLiteral("valeurConsigne"), enUnite(deroule->valeurConsigne)},
                        {QStringLiteral("etapes"), etapes},
                        {QStringLiteral("fin"), deroule->fin}});
    }
    return QJsonDocument(racine).toJson(QJsonDocument::Indented);
}

LectureSeance lisSeance(const QByteArray &octets, const GabaritSeance &gabarit)
{
    LectureSeance lecture;
    const auto refuse = [&lecture](const QString &pourquoi) {
        lecture.erreur = pourquoi;
        return lecture;
    };
    if (octets.isEmpty())
        return refuse(QStringLiteral("le fichier est vide."));
    if (octets.size() > tailleMaxSeance)
        return refuse(QStringLiteral("le fichier dépasse 5 Mo : ce n'est pas une séance."));
    QJsonParseError erreurJson;
    const QJsonDocument document = QJsonDocument::fromJson(octets, &erreurJson);
    if (erreurJson.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("ce n'est pas un fichier de séance lisible (JSON "
                                     "incorrect à l'octet %1 : %2).")
                          .arg(erreurJson.offset)
                          .arg(erreurJson.errorString()));
    if (!document.isObject())
        return refuse(QStringLiteral("ce n'est pas un fichier de séance."));
    const QJsonObject racine = document.object();
    if (racine.value(QLatin1String("format")).toString() != formatSeance)
        return refuse(QStringLiteral("ce n'est pas un fichier de séance (« format » "
                                     "devrait valoir « %1 »).")
                          .arg(formatSeance));

    Lecteur l;
    Situation s;
    int version = 0;
    if (!l.entier(racine.value(QLatin1String("version")), QStringLiteral("version"), 1,
                  valeurExtreme, version))
        return refuse(l.erreur);
    if (version > versionSeance)
        return refuse(QStringLiteral("le fichier vient d'une version plus récente du programme "
                                     "(format %1, ce programme lit le format %2) : mettez le "
                                     "programme à jour.")
                          .arg(version)
                          .arg(versionSeance));
    if (!l.texte(racine.value(QLatin1String("systeme")), QStringLiteral("systeme"), s.systeme))
        return refuse(l.erreur);
    // A name as the editor takes it, before it is quoted anywhere.
    if (const QString raison = defautDeNom(s.systeme); !raison.isEmpty())
        return refuse(QStringLiteral("« systeme » : %1").arg(raison));
    if (racine.contains(QLatin1String("systemeEnseignant"))) {
        QJsonObject description;
        if (!l.objet(racine.value(QLatin1String("systemeEnseignant")),
                     QStringLiteral("systemeEnseignant"), description))
            return refuse(l.erreur);
        const LectureDescription lue = lisDescription(description);
        if (!lue.systeme)
            return refuse(QStringLiteral("« systemeEnseignant.%1 » %2")
                              .arg(lue.defaut.champ, lue.defaut.raison));
        const QList<DefautSysteme> defauts = valideSysteme(s.systeme, *lue.systeme);
        if (!defauts.isEmpty())
            return refuse(QStringLiteral("« %1 » : %2")
                              .arg(defauts[0].champ == QLatin1String("nom")
                                       ? QStringLiteral("systeme")
                                       : QStringLiteral("systemeEnseignant.") + defauts[0].champ,
                                   defauts[0].raison));
        s.systemeEnseignant = lue.systeme;
    }
    const ConfigurationSysteme *systeme =
        s.systemeEnseignant ? &*s.systemeEnseignant : trouveSysteme(s.systeme);
    if (!systeme)
        return refuse(QStringLiteral("« systeme » : « %1 » n'est pas un système de la liste.")
                          .arg(citation(s.systeme)));

    const int minimum = systeme->ValeurMin;
    const int maximum = systeme->ValeurMax;
    l.decimales = systeme->Decimales;
    if (!l.facultatif(&Lecteur::valeur, racine, QStringLiteral("valeurConsigne"), minimum, maximum,
                      s.valeurConsigne) ||
        !l.facultatif(&Lecteur::valeur, racine, QStringLiteral("valeurReglee"), minimum, maximum,
                      s.valeurReglee) ||
        !l.facultatif(&Lecteur::entier, racine, QStringLiteral("vitesse"), 0, 10, s.vitesse))
        return refuse(l.erreur);
    if (racine.contains(QLatin1String("son"))) {
        bool son = false;
        if (!l.booleen(racine.value(QLatin1String("son")), QStringLiteral("son"), son))
            return refuse(l.erreur);
        s.son = son;
    }
    if (racine.contains(QLatin1String("experiences"))) {
        QJsonArray experiences;
        if (!l.tableau(racine.value(QLatin1String("experiences")), QStringLiteral("experiences"),
                       qsizetype(nomsExperiences.size()), experiences))
            return refuse(l.erreur);
        for (const QJsonValue &v : std::as_const(experiences)) {
            QString nom;
            if (!l.texte(v, QStringLiteral("experiences"), nom))
                return refuse(l.erreur);
            const auto trouvee =
                std::find_if(nomsExperiences.cbegin(), nomsExperiences.cend(),
                             [&nom](const auto &e) { return nom == QLatin1String(e.second); });
            if (trouvee == nomsExperiences.cend())
                return refuse(QStringLiteral("« experiences » : « %1 » n'est pas une expérience "
                                             "connue.")
                                  .arg(citation(nom)));
            if (!SituationCourante::aElement(*systeme, trouvee->first))
                return refuse(QStringLiteral("« experiences » : « %1 » est impossible dans « %2 », "
                                             "qui n'a pas cet élément.")
                                  .arg(nom, citation(s.systeme)));
            s.experiences.change(trouvee->first, true);
        }
    }
    if (racine.contains(QLatin1String("consignesActivite")) &&
        !l.texte(racine.value(QLatin1String("consignesActivite")),
                 QStringLiteral("consignesActivite"), s.consignesActivite))
        return refuse(l.erreur);
    if (racine.contains(QLatin1String("enregistrements"))) {
        QJsonObject enregistrements;
        if (!l.objet(racine.value(QLatin1String("enregistrements")),
                     QStringLiteral("enregistrements"), enregistrements) ||
            !l.enregistrements(enregistrements, gabarit, s))
            return refuse(l.erreur);
    }
    if (racine.contains(QLatin1String("reference"))) {
        QJsonObject reference;
        if (!l.objet(racine.value(QLatin1String("reference")), QStringLiteral("reference"),
                     reference) ||
            !l.reference(reference, gabarit, s))
            return refuse(l.erreur);
    }
    if (racine.contains(QLatin1String("deroule"))) {
        QJsonObject deroule;
        Deroule d;
        if (!l.objet(racine.value(QLatin1String("deroule")), QStringLiteral("deroule"), deroule) ||
            !l.deroule(deroule, gabarit, *systeme, d))
            return refuse(l.erreur);
        s.deroule = d;
    }
    lecture.situation = s;
    return lecture;
}
