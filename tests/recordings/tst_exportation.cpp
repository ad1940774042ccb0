// SPDX-License-Identifier: GPL-3.0-or-later
// Guards what leaves the window for the pupil's report: the values of a known
// run as a spreadsheet reads them, the image and its caption, the printed
// page, the files named, refused or kept, and the mechanism around the
// dialogs.
#include "fenetreenregistrement.h"
#include "instant.h"
#include "recordings/imageexport.h"
#include "tests/systems/cataloguereference.h"
#include "tests/systems/saisiesysteme.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The road 50 -> 20 -> back to 50, with the sensory and stimulating strips shown.
void routeClassique(FenetreEnregistrement &f, int instants)
{
    f.form.ButtonMarche->click();
    f.form.SpeedButtonEnregSensitif->click();
    f.form.SpeedButtonEnregStimulateur->click();
    f.form.ScrollBarValeurReglee->setValue(20);
    for (int i = 0; i < instants; ++i)
        unInstant(f.form);
}

// The rows of a CSV file the program wrote, false when it cannot be read.
bool lisCsv(const QString &chemin, QList<QStringList> &lignes, QByteArray *debut = nullptr)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    QByteArray contenu = fichier.readAll();
    if (debut)
        *debut = contenu.left(3);
    for (const QString &ligne :
         QString::fromUtf8(contenu.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lignes << ligne.split(QLatin1Char(';'));
    return !lignes.isEmpty();
}

// The fields of CSV text as a spreadsheet reads them (RFC 4180 quoting).
QList<QStringList> champsCsv(const QString &texte)
{
    QList<QStringList> lignes{{}};
    QString champ;
    bool entreGuillemets = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (entreGuillemets) {
            if (c == QLatin1Char('"') && i + 1 < texte.size() && texte[i + 1] == QLatin1Char('"'))
                champ += texte[++i];
            else if (c == QLatin1Char('"'))
                entreGuillemets = false;
            else
                champ += c;
        } else if (c == QLatin1Char('"')) {
            entreGuillemets = true;
        } else if (c == QLatin1Char(';')) {
            lignes.last() << champ;
            champ.clear();
        } else if (texte.mid(i, 2) == QLatin1String("\r\n")) {
            lignes.last() << champ;
            champ.clear();
            lignes << QStringList();
            ++i;
        } else {
            champ += c;
        }
    }
    lignes.removeLast();
    return lignes;
}

} // namespace

class TestExportation : public QObject
{
    Q_OBJECT

private slots:
    void valuesOfTheClassicRoad();
    void hormonalLevelsWithDecimalComma();
    void pathwaysNamedAsTheScheme_data();
    void pathwaysNamedAsTheScheme();
    void textCellsAreData_data();
    void textCellsAreData();
    void wrapClearsTheValues_data();
    void wrapClearsTheValues();
    void actionsWaitForARecording();
    void imageAsOnScreen();
    void pageCrispAtPrinterResolution();
    void printsOneLandscapePage();
    void pageLaidOut_data();
    void pageLaidOut();
    void imageSavedAsPng();
    void fileNamedKeptOrRefused_data();
    void fileNamedKeptOrRefused();
    void dialogsSuspendTheMechanism_data();
    void dialogsSuspendTheMechanism();
    void copyShortcutLeavesSelectedText_data();
    void copyShortcutLeavesSelectedText();

private:
    QTemporaryDir m_dossier;
};

