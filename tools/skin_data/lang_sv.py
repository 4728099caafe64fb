"""Swedish (language 16)."""

LAYOUT = {
    "main": {
        6: "Knappar", 7: "Prestanda", 8: "Makron", 9: "Belysning",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Importera", 15: "Exportera", 16: "Återställ", 3: "Verkställ",
        60: "Rullhjul", 31: "Standard", 32: "Alternativ", 62: "Belysning",
        46: "Ljuseffekt", 61: "DPI-nivåer i cykeln",
        63: "Klicka på en knapp på musen för att ändra dess funktion",
    },
    "advance": {
        100: "Känslighetsnivåer",
        60: "Nivå 1", 61: "Nivå 2", 62: "Nivå 3", 63: "Nivå 4", 64: "Nivå 5", 65: "Nivå 6",
        102: "Pekarhastighet", 103: "Rullningshastighet", 104: "Intervall för snabbeld",
        105: "Pollingfrekvens", 106: "Anpassad färg",
    },
    "mac": {
        0: "Makrobibliotek", 1: "Steg", 2: "Inspelning", 3: "Uppspelning",
        4: "Starta / stoppa inspelning", 5: "Infoga ett steg",
        6: "Upprepa medan knappen hålls", 7: "Upprepa tills nästa tryck",
        8: "Upprepa ett antal gånger", 9: "Upprepningar", 10: "Tangenter",
        13: "Vapenförval", 15: "Spela upp på datorn",
    },
    "color": {
        80: "Läge", 17: "Effekter", 19: "Släckt", 81: "Effekt", 35: "Välj en effekt",
        82: "Färger", 83: "Ljusstyrka", 84: "Hastighet", 85: "Riktning",
        47: "Vänster", 48: "Höger", 49: "Utåt", 50: "Inåt", 45: "Spegelvänd effekten",
        86: "Reaktiv belysning",
        51: "Knapp 1", 52: "Knapp 2", 53: "Knapp 3", 54: "Knapp 4",
        55: "Knapp 5", 56: "Knapp 6", 57: "Knapp 7", 58: "Knapp 8",
    },
    "mac_color": {7: "OK", 8: "Avbryt", 9: "Tangentfärger",
                  10: "Klicka på en färg för att ändra den"},
    "keyset": {0: "Tryck på den nya tangenten", 1: "OK", 2: "Avbryt"},
    "shortcut": {10: "Tangentkombination", 11: "Modifieringstangenter", 12: "Tangent",
                 13: "Tryck på en tangent på tangentbordet", 4: "Rensa", 3: "Avbryt",
                 2: "Bekräfta"},
    "sound": {0: "Ljudreaktiv belysning", 1: "Effekt", 2: "Puls", 3: "Färgflöde", 4: "Takt",
              5: "Effekt på", 10: "Spara"},
    "gun": {12: "Vapenförval", 9: "Skott per tryck", 10: "Intervall (ms)",
            11: "Rekylkompensation (1-99)", 2: "Antal gånger", 3: "Hålls nedtryckt",
            8: "Välj ett vapen", 5: "Avbryt", 4: "OK"},
}

FUNCTIONS = {
    0: "Inaktiv", 1: "Vänsterklick", 2: "Högerklick", 3: "Mittenklick", 4: "Bakåt",
    5: "Framåt", 6: "DPI-cykel", 7: "Fler funktioner", 8: "Multimedia", 9: "Makro",
    10: "Tangentkombination", 11: "Profiler", 12: "Snabbeld", 13: "Dubbelklick", 14: "Trippelklick",
    15: "DPI-skift", 16: "DPI upp", 17: "DPI ned", 18: "Hanteras av datorn",
    19: "Växla mellan profiler", 20: "Nästa profil", 21: "Föregående profil",
    22: "Första profilen", 23: "Spela upp / pausa", 24: "Stopp", 25: "Föregående spår",
    26: "Nästa spår", 27: "Volym upp", 28: "Volym ned", 29: "Ljud av", 30: "Mediaspelare",
    31: "E-post", 32: "Kalkylator", 33: "Tangentkombination",
}
SPECIAL_FUNCTIONS = {30000: "Ljuscykel", 30001: "Ljus på/av", 30002: "Frekvens (Hz)"}

