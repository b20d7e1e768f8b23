#!/usr/bin/env bash
# Writes the seed inputs of each fuzz target into corpus/<target>/. The layout
# of an input is described at the top of its fuzz_<target>.cpp. Run it again
# after changing a layout; the seeds are small enough to read with `xxd`.
set -euo pipefail
cd "$(dirname "$0")"

seed() { # seed <target> <name> <printf format> [args...]
    mkdir -p "$1"
    local file="$1/$2"
    shift 2
    # shellcheck disable=SC2059
    printf "$@" >"$file"
}

rm -rf format tokenizer str theme_path flow_layout settings

# First byte: mode = value % 5 (integers, floating values, texts, escaped sprintF,
# one sprintF conversion), indent = value / 5 % 8.
seed format ints '\x00Simulation stopped after $ sec ($ $ $ $)\n-5\n4294967295\n-9223372036854775808\n18446744073709551615'
seed format floats '\x10x=$ y=$ p=$ r=$ $\n2.5\n0.1\n1.5\n-2'
seed format huge '\x01$$ $ at $\n1\n2\n3e30\n-4'
seed format texts '\x02$|$|$|$\nchars\nstd string\nQString \xc3\xa4\nview \xe4\xb8\xad'
seed format surplus '\x05$ $ $ $ $ $ $\n5\n6'
seed format percent '\x03100%% done %%d %%s %%%%'
# Third field: its first byte chooses the conversion, "1" to "7" for d lld x f g s c.
seed format conv_f '\x04Total: \n08.3\n4\n3.14159'
seed format conv_s '\x04[\n-20\n6\nname]'
seed format conv_c '\x04\n-5\n7\n0'

# First byte: bits 0-2 the delimiter set, bit 3 keep delimiters, bit 4 quotes.
seed tokenizer path '\x06:/wb/icons/copy.svg'
seed tokenizer kept '\x08a,,b c'
seed tokenizer quoted '\x15x = "a b" ;'
seed tokenizer chinese '\x02\xe4\xbd\xa0\xe5\xa5\xbd\xe3\x80\x82\xe4\xb8\x96\xe7\x95\x8c\xef\xbc\x81(ok)'
seed tokenizer mixed '\x1b12 1.5 ( abc + "unclosed'
seed tokenizer whole '\x07whole text'

# 27-byte header: line limit, head, tail, a value (integer and double), a width; then the text.
seed str lines '\xff\x02\0\0\0\0\0\0\0\x02\0\0\0\0\0\0\0\xd2\x04\0\0\0\0\0\0\x06\0a\r\nb\n\nc'
seed str digits '\x02\x05\0\0\0\0\0\0\0\x05\0\0\0\0\0\0\0\x2a\0\0\0\0\0\0\0\x04\x000123456789'
seed str double '\x01\xff\xff\xff\xff\xff\xff\xff\xff\x01\0\0\0\0\0\0\0\x6e\x86\x1b\xf0\xf9\x21\x09\x40\x03\x00x\n'
seed str wide '\x00\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xf0\x7f\xff\x0f'

# First byte: the theme (value % 5: normal, dark, green, none, the text after a line feed).
seed theme_path dark '\x01:/wb/icons/copy.svg'
seed theme_path green '\x02:/wb/icons/dark/copy.svg'
seed theme_path normal '\x00:/wb/icons/green/copy.svg'
seed theme_path custom '\x04:/wb/icons/copy.svg\nblue'
seed theme_path short '\x01a/b'
seed theme_path slashes '\x03//x//y/z/w/'

# Header: parent widget, margin, spacings (255: ask the style), width / 4; then item width / 8, height / 8.
seed flow_layout wrap_third '\x00\x00\x05\x05\x19\x05\x02\x05\x02\x05\x02'
seed flow_layout exact_edge '\x00\x00\x00\x00\x18\x06\x02\x06\x02'
seed flow_layout style '\x01\xff\xff\xff\x40\x0a\x03\x14\x03\x03\x00\x02\x05'
seed flow_layout wide_item '\x00\x03\x02\x01\x10\x40\x04\x01\x01\x02\x02'
seed flow_layout empty '\x01\xff\x00\x00\x00'

# Plain INI text.
seed settings library '[ui]\ntheme=2\n[log]\nlevel=3\ndigits=-4\ngui\\fontSize=99999999999\n'
seed settings typed '[General]\nwidth@panel=12\nratio=0.75\ncolor=#ff8000\nflag=true\nsize=@Size(3 4)\nrect=@Rect(1 2 3 4)\npoint=@Point(5 6)\n'
seed settings lists '[app]\nfunctions=1, 2, 3\nname="quoted, text"\nbytes=@ByteArray(abc)\nnan=nan\nbig=1e300\n'
seed settings version '[config]\nversion=10811\n'