void TestExportation::valuesOfTheClassicRoad()
{
    FenetreEnregistrement f;
    routeClassique(f, 400);
    const QString chemin = m_dossier.filePath(QStringLiteral("route.csv"));
    f.messages.fileNames << chemin;
    f.form.EnregistrerValeurs();

    QByteArray bom;
    QList<QStringList> lignes;
    QVERIFY2(lisCsv(chemin, lignes, &bom), qPrintable(chemin));
    QCOMPARE(bom, QByteArray("\xEF\xBB\xBF"));
    QCOMPARE(lignes.first(),
             (QStringList{"Temps (tops du capteur)", "Valeur réglée (u.a)", "Valeur consigne (u.a)",
                          "Écart à la consigne (classe de −5 à +5, +\u00a0: valeur trop basse)",
                          "Voie sensitive\u00a0: influx (1 = oui)",
                          "Voie motrice stimulatrice\u00a0: influx (1 = oui)",
                          "Voie motrice inhibitrice\u00a0: influx (1 = oui)",
                          "Perturbation (rouge\u00a0: valeur abaissée, vert\u00a0: valeur élevée, "
                          "olive\u00a0: aucune)",
                          "Expériences", "Référence (u.a)"}));
    QCOMPARE(lignes.size(), 1 + 400);

    // Column 1 was drawn before the first tick read the deviation; from then
    // on 50 - 20 = 30 is class 3 (classes 10 units wide on 0..100): the
    // stimulating pathway carries an impulse every 2 columns, the sensory
    // one every 25.
    QCOMPARE(lignes[1], (QStringList{"1", "20", "50", "0", "0", "0", "0", "olive", "", ""}));
    QCOMPARE(lignes[2].mid(0, 7), (QStringList{"2", "20", "50", "3", "0", "1", "0"}));
    QCOMPARE(lignes[3].mid(4, 3), (QStringList{"0", "0", "0"}));
    QCOMPARE(lignes[25][4], QStringLiteral("1"));

    // The values the effector brings, each with the class of its deviation
    // on the row after: 26 (24: 2), 32 (18: 1), 38 (12: 1), 44 (6: 0).
    QList<int> valeurs;
    QMap<int, int> classeApres;
    for (qsizetype i = 2; i < lignes.size(); ++i) {
        const int valeur = lignes[i - 1][1].toInt();
        if (valeurs.isEmpty() || valeurs.last() != valeur) {
            valeurs << valeur;
            classeApres[valeur] = lignes[i][3].toInt();
        }
    }
    QCOMPARE(valeurs.mid(0, 5), (QList<int>{20, 26, 32, 38, 44}));
    // The effector's first move is made while the deviation is not nil: the
    // perturbation strip turns red.
    const auto a26 = std::find_if(lignes.cbegin() + 1, lignes.cend(),
                                  [](const QStringList &l) { return l[1] == QLatin1String("26"); });
    QVERIFY(a26 != lignes.cend());
    QCOMPARE(a26->at(7), QStringLiteral("rouge"));
    QCOMPARE(classeApres.value(26), 2);
    QCOMPARE(classeApres.value(32), 1);
    QCOMPARE(classeApres.value(38), 1);
    QCOMPARE(classeApres.value(44), 0);
}

void TestExportation::hormonalLevelsWithDecimalComma()
{
    FenetreEnregistrement f;
    tapeSysteme(f.form, QStringLiteral("Schéma général (hormonal)"));
    routeClassique(f, 3);
    const QString chemin = m_dossier.filePath(QStringLiteral("hormonal.csv"));
    f.messages.fileNames << chemin;
    f.form.EnregistrerValeurs();
    QList<QStringList> lignes;
    QVERIFY2(lisCsv(chemin, lignes), qPrintable(chemin));
    QCOMPARE(
        lignes[0][4],
        QStringLiteral("Voie sensitive\u00a0: niveau d'hormone (%, 0 = Min\u00a0: aucune, 100 = "
                       "Max)"));
    // The trace starts halfway between Max (row 2) and Min (row 38) and moves
    // one pixel a column toward the row of its class: 20 for class 0 at
    // column 1, then 30 for class 3.
    QCOMPARE(lignes[1][4], QStringLiteral("50,0"));
    QCOMPARE(lignes[2][4], QStringLiteral("47,2"));
}

void TestExportation::pathwaysNamedAsTheScheme_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<QStringList>("voies");
    QTest::addRow("blood pressure")
        << "Pression artérielle (Activité cardiaque)"
        << QStringList{"Nerfs X, de Cyon et de Héring", "Nerf orthosympathique",
                       "Nerf X (fibres motrices)"};
    // Two pathways of one label: their roles tell them apart.
    QTest::addRow("body temperature")
        << "Homéothermie"
        << QStringList{"Voie nerveuse",
                       "Voie nerveuse (orthosympathique, voie motrice stimulatrice)",
                       "Voie nerveuse (orthosympathique, voie motrice inhibitrice)"};
}

