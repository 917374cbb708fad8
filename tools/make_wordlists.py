#!/usr/bin/env python3
"""Makes Kelvara's word lists, res/words/<language>.txt, from Debian's dictionary packages.

Run by hand on a Debian machine with the packages below (and hunspell-tools for unmunch)
installed; the output is committed. Every list holds upper-case four-letter words written in
A to Z only, sorted, one a line. Words with accents or other letters are left out, never
stripped. Entries capitalised in the source (names; German nouns alike) and abbreviations are
left out, and so are the words on each language's blocklist: vulgar or offensive words, and
junk that review found (abbreviations written without dots, fragments, foreign words).

Where a source offers more words than a list should hold, common words win. The ranking
puts first whatever signs of a common word the source gives:
  - usage: how often the word occurs in the translated program messages installed on this
    machine (gettext catalogues), leaving out words kept from the English original;
  - productivity: how many longer words of the same source are built on the word (compounds,
    derivations), a sign of a base word;
  - base forms before forms made by inflection.
The English list also prefers words that the Latin-English dictionary uses in its English
glosses, a basic vocabulary. Each list's docstring below says how it is ranked.

Usage: tools/make_wordlists.py [--out res/words]
"""

import argparse
import bisect
import collections
import glob
import gettext
import gzip
import math
import os
import re
import subprocess
import sys

WORD = re.compile(r"[a-z]{4}")
TOKEN = re.compile(r"[^\W\d_]+")
MIN_USAGE = 2
ROMAN = re.compile(r"m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})")

DICT = "/usr/share/dict"
HUNSPELL = "/usr/share/hunspell"
FREEDICT_LATIN = "/usr/share/dictd/freedict-lat-eng.dict.dz"

# Vulgar or offensive words, and junk found on review, per language.
BLOCKLIST = {
    "english": """anal arse bani bitch boob bung butt cock coon crap cunt damn dick dyke fags
        fart fuck gook homo jism jizz kike lewd matt nazi nigg piss poof poop puke rape reis
        scum shag shit slag slut soli spic tits ting turd twat wank whore wist wogs""",
    "dutch": """adam aids aigu anus arbo back beat blue cara coca cour cros dein dele dirk docu
        down ener ever face flik free fuck geil hans have hoer homo indo kees kina kine kali
        klote kont kuts laos live lori loss lull mach make mant mara mavo name naai nazi neuk
        pedo piet pik poep poli poly saki sant scha seks shit slet soft sjor stee time topo
        trac trad trut turk""",
    "french": """anal anus bade bite cocu cons fars gode inde inte java juif lori maya merde
        mina mono para pede peul pers pine pute radi saxe sexe tics toto tran zizi""",
    "german": """allg anal anti betr bspw bzgl dito engl evtl fick furz galv geil heil hrsg
        http hure incl inkl ipso jmdm jmdn kack klon live msec nsec phil piss resp saue vorl
        wank zzgl""",
    "italian": """cazzo culo figa fica merda nazi pene piscia troia""",
    "spanish": """coño culo joder mear nazi pedo pene puta puto teta""",
    "esperanto": """bajt eksp feka feki feko feku fiki fike kvad maks ndlr puta resp supr""",
    "latin": """anus""",
    "swahili": """kuma mavi mboo""",
    "gaelic": """crap smut""",
}


def read_lines(path, encoding="utf-8"):
    with open(path, encoding=encoding, errors="replace") as f:
        return [line.strip() for line in f]


def four_letter(words):
    """The entries written in four lower-case letters a-z: no capitals, accents or dots."""
    return {w for w in words if WORD.fullmatch(w) and not ROMAN.fullmatch(w)}


def unmunch(dic, aff, encoding):
    """All forms of a hunspell dictionary, its affixes applied."""
    out = subprocess.run(["unmunch", dic, aff], capture_output=True, check=True).stdout
    return [line.split("/")[0] for line in out.decode(encoding, errors="replace").splitlines()]


