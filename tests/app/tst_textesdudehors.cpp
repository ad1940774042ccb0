// SPDX-License-Identifier: GPL-3.0-or-later
// Guards what comes from outside as text: every box of the program that
// quotes a file's path, a lesson's or an upload's name, a system's name or a
// file's text shows it letter for letter in the real message box, and so do
// the window's title and a shortened name's tooltip.
#include "app/editeursystemes.h"
#include "app/seances.h"
#include "app/tform1.h"
#include "app/window_services/messageservice.h"
#include "countingbeeper.h"
#include "messageboxanswer.h"
#include "systems/descriptionsysteme.h"
#include "tests/systems/systemecalcemie.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

namespace {

const QString balises = QStringLiteral("<h1>GROS<h1>&amp;<i>zz");
// A file's name as markup where a file may bear one (Windows refuses "<").
#ifdef Q_OS_WIN
const QString fichierBalise = QStringLiteral("GROS&amp;zz");
#else
const QString fichierBalise = balises;
#endif

// The real boxes; the file to save into is named without its dialog.
class BoitesReelles : public MessageBoxService
{
public:
    QString fichier;
    QString askSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fichier;
    }
};

struct Fenetre
{
    BoitesReelles messages;
    CountingBeeper beeper;
    TForm1 form{messages, beeper};
};

QByteArray seance(const QString &systeme, const std::optional<ConfigurationSysteme> &enseignant)
{
    Situation s;
    s.systeme = systeme;
    s.systemeEnseignant = enseignant;
    return ecritSeance(s);
}

void ecrit(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

void adopteEtChoisit(TForm1 &form, const QString &nom, const ConfigurationSysteme &systeme)
{
    QVERIFY(form.registre().adopte({nom, systeme}).isEmpty());
    form.ComboBoxSysteme->setCurrentText(nom);
    form.ComboBoxSystemeChange();
}

using Scenario = std::function<void(Fenetre &, const QString &dossier)>;

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestTextesDuDehors : public QObject
{
    Q_OBJECT

private slots:
    void everyBoxShowsItAsWritten_data();
    void everyBoxShowsItAsWritten();
    void titleAndShortenedNameShowItAsWritten();
};

void TestTextesDuDehors::everyBoxShowsItAsWritten_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QString>("cite"); // what the box quotes, letter for letter
    QTest::addRow("a lesson's system") << Scenario([](Fenetre &f, const QString &dossier) {
        const QString chemin = dossier + QStringLiteral("/a.regulation");
        ecrit(chemin, seance(balises, std::nullopt));
        f.form.seances()->ouvre(chemin);
    }) << QStringLiteral("« %1 » n'est pas un système de la liste.").arg(balises);
    QTest::addRow("a file's path") << Scenario([](Fenetre &f, const QString &dossier) {
        f.form.seances()->ouvre(dossier + QLatin1Char('/') + balises +
                                QStringLiteral(".regulation"));
    }) << balises + QStringLiteral(".regulation » : ce fichier n'existe pas.");
    QTest::addRow("an upload's name") << Scenario([](Fenetre &f, const QString &) {
        f.form.seances()->ouvreContenu(balises, QByteArray("<b>pas du JSON</b>"));
    }) << QStringLiteral("« %1 » : ce n'est pas").arg(balises);
    QTest::addRow("a stored system, removed") << Scenario([](Fenetre &f, const QString &) {
        adopteEtChoisit(f.form, balises, calcemie());
        f.form.findChild<EditeurSystemes *>()->SupprimerSysteme();
    }) << QStringLiteral("Supprimer le système « %1 » ?").arg(balises);
    QTest::addRow("a lesson that describes it otherwise")
        << Scenario([](Fenetre &f, const QString &) {
               ConfigurationSysteme ici = calcemie();
               ici.GrandPas = 4;
               adopteEtChoisit(f.form, balises, ici);
               f.form.seances()->ouvreContenu(balises + QStringLiteral(".regulation"),
                                              seance(balises, calcemie()));
           })
        << QStringLiteral("La séance « %1 » décrit autrement le système « %1 ».").arg(balises);
    QTest::addRow("a file saved over") << Scenario([](Fenetre &f, const QString &dossier) {
        f.messages.fichier =
            dossier + QLatin1Char('/') + fichierBalise + QStringLiteral(".regulation");
        ecrit(f.messages.fichier, "ancienne");
        f.form.seances()->Enregistrer();
    }) << QStringLiteral("Le fichier « %1.regulation » existe déjà.").arg(fichierBalise);
}

// Read back from the box as it opens: its label takes the text as plain
// text, which holds the quotation whole.
void TestTextesDuDehors::everyBoxShowsItAsWritten()
{
    QFETCH(Scenario, scenario);
    QFETCH(QString, cite);
    QTemporaryDir dossier;
    Fenetre f;
    SeenMessageBox vue;
    whenMessageBoxOpens(&vue, [](QMessageBox *box) { box->done(-1); });
    scenario(f, dossier.path());
    QVERIFY2(vue.text.contains(cite), qPrintable(vue.text));
    QCOMPARE(vue.format, Qt::PlainText);
}

// A lesson named in markup with the title's mark "[*]", a teacher's centre
// too wide for its box and written in markup.
void TestTextesDuDehors::titleAndShortenedNameShowItAsWritten()
{
    Fenetre f;
    f.form.show();
    // Uploaded: a name no file system need hold.
    const QString nom = QStringLiteral("<i>[*]x<i>");
    QVERIFY(f.form.seances()->ouvreContenu(nom + QStringLiteral(".regulation"),
                                           seance(QStringLiteral("Homéothermie"), std::nullopt)));
    QCOMPARE(f.form.windowHandle()->title(), nom + QStringLiteral(" — Systèmes de régulation"));

    ConfigurationSysteme large = calcemie();
    large.TexteCentreIntegrateur = QStringLiteral("<b>Hypothalamus</b> antérieur et postérieur");
    adopteEtChoisit(f.form, QStringLiteral("Large"), large);
    const QString montre = f.form.LabelCentreIntegrateur->text();
    QVERIFY2(montre.endsWith(QChar(0x2026)) &&
                 large.TexteCentreIntegrateur.startsWith(montre.chopped(1)),
             qPrintable(montre));
    QTextDocument bulle;
    bulle.setHtml(f.form.LabelCentreIntegrateur->toolTip());
    QCOMPARE(bulle.toPlainText(), large.TexteCentreIntegrateur);
    QCOMPARE(f.form.ImageCentreIntegrateur->accessibleName(), large.TexteCentreIntegrateur);
    // The list's own six are never shortened.
    f.form.ComboBoxSysteme->setCurrentText(
        QStringLiteral("Pression artérielle (Activité cardiaque)"));
    f.form.ComboBoxSystemeChange();
    QCOMPARE(f.form.LabelCapteur->text(),
             QStringLiteral("Capteurs ventriculaires aortiques et sinusaux"));
    QVERIFY(f.form.LabelCapteur->toolTip().isEmpty());
}

QTEST_MAIN(TestTextesDuDehors)
#include "tst_textesdudehors.moc"
