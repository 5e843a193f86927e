"""The three browser engines the web edition runs in, behind one small face for its tests
and tools: Chromium through chromedriver, WebKitGTK (its MiniBrowser) through
WebKitWebDriver under a private Xvfb, both with Selenium, and Firefox ESR through
puppeteer-core over WebDriver BiDi (firefox.js, in Node). All of them are Debian's.

    browser = launch('firefox', language='bg', minimum_font_size=24)
    browser.open(url, 360, 740)        # a fresh load in a viewport of that many CSS px
    browser.type('Text2_0', '3'); browser.press('Enter')
    browser.run('return document.title')
"""
import atexit
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

ENGINES = ('chromium', 'firefox', 'webkit')
CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'
FIREFOX = '/usr/bin/firefox-esr'
WEBKIT_DRIVER = '/usr/bin/WebKitWebDriver'
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
FIREFOX_BRIDGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'firefox.js')

# Keys by their KeyboardEvent.key names; modifiers joined with "+", as "Shift+Tab".
SELENIUM_KEYS = {'Tab': Keys.TAB, 'Enter': Keys.ENTER, 'Backspace': Keys.BACKSPACE,
                 'ArrowUp': Keys.ARROW_UP, 'ArrowDown': Keys.ARROW_DOWN,
                 'Shift': Keys.SHIFT, 'Control': Keys.CONTROL}


class Unsupported(Exception):
    """What this engine's driver cannot tell."""


def _temporary_folder(prefix):
    folder = tempfile.mkdtemp(prefix=prefix)
    atexit.register(shutil.rmtree, folder, ignore_errors=True)
    return folder


class Selenium:
    """What Chromium and WebKit share: a Selenium driver in `self.driver`."""

    def run(self, script, *args):
        """Runs the body of a function with the arguments; returns what it returns, after
        waiting for it if that is a promise."""
        return self.driver.execute_script(script, *args)

    def click(self, element_id):
        self.driver.find_element(By.ID, element_id).click()

    def type(self, element_id, text):
        self.driver.find_element(By.ID, element_id).send_keys(text)

    def press(self, *keys):
        """Keys to the focused element: names as "Tab" or "Control+a", or texts to type."""
        actions = ActionChains(self.driver)
        for key in keys:
            *modifiers, last = key.split('+') if len(key) > 1 else [key]
            for modifier in modifiers:
                actions.key_down(SELENIUM_KEYS[modifier])
            actions.send_keys(SELENIUM_KEYS.get(last, last))
            for modifier in reversed(modifiers):
                actions.key_up(SELENIUM_KEYS[modifier])
        actions.perform()

    def screenshot(self, path, element_id=None):
        if element_id:
            self.driver.find_element(By.ID, element_id).screenshot(path)
        else:
            self.driver.save_screenshot(path)

    def accessible(self, element_id):
        """The computed name and role of an element, for screen readers."""
        element = self.driver.find_element(By.ID, element_id)
        return element.accessible_name, element.aria_role

    def problems(self):
        """Console errors and uncaught exceptions since the last open()."""
        raise Unsupported

    def requests(self):
        """The addresses the page loaded since the last open()."""
        return self.run('''return [location.href, ...performance.getEntriesByType('resource')
                                   .map((entry) => entry.name)]''')

    def quit(self):
        self.driver.quit()


class Chromium(Selenium):
    name = 'chromium'

    def __init__(self, language, prefs):
        profile = _temporary_folder('bisectors-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync',
                     '--user-data-dir=' + profile, '--window-size=1280,800',
                     f'--lang={language}', f'--accept-lang={language}'):
            options.add_argument(flag)
        options.add_experimental_option('prefs', prefs)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL', 'performance': 'ALL'})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.preload = None

    def open(self, url, width=1280, height=800, script=None):
        """A fresh load of the page in a viewport of width x height CSS pixels, with
        `script` run before the page's own."""
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': False})
        if self.preload:
            self.driver.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument',
                                        {'identifier': self.preload})
            self.preload = None
        if script:
            self.preload = self.driver.execute_cdp_cmd(
                'Page.addScriptToEvaluateOnNewDocument', {'source': script})['identifier']
        self.driver.get_log('browser')  # what the last page left
        self.driver.get_log('performance')
        self.driver.get(url)

    def problems(self):
        return [entry['message'] for entry in self.driver.get_log('browser')
                if entry['level'] == 'SEVERE']

    def requests(self):
        messages = [json.loads(entry['message'])['message']
                    for entry in self.driver.get_log('performance')]
        return [m['params']['request']['url'] for m in messages
                if m['method'] == 'Network.requestWillBeSent']


