#!/usr/bin/env bash
# Synthesises the feedback sounds played after the child composes a word:
# four cheerful "well done" sounds (one picked at random by the game, so the
# reward does not get boring) and one gentle "try again" sound.
#
# Everything is generated from plain oscillators with sox, so the sounds can
# be tweaked and rebuilt at any time and no third-party audio is shipped.
#
# Usage: tools/content/make_sounds.sh      (from anywhere; needs only sox)
# Output: data/suoni/{si1,si2,si3,si4,no}.wav
set -euo pipefail

command -v sox >/dev/null 2>&1 || { echo "make_sounds.sh: sox is required" >&2; exit 1; }

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT="$ROOT/data/suoni"
mkdir -p "$OUT"

# 22.05 kHz is plenty: the highest partial we generate stays below 7 kHz,
# and it halves the size of the files compared to 44.1 kHz.
RATE=22050

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# -D: no dither, -R: fixed seeds/timestamps, so that two runs give
# byte-identical files and git only sees real changes.
SOX=(sox -q -D -R)
# Intermediate files are 32-bit float so that summing many quiet partials
# loses no resolution before the final normalisation.
FLOAT=(-r "$RATE" -c 1 -b 32 -e floating-point)

# Frequency arithmetic (bash has no floating point).
mul() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.6f", a * b }'; }
samples() { awk -v t="$1" -v r="$RATE" 'BEGIN { printf "%d", t * r + 0.5 }'; }

# partial START LEN FREQ AMP ATTACK DECAY [WAVE] [FREQ2]
# One oscillator starting at START seconds and lasting LEN seconds, with a
# soft ATTACK (quarter-sine) and an exponential decay: sox's logarithmic
# fade drops about 100 dB over its length, so DECAY is roughly the time it
# takes to fall by 100 dB; the tone is then cut at LEN with a 20 ms ramp so
# the cut does not click. With FREQ2 the pitch glides exponentially.
# AMP is relative (1 = a normal note); it is halved here so that even the
# loudest notes keep headroom in the intermediate files.
N=0
partial() {
    local start=$1 len=$2 freq=$3 amp=$4 att=$5 decay=$6
    local wave=${7:-sine} freq2=${8:-}
    local f=$freq out
    [[ -n $freq2 ]] && f="$freq/$freq2"
    # The tone is padded to DECAY before fading, so a note longer than its
    # decay would need negative padding; catch the typo here instead.
    if awk -v l="$len" -v d="$decay" 'BEGIN { exit !(l > d) }'; then
        echo "make_sounds.sh: note at $start s lasts $len s, longer than its decay $decay s" >&2
        exit 1
    fi
    N=$((N + 1))
    out=$(printf '%s/p%03d.wav' "$WORK" "$N")
    # Work in whole samples: times like 0.25 s are not an integer number of
    # samples at 22.05 kHz and sox would round them differently per effect.
    local len_s decay_s
    len_s=$(samples "$len")
    decay_s=$(samples "$decay")
    # The tone is padded out to DECAY before the fade so the decay curve
    # does not depend on the note length, while a glide still spans LEN.
    # Two passes, because trimming a stream that sox is still padding makes
    # it complain.
    # The rate is given for the null input too, otherwise sox synthesises
    # at its default 48 kHz and resamples.
    "${SOX[@]}" -r "$RATE" -n "${FLOAT[@]}" "$WORK/tone.wav" \
        synth "${len_s}s" "$wave" "$f" \
        pad 0 "$((decay_s - len_s))s"
    "${SOX[@]}" "$WORK/tone.wav" "${FLOAT[@]}" "$out" \
        fade q "$att" \
        fade l 0 -0 "${decay_s}s" \
        trim 0 "${len_s}s" \
        fade t 0 -0 0.02 \
        vol "$(mul "$amp" 0.5)" \
        pad "$start"
}

# Soft marimba: strong fundamental plus the bar's characteristic 4th
# partial, which dies away much faster and gives the "tock" of the mallet.
marimba() { # START FREQ AMP
    partial "$1" 0.70 "$2"                 "$3"                            0.006 1.00
    partial "$1" 0.20 "$(mul "$2" 3.93)"   "$(mul "$3" 0.18)"              0.003 0.25
    partial "$1" 0.40 "$(mul "$2" 2)"      "$(mul "$3" 0.10)"              0.004 0.60
}

# Small bell: octave and twelfth give the bright ring, a slightly
# inharmonic high partial adds a short shimmer at the strike.
bell() { # START FREQ AMP
    partial "$1" 0.85 "$2"                 "$3"                            0.006 1.60
    partial "$1" 0.70 "$(mul "$2" 2)"      "$(mul "$3" 0.30)"              0.005 0.90
    partial "$1" 0.50 "$(mul "$2" 3)"      "$(mul "$3" 0.12)"              0.005 0.55
    partial "$1" 0.25 "$(mul "$2" 5.4)"    "$(mul "$3" 0.05)"              0.004 0.25
}