void TestExportation::pathwaysNamedAsTheScheme()
{
    QFETCH(QString, systeme);
    QFETCH(QStringList, voies);
    FenetreEnregistrement f;
    tapeSysteme(f.form, systeme);
    routeClassique(f, 3);
    const QString chemin =
        m_dossier.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".csv"));
    f.messages.fileNames << chemin;
    f.form.EnregistrerValeurs();
    QList<QStringList> lignes;
    QVERIFY2(lisCsv(chemin, lignes), qPrintable(chemin));
    for (int v = 0; v < 3; ++v)
        QCOMPARE(lignes[0][4 + v], voies[v] + QStringLiteral("\u00a0: influx (1 = oui)"));

    // The image says the same beside each strip shown (the inhibiting one is
    // not): its dark pixels right of the strips' box, level with the strip,
    // as wide as the name's line.
    const QImage image = f.form.imageEnregistrements();
    const int ratio = 2;
    const int haut = image.height() - f.form.GroupBox1->height() * ratio;
    const int gauche = f.form.GroupBox1->width() * ratio;
    QFont police = f.form.EnregSensitif->font();
    police.setBold(false);
    const QFontMetrics mesures(police);
    const std::array<const QWidget *, 4> bandes{f.form.EnregSensitif, f.form.EnregStimulateur,
                                                f.form.EnregInhibiteur, f.form.EnregPerturbation};
    for (std::size_t v = 0; v < bandes.size(); ++v) {
        const QRect bande = bandes[v]->geometry();
        int debut = image.width();
        int fin = -1;
        for (int y = haut + bande.top() * ratio; y <= haut + bande.bottom() * ratio; ++y) {
            for (int x = gauche; x < image.width(); ++x) {
                if (image.pixelColor(x, y).lightness() < 128) {
                    debut = std::min(debut, x);
                    fin = std::max(fin, x);
                }
            }
        }
        const bool nommee = v < 2;
        QVERIFY2((fin >= 0) == nommee, qPrintable(QString::number(v)));
        const int largeur = nommee ? mesures.horizontalAdvance(voies[int(v)]) : 0;
        if (nommee && largeur <= 200)
            QVERIFY2(qAbs((fin - debut + 1) - largeur * ratio) <= 3 * ratio,
                     qPrintable(QStringLiteral("%1: %2 / %3")
                                    .arg(v)
                                    .arg(fin - debut + 1)
                                    .arg(largeur * ratio)));
    }
}

void TestExportation::textCellsAreData_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("lu"); // as the spreadsheet shows the header cell
    QTest::addRow("plain") << "Nerf"
                           << "Nerf\u00a0: influx (1 = oui)";
    QTest::addRow("separator and quote") << "Voie \"A\"; B"
                                         << "Voie \"A\"; B\u00a0: influx (1 = oui)";
    QTest::addRow("line ends") << "Voie\r\nA\nB"
                               << "Voie\r\nA\nB\u00a0: influx (1 = oui)";
    QTest::addRow("formula") << "=SOMME(A1:A9)"
                             << "'=SOMME(A1:A9)\u00a0: influx (1 = oui)";
    QTest::addRow("plus") << "+1"
                          << "'+1\u00a0: influx (1 = oui)";
    QTest::addRow("minus") << "-2+3"
                           << "'-2+3\u00a0: influx (1 = oui)";
    QTest::addRow("at") << "@cmd"
                        << "'@cmd\u00a0: influx (1 = oui)";
}

// Names that reach the values' header are data: quoted where they hold the
// separator, a quote or a line end, and never read as a formula; the numbers
// stay numbers, a negative class included.
void TestExportation::textCellsAreData()
{
    QFETCH(QString, nom);
    QFETCH(QString, lu);
    Releve releve;
    LigneReleve ligne;
    ligne.colonne = 1;
    ligne.valeurReglee = 60;
    ligne.valeurConsigne = 50;
    ligne.classeEcart = -1;
    ligne.experiences = QStringLiteral("-") + nom;
    releve.note(ligne);
    EnTeteReleve enTete;
    enTete.unite = QStringLiteral("=u");
    enTete.nomsVoies[0] = nom;
    enTete.modesVoies[0] = ModeNerveux;

    const QByteArray csv = releveEnCsv(releve, enTete);
    const QList<QStringList> lignes = champsCsv(QString::fromUtf8(csv.mid(3)));
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes[0].size(), lignes[1].size());
    QCOMPARE(lignes[0][1], QStringLiteral("Valeur réglée (=u)"));
    QCOMPARE(lignes[0][4], lu);
    QCOMPARE(lignes[1].mid(0, 5), (QStringList{"1", "60", "50", "-1", "0"}));
    QCOMPARE(lignes[1][6], QStringLiteral("'-") + nom);
}

