// SPDX-License-Identifier: GPL-3.0-or-later
// The web build as a pupil meets it, in Chromium and in Firefox ESR: the page loads,
// the scheme shows, crisp on a HiDPI screen, "Marche" animates the loop, a value dragged away is
// corrected, the strips draw, "Quitter" asks and then ends the program; the
// page is installable and, once seen, opens and runs without the network; a
// lesson named in the address opens, so does one dropped on the page, whose
// teacher's system is still there after a reload; and the console shows no
// error.
//     node tests/web/smoke.mjs SITE_FOLDER
import {attend, moteurs, pixels, serveur} from './navigateur.mjs';
import fs from 'node:fs';
import path from 'node:path';

// Places in the window's client area, in the window's own pixels.
const capteur = {x: 241, y: 123}; // the sensor's box, outlined on its top and left
const marche = {x: 263, y: 27};
const enregistrementSensitif = {x: 356, y: 71}; // its toggle, in the scheme's box
const quitter = {x: 566, y: 26};
const bouton = {x: 233, y: 15, largeur: 60, hauteur: 25}; // "Marche", "Arrêt"
const barreValeurReglee = {gauche: 71, haut: 145, largeur: 110, hauteur: 16};
const schema = {x: 226, y: 43, largeur: 359, hauteur: 222};
const enregistrements = {x: 15, y: 279, largeur: 568, hauteur: 155};

const echecs = [];
let moteur = '';
function verifie(condition, texte) {
    console.log(`${condition ? 'PASS' : 'FAIL'} [${moteur}]: ${texte}`);
    if (!condition)
        echecs.push(`[${moteur}] ${texte}`);
}

function magenta([r, g, b]) {
    return r > 230 && g < 40 && b > 230;
}

// The sensor's magenta box: the leftmost magenta box of the page (the
// sensor's caption, also magenta, lies to its right). Gives the zoom and
// where the window's client area starts.
function trouveCapteur(image) {
    for (let x = 0; x < image.largeur; ++x) {
        for (let y = 0; y < image.hauteur; ++y) {
            if (!magenta(image.couleur(x, y)))
                continue;
            let largeur = 0;
            while (magenta(image.couleur(x + largeur, y + 2)))
                ++largeur;
            let hauteur = 0;
            while (magenta(image.couleur(x + 2, y + hauteur)))
                ++hauteur;
            // The window's icon in its title bar has a few magenta pixels.
            if (largeur < 40 || hauteur < 16)
                continue;
            const zoom = largeur / 46;
            return {x, y, largeur, hauteur, zoom,
                    origine: {x: x - (capteur.x + 1) * zoom, y: y - (capteur.y + 1) * zoom}};
        }
    }
    return null;
}

async function attendCapteur(page, delaiMs) {
    const fin = Date.now() + delaiMs;
    while (Date.now() < fin) {
        const trouve = trouveCapteur(await pixels(page));
        if (trouve)
            return trouve;
        await attend(100);
    }
    return null;
}

// The sensor leaves its magenta within three seconds: a deviation.
async function attendEcart(page, centreCapteur) {
    for (let i = 0; i < 30; ++i) {
        if (!magenta((await pixels(page)).couleur(centreCapteur.x, centreCapteur.y)))
            return true;
        await attend(100);
    }
    return false;
}

// A PNG file's width and height, as a manifest writes them ("192x192").
function taillePng(fichier) {
    const octets = fs.readFileSync(fichier);
    return `${octets.readUInt32BE(16)}x${octets.readUInt32BE(20)}`;
}

function differences(a, b, zone, fenetre) {
    let n = 0;
    for (let y = zone.y; y < zone.y + zone.hauteur; ++y) {
        for (let x = zone.x; x < zone.x + zone.largeur; ++x) {
            const p = fenetre({x, y});
            const ca = a.couleur(p.x, p.y), cb = b.couleur(p.x, p.y);
            if (ca.some((v, i) => v !== cb[i]))
                ++n;
        }
    }
    return n;
}

const site = process.argv[2];
if (!site) {
    console.error('usage: node tests/web/smoke.mjs SITE_FOLDER');
    process.exit(2);
}
const serveurSite = await serveur(site);
// The page as a HiDPI screen or the browser's zoom at 200 % shows it.
const echelle = 2;

