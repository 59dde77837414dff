#!/usr/bin/env python3
"""Writes starting inputs for every fuzz target into OUT/<name>/, from the shipped store in
resources/ and from the messages the editor sends. They are raw material: run-fuzzers.sh
--merge reduces them, with what fuzzing found, to the small kept corpus in fuzz/corpus/.

    seed_corpora.py OUT
"""

import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
RESOURCES = ROOT / "resources"
CATEGORIES = {"GAIN", "MODULATION", "SYNTHESIS", "FILTER", "DYNAMIC", "IMPULSE_RESPONSE", "OTHER"}


def images():
    """The raw bytes of every effect image in the store, smallest first."""
    found = []
    for path in RESOURCES.iterdir():
        name = path.name
        if (name.endswith(("_CTRLS", "_INFO")) or name.startswith(("STYLE_", "FIRMWARE_"))
                or name in CATEGORIES or name == "EFFECT_LIST"):
            continue
        text = path.read_bytes().splitlines()[0]
        found.append((len(text), name, bytes.fromhex(text.decode("ascii"))))
    return [(name, data) for _, name, data in sorted(found)]


def address_frame(address):
    frame = struct.pack(">I", address)
    check = 0
    for b in frame:
        check ^= b
    return frame + bytes([check])


def checked(data):
    check = 0
    for b in data:
        check ^= b
    return data + bytes([check])


def bootloader_sessions():
    sync = b"\x7f"
    get = b"\x00\xff" + b"\x01\xfe" + b"\x02\xfd"
    read = b"\x11\xee" + address_frame(0x08000000) + b"\xff\x00"
    read_ram = b"\x11\xee" + address_frame(0x20000200) + b"\x0f\xf0"
    erase_all = b"\x43\xbc" + b"\xff\x00"
    erase_pages = b"\x43\xbc" + checked(b"\x01\x00\x01")
    block = bytes(range(16))
    write = b"\x31\xce" + address_frame(0x08000000) + checked(bytes([len(block) - 1]) + block)
    go = b"\x21\xde" + address_frame(0x08000000)
    return {
        "get": sync + get,
        "read": sync + read + read_ram,
        "erase-write-read-go": sync + erase_all + write + read + go + b"\x05\x00",
        "erase-pages": sync + erase_pages + write,
        "bad-complement": sync + b"\x11\x11" + b"\x43\xbc\x05",
    }


def bootloader_answers():
    """Answers to the upgrade of fuzz_bootloader_answers.cpp's two-chunk image."""
    image = bytes(i * 37 % 256 for i in range(300))
    ack, nack = b"\x79", b"\x1f"
    chunks = [image[at:at + 256] for at in range(0, len(image), 256)]
    right = ack * 2 + b"".join(ack * 6 + chunk for chunk in chunks) + ack * 5
    changed = bytearray(right)
    changed[2 + 6 + 10] ^= 0xFF  # a byte of the first chunk reads back changed
    return {
        "right": right,
        "erase-refused": ack + nack,
        "data-refused": ack * 4 + nack,
        "read-back-differs": bytes(changed),
        "stops-before-go": right[:-2],
        "answers-after-go": right + ack,
    }


def pedal_sessions(image):
    assignments = b"\x04" + bytes(range(16)) + b"\x00\x01\x02\x03" + b"\x10\x11"
    return {
        "information": b"\x05\x00",
        "parameters": b"\x02\x10",
        "settings": b"\x07\x05\x0d\x00\x0d\x01\x03\x10",
        "write-and-read": b"\x01\x00\x03\x00\x40\x00\x00" + b"\x02\x04",
        "assign": assignments + b"\x02\x02",
        "upload": image + b"\x05\x00\x02\x04\x03\x04",
        "unknown-command": b"\x09\x01\x02\x05\x00",
    }


def value_replies():
    values = b"".join(b"%d\r\n" % v for v in [0, 64, 0, 0] * 4 + [255] * 22)
    return {
        "parameters": values,
        "information": b"Kestrel X\r\n7\r\n2\r\n12\r\n",
        "long-lines": b"1234\r\n\r\n12\r\n",
        "bad-digit": b"12\r\n1:\r\n",
        "unfinished": b"12\r\n34",
    }


def parameter_replies():
    """Parameter state replies as decoded: N, R, then one value a byte."""
    words = bytes.fromhex("00400000" "007FE000" "FFFFE000" "00001FFF" "00800000")
    codes = bytes(range(16)) + b"\x09\xff" + b"\x02\xff\x00\x03"
    return {
        "five-controls": bytes([5, 2]) + words + codes,
        "sixteen-controls": bytes([16, 4]) + words * 3 + words[:4] + codes,
        "twenty-four-controls": bytes([24, 0]) + words * 4 + words[:16] + codes,
        "cut-in-a-word": bytes([5, 2]) + words[:10],
        "cut-in-the-codes": bytes([5, 2]) + words + codes[:17],
    }


def wavs():
    """The impulse response tests' WAV files, made by sox and by hand."""
    folder = ROOT / "tests" / "fixtures" / "ir"
    return {p.name: p.read_bytes() for p in sorted(folder.glob("*.wav"))}


