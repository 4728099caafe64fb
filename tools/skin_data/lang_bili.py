"""Belgian (language 3): the folder of French/Dutch bilingual users, who get the French texts."""

from lang_fr import (DEVMAC, FUNCTIONS, LAYOUT, LED, OTHER, SHORTCUT,  # noqa: F401
                     SPECIAL_FUNCTIONS, TIPS)