// Every check in one engine.
async function controle(lance) {
    const navigateur = await lance({largeur: 700, hauteur: 610, echelle});
    const erreurs = [];
    try {
        const page = await navigateur.newPage();
        page.on('console', message => {
            if (message.type() === 'error')
                erreurs.push(message.text());
        });
        page.on('pageerror', erreur => erreurs.push(String(erreur)));

        const debut = Date.now();
        await page.goto(serveurSite.adresse + 'index.html');
        const sensor = await attendCapteur(page, 120000);
        verifie(sensor !== null, 'the scheme shows, the sensor magenta');
        if (!sensor)
            throw new Error('no scheme');
        console.log(`first frame after ${Date.now() - debut} ms`);
        const z = sensor.zoom;
        verifie(sensor.largeur === 46 * echelle && sensor.hauteur === 18 * echelle,
                `the window is drawn at the screen's scale, crisp (the sensor ${sensor.largeur} x ` +
                    `${sensor.hauteur} pixels)`);
        verifie(sensor.origine.x >= 0 && sensor.origine.x <= 4 && sensor.origine.y >= 0 &&
                    sensor.origine.y <= 60,
                `the sensor is at its place in the window (window from ${sensor.origine.x}, ` +
                    `${sensor.origine.y})`);
        verifie(await page.title() === 'Systèmes de régulation', 'the page bears the window\'s title');
        // From the window's pixels to the page's.
        const ecran = p => ({x: sensor.origine.x + p.x * z, y: sensor.origine.y + p.y * z});
        // From the screen's pixels to the page's, where the pointer moves.
        const pagePx = e => ({x: e.x / echelle, y: e.y / echelle});
        const clique = async p => {
            const e = pagePx(ecran(p));
            await page.mouse.click(e.x, e.y);
        };

        // The page settles after its first frame (its canvas takes its size).
        await attend(1000);
        const arrete = await pixels(page);
        await clique(marche);
        await clique(enregistrementSensitif);
        await attend(1500);
        const avant = await pixels(page);
        await attend(700);
        const apres = await pixels(page);
        verifie(differences(arrete, avant, bouton, ecran) > 0, '"Marche" becomes "Arrêt"');
        verifie(differences(avant, apres, schema, ecran) > 0, '"Marche" animates the loop');
        verifie(differences(avant, apres, enregistrements, ecran) > 0, 'the strips draw');

        // The regulated value dragged to the left end of its bar.
        const b = barreValeurReglee;
        const pouce = pagePx(ecran({x: b.gauche + b.largeur / 2, y: b.haut + b.hauteur / 2}));
        const bout = pagePx(ecran({x: b.gauche + 17, y: b.haut + b.hauteur / 2}));
        await page.mouse.move(pouce.x, pouce.y);
        await page.mouse.down();
        await page.mouse.move(bout.x, bout.y, {steps: 8});
        await page.mouse.up();
        const centreCapteur = ecran({x: capteur.x + 24, y: capteur.y + 10});
        verifie(await attendEcart(page, centreCapteur),
                'the dragged value shows as a deviation at the sensor');
        let corrige = false;
        const finCorrection = Date.now() + 90000;
        while (!corrige && Date.now() < finCorrection) {
            await attend(500);
            corrige = magenta((await pixels(page)).couleur(centreCapteur.x, centreCapteur.y));
        }
        verifie(corrige, 'the loop corrects it: the sensor is magenta again');

        // The page waits for the answer and then goes on where it was: "Non"
        // leaves the loop running, "Oui" ends the program.
        const boite = {x: 0, y: 0, largeur: 585, hauteur: 440};
        const sansQuestion = await pixels(page);
        await clique(quitter);
        await attend(1000);
        verifie(differences(sansQuestion, await pixels(page), boite, ecran) > 500,
                '"Quitter" asks its question');
        await page.keyboard.press('Escape');
        await attend(1000);
        const apresNon = await pixels(page);
        await clique(marche);
        await attend(700);
        verifie(differences(apresNon, await pixels(page), bouton, ecran) > 0,
                'answered no, the question closes and the window goes on: "Arrêt" stops the loop');
        await clique(quitter);
        await attend(1000);
        verifie(differences(apresNon, await pixels(page), boite, ecran) > 500,
                '"Quitter" asks again');
        await page.keyboard.press('Enter');
        let fin = '';
        for (let i = 0; i < 50 && !fin.includes('Vous pouvez fermer cette page'); ++i) {
            await attend(100);
            fin = await page.$eval('#message', m => (m.style.display !== 'none' ? m.textContent : ''));
        }
        verifie(fin.includes('Vous pouvez fermer cette page'),
                'answered yes, the program ends and the page says it can be closed');

        // Installable, and kept for use without the network once seen.
        const manifeste = JSON.parse(fs.readFileSync(path.join(site, 'manifest.webmanifest'), 'utf8'));
        verifie(manifeste.name === 'Systèmes de régulation' && manifeste.lang === 'fr' &&
                    manifeste.display === 'standalone' && manifeste.icons.length >= 2 &&
                    manifeste.icons.every(i => fs.existsSync(path.join(site, i.src)) &&
                                               taillePng(path.join(site, i.src)) === i.sizes),
                'the manifest parses, in French, and its icons exist at their sizes');
        const horsLigne = await navigateur.newPage();
        horsLigne.on('pageerror', erreur => erreurs.push(String(erreur)));
        await horsLigne.goto(serveurSite.adresse + 'index.html');
        verifie(await attendCapteur(horsLigne, 120000) !== null, 'the page opens a second time');
        const gardee = await horsLigne.evaluate(async () => {
            const delai = new Promise(resolve => setTimeout(resolve, 20000));
            await Promise.race([navigator.serviceWorker.ready, delai]);
            for (let i = 0; i < 100 && !navigator.serviceWorker.controller; ++i)
                await new Promise(resolve => setTimeout(resolve, 100));
            return navigator.serviceWorker.controller !== null;
        });
        verifie(gardee, 'a service worker keeps the program once it has shown');
        // Firefox on a computer installs no web application: only Chromium
        // is asked whether it would.
        if (moteur === 'Chromium') {
            const cdp = await horsLigne.createCDPSession();
            const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
            verifie(installabilityErrors.length === 0,
                    'Chromium may install the page' +
                        (installabilityErrors.length
                             ? ': ' + installabilityErrors.map(e => e.errorId).join(', ')
                             : ''));
        }
        // The browser's offline mode where it has one to drive, and the
        // server gone in both.
        const horsLigneNavigateur = moteur === 'Chromium';
        serveurSite.coupe(true);
        if (horsLigneNavigateur)
            await horsLigne.setOfflineMode(true);
        await horsLigne.reload();
        const sansReseau = await attendCapteur(horsLigne, 120000);
        verifie(sansReseau !== null, 'without the network the page opens again');
        if (sansReseau) {
            const z = sansReseau.zoom;
            const ici = p => ({x: sansReseau.origine.x + p.x * z, y: sansReseau.origine.y + p.y * z});
            await attend(1000);
            const m = ici(marche);
            await horsLigne.mouse.click(m.x / echelle, m.y / echelle);
            await attend(1500);
            const avant = await pixels(horsLigne);
            await attend(700);
            verifie(differences(avant, await pixels(horsLigne), schema, ici) > 0,
                    'without the network the loop runs');
        }
        if (horsLigneNavigateur)
            await horsLigne.setOfflineMode(false);
        serveurSite.coupe(false);
        await horsLigne.close();

        // A tablet held across: the page shows the whole window at the largest
        // zoom that fits, and a finger works it.
        const tablette = await navigateur.newPage();
        await tablette.setViewport({width: 1280, height: 800, isMobile: true, hasTouch: true});
        tablette.on('pageerror', erreur => erreurs.push(String(erreur)));
        await tablette.goto(serveurSite.adresse + 'index.html');
        const surTablette = await attendCapteur(tablette, 120000);
        verifie(surTablette !== null, 'on a tablet the scheme shows');
        if (surTablette) {
            const zt = surTablette.zoom;
            // Firefox emulates no phone's screen for a page: it lays the page
            // out as on a computer, where the window keeps its own size.
            if (moteur === 'Chromium')
                verifie(zt > 1.3 && 640 * zt <= 1280 && 590 * zt <= 800 + 2,
                        `on a tablet the window fills the screen at zoom ${zt.toFixed(2)}`);
            const doigt = p => ({x: surTablette.origine.x + p.x * zt, y: surTablette.origine.y + p.y * zt});
            // A finger lands in the page's own pixels, which the browser scales.
            const echelleTablette = await tablette.evaluate(() => visualViewport.scale);
            const touche = p => ({x: doigt(p).x / echelleTablette, y: doigt(p).y / echelleTablette});
            const arreteT = await pixels(tablette);
            await attend(1000);
            const m = touche(marche);
            await tablette.touchscreen.tap(m.x, m.y);
            await attend(1000);
            verifie(differences(arreteT, await pixels(tablette), bouton, doigt) > 0,
                    'a tap on "Marche" is a click');
            const b = barreValeurReglee;
            const depart = touche({x: b.gauche + b.largeur / 2, y: b.haut + b.hauteur / 2});
            const arrivee = touche({x: b.gauche + 17, y: b.haut + b.hauteur / 2});
            await tablette.touchscreen.touchStart(depart.x, depart.y);
            for (let i = 1; i <= 8; ++i)
                await tablette.touchscreen.touchMove(depart.x + (arrivee.x - depart.x) * i / 8, depart.y);
            await tablette.touchscreen.touchEnd();
            verifie(await attendEcart(tablette, doigt({x: capteur.x + 24, y: capteur.y + 10})),
                    'a finger drags the regulated value away');
        }
        await tablette.close();

        const lecon = await navigateur.newPage();
        lecon.on('console', message => {
            if (message.type() === 'error')
                erreurs.push(message.text());
        });
        lecon.on('pageerror', erreur => erreurs.push(String(erreur)));
        await lecon.goto(serveurSite.adresse + 'index.html?seance=fievre.regulation');
        let titre = '';
        for (let i = 0; i < 600 && titre !== 'fievre — Systèmes de régulation'; ++i) {
            await attend(100);
            titre = await lecon.title();
        }
        verifie(titre === 'fievre — Systèmes de régulation', 'a lesson named in the address opens');

        // A lesson beyond 5 MB beside the page: the program takes only what it
        // may hold, refuses it, and stays on its own title.
        const grosse = path.join(site, 'grosse.regulation');
        fs.writeFileSync(grosse, Buffer.alloc(6 * 1024 * 1024, 32));
        try {
            await lecon.goto(serveurSite.adresse + 'index.html?seance=grosse.regulation');
            await attendCapteur(lecon, 60000);
            await attend(1000);
            verifie(await lecon.title() === 'Systèmes de régulation',
                    'a lesson beyond 5 MB named in the address is refused');
        } finally {
            fs.rmSync(grosse);
        }
        // A lesson file dropped on the page opens; the teacher's system it
        // brings stays in the browser, there again after a reload.
        const depot = await navigateur.newPage();
        const journal = [];
        depot.on('console', message => {
            journal.push(message.text());
            if (message.type() === 'error')
                erreurs.push(message.text());
        });
        depot.on('pageerror', erreur => erreurs.push(String(erreur)));
        await depot.goto(serveurSite.adresse + 'index.html');
        verifie(await attendCapteur(depot, 120000) !== null, 'the page opens for a drop');
        const calcemie = fs.readFileSync(path.join(site, 'calcemie.regulation')).toString('base64');
        await depot.evaluate((nom, base64) => {
            const octets = Uint8Array.from(atob(base64), c => c.charCodeAt(0));
            const donnees = new DataTransfer();
            donnees.items.add(new File([octets], nom));
            const cible = document.getElementById('fenetre');
            for (const type of ['dragenter', 'dragover', 'drop'])
                cible.dispatchEvent(new DragEvent(type, {dataTransfer: donnees, bubbles: true,
                                                         cancelable: true}));
        }, 'calcemie.regulation', calcemie);
        titre = '';
        for (let i = 0; i < 100 && titre !== 'calcemie — Systèmes de régulation'; ++i) {
            await attend(100);
            titre = await depot.title();
        }
        verifie(titre === 'calcemie — Systèmes de régulation', 'a lesson file dropped on the page opens');
        await depot.goto(serveurSite.adresse + 'index.html?journal=1');
        let systemes = undefined;
        for (let i = 0; i < 600 && systemes === undefined; ++i) {
            await attend(100);
            systemes = journal.map(l => /teachers' systems: (.*)/.exec(l)).find(t => t)?.[1];
        }
        verifie(systemes !== undefined && systemes.split(', ').includes('Calcémie'),
                `after a reload the teacher's system is still there (${systemes})`);
        await depot.close();

        verifie(erreurs.length === 0, 'the console shows no error' +
                                          (erreurs.length ? ': ' + erreurs.join(' | ') : ''));
    } catch (erreur) {
        verifie(false, String(erreur));
    } finally {
        await navigateur.close();
    }
}

for (const [nom, lance] of moteurs) {
    moteur = nom;
    await controle(lance);
}
serveurSite.ferme();
console.log(echecs.length ? `web smoke check: ${echecs.length} failed` : 'web smoke check: all passed');
process.exit(echecs.length ? 1 : 0);