def ir_responses():
    """Impulse responses as the editor keeps them: 24-bit mono at 48 kHz with the notes in a
    LIST/INFO comment; with broken notes, cut short, and a plain WAV file."""
    import struct

    def chunk(ident, body):
        return ident + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")

    def response(notes, samples, rate=48000):
        fmt = chunk(b"fmt ", struct.pack("<HHIIHH", 1, 1, rate, rate * 3, 3, 24))
        info = chunk(b"LIST", b"INFO" + chunk(b"ICMT", notes + b"\0"))
        data = chunk(b"data", b"".join(struct.pack("<i", s)[:3] for s in samples))
        body = b"WAVE" + fmt + info + data
        return b"RIFF" + struct.pack("<I", len(body)) + body

    samples = [((i * 7919) % 4001 - 2000) * 1000 for i in range(912)]
    notes = (b"Kestrel X impulse response\neffect: Basic IR Loader\nfile: cab.wav\n"
             b"imported: 2026-12-11T12:00:00Z\ntrim: on\nnormalise: -1.0 dB\nfade: 5.0 ms\n"
             b"summary: Selected file data:\nsummary: Name: cab.wav")
    kept = response(notes, samples)
    canonical = (ROOT / "tests" / "fixtures" / "ir" / "canonical-24bit-mono-48k.wav").read_bytes()
    return {
        "kept": kept,
        "odd-notes": response(b"Kestrel X impulse response\nnormalise: loud dB\nfade: 1e999 ms"
                              b"\nfile\n\x01\xff: x", samples[:703]),
        "cut-short": kept[: len(kept) // 2],
        "other-rate": response(notes, samples, rate=44100),
        "plain-wav": canonical,
    }


def presets():
    """Preset files as Save writes them, with their line ends changed, and broken ones."""
    example = (ROOT / "tests" / "fixtures" / "presets" / "example.txt").read_bytes()
    lines = [b"000A", b"01", b"18"] + [b"%08X" % (i * 97 % 1024) for i in range(24)] + [b"FF"] * 24
    saved = b"\xef\xbb\xbf" + b"".join(line + b"\r" for line in lines)
    return {
        "example": example,
        "24-controls-lf": saved.replace(b"\r", b"\n"),
        "24-controls-crlf": saved.replace(b"\r", b"\r\n"),
        "lower-case": example.lower(),
        "wrong-width": example.replace(b"00000200", b"0200"),
        "short": example[:20],
    }


def version_bodies():
    """Bodies of the maker's version page, good and bad."""
    return {
        "plain": b"1.1",
        "line-break": b"1.0.1\r\n",
        "page": b"<html>1.1</html>",
        "blank-first": b" 1.1",
        "dots": b"...",
    }


def doctor_trees():
    """The doctor's system trees as fuzz_doctor.cpp cuts them: the test fixtures' files."""
    fixtures = ROOT / "tests" / "fixtures" / "doctor"
    sep = b"\n--\n"
    etc = [(fixtures / "etc" / name).read_bytes() for name in ("passwd", "group")]
    rule = b'SUBSYSTEM=="tty", ATTRS{idVendor}=="0403", ATTRS{idProduct}=="6015", TAG+="uaccess"\n'
    trees = {}
    for case in ("bound", "unbound"):
        chip = fixtures / "sys" / case / "bus" / "usb" / "devices" / "1-2"
        attributes = [(chip / name).read_bytes() if (chip / name).exists() else b""
                      for name in ("idVendor", "idProduct", "serial", "product", "busnum",
                                   "devnum", "1-2:1.0/uevent")]
        comm = (fixtures / "proc" / "minicom" / "4242" / "comm").read_bytes()
        trees[case] = sep.join(etc + [rule] + attributes + [comm, b"/usr/bin/minicom\0-D\0"])
    trees["accounts-only"] = sep.join(etc)
    return trees


def main():
    out = pathlib.Path(sys.argv[1])
    seeds = {}
    all_images = images()
    seeds["effect_image"] = {name: data for name, data in all_images[:6]}
    firmware = (RESOURCES / "FIRMWARE_1").read_bytes()
    seeds["firmware_image"] = {
        "vector-table": struct.pack("<i", 4) + firmware[:0x200],
        "version-field": struct.pack("<i", 0x144) + firmware[:0x200],
        "past-the-end": struct.pack("<i", 0x1FE) + firmware[:0x200],
        # The whole input as a file the upgrade takes: vector table, reset handler and version.
        "upgrade-file": firmware[:0x200],
    }
    seeds["control_description"] = {
        p.name: p.read_bytes() for p in sorted(RESOURCES.glob("*_CTRLS"))
    }
    small = all_images[0][1]
    seeds["hex_text"] = {
        "image": small[:64].hex().upper().encode(),
        "mixed-case": b"00a0Ff7e",
        "bad-pair": b"0102G30405",
        "odd": b"01020",
    }
    seeds["pedal_commands"] = pedal_sessions(small)
    seeds["stm32_bootloader"] = bootloader_sessions()
    seeds["bootloader_answers"] = bootloader_answers()
    seeds["value_reply"] = value_replies()
    seeds["parameter_reply"] = parameter_replies()
    seeds["wav"] = wavs()
    seeds["preset_file"] = presets()
    seeds["ir_response"] = ir_responses()
    seeds["version_body"] = version_bodies()
    seeds["doctor"] = doctor_trees()
    for target, files in seeds.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in files.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
