// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Systèmes de régulation in the page: the loading notice, the window at
// the largest zoom that fits on a tablet or a phone, the lesson named in the
// address, the notice that replaces the window once the program has ended,
// and the files kept for use without the network.
//
// The address takes:
//   ?seance=NOM.regulation   a lesson file beside the page, opened at start
//   &cadence=1               prints the tick rate at top speed to the console
//   &journal=1               prints the start-up's steps to the console
'use strict';

// Where the program looks for its faces and Qt's French texts.
const dossierProgramme = '/app';

function affiche(texte) {
    const message = document.getElementById('message');
    message.textContent = texte;
    message.style.display = 'block';
    document.getElementById('fenetre').style.display = 'none';
}

// Only a file beside the page: a school's workspace links its own lessons,
// never another site's.
function seanceDemandee(parametres) {
    const nom = parametres.get('seance');
    if (nom === null)
        return null;
    return /^[^\/\\?#:]+\.regulation$/i.test(nom) ? nom : undefined;
}

async function chargeSeance(nom) {
    try {
        const reponse = await fetch(new URL(nom, location.href));
        return reponse.ok ? new Uint8Array(await reponse.arrayBuffer()) : null;
    } catch (erreur) {
        return null;
    }
}

// The window's whole client area, its curve shown, in the page's pixels.
const fenetre = {largeur: 640, hauteur: 590};

// A tablet or a phone shows the page's layout width across its screen: the
// page is made just wide enough for the window to fit whole, across and
// down, so that the browser shows it at the largest zoom that fits. A
// desktop browser ignores it: there the window is at its own size, and the
// browser's zoom (Ctrl +) enlarges it, crisp. (Qt 6.4 in a page mislays
// clicks when it scales the window itself.)
function ajusteLargeurPage() {
    const largeur = Math.ceil(Math.max(fenetre.largeur,
                                       fenetre.hauteur * screen.width / screen.height));
    document.querySelector('meta[name=viewport]').content = `width=${largeur}`;
}

async function demarre() {
    ajusteLargeurPage();
    window.addEventListener('orientationchange', ajusteLargeurPage);
    const parametres = new URLSearchParams(location.search);
    const argumentsProgramme = [];
    const nom = seanceDemandee(parametres);
    if (nom === undefined) {
        affiche('Le paramètre « seance » doit nommer un fichier .regulation placé à côté de ' +
                'cette page.');
        return;
    }
    if (nom !== null) {
        // Read by the program at start. A lesson that cannot be fetched is
        // still named: the program says that it cannot open it, in its own
        // words.
        globalThis.regulationSeance = {nom: nom, octets: await chargeSeance(nom)};
    }
    const environnement = {};
    const journaux = [['cadence', 'regulation.cadence'], ['journal', 'regulation.startup']]
                         .filter(([parametre]) => parametres.get(parametre) === '1')
                         .map(([, categorie]) => categorie + '.debug=true');
    if (journaux.length)
        environnement.QT_LOGGING_RULES = journaux.join(';');

    const canvas = document.getElementById('fenetre');
    const chargeur = QtLoader({
        canvasElements: [canvas],
        environment: environnement,
        showLoader: function(etat) {
            affiche(etat === 'Compiling' ? 'Préparation de Systèmes de régulation…'
                                         : 'Chargement de Systèmes de régulation…');
        },
        showError: function(erreur) {
            affiche('Systèmes de régulation ne peut pas démarrer dans ce navigateur : ' + erreur);
        },
        showExit: function() {
            affiche(chargeur.crashed ? 'Systèmes de régulation s\'est arrêté sur une erreur. ' +
                                               'Rechargez la page pour recommencer.'
                                     : 'Systèmes de régulation est terminé. Vous pouvez fermer ' +
                                               'cette page.');
        },
        showCanvas: function() {
            document.getElementById('message').style.display = 'none';
            canvas.style.display = 'block';
            gardeHorsLigne();
            return canvas;
        },
    });
    // Set after QtLoader() made them, before the program starts.
    self.moduleConfig.thisProgram = dossierProgramme + '/systemes-regulation';
    self.moduleConfig.arguments = argumentsProgramme;
    if (!chargeur.canLoadQt) {
        affiche('Ce navigateur ne peut pas exécuter Systèmes de régulation : il lui faut ' +
                'WebAssembly et WebGL. Essayez un navigateur récent (Firefox, Chrome, Edge, Safari).');
        return;
    }
    chargeur.loadEmscriptenModule('systemes-regulation');
}

// A lesson file dropped anywhere on the page opens, as on the desktop: the
// page reads it (no more than a lesson may hold, and a byte more, so that the
// program refuses a longer one in its own words) and the program takes it
// from regulationDepots. Any other drop changes nothing, and never takes the
// browser away from the program to show the file.
const tailleMaxSeance = 5 * 1024 * 1024;
globalThis.regulationDepots = [];

function porteDesFichiers(evenement) {
    return evenement.dataTransfer && evenement.dataTransfer.types.includes('Files');
}

document.addEventListener('dragover', evenement => {
    if (!porteDesFichiers(evenement))
        return;
    evenement.preventDefault();
    evenement.stopPropagation();
    evenement.dataTransfer.dropEffect = evenement.dataTransfer.items.length === 1 ? 'copy' : 'none';
}, true);

document.addEventListener('drop', async evenement => {
    if (!porteDesFichiers(evenement))
        return;
    evenement.preventDefault();
    evenement.stopPropagation();
    const fichiers = evenement.dataTransfer.files;
    if (fichiers.length !== 1 || !/\.regulation$/i.test(fichiers[0].name))
        return;
    const fichier = fichiers[0];
    const octets = new Uint8Array(await fichier.slice(0, tailleMaxSeance + 1).arrayBuffer());
    globalThis.regulationDepots.push({nom: fichier.name, octets: octets});
}, true);

// Once the program shows, its files are kept for visits without the network
// (sw.js): not sooner, so that keeping them never delays the first frame.
function gardeHorsLigne() {
    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('sw.js').catch(() => {});
}

// Called by the program when "Quitter" was answered yes.
globalThis.regulationEnded = function() {
    affiche('Systèmes de régulation est terminé. Vous pouvez fermer cette page.');
};

window.addEventListener('load', demarre);
