"""Czech (language 15).

Texts cannot hold a comma, so sentences that Czech would split with one ("aby", "který")
are built as "Kliknutím ... změníte" or as noun phrases instead.
"""

LAYOUT = {
    "main": {
        6: "Tlačítka", 7: "Výkon", 8: "Makra", 9: "Podsvícení",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Importovat", 15: "Exportovat", 16: "Resetovat", 3: "Použít",
        60: "Kolečko", 31: "Standardní", 32: "Alternativní", 62: "Podsvícení",
        46: "Světelný efekt", 61: "Úrovně DPI v cyklu",
        63: "Kliknutím na tlačítko myši změníte jeho funkci",
    },
    "advance": {
        100: "Úrovně citlivosti",
        60: "Úroveň 1", 61: "Úroveň 2", 62: "Úroveň 3", 63: "Úroveň 4", 64: "Úroveň 5",
        65: "Úroveň 6", 102: "Rychlost ukazatele", 103: "Rychlost posouvání",
        104: "Interval rychlé palby", 105: "Frekvence dotazování", 106: "Vlastní barva",
    },
    "mac": {
        0: "Knihovna maker", 1: "Kroky", 2: "Nahrávání", 3: "Přehrávání",
        4: "Spustit / zastavit nahrávání", 5: "Vložit krok",
        6: "Opakovat při podržení", 7: "Opakovat do dalšího stisku",
        8: "Opakovat zadaný početkrát", 9: "Počet opakování", 10: "Klávesy",
        13: "Předvolby zbraní", 15: "Přehrávat v počítači",
    },
    "color": {
        80: "Režim", 17: "Efekty", 19: "Zhasnuto", 81: "Efekt", 35: "Vyberte efekt",
        82: "Barvy", 83: "Jas", 84: "Rychlost", 85: "Směr",
        47: "Vlevo", 48: "Vpravo", 49: "Ven", 50: "Dovnitř", 45: "Zrcadlit efekt",
        86: "Reaktivní podsvícení",
        51: "Tlačítko 1", 52: "Tlačítko 2", 53: "Tlačítko 3", 54: "Tlačítko 4",
        55: "Tlačítko 5", 56: "Tlačítko 6", 57: "Tlačítko 7", 58: "Tlačítko 8",
    },
    "mac_color": {7: "OK", 8: "Zrušit", 9: "Barvy kláves", 10: "Kliknutím na barvu ji změníte"},
    "keyset": {0: "Stiskněte novou klávesu", 1: "OK", 2: "Zrušit"},
    "shortcut": {10: "Kombinace kláves", 11: "Modifikační klávesy", 12: "Klávesa",
                 13: "Stiskněte klávesu na klávesnici", 4: "Vymazat", 3: "Zrušit",
                 2: "Potvrdit"},
    "sound": {0: "Podsvícení reagující na zvuk", 1: "Efekt", 2: "Puls", 3: "Tok barev",
              4: "Rytmus", 5: "Efekt zapnut", 10: "Uložit"},
    "gun": {12: "Předvolby zbraní", 9: "Výstřelů na stisk", 10: "Interval (ms)",
            11: "Kompenzace zpětného rázu (1-99)", 2: "Počet opakování", 3: "Při podržení",
            8: "Vybrat zbraň", 5: "Zrušit", 4: "OK"},
}

FUNCTIONS = {
    0: "Vypnout", 1: "Levé kliknutí", 2: "Pravé kliknutí", 3: "Prostřední kliknutí",
    4: "Zpět", 5: "Vpřed", 6: "Cyklus DPI", 7: "Další funkce", 8: "Multimédia", 9: "Makro",
    10: "Kombinace kláves", 11: "Profily", 12: "Rychlá palba", 13: "Dvojité kliknutí",
    14: "Trojité kliknutí", 15: "Dočasná změna DPI", 16: "Zvýšit DPI",
    17: "Snížit DPI", 18: "Zpracuje počítač", 19: "Přepínání profilů",
    20: "Další profil", 21: "Předchozí profil", 22: "První profil",
    23: "Přehrát / pozastavit", 24: "Zastavit", 25: "Předchozí skladba",
    26: "Další skladba", 27: "Zesílit", 28: "Zeslabit", 29: "Ztlumit",
    30: "Přehrávač médií", 31: "Pošta", 32: "Kalkulačka", 33: "Kombinace kláves",
}
SPECIAL_FUNCTIONS = {30000: "Cyklus světel", 30001: "Světla zap/vyp", 30002: "Frekvence (Hz)"}