void TestExportation::wrapClearsTheValues_data()
{
    QTest::addColumn<MessageAnswer>("reponse");
    QTest::addColumn<int>("lignesApres");
    QTest::addRow("cleared") << MessageAnswer::Oui << 0;
    QTest::addRow("kept") << MessageAnswer::Non << 550;
}

void TestExportation::wrapClearsTheValues()
{
    QFETCH(MessageAnswer, reponse);
    QFETCH(int, lignesApres);
    FenetreEnregistrement f;
    f.form.ButtonMarche->click();
    f.form.SpeedButtonEnregSensitif->click();
    f.tics(550);
    QCOMPARE(f.form.situation().releve().lignes().size(), 550);
    f.messages.answers << reponse;
    f.tics(1);
    QCOMPARE(f.form.situation().releve().lignes().size(), lignesApres);
    if (reponse == MessageAnswer::Oui) {
        f.tics(1);
        QCOMPARE(f.form.situation().releve().lignes().size(), 1);
        QCOMPARE(f.form.situation().releve().lignes().first().colonne, 1);
    }
}

void TestExportation::actionsWaitForARecording()
{
    FenetreEnregistrement f;
    const QList<QAction *> actions =
        f.form.findChild<QMenu *>(QStringLiteral("menuEnregistrements"))->actions();
    // A web page is printed with the browser's own command.
#ifdef Q_OS_WASM
    const int toutes = 3;
#else
    const int toutes = 4;
#endif
    QCOMPARE(actions.size(), toutes);
    const auto activees = [&actions] {
        return std::count_if(actions.cbegin(), actions.cend(),
                             [](QAction *a) { return a->isEnabled(); });
    };
    QCOMPARE(activees(), 0);
    // Running without a recording toggle down records nothing.
    f.form.ButtonMarche->click();
    f.tics(5);
    QCOMPARE(activees(), 0);
    f.form.SpeedButtonEnregSensitif->click();
    f.tics(1);
    QCOMPARE(activees(), toutes);
    // The reset button clears the strips and their values.
    f.messages.answers << MessageAnswer::Oui;
    f.form.SpeedButtonEnreg->click();
    QCOMPARE(activees(), 0);
}

// At least twice the window's pixels (this test also runs at a screen ratio
// of 2): the strips' box and the curve's when shown, under the caption, each
// pixel of a strip a whole square.
void TestExportation::imageAsOnScreen()
{
    FenetreEnregistrement f;
    f.form.resize(640, 600);
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    routeClassique(f, 30);
    const QString date =
        QLocale(QLocale::French).toString(QDate::currentDate(), QLocale::LongFormat);
    QCOMPARE(f.form.legendeEnregistrements(),
             QStringLiteral("Schéma général (nerveux) – valeur consigne : 50 u.a – ") + date +
                 QStringLiteral("\nBoucle intacte"));

    const int ratio = 2;
    QImage image = f.form.imageEnregistrements();
    QCOMPARE(image.devicePixelRatio(), qreal(ratio));
    const int legende = image.height() - 155 * ratio;
    QVERIFY(legende > 0);
    // The caption's band: its text, with blank rows above and below it.
    const QColor fond = f.form.palette().color(QPalette::Window);
    const auto ligneVide = [&](int y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != fond)
                return false;
        }
        return true;
    };
    // Its two lines whole, one band of text each.
    int lignesDeTexte = 0;
    for (int y = 1; y < legende; ++y)
        lignesDeTexte += ligneVide(y - 1) && !ligneVide(y) ? 1 : 0;
    QCOMPARE(lignesDeTexte, 2);
    for (int y : {0, 1, 2, legende - 3, legende - 2, legende - 1})
        QVERIFY2(ligneVide(y), qPrintable(QString::number(y)));
    // The strips' box, 568 pixels wide, and the names' column beside it.
    QVERIFY(image.width() > 568 * ratio);
    // Pasted into a report at the window's size: a pixel of the window at 96
    // an inch.
    QCOMPARE(qRound(image.width() / (image.dotsPerMeterX() * 0.0254) * 96), image.width() / ratio);
    const ImageControl *bande = f.form.EnregStimulateur;
    const QPoint origine = bande->pos() * ratio + QPoint(0, legende);
    for (int y = 2; y < bande->height() - 2; ++y) {
        for (int x = 2; x < 40; ++x) {
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)})
                QCOMPARE(image.pixelColor(origine + QPoint(x, y) * ratio + d),
                         bande->image().pixelColor(x, y));
        }
    }

    f.form.SpeedButtonCourbe->click();
    image = f.form.imageEnregistrements();
    QCOMPARE(image.height(), legende + (155 + 135) * ratio);
}

