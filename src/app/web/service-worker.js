// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page and the program for visits without a network. Whatever the network
// gives is taken and kept (the browser's HTTP cache answers for what has not changed), so
// a new version shows on the next visit; without a network the kept copy answers.
"use strict";
const kept = "kvarnel";
const files = ["./", "qtloader.js", "kvarnel.js", "kvarnel.wasm", "kvarnel.svg",
               "kvarnel.webmanifest"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(kept).then((cache) => cache.addAll(files)));
  self.skipWaiting();
});

self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin)
    return;
  event.respondWith(fetch(request, { cache: "no-cache" }).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(kept).then((cache) => cache.put(request, copy));
    }
    return response;
  }, () => caches.match(request, { ignoreSearch: true })));
});