TIPS = {
    1: "Připojte myš a spusťte program znovu. Myš nebyla nalezena:",
    2: "Probíhá obnovení továrního nastavení myši. Počkejte prosím.",
    3: "Tovární nastavení bylo obnoveno.",
    4: "Chybí soubor nastavení nebo vzhledu. Přeinstalujte program.",
    5: "Soubor nelze zkopírovat ani načíst.",
    6: "Nelze provést: byl by překročen limit nebo by žádné tlačítko nemělo levé kliknutí.",
    7: "Nejprve vytvořte skupinu maker.",
    8: "Tento soubor nastavení patří k jinému produktu.",
    9: "Nejprve zastavte nahrávání.",
    12: "Nejprve vyberte skupinu maker.",
    16: "Podsvícení je vypnuté. Nejprve ho zapněte na stránce Podsvícení.",
    21: "Bylo dosaženo limitu: další kroky ani makra nelze přidat.",
    23: "Skupina maker s tímto názvem již existuje.",
    29: "Makra se nevejdou do paměti myši. Zkraťte nebo odeberte některá makra.",
    30: "Lze vytvořit nejvýše dvanáct skupin maker.",
}

DEVMAC = {
    0: "Nová skupina", 1: "Nové makro", 2: "Odstranit skupinu", 3: "Resetovat všechny skupiny",
    4: "Přejmenovat skupinu", 5: "Importovat skupinu", 6: "Exportovat skupinu",
    7: "Vlastnosti skupiny", 8: "Importovat makro", 9: "Přejmenovat makro",
    10: "Odstranit makro", 11: "Exportovat makro", 12: "Importovat makro", 13: "Změnit",
    14: "Odstranit", 20: "Levé tlačítko", 21: "Prostřední tlačítko", 22: "Pravé tlačítko",
    23: "Vložit před", 24: "Vložit za", 25: "Vložit pohyb kurzoru", 26: "Vložit změnu DPI",
    27: "Vložit podsvícení", 28: "Vložit prodlevu", 29: "Odstranit krok", 34: "Zobrazit",
    35: "Ukončit", 36: "Skupina", 37: "Makro",
    38: "Stisk levého tlačítka", 39: "Uvolnění levého tlačítka",
    40: "Stisk pravého tlačítka", 41: "Uvolnění pravého tlačítka",
    42: "Stisk prostředního tlačítka", 43: "Uvolnění prostředního tlačítka",
    44: "Vlevo nahoru", 45: "Vlevo dolů", 46: "Vpravo nahoru", 47: "Vpravo dolů",
    48: "Nastavit DPI", 49: "Resetovat DPI",
}

LED = {
    0: "Spektrum", 1: "Cyklus barev", 2: "Statický", 3: "Vlna", 4: "Vlnění", 5: "Tok",
    6: "Dýchání", 7: "Běžící světlo", 8: "Blikání", 9: "Náhodný", 10: "Skenování",
    11: "Neon", 12: "Reaktivní", 13: "Zachovat aktuální", 14: "Vypnuto", 15: "Blikání",
    16: "Stmívání", 17: "Záře", 18: "Statický", 19: "Dýchání", 20: "Blikání",
    21: "Spektrum", 22: "Vlna", 23: "Stmívání", 24: "Puls", 25: "Stroboskop", 26: "Záře",
    27: "Skenování", 28: "Náhodný",
    29: "Jas 1", 30: "Jas 2", 31: "Jas 3", 32: "Jas 4",
    33: "Jas 5", 34: "Jas 6", 35: "Jas 7", 36: "Jas 8",
    37: "Nejpomalejší", 38: "Pomalá", 39: "Střední", 40: "Svižná", 41: "Rychlá",
    42: "Nejrychlejší",
}

OTHER = {1: "Vypnuto", 11: "[Reset DPI]", 12: " ms", 13: "[Podsvícení] ", 17: "[Prodleva]",
         20: "Makro"}

SHORTCUT = {4: "Žádné modifikační klávesy", 5: "Stiskněte klávesu"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Spouštět s relací", 31: "O programu", 32: "Zapsat vše do myši", 33: "zapnuto", 34: "vypnuto", 35: "Minimalizovat", 36: "Zavřít", 37: "Minimalizovat do oznamovací oblasti", 38: "Jazyk", 39: "Další", 40: "Webová stránka", 41: "Barva", 42: "V cyklu barev"})
