"""Spanish (language 5)."""

LAYOUT = {
    "main": {
        6: "Botones", 7: "Rendimiento", 8: "Macros", 9: "Iluminación",
        10: "Perfil 1", 11: "Perfil 2", 12: "Perfil 3", 13: "Perfil 4",
        14: "Importar", 15: "Exportar", 16: "Restablecer", 3: "Aplicar",
        60: "Rueda", 31: "Estándar", 32: "Alternativo", 62: "Iluminación",
        46: "Efecto de luz", 61: "Niveles DPI en uso",
        63: "Haga clic en un botón del ratón para cambiar su función",
    },
    "advance": {
        100: "Niveles de sensibilidad",
        60: "Nivel 1", 61: "Nivel 2", 62: "Nivel 3", 63: "Nivel 4", 64: "Nivel 5", 65: "Nivel 6",
        102: "Velocidad del puntero", 103: "Velocidad de desplazamiento",
        104: "Intervalo de disparo", 105: "Frecuencia de sondeo", 106: "Color personalizado",
    },
    "mac": {
        0: "Biblioteca de macros", 1: "Pasos", 2: "Grabar", 3: "Reproducción",
        4: "Iniciar / detener grabación", 5: "Insertar un paso",
        6: "Repetir mientras se mantiene", 7: "Repetir hasta volver a pulsar",
        8: "Repetir un número de veces", 9: "Repeticiones", 10: "Teclas",
        13: "Perfiles de armas", 15: "Reproducir en este PC",
    },
    "color": {
        80: "Modo", 17: "Efectos", 19: "Luces apagadas", 81: "Efecto", 35: "Elegir un efecto",
        82: "Colores", 83: "Brillo", 84: "Velocidad", 85: "Dirección",
        47: "Izquierda", 48: "Derecha", 49: "Hacia fuera", 50: "Hacia dentro",
        45: "Efecto en espejo", 86: "Iluminación reactiva",
        51: "Botón 1", 52: "Botón 2", 53: "Botón 3", 54: "Botón 4",
        55: "Botón 5", 56: "Botón 6", 57: "Botón 7", 58: "Botón 8",
    },
    "mac_color": {7: "Aceptar", 8: "Cancelar", 9: "Colores de las teclas",
                  10: "Haga clic en un color para cambiarlo"},
    "keyset": {0: "Pulse la nueva tecla", 1: "Aceptar", 2: "Cancelar"},
    "shortcut": {10: "Combinación de teclas", 11: "Teclas modificadoras", 12: "Tecla",
                 13: "Pulse una tecla del teclado", 4: "Borrar", 3: "Cancelar", 2: "Confirmar"},
    "sound": {0: "Iluminación reactiva al sonido", 1: "Efecto", 2: "Pulso", 3: "Flujo de color",
              4: "Ritmo", 5: "Efecto activo", 10: "Guardar"},
    "gun": {12: "Perfiles de armas", 9: "Disparos por pulsación", 10: "Intervalo (ms)",
            11: "Compensación de retroceso (1-99)", 2: "Número de veces",
            3: "Mantener pulsado", 8: "Elegir un arma", 5: "Cancelar", 4: "Aceptar"},
}

FUNCTIONS = {
    0: "Inactivo", 1: "Clic izquierdo", 2: "Clic derecho", 3: "Clic central", 4: "Atrás",
    5: "Adelante", 6: "Ciclo DPI", 7: "Más funciones", 8: "Multimedia", 9: "Macro",
    10: "Combinación de teclas", 11: "Perfiles", 12: "Disparo rápido", 13: "Doble clic",
    14: "Triple clic", 15: "DPI de precisión", 16: "Subir DPI", 17: "Bajar DPI",
    18: "Gestionado por el PC", 19: "Cambiar de perfil", 20: "Perfil siguiente",
    21: "Perfil anterior", 22: "Primer perfil", 23: "Reproducir / pausa", 24: "Detener",
    25: "Pista anterior", 26: "Pista siguiente", 27: "Subir volumen", 28: "Bajar volumen",
    29: "Silencio", 30: "Reproductor multimedia", 31: "Correo", 32: "Calculadora",
    33: "Combinación de teclas",
}
SPECIAL_FUNCTIONS = {30000: "Ciclo de luces", 30001: "Luz on/off", 30002: "Frecuencia"}