def hunspell_stems(dic, encoding):
    return [line.split("/")[0] for line in read_lines(dic, encoding)[1:]]


def gettext_usage(lang):
    """Word counts of the translated messages of every installed program."""
    counter = collections.Counter()
    paths = glob.glob(f"/usr/share/locale/{lang}/LC_MESSAGES/*.mo")
    paths += glob.glob(f"/usr/share/locale/{lang}_*/LC_MESSAGES/*.mo")
    for path in sorted(paths):
        for key, text in read_catalogue(path).items():
            # Words kept from the English message are names, options or untranslated text.
            source = set(TOKEN.findall((key[0] if isinstance(key, tuple) else key).lower()))
            counter.update(w for w in TOKEN.findall(text) if w.lower() not in source)
    return counter


def gettext_source_usage():
    """Word counts of the English messages that programs are written in, each message once."""
    messages = set()
    for path in sorted(glob.glob("/usr/share/locale/*/LC_MESSAGES/*.mo")):
        for key in read_catalogue(path):
            messages.add(key[0] if isinstance(key, tuple) else key)
    counter = collections.Counter()
    for text in messages:
        counter.update(TOKEN.findall(text))
    return counter


def read_catalogue(path):
    try:
        with open(path, "rb") as f:
            catalogue = gettext.GNUTranslations(f)._catalog
    except (OSError, UnicodeError, LookupError, ValueError):
        return {}
    return {key: text for key, text in catalogue.items() if key and key != ("", 0)}


def usage_of(counter, word):
    # A word that starts a sentence or a title is capitalised there.
    return counter[word] + counter[word.capitalize()]


class Family:
    """Counts the words of a source that are built on a word: longer by at least `extra`
    letters, which leaves most inflected forms out, and with `compounds` only those whose
    rest is a word of its own (with or without a linking s, e or en)."""

    def __init__(self, words, extra, compounds=False):
        self.words = sorted({w.lower() for w in words if TOKEN.fullmatch(w)})
        self.known = set(self.words)
        self.extra = extra
        self.compounds = compounds

    def __call__(self, word):
        i = bisect.bisect_left(self.words, word)
        n = 0
        while i < len(self.words) and self.words[i].startswith(word):
            longer = self.words[i]
            n += len(longer) >= len(word) + self.extra and (
                not self.compounds or self.is_compound(longer[len(word) :])
            )
            i += 1
        return n

    def is_compound(self, rest):
        tails = [rest] + [rest[len(link) :] for link in ("s", "e", "en") if rest.startswith(link)]
        return any(len(tail) >= 3 and tail in self.known for tail in tails)


def rank(candidates, usage, family, preferred=()):
    """Candidates, most common first: words in `preferred` first, then words in use (by how
    often), then the rest by productivity."""
    preferred = set(preferred)

    def key(word):
        used = usage_of(usage, word)
        return (word not in preferred, -(used if used >= MIN_USAGE else 0), -family(word), word)

    return sorted(candidates, key=key)


def english():
    """wbritish-small, base forms first (a plural or past form whose stem is listed comes
    last); among them the words of the Latin dictionary's English glosses first, then usage
    in the programs' English messages, then compounds built on the word in wbritish."""
    small = read_lines(f"{DICT}/british-english-small")
    family = Family(read_lines(f"{DICT}/british-english"), 3, compounds=True)
    listed = set(small)
    inflected = {
        w
        for w in four_letter(small)
        if (w.endswith("s") and w[:-1] in listed)
        or (w.endswith("ed") and w[:-2] in listed)
        or (w.endswith("ed") and w[:-1] in listed)
    }
    base = four_letter(small) - inflected
    ranked = rank(base, gettext_source_usage(), family, base & latin_glosses())
    return ranked + rank(inflected, collections.Counter(), family)


