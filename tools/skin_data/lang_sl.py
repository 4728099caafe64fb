"""Slovenian (language 22).

Texts cannot hold a comma, so sentences that Slovenian would split with one ("da", "ki") are
built as single clauses.
"""

LAYOUT = {
    "main": {
        6: "Gumbi", 7: "Zmogljivost", 8: "Makri", 9: "Osvetlitev",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Uvozi", 15: "Izvozi", 16: "Ponastavi", 3: "Uporabi",
        60: "Kolesce", 31: "Standardno", 32: "Alternativno", 62: "Osvetlitev",
        46: "Svetlobni učinek", 61: "Ravni DPI v ciklu",
        63: "Za spremembo funkcije kliknite gumb na miški",
    },
    "advance": {
        100: "Ravni občutljivosti",
        60: "Raven 1", 61: "Raven 2", 62: "Raven 3", 63: "Raven 4", 64: "Raven 5",
        65: "Raven 6", 102: "Hitrost kazalca", 103: "Hitrost drsenja",
        104: "Interval hitrega streljanja", 105: "Frekvenca poizvedovanja",
        106: "Barva po meri",
    },
    "mac": {
        0: "Knjižnica makrov", 1: "Koraki", 2: "Snemanje", 3: "Predvajanje",
        4: "Začni / ustavi snemanje", 5: "Vstavi korak",
        6: "Ponavljaj med držanjem", 7: "Ponavljaj do ponovnega pritiska",
        8: "Ponovi določeno število krat", 9: "Število ponovitev", 10: "Tipke",
        13: "Prednastavitve orožja", 15: "Predvajaj v računalniku",
    },
    "color": {
        80: "Način", 17: "Učinki", 19: "Luči ugasnjene", 81: "Učinek", 35: "Izberite učinek",
        82: "Barve", 83: "Svetlost", 84: "Hitrost", 85: "Smer",
        47: "Levo", 48: "Desno", 49: "Navzven", 50: "Navznoter", 45: "Zrcali učinek",
        86: "Odzivna osvetlitev",
        51: "Gumb 1", 52: "Gumb 2", 53: "Gumb 3", 54: "Gumb 4",
        55: "Gumb 5", 56: "Gumb 6", 57: "Gumb 7", 58: "Gumb 8",
    },
    "mac_color": {7: "OK", 8: "Prekliči", 9: "Barve tipk", 10: "Za spremembo kliknite barvo"},
    "keyset": {0: "Pritisnite novo tipko", 1: "OK", 2: "Prekliči"},
    "shortcut": {10: "Kombinacija tipk", 11: "Modifikatorske tipke", 12: "Tipka",
                 13: "Pritisnite tipko na tipkovnici", 4: "Počisti", 3: "Prekliči",
                 2: "Potrdi"},
    "sound": {0: "Osvetlitev glede na zvok", 1: "Učinek", 2: "Utrip", 3: "Tok barv",
              4: "Ritem", 5: "Učinek vklopljen", 10: "Shrani"},
    "gun": {12: "Prednastavitve orožja", 9: "Strelov na pritisk", 10: "Interval (ms)",
            11: "Kompenzacija odsuna (1-99)", 2: "Število ponovitev", 3: "Med držanjem",
            8: "Izberi orožje", 5: "Prekliči", 4: "OK"},
}

FUNCTIONS = {
    0: "Onemogoči", 1: "Levi klik", 2: "Desni klik", 3: "Srednji klik", 4: "Nazaj",
    5: "Naprej", 6: "Cikel DPI", 7: "Več funkcij", 8: "Večpredstavnost", 9: "Makro",
    10: "Kombinacija tipk", 11: "Profili", 12: "Hitro streljanje", 13: "Dvoklik",
    14: "Troklik", 15: "Začasni DPI", 16: "Povečaj DPI", 17: "Zmanjšaj DPI",
    18: "Obdela računalnik", 19: "Menjava profilov", 20: "Naslednji profil",
    21: "Prejšnji profil", 22: "Prvi profil", 23: "Predvajaj / premor", 24: "Ustavi",
    25: "Prejšnja skladba", 26: "Naslednja skladba", 27: "Glasneje", 28: "Tiše",
    29: "Izklopi zvok", 30: "Predvajalnik", 31: "E-pošta", 32: "Kalkulator",
    33: "Kombinacija tipk",
}
SPECIAL_FUNCTIONS = {30000: "Cikel luči", 30001: "Luči vkl/izkl", 30002: "Frekvenca (Hz)"}

