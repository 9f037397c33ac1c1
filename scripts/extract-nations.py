#!/usr/bin/env python3
"""Writes src/demo/NationTable.inc, the 206 football nations of the demo installation.

Run once by hand when the table should change; the build and the generator never need the
iso-codes package. Names come from Debian's iso-codes (ISO 3166-1 with its German, French,
Spanish and Italian catalogues), with the football nations ISO lacks added (England, Scotland,
Wales, Northern Ireland, Kosovo), the United Kingdom and territories without a member
association of their own dropped, and names fixed where ISO's form is not the one football uses, holds a comma (the
countries list splits its names at commas) or is longer than a club name may be.

Selection: the 211 member associations of the world game minus the five smallest Caribbean associations (Anguilla,
Montserrat, Turks and Caicos Islands, British and US Virgin Islands), which gives 206.
Continent: the association's continent (Europe 0, South America 1, North and Central America 2,
Africa 3, Asia 4, Oceania 5).
Order: alphabetical by German name with accents folded, except that Germany is moved to number
14, the country the editor opens first.
Language: the position in the editor's language list (0 " keine", 1 "Afrik. Dialekt", ...).
Text that Windows-1252 cannot hold is transliterated by dropping its accents.

Usage: scripts/extract-nations.py [OUTPUT]
"""

import gettext
import json
import sys
import unicodedata
from pathlib import Path

ISO_JSON = "/usr/share/iso-codes/json/iso_3166-1.json"
LOCALE_DIR = "/usr/share/locale"
CATALOGUES = ["de", "fr", "es", "it"]
GERMANY_NUMBER = 14
# The national team, a club, carries the country's names in fields of 30 bytes.
MAX_NAME_LENGTH = 29

# Positions in the editor's language list.
AFRICAN, ALBANIAN, AMHARIC, ARABIC, ARMENIAN, BOSNIAN, BULGARIAN, AZERI = 1, 2, 3, 4, 5, 6, 7, 8
CHINESE, CROATIAN, CZECH, DANISH, DUTCH, ENGLISH, ESTONIAN, FINNISH = 9, 10, 11, 12, 13, 14, 15, 16
FRENCH, GEORGIAN, GERMAN, GREEK, HEBREW, HINDI, HUNGARIAN = 17, 18, 19, 20, 21, 22, 23
ICELANDIC, ITALIAN, JAPANESE, SWAHILI, KOREAN, LATVIAN, LITHUANIAN = 24, 25, 26, 27, 28, 29, 30
MACEDONIAN, MALAY, MALTESE, NORWEGIAN, PERSIAN, POLISH, PORTUGUESE = 31, 32, 33, 34, 35, 36, 37
ROMANIAN, RUSSIAN, SERBIAN, SLOVAK, SLOVENIAN, SPANISH, THAI, TURKISH = 38, 39, 40, 41, 42, 43, 44, 45
UKRAINIAN, VIETNAMESE, SWEDISH, AFGHAN, INDONESIAN, BURMESE, KAZAKH = 46, 47, 48, 49, 50, 51, 52
KHMER, LAO, MONGOLIAN, NEPALI, PILIPINO, POLYNESIAN, PUNJABI = 53, 54, 55, 56, 57, 58, 59
SINHALA, TURKMEN, UZBEK = 60, 61, 62

EUR, SAM, NCA, AFR, ASI, OCE = range(6)

