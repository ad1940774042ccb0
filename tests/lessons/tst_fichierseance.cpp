// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the lesson file on its own: what is written is read back whole,
// every kind of bad file is refused with the field and the reason, and
// damaged files never crash the reader.
#include "abime.h"
#include "lessons/fichierseance.h"
#include "tests/systems/systemecalcemie.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

namespace {

const GabaritSeance gabarit{QSize(550, 40), QSize(550, 10), QSize(550, 101)};

// A lesson with every field away from its start-up value.
Situation complete()
{
    Situation s;
    s.systeme = QStringLiteral("Pression artérielle (Activité cardiaque)");
    s.valeurConsigne = 130;
    s.valeurReglee = 95;
    s.vitesse = 7;
    s.son = true;
    s.experiences.change(Experience::VoieSensitiveCoupee, true);
    s.experiences.change(Experience::EffecteurInhibiteurInsensible, true);
    s.consignesActivite =
        QStringLiteral("Comparer les deux courbes ; expliquer « pourquoi ».\n2e ligne");
    s.enregistrementsAffiches = {true, false, true, true};
    // A haemorrhage with the nerves cut, kept, then the loop mended.
    using A = EtapeDeroule::Action;
    s.deroule = Deroule{120,
                        120,
                        {{5, A::ValeurReglee, 100, {}, QStringLiteral("hémorragie")},
                         {5, A::Experience, 1, Experience::VoieSensitiveCoupee,
                          QStringLiteral("section des nerfs")},
                         {30, A::GarderReference, 0, {}, QString()},
                         {40, A::RetablirTout, 0, {}, QString()},
                         {60, A::ValeurConsigne, 130, {}, QString()}},
                        75};
    s.colonne = 3;
    s.vitesseModifiee = true;
    for (int c = 1; c <= 3; ++c) {
        LigneReleve l;
        l.colonne = c;
        l.valeurReglee = 95 + c;
        l.valeurConsigne = 130;
        l.classeEcart = 3 - c;
        l.voies = {1, 0, 47.2};
        l.perturbation = c - 2;
        l.experiences = QStringLiteral("section : Nerfs X, de Cyon et de Héring");
        if (c == 2)
            l.etape = QStringLiteral("hémorragie ; section des nerfs");
        s.releve << l;
    }
    for (std::size_t b = 0; b < s.bandes.size(); ++b) {
        QImage bande(b == 3   ? gabarit.perturbation
                     : b == 4 ? gabarit.courbe
                              : gabarit.bande,
                     QImage::Format_RGB32);
        bande.fill(QColor(0, 255, int(60 * b)));
        bande.setPixelColor(int(b) + 1, 20, Qt::black);
        s.bandes[b] = bande;
    }
    s.niveauxTraces = std::array{38, 2, 20};
    s.reference = {{1, 100}, {2, 110}, {550, 120}};
    s.situationReference = QStringLiteral("boucle intacte");
    return s;
}

// The same with a teacher's own system, described in the file.
Situation enseignant()
{
    Situation s = complete();
    s.systeme = QStringLiteral("Calcémie");
    s.systemeEnseignant = calcemie();
    s.valeurConsigne = 95;
    s.valeurReglee = 70;
    s.experiences = {};
    s.experiences.change(Experience::VoieInhibitriceCoupee, true);
    // Calcaemia is sensed directly: its sequence blocks calcitonin.
    s.deroule->etapes[1].experience = Experience::VoieInhibitriceCoupee;
    return s;
}

// The teacher's system counted in tenths: every value of the lesson is
// written with its decimal.
Situation enDixiemes()
{
    Situation s = enseignant();
    s.systemeEnseignant = avecDecimales(calcemie(), 1);
    s.valeurConsigne = 955;
    s.valeurReglee = 701;
    s.deroule->valeurReglee = s.deroule->valeurConsigne = 955;
    s.deroule->etapes[0].valeur = 703;
    s.deroule->etapes[4].valeur = 1001;
    return s;
}

QJsonObject objet(const Situation &s)
{
    return QJsonDocument::fromJson(ecritSeance(s)).object();
}

QByteArray avec(const QString &cle, const QJsonValue &valeur)
{
    QJsonObject o = objet(complete());
    o.insert(cle, valeur);
    return QJsonDocument(o).toJson();
}

QByteArray avecEnregistrement(const QString &cle, const QJsonValue &valeur)
{
    QJsonObject o = objet(complete());
    QJsonObject e = o.value(QLatin1String("enregistrements")).toObject();
    e.insert(cle, valeur);
    o.insert(QStringLiteral("enregistrements"), e);
    return QJsonDocument(o).toJson();
}

// The sequence's step `i` with that field changed (a null value removes it).
QByteArray avecEtape(int i, const QString &cle, const QJsonValue &valeur)
{
    QJsonObject o = objet(complete());
    QJsonObject d = o.value(QLatin1String("deroule")).toObject();
    QJsonArray etapes = d.value(QLatin1String("etapes")).toArray();
    QJsonObject etape = etapes[i].toObject();
    etape.insert(cle, valeur);
    etapes[i] = etape;
    d.insert(QStringLiteral("etapes"), etapes);
    o.insert(QStringLiteral("deroule"), d);
    return QJsonDocument(o).toJson();
}

// The first row of the values with its element `i` changed.
QByteArray avecLigne(int i, const QJsonValue &valeur)
{
    QJsonObject o = objet(complete());
    QJsonObject e = o.value(QLatin1String("enregistrements")).toObject();
    QJsonArray lignes = e.value(QLatin1String("valeurs")).toArray();
    QJsonArray ligne = lignes[0].toArray();
    ligne[i] = valeur;
    lignes[0] = ligne;
    e.insert(QStringLiteral("valeurs"), lignes);
    o.insert(QStringLiteral("enregistrements"), e);
    return QJsonDocument(o).toJson();
}

// A small PNG whose header declares a huge image: the size is written into
// a real file's header, its checksum made anew so that the header reads.
QString bombe(quint32 largeur, quint32 hauteur)
{
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&tampon, "PNG");
    // The signature (8 bytes), then the header's length, "IHDR" and its data.
    qToBigEndian(largeur, png.data() + 16);
    qToBigEndian(hauteur, png.data() + 20);
    quint32 crc = 0xffffffff;
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(png[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    qToBigEndian(~crc, png.data() + 29);
    return QString::fromLatin1(png.toBase64());
}

} // namespace

Q_DECLARE_METATYPE(Situation)

class TestFichierSeance : public QObject
{
    Q_OBJECT

private slots:
    void everyFieldComesBack();
    void unknownFieldsAndMissingOnes();
    void boundsReachedAreRead_data();
    void boundsReachedAreRead();
    void badFileRefused_data();
    void badFileRefused();
    void damagedFilesNeverCrash();
    void teachersExampleReads();
};

void TestFichierSeance::everyFieldComesBack()
{
    for (const Situation &ecrite : {complete(), enseignant(), enDixiemes()}) {
        const LectureSeance lue = lisSeance(ecritSeance(ecrite), gabarit);
        QVERIFY2(lue.situation, qPrintable(lue.erreur));
        QVERIFY(*lue.situation == ecrite);
    }
    const Situation ecrite = complete();
    // Text a teacher reads: UTF-8, indented, values in the unit.
    QVERIFY(ecritSeance(ecrite).contains("\"systeme\": \"Pression art\xC3\xA9rielle"));
    QVERIFY(ecritSeance(enDixiemes()).contains("\"valeurReglee\": 70.1"));
    // Version 2 only with a sequence or rows naming its steps: without,
    // earlier programs read it.
    QVERIFY(ecritSeance(ecrite).contains("\"version\": 2"));
    Situation sans = ecrite;
    sans.deroule.reset();
    QVERIFY(ecritSeance(sans).contains("\"version\": 2"));
    sans.releve[1].etape.clear();
    QVERIFY(ecritSeance(sans).contains("\"version\": 1"));
}

// A newer program's additions are skipped; what is left out takes its
// start-up value.
void TestFichierSeance::unknownFieldsAndMissingOnes()
{
    QJsonObject o = objet(complete());
    o.insert(QStringLiteral("plusTard"), QJsonObject{{QStringLiteral("x"), 1}});
    LectureSeance lue = lisSeance(QJsonDocument(o).toJson(), gabarit);
    QVERIFY2(lue.situation, qPrintable(lue.erreur));
    QVERIFY(*lue.situation == complete());

    lue = lisSeance(R"({"format": "systemes-regulation/seance", "version": 1,
                        "systeme": "Homéothermie"})",
                    gabarit);
    QVERIFY2(lue.situation, qPrintable(lue.erreur));
    QVERIFY(!lue.situation->valeurReglee && !lue.situation->vitesse && !lue.situation->son);
    QVERIFY(lue.situation->experiences.aucune() && lue.situation->releve.isEmpty());
}

