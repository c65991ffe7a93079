#!/usr/bin/env python3
"""Builds the default word lists of tarv from the eyo-kernel ё-dictionary.

    python3 tools/gen_dictionaries.py PACKAGE_DIR [OUT_DIR]

PACKAGE_DIR is the unpacked npm package (the folder holding package.json and dictionary/);
OUT_DIR defaults to data/dictionaries. Written there:

    словарь_однозначные.txt   words always written with ё, one ё-form a line
    словарь_неоднозначные.txt words sometimes written with ё: ё-form TAB default level
    словарь_морфология.txt    ё-form TAB base shared by the forms of one source line
    LICENSE.eyo-kernel.txt    the package's licence and what was taken from it

The rule file словарь_уточнения.txt in the same folder is written by hand and left alone.

The default level of an ambiguous form is 0 unless default_levels.txt beside this script gives
another: one form a line, "ё-form TAB level", "#" starting a comment. A form there that the
ambiguous list does not hold, a form given twice, or a level that is not an integer is an error.

The word lists are UTF-8 with a byte-order mark (without it the programs read windows-1251), with
CR LF line ends, the last line ended too. Output depends only on the input: same package, same bytes.

How a source line becomes word forms (the way eyo-kernel's Dictionary.addWord reads it):
  * "#" starts a comment: the line is cut there and trimmed; what is left may be empty.
  * With "(" in the line, it is split at every "(", "|" and ")"; the first piece is the stem and
    each following piece except the last is appended to it: "стем(а|ов|)" gives стема, стемов,
    стем. Text after ")" and further groups are thus not combined the way they look
    ("a(b|c)d(e)" gives ab, ac, ad, ae; "a(b|c)d" gives ab, ac); the package has no such lines,
    and the generator warns about them.
  * A leading "_" marks a form that eyo-kernel applies to lower-case words only; an entry that
    starts with a capital letter is applied to capitalised words only. Every other entry covers
    both.

tarv looks words up ignoring letter case, so an entry that eyo-kernel keeps to one letter case
cannot be unambiguous here: «Королёв» (the surname) is spelled «королев» in lower case when it is
the genitive plural of «королева». Such entries of safe.txt go to the ambiguous list, level 0, as
does all of not_safe.txt.

A form that the lower-case safe entries give stays unambiguous even when not_safe.txt has a form
with the same е-spelling (these are surnames and places: «Вертолётов» beside «вертолётов»); the
program would never consult an ambiguous entry that an unambiguous one shadows, so those are left
out of the ambiguous list. All forms are written in lower case: lookups ignore case, and the
programs carry the ё of a dictionary form over letter by letter, looking for the lower-case «ё».
"""

import json
import os
import re
import sys
from dataclasses import dataclass

UNAMBIGUOUS_FILE = "словарь_однозначные.txt"
AMBIGUOUS_FILE = "словарь_неоднозначные.txt"
MORPHOLOGY_FILE = "словарь_морфология.txt"
LICENSE_FILE = "LICENSE.eyo-kernel.txt"

BOM = "\ufeff"
EOL = "\r\n"
AMBIGUOUS_LEVEL = 0
LEVELS_FILE = "default_levels.txt"
MAX_BASE_LENGTH = 255

_CAPITAL = re.compile(r"[А-ЯЁ]")
_WORD = re.compile(r"[А-ЯЁа-яё]+(?:-[А-ЯЁа-яё]+)*")
_GROUP_SPLIT = re.compile(r"[(|)]")


@dataclass(frozen=True)
class Form:
    """One word form expanded from a source line."""

    word: str  # as in the source, without the "_" marker
    base: str  # the stem of its line (the whole word when the line has no group)
    lower_only: bool  # the "_" marker: eyo-kernel applies it to lower-case words only
    line_no: int  # 1-based line of the source file

    @property
    def capitalised(self) -> bool:
        return _CAPITAL.match(self.word) is not None

    @property
    def case_sensitive(self) -> bool:
        return self.lower_only or self.capitalised


def e_key(word: str) -> str:
    """The е-spelling in lower case: what a lookup compares."""
    return word.lower().replace("ё", "е")


def strip_comment(raw: str) -> str:
    if "#" in raw:
        return raw.split("#", 1)[0].strip()
    return raw