def word_list_language(lang, source, compounds):
    """The words of a Debian word list by usage in the language, then by productivity: for a
    language that writes compounds as one word, the compounds built on the word."""

    def make():
        words = read_lines(f"{DICT}/{source}")
        return rank(four_letter(words), gettext_usage(lang), Family(words, 3, compounds))

    return make


def hunspell_language(lang, dic, encoding):
    """A hunspell dictionary: its own entries (base forms) first, then the forms its affix
    rules make; each group by usage, then by how many longer forms start with the word."""

    def make():
        forms = unmunch(f"{HUNSPELL}/{dic}.dic", f"{HUNSPELL}/{dic}.aff", encoding)
        stems = four_letter(hunspell_stems(f"{HUNSPELL}/{dic}.dic", encoding))
        family = Family(forms, 2)
        usage = gettext_usage(lang)
        return rank(stems, usage, family) + rank(four_letter(forms) - stems, usage, family)

    return make


# Swahili words that everyday speech is made of (pronouns, numbers, family, food, time),
# ranked first: nothing on the machine measures Swahili usage.
SWAHILI_BASIC = """baba babu bado bibi chai dada damu duka embe elfu gani giza hapa huko
    jana jani jibu jina joto kaka kama kazi kila kitu kiti kuja kula kuku kumi kuwa lala
    leta maji mama maua meno meza miti mimi moja moto moyo mguu mbwa mume mvua mzee nane
    nazi nchi ndio nguo nini njia nywa paka pata pesa pole roho saba sana sasa sema siku
    sisi sita soko soma taka tano tatu tena tisa vitu wake wako wali wapi watu wewe yake
    yako yetu yeye yote yule ziwa zote""".split()

# Prefixes of subject, tense and noun class that Swahili puts before verb and noun stems.
SWAHILI_PREFIXES = """a aka aki ali ame ana ata ha hu ji ka ki ku li m ma mi mu ni nili nime
    nina nita pa si tu tuli tume tuna tuta u uli ume una uta vi wa wali wame wana wata ya
    za""".split()


def swahili():
    """hunspell-sw, a plain list of word forms. Swahili words end in a vowel; the entries that
    end in a consonant are fragments or loans and are left out. A basic vocabulary comes
    first; then the words that occur most often with a subject, tense or class prefix in the
    list (verbs and nouns in use), then those with most longer forms built on their stem."""
    words = set(hunspell_stems(f"{HUNSPELL}/sw_TZ.dic", "iso-8859-1"))
    candidates = {w for w in four_letter(words) if w[-1] in "aeiou"}
    family = Family(words, 3)

    def key(word):
        prefixed = sum(prefix + word in words for prefix in SWAHILI_PREFIXES)
        score = math.log2(1 + prefixed) + math.log2(1 + family(word[:-1]))
        return (word not in SWAHILI_BASIC, -score, word)

    return sorted(candidates, key=key)


def latin_dictionary():
    with gzip.open(FREEDICT_LATIN, "rt", encoding="utf-8") as f:
        text = f.read()
    # The entries follow the database's own header entries.
    return text[text.index("\nAbnoba /") :]


def latin_glosses():
    words = set()
    for line in latin_dictionary().splitlines():
        if not re.fullmatch(r"\S+ /[^/]*/", line):
            words.update(re.findall(r"[a-z]+", line))
    return words


# Latin: the dictionary lists nouns in the nominative and verbs in the infinitive only, so
# regular forms are added for the word classes whose endings give them away. Words of another
# declension or conjugation that share the ending are named here.
LATIN_NOT_SECOND_DECLENSION_US = """acus anus arcus artus casus crus domus fraus funus genus
    lacus latus litus luxus manus olus onus opus plus risus ritus salus sexus sidus ulcus
    vetus""".split()
LATIN_NOT_THIRD_DECLENSION_IS = """aspis basis cinis curis ibis ictis lapis pedis penis
    satis""".split()