// The printed page at 150 dots an inch: every dot of the image is one of the
// image's own colours, in blocks of whole dots; nothing blurred between.
void TestExportation::pageCrispAtPrinterResolution()
{
    FenetreEnregistrement f;
    routeClassique(f, 60);
    const QImage source = f.form.imageEnregistrements();
    QImage page(1654, 1169, QImage::Format_RGB32); // A4 landscape
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);
    page.fill(Qt::white);
    QPainter peintre(&page);
    const MiseEnPage mise = dessinePage(peintre, page.rect(), 150, f.form.legendeEnregistrements(),
                                        source, f.form.situation().elementsDuSchema());
    peintre.end();
    const int facteur = mise.image.width() / source.width();
    QVERIFY(facteur >= 1);
    QCOMPARE(mise.image.size(), source.size() * facteur);
    for (int y = 0; y < mise.image.height(); ++y) {
        for (int x = 0; x < mise.image.width(); ++x) {
            if (page.pixel(mise.image.topLeft() + QPoint(x, y)) !=
                source.pixel(x / facteur, y / facteur))
                QFAIL(qPrintable(QStringLiteral("dot %1, %2").arg(x).arg(y)));
        }
    }
}

void TestExportation::printsOneLandscapePage()
{
    FenetreEnregistrement f;
    routeClassique(f, 30);
    const QString pdf = m_dossier.filePath(QStringLiteral("page.pdf"));
    f.messages.printToFile = pdf;
    f.form.Imprimer();
    QFile fichier(pdf);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray contenu = fichier.readAll();
    QCOMPARE(contenu.count("/Type /Page\n"), 1);
    const QRegularExpressionMatch boite =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(contenu));
    QVERIFY(boite.hasMatch());
    QVERIFY(boite.captured(1).toDouble() > boite.captured(2).toDouble());
}

void TestExportation::pageLaidOut_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("place"); // where the image goes
    QTest::addColumn<int>("hautOrganes");
    // A4 landscape at 300 dpi: 3300 x 2400 printable; a caption of 60 rows,
    // four organs' lines of 50; a quarter of an inch is 75 rows. The room
    // for the image: 3300 wide, 2400 - 60 - 75 - 75 - 200 = 1990 high.
    QTest::addRow("strips, as wide as the page")
        << QSize(550, 300) << QRect(0, 135, 3300, 1800) << 2010;
    // Four dots a pixel: five would not fit the room's height.
    QTest::addRow("strips and curve, as high as the room")
        << QSize(550, 460) << QRect(0, 135, 2200, 1840) << 2050;
    // A tiny image, held by the room's height: 199 dots a pixel.
    QTest::addRow("as high as the room to the dot")
        << QSize(16, 10) << QRect(0, 135, 3184, 1990) << 2200;
    // Larger than the room even at one dot a pixel: made smaller.
    QTest::addRow("larger than the page") << QSize(6600, 1000) << QRect(0, 135, 3300, 500) << 710;
}

