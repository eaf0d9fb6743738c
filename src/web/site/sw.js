// Keeps the site's own files for offline use and serves them from that cache;
// what it does not keep (the licence texts, the install dialog's pictures,
// the installed page's icons) is fetched. The build writes the file list and
// a cache name drawn from their contents. A new version is installed beside the
// open one and waits until the page, asked by its user, lets it take over, so
// a page never finds new files under its old script.
const CACHE = 'wagecourt-@CACHE_VERSION@';
const FILES = ['@SITE_FILES@'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('message', (event) => {
  if (event.data === 'activate') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
