"""Italian (language 6)."""

LAYOUT = {
    "main": {
        6: "Pulsanti", 7: "Prestazioni", 8: "Macro", 9: "Illuminazione",
        10: "Profilo 1", 11: "Profilo 2", 12: "Profilo 3", 13: "Profilo 4",
        14: "Importa", 15: "Esporta", 16: "Ripristina", 3: "Applica",
        60: "Rotellina", 31: "Standard", 32: "Alternativa", 62: "Illuminazione",
        46: "Effetto luce", 61: "Livelli DPI nel ciclo",
        63: "Fai clic su un pulsante del mouse per cambiarne la funzione",
    },
    "advance": {
        100: "Livelli di sensibilità",
        60: "Livello 1", 61: "Livello 2", 62: "Livello 3", 63: "Livello 4", 64: "Livello 5",
        65: "Livello 6", 102: "Velocità del puntatore", 103: "Velocità di scorrimento",
        104: "Intervallo di fuoco rapido", 105: "Frequenza di polling",
        106: "Colore personalizzato",
    },
    "mac": {
        0: "Libreria macro", 1: "Passaggi", 2: "Registrazione", 3: "Riproduzione",
        4: "Avvia / ferma registrazione", 5: "Inserisci un passaggio",
        6: "Ripeti finché premuto", 7: "Ripeti fino a nuova pressione",
        8: "Ripeti un numero di volte", 9: "Ripetizioni", 10: "Tasti",
        13: "Preset armi", 15: "Riproduci su questo PC",
    },
    "color": {
        80: "Modalità", 17: "Effetti", 19: "Luci spente", 81: "Effetto", 35: "Scegli un effetto",
        82: "Colori", 83: "Luminosità", 84: "Velocità", 85: "Direzione",
        47: "Sinistra", 48: "Destra", 49: "Verso l'esterno", 50: "Verso l'interno",
        45: "Effetto a specchio", 86: "Illuminazione reattiva",
        51: "Pulsante 1", 52: "Pulsante 2", 53: "Pulsante 3", 54: "Pulsante 4",
        55: "Pulsante 5", 56: "Pulsante 6", 57: "Pulsante 7", 58: "Pulsante 8",
    },
    "mac_color": {7: "OK", 8: "Annulla", 9: "Colori dei tasti",
                  10: "Fai clic su un colore per cambiarlo"},
    "keyset": {0: "Premi il nuovo tasto", 1: "OK", 2: "Annulla"},
    "shortcut": {10: "Combinazione di tasti", 11: "Tasti modificatori", 12: "Tasto",
                 13: "Premi un tasto sulla tastiera", 4: "Cancella", 3: "Annulla",
                 2: "Conferma"},
    "sound": {0: "Illuminazione reattiva al suono", 1: "Effetto", 2: "Impulso",
              3: "Flusso di colore", 4: "Ritmo", 5: "Effetto attivo", 10: "Salva"},
    "gun": {12: "Preset armi", 9: "Colpi per pressione", 10: "Intervallo (ms)",
            11: "Compensazione rinculo (1-99)", 2: "Ripetizioni", 3: "Finché premuto",
            8: "Scegli un'arma", 5: "Annulla", 4: "OK"},
}

FUNCTIONS = {
    0: "Disattiva", 1: "Clic sinistro", 2: "Clic destro", 3: "Clic centrale", 4: "Indietro",
    5: "Avanti", 6: "Ciclo DPI", 7: "Altre funzioni", 8: "Multimedia", 9: "Macro",
    10: "Combinazione di tasti", 11: "Profili", 12: "Fuoco rapido", 13: "Doppio clic",
    14: "Triplo clic", 15: "DPI di precisione", 16: "Aumenta DPI", 17: "Riduci DPI",
    18: "Gestito dal PC", 19: "Ciclo profili", 20: "Profilo successivo",
    21: "Profilo precedente", 22: "Primo profilo", 23: "Riproduci / pausa", 24: "Stop",
    25: "Traccia precedente", 26: "Traccia successiva", 27: "Alza volume", 28: "Abbassa volume",
    29: "Muto", 30: "Lettore multimediale", 31: "Posta", 32: "Calcolatrice",
    33: "Combinazione di tasti",
}
SPECIAL_FUNCTIONS = {30000: "Ciclo luci", 30001: "Luci on/off", 30002: "Frequenza (Hz)"}