LATIN_SECOND_CONJUGATION = """ardere audere calere carere debere docere favere habere manere
    monere movere tenere timere videre""".split()
LATIN_IO_VERBS = """acere capere facere fodere iacere parere""".split()
LATIN_EO_COMPOUNDS = """abire adire perire""".split()
# Rare, vulgar or not Latin at all: no forms are made of these.
LATIN_UNINFLECTED = """boare cacare coire culus halare luere oncare repere tulere
    vadare""".split()


def latin_forms(heads):
    """(priority, form) pairs of regular forms of the listed nouns and verbs."""
    for h in heads:
        if h in LATIN_UNINFLECTED:
            continue
        for priority, ending, form in latin_paradigm(h):
            yield priority, h[: -len(ending)] + form


def latin_paradigm(h):
    """(priority, ending, form ending) of a headword: present forms of verbs first, then
    cases of second-declension nouns, then those of the third and first."""
    if h.endswith("are") and h not in ("dare", "stare"):
        return [(1, "are", e) for e in ("o", "as", "at")]
    if h.endswith("ere") and h in LATIN_SECOND_CONJUGATION:
        return [(2, "ere", e) for e in ("e", "es", "et")]
    if h.endswith("ere") and h not in LATIN_IO_VERBS:
        return [(1, "ere", e) for e in ("o", "is", "it")]
    if h.endswith("ire"):
        endings = ("is", "it") if h in LATIN_EO_COMPOUNDS else ("i", "io", "is", "it")
        return [(2, "ire", e) for e in endings]
    if h.endswith("us") and h not in LATIN_NOT_SECOND_DECLENSION_US:
        return [(3, "us", e) for e in ("i", "o", "um", "os")]
    if h.endswith("um"):
        return [(3, "um", e) for e in ("i", "o", "a")]
    if h.endswith("is") and h not in LATIN_NOT_THIRD_DECLENSION_IS:
        return [(4, "is", e) for e in ("em", "es", "e", "i")]
    if h.endswith("a"):
        return [(4, "a", e) for e in ("ae", "am", "as")]
    return []


def latin():
    """dict-freedict-lat-eng: its four-letter entries (names, written capitalised, left out)
    first, then regular forms of its nouns and verbs in the order of latin_paradigm."""
    heads = re.findall(r"^([a-z]+) /[^/\n]*/$", latin_dictionary(), re.M)
    entries = four_letter(heads)
    forms = {}
    for priority, form in latin_forms(heads):
        if WORD.fullmatch(form) and form not in entries:
            forms[form] = min(priority, forms.get(form, priority))
    return sorted(entries) + sorted(forms, key=lambda w: (forms[w], w))


LISTS = [
    # file, words wanted, maker
    ("english", 854, english),
    ("dutch", 1258, word_list_language("nl", "dutch", compounds=True)),
    ("french", 200, word_list_language("fr", "french", compounds=False)),
    ("german", 210, word_list_language("de", "ngerman", compounds=True)),
    ("italian", 106, word_list_language("it", "italian", compounds=False)),
    ("spanish", 92, word_list_language("es", "spanish", compounds=False)),
    ("esperanto", 1079, hunspell_language("eo", "eo", "iso-8859-3")),
    ("latin", 306, latin),
    ("swahili", 1283, swahili),
    ("gaelic", 461, hunspell_language("ga", "ga_IE", "iso-8859-1")),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--out", default=os.path.join(root, "res", "words"))
    args = parser.parse_args()
    for name, size, make in LISTS:
        blocked = set(BLOCKLIST[name].split())
        ranked = [w for w in make() if w not in blocked]
        words = sorted(ranked[:size])
        with open(os.path.join(args.out, f"{name}.txt"), "w", encoding="ascii") as f:
            f.writelines(w.upper() + "\n" for w in words)
        print(f"{name:10} {len(words):5} of {len(ranked):5} candidates", file=sys.stderr)


if __name__ == "__main__":
    main()