void TestFichierSeance::badFileRefused_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("raison"); // a part of the message
    const QByteArray bon = ecritSeance(complete());
    QTest::addRow("empty") << QByteArray() << "vide";
    QTest::addRow("not JSON") << QByteArray("Bonjour") << "JSON incorrect";
    QTest::addRow("truncated") << bon.left(bon.size() / 2) << "JSON incorrect";
    QTest::addRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "JSON incorrect";
    QTest::addRow("larger than 5 MB") << QByteArray(tailleMaxSeance + 1, ' ') << "5 Mo";
    QTest::addRow("a list") << QByteArray("[1, 2]") << "pas un fichier de séance";
    QTest::addRow("another format")
        << avec(QStringLiteral("format"), QStringLiteral("autre")) << "« format »";
    QTest::addRow("newer version") << avec(QStringLiteral("version"), 3) << "plus récente";
    QTest::addRow("version as text")
        << avec(QStringLiteral("version"), QStringLiteral("1")) << "« version » devrait";
    QJsonObject fine = objet(enDixiemes());
    fine.insert(QStringLiteral("valeurReglee"), 70.15);
    QTest::addRow("a value finer than the system's decimals")
        << QJsonDocument(fine).toJson() << "« valeurReglee » devrait être un nombre d'au plus 1";
    QTest::addRow("steps out of order")
        << avecEtape(3, QStringLiteral("top"), 29) << "« deroule.etapes[3].top » précède";
    QTest::addRow("a step beyond the strips")
        << avecEtape(4, QStringLiteral("top"), 551) << "« deroule.etapes[4].top » va de 0 à 550";
    QTest::addRow("a step's value beyond the range")
        << avecEtape(0, QStringLiteral("valeur"), 191) << "« deroule.etapes[0].valeur » est hors";
    QTest::addRow("an experiment the system cannot have")
        << avecEtape(1, QStringLiteral("experience"), QStringLiteral("queue-coupee"))
        << "« deroule.etapes[1].experience »";
    {
        QJsonObject o = objet(complete());
        QJsonObject d = o.value(QLatin1String("deroule")).toObject();
        d.insert(QStringLiteral("fin"), 59);
        o.insert(QStringLiteral("deroule"), d);
        QTest::addRow("a sequence ending before its last step")
            << QJsonDocument(o).toJson() << "« deroule.fin » précède";
    }
    QTest::addRow("a label too long") << avecEtape(0, QStringLiteral("libelle"), QString(41, u'x'))
                                      << "« deroule.etapes[0].libelle » dépasse 40";
    QTest::addRow("a label on two lines")
        << avecEtape(0, QStringLiteral("libelle"), QStringLiteral("repas\nlourd"))
        << "« deroule.etapes[0].libelle » tient sur une ligne";
    {
        QJsonObject o = objet(complete());
        QJsonObject d = o.value(QLatin1String("deroule")).toObject();
        QJsonArray etapes;
        for (int i = 0; i <= etapesDerouleMax; ++i)
            etapes.append(QJsonObject{{"top", 1}, {"action", "retablirTout"}});
        d.insert(QStringLiteral("etapes"), etapes);
        o.insert(QStringLiteral("deroule"), d);
        QTest::addRow("too many steps") << QJsonDocument(o).toJson() << "« deroule.etapes » a 201";
    }
    QTest::addRow("unknown system")
        << avec(QStringLiteral("systeme"), QStringLiteral("Calcémie")) << "« Calcémie »";
    QTest::addRow("value as text")
        << avec(QStringLiteral("valeurReglee"), QStringLiteral("120")) << "« valeurReglee »";
    // Blood pressure's range is 90 to 190 mm Hg.
    QTest::addRow("value outside the range")
        << avec(QStringLiteral("valeurConsigne"), 191) << "hors de l'intervalle 90 à 190";
    QTest::addRow("huge number") << avec(QStringLiteral("valeurReglee"), 1e308) << "hors";
    QTest::addRow("fraction") << avec(QStringLiteral("vitesse"), 2.5) << "« vitesse »";
    QTest::addRow("unknown experiment")
        << avec(QStringLiteral("experiences"), QJsonArray{QStringLiteral("tout-casser")})
        << "« tout-casser »";
    QJsonObject glycemie = objet(complete());
    glycemie.insert(QStringLiteral("systeme"), QStringLiteral("Glycémie directe"));
    glycemie.insert(QStringLiteral("valeurConsigne"), 1000);
    glycemie.insert(QStringLiteral("valeurReglee"), 1000);
    glycemie.insert(QStringLiteral("experiences"),
                    QJsonArray{QStringLiteral("voie-sensitive-coupee")});
    QTest::addRow("a cut of an absent pathway")
        << QJsonDocument(glycemie).toJson() << "impossible dans « Glycémie directe »";
    QJsonArray lignes;
    for (int c = 1; c <= 551; ++c)
        lignes.append(QJsonArray{c, 100, 120, 0, 0, 0, 0, 0, QString()});
    QTest::addRow("more columns than the strips")
        << avecEnregistrement(QStringLiteral("valeurs"), lignes) << "plus que les 550";
    QTest::addRow("a row past the column")
        << avecEnregistrement(QStringLiteral("colonne"), 2) << "« valeurs[2][0] »";
    // The row as a value: Clang reads a list of one list as a copy of it.
    QTest::addRow("a level as text")
        << avecLigne(4, QStringLiteral("1")) << "« valeurs[0][4] » devrait être un nombre";
    QTest::addRow("a level above 100")
        << avecLigne(6, 100.5) << "« valeurs[0][6] » devrait être un nombre de 0 à 100.";
    QTest::addRow("a level below 0") << avecLigne(5, -0.5) << "« valeurs[0][5] »";
    QTest::addRow("a column repeated") << avecLigne(0, 2) << "« valeurs[1][0] »";
    QTest::addRow("a trace level below its strip")
        << avecEnregistrement(QStringLiteral("niveaux"), QJsonArray{40, 0, 0}) << "« niveaux[0] »";
    QTest::addRow("a short row") << avecEnregistrement(QStringLiteral("valeurs"),
                                                       QJsonArray{QJsonValue(QJsonArray{1, 2})})
                                 << "9 ou 10 éléments";
    QImage petite(10, 10, QImage::Format_RGB32);
    petite.fill(Qt::red);
    Situation autreBande = complete();
    autreBande.bandes[0] = petite;
    QTest::addRow("a strip of another size") << ecritSeance(autreBande) << "10 × 10";
    QTest::addRow("a strip that is no picture")
        << avecEnregistrement(
               QStringLiteral("bandes"),
               QJsonObject{{QStringLiteral("voieSensitive"), QStringLiteral("AAAA")}})
        << "PNG";
    QTest::addRow("an image bomb")
        << avecEnregistrement(QStringLiteral("bandes"),
                              QJsonObject{{QStringLiteral("courbe"), bombe(30000, 30000)}})
        << "« courbe » mesure 30000 × 30000 pixels au lieu de 550 × 101.";
    QTest::addRow("a system on two lines")
        << avec(QStringLiteral("systeme"), QStringLiteral("<h1>GROS</h1>\nzz"))
        << "« systeme » : le nom tient sur une ligne.";
    QTest::addRow("a system of 201 characters")
        << avec(QStringLiteral("systeme"), QString(201, QLatin1Char('x')))
        << "« systeme » : le nom dépasse 200 caractères.";
    QJsonArray longue;
    for (int c = 0; c <= 551; ++c)
        longue.append(QJsonArray{c % 551, 100});
    QTest::addRow("a reference of the wrong length")
        << avec(QStringLiteral("reference"), QJsonObject{{QStringLiteral("valeurs"), longue}})
        << "« reference.valeurs »";
    // A teacher's system is held to the editor's rules.
    const auto description = [](const QString &champ, const QJsonValue &valeur,
                                const QString &nom = QStringLiteral("Calcémie")) {
        QJsonObject o = objet(enseignant());
        QJsonObject d = o.value(QLatin1String("systemeEnseignant")).toObject();
        d.insert(champ, valeur);
        o.insert(QStringLiteral("systemeEnseignant"), d);
        o.insert(QStringLiteral("systeme"), nom);
        return QJsonDocument(o).toJson();
    };
    QTest::addRow("a teacher's system with a name as a number")
        << description(QStringLiteral("TexteCapteur"), 3)
        << "« systemeEnseignant.TexteCapteur » devrait être un texte.";
    QTest::addRow("a teacher's system with its range upside down")
        << description(QStringLiteral("ValeurMin"), 150)
        << "« systemeEnseignant.ValeurMax » : le maximum doit dépasser le minimum.";
    QTest::addRow("a teacher's system under a name of the list")
        << description(QStringLiteral("ValeurMin"), 60, QStringLiteral("Homéothermie"))
        << "« systeme » : « Homéothermie » est un système de la liste";
    QTest::addRow("a teacher's system that is no object")
        << avec(QStringLiteral("systemeEnseignant"), QJsonArray{1}) << "« systemeEnseignant »";
    QByteArray profond = "{\"format\": \"systemes-regulation/seance\", \"version\": 1, \"x\": ";
    profond += QByteArray(100000, '[') + QByteArray(100000, ']') + '}';
    QTest::addRow("deep nesting") << profond << "JSON incorrect";
}

