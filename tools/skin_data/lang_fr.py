"""French (language 2)."""

LAYOUT = {
    "main": {
        6: "Boutons", 7: "Performances", 8: "Macros", 9: "Éclairage",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Importer", 15: "Exporter", 16: "Réinitialiser", 3: "Appliquer",
        60: "Molette", 31: "Standard", 32: "Alternatif", 62: "Éclairage",
        46: "Effet lumineux", 61: "Niveaux DPI utilisés",
        63: "Cliquez sur un bouton de la souris pour changer sa fonction",
    },
    "advance": {
        100: "Niveaux de sensibilité",
        60: "Niveau 1", 61: "Niveau 2", 62: "Niveau 3", 63: "Niveau 4", 64: "Niveau 5",
        65: "Niveau 6", 102: "Vitesse du pointeur", 103: "Vitesse de défilement",
        104: "Intervalle de tir", 105: "Taux de rapport", 106: "Couleur personnalisée",
    },
    "mac": {
        0: "Bibliothèque de macros", 1: "Étapes", 2: "Enregistrement", 3: "Lecture",
        4: "Démarrer / arrêter", 5: "Insérer une étape",
        6: "Répéter tant que maintenu", 7: "Répéter jusqu'au prochain appui",
        8: "Répéter un nombre de fois", 9: "Répétitions", 10: "Touches",
        13: "Préréglages d'armes", 15: "Lire sur ce PC",
    },
    "color": {
        80: "Mode", 17: "Effets", 19: "Éteint", 81: "Effet", 35: "Choisir un effet",
        82: "Couleurs", 83: "Luminosité", 84: "Vitesse", 85: "Direction",
        47: "Gauche", 48: "Droite", 49: "Vers l'extérieur", 50: "Vers l'intérieur",
        45: "Effet en miroir", 86: "Éclairage réactif",
        51: "Bouton 1", 52: "Bouton 2", 53: "Bouton 3", 54: "Bouton 4",
        55: "Bouton 5", 56: "Bouton 6", 57: "Bouton 7", 58: "Bouton 8",
    },
    "mac_color": {7: "OK", 8: "Annuler", 9: "Couleurs des touches",
                  10: "Cliquez sur une couleur pour la modifier"},
    "keyset": {0: "Appuyez sur la nouvelle touche", 1: "OK", 2: "Annuler"},
    "shortcut": {10: "Combinaison de touches", 11: "Touches de modification", 12: "Touche",
                 13: "Appuyez sur une touche du clavier", 4: "Effacer", 3: "Annuler",
                 2: "Valider"},
    "sound": {0: "Éclairage réactif au son", 1: "Effet", 2: "Pulsation", 3: "Flux de couleurs",
              4: "Rythme", 5: "Effet actif", 10: "Enregistrer"},
    "gun": {12: "Préréglages d'armes", 9: "Tirs par appui", 10: "Intervalle (ms)",
            11: "Compensation du recul (1-99)", 2: "Nombre de fois", 3: "Tant que maintenu",
            8: "Choisir une arme", 5: "Annuler", 4: "OK"},
}

FUNCTIONS = {
    0: "Désactivé", 1: "Clic gauche", 2: "Clic droit", 3: "Clic milieu", 4: "Précédent",
    5: "Suivant", 6: "Cycle DPI", 7: "Autres fonctions", 8: "Multimédia", 9: "Macro",
    10: "Combinaison de touches", 11: "Profils", 12: "Tir rapide", 13: "Double clic", 14: "Triple clic",
    15: "DPI de précision", 16: "DPI +", 17: "DPI -", 18: "Géré par le PC",
    19: "Changer de profil", 20: "Profil suivant", 21: "Profil précédent",
    22: "Premier profil", 23: "Lecture / pause", 24: "Arrêt", 25: "Piste précédente",
    26: "Piste suivante", 27: "Volume +", 28: "Volume -", 29: "Muet", 30: "Lecteur multimédia",
    31: "Courrier", 32: "Calculatrice", 33: "Combinaison de touches",
}
SPECIAL_FUNCTIONS = {30000: "Cycle lumineux", 30001: "Lumière on/off", 30002: "Fréquence (Hz)"}

