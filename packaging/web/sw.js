// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps Systèmes de régulation for use without the network: at its install
// every file of this publication goes into a cache named after it; the page
// is then served from there. A new publication brings a new copy of this
// script (its name and files written in by the site's build), which the
// browser installs at the next visit: it takes the new files and drops the
// caches of earlier publications.
'use strict';

const publication = '@PUBLICATION@';
const fichiers = @FICHIERS@;
const prefixe = 'systemes-regulation-';
const cache = prefixe + publication;

self.addEventListener('install', evenement => {
    evenement.waitUntil(caches.open(cache)
                            .then(c => c.addAll(fichiers.map(f => new Request(f, {cache: 'reload'}))))
                            .then(() => self.skipWaiting()));
});

self.addEventListener('activate', evenement => {
    evenement.waitUntil(caches.keys()
                            .then(noms => Promise.all(noms.filter(n => n.startsWith(prefixe) && n !== cache)
                                                          .map(n => caches.delete(n))))
                            .then(() => self.clients.claim()));
});

// The program's own files from the cache (the page's address may carry a
// lesson's name: it is the same page). A lesson placed beside the page later
// by the teacher comes from the network, and from the cache once seen.
self.addEventListener('fetch', evenement => {
    const requete = evenement.request;
    if (requete.method !== 'GET' || new URL(requete.url).origin !== location.origin)
        return;
    const lecon = new URL(requete.url).pathname.toLowerCase().endsWith('.regulation');
    evenement.respondWith((async () => {
        const c = await caches.open(cache);
        if (lecon) {
            try {
                const reponse = await fetch(requete);
                if (reponse.ok)
                    await c.put(requete, reponse.clone());
                return reponse;
            } catch (erreur) {
                const gardee = await c.match(requete);
                if (gardee)
                    return gardee;
                throw erreur;
            }
        }
        return (await c.match(requete, {ignoreSearch: true})) ?? fetch(requete);
    })());
});
