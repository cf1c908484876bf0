"""What self-registration records in the registry for each creatable class,
from the IDL (idl.py) and control/com/registration.json."""
import json
from pathlib import Path

HERE = Path(__file__).resolve().parent
TABLE = HERE.parent / "com" / "registration.json"


def read_table(path=TABLE):
    return json.loads(Path(path).read_text())


def control_progid(table=None):
    table = table or read_table()
    return next(record["progid"] for record in table["classes"] if record["control"])