TIPS = {
    1: "Conecte el ratón y vuelva a iniciar el programa. Ratón no encontrado:",
    2: "El ratón se está restableciendo a los valores de fábrica. Espere por favor.",
    3: "Se han restablecido los valores de fábrica.",
    4: "Falta un archivo de ajustes o de apariencia. Vuelva a instalar el programa.",
    5: "No se pudo copiar o cargar un archivo.",
    7: "Cree primero un grupo de macros.",
    8: "Este archivo de ajustes pertenece a otro producto.",
    9: "Detenga primero la grabación.",
    6: "No es posible: se superaría un límite o ningún botón conservaría el clic izquierdo.",
    12: "Seleccione primero un grupo de macros.",
    16: "Las luces están apagadas. Enciéndalas primero en la página de iluminación.",
    21: "Se ha alcanzado el límite: no se pueden añadir más pasos ni macros.",
    23: "Ya existe un grupo de macros con este nombre.",
    29: "Las macros no caben en la memoria del ratón. Acorte o elimine algunas macros.",
    30: "No se pueden crear más de doce grupos de macros.",
}

DEVMAC = {
    0: "Nuevo grupo", 1: "Nueva macro", 2: "Eliminar grupo", 3: "Restablecer todos los grupos",
    4: "Cambiar nombre del grupo", 5: "Importar grupo", 6: "Exportar grupo",
    7: "Propiedades del grupo", 8: "Importar macro", 9: "Cambiar nombre de la macro",
    10: "Eliminar macro", 11: "Exportar macro", 12: "Importar macro", 13: "Modificar",
    14: "Eliminar", 20: "Botón izquierdo", 21: "Botón central", 22: "Botón derecho",
    23: "Insertar antes", 24: "Insertar después", 25: "Insertar movimiento",
    26: "Insertar cambio de DPI", 27: "Insertar iluminación", 28: "Insertar retardo",
    29: "Eliminar paso", 34: "Mostrar", 35: "Salir", 36: "Grupo", 37: "Macro",
    38: "Pulsar botón izquierdo", 39: "Soltar botón izquierdo", 40: "Pulsar botón derecho",
    41: "Soltar botón derecho", 42: "Pulsar botón central", 43: "Soltar botón central",
    44: "Arriba a la izquierda", 45: "Abajo a la izquierda", 46: "Arriba a la derecha",
    47: "Abajo a la derecha", 48: "Establecer DPI", 49: "Restablecer DPI",
}

LED = {
    0: "Espectro", 1: "Ciclo de colores", 2: "Fijo", 3: "Ola", 4: "Onda", 5: "Flujo",
    6: "Respiración", 7: "Marquesina", 8: "Destello", 9: "Aleatorio", 10: "Barrido",
    11: "Neón", 12: "Reactivo", 13: "Mantener actual", 14: "Apagado", 15: "Destello",
    16: "Desvanecer", 17: "Resplandor", 18: "Fijo", 19: "Respiración", 20: "Destello",
    21: "Espectro", 22: "Ola", 23: "Desvanecer", 24: "Pulso", 25: "Estroboscópico",
    26: "Resplandor", 27: "Barrido", 28: "Aleatorio",
    29: "Brillo 1", 30: "Brillo 2", 31: "Brillo 3", 32: "Brillo 4",
    33: "Brillo 5", 34: "Brillo 6", 35: "Brillo 7", 36: "Brillo 8",
    37: "Muy lenta", 38: "Lenta", 39: "Media", 40: "Rápida", 41: "Muy rápida", 42: "Máxima",
}

OTHER = {1: "Desactivado", 11: "[Restablecer DPI]", 12: " ms", 13: "[Iluminación] ",
         17: "[Retardo]", 20: "Macro"}

SHORTCUT = {4: "Sin teclas modificadoras", 5: "Pulse una tecla"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Iniciar con la sesión", 31: "Acerca de", 32: "Escribir todo en el ratón", 33: "activado", 34: "desactivado", 35: "Minimizar", 36: "Cerrar", 37: "Minimizar a la bandeja", 38: "Idioma", 39: "Más", 40: "Página web", 41: "Color", 42: "En el ciclo de colores"})
