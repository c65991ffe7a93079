#!/usr/bin/env python3
"""Tests of gen_dictionaries.py and of the word lists and rules in data/dictionaries.

    python3 -m unittest discover -s tools -p 'test_*.py'
"""

import os
import re
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import gen_dictionaries as gen  # noqa: E402

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "dictionaries")
LEVELS_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), gen.LEVELS_FILE)


class ExpandLine(unittest.TestCase):
    # (source line, [(form, base, lower_only), ...])
    CASES = [
        # An empty alternative gives the stem itself, first or last.
        ("актёр(|а|ом)", [("актёр", "актёр", False), ("актёра", "актёр", False), ("актёром", "актёр", False)]),
        ("стём(а|ов|)", [("стёма", "стём", False), ("стёмов", "стём", False), ("стём", "стём", False)]),
        # The ё may be in the endings only; the base stays as written.
        ("авиаперел(ёт|ёте)", [("авиаперелёт", "авиаперел", False), ("авиаперелёте", "авиаперел", False)]),
        ("бадь(ёй|ёю)", [("бадьёй", "бадь", False), ("бадьёю", "бадь", False)]),
        # No group: the line is the form and its own base.
        ("ещё", [("ещё", "ещё", False)]),
        # Capitalised entries keep their letter case here; the caller decides where they go.
        ("Ёлкин(|а)", [("Ёлкин", "Ёлкин", False), ("Ёлкина", "Ёлкин", False)]),
        # A comment is cut off and what is left trimmed.
        ("Грёз(|е)# Ирма Грезе — надзирательница концлагерей", [("Грёз", "Грёз", False), ("Грёзе", "Грёз", False)]),
        ("лён# лен — единица административно-территориального деления", [("лён", "лён", False)]),
        ("лён  # лен (единица деления) ", [("лён", "лён", False)]),
        # The lower-case-only marker, on a single word and on every form of a line.
        ("_киёв# город Киев", [("киёв", "киёв", True)]),
        ("_берёзник(ам|и)", [("берёзникам", "берёзник", True), ("берёзники", "берёзник", True)]),
        # Nothing to take.
        ("# только комментарий", []),
        ("", []),
        ("ёж()", [("ёж", "ёж", False)]),
        # Several groups or text after the group: every piece after the stem is appended to the
        # stem, and the last piece is dropped.
        ("ёж(а|у)ик(ов)", [("ёжа", "ёж", False), ("ёжу", "ёж", False), ("ёжик", "ёж", False), ("ёжов", "ёж", False)]),
        ("ёж(а|у)ик", [("ёжа", "ёж", False), ("ёжу", "ёж", False)]),
    ]

    def test_table(self):
        for line, expected in self.CASES:
            with self.subTest(line=line):
                self.assertEqual(gen.expand_line(line), expected)

    def test_odd_grouping_is_reported(self):
        for line, odd in [("актёр(|а)", False), ("ещё", False), ("ёж(а|у)ик(ов)", True), ("ёж(а|у)ик", True),
                          ("ёж)а(", True)]:
            with self.subTest(line=line):
                self.assertEqual(gen.odd_grouping(line), odd)
        warnings = []
        gen.read_forms("ёж(а|у)ик\n", "safe.txt", warnings.append)
        self.assertEqual(len(warnings), 1)
        self.assertIn("safe.txt:1", warnings[0])


class ReadForms(unittest.TestCase):
    def test_skips_what_cannot_be_a_word_with_yo(self):
        warnings = []
        forms = gen.read_forms("\nёж(а|у|ик)\nлес(а|у)\nшёл ся\nпришёл\r\n\n", "safe.txt", warnings.append)
        self.assertEqual([f.word for f in forms], ["ёжа", "ёжу", "ёжик", "пришёл"])
        self.assertEqual([f.line_no for f in forms], [2, 2, 2, 5])
        self.assertEqual(len(warnings), 3)  # леса, лесу, «шёл ся»

    def test_hyphenated_word_is_a_word(self):
        forms = gen.read_forms("всё-таки\n", "not_safe.txt", lambda m: None)
        self.assertEqual([f.word for f in forms], ["всё-таки"])

    def test_case_sensitivity(self):
        for line, sensitive in [("ёжик", False), ("Королёв", True), ("_киёв", True), ("Ёлкин", True)]:
            with self.subTest(line=line):
                (form,) = gen.read_forms(line, "safe.txt", lambda m: None)
                self.assertEqual(form.case_sensitive, sensitive)


