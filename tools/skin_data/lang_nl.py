"""Dutch (language 17; the Belgian Dutch folder 20 uses the same texts)."""

LAYOUT = {
    "main": {
        6: "Knoppen", 7: "Prestaties", 8: "Macro's", 9: "Verlichting",
        10: "Profiel 1", 11: "Profiel 2", 12: "Profiel 3", 13: "Profiel 4",
        14: "Importeren", 15: "Exporteren", 16: "Resetten", 3: "Toepassen",
        60: "Scrollwiel", 31: "Standaard", 32: "Alternatief", 62: "Verlichting",
        46: "Lichteffect", 61: "DPI-niveaus in de cyclus",
        63: "Klik op een knop van de muis om de functie te wijzigen",
    },
    "advance": {
        100: "Gevoeligheidsniveaus",
        60: "Niveau 1", 61: "Niveau 2", 62: "Niveau 3", 63: "Niveau 4", 64: "Niveau 5",
        65: "Niveau 6", 102: "Aanwijzersnelheid", 103: "Scrollsnelheid",
        104: "Interval snelvuur", 105: "Pollingrate", 106: "Aangepaste kleur",
    },
    "mac": {
        0: "Macrobibliotheek", 1: "Stappen", 2: "Opnemen", 3: "Afspelen",
        4: "Opname starten / stoppen", 5: "Stap invoegen",
        6: "Herhalen zolang ingedrukt", 7: "Herhalen tot opnieuw ingedrukt",
        8: "Een aantal keer herhalen", 9: "Herhalingen", 10: "Toetsen",
        13: "Wapenpresets", 15: "Afspelen op deze pc",
    },
    "color": {
        80: "Modus", 17: "Effecten", 19: "Licht uit", 81: "Effect", 35: "Kies een effect",
        82: "Kleuren", 83: "Helderheid", 84: "Snelheid", 85: "Richting",
        47: "Links", 48: "Rechts", 49: "Naar buiten", 50: "Naar binnen",
        45: "Effect spiegelen", 86: "Reactieve verlichting",
        51: "Knop 1", 52: "Knop 2", 53: "Knop 3", 54: "Knop 4",
        55: "Knop 5", 56: "Knop 6", 57: "Knop 7", 58: "Knop 8",
    },
    "mac_color": {7: "OK", 8: "Annuleren", 9: "Toetskleuren",
                  10: "Klik op een kleur om die te wijzigen"},
    "keyset": {0: "Druk op de nieuwe toets", 1: "OK", 2: "Annuleren"},
    "shortcut": {10: "Toetscombinatie", 11: "Modificatietoetsen", 12: "Toets",
                 13: "Druk op een toets van het toetsenbord", 4: "Wissen", 3: "Annuleren",
                 2: "Bevestigen"},
    "sound": {0: "Geluidsreactieve verlichting", 1: "Effect", 2: "Puls", 3: "Kleurstroom",
              4: "Beat", 5: "Effect aan", 10: "Opslaan"},
    "gun": {12: "Wapenpresets", 9: "Schoten per druk", 10: "Interval (ms)",
            11: "Terugslagcompensatie (1-99)", 2: "Aantal keer", 3: "Zolang ingedrukt",
            8: "Wapen kiezen", 5: "Annuleren", 4: "OK"},
}

FUNCTIONS = {
    0: "Inactief", 1: "Linksklik", 2: "Rechtsklik", 3: "Middelklik", 4: "Terug",
    5: "Vooruit", 6: "DPI-cyclus", 7: "Meer functies", 8: "Multimedia", 9: "Macro",
    10: "Toetscombinatie", 11: "Profielen", 12: "Snelvuur", 13: "Dubbelklik",
    14: "Driedubbele klik", 15: "DPI-shift", 16: "DPI omhoog", 17: "DPI omlaag",
    18: "Door de pc afgehandeld", 19: "Profielen doorlopen", 20: "Volgend profiel",
    21: "Vorig profiel", 22: "Eerste profiel", 23: "Afspelen / pauzeren", 24: "Stoppen",
    25: "Vorige track", 26: "Volgende track", 27: "Volume omhoog", 28: "Volume omlaag",
    29: "Dempen", 30: "Mediaspeler", 31: "E-mail", 32: "Rekenmachine",
    33: "Toetscombinatie",
}
SPECIAL_FUNCTIONS = {30000: "Lichtcyclus", 30001: "Licht aan/uit", 30002: "Pollingrate"}

