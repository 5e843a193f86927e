"""Headless Chromium driven through chromedriver, for the web edition's tests and tools."""
import atexit
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'


def start(language='en-US', width=800, height=600):
    """A fresh browser with its own profile, in the given language, logging the console
    and the network."""
    profile = tempfile.mkdtemp(prefix='bisectors-chromium-')
    atexit.register(shutil.rmtree, profile, ignore_errors=True)
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                 '--no-first-run', '--disable-background-networking',
                 '--disable-component-update', '--disable-sync',
                 '--user-data-dir=' + profile,
                 f'--window-size={width},{height}', f'--lang={language}',
                 f'--accept-lang={language}'):
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL', 'performance': 'ALL'})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