void TestFichierSeance::boundsReachedAreRead_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<Situation>("attendue");
    Situation s = complete();
    s.consignesActivite = QString(100'000, QLatin1Char('a'));
    QTest::addRow("instructions of 100 000 characters") << ecritSeance(s) << s;
    const QByteArray bon = ecritSeance(complete());
    QTest::addRow("a file of 5 MB")
        << bon + QByteArray(tailleMaxSeance - bon.size(), ' ') << complete();
    s = complete();
    for (int c = 0; c <= 550; ++c)
        s.reference.insert(c, 100);
    QTest::addRow("a reference at every column") << ecritSeance(s) << s;
    s = complete();
    s.reference.clear();
    QTest::addRow("a reference's situation alone") << ecritSeance(s) << s;
    s = complete();
    s.releve[0].voies = {0, 100, 100};
    s.niveauxTraces = std::array{39, 0, 39};
    QTest::addRow("levels at their ends") << ecritSeance(s) << s;
}

void TestFichierSeance::boundsReachedAreRead()
{
    QFETCH(QByteArray, octets);
    QFETCH(Situation, attendue);
    const LectureSeance lue = lisSeance(octets, gabarit);
    QVERIFY2(lue.situation, qPrintable(lue.erreur));
    QVERIFY(*lue.situation == attendue);
}

