// Firefox ESR (Debian's firefox-esr) for the web tests, driven by puppeteer-core over
// WebDriver BiDi: browser.py's Firefox talks to it in JSON lines, one command a line on
// standard input ({"op", ...arguments}), one answer a line on standard output
// ({"value"} or {"error"}). Nothing is downloaded: the browser is the system's.
'use strict';
const readline = require('readline');
const puppeteer = require('puppeteer-core');

let browser;
let page;
let preload; // the script run before the page's own, for the current load
let problems = [];
let requests = [];

const ops = {
    // A fresh browser with its own profile; prefs: Firefox preferences.
    async launch({ executable, prefs }) {
        browser = await puppeteer.launch({
            browser: 'firefox',
            executablePath: executable,
            protocol: 'webDriverBiDi',
            headless: true,
            extraPrefsFirefox: prefs,
        });
        // A tab of its own: the tab Firefox starts with never gets the focus here, and
        // without it no :focus or :focus-visible matches (document.hasFocus() is false).
        const first = await browser.pages();
        page = await browser.newPage();
        for (const other of first) await other.close();
        page.on('console', (message) => {
            if (message.type() === 'error') problems.push(`console: ${message.text()}`);
        });
        page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
        page.on('request', (request) => requests.push(request.url()));
    },
    async open({ url, width, height, script }) {
        await page.setViewport({ width, height });
        if (preload) {
            await page.removeScriptToEvaluateOnNewDocument(preload);
            preload = undefined;
        }
        if (script) ({ identifier: preload } = await page.evaluateOnNewDocument(script));
        problems = [];
        requests = [];
        await page.goto(url, { waitUntil: 'load' });
    },
    // The body of a function, called with the arguments; a promise it returns is awaited.
    async run({ script, args }) {
        const call = `(async function () {\n${script}\n}).apply(null, ${JSON.stringify(args)})`;
        return page.evaluate(call);
    },
    async click({ id }) {
        await page.click(`#${id}`);
    },
    async type({ id, text }) {
        await page.type(`#${id}`, text);
    },
    // Keys by their KeyboardEvent.key names ("Tab"), with modifiers as "Shift+Tab"; other
    // texts are typed.
    async press({ keys }) {
        for (const key of keys) {
            if (/^(([A-Z][A-Za-z]+\+)*[A-Z][A-Za-z0-9]+|([A-Z][A-Za-z]+\+)+.)$/.test(key)) {
                const parts = key.split('+');
                for (const part of parts) await page.keyboard.down(part);
                for (const part of parts.reverse()) await page.keyboard.up(part);
            } else {
                await page.keyboard.type(key);
            }
        }
    },
    // The page printed to PDF, on the paper its CSS asks for (the answer key's A4).
    async pdf({ path }) {
        await page.pdf({ path, preferCSSPageSize: true, printBackground: true });
    },
    async screenshot({ path, id }) {
        if (id) await (await page.$(`#${id}`)).screenshot({ path });
        else await page.screenshot({ path });
    },
    async problems() {
        return problems;
    },
    async requests() {
        return requests;
    },
    async quit() {
        await browser?.close();
        browser = undefined;
    },
};

const lines = readline.createInterface({ input: process.stdin });
const answer = (reply) => process.stdout.write(`${JSON.stringify(reply)}\n`);
let queue = Promise.resolve();
lines.on('line', (line) => {
    queue = queue.then(async () => {
        const { op, ...args } = JSON.parse(line);
        try {
            answer({ value: (await ops[op](args)) ?? null });
        } catch (error) {
            answer({ error: String(error?.stack ?? error) });
        }
    });
});
lines.on('close', () => queue.then(() => ops.quit()));