class Build(unittest.TestCase):
    SAFE = "\n".join([
        "актёр(|а)",
        "Королёв(|а)",  # a surname: in lower case «королев» is a form of «королева»
        "_киёв# город Киев",
        "вертолёт(|ов)",
        "недешёв(ой|ым)",
        "ёж",
    ]) + "\n"
    NOT_SAFE = "\n".join([
        "всё",
        "Вертолётов",  # the same е-spelling as the always-ё «вертолётов»
        "Недёшев(ой|ым)",  # ditto, with the ё elsewhere
        "Берёзин(|а)",
        "берёзин(|а)",
        "Киёв# Киев — столица",
    ]) + "\n"

    def setUp(self):
        self.warnings = []
        self.result = gen.build(self.SAFE, self.NOT_SAFE, self.warnings.append)
        self.assertEqual(self.warnings, [])

    def test_unambiguous_holds_only_lower_case_safe_entries(self):
        self.assertEqual(self.result.unambiguous,
                         ["актёр", "актёра", "вертолёт", "вертолётов", "недешёвой", "недешёвым", "ёж"])

    def test_ambiguous_in_source_order_lower_case_without_repeats(self):
        self.assertEqual(self.result.ambiguous,
                         ["всё", "берёзин", "берёзина", "киёв", "королёв", "королёва"])
        self.assertEqual(self.result.moved, ["королёв", "королёва"])

    def test_shadowed_not_safe_forms_are_left_out(self):
        self.assertEqual(self.result.shadowed, [("Вертолётов", "вертолётов"), ("Недёшевой", "недешёвой"),
                                                ("Недёшевым", "недешёвым")])

    def test_no_e_spelling_in_both_lists(self):
        unambiguous = {gen.e_key(w) for w in self.result.unambiguous}
        self.assertFalse(unambiguous & {gen.e_key(w) for w in self.result.ambiguous})

    def test_morphology_first_form_wins(self):
        morphology = dict(self.result.morphology)
        self.assertEqual(len(morphology), len(self.result.morphology))
        self.assertEqual(morphology["актёра"], "актёр")
        self.assertEqual(morphology["королёва"], "королёв")
        self.assertEqual(morphology["киёв"], "киёв")  # from safe.txt, which comes first
        self.assertEqual(morphology["недёшевой"], "недёшев")  # forms of both sources are there
        self.assertEqual(morphology["берёзина"], "берёзин")

    def test_long_base_is_cut(self):
        stem = "ё" * 300
        result = gen.build(stem + "(а|у)\n", "")
        self.assertEqual({base for _, base in result.morphology}, {"ё" * 255})

    def test_clashing_unambiguous_forms_keep_the_first(self):
        warnings = []
        result = gen.build("тёле\nтелё\n", "", warnings.append)
        self.assertEqual(result.unambiguous, ["тёле"])
        self.assertEqual(len(warnings), 1)


