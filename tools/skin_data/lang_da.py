"""Danish (language 21)."""

LAYOUT = {
    "main": {
        6: "Knapper", 7: "Ydeevne", 8: "Makroer", 9: "Belysning",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Importér", 15: "Eksportér", 16: "Nulstil", 3: "Anvend",
        60: "Scrollhjul", 31: "Standard", 32: "Alternativ", 62: "Belysning",
        46: "Lyseffekt", 61: "DPI-niveauer i cyklussen",
        63: "Klik på en knap på musen for at ændre dens funktion",
    },
    "advance": {
        100: "Følsomhedsniveauer",
        60: "Niveau 1", 61: "Niveau 2", 62: "Niveau 3", 63: "Niveau 4", 64: "Niveau 5",
        65: "Niveau 6", 102: "Markørhastighed", 103: "Scrollhastighed",
        104: "Skudinterval", 105: "Pollingfrekvens", 106: "Brugerdefineret farve",
    },
    "mac": {
        0: "Makrobibliotek", 1: "Trin", 2: "Optagelse", 3: "Afspilning",
        4: "Start / stop optagelse", 5: "Indsæt et trin",
        6: "Gentag mens knappen holdes nede", 7: "Gentag indtil næste tryk",
        8: "Gentag et antal gange", 9: "Gentagelser", 10: "Taster",
        13: "Våbenindstillinger", 15: "Afspil på computeren",
    },
    "color": {
        80: "Tilstand", 17: "Effekter", 19: "Slukket", 81: "Effekt", 35: "Vælg en effekt",
        82: "Farver", 83: "Lysstyrke", 84: "Hastighed", 85: "Retning",
        47: "Venstre", 48: "Højre", 49: "Udad", 50: "Indad", 45: "Spejlvend effekten",
        86: "Reaktiv belysning",
        51: "Knap 1", 52: "Knap 2", 53: "Knap 3", 54: "Knap 4",
        55: "Knap 5", 56: "Knap 6", 57: "Knap 7", 58: "Knap 8",
    },
    "mac_color": {7: "OK", 8: "Annuller", 9: "Tastfarver",
                  10: "Klik på en farve for at ændre den"},
    "keyset": {0: "Tryk på den nye tast", 1: "OK", 2: "Annuller"},
    "shortcut": {10: "Tastekombination", 11: "Ændringstaster", 12: "Tast",
                 13: "Tryk på en tast på tastaturet", 4: "Ryd", 3: "Annuller", 2: "Bekræft"},
    "sound": {0: "Lydreaktiv belysning", 1: "Effekt", 2: "Puls", 3: "Farvestrøm", 4: "Takt",
              5: "Effekt til", 10: "Gem"},
    "gun": {12: "Våbenindstillinger", 9: "Skud pr. tryk", 10: "Interval (ms)",
            11: "Rekylkompensation (1-99)", 2: "Antal gange", 3: "Holdes nede",
            8: "Vælg et våben", 5: "Annuller", 4: "OK"},
}

FUNCTIONS = {
    0: "Deaktivér", 1: "Venstreklik", 2: "Højreklik", 3: "Midterklik", 4: "Tilbage",
    5: "Frem", 6: "DPI-cyklus", 7: "Flere funktioner", 8: "Multimedie", 9: "Makro",
    10: "Tastekombination", 11: "Profiler", 12: "Hurtigskud", 13: "Dobbeltklik", 14: "Tredobbelt klik",
    15: "DPI-skift", 16: "DPI op", 17: "DPI ned", 18: "Håndteres af computeren",
    19: "Skift mellem profiler", 20: "Næste profil", 21: "Forrige profil",
    22: "Første profil", 23: "Afspil / pause", 24: "Stop", 25: "Forrige nummer",
    26: "Næste nummer", 27: "Lydstyrke op", 28: "Lydstyrke ned", 29: "Slå lyd fra",
    30: "Medieafspiller", 31: "E-mail", 32: "Lommeregner", 33: "Tastekombination",
}
SPECIAL_FUNCTIONS = {30000: "Lyscyklus", 30001: "Lys til/fra", 30002: "Frekvens (Hz)"}

