// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps one version of the page whole for visits without a network. Every file but the
// page itself carries a hash of its content in its name, so a page can only ever load the
// files it was made with; this worker, new with each version, keeps that version's set
// before it takes over and drops the older sets once it has. The page's generator writes
// the version's name and its files, `version` and `files`, before this.

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(version).then((cache) => cache.addAll(files)));
  self.skipWaiting();
});

self.addEventListener("activate", (event) => event.waitUntil((async () => {
  for (const name of await caches.keys())
    if (name !== version) await caches.delete(name);
  await self.clients.claim();
})()));

// The page from the network when there is one, so a new version shows at once; a file
// named by its content from the kept set, since it never changes.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin)
    return;
  if (request.mode === "navigate") {
    event.respondWith(fetch(request, { cache: "no-cache" })
      .catch(() => caches.match("./", { cacheName: version })));
    return;
  }
  event.respondWith(caches.match(request, { cacheName: version, ignoreSearch: true })
    .then((kept) => kept || fetch(request)));
});