# Mellow "toy trumpet": a few harmonics added by hand rather than sox's
# triangle wave, which is not band-limited and would alias at 22 kHz. The
# harmonics fall off steeply so it is never shrill; a slightly detuned copy
# of the fundamental gives a warm chorus, and the slow decay lets the notes
# sustain like a fanfare instead of ringing like a bell.
horn() { # START LEN FREQ AMP
    partial "$1" "$2" "$3"                 "$4"                            0.020 3.0
    partial "$1" "$2" "$(mul "$3" 1.004)"  "$(mul "$4" 0.50)"              0.025 3.0
    partial "$1" "$2" "$(mul "$3" 2)"      "$(mul "$4" 0.20)"              0.025 2.0
    partial "$1" "$2" "$(mul "$3" 3)"      "$(mul "$4" 0.14)"              0.030 1.6
    partial "$1" "$2" "$(mul "$3" 4)"      "$(mul "$4" 0.06)"              0.030 1.2
    partial "$1" "$2" "$(mul "$3" 5)"      "$(mul "$4" 0.04)"              0.030 1.0
}

# Soft, round voice for "try again": mostly fundamental with a little
# second and third harmonic so it is still audible on small tablet
# speakers, long attack, no sharp edges.
soft() { # START LEN FREQ AMP [FREQ2]
    local f2=${5:-}
    local f2x2="" f2x3=""
    if [[ -n $f2 ]]; then f2x2=$(mul "$f2" 2); f2x3=$(mul "$f2" 3); fi
    partial "$1" "$2" "$3"                 "$4"                            0.035 2.5 sine "$f2"
    partial "$1" "$2" "$(mul "$3" 2)"      "$(mul "$4" 0.22)"              0.035 1.5 sine "$f2x2"
    partial "$1" "$2" "$(mul "$3" 3)"      "$(mul "$4" 0.06)"              0.035 1.0 sine "$f2x3"
}

# render NAME LENGTH: mix every partial generated so far into one file,
# add a touch of room so the tones do not sound dry and clinical, cut to
# LENGTH, fade both ends (no clicks) and normalise to -3 dBFS peak.
render() {
    local name=$1 len=$2
    local parts=("$WORK"/p*.wav)
    if (( ${#parts[@]} == 1 )); then
        cp "${parts[0]}" "$WORK/mix.wav"
    else
        # -m scales every input by 1/n, so the sum can never clip.
        "${SOX[@]}" -m "${parts[@]}" "${FLOAT[@]}" "$WORK/mix.wav"
    fi
    # Room for the reverb tail; done as its own step so that sox knows the
    # real length when it trims and fades below.
    "${SOX[@]}" "$WORK/mix.wav" "$WORK/padded.wav" pad 0 1
    "${SOX[@]}" "$WORK/padded.wav" "${FLOAT[@]}" "$WORK/shaped.wav" \
        reverb 18 50 35 100 0 0 \
        trim 0 "$(samples "$len")s" \
        fade q 0.004 -0 0.08
    # Normalising as a separate pass hits -3 dBFS exactly; inside the chain
    # above the peak came out a few tenths of a dB low.
    "${SOX[@]}" "$WORK/shaped.wav" -r "$RATE" -c 1 -b 16 -e signed-integer "$OUT/$name.wav" gain -n -3
    rm -f "$WORK"/p*.wav "$WORK/mix.wav" "$WORK/padded.wav" "$WORK/shaped.wav"
    N=0
}

# si1: rising C major arpeggio on the marimba, C5 E5 G5 C6.
marimba 0.00 523.251 1.0
marimba 0.09 659.255 1.0
marimba 0.18 783.991 1.0
marimba 0.27 1046.502 1.1
render si1 0.85

# si2: two-note "ding-ding" chime, a rising fourth G5 -> C6, the second
# bell a little louder so it sounds like a confirmation.
bell 0.00 783.991 0.9
bell 0.17 1046.502 1.0
render si2 0.90

# si3: quick upward "bloop" glide (G4 up two octaves) followed by three
# tiny sparkles on a C major triad just above where the glide ends.
partial 0.00 0.30 392 1.0 0.010 2.5 sine 1568
partial 0.00 0.30 784 0.20 0.010 1.5 sine 3136
partial 0.24 0.30 1567.982 0.40 0.002 0.45
partial 0.31 0.30 2093.005 0.34 0.002 0.45
partial 0.38 0.30 2637.020 0.30 0.002 0.45
partial 0.38 0.30 4186.009 0.05 0.002 0.30
render si3 0.65

# si4: little "ta-ta-taaa" fanfare: two short notes then a held C major
# chord (G4 C5 -> C5+E5+G5).
horn 0.00 0.13 391.995 0.9
horn 0.14 0.13 523.251 0.9
horn 0.28 0.55 523.251 0.55
horn 0.28 0.55 659.255 0.50
horn 0.28 0.55 783.991 0.55
render si4 0.85

# no: friendly "uh-oh", two soft notes falling a major third, E4 -> C4
# (a falling minor third would sound sad), the second sagging a semitone
# in pitch like a voice saying "oh".
soft 0.00 0.24 329.628 1.0
soft 0.27 0.42 261.626 1.0 246.942
render no 0.72

echo "Wrote si1.wav si2.wav si3.wav si4.wav no.wav into $OUT"
