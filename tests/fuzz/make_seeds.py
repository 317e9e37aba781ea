#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: sheets as UTF-16LE, fields separated by U+FFFF."""

from pathlib import Path

SIGNS = ["水瓶座", "双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座",
         "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座"]
PLACEHOLDER = "-请选择-"
SEPARATOR = "\uffff"


def sheet(title, picks, custom=""):
    text = SEPARATOR.join([title, *picks, custom])
    return text.encode("utf-16-le", "surrogatepass")


SEEDS = {
    "valid": sheet("本周运势", SIGNS, "abc"),
    "empty-title": sheet("", SIGNS),
    "all-placeholders": sheet("榜", [PLACEHOLDER] * 12),
    "rank-12-unchosen-and-repeat": sheet("榜", [SIGNS[0]] * 2 + SIGNS[2:11] + [PLACEHOLDER]),
    "repeat-11-12": sheet("榜", SIGNS[:11] + [SIGNS[10]]),
    "typed-picks": sheet(" ", [chr(ord("a") + i) for i in range(12)], "\r\n第二行"),
    "nul-and-surrogates": sheet("a\0b", ["\ud800", "\udc00", "\0", *SIGNS[3:]], "\udbff"),
    "empty-picks-repeat": sheet("T", ["", ""] + SIGNS[2:]),
}


def main():
    out = Path(__file__).resolve().parent / "corpus"
    out.mkdir(exist_ok=True)
    for name, data in SEEDS.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()