def odd_grouping(line: str) -> bool:
    """True for a line whose expansion is not what it looks like (see the module notes)."""
    if "(" not in line:
        return False
    if line.count("(") != 1 or line.count(")") != 1:
        return True
    return not line.endswith(")") or line.index("(") > line.index(")")


def expand_line(raw: str):
    """The forms of one source line as (word, base, lower_only); empty for comments and empty lines."""
    line = strip_comment(raw)
    if "(" in line:
        parts = _GROUP_SPLIT.split(line)
        stem = parts[0]
        words = [stem + part for part in parts[1:-1]]
    else:
        stem = line
        words = [line]
    result = []
    base = stem[1:] if stem.startswith("_") else stem
    for word in words:
        lower_only = word.startswith("_")
        if lower_only:
            word = word[1:]
        if word:
            result.append((word, base, lower_only))
    return result


def read_forms(text: str, source_name: str, warn):
    """Every usable form of a dictionary text, in the order of the text."""
    forms = []
    # Like eyo-kernel, trim the whole text, not each line; count lines from the untrimmed text.
    first = text[:len(text) - len(text.lstrip())].count("\n") + 1
    for n, raw in enumerate(text.strip().split("\n"), start=first):
        raw = raw.rstrip("\r")
        if odd_grouping(strip_comment(raw)):
            warn(f"{source_name}:{n}: groups not of the form stem(a|b|…): «{raw}»")
        for word, base, lower_only in expand_line(raw):
            if not _WORD.fullmatch(word):
                warn(f"{source_name}:{n}: not a word, skipped: «{word}»")
                continue
            if "ё" not in word.lower():
                warn(f"{source_name}:{n}: no «ё», skipped: «{word}»")
                continue
            forms.append(Form(word, base, lower_only, n))
    return forms


@dataclass
class Result:
    unambiguous: list  # lower-case ё-forms
    ambiguous: list  # lower-case ё-forms; written with their default levels (ambiguous_lines)
    morphology: list  # (lower-case ё-form, lower-case base)
    shadowed: list  # (not_safe form, safe form) pairs with one е-spelling, left out of `ambiguous`
    moved: list  # lower-case ё-forms in `ambiguous` that come from case-sensitive entries of safe.txt


def build(safe_text: str, not_safe_text: str, warn=lambda message: None) -> Result:
    safe = read_forms(safe_text, "safe.txt", warn)
    not_safe = read_forms(not_safe_text, "not_safe.txt", warn)

    unambiguous = []
    unambiguous_by_key = {}
    for form in safe:
        if form.case_sensitive:
            continue
        word = form.word.lower()
        key = e_key(word)
        if key in unambiguous_by_key:
            if unambiguous_by_key[key] != word:
                warn(f"safe.txt:{form.line_no}: «{word}» and «{unambiguous_by_key[key]}» share an е-spelling; "
                     f"the first is kept")
            continue
        unambiguous_by_key[key] = word
        unambiguous.append(word)

    ambiguous = []
    seen = set()
    shadowed = []
    moved = []
    candidates = [(form, False) for form in not_safe] + [(form, True) for form in safe if form.case_sensitive]
    for form, from_safe in candidates:
        word = form.word.lower()
        key = e_key(word)
        if key in unambiguous_by_key:
            shadowed.append((form.word, unambiguous_by_key[key]))
            continue
        if word in seen:
            continue
        seen.add(word)
        ambiguous.append(word)
        if from_safe:
            moved.append(word)

    morphology = []
    seen = set()
    for form in list(safe) + list(not_safe):
        word = form.word.lower()
        if word in seen:
            continue
        seen.add(word)
        morphology.append((word, form.base.lower()[:MAX_BASE_LENGTH]))

    return Result(unambiguous, ambiguous, morphology, shadowed, moved)


class LevelsError(ValueError):
    pass