class Levels(unittest.TestCase):
    def test_read(self):
        text = ("# a comment\n"
                "\n"
                "нём\t1\n"
                "перёд\t-1\t# with a comment\r\n"
                "  самоё\t-1  \n"
                "всё\t0\n")
        self.assertEqual(gen.read_levels(text), {"нём": 1, "перёд": -1, "самоё": -1, "всё": 0})
        self.assertEqual(list(gen.read_levels(text)), ["нём", "перёд", "самоё", "всё"])

    def test_bad_lines(self):
        for text, what in [
            ("нём 1\n", "no tab"),
            ("нём\t1\t2\n", "three fields"),
            ("нём\tодин\n", "not an integer"),
            ("нём\t+1\n", "not an integer"),
            ("Нём\t1\n", "not lower case"),
            ("нем\t1\n", "no ё"),
            ("нём\t1\nнём\t-1\n", "given twice"),
        ]:
            with self.subTest(what=what, text=text):
                with self.assertRaises(gen.LevelsError):
                    gen.read_levels(text)

    def test_error_names_the_line(self):
        with self.assertRaisesRegex(gen.LevelsError, "levels.txt:3"):
            gen.read_levels("# x\nнём\t1\nперёд\tx\n", "levels.txt")

    def test_applied_to_the_ambiguous_list(self):
        self.assertEqual(gen.ambiguous_lines(["всё", "нём", "перёд"], {"перёд": -1, "нём": 1}),
                         ["всё\t0", "нём\t1", "перёд\t-1"])
        self.assertEqual(gen.ambiguous_lines(["всё"], {}), ["всё\t0"])

    def test_form_missing_from_the_list_is_an_error(self):
        with self.assertRaisesRegex(gen.LevelsError, "ёжик"):
            gen.ambiguous_lines(["всё"], {"ёжик": 1})


class Output(unittest.TestCase):
    def test_encoding(self):
        self.assertEqual(gen.encode_lines(["ёж", "всё\t0"]),
                         b"\xef\xbb\xbf" + "ёж\r\nвсё\t0\r\n".encode("utf-8"))
        self.assertEqual(gen.encode_lines([]), b"\xef\xbb\xbf")

    def make_package(self, root):
        os.makedirs(os.path.join(root, "dictionary"))
        files = {
            "package.json": '{"name": "eyo-kernel", "version": "9.9.9"}',
            "LICENSE": "The MIT License (MIT)\n\nCopyright (c) 2025 Someone\n",
            "dictionary/safe.txt": "актёр(|а)\nКоролёв\n",
            "dictionary/not_safe.txt": "всё\n",
        }
        for name, text in files.items():
            with open(os.path.join(root, name), "w", encoding="utf-8") as f:
                f.write(text)

    @staticmethod
    def quiet_main(argv, levels_path):
        with open(os.devnull, "w") as null:
            stderr, sys.stderr = sys.stderr, null
            try:
                return gen.main(argv, levels_path)
            finally:
                sys.stderr = stderr

    def test_main_writes_the_files_the_same_every_time(self):
        with tempfile.TemporaryDirectory() as tmp:
            package = os.path.join(tmp, "package")
            out = os.path.join(tmp, "out")
            self.make_package(package)
            os.makedirs(out)
            rules = os.path.join(out, "словарь_уточнения.txt")
            with open(rules, "wb") as f:
                f.write(b"hand-written")
            levels = os.path.join(tmp, "levels.txt")
            with open(levels, "w", encoding="utf-8") as f:
                f.write("# the surname is rarer than the genitive plural of «королева»\nкоролёв\t-1\n")

            def run():
                self.assertEqual(self.quiet_main(["gen", package, out], levels), 0)
                contents = {}
                for name in sorted(os.listdir(out)):
                    with open(os.path.join(out, name), "rb") as f:
                        contents[name] = f.read()
                return contents

            first = run()
            self.assertEqual(first, run())
            self.assertEqual(first["словарь_уточнения.txt"], b"hand-written")
            self.assertEqual(first["словарь_однозначные.txt"].decode("utf-8"), "\ufeffактёр\r\nактёра\r\n")
            self.assertEqual(first["словарь_неоднозначные.txt"].decode("utf-8"), "\ufeffвсё\t0\r\nкоролёв\t-1\r\n")
            self.assertEqual(first["словарь_морфология.txt"].decode("utf-8"),
                             "\ufeffактёр\tактёр\r\nактёра\tактёр\r\nкоролёв\tкоролёв\r\nвсё\tвсё\r\n")
            licence = first["LICENSE.eyo-kernel.txt"].decode("utf-8")
            self.assertTrue(licence.startswith("The MIT License (MIT)\n\nCopyright (c) 2025 Someone\n"))
            self.assertIn("eyo-kernel@9.9.9", licence)

    def test_main_refuses_a_level_for_a_form_it_does_not_write(self):
        with tempfile.TemporaryDirectory() as tmp:
            package = os.path.join(tmp, "package")
            out = os.path.join(tmp, "out")
            self.make_package(package)
            levels = os.path.join(tmp, "levels.txt")
            with open(levels, "w", encoding="utf-8") as f:
                f.write("актёр\t1\n")  # unambiguous, so not in the ambiguous list
            self.assertEqual(self.quiet_main(["gen", package, out], levels), 1)
            self.assertFalse(os.path.exists(os.path.join(out, gen.AMBIGUOUS_FILE)))


