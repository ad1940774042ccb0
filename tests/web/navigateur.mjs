// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser checks share: a local web server for a folder, Debian's
// Chromium and Firefox ESR started headless and driven (Chromium through its
// DevTools protocol, Firefox through WebDriver BiDi), and the pixels of what
// the page shows.
import {spawn} from 'node:child_process';
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
    '.regulation': 'application/x-systemes-regulation-seance',
};

// Serves `dossier` on a free port of 127.0.0.1, as a static web server set up
// as the README says would: the .wasm as application/wasm, a file's .br form
// (else its .gz form) to a browser that takes it, nothing outside the folder.
// `coupe(true)` cuts the network: every request then fails.
export async function serveur(dossier) {
    let horsLigne = false;
    const racine = path.resolve(dossier);
    const server = http.createServer((requete, reponse) => {
        const chemin = path.join(racine, decodeURIComponent(new URL(requete.url, 'http://x').pathname));
        if (horsLigne) {
            requete.socket.destroy();
            return;
        }
        if (!chemin.startsWith(racine + path.sep) || !fs.existsSync(chemin) ||
            !fs.statSync(chemin).isFile()) {
            reponse.writeHead(404).end();
            return;
        }
        const entetes = {
            'Content-Type': types[path.extname(chemin)] ?? 'application/octet-stream',
            'Vary': 'Accept-Encoding',
        };
        const acceptes = requete.headers['accept-encoding'] ?? '';
        let fichier = chemin;
        for (const [codage, extension] of [['br', '.br'], ['gzip', '.gz']]) {
            if (acceptes.includes(codage) && fs.existsSync(chemin + extension)) {
                fichier = chemin + extension;
                entetes['Content-Encoding'] = codage;
                break;
            }
        }
        reponse.writeHead(200, entetes);
        fs.createReadStream(fichier).pipe(reponse);
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return {
        adresse: `http://127.0.0.1:${server.address().port}/`,
        coupe: coupe => { horsLigne = coupe; },
        ferme: () => server.close(),
    };
}

// Chromium as this machine has it: software WebGL, no sandbox (root), no
// connection to anything but the local server. `echelle` is the screen's
// pixels to the page's, as on a HiDPI screen or with the browser's zoom.
export async function chromium({largeur = 1280, hauteur = 800, echelle = 1} = {}) {
    const profil = fs.mkdtempSync('/tmp/regulation-chromium-');
    const navigateur = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        userDataDir: profil,
        defaultViewport: {width: largeur, height: hauteur, deviceScaleFactor: echelle},
        args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
               '--disable-background-networking', '--disable-component-update', '--no-first-run',
               '--disable-sync', '--disable-quic', '--autoplay-policy=user-gesture-required'],
    });
    const fermeture = navigateur.close.bind(navigateur);
    navigateur.close = async () => {
        await fermeture();
        fs.rmSync(profil, {recursive: true, force: true});
    };
    return navigateur;
}

// A private X display (Xvfb), for a browser that draws WebGL only on one: its
// name and how to end it.
async function ecranVirtuel() {
    const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', '1920x1200x24', '-nolisten', 'tcp'],
                       {stdio: ['ignore', 'pipe', 'ignore']});
    const numero = await new Promise((resolve, reject) => {
        xvfb.stdout.once('data', donnees => resolve(String(donnees).trim()));
        xvfb.once('error', reject);
        xvfb.once('exit', () => reject(new Error('Xvfb ended at start')));
    });
    return {nom: `:${numero}`, ferme: () => xvfb.kill()};
}

// Firefox ESR as this machine has it, on a profile of its own that never
// reaches anything but the local server. Headless, it has no WebGL here: it
// runs on a private X display of its own, with Mesa's software renderer.
export async function firefox({largeur = 1280, hauteur = 800, echelle = 1} = {}) {
    const profil = fs.mkdtempSync('/tmp/regulation-firefox-');
    const ecran = await ecranVirtuel();
    const navigateur = await puppeteer.launch({
        browser: 'firefox',
        executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
        headless: false,
        env: {...process.env, DISPLAY: ecran.nom},
        userDataDir: profil,
        defaultViewport: {width: largeur, height: hauteur, deviceScaleFactor: echelle},
        extraPrefsFirefox: {
            'app.update.enabled': false,
            'browser.shell.checkDefaultBrowser': false,
            'datareporting.policy.dataSubmissionEnabled': false,
            'network.captive-portal-service.enabled': false,
            'network.connectivity-service.enabled': false,
            'media.autoplay.default': 1,
            // No graphics card here: WebGL on Mesa's software renderer.
            'webgl.force-enabled': true,
            'webgl.disable-fail-if-major-performance-caveat': true,
            'gfx.webrender.software': true,
        },
    });
    const fermeture = navigateur.close.bind(navigateur);
    navigateur.close = async () => {
        await fermeture();
        ecran.ferme();
        fs.rmSync(profil, {recursive: true, force: true});
    };
    return navigateur;
}

// The two engines the checks run in, by name.
export const moteurs = [['Chromium', chromium], ['Firefox ESR', firefox]];

// What the page shows, as pixels: a screenshot decoded here (the program
// draws with WebGL, whose canvas cannot be read back directly). Chromium
// writes 8-bit RGB or RGBA, not interlaced.
export async function pixels(page) {
    const png = Buffer.from(await page.screenshot({encoding: 'base64'}), 'base64');
    let largeur = 0, hauteur = 0, canaux = 0;
    const donnees = [];
    for (let i = 8; i < png.length;) {
        const taille = png.readUInt32BE(i);
        const type = png.toString('latin1', i + 4, i + 8);
        const contenu = png.subarray(i + 8, i + 8 + taille);
        if (type === 'IHDR') {
            largeur = contenu.readUInt32BE(0);
            hauteur = contenu.readUInt32BE(4);
            canaux = contenu[9] === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            donnees.push(contenu);
        }
        i += 12 + taille;
    }
    const brut = zlib.inflateSync(Buffer.concat(donnees));
    const ligne = largeur * canaux;
    const octets = Buffer.alloc(ligne * hauteur);
    for (let y = 0; y < hauteur; ++y) {
        const filtre = brut[y * (ligne + 1)];
        for (let x = 0; x < ligne; ++x) {
            const v = brut[y * (ligne + 1) + 1 + x];
            const a = x >= canaux ? octets[y * ligne + x - canaux] : 0;
            const b = y > 0 ? octets[(y - 1) * ligne + x] : 0;
            const c = x >= canaux && y > 0 ? octets[(y - 1) * ligne + x - canaux] : 0;
            let prediction = 0;
            if (filtre === 1) prediction = a;
            else if (filtre === 2) prediction = b;
            else if (filtre === 3) prediction = (a + b) >> 1;
            else if (filtre === 4) {
                const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
                prediction = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            }
            octets[y * ligne + x] = (v + prediction) & 0xff;
        }
    }
    return {
        largeur,
        hauteur,
        couleur(x, y) {
            const i = (Math.round(y) * largeur + Math.round(x)) * canaux;
            return [octets[i], octets[i + 1], octets[i + 2]];
        },
    };
}

export function attend(ms) {
    return new Promise(resolve => setTimeout(resolve, ms));
}