TIPS = {
    1: "Collega il mouse e riavvia il programma. Mouse non trovato:",
    2: "Ripristino delle impostazioni di fabbrica del mouse in corso. Attendere.",
    3: "Le impostazioni di fabbrica sono state ripristinate.",
    4: "Manca un file di impostazioni o della skin. Reinstalla il programma.",
    5: "Impossibile copiare o caricare un file.",
    6: "Impossibile: verrebbe superato un limite o nessun pulsante avrebbe più il clic sinistro.",
    7: "Crea prima un gruppo di macro.",
    8: "Questo file di impostazioni appartiene a un altro prodotto.",
    9: "Interrompi prima la registrazione.",
    12: "Seleziona prima un gruppo di macro.",
    16: "Le luci sono spente. Accendile prima nella pagina Illuminazione.",
    21: "Limite raggiunto: non è possibile aggiungere altri passaggi o macro.",
    23: "Esiste già un gruppo di macro con questo nome.",
    29: "Le macro non entrano nella memoria del mouse. Accorcia o rimuovi alcune macro.",
    30: "Non è possibile creare più di dodici gruppi di macro.",
}

DEVMAC = {
    0: "Nuovo gruppo", 1: "Nuova macro", 2: "Elimina gruppo", 3: "Ripristina tutti i gruppi",
    4: "Rinomina gruppo", 5: "Importa gruppo", 6: "Esporta gruppo", 7: "Proprietà gruppo",
    8: "Importa macro", 9: "Rinomina macro", 10: "Elimina macro", 11: "Esporta macro",
    12: "Importa macro", 13: "Modifica", 14: "Elimina",
    20: "Pulsante sinistro", 21: "Pulsante centrale", 22: "Pulsante destro",
    23: "Inserisci prima", 24: "Inserisci dopo", 25: "Inserisci movimento cursore",
    26: "Inserisci cambio DPI", 27: "Inserisci illuminazione", 28: "Inserisci ritardo",
    29: "Elimina passaggio", 34: "Mostra", 35: "Esci", 36: "Gruppo", 37: "Macro",
    38: "Premi pulsante sinistro", 39: "Rilascia pulsante sinistro",
    40: "Premi pulsante destro", 41: "Rilascia pulsante destro",
    42: "Premi pulsante centrale", 43: "Rilascia pulsante centrale",
    44: "In alto a sinistra", 45: "In basso a sinistra", 46: "In alto a destra",
    47: "In basso a destra", 48: "Imposta DPI", 49: "Ripristina DPI",
}

LED = {
    0: "Spettro", 1: "Ciclo colori", 2: "Statico", 3: "Onda", 4: "Increspatura", 5: "Flusso",
    6: "Respirazione", 7: "Scorrimento", 8: "Lampeggio", 9: "Casuale", 10: "Scansione",
    11: "Neon", 12: "Reattivo", 13: "Mantieni attuale", 14: "Spento", 15: "Lampeggio",
    16: "Dissolvenza", 17: "Bagliore", 18: "Statico", 19: "Respirazione", 20: "Lampeggio",
    21: "Spettro", 22: "Onda", 23: "Dissolvenza", 24: "Impulso", 25: "Stroboscopico",
    26: "Bagliore", 27: "Scansione", 28: "Casuale",
    29: "Luminosità 1", 30: "Luminosità 2", 31: "Luminosità 3", 32: "Luminosità 4",
    33: "Luminosità 5", 34: "Luminosità 6", 35: "Luminosità 7", 36: "Luminosità 8",
    37: "Molto lenta", 38: "Lenta", 39: "Media", 40: "Rapida", 41: "Molto rapida",
    42: "Massima",
}

OTHER = {1: "Disattivato", 11: "[Ripristina DPI]", 12: " ms", 13: "[Illuminazione] ",
         17: "[Ritardo]", 20: "Macro"}

SHORTCUT = {4: "Nessun tasto modificatore", 5: "Premi un tasto"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Avvia con la sessione", 31: "Informazioni", 32: "Scrivi tutto nel mouse", 33: "attivo", 34: "disattivo", 35: "Riduci a icona", 36: "Chiudi", 37: "Riduci nell'area di notifica", 38: "Lingua", 39: "Altro", 40: "Pagina web", 41: "Colore", 42: "Nel ciclo dei colori"})