TIPS = {
    1: "Sluit de muis aan en start het programma opnieuw. Muis niet gevonden:",
    2: "De muis wordt teruggezet naar de fabrieksinstellingen. Even geduld.",
    3: "De fabrieksinstellingen zijn hersteld.",
    4: "Er ontbreekt een instellingen- of skinbestand. Installeer het programma opnieuw.",
    5: "Een bestand kon niet worden gekopieerd of geladen.",
    6: "Dit kan niet: een limiet zou worden overschreden of geen knop zou de linksklik houden.",
    7: "Maak eerst een macrogroep aan.",
    8: "Dit instellingenbestand hoort bij een ander product.",
    9: "Stop eerst de opname.",
    12: "Selecteer eerst een macrogroep.",
    16: "De verlichting staat uit. Zet die eerst aan op de pagina Verlichting.",
    21: "De limiet is bereikt: er kunnen geen stappen of macro's meer worden toegevoegd.",
    23: "Er bestaat al een macrogroep met deze naam.",
    29: "De macro's passen niet in het geheugen van de muis. Kort macro's in of verwijder er enkele.",
    30: "Er kunnen maximaal twaalf macrogroepen worden aangemaakt.",
}

DEVMAC = {
    0: "Nieuwe groep", 1: "Nieuwe macro", 2: "Groep verwijderen", 3: "Alle groepen resetten",
    4: "Groep hernoemen", 5: "Groep importeren", 6: "Groep exporteren",
    7: "Groepseigenschappen", 8: "Macro importeren", 9: "Macro hernoemen",
    10: "Macro verwijderen", 11: "Macro exporteren", 12: "Macro importeren", 13: "Wijzigen",
    14: "Verwijderen", 20: "Linkerknop", 21: "Middelste knop", 22: "Rechterknop",
    23: "Ervoor invoegen", 24: "Erna invoegen", 25: "Cursorbeweging invoegen",
    26: "DPI-wijziging invoegen", 27: "Verlichting invoegen", 28: "Vertraging invoegen",
    29: "Stap verwijderen", 34: "Weergeven", 35: "Afsluiten", 36: "Groep", 37: "Macro",
    38: "Linkerknop indrukken", 39: "Linkerknop loslaten", 40: "Rechterknop indrukken",
    41: "Rechterknop loslaten", 42: "Middelste knop indrukken", 43: "Middelste knop loslaten",
    44: "Naar linksboven", 45: "Naar linksonder", 46: "Naar rechtsboven",
    47: "Naar rechtsonder", 48: "DPI instellen", 49: "DPI resetten",
}

LED = {
    0: "Spectrum", 1: "Kleurencyclus", 2: "Statisch", 3: "Golf", 4: "Rimpeling", 5: "Stroming",
    6: "Ademen", 7: "Lichtkrant", 8: "Knipperen", 9: "Willekeurig", 10: "Scannen", 11: "Neon",
    12: "Reactief", 13: "Huidige behouden", 14: "Uit", 15: "Knipperen", 16: "Vervagen",
    17: "Gloed", 18: "Statisch", 19: "Ademen", 20: "Knipperen", 21: "Spectrum", 22: "Golf",
    23: "Vervagen", 24: "Puls", 25: "Stroboscoop", 26: "Gloed", 27: "Scannen",
    28: "Willekeurig",
    29: "Helderheid 1", 30: "Helderheid 2", 31: "Helderheid 3", 32: "Helderheid 4",
    33: "Helderheid 5", 34: "Helderheid 6", 35: "Helderheid 7", 36: "Helderheid 8",
    37: "Zeer langzaam", 38: "Langzaam", 39: "Gemiddeld", 40: "Vlot", 41: "Snel",
    42: "Zeer snel",
}

OTHER = {1: "Uitgeschakeld", 11: "[DPI resetten]", 12: " ms", 13: "[Verlichting] ",
         17: "[Vertraging]", 20: "Macro"}

SHORTCUT = {4: "Geen modificatietoetsen", 5: "Druk op een toets"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Starten met de sessie", 31: "Over", 32: "Alles naar de muis schrijven", 33: "aan", 34: "uit", 35: "Minimaliseren", 36: "Sluiten", 37: "Minimaliseren naar het systeemvak", 38: "Taal", 39: "Meer", 40: "Webpagina", 41: "Kleur", 42: "In de kleurencyclus"})