TIPS = {
    1: "Priključite miško in znova zaženite program. Miške ni mogoče najti:",
    2: "Miška se ponastavlja na tovarniške nastavitve. Počakajte.",
    3: "Tovarniške nastavitve so obnovljene.",
    4: "Manjka datoteka z nastavitvami ali preobleko. Znova namestite program.",
    5: "Datoteke ni bilo mogoče kopirati ali naložiti.",
    6: "To ni mogoče: presežena bi bila omejitev ali noben gumb ne bi imel levega klika.",
    7: "Najprej ustvarite skupino makrov.",
    8: "Ta datoteka z nastavitvami pripada drugemu izdelku.",
    9: "Najprej ustavite snemanje.",
    12: "Najprej izberite skupino makrov.",
    16: "Luči so ugasnjene. Najprej jih prižgite na strani Osvetlitev.",
    21: "Omejitev je dosežena: dodati ni mogoče nobenega koraka ali makra več.",
    23: "Skupina makrov s tem imenom že obstaja.",
    29: "Makri presegajo pomnilnik miške. Skrajšajte ali odstranite nekaj makrov.",
    30: "Ustvarite lahko največ dvanajst skupin makrov.",
}

DEVMAC = {
    0: "Nova skupina", 1: "Nov makro", 2: "Izbriši skupino", 3: "Ponastavi vse skupine",
    4: "Preimenuj skupino", 5: "Uvozi skupino", 6: "Izvozi skupino", 7: "Lastnosti skupine",
    8: "Uvozi makro", 9: "Preimenuj makro", 10: "Izbriši makro", 11: "Izvozi makro",
    12: "Uvozi makro", 13: "Spremeni", 14: "Izbriši",
    20: "Levi gumb", 21: "Srednji gumb", 22: "Desni gumb",
    23: "Vstavi pred", 24: "Vstavi za", 25: "Vstavi premik kazalca",
    26: "Vstavi spremembo DPI", 27: "Vstavi osvetlitev", 28: "Vstavi zakasnitev",
    29: "Izbriši korak", 34: "Pokaži", 35: "Izhod", 36: "Skupina", 37: "Makro",
    38: "Pritisni levi gumb", 39: "Spusti levi gumb", 40: "Pritisni desni gumb",
    41: "Spusti desni gumb", 42: "Pritisni srednji gumb", 43: "Spusti srednji gumb",
    44: "Levo in gor", 45: "Levo in dol", 46: "Desno in gor", 47: "Desno in dol",
    48: "Nastavi DPI", 49: "Ponastavi DPI",
}

LED = {
    0: "Spekter", 1: "Cikel barv", 2: "Statično", 3: "Val", 4: "Valovanje", 5: "Tok",
    6: "Dihanje", 7: "Tekoča luč", 8: "Utripanje", 9: "Naključno", 10: "Skeniranje",
    11: "Neon", 12: "Odzivno", 13: "Ohrani trenutno", 14: "Izklopljeno", 15: "Utripanje",
    16: "Pojemanje", 17: "Žarenje", 18: "Statično", 19: "Dihanje", 20: "Utripanje",
    21: "Spekter", 22: "Val", 23: "Pojemanje", 24: "Utrip", 25: "Stroboskop",
    26: "Žarenje", 27: "Skeniranje", 28: "Naključno",
    29: "Svetlost 1", 30: "Svetlost 2", 31: "Svetlost 3", 32: "Svetlost 4",
    33: "Svetlost 5", 34: "Svetlost 6", 35: "Svetlost 7", 36: "Svetlost 8",
    37: "Najpočasneje", 38: "Počasi", 39: "Srednje", 40: "Kar hitro", 41: "Hitro",
    42: "Najhitreje",
}

OTHER = {1: "Onemogočeno", 11: "[Ponastavi DPI]", 12: " ms", 13: "[Osvetlitev] ",
         17: "[Zakasnitev]", 20: "Makro"}

SHORTCUT = {4: "Brez modifikatorskih tipk", 5: "Pritisnite tipko"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Zaženi s sejo", 31: "O programu", 32: "Zapiši vse v miško", 33: "vklopljeno", 34: "izklopljeno", 35: "Pomanjšaj", 36: "Zapri", 37: "Pomanjšaj v sistemsko vrstico", 38: "Jezik", 39: "Več", 40: "Spletna stran", 41: "Barva", 42: "V barvnem krogu"})