void TestExportation::pageLaidOut()
{
    QFETCH(QSize, image);
    QFETCH(QRect, place);
    QFETCH(int, hautOrganes);
    const MiseEnPage page = metEnPage(QRect(0, 0, 3300, 2400), 300, 60, image, 200);
    QCOMPARE(page.legende, QRect(0, 0, 3300, 60));
    QCOMPARE(page.image, place);
    QCOMPARE(page.organes, QRect(0, hautOrganes, 3300, 200));
}

// The image saved is a PNG file of the recordings as exported, with its
// extension added.
void TestExportation::imageSavedAsPng()
{
    FenetreEnregistrement f;
    routeClassique(f, 10);
    const QString chemin = m_dossier.filePath(QStringLiteral("image"));
    f.messages.fileNames << chemin;
    f.form.EnregistrerImage();
    QImage lue;
    QVERIFY2(lue.load(chemin + QStringLiteral(".png"), "PNG"), qPrintable(chemin));
    const QImage attendue = f.form.imageEnregistrements();
    QCOMPARE(lue.size(), attendue.size());
    // Its resolution says its size on paper: the window's, at twice the dots.
    QCOMPARE(lue.dotsPerMeterX(), attendue.dotsPerMeterX());
    lue.setDevicePixelRatio(attendue.devicePixelRatio());
    QCOMPARE(lue.convertToFormat(QImage::Format_RGB32), attendue);
}

void TestExportation::fileNamedKeptOrRefused_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("existant"); // what stands at the name before
    QTest::addColumn<MessageAnswer>("remplacer");
    QTest::addColumn<QString>("ecrit"); // the file written, empty: none
    QTest::addColumn<QString>("avertissement");
    const auto aucune = MessageAnswer::Aucune;
    QTest::addRow("new") << "a.csv"
                         << "" << aucune << "a.csv"
                         << "";
    QTest::addRow("no extension") << "b"
                                  << "" << aucune << "b.csv"
                                  << "";
    QTest::addRow("replaced") << "c.csv"
                              << "fichier" << MessageAnswer::Oui << "c.csv"
                              << "";
    QTest::addRow("kept") << "d.csv"
                          << "fichier" << MessageAnswer::Non << ""
                          << "";
    QTest::addRow("read-only file") << "r.csv"
                                    << "lecture seule" << MessageAnswer::Oui << ""
                                    << "le fichier existant est en lecture seule.";
    QTest::addRow("target is a folder") << "g.csv"
                                        << "dossier" << aucune << ""
                                        << "c'est un dossier, pas un fichier.";
    // 255 bytes at most, less the 7 of the temporary name written first.
    const QString plusLong = QString(244, QLatin1Char('n')) + ".csv";
    QTest::addRow("longest name") << plusLong << "" << aucune << plusLong << "";
    QTest::addRow("name too long") << QString(245, QLatin1Char('n')) + ".csv"
                                   << "" << aucune << ""
                                   << "le nom du fichier est trop long.";
    QTest::addRow("missing folder") << "absent/e.csv"
                                    << "" << aucune << ""
                                    << "ce dossier n'existe pas.";
    QTest::addRow("folder is a file") << "fichier/f.csv"
                                      << "" << aucune << ""
                                      << "ce dossier n'existe pas.";
}

