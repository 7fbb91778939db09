#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets of the robot's PC folder.

pc_index/    an index as the robot writes it: the diary's AIFILES.XML (ENTRY elements of
             FILENAME, DATE, TIME under FILELIST) and the photo album's IMGFILES.XML
             (the same entries in PHOTO elements with an ID), ISO-8859-1 declared, CR LF
             lines; one cut short, one with a document type and entities, one declaring
             an unknown encoding, an empty one.
diary_day/   a day file, DIARYSRC with COMMON, CHARACTER, REGISTRATION, SKILL, PASSAGE,
             BEHAVIOR, RECOGNITION and STATISTICS groups; one with an element nobody knows
             and Latin-1 text, one with values that are no numbers, one cut short.

The output is the same on every run.

Usage: make_pc_corpus.py   (writes next to this script)
"""
from corpus_seeds import write_seeds

DECLARATION = b'<?xml version="1.0" encoding="iso-8859-1"?>\r\n'


def entry(name, date, time):
    return f"<ENTRY><FILENAME>{name}</FILENAME><DATE>{date}</DATE><TIME>{time}</TIME></ENTRY>\r\n".encode()


def index_seeds():
    diary = (DECLARATION + b"<FILELIST><COMMON><VERSION>1.0</VERSION></COMMON>\r\n" +
             entry("AI170531.XML", "20170531", "194030") + entry("AI000101.XML", "20000101", "000512") +
             b"</FILELIST>\r\n")
    photos = (DECLARATION + b"<PHOTOLIST><COMMON><VERSION>1.0</VERSION></COMMON>\r\n" +
              b'<PHOTO ID="OWNER">' + entry("IMG00001.JPG", "20170328", "192010") + b"</PHOTO>\r\n" +
              b'<PHOTO ID="FAVORITE">' + entry("IMG00002.JPG", "20170329", "101500") + b"</PHOTO>\r\n" +
              b"</PHOTOLIST>\r\n")
    return {
        "diary_index": diary,
        "photo_index": photos,
        "cut_short": diary[: len(diary) // 2],
        "entities": b'<!DOCTYPE F [<!ENTITY a "aaaa"><!ENTITY b "&a;&a;&a;">]><FILELIST>&b;</FILELIST>',
        "unknown_encoding": b'<?xml version="1.0" encoding="x-robot"?><FILELIST/>',
        "empty": b"",
    }


def day_seeds():
    groups = (b"<COMMON><VERSION>1.0</VERSION></COMMON><CHARACTER><TYPE>2</TYPE></CHARACTER>"
              b"<REGISTRATION><OWNER1>1</OWNER1><AIBONAME>1</AIBONAME></REGISTRATION>"
              b"<SKILL><BALL>1234</BALL><BONE>250</BONE><WALK>8000</WALK><BABY>40</BABY><RESET>0</RESET></SKILL>"
              b"<PASSAGE><START_DAY>20170301</START_DAY></PASSAGE>"
              b"<BEHAVIOR><LISTEN_OWNER>3</LISTEN_OWNER><BALL_KICK>12</BALL_KICK></BEHAVIOR>"
              b"<RECOGNITION><FACE>4</FACE><VOICE>9</VOICE><FACE_OWNER1>2</FACE_OWNER1></RECOGNITION>"
              b"<STATISTICS><WALK_DISTANCE>318</WALK_DISTANCE><OPERATION_TIME>7240</OPERATION_TIME></STATISTICS>")
    day = DECLARATION + b"<DIARYSRC>" + groups + b"</DIARYSRC>\r\n"
    return {
        "day": day,
        "unknown_element": DECLARATION + b"<DIARYSRC><NEW><NAME>Caf\xe9</NAME></NEW>" + groups + b"</DIARYSRC>",
        "not_numbers": DECLARATION + b"<DIARYSRC><SKILL><BALL>lots</BALL><BONE>-3</BONE></SKILL></DIARYSRC>",
        "cut_short": day[: len(day) // 3],
    }


if __name__ == "__main__":
    write_seeds("pc_index", index_seeds())
    write_seeds("diary_day", day_seeds())
