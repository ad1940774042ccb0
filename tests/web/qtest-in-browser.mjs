// SPDX-License-Identifier: GPL-3.0-or-later
// CTest's runner for the web build: runs one Qt Test program in Chromium, then
// in Firefox ESR, prints its reports as the program writes them, and exits
// with the first failing status (0 when both pass). The program's folder is served as a site, with a page of our own
// that starts it with the given arguments and the test's settings
// (QT_LOGGING_RULES and REGULATION_* from this environment).
//     node tests/web/qtest-in-browser.mjs PROGRAM.js [ARGUMENTS...]
import fs from 'node:fs';
import path from 'node:path';
import {moteurs, serveur} from './navigateur.mjs';

const [programme, ...argumentsTest] = process.argv.slice(2);
if (!programme || !programme.endsWith('.js')) {
    console.error('usage: node tests/web/qtest-in-browser.mjs PROGRAM.js [ARGUMENTS...]');
    process.exit(2);
}
const dossier = path.dirname(path.resolve(programme));
const nom = path.basename(programme, '.js');
const delaiMs = 1000 * Number(process.env.REGULATION_WEB_TEST_TIMEOUT ?? 280);

const environnement = Object.fromEntries(
    Object.entries(process.env).filter(([cle]) => cle === 'QT_LOGGING_RULES' ||
                                                  cle.startsWith('REGULATION_')));
const page = `<!doctype html><html lang="fr"><head><meta charset="utf-8">
<style>html, body { margin: 0; height: 100%; overflow: hidden } canvas { width: 100%; height: 100% }</style>
</head><body><canvas id="toile"></canvas><script src="qtloader.js"></script><script>
const chargeur = QtLoader({canvasElements: [document.getElementById('toile')],
                           environment: ${JSON.stringify(environnement)},
                           showError: texte => console.log('__FIN__ 125 ' + texte)});
// Where the program's faces are embedded, as for the program itself.
self.moduleConfig.thisProgram = '/app/systemes-regulation';
self.moduleConfig.arguments = ${JSON.stringify(argumentsTest)};
self.moduleConfig.print = texte => console.log('__SORTIE__' + texte);
self.moduleConfig.printErr = texte => console.log('__SORTIE__' + texte);
self.moduleConfig.quit = (code, exception) =>
    console.log('__FIN__ ' + (exception && exception.name === 'ExitStatus' ? code : 134));
self.moduleConfig.onAbort = texte => console.log('__FIN__ 134 ' + texte);
chargeur.loadEmscriptenModule('${nom}');
</script></body></html>`;
fs.writeFileSync(path.join(dossier, `${nom}.test.html`), page);

// The program in one engine: its report, and its status.
async function lanceDans(nomMoteur, lance) {
    console.log(`${nom} in ${nomMoteur}:`);
    const navigateur = await lance();
    try {
        const onglet = await navigateur.newPage();
        const fin = new Promise(resolve => {
            onglet.on('console', message => {
                const texte = message.text();
                if (texte.startsWith('__SORTIE__'))
                    console.log(texte.slice('__SORTIE__'.length));
                else if (texte.startsWith('__FIN__ '))
                    resolve(texte.slice('__FIN__ '.length));
            });
            onglet.on('pageerror', erreur => resolve(`134 ${erreur}`));
        });
        await onglet.goto(`${site.adresse}${nom}.test.html`);
        const resultat = await Promise.race(
            [fin, new Promise(resolve => setTimeout(() => resolve('124 no end after ' +
                                                                  delaiMs / 1000 + ' s'), delaiMs))]);
        const [code, ...raison] = resultat.split(' ');
        if (raison.length)
            console.log(`${nom}: ${raison.join(' ')}`);
        return Number(code);
    } finally {
        await navigateur.close();
    }
}

const site = await serveur(dossier);
let statut = 0;
try {
    for (const [nomMoteur, lance] of moteurs)
        statut ||= await lanceDans(nomMoteur, lance);
} finally {
    site.ferme();
    fs.rmSync(path.join(dossier, `${nom}.test.html`), {force: true});
}
process.exit(statut);
