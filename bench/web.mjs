// SPDX-License-Identifier: GPL-3.0-or-later
// The web build's figures in headless Chromium: the time from asking for the
// page to the scheme's first frame, what the browser receives for it at the
// first visit (the server sending the site's brotli files), and the sensor's
// ticks a second at the top speed (the program prints them once a second with
// ?cadence=1).
//     node bench/web.mjs SITE_FOLDER [SECONDS]
import {attend, chromium, pixels, serveur} from '../tests/web/navigateur.mjs';

const site = process.argv[2];
const secondes = Number(process.argv[3] ?? 20);
if (!site) {
    console.error('usage: node bench/web.mjs SITE_FOLDER [SECONDS]');
    process.exit(2);
}

function mediane(valeurs) {
    const triees = [...valeurs].sort((a, b) => a - b);
    return triees[Math.floor(triees.length / 2)];
}

// The sensor's box is the first magenta of the page, in its left half.
function capteurMontre(image) {
    for (let y = 0; y < image.hauteur; y += 4) {
        for (let x = 0; x < image.largeur / 2; x += 4) {
            const [r, g, b] = image.couleur(x, y);
            if (r > 230 && g < 40 && b > 230)
                return true;
        }
    }
    return false;
}

const serveurSite = await serveur(site);
const navigateur = await chromium({largeur: 1280, hauteur: 800});
const premieres = [];
const cadences = [];
let recus = 0;
try {
    // Each a first visit: a context of its own, with nothing cached nor kept.
    for (let essai = 0; essai < 3; ++essai) {
        const contexte = await navigateur.createBrowserContext();
        const page = await contexte.newPage();
        const reseau = await page.createCDPSession();
        await reseau.send('Network.enable');
        if (essai === 0)
            reseau.on('Network.loadingFinished', e => {
                recus += e.encodedDataLength;
            });
        const debut = performance.now();
        await page.goto(serveurSite.adresse + 'index.html');
        while (!capteurMontre(await pixels(page)))
            await attend(20);
        premieres.push(performance.now() - debut);
        await reseau.detach();
        await contexte.close();
    }

    const page = await navigateur.newPage();
    page.on('console', message => {
        const trouve = /(\d+) ticks\/s/.exec(message.text());
        if (trouve)
            cadences.push(Number(trouve[1]));
    });
    await page.goto(serveurSite.adresse + 'index.html?cadence=1');
    while (!capteurMontre(await pixels(page)))
        await attend(100);
    // The speed's slider (326, 13, 152 x 30 in the window, which fills the
    // page at its own size) to its end, then "Marche" (233, 15, 60 x 25).
    await page.mouse.click(326 + 76, 13 + 10);
    await page.keyboard.press('End');
    await page.mouse.click(233 + 30, 15 + 12);
    await attend(1000 * secondes);
    await page.close();
} finally {
    await navigateur.close();
    serveurSite.ferme();
}
// The first seconds warm up; the rest is the steady rate.
const stables = cadences.slice(2);
const ligne = (nom, valeurs, unite) =>
    console.log(`${nom.padEnd(26)}${mediane(valeurs).toFixed(1).padStart(10)}` +
                `${Math.min(...valeurs).toFixed(1).padStart(11)}` +
                `${Math.max(...valeurs).toFixed(1).padStart(11)}  ${unite}`);
console.log(`${'figure'.padEnd(26)}${'median'.padStart(10)}${'min'.padStart(11)}${'max'.padStart(11)}  unit`);
ligne('web_premiere_image', premieres, 'ms');
ligne('web_octets_recus', [recus / 1048576], 'MiB');
if (stables.length)
    ligne('web_cadence', stables, 'ticks/s');
else
    console.log('web_cadence: no rate printed');
process.exit(stables.length ? 0 : 1);