# (ISO alpha-2 or own key, nation code, continent, main language)
NATIONS = [
    # Europe
    ("AL", "ALB", EUR, ALBANIAN), ("AD", "AND", EUR, SPANISH), ("AM", "ARM", EUR, ARMENIAN),
    ("AT", "AUT", EUR, GERMAN), ("AZ", "AZE", EUR, AZERI), ("BY", "BLR", EUR, RUSSIAN),
    ("BE", "BEL", EUR, DUTCH), ("BA", "BIH", EUR, BOSNIAN), ("BG", "BUL", EUR, BULGARIAN),
    ("HR", "CRO", EUR, CROATIAN), ("CY", "CYP", EUR, GREEK), ("CZ", "CZE", EUR, CZECH),
    ("DK", "DEN", EUR, DANISH), ("ENG", "ENG", EUR, ENGLISH), ("EE", "EST", EUR, ESTONIAN),
    ("FO", "FRO", EUR, DANISH), ("FI", "FIN", EUR, FINNISH), ("FR", "FRA", EUR, FRENCH),
    ("GE", "GEO", EUR, GEORGIAN), ("DE", "GER", EUR, GERMAN), ("GI", "GIB", EUR, ENGLISH),
    ("GR", "GRE", EUR, GREEK), ("HU", "HUN", EUR, HUNGARIAN), ("IS", "ISL", EUR, ICELANDIC),
    ("IL", "ISR", EUR, HEBREW), ("IT", "ITA", EUR, ITALIAN), ("KZ", "KAZ", EUR, KAZAKH),
    ("XK", "KVX", EUR, ALBANIAN), ("LV", "LVA", EUR, LATVIAN), ("LI", "LIE", EUR, GERMAN),
    ("LT", "LTU", EUR, LITHUANIAN), ("LU", "LUX", EUR, GERMAN), ("MT", "MLT", EUR, MALTESE),
    ("MD", "MDA", EUR, ROMANIAN), ("ME", "MNE", EUR, SERBIAN), ("NL", "NED", EUR, DUTCH),
    ("MK", "MKD", EUR, MACEDONIAN), ("NIR", "NIR", EUR, ENGLISH), ("NO", "NOR", EUR, NORWEGIAN),
    ("PL", "POL", EUR, POLISH), ("PT", "POR", EUR, PORTUGUESE), ("IE", "IRL", EUR, ENGLISH),
    ("RO", "ROU", EUR, ROMANIAN), ("RU", "RUS", EUR, RUSSIAN), ("SM", "SMR", EUR, ITALIAN),
    ("SCO", "SCO", EUR, ENGLISH), ("RS", "SRB", EUR, SERBIAN), ("SK", "SVK", EUR, SLOVAK),
    ("SI", "SVN", EUR, SLOVENIAN), ("ES", "ESP", EUR, SPANISH), ("SE", "SWE", EUR, SWEDISH),
    ("CH", "SUI", EUR, GERMAN), ("TR", "TUR", EUR, TURKISH), ("UA", "UKR", EUR, UKRAINIAN),
    ("WAL", "WAL", EUR, ENGLISH),
    # South America
    ("AR", "ARG", SAM, SPANISH), ("BO", "BOL", SAM, SPANISH), ("BR", "BRA", SAM, PORTUGUESE),
    ("CL", "CHI", SAM, SPANISH), ("CO", "COL", SAM, SPANISH), ("EC", "ECU", SAM, SPANISH),
    ("PY", "PAR", SAM, SPANISH), ("PE", "PER", SAM, SPANISH), ("UY", "URU", SAM, SPANISH),
    ("VE", "VEN", SAM, SPANISH),
    # North and Central America
    ("AG", "ATG", NCA, ENGLISH), ("AW", "ARU", NCA, DUTCH), ("BS", "BAH", NCA, ENGLISH),
    ("BB", "BRB", NCA, ENGLISH), ("BZ", "BLZ", NCA, ENGLISH), ("BM", "BER", NCA, ENGLISH),
    ("CA", "CAN", NCA, ENGLISH), ("KY", "CAY", NCA, ENGLISH), ("CR", "CRC", NCA, SPANISH),
    ("CU", "CUB", NCA, SPANISH), ("CW", "CUW", NCA, DUTCH), ("DM", "DMA", NCA, ENGLISH),
    ("DO", "DOM", NCA, SPANISH), ("SV", "SLV", NCA, SPANISH), ("GD", "GRN", NCA, ENGLISH),
    ("GT", "GUA", NCA, SPANISH), ("GY", "GUY", NCA, ENGLISH), ("HT", "HAI", NCA, FRENCH),
    ("HN", "HON", NCA, SPANISH), ("JM", "JAM", NCA, ENGLISH), ("MX", "MEX", NCA, SPANISH),
    ("NI", "NCA", NCA, SPANISH), ("PA", "PAN", NCA, SPANISH), ("PR", "PUR", NCA, SPANISH),
    ("KN", "SKN", NCA, ENGLISH), ("LC", "LCA", NCA, ENGLISH), ("VC", "VIN", NCA, ENGLISH),
    ("SR", "SUR", NCA, DUTCH), ("TT", "TRI", NCA, ENGLISH), ("US", "USA", NCA, ENGLISH),
    # Africa
    ("DZ", "ALG", AFR, ARABIC), ("AO", "ANG", AFR, PORTUGUESE), ("BJ", "BEN", AFR, AFRICAN),
    ("BW", "BOT", AFR, AFRICAN), ("BF", "BFA", AFR, AFRICAN), ("BI", "BDI", AFR, AFRICAN),
    ("CM", "CMR", AFR, AFRICAN), ("CV", "CPV", AFR, PORTUGUESE), ("CF", "CTA", AFR, AFRICAN),
    ("TD", "CHA", AFR, AFRICAN), ("KM", "COM", AFR, ARABIC), ("CG", "CGO", AFR, AFRICAN),
    ("CD", "COD", AFR, AFRICAN), ("CI", "CIV", AFR, AFRICAN), ("DJ", "DJI", AFR, ARABIC),
    ("EG", "EGY", AFR, ARABIC), ("GQ", "EQG", AFR, AFRICAN), ("ER", "ERI", AFR, AMHARIC),
    ("SZ", "SWZ", AFR, AFRICAN), ("ET", "ETH", AFR, AMHARIC), ("GA", "GAB", AFR, AFRICAN),
    ("GM", "GAM", AFR, AFRICAN), ("GH", "GHA", AFR, AFRICAN), ("GN", "GUI", AFR, AFRICAN),
    ("GW", "GNB", AFR, PORTUGUESE), ("KE", "KEN", AFR, SWAHILI), ("LS", "LES", AFR, AFRICAN),
    ("LR", "LBR", AFR, AFRICAN), ("LY", "LBY", AFR, ARABIC), ("MG", "MAD", AFR, AFRICAN),
    ("MW", "MWI", AFR, AFRICAN), ("ML", "MLI", AFR, AFRICAN), ("MR", "MTN", AFR, ARABIC),
    ("MU", "MRI", AFR, AFRICAN), ("MA", "MAR", AFR, ARABIC), ("MZ", "MOZ", AFR, PORTUGUESE),
    ("NA", "NAM", AFR, AFRICAN), ("NE", "NIG", AFR, AFRICAN), ("NG", "NGA", AFR, AFRICAN),
    ("RW", "RWA", AFR, AFRICAN), ("ST", "STP", AFR, PORTUGUESE), ("SN", "SEN", AFR, AFRICAN),
    ("SC", "SEY", AFR, AFRICAN), ("SL", "SLE", AFR, AFRICAN), ("SO", "SOM", AFR, ARABIC),
    ("ZA", "RSA", AFR, AFRICAN), ("SS", "SSD", AFR, AFRICAN), ("SD", "SDN", AFR, ARABIC),
    ("TZ", "TAN", AFR, SWAHILI), ("TG", "TOG", AFR, AFRICAN), ("TN", "TUN", AFR, ARABIC),
    ("UG", "UGA", AFR, SWAHILI), ("ZM", "ZAM", AFR, AFRICAN), ("ZW", "ZIM", AFR, AFRICAN),
    # Asia
    ("AF", "AFG", ASI, AFGHAN), ("AU", "AUS", ASI, ENGLISH), ("BH", "BHR", ASI, ARABIC),
    ("BD", "BAN", ASI, HINDI), ("BT", "BHU", ASI, NEPALI), ("BN", "BRU", ASI, MALAY),
    ("KH", "CAM", ASI, KHMER), ("CN", "CHN", ASI, CHINESE), ("TW", "TPE", ASI, CHINESE),
    ("GU", "GUM", ASI, ENGLISH), ("HK", "HKG", ASI, CHINESE), ("IN", "IND", ASI, HINDI),
    ("ID", "IDN", ASI, INDONESIAN), ("IR", "IRN", ASI, PERSIAN), ("IQ", "IRQ", ASI, ARABIC),
    ("JP", "JPN", ASI, JAPANESE), ("JO", "JOR", ASI, ARABIC), ("KR", "KOR", ASI, KOREAN),
    ("KP", "PRK", ASI, KOREAN), ("KW", "KUW", ASI, ARABIC), ("KG", "KGZ", ASI, KAZAKH),
    ("LA", "LAO", ASI, LAO), ("LB", "LBN", ASI, ARABIC), ("MO", "MAC", ASI, CHINESE),
    ("MY", "MAS", ASI, MALAY), ("MV", "MDV", ASI, HINDI), ("MN", "MNG", ASI, MONGOLIAN),
    ("MM", "MYA", ASI, BURMESE), ("NP", "NEP", ASI, NEPALI), ("OM", "OMA", ASI, ARABIC),
    ("PK", "PAK", ASI, PUNJABI), ("PS", "PLE", ASI, ARABIC), ("PH", "PHI", ASI, PILIPINO),
    ("QA", "QAT", ASI, ARABIC), ("SA", "KSA", ASI, ARABIC), ("SG", "SIN", ASI, MALAY),
    ("LK", "SRI", ASI, SINHALA), ("SY", "SYR", ASI, ARABIC), ("TJ", "TJK", ASI, PERSIAN),
    ("TH", "THA", ASI, THAI), ("TL", "TLS", ASI, PORTUGUESE), ("TM", "TKM", ASI, TURKMEN),
    ("AE", "UAE", ASI, ARABIC), ("UZ", "UZB", ASI, UZBEK), ("VN", "VIE", ASI, VIETNAMESE),
    ("YE", "YEM", ASI, ARABIC),
    # Oceania
    ("AS", "ASA", OCE, POLYNESIAN), ("CK", "COK", OCE, POLYNESIAN), ("FJ", "FIJ", OCE, ENGLISH),
    ("NC", "NCL", OCE, FRENCH), ("NZ", "NZL", OCE, ENGLISH), ("PG", "PNG", OCE, ENGLISH),
    ("WS", "SAM", OCE, POLYNESIAN), ("SB", "SOL", OCE, ENGLISH), ("PF", "TAH", OCE, FRENCH),
    ("TO", "TGA", OCE, POLYNESIAN), ("VU", "VAN", OCE, ENGLISH),
]

