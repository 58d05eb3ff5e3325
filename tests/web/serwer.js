// A static web server for the page's tests and benchmark: the files of one
// folder, on 127.0.0.1 at a free port, with the types a web host gives them.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8', '.wasm': 'application/wasm',
};

// Resolves to the listening server; its address is `url(server)`. With
// gzip, text goes compressed to a browser that takes it, as static hosts
// send it; with maxAge, every file may be cached that many seconds; with
// port, at that port, as the same host again.
exports.serve = (folder, { gzip = false, maxAge = null, port = 0 } = {}) => {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname)
      .replace(/^\/+/, '').replace(/(^|\/)$/, '$1index.html');
    const file = path.join(folder, name);
    if (name.split('/').includes('..') || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const type = TYPES[path.extname(file)] || 'application/octet-stream';
    let body = fs.readFileSync(file);
    const headers = { 'Content-Type': type };
    if (maxAge !== null) {
      headers['Cache-Control'] = `max-age=${maxAge}`;
    }
    if (gzip && /text|javascript|json/.test(type) &&
        /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = zlib.gzipSync(body);
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers);
    response.end(body);
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
};

exports.url = (server) => `http://127.0.0.1:${server.address().port}/`;

// Closes the server and every connection kept alive, as a host gone offline.
exports.stop = (server) => {
  server.closeAllConnections();
  return new Promise((resolve) => server.close(resolve));
};