// A name without extension takes one; an existing file is replaced only when
// the pupil says so; what cannot take the file is named in a warning with
// its reason, and nothing is left behind.
void TestExportation::fileNamedKeptOrRefused()
{
    QFETCH(QString, nom);
    QFETCH(QString, existant);
    QFETCH(MessageAnswer, remplacer);
    QFETCH(QString, ecrit);
    QFETCH(QString, avertissement);
    QTemporaryDir dossier;
    QDir racine(dossier.path());
    {
        QFile fichier(racine.filePath(QStringLiteral("fichier")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
    }
    if (existant == QLatin1String("dossier")) {
        QVERIFY(racine.mkdir(nom));
    } else if (!existant.isEmpty()) {
        QFile ancien(racine.filePath(nom));
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write("ancien");
        if (existant == QLatin1String("lecture seule"))
            QVERIFY(ancien.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
    }
    const QStringList avant = racine.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);

    FenetreEnregistrement f;
    routeClassique(f, 10);
    f.messages.fileNames << racine.filePath(nom);
    if (remplacer != MessageAnswer::Aucune)
        f.messages.answers << remplacer;
    f.form.EnregistrerValeurs();

    QStringList attendus = avant;
    if (!ecrit.isEmpty() && !attendus.contains(ecrit))
        attendus << ecrit;
    attendus.sort();
    QCOMPARE(racine.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), attendus);
    if (existant != QLatin1String("dossier") && !existant.isEmpty()) {
        QFile fichier(racine.filePath(nom));
        QVERIFY2(fichier.open(QIODevice::ReadOnly), qPrintable(fichier.fileName()));
        QCOMPARE(fichier.readAll() == "ancien", ecrit.isEmpty());
        QCOMPARE(f.messages.asked.first().text,
                 QStringLiteral("Le fichier « %1 » existe déjà. Le remplacer ?").arg(nom));
    }
    if (!ecrit.isEmpty()) {
        QList<QStringList> lignes;
        QVERIFY2(lisCsv(racine.filePath(ecrit), lignes), qPrintable(ecrit));
        QCOMPARE(lignes.size(), 11);
    }
    QList<ScriptedMessages::Question> avertissements;
    for (const ScriptedMessages::Question &question : std::as_const(f.messages.asked)) {
        if (question.kind == MessageKind::Avertissement)
            avertissements << question;
    }
    QCOMPARE(avertissements.size(), avertissement.isEmpty() ? 0 : 1);
    if (!avertissement.isEmpty()) {
        QCOMPARE(avertissements.first().text,
                 QStringLiteral("Impossible d'enregistrer « %1 » : %2")
                     .arg(QDir::toNativeSeparators(racine.filePath(nom)), avertissement));
    }
    // The recording goes on untouched.
    QCOMPARE(f.form.situation().releve().lignes().size(), 10);
    QVERIFY(f.form.TimerCapteur->isRunning());
}

void TestExportation::dialogsSuspendTheMechanism_data()
{
    QTest::addColumn<bool>("enMarche");
    QTest::addColumn<int>("action");
    for (int action = 0; action < 3; ++action) {
        QTest::addRow("running, action %d", action) << true << action;
        QTest::addRow("stopped, action %d", action) << false << action;
    }
}

// While a file or printer is asked for, the mechanism is stopped; afterwards
// it is as it was.
void TestExportation::dialogsSuspendTheMechanism()
{
    QFETCH(bool, enMarche);
    QFETCH(int, action);
    FenetreEnregistrement f;
    routeClassique(f, 5);
    if (!enMarche)
        f.form.ButtonMarche->click();
    bool tourne = true;
    f.messages.duringDialog = [&] { tourne = f.form.TimerCapteur->isRunning(); };
    const std::array<void (TForm1::*)(), 3> actions{&TForm1::EnregistrerImage,
                                                    &TForm1::EnregistrerValeurs, &TForm1::Imprimer};
    (f.form.*actions[std::size_t(action)])();
    QVERIFY(!tourne);
    QCOMPARE(f.form.TimerCapteur->isRunning(), enMarche);
    QCOMPARE(f.form.etat().MecanismeEnMarche, enMarche);
}

void TestExportation::copyShortcutLeavesSelectedText_data()
{
    QTest::addColumn<bool>("selection");
    QTest::addRow("text selected") << true;
    QTest::addRow("nothing selected") << false;
}

// Ctrl+C in a value field copies its selected text, else the recordings.
void TestExportation::copyShortcutLeavesSelectedText()
{
    QFETCH(bool, selection);
    FenetreEnregistrement f;
    f.form.show();
    QApplication::setActiveWindow(&f.form);
    QVERIFY(QTest::qWaitForWindowActive(&f.form));
    routeClassique(f, 5);
    QApplication::clipboard()->clear();
    f.form.EditValeurConsigne->setFocus();
    if (selection)
        f.form.EditValeurConsigne->selectAll();
    else
        f.form.EditValeurConsigne->deselect();
    QTest::keyClick(f.form.EditValeurConsigne, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), selection ? QStringLiteral("50") : QString());
    QCOMPARE(QApplication::clipboard()->image().isNull(), selection);
}

QTEST_MAIN(TestExportation)
#include "tst_exportation.moc"
