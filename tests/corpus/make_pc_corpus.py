#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets of the robot's PC folder.

pc_index/    an index as the robot writes it: the diary's AIFILES.XML (ENTRY elements of
             FILENAME, DATE, TIME under FILELIST) and the photo album's IMGFILES.XML
             (the same entries in PHOTO elements with an ID), ISO-8859-1 declared, CR LF
             lines; one cut short, one with a document type and entities, one declaring
             an unknown encoding, an empty one.
capture_time/     a photo's first bytes as the robot writes them: SOI, the JFIF segment, the
             robot's capture-time segment, then a scan; one without the robot's segment,
             one cut inside it, one with fill bytes before a marker.
voice_recording/  WAV files: a second of silence, one recorded, one with a chunk before the
             data, one of another format, one whose data size lies.
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


JFIF = bytes([0xFF, 0xE0, 0x00, 0x10]) + b"JFIF\0" + bytes([1, 1, 0, 0, 1, 0, 1, 0, 0])
CAPTURE = bytes([0xFF, 0xE0, 0x00, 0x14]) + b"AIBO\0\x02\x00\x00" + bytes([0xE1, 0x07, 3, 28, 2, 19, 20, 10, 0x55, 0xAA])
SCAN = bytes([0xFF, 0xDA, 0x00, 0x08, 1, 1, 0, 0, 0x3F, 0]) + bytes(16) + bytes([0xFF, 0xD9])


def capture_seeds():
    return {
        "robot_photo": b"\xff\xd8" + JFIF + CAPTURE + SCAN,
        "no_capture": b"\xff\xd8" + JFIF + SCAN,
        "cut_inside": b"\xff\xd8" + JFIF + CAPTURE[:12],
        "fill_bytes": b"\xff\xd8\xff\xff" + JFIF + CAPTURE + SCAN,
    }


def le32(value):
    return value.to_bytes(4, "little")


def wave(chunks):
    return b"RIFF" + le32(4 + len(chunks)) + b"WAVE" + chunks


def fmt(rate, bits=8):
    return b"fmt " + le32(16) + bytes([1, 0, 1, 0]) + le32(rate) + le32(rate) + bytes([1, 0, bits, 0])


def voice_seeds():
    silence = bytes([128]) * 8000
    tone = bytes((128 + (60 if (i // 9) % 2 else -60)) for i in range(8000))
    return {
        "silence": wave(fmt(8000) + b"data" + le32(len(silence)) + silence),
        "recorded": wave(fmt(8000) + b"data" + le32(len(tone)) + tone),
        "list_chunk": wave(fmt(8000) + b"LIST" + le32(3) + b"abc\0" + b"data" + le32(4) + bytes([128]) * 4),
        "other_format": wave(fmt(11025, 16) + b"data" + le32(4) + bytes(4)),
        "lying_size": wave(fmt(8000) + b"data" + le32(4000000000) + bytes([128]) * 10),
    }


if __name__ == "__main__":
    write_seeds("capture_time", capture_seeds())
    write_seeds("voice_recording", voice_seeds())
    write_seeds("pc_index", index_seeds())
    write_seeds("diary_day", day_seeds())
