"""Dutch as written in Belgium (language 20).

Software in Flanders uses the same interface words as in the Netherlands, so the folder takes
every text from the Dutch module.
"""

from lang_nl import (DEVMAC, FUNCTIONS, LAYOUT, LED, OTHER, SHORTCUT,  # noqa: F401
                     SPECIAL_FUNCTIONS, TIPS)