def read_lines(name):
    path = os.path.join(DATA_DIR, name)
    with open(path, "rb") as f:
        data = f.read()
    return data, data[3:].decode("utf-8").split("\r\n")


@unittest.skipUnless(os.path.exists(os.path.join(DATA_DIR, gen.AMBIGUOUS_FILE)), "no word lists in data/dictionaries")
class CommittedFiles(unittest.TestCase):
    RULES_FILE = "словарь_уточнения.txt"
    LEVELS = {2, 1, 0, -1, -2, -999}
    GUARDED = re.compile(r"^(?:\(\*UCP\))?\(\?<!\[а-яё\]\).*\(\?!\[а-яё\]\)")

    def test_encoding(self):
        for name in [gen.UNAMBIGUOUS_FILE, gen.AMBIGUOUS_FILE, gen.MORPHOLOGY_FILE, self.RULES_FILE]:
            with self.subTest(name=name):
                data, lines = read_lines(name)
                self.assertTrue(data.startswith(b"\xef\xbb\xbf"))
                self.assertTrue(data.endswith(b"\r\n"))
                self.assertEqual(data.count(b"\n"), data.count(b"\r\n"))
                self.assertEqual(data.count(b"\r"), data.count(b"\r\n"))

    def test_word_lists_agree(self):
        _, unambiguous = read_lines(gen.UNAMBIGUOUS_FILE)
        _, ambiguous = read_lines(gen.AMBIGUOUS_FILE)
        ambiguous_words = [line.split("\t")[0] for line in ambiguous[:-1]]
        self.assertFalse({gen.e_key(w) for w in unambiguous[:-1]} & {gen.e_key(w) for w in ambiguous_words})
        for word in ["ещё", "её", "пришёл"]:
            self.assertIn(word, unambiguous)
        for word in ["всё", "королёв", "чём"]:
            self.assertIn(word, ambiguous_words)

    def test_default_levels_are_those_of_the_levels_file(self):
        with open(LEVELS_PATH, encoding="utf-8") as f:
            levels = gen.read_levels(f.read())
        self.assertTrue(levels)
        _, ambiguous = read_lines(gen.AMBIGUOUS_FILE)
        written = dict(line.split("\t") for line in ambiguous[:-1])
        for word, level in written.items():
            with self.subTest(word=word):
                self.assertEqual(int(level), levels.get(word, gen.AMBIGUOUS_LEVEL))
        self.assertLessEqual(set(levels), set(written))

    def test_rules(self):
        _, ambiguous = read_lines(gen.AMBIGUOUS_FILE)
        ambiguous_words = {line.split("\t")[0] for line in ambiguous}
        data, lines = read_lines(self.RULES_FILE)
        self.assertEqual(lines[0], ";CONTEXT")
        rules = [line for line in lines if line and not line.startswith(";")]
        self.assertTrue(rules)
        for line in rules:
            with self.subTest(rule=line):
                word, pattern, level = line.split("\t")
                # A rule is consulted only for a word of the ambiguous list, looked up in lower case.
                self.assertIn(word, ambiguous_words)
                self.assertEqual(word, word.lower())
                self.assertIn(int(level), self.LEVELS)
                self.assertRegex(pattern, self.GUARDED)


if __name__ == "__main__":
    unittest.main()
