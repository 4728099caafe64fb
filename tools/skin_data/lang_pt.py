"""Portuguese as written in Portugal (language 9)."""

LAYOUT = {
    "main": {
        6: "Botões", 7: "Desempenho", 8: "Macros", 9: "Iluminação",
        10: "Perfil 1", 11: "Perfil 2", 12: "Perfil 3", 13: "Perfil 4",
        14: "Importar", 15: "Exportar", 16: "Repor", 3: "Aplicar",
        60: "Roda do rato", 31: "Padrão", 32: "Alternativo", 62: "Iluminação",
        46: "Efeito de luz", 61: "Níveis de DPI no ciclo",
        63: "Clique num botão do rato para alterar a sua função",
    },
    "advance": {
        100: "Níveis de sensibilidade",
        60: "Nível 1", 61: "Nível 2", 62: "Nível 3", 63: "Nível 4", 64: "Nível 5", 65: "Nível 6",
        102: "Velocidade do ponteiro", 103: "Velocidade de deslocamento",
        104: "Intervalo de disparo", 105: "Taxa de sondagem", 106: "Cor personalizada",
    },
    "mac": {
        0: "Biblioteca de macros", 1: "Passos", 2: "Gravação", 3: "Reprodução",
        4: "Iniciar / parar gravação", 5: "Inserir um passo",
        6: "Repetir enquanto premido", 7: "Repetir até premir de novo",
        8: "Repetir um número de vezes", 9: "Repetições", 10: "Teclas",
        13: "Armas predefinidas", 15: "Reproduzir neste PC",
    },
    "color": {
        80: "Modo", 17: "Efeitos", 19: "Luzes apagadas", 81: "Efeito", 35: "Escolher um efeito",
        82: "Cores", 83: "Brilho", 84: "Velocidade", 85: "Direção",
        47: "Esquerda", 48: "Direita", 49: "Para fora", 50: "Para dentro",
        45: "Efeito em espelho", 86: "Iluminação reativa",
        51: "Botão 1", 52: "Botão 2", 53: "Botão 3", 54: "Botão 4",
        55: "Botão 5", 56: "Botão 6", 57: "Botão 7", 58: "Botão 8",
    },
    "mac_color": {7: "OK", 8: "Cancelar", 9: "Cores das teclas",
                  10: "Clique numa cor para a alterar"},
    "keyset": {0: "Prima a nova tecla", 1: "OK", 2: "Cancelar"},
    "shortcut": {10: "Combinação de teclas", 11: "Teclas modificadoras", 12: "Tecla",
                 13: "Prima uma tecla do teclado", 4: "Limpar", 3: "Cancelar", 2: "Confirmar"},
    "sound": {0: "Iluminação reativa ao som", 1: "Efeito", 2: "Pulso", 3: "Fluxo de cor",
              4: "Ritmo", 5: "Efeito ativo", 10: "Guardar"},
    "gun": {12: "Armas predefinidas", 9: "Disparos por clique", 10: "Intervalo (ms)",
            11: "Compensação de recuo (1-99)", 2: "Repetições", 3: "Manter premido",
            8: "Escolher uma arma", 5: "Cancelar", 4: "OK"},
}

FUNCTIONS = {
    0: "Desativar", 1: "Clique esquerdo", 2: "Clique direito", 3: "Clique do meio",
    4: "Retroceder", 5: "Avançar", 6: "Ciclo de DPI", 7: "Mais funções", 8: "Multimédia",
    9: "Macro", 10: "Combinação de teclas", 11: "Perfis", 12: "Disparo rápido", 13: "Duplo clique",
    14: "Triplo clique", 15: "DPI de precisão", 16: "Aumentar DPI", 17: "Diminuir DPI",
    18: "Gerido pelo PC", 19: "Alternar perfis", 20: "Perfil seguinte", 21: "Perfil anterior",
    22: "Primeiro perfil", 23: "Reproduzir / pausa", 24: "Parar", 25: "Faixa anterior",
    26: "Faixa seguinte", 27: "Aumentar volume", 28: "Diminuir volume", 29: "Sem som",
    30: "Leitor multimédia", 31: "Correio", 32: "Calculadora", 33: "Combinação de teclas",
}
SPECIAL_FUNCTIONS = {30000: "Ciclo de luzes", 30001: "Luzes on/off", 30002: "Sondagem (Hz)"}