TIPS = {
    1: "Tilslut musen og start programmet igen. Musen blev ikke fundet:",
    2: "Musen nulstilles til fabriksindstillingerne. Vent venligst.",
    3: "Fabriksindstillingerne er gendannet.",
    4: "En indstillings- eller skinfil mangler. Geninstallér programmet.",
    5: "En fil kunne ikke kopieres eller indlæses.",
    6: "Ikke muligt: en grænse ville blive overskredet eller ingen knap ville have venstreklik.",
    7: "Opret først en makrogruppe.",
    8: "Denne indstillingsfil hører til et andet produkt.",
    9: "Stop først optagelsen.",
    12: "Vælg først en makrogruppe.",
    16: "Lyset er slukket. Tænd det først på siden Belysning.",
    21: "Grænsen er nået: der kan ikke tilføjes flere trin eller makroer.",
    23: "Der findes allerede en makrogruppe med dette navn.",
    29: "Makroerne fylder for meget til musens hukommelse. Forkort eller fjern nogle makroer.",
    30: "Der kan højst oprettes tolv makrogrupper.",
}

DEVMAC = {
    0: "Ny gruppe", 1: "Ny makro", 2: "Slet gruppe", 3: "Nulstil alle grupper",
    4: "Omdøb gruppe", 5: "Importér gruppe", 6: "Eksportér gruppe", 7: "Gruppeegenskaber",
    8: "Importér makro", 9: "Omdøb makro", 10: "Slet makro", 11: "Eksportér makro",
    12: "Importér makro", 13: "Ændr", 14: "Slet",
    20: "Venstre knap", 21: "Midterknap", 22: "Højre knap",
    23: "Indsæt før", 24: "Indsæt efter", 25: "Indsæt markørbevægelse",
    26: "Indsæt DPI-ændring", 27: "Indsæt belysning", 28: "Indsæt forsinkelse",
    29: "Slet trin", 34: "Vis", 35: "Afslut", 36: "Gruppe", 37: "Makro",
    38: "Tryk venstre knap ned", 39: "Slip venstre knap", 40: "Tryk højre knap ned",
    41: "Slip højre knap", 42: "Tryk midterknap ned", 43: "Slip midterknap",
    44: "Venstre og op", 45: "Venstre og ned", 46: "Højre og op", 47: "Højre og ned",
    48: "Angiv DPI", 49: "Nulstil DPI",
}

LED = {
    0: "Spektrum", 1: "Farvecyklus", 2: "Statisk", 3: "Bølge", 4: "Krusning",
    5: "Strømning", 6: "Vejrtrækning", 7: "Løbelys", 8: "Blink", 9: "Tilfældig",
    10: "Scanning", 11: "Neon", 12: "Reaktiv", 13: "Behold nuværende", 14: "Fra",
    15: "Blink", 16: "Udtoning", 17: "Glød", 18: "Statisk", 19: "Vejrtrækning",
    20: "Blink", 21: "Spektrum", 22: "Bølge", 23: "Udtoning", 24: "Puls", 25: "Stroboskop",
    26: "Glød", 27: "Scanning", 28: "Tilfældig",
    29: "Lysstyrke 1", 30: "Lysstyrke 2", 31: "Lysstyrke 3", 32: "Lysstyrke 4",
    33: "Lysstyrke 5", 34: "Lysstyrke 6", 35: "Lysstyrke 7", 36: "Lysstyrke 8",
    37: "Langsomst", 38: "Langsom", 39: "Middel", 40: "Ret hurtig", 41: "Hurtig",
    42: "Hurtigst",
}

OTHER = {1: "Deaktiveret", 11: "[Nulstil DPI]", 12: " ms", 13: "[Belysning] ",
         17: "[Forsinkelse]", 20: "Makro"}

SHORTCUT = {4: "Ingen ændringstaster", 5: "Tryk på en tast"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Start med sessionen", 31: "Om", 32: "Skriv alt til musen", 33: "til", 34: "fra", 35: "Minimer", 36: "Luk", 37: "Minimer til meddelelsesområdet", 38: "Sprog", 39: "Mere", 40: "Webside", 41: "Farve", 42: "I farvecyklussen"})