// Refused with one reason that names the field, never a situation.
void TestFichierSeance::badFileRefused()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, raison);
    const LectureSeance lue = lisSeance(octets, gabarit);
    QVERIFY(!lue.situation);
    QVERIFY2(lue.erreur.contains(raison), qPrintable(lue.erreur));
}

// Valid files cut, with bytes flipped, types swapped or numbers blown up:
// each is read or refused, never a crash (the sanitizer build reads 10,000
// of them), and what is read writes back to itself.
void TestFichierSeance::damagedFilesNeverCrash()
{
    const int nombre = qEnvironmentVariableIntValue("REGULATION_DAMAGED_LESSONS");
    QRandomGenerator hasard(20261209);
    // Half of them a lesson with a teacher's system, whose description is damaged too.
    const QByteArray bons[] = {ecritSeance(complete()), ecritSeance(enseignant())};
    int refuses = 0;
    for (int i = 0; i < (nombre > 0 ? nombre : 300); ++i) {
        QByteArray abime = bons[i % 2];
        switch (hasard.bounded(4)) {
        case 0:
        case 1:
            ::abime(abime, hasard, hasard.bounded(2));
            break;
        case 2: { // a value of another type: text, list, object, null
            static const char *const autres[] = {"\"x\"", "[]", "{}", "null", "true", "-1"};
            const qsizetype deuxPoints = abime.indexOf(": ", hasard.bounded(abime.size()));
            if (deuxPoints < 0)
                continue;
            const qsizetype fin = abime.indexOf(',', deuxPoints);
            if (fin < 0)
                continue;
            abime.replace(deuxPoints + 2, fin - deuxPoints - 2,
                          autres[hasard.bounded(int(std::size(autres)))]);
            break;
        }
        default: { // a number blown up
            const qsizetype chiffre = abime.indexOf(": 1", hasard.bounded(abime.size()));
            if (chiffre < 0)
                continue;
            abime.insert(chiffre + 2, hasard.bounded(2) ? "9e99" : "-99999999999");
            break;
        }
        }
        const LectureSeance lue = lisSeance(abime, gabarit);
        if (!lue.situation) {
            // One line, whatever the file quoted in it.
            QVERIFY(!lue.erreur.isEmpty() && surUneLigne(lue.erreur));
            ++refuses;
            continue;
        }
        const LectureSeance relue = lisSeance(ecritSeance(*lue.situation), gabarit);
        QVERIFY2(relue.situation, qPrintable(relue.erreur));
        QVERIFY(*relue.situation == *lue.situation);
    }
    QVERIFY(refuses > 0);
}

// The whole example the teachers' documentation gives is a lesson.
void TestFichierSeance::teachersExampleReads()
{
    QFile doc(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../docs/fichier-de-seance.md"));
    QVERIFY(doc.open(QIODevice::ReadOnly));
    const QByteArray texte = doc.readAll();
    const qsizetype debut = texte.indexOf("```json\n") + 8;
    const QByteArray exemple = texte.mid(debut, texte.indexOf("```", debut) - debut);
    const LectureSeance lue = lisSeance(exemple, gabarit);
    QVERIFY2(lue.situation, qPrintable(lue.erreur));
    QCOMPARE(lue.situation->systeme, QStringLiteral("Homéothermie"));
    QCOMPARE(lue.situation->valeurConsigne, std::optional<int>(39));
}

QTEST_MAIN(TestFichierSeance)
#include "tst_fichierseance.moc"