TIPS = {
    1: "Ligue o rato e volte a iniciar o programa. Rato não encontrado:",
    2: "O rato está a ser reposto nas definições de fábrica. Aguarde.",
    3: "As definições de fábrica foram repostas.",
    4: "Falta um ficheiro de definições ou de tema. Reinstale o programa.",
    5: "Não foi possível copiar ou carregar um ficheiro.",
    6: "Não é possível: seria excedido um limite ou nenhum botão ficaria com o clique esquerdo.",
    7: "Crie primeiro um grupo de macros.",
    8: "Este ficheiro de definições pertence a outro produto.",
    9: "Pare primeiro a gravação.",
    12: "Selecione primeiro um grupo de macros.",
    16: "As luzes estão apagadas. Acenda-as primeiro na página de iluminação.",
    21: "O limite foi atingido: não é possível adicionar mais passos nem macros.",
    23: "Já existe um grupo de macros com este nome.",
    29: "As macros não cabem na memória do rato. Encurte ou remova algumas macros.",
    30: "Não é possível criar mais de doze grupos de macros.",
}

DEVMAC = {
    0: "Novo grupo", 1: "Nova macro", 2: "Eliminar grupo", 3: "Repor todos os grupos",
    4: "Mudar o nome do grupo", 5: "Importar grupo", 6: "Exportar grupo",
    7: "Propriedades do grupo", 8: "Importar macro", 9: "Mudar o nome da macro",
    10: "Eliminar macro", 11: "Exportar macro", 12: "Importar macro", 13: "Alterar",
    14: "Eliminar", 20: "Botão esquerdo", 21: "Botão do meio", 22: "Botão direito",
    23: "Inserir antes", 24: "Inserir depois", 25: "Inserir movimento do cursor",
    26: "Inserir mudança de DPI", 27: "Inserir iluminação", 28: "Inserir atraso",
    29: "Eliminar passo", 34: "Mostrar", 35: "Sair", 36: "Grupo", 37: "Macro",
    38: "Premir botão esquerdo", 39: "Soltar botão esquerdo", 40: "Premir botão direito",
    41: "Soltar botão direito", 42: "Premir botão do meio", 43: "Soltar botão do meio",
    44: "Para cima e à esquerda", 45: "Para baixo e à esquerda", 46: "Para cima e à direita",
    47: "Para baixo e à direita", 48: "Definir DPI", 49: "Repor DPI",
}

LED = {
    0: "Espetro", 1: "Ciclo de cores", 2: "Fixo", 3: "Onda", 4: "Ondulação", 5: "Fluxo",
    6: "Respiração", 7: "Letreiro", 8: "Intermitente", 9: "Aleatório", 10: "Varrimento",
    11: "Néon", 12: "Reativo", 13: "Manter atual", 14: "Desligado", 15: "Intermitente",
    16: "Desvanecer", 17: "Brilho suave", 18: "Fixo", 19: "Respiração", 20: "Intermitente",
    21: "Espetro", 22: "Onda", 23: "Desvanecer", 24: "Pulso", 25: "Estroboscópio",
    26: "Brilho suave", 27: "Varrimento", 28: "Aleatório",
    29: "Brilho 1", 30: "Brilho 2", 31: "Brilho 3", 32: "Brilho 4",
    33: "Brilho 5", 34: "Brilho 6", 35: "Brilho 7", 36: "Brilho 8",
    37: "Muito lenta", 38: "Lenta", 39: "Média", 40: "Rápida", 41: "Muito rápida",
    42: "Máxima",
}

OTHER = {1: "Desativado", 11: "[Repor DPI]", 12: " ms", 13: "[Iluminação] ", 17: "[Atraso]",
         20: "Macro"}

SHORTCUT = {4: "Sem teclas modificadoras", 5: "Prima uma tecla"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Iniciar com a sessão", 31: "Acerca de", 32: "Escrever tudo no rato", 33: "ligado", 34: "desligado", 35: "Minimizar", 36: "Fechar", 37: "Minimizar para a área de notificação", 38: "Idioma", 39: "Mais", 40: "Página web", 41: "Cor", 42: "No ciclo de cores"})
