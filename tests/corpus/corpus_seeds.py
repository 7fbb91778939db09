"""Writing fuzz seed files: shared by the make_*_corpus.py scripts beside this file."""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent


def write_seeds(name, seeds):
    """Writes each seed (file name -> bytes) into the corpus folder NAME beside this file."""
    directory = HERE / name
    directory.mkdir(exist_ok=True)
    for file_name, data in seeds.items():
        (directory / file_name).write_bytes(data)