# German, English, French, Spanish, Italian: nations ISO lacks, and names football spells
# otherwise or that ISO writes with a comma.
NAMES = {
    "ENG": ("England", "England", "Angleterre", "Inglaterra", "Inghilterra"),
    "SCO": ("Schottland", "Scotland", "Écosse", "Escocia", "Scozia"),
    "WAL": ("Wales", "Wales", "Pays de Galles", "Gales", "Galles"),
    "NIR": ("Nordirland", "Northern Ireland", "Irlande du Nord", "Irlanda del Norte",
            "Irlanda del Nord"),
    "XK": ("Kosovo", "Kosovo", "Kosovo", "Kosovo", "Kosovo"),
    "KR": ("Südkorea", "South Korea", "Corée du Sud", "Corea del Sur", "Corea del Sud"),
    "KP": ("Nordkorea", "North Korea", "Corée du Nord", "Corea del Norte", "Corea del Nord"),
    "CD": ("DR Kongo", "DR Congo", "RD Congo", "RD del Congo", "RD del Congo"),
    "CG": ("Kongo", "Congo", "Congo", "Congo", "Congo"),
    "PS": ("Palästina", "Palestine", "Palestine", "Palestina", "Palestina"),
    "RU": ("Russland", "Russia", "Russie", "Rusia", "Russia"),
    "SY": ("Syrien", "Syria", "Syrie", "Siria", "Siria"),
    "IR": ("Iran", "Iran", "Iran", "Irán", "Iran"),
    "KM": ("Komoren", "Comoros", "Comores", "Comoras", "Comore"),
    "SB": ("Salomonen", "Solomon Islands", "Îles Salomon", "Islas Salomón", "Isole Salomone"),
    "BN": ("Brunei", "Brunei", "Brunei", "Brunéi", "Brunei"),
    "US": ("USA", "USA", "États-Unis", "Estados Unidos", "Stati Uniti"),
    "TW": ("Chinesisch Taipeh", "Chinese Taipei", "Taipei chinois", "China Taipéi",
           "Taipei Cinese"),
    "CI": ("Elfenbeinküste", "Ivory Coast", "Côte d'Ivoire", "Costa de Marfil",
           "Costa d'Avorio"),
    "FO": ("Färöer", "Faroe Islands", "Îles Féroé", "Islas Feroe", "Isole Fær Øer"),
    "CZ": ("Tschechien", "Czech Republic", "Tchéquie", "Chequia", "Cechia"),
    "MD": ("Moldawien", "Moldova", "Moldavie", "Moldavia", "Moldavia"),
    "VN": ("Vietnam", "Vietnam", "Viêt Nam", "Vietnam", "Vietnam"),
    "LA": ("Laos", "Laos", "Laos", "Laos", "Laos"),
    "SZ": ("Eswatini", "Eswatini", "Eswatini", "Esuatini", "Eswatini"),
    "PF": ("Tahiti", "Tahiti", "Tahiti", "Tahití", "Tahiti"),
    "NC": ("Neukaledonien", "New Caledonia", "Nouvelle-Calédonie", "Nueva Caledonia",
           "Nuova Caledonia"),
    "KN": ("St. Kitts und Nevis", "St Kitts and Nevis", "Saint-Christophe-et-Niévès",
           "San Cristóbal y Nieves", "Saint Kitts e Nevis"),
    "LC": ("St. Lucia", "St Lucia", "Sainte-Lucie", "Santa Lucía", "Santa Lucia"),
    "VC": ("St. Vincent/Grenadinen", "St Vincent and the Grenadines",
           "Saint-Vincent-et-Grenadines", "San Vicente y las Granadinas",
           "Saint Vincent e Grenadine"),
    "TR": ("Türkei", "Turkey", "Turquie", "Turquía", "Turchia"),
    "MO": ("Macau", "Macau", "Macao", "Macao", "Macao"),
    "TN": ("Tunesien", "Tunisia", "Tunisie", "Túnez", "Tunisia"),
    "SR": ("Suriname", "Suriname", "Suriname", "Surinam", "Suriname"),
    "SS": ("Südsudan", "South Sudan", "Soudan du Sud", "Sudán del Sur", "Sudan del Sud"),
}


