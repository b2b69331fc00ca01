import importlib
import sys

import _spatial


def test_imports_on_3_14_with_its_documentation():
    assert sys.version_info[:2] == (3, 14)
    assert _spatial.__doc__ == "Host-neutral spatial intent values and host grounding pass"


def test_reimport_after_removal_gives_the_same_module():
    before = sys.modules.pop("_spatial")
    try:
        again = importlib.import_module("_spatial")
        assert again is before
    finally:
        sys.modules["_spatial"] = before