class WebKit(Selenium):
    """MiniBrowser in a private Xvfb. Its language is the locale's (LC_ALL), compiled
    into a private folder, so that none needs to be installed; under "C" it says "C".
    Its window cannot be narrower than its tool bar: a narrower viewport is a frame of
    that size in a page of its own, and the driver works inside the frame."""
    name = 'webkit'
    LOCALES = {'C': 'C.UTF-8', 'en-US': 'en_US.UTF-8', 'bg': 'bg_BG.UTF-8'}

    def __init__(self, language):
        self.folder = _temporary_folder('bisectors-webkit-')
        locale = self.LOCALES[language]
        environment = dict(os.environ, LC_ALL=locale, LANG=locale)
        environment.pop('LANGUAGE', None)
        if not locale.startswith('C.'):
            locales = os.path.join(self.folder, 'locales')
            os.makedirs(locales)
            subprocess.run(['localedef', '-i', locale.split('.')[0], '-f', 'UTF-8',
                            os.path.join(locales, locale)], check=True)
            environment['LOCPATH'] = locales
        self.processes = []
        read, write = os.pipe()
        self.processes.append(subprocess.Popen(
            ['Xvfb', '-displayfd', str(write), '-screen', '0', '1600x1200x24', '-nolisten',
             'tcp'], pass_fds=[write], stderr=subprocess.DEVNULL))
        os.close(write)
        with os.fdopen(read) as display:
            environment['DISPLAY'] = ':' + display.readline().strip()
        port = self._free_port()
        self.processes.append(subprocess.Popen(
            [WEBKIT_DRIVER, f'--port={port}'], env=environment,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        options = WebKitOptions()
        options.binary_location = MINIBROWSER
        options.add_argument('--automation')
        for attempt in range(50):
            try:
                self.driver = webdriver.Remote(f'http://127.0.0.1:{port}', options=options)
                break
            except Exception:  # the driver is not listening yet
                if attempt == 49:
                    self.quit()
                    raise
                time.sleep(0.1)
        self.chrome = None  # the window's size around its viewport
        self.framed = False

    @staticmethod
    def _free_port():
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            return probe.getsockname()[1]

    def _viewport(self, width, height):
        """Sizes the window for a viewport of width x height; False where it cannot."""
        size = lambda: self.driver.execute_script('return [innerWidth, innerHeight]')
        if self.chrome is None:
            self.driver.set_window_size(1280, 800)
            inner = size()
            self.chrome = (1280 - inner[0], 800 - inner[1])
        self.driver.set_window_size(width + self.chrome[0], height + self.chrome[1])
        return size() == [width, height]

    def open(self, url, width=1280, height=800, script=None):
        if script:
            raise Unsupported('WebKitWebDriver runs no script before the page')
        self.driver.switch_to.default_content()
        self.framed = not self._viewport(width, height)
        if not self.framed:
            self.driver.get(url)
            return
        self._viewport(1280, max(height, 800))
        frame = os.path.join(self.folder, 'frame.html')
        with open(frame, 'w', encoding='utf-8') as page:
            page.write('<!DOCTYPE html><body style="margin:0">'
                       f'<iframe id="viewport" src="{url}" style="border:0;width:{width}px;'
                       f'height:{height}px"></iframe>')
        self.driver.get('file://' + frame)
        self.driver.switch_to.frame(self.driver.find_element(By.ID, 'viewport'))

    def press(self, *keys):
        # WebKitGTK's driver hands the keys to the window and may return before the page
        # has handled them: wait until the page has seen them released (on a loaded machine
        # that can take seconds; a key that takes the focus out of the page is never seen).
        released = lambda: self.run(
            "if (window.keysReleased === undefined) { window.keysReleased = 0;"
            " addEventListener('keyup', () => ++window.keysReleased, true); }"
            'return window.keysReleased')
        expected = released()
        for key in keys:
            *modifiers, last = key.split('+') if len(key) > 1 else [key]
            expected += len(modifiers) + (1 if last in SELENIUM_KEYS else len(last))
        super().press(*keys)
        deadline = time.monotonic() + 20
        while released() < expected and time.monotonic() < deadline:
            time.sleep(0.01)

    def accessible(self, element_id):
        # Computing them turns WebKit's accessibility on, and with it on, selecting the
        # result box's text (Ctrl+A in it) crashes the web process of WebKitGTK 2.50.
        raise Unsupported('names for screen readers')

    def screenshot(self, path, element_id=None):
        if element_id or not self.framed:
            super().screenshot(path, element_id)
            return
        # The window's picture cut to the frame (WebKit's picture of the frame element
        # itself leaves parts of it black).
        self.driver.switch_to.default_content()
        size = self.run("const box = document.getElementById('viewport');"
                        'return `${box.clientWidth}x${box.clientHeight}`')
        whole = os.path.join(self.folder, 'window.png')
        self.driver.save_screenshot(whole)
        subprocess.run(['convert', whole, '-crop', size + '+0+0', '+repage', path], check=True)
        self.driver.switch_to.frame(self.driver.find_element(By.ID, 'viewport'))

    def quit(self):
        try:
            if hasattr(self, 'driver'):
                self.driver.quit()
        finally:
            for process in reversed(self.processes):
                process.terminate()
                process.wait()


class Firefox:
    """firefox.js in Node, which needs puppeteer-core on NODE_PATH."""
    name = 'firefox'

    def __init__(self, language, prefs):
        self.bridge = subprocess.Popen(['node', FIREFOX_BRIDGE], stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, text=True, encoding='utf-8')
        self._call('launch', executable=FIREFOX,
                   prefs={'intl.accept_languages': language, **prefs})

    def _call(self, op, **arguments):
        self.bridge.stdin.write(json.dumps({'op': op, **arguments}) + '\n')
        self.bridge.stdin.flush()
        line = self.bridge.stdout.readline()
        if not line:
            raise RuntimeError('firefox.js stopped')
        answer = json.loads(line)
        if 'error' in answer:
            raise RuntimeError(answer['error'])
        return answer['value']

    def open(self, url, width=1280, height=800, script=None):
        self._call('open', url=url, width=width, height=height, script=script)

    def run(self, script, *args):
        return self._call('run', script=script, args=list(args))

    def click(self, element_id):
        self._call('click', id=element_id)

    def type(self, element_id, text):
        self._call('type', id=element_id, text=text)

    def press(self, *keys):
        self._call('press', keys=list(keys))

    def screenshot(self, path, element_id=None):
        self._call('screenshot', path=os.path.abspath(path), id=element_id)

    def accessible(self, element_id):
        raise Unsupported

    def problems(self):
        return self._call('problems')

    def requests(self):
        return self._call('requests')

    def quit(self):
        self.bridge.stdin.close()
        self.bridge.wait()


def launch(engine='chromium', language='en-US', minimum_font_size=None, default_font_size=None):
    """A fresh browser of the engine with its own profile, in the language, with the
    font size preferences given (Chromium and Firefox)."""
    prefs = {}
    if engine == 'chromium':
        if minimum_font_size:
            prefs['webkit.webprefs.minimum_font_size'] = minimum_font_size
        if default_font_size:
            prefs['webkit.webprefs.default_font_size'] = default_font_size
        return Chromium(language, prefs)
    if engine == 'firefox':
        for script in ('x-western', 'x-cyrillic'):
            if minimum_font_size:
                prefs[f'font.minimum-size.{script}'] = minimum_font_size
            if default_font_size:
                prefs[f'font.size.variable.{script}'] = default_font_size
        return Firefox(language, prefs)
    if minimum_font_size or default_font_size:
        raise Unsupported('MiniBrowser takes no font size preferences')
    return WebKit(language)