def read_levels(text: str, source_name: str = LEVELS_FILE) -> dict:
    """The default levels of a levels file: {lower-case ё-form: level}, in the order of the file."""
    levels = {}
    for n, raw in enumerate(text.split("\n"), start=1):
        line = strip_comment(raw.rstrip("\r")).strip()
        if not line:
            continue
        fields = line.split("\t")
        if len(fields) != 2:
            raise LevelsError(f"{source_name}:{n}: expected «ё-form TAB level»: «{raw}»")
        word, level = fields[0].strip(), fields[1].strip()
        if not re.fullmatch(r"-?[0-9]+", level):
            raise LevelsError(f"{source_name}:{n}: the level is not an integer: «{level}»")
        if word != word.lower() or "ё" not in word:
            raise LevelsError(f"{source_name}:{n}: not a lower-case ё-form: «{word}»")
        if word in levels:
            raise LevelsError(f"{source_name}:{n}: «{word}» is given twice")
        levels[word] = int(level)
    return levels


def ambiguous_lines(ambiguous, levels: dict):
    """The lines of the ambiguous list: each form with its default level. Every form of `levels` must
    be in `ambiguous`."""
    known = set(ambiguous)
    unknown = [word for word in levels if word not in known]
    if unknown:
        raise LevelsError(f"{LEVELS_FILE}: not in the ambiguous list: {', '.join(unknown)}")
    return [f"{word}\t{levels.get(word, AMBIGUOUS_LEVEL)}" for word in ambiguous]


def encode_lines(lines) -> bytes:
    return (BOM + "".join(line + EOL for line in lines)).encode("utf-8")


def license_text(package_dir: str, result_files) -> bytes:
    with open(os.path.join(package_dir, "package.json"), encoding="utf-8") as f:
        meta = json.load(f)
    with open(os.path.join(package_dir, "LICENSE"), "rb") as f:
        text = f.read()
    if not text.endswith(b"\n"):
        text += b"\n"
    note = (
        "\n"
        f"The files {', '.join(result_files)} in this folder are generated from the word lists "
        f"dictionary/safe.txt and dictionary/not_safe.txt of the npm package "
        f"{meta['name']}@{meta['version']} by tools/gen_dictionaries.py.\n"
    )
    return text + note.encode("utf-8")


def write_if_changed(path: str, data: bytes) -> None:
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except FileNotFoundError:
        pass
    with open(path, "wb") as f:
        f.write(data)


def main(argv, levels_path=None) -> int:
    if len(argv) not in (2, 3) or argv[1] in ("-h", "--help"):
        print(__doc__, file=sys.stderr)
        return 2
    package_dir = argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[2] if len(argv) == 3 else os.path.join(here, "..", "data", "dictionaries")

    def read(name):
        with open(os.path.join(package_dir, "dictionary", name), encoding="utf-8") as f:
            return f.read()

    warnings = []
    result = build(read("safe.txt"), read("not_safe.txt"), warnings.append)
    for message in warnings:
        print("warning: " + message, file=sys.stderr)
    if levels_path is None:
        levels_path = os.path.join(here, LEVELS_FILE)
    try:
        with open(levels_path, encoding="utf-8") as f:
            levels = read_levels(f.read(), os.path.basename(levels_path))
        ambiguous = ambiguous_lines(result.ambiguous, levels)
    except (OSError, LevelsError) as e:
        print(f"error: {e}", file=sys.stderr)
        return 1

    os.makedirs(out_dir, exist_ok=True)
    outputs = {
        UNAMBIGUOUS_FILE: encode_lines(result.unambiguous),
        AMBIGUOUS_FILE: encode_lines(ambiguous),
        MORPHOLOGY_FILE: encode_lines(f"{word}\t{base}" for word, base in result.morphology),
    }
    outputs[LICENSE_FILE] = license_text(package_dir, list(outputs))
    for name, data in outputs.items():
        write_if_changed(os.path.join(out_dir, name), data)

    print(f"{UNAMBIGUOUS_FILE}: {len(result.unambiguous)} forms", file=sys.stderr)
    print(f"{AMBIGUOUS_FILE}: {len(result.ambiguous)} forms, {len(result.moved)} of them case-sensitive "
          f"entries of safe.txt, {len(levels)} with a default level from {LEVELS_FILE}", file=sys.stderr)
    print(f"{MORPHOLOGY_FILE}: {len(result.morphology)} forms", file=sys.stderr)
    print(f"left out of {AMBIGUOUS_FILE}: {len(result.shadowed)} forms of not_safe.txt or case-sensitive "
          f"forms of safe.txt whose е-spelling an unambiguous form has", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