def to_cp1252(text):
    """The text as Windows-1252 bytes; letters it cannot hold lose their accents."""
    out = bytearray()
    for char in text:
        try:
            out += char.encode("cp1252")
        except UnicodeEncodeError:
            base = unicodedata.normalize("NFKD", char).encode("ascii", "ignore")
            if not base:
                raise SystemExit(f"cannot transliterate {char!r} in {text!r}")
            out += base
    return bytes(out)


def c_string(data):
    """A C++ string literal of the bytes, non-ASCII as octal escapes."""
    parts = []
    for byte in data:
        if byte in (0x22, 0x5C):
            parts.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F:
            parts.append(chr(byte))
        else:
            parts.append(f"\\{byte:03o}")
    return '"' + "".join(parts) + '"'


def fold(text):
    return unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode().lower()


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else (
        Path(__file__).resolve().parent.parent / "src/demo/NationTable.inc")
    iso = {entry["alpha_2"]: entry for entry in json.load(open(ISO_JSON))["3166-1"]}
    catalogues = [gettext.translation("iso_3166-1", LOCALE_DIR, [lang]) for lang in CATALOGUES]

    rows = []
    for key, code, continent, language in NATIONS:
        if key in NAMES:
            names = NAMES[key]
        else:
            english = iso[key].get("common_name", iso[key]["name"])
            translated = [catalogue.gettext(english) for catalogue in catalogues]
            names = (translated[0], english, *translated[1:])
        names = tuple(name[0].upper() + name[1:] for name in names)
        for name in names:
            if "," in name or "(" in name or len(to_cp1252(name)) > MAX_NAME_LENGTH:
                raise SystemExit(f"{key}: name {name!r} needs an entry in NAMES")
        rows.append((names, code, continent, language))

    if len(rows) != 206 or len({row[1] for row in rows}) != 206:
        raise SystemExit(f"expected 206 distinct nations, have {len(rows)}")
    rows.sort(key=lambda row: fold(row[0][0]))
    germany = next(row for row in rows if row[1] == "GER")
    rows.remove(germany)
    rows.insert(GERMANY_NUMBER - 1, germany)

    lines = [
        "// Generated by scripts/extract-nations.py from Debian's iso-codes; do not edit by hand.",
        "// Country n: {{German, English, French, Spanish, Italian}, code, continent, language}.",
    ]
    for number, (names, code, continent, language) in enumerate(rows, start=1):
        texts = ", ".join(c_string(to_cp1252(name)) for name in names)
        lines.append(f'{{{{{texts}}}, "{code}", {continent}, {language}}},  // {number}')
    output.write_text("\n".join(lines) + "\n", encoding="ascii")


if __name__ == "__main__":
    main()