TIPS = {
    1: "Branchez la souris puis relancez le programme. Souris introuvable :",
    2: "La souris revient à ses réglages d'usine. Veuillez patienter.",
    3: "Les réglages d'usine ont été rétablis.",
    4: "Un fichier de réglages ou de thème est manquant. Veuillez réinstaller le programme.",
    5: "Un fichier n'a pas pu être copié ou chargé.",
    7: "Créez d'abord un groupe de macros.",
    8: "Ce fichier de réglages appartient à un autre produit.",
    9: "Arrêtez d'abord l'enregistrement.",
    6: "Impossible : une limite serait dépassée ou plus aucun bouton n'aurait le clic gauche.",
    12: "Sélectionnez d'abord un groupe de macros.",
    16: "L'éclairage est éteint. Allumez-le d'abord sur la page Éclairage.",
    21: "Limite atteinte : impossible d'ajouter d'autres étapes ou macros.",
    23: "Un groupe de macros porte déjà ce nom.",
    29: "Les macros ne tiennent pas dans la mémoire de la souris. Raccourcissez ou supprimez-en.",
    30: "Vous ne pouvez pas créer plus de douze groupes de macros.",
}

DEVMAC = {
    0: "Nouveau groupe", 1: "Nouvelle macro", 2: "Supprimer le groupe",
    3: "Réinitialiser les groupes", 4: "Renommer le groupe", 5: "Importer un groupe",
    6: "Exporter le groupe", 7: "Propriétés du groupe", 8: "Importer une macro",
    9: "Renommer la macro", 10: "Supprimer la macro", 11: "Exporter la macro",
    12: "Importer une macro", 13: "Modifier", 14: "Supprimer", 20: "Bouton gauche",
    21: "Bouton du milieu", 22: "Bouton droit", 23: "Insérer avant", 24: "Insérer après",
    25: "Insérer un déplacement", 26: "Insérer un changement DPI", 27: "Insérer un éclairage",
    28: "Insérer un délai", 29: "Supprimer l'étape", 34: "Afficher", 35: "Quitter",
    36: "Groupe", 37: "Macro",
    38: "Bouton gauche enfoncé", 39: "Bouton gauche relâché", 40: "Bouton droit enfoncé",
    41: "Bouton droit relâché", 42: "Bouton du milieu enfoncé", 43: "Bouton du milieu relâché",
    44: "Vers le haut à gauche", 45: "Vers le bas à gauche", 46: "Vers le haut à droite",
    47: "Vers le bas à droite", 48: "Définir les DPI", 49: "Réinitialiser les DPI",
}

LED = {
    0: "Spectre", 1: "Cycle de couleurs", 2: "Fixe", 3: "Vague", 4: "Ondulation", 5: "Flux",
    6: "Respiration", 7: "Défilement", 8: "Clignotement", 9: "Aléatoire", 10: "Balayage",
    11: "Néon", 12: "Réactif", 13: "Conserver l'actuel", 14: "Éteint", 15: "Clignotement",
    16: "Fondu", 17: "Lueur", 18: "Fixe", 19: "Respiration", 20: "Clignotement", 21: "Spectre",
    22: "Vague", 23: "Fondu", 24: "Pulsation", 25: "Stroboscope", 26: "Lueur", 27: "Balayage",
    28: "Aléatoire",
    29: "Luminosité 1", 30: "Luminosité 2", 31: "Luminosité 3", 32: "Luminosité 4",
    33: "Luminosité 5", 34: "Luminosité 6", 35: "Luminosité 7", 36: "Luminosité 8",
    37: "Très lente", 38: "Lente", 39: "Moyenne", 40: "Rapide", 41: "Très rapide",
    42: "Maximale",
}

OTHER = {1: "Désactivé", 11: "[Réinitialiser les DPI]", 12: " ms", 13: "[Éclairage] ",
         17: "[Délai]", 20: "Macro"}

SHORTCUT = {4: "Aucune touche de modification", 5: "Appuyez sur une touche"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Démarrer avec la session", 31: "À propos", 32: "Tout écrire dans la souris", 33: "activé", 34: "désactivé", 35: "Réduire", 36: "Fermer", 37: "Réduire dans la zone de notification", 38: "Langue", 39: "Plus", 40: "Page web", 41: "Couleur", 42: "Dans le cycle de couleurs"})
