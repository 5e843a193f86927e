"""The web edition in headless Chromium, opened from file:// as a copy alone in a fresh
folder: the whole job for every kind, the keyboard, the layout against the window's
description, accessibility, a narrow screen, and no network request or console error.

page_test.py REPORT_CASES PAGE LAYOUT
The cases and their expected reports come from report_cases (the native library); the
rectangles, texts and tab indices from the layout the page generator wrote.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.dont_write_bytecode = True  # nothing written into the source tree
import browser  # noqa: E402

REPORT_CASES, PAGE, LAYOUT = sys.argv[1:4]
with open(LAYOUT, encoding='utf-8') as layout_file:
    LAYOUT_DATA = json.load(layout_file)
CONTROLS = {control['id']: control for control in LAYOUT_DATA['controls']}
CASES = [json.loads(line) for line in subprocess.run(
    [REPORT_CASES], check=True, capture_output=True, text=True).stdout.splitlines()]


def shown(text):
    """A text as the page shows it: CR LF as line breaks."""
    return text.replace('\r\n', '\n')


def items(kind):
    return CONTROLS[f'List1_{kind}']['items']


class Page(unittest.TestCase):
    language = 'en-US'
    separator = '.'

    @classmethod
    def setUpClass(cls):
        folder = tempfile.mkdtemp(prefix='bisectors-page-')
        cls.addClassCleanup(shutil.rmtree, folder)
        shutil.copy(PAGE, folder)
        cls.url = 'file://' + os.path.join(folder, os.path.basename(PAGE))
        cls.driver = browser.start(cls.language)
        cls.addClassCleanup(cls.driver.quit)

    def setUp(self):
        self.driver.get(self.url)

    def element(self, control_id):
        return self.driver.find_element(By.ID, control_id)

    def radio(self, kind):
        return self.element(f'Option1_{kind}').find_element(By.TAG_NAME, 'input')

    def result(self):
        return self.driver.execute_script("return document.getElementById('Text1_0').textContent")

    def focused(self):
        return self.driver.execute_script('return document.activeElement.closest("[id]")?.id')

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def inputs(self):
        return [self.element(f'Text2_{k}').get_attribute('value') for k in range(3)]

    def labels(self):
        return [self.element(f'Label2_{k}').text for k in range(3)]

    def calculate(self, case):
        self.element(f'Option1_{case["kind"]}').click()
        for k, text in enumerate(case['inputs']):
            self.element(f'Text2_{k}').send_keys(text)
        self.element('Command1_0').click()
        self.wait_for_result(case['report'])

    def wait_for_result(self, report):
        for _ in range(50):  # the core loads asynchronously; a report follows at once
            if self.result() == shown(report):
                return
            self.driver.execute_script('return new Promise((done) => setTimeout(done, 20))')
        self.assertEqual(self.result(), shown(report))

    def test_reports_of_the_cases_typed_in(self):
        typeable = [c for c in CASES if c['separator'] == self.separator
                    and not any(set(text) & set('\t\n\r') for text in c['inputs'])]
        self.assertGreaterEqual(len({c['kind'] for c in typeable}), 3 if self.separator == '.' else 1)
        for case in typeable:
            with self.subTest(case['name']):
                self.setUp()
                self.calculate(case)
                self.assertEqual(self.inputs(), case['inputs'])
                self.assertEqual(self.labels(), items(case['kind']))


class EnglishPage(Page):
    def test_starts_as_the_window(self):
        self.assertEqual(self.driver.title, LAYOUT_DATA['title'])
        self.assertTrue(self.radio(0).is_selected())
        self.assertEqual(self.labels(), items(0))
        self.assertEqual(self.inputs(), ['', '', ''])
        self.assertEqual(self.result(), shown(CONTROLS['Text1_0']['text']))
        self.assertEqual(self.focused(), 'Text2_0')
        for k in range(3):  # a phone's keyboard of digits
            self.assertEqual(self.element(f'Text2_{k}').get_attribute('inputmode'), 'decimal')
        for control in CONTROLS.values():
            if control['kind'] in ('Label', 'OptionButton', 'CommandButton'):
                self.assertEqual(self.element(control['id']).text, control['text'])

    def test_every_control_is_where_the_window_has_it(self):
        boxes = self.driver.execute_script('''
            const form = document.querySelector('.Form').getBoundingClientRect();
            return Object.fromEntries(arguments[0].map((id) => {
                const box = document.getElementById(id).getBoundingClientRect();
                return [id, [box.left - form.left, box.top - form.top, box.width, box.height]];
            }));''', list(CONTROLS))
        form = self.element(LAYOUT_DATA['id'])
        self.assertEqual([form.size['width'], form.size['height']], LAYOUT_DATA['size'])
        for control_id, control in CONTROLS.items():
            with self.subTest(control_id):
                self.assertEqual(self.element(control_id).is_displayed(), not control['hidden'])
                if not control['hidden']:
                    self.assertEqual(boxes[control_id], control['rect'])

    def test_kind_change_relabels_and_empties_the_inputs(self):
        self.calculate(CASES[0])
        for kind in (2, 0, 1):
            self.element('Text2_1').send_keys('7')
            self.element(f'Option1_{kind}').click()
            self.assertEqual(self.labels(), items(kind))
            self.assertEqual(self.inputs(), ['', '', ''])
            self.assertEqual(self.result(), shown(CASES[0]['report']))

    def test_clear_starts_over_with_altitudes(self):
        self.calculate(next(c for c in CASES if c['kind'] == 2))
        self.element('Command1_1').click()
        self.assertTrue(self.radio(0).is_selected())
        self.assertEqual(self.labels(), items(0))
        self.assertEqual(self.inputs(), ['', '', ''])
        self.assertEqual(self.result(), '')
        self.assertEqual(self.focused(), 'Text2_0')

    def test_tab_follows_the_tab_indices(self):
        # The option buttons are one radio group: one stop, the selected one at its index.
        stops = sorted((c for c in CONTROLS.values() if not c['hidden'] and c['kind'] in
                        ('TextBox', 'OptionButton', 'CommandButton')), key=lambda c: c['tabIndex'])
        for kind in range(3):
            with self.subTest(kind=kind):
                self.element(f'Option1_{kind}').click()
                expected = [c['id'] for c in stops
                            if c['kind'] != 'OptionButton' or c['id'] == f'Option1_{kind}']
                self.driver.execute_script("document.getElementById(arguments[0]).focus()",
                                           expected[0])
                forward = [self.focused()]
                for _ in expected[1:]:
                    self.keys(Keys.TAB)
                    forward.append(self.focused())
                backward = [self.focused()]
                for _ in expected[1:]:
                    self.chord(Keys.SHIFT, Keys.TAB)
                    backward.insert(0, self.focused())
                self.assertEqual(forward, expected)
                self.assertEqual(backward, expected)

    def test_arrows_choose_the_kind(self):
        self.radio(0).send_keys(Keys.ARROW_DOWN)
        for kind, key in ((1, None), (2, Keys.ARROW_DOWN), (0, Keys.ARROW_DOWN),
                          (2, Keys.ARROW_UP)):
            if key:
                self.keys(key)
            self.assertTrue(self.radio(kind).is_selected())
            self.assertEqual(self.labels(), items(kind))

    def test_enter_in_an_input_calculates(self):
        case = CASES[0]
        self.element(f'Option1_{case["kind"]}').click()
        for k, text in enumerate(case['inputs']):
            self.element(f'Text2_{k}').send_keys(text)
        self.element('Text2_1').send_keys(Keys.ENTER)
        self.wait_for_result(case['report'])
        self.assertEqual(self.focused(), 'Text2_1')

    def test_result_is_read_only_and_copies_with_cr_lf(self):
        case = next(c for c in CASES if c['kind'] == 2)
        self.calculate(case)
        self.element('Text1_0').click()
        self.keys('xyz', Keys.BACKSPACE)
        self.assertEqual(self.result(), shown(case['report']))
        self.chord(Keys.CONTROL, 'a')
        copied = self.driver.execute_script('''
            const data = new DataTransfer();
            document.getElementById('Text1_0').dispatchEvent(
                new ClipboardEvent('copy', {clipboardData: data, bubbles: true, cancelable: true}));
            return data.getData('text/plain');''')
        self.assertEqual(copied, case['report'])

    def test_names_and_roles_for_screen_readers(self):
        self.assertEqual(self.driver.find_element(By.TAG_NAME, 'html').get_attribute('lang'),
                         LAYOUT_DATA['language'])
        spoken = {s['id']: s['text'] for s in LAYOUT_DATA['spoken']}
        for k in range(3):
            self.assertEqual(self.element(f'Text2_{k}').accessible_name, items(0)[k])
            self.assertEqual(self.radio(k).aria_role, 'radio')
        legend = self.element('Frame1_0').find_element(By.TAG_NAME, 'legend')
        self.assertEqual(legend.get_attribute('textContent'), spoken['Frame1_0'])
        self.assertEqual(self.element('Frame1_0').aria_role, 'group')
        self.assertEqual(self.element('Text1_0').accessible_name, spoken['Text1_0'])
        for control in CONTROLS.values():
            live = self.element(control['id']).get_attribute('aria-live')
            self.assertEqual(live, 'polite' if control['announced'] else None, control['id'])
        self.assertEqual(self.element('Picture1_0').accessible_name, spoken['Picture1_0'])

    def test_a_narrow_screen_shows_the_whole_window_scaled(self):
        width, height = LAYOUT_DATA['size']
        try:
            self.driver.set_window_size(320, 600)
            box = self.driver.execute_script('''
                const box = document.querySelector('.Form').getBoundingClientRect();
                return [box.left, box.width, box.height, document.documentElement.clientWidth,
                        document.documentElement.scrollWidth];''')
            self.assertEqual(box[0], 0)
            self.assertAlmostEqual(box[1], box[3], delta=0.5)
            self.assertAlmostEqual(box[2], box[1] * height / width, delta=0.5)
            self.assertEqual(box[4], box[3])  # nothing to scroll sideways
        finally:
            self.driver.set_window_size(800, 600)
        self.assertEqual(self.element(LAYOUT_DATA['id']).size['width'], width)

    def test_no_network_request_and_no_console_error(self):
        self.driver.get_log('performance')  # what the earlier tests left
        self.driver.get_log('browser')
        self.driver.get(self.url)
        self.calculate(CASES[0])
        requests = [json.loads(entry['message'])['message'] for entry in
                    self.driver.get_log('performance')]
        urls = [m['params']['request']['url'] for m in requests
                if m['method'] == 'Network.requestWillBeSent']
        self.assertIn(self.url, urls)
        self.assertEqual([u for u in urls if u != self.url and not u.startswith('data:')], [])
        self.assertEqual([e for e in self.driver.get_log('browser') if e['level'] == 'SEVERE'], [])


class BulgarianPage(Page):
    language = 'bg'
    separator = ','


del Page  # only its two languages run

if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)
