// Runs axe-core's image-map rules over pages in headless Chromium (Debian's),
// driven through its DevTools protocol by puppeteer-core, and prints one JSON
// object: for each page, for each rule, the HTML of every node it faults.
//
//   node axe_pages.js MODULES CHROMIUM PAGE...
'use strict';
const path = require('path');
const [modules, chromium, ...pages] = process.argv.slice(2);
const puppeteer = require(path.join(modules, 'node_modules', 'puppeteer-core'));
const axe = require(path.join(modules, 'node_modules', 'axe-core'));

const RULES = ['area-alt', 'image-alt', 'link-name', 'duplicate-id', 'svg-img-alt', 'role-img-alt'];

(async () => {
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-extensions'],
  });
  const found = {};
  try {
    for (const page of pages) {
      const tab = await browser.newPage();
      await tab.goto('file://' + page, {waitUntil: 'load', timeout: 30000});
      await tab.addScriptTag({content: axe.source});
      const result = await tab.evaluate(async (rules) => {
        const r = await window.axe.run(document, {runOnly: {type: 'rule', values: rules}});
        const out = {};
        for (const v of r.violations) out[v.id] = v.nodes.map((n) => n.html);
        return out;
      }, RULES);
      found[page] = result;
      await tab.close();
    }
  } finally {
    await browser.close();
  }
  process.stdout.write(JSON.stringify(found));
})().catch((e) => {
  process.stderr.write(String(e && e.stack || e) + '\n');
  process.exit(1);
});
