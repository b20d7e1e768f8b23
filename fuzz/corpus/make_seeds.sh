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

rm -rf format tokenizer

# First byte: mode = value % 3 (integers with a character array, texts, one sprintF
# conversion), indent = value / 3 % 8.
seed format ints '\x00Simulation stopped after $ sec ($ $ $)\n-9223372036854775808\n18446744073709551615'
seed format surplus '\x03$ $ $ $ $ $ $\n5\n6'
seed format texts '\x01$|$|$|$\nchars\nstd string\nQString \xc3\xa4 \xe4\xb8\xad'
# Third field: its first byte chooses the conversion, "0" to "2" for d f s.
seed format conv_d '\x02100%% done \n-05\n0\n-42'
seed format conv_f '\x02Total: \n08.3\n1\n3.14159'
seed format conv_s '\x02[\n-20\n2\nname]'

# First byte: bits 0-2 the delimiter set, bit 3 keep delimiters, bit 4 quotes.
seed tokenizer path '\x06:/wb/icons/copy.svg'
seed tokenizer kept '\x08a,,b c'
seed tokenizer quoted '\x15x = "a b" ;'
seed tokenizer chinese '\x02\xe4\xbd\xa0\xe5\xa5\xbd\xe3\x80\x82\xe4\xb8\x96\xe7\x95\x8c\xef\xbc\x81(ok)'
seed tokenizer mixed '\x1b12 1.5 ( abc + "unclosed'
seed tokenizer whole '\x07whole text'