TIPS = {
    1: "Anslut musen och starta programmet igen. Musen hittades inte:",
    2: "Musen återställs till fabriksinställningarna. Vänta.",
    3: "Fabriksinställningarna har återställts.",
    4: "En inställnings- eller skalfil saknas. Installera om programmet.",
    5: "En fil kunde inte kopieras eller läsas in.",
    6: "Det går inte: en gräns skulle överskridas eller ingen knapp skulle ha kvar vänsterklicket.",
    7: "Skapa en makrogrupp först.",
    8: "Den här inställningsfilen tillhör en annan produkt.",
    9: "Stoppa inspelningen först.",
    12: "Välj en makrogrupp först.",
    16: "Belysningen är avstängd. Slå på den på sidan Belysning först.",
    21: "Gränsen är nådd: inga fler steg eller makron kan läggas till.",
    23: "Det finns redan en makrogrupp med det här namnet.",
    29: "Makrona får inte plats i musens minne. Korta ned eller ta bort några makron.",
    30: "Högst tolv makrogrupper kan skapas.",
}

DEVMAC = {
    0: "Ny grupp", 1: "Nytt makro", 2: "Ta bort grupp", 3: "Återställ alla grupper",
    4: "Byt namn på grupp", 5: "Importera grupp", 6: "Exportera grupp", 7: "Gruppegenskaper",
    8: "Importera makro", 9: "Byt namn på makro", 10: "Ta bort makro", 11: "Exportera makro",
    12: "Importera makro", 13: "Ändra", 14: "Ta bort",
    20: "Vänster knapp", 21: "Mittenknapp", 22: "Höger knapp",
    23: "Infoga före", 24: "Infoga efter", 25: "Infoga markörrörelse",
    26: "Infoga DPI-ändring", 27: "Infoga belysning", 28: "Infoga fördröjning",
    29: "Ta bort steg", 34: "Visa", 35: "Avsluta", 36: "Grupp", 37: "Makro",
    38: "Tryck ned vänster knapp", 39: "Släpp vänster knapp", 40: "Tryck ned höger knapp",
    41: "Släpp höger knapp", 42: "Tryck ned mittenknapp", 43: "Släpp mittenknapp",
    44: "Vänster och upp", 45: "Vänster och ned", 46: "Höger och upp", 47: "Höger och ned",
    48: "Ange DPI", 49: "Återställ DPI",
}

LED = {
    0: "Spektrum", 1: "Färgcykel", 2: "Statisk", 3: "Våg", 4: "Krusning", 5: "Flöde",
    6: "Andning", 7: "Rinnande ljus", 8: "Blinka", 9: "Slumpmässig", 10: "Skanning",
    11: "Neon", 12: "Reaktiv", 13: "Behåll nuvarande", 14: "Av", 15: "Blinka",
    16: "Tona ut", 17: "Glöd", 18: "Statisk", 19: "Andning", 20: "Blinka", 21: "Spektrum",
    22: "Våg", 23: "Tona ut", 24: "Puls", 25: "Stroboskop", 26: "Glöd", 27: "Skanning",
    28: "Slumpmässig",
    29: "Ljusstyrka 1", 30: "Ljusstyrka 2", 31: "Ljusstyrka 3", 32: "Ljusstyrka 4",
    33: "Ljusstyrka 5", 34: "Ljusstyrka 6", 35: "Ljusstyrka 7", 36: "Ljusstyrka 8",
    37: "Långsammast", 38: "Långsam", 39: "Medel", 40: "Ganska snabb", 41: "Snabb",
    42: "Snabbast",
}

OTHER = {1: "Inaktiverad", 11: "[Återställ DPI]", 12: " ms", 13: "[Belysning] ",
         17: "[Fördröjning]", 20: "Makro"}

SHORTCUT = {4: "Inga modifieringstangenter", 5: "Tryck på en tangent"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Starta med sessionen", 31: "Om", 32: "Skriv allt till musen", 33: "på", 34: "av", 35: "Minimera", 36: "Stäng", 37: "Minimera till aktivitetsfältet", 38: "Språk", 39: "Mer", 40: "Webbsida", 41: "Färg", 42: "I färgcykeln"})
