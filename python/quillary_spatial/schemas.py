"""The JSON Schemas of every record the library and its session logs write, shipped with the
package, and validators for them with every reference resolved.

The event schema refers to the frame schema by its `$id` (a `urn:`), which a plain
`jsonschema.validate` cannot resolve on its own; `validator` registers all of them together.
Validation needs the `jsonschema` package (`pip install quillary-spatial[validation]`).
"""

from __future__ import annotations

import importlib
import json
from functools import cache
from importlib import resources
from typing import Any

from .grounding.words import GROUNDED_SCHEMA, GROUNDED_VERSION
from .log.records import BY_SCHEMA, GAZE_HITS_SCHEMA, GAZE_HITS_VERSION

# Schema file name by the record's own `schema` member: every kind of record a log holds, and
# what grounding writes.
NAMES = {schema: schema.removeprefix("quillary.") for schema in (*BY_SCHEMA, GROUNDED_SCHEMA)}
# The version written now, where it is not 1.
VERSIONS = {GROUNDED_SCHEMA.removeprefix("quillary."): GROUNDED_VERSION,
            GAZE_HITS_SCHEMA.removeprefix("quillary."): GAZE_HITS_VERSION}


def schema(name: str) -> dict[str, Any]:
    """The schema of a record, by its file name ("contextual-intent") or its record's
    `schema` member ("quillary.contextual-intent")."""
    loaded: dict[str, Any] = json.loads(_text(NAMES.get(name, name)))
    return loaded


@cache
def _text(name: str) -> str:
    if name not in NAMES.values():
        raise ValueError(f"no schema named {name!r} (one of {', '.join(NAMES.values())})")
    return (resources.files(__package__) / "schema" / f"{name}.v{VERSIONS.get(name, 1)}.json").read_text(encoding="utf-8")


def validator(name: str) -> Any:
    """A jsonschema Draft 2020-12 validator of the named record, references resolved:
    `validator("quillary.contextual-intent").validate(json.loads(line))`."""
    # Imported by name: jsonschema is optional, and typed only where its stubs are installed.
    try:
        jsonschema = importlib.import_module("jsonschema")
        referencing = importlib.import_module("referencing")
    except ModuleNotFoundError as error:
        raise ModuleNotFoundError(f"schemas.validator needs {error.name}: pip install 'quillary-spatial[validation]'",
                                  name=error.name) from None
    registry = referencing.Registry().with_resources(
        (s["$id"], referencing.Resource.from_contents(s)) for s in map(schema, NAMES.values()))
    return jsonschema.Draft202012Validator(schema(name), registry=registry)


def validate(record: dict[str, Any]) -> None:
    """Validates a record against the schema its own `schema` member names (raises
    jsonschema's ValidationError, or ValueError for an unknown record)."""
    validator(str(record.get("schema"))).validate(record)
