// The bill beside each package: valid CycloneDX 1.6 by the library's own
// validator; the hashes of the package and of the program at the bill's path
// in it; the libraries of THIRD-PARTY-NOTICES.txt (none for the source release),
// each with its licence.
//
// Usage: node sbom.js NOTICES PACKAGE...   (each PACKAGE.cdx.json beside it)
'use strict';
const assert = require('assert');
const crypto = require('crypto');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { Validation } = require('@cyclonedx/cyclonedx-library');

const [notices, ...packages] = process.argv.slice(2);
const sha256 = (file) => crypto.createHash('sha256').update(fs.readFileSync(file)).digest('hex');

// The package's files in DIR, as its own tools unpack it.
const UNPACK = [
  [/\.tar\.gz$/, (file, dir) => execFileSync('tar', ['-xzf', file, '-C', dir])],
  [/\.deb$/, (file, dir) => execFileSync('dpkg-deb', ['-x', file, dir])],
  [/\.zip$/, (file, dir) => execFileSync('unzip', ['-q', file, '-d', dir])],
  [/\.rpm$/, (file, dir) => execFileSync('sh', ['-c', 'rpm2cpio "$0" | cpio -idm --quiet', file],
    { cwd: dir })],
  [/\.msi$/, (file, dir) => execFileSync('msiextract', ['-C', dir, file], { stdio: 'ignore' })],
];

// "libstdc++-12-dev, libgcc-12-dev (libstdc++.a, libgcc.a)" between the
// rules of the notices: the Debian packages, and the libraries they gave.
function noticed() {
  const text = fs.readFileSync(notices, 'utf8').replace(/\r\n/g, '\n');
  const found = [...text.matchAll(/^=+\n(.+) \((.+)\)\n=+$/gm)];
  assert.ok(found.length > 0, `${notices} names no library`);
  const all = (i) => [...new Set(found.flatMap((m) => m[i].split(', ')))].sort();
  return { debian: all(1), libraries: all(2) };
}

async function main() {
  const validator = new Validation.JsonStrictValidator('1.6'); // CycloneDX 1.6
  const fromNotices = noticed();
  for (const file of packages) {
    const name = path.basename(file);
    const text = fs.readFileSync(`${file}.cdx.json`, 'utf8');
    const invalid = await validator.validate(text);
    assert.strictEqual(invalid, null, `${name}.cdx.json: ${JSON.stringify(invalid, null, 1)}`);
    const bom = JSON.parse(text);
    const hash = (component) => component.hashes.find((h) => h.alg === 'SHA-256').content;

    assert.strictEqual(bom.metadata.component.name, name);
    assert.strictEqual(hash(bom.metadata.component), sha256(file), `${name}: not this package`);

    const program = bom.components.find((c) => c['bom-ref'] === 'program');
    if (!program) {
      assert.deepStrictEqual(bom.components, [], `${name}: no program, yet components`);
      continue;
    }
    const property = (c, key) => c.properties.find((p) => p.name === key).value;
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'kalkulator-sbom-'));
    try {
      UNPACK.find(([pattern]) => pattern.test(name))[1](file, dir);
      const inside = path.join(dir, property(program, 'kalkulator:path'));
      assert.ok(fs.existsSync(inside), `${name} holds no ${property(program, 'kalkulator:path')}`);
      assert.strictEqual(hash(program), sha256(inside), `${name}: not its ${program.name}`);
    } finally {
      fs.rmSync(dir, { recursive: true, force: true });
    }

    const libraries = bom.components.filter((c) => c.type === 'library');
    assert.ok(libraries.every((c) => property(c, 'kalkulator:linkage') === 'static'));
    const unlicensed = libraries.filter((c) => !(c.licenses || []).length).map((c) => c.name);
    assert.deepStrictEqual(unlicensed, [], `${name}: libraries with no licence`);
    assert.deepStrictEqual({
      debian: [...new Set(libraries.map((c) => property(c, 'kalkulator:debian-package')))].sort(),
      libraries: libraries.map((c) => c.name).sort(),
    }, fromNotices, `${name}: other libraries than ${notices}`);
  }
  console.log(`${packages.length} passed, 0 failed`);
}

main().catch((error) => {
  console.error(error);
  console.log('0 passed, 1 failed');
  process.exit(1);
});
