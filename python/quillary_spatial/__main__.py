"""python -m quillary_spatial: the command line (see cli.py)."""

import sys

from .cli import main

sys.exit(main())
