#!/usr/bin/env bash
# make_clips.sh <voice_clips> <language> <espeak-ng voice> <words per minute> <out dir>
#
# Synthesises every clip of a language with espeak-ng, turns it with sox into
# the voices' PCM (16000 Hz, 16-bit, mono, raw), trims the silence around it,
# evens its level and fades its ends so that joined clips neither click nor
# pause, then has <voice_clips> encode it (MS ADPCM, its leading silence cut
# to the millisecond before the sound) and writes <out dir>/clips.rc naming
# one RCDATA resource a clip.
#
# Clips are cached under <out dir>/cache by a hash of everything that makes
# them (<hash>.raw, the PCM; <hash>.<encoder>.clip, what the voice carries),
# so a rebuild only synthesises clips whose text, voice or processing changed
# and only encodes anew when the encoder changed; files no longer named are
# removed.
set -euo pipefail

tool=$1 language=$2 voice=$3 wpm=$4 out=$5

# Change when the processing below changes: every clip is then made anew.
pipeline="espeak-ng|sox 16000/16/1 no dither|trim 0.5%|norm -1|fade 5ms/15ms|pad 30ms"
encoder=$(md5sum <"$tool" | cut -c1-12)

mkdir -p "$out/cache"
list=$("$tool" "$language")
rc="$out/clips.rc"
rc_new="$out/clips.rc.new.$$"  # of this run alone: two builds may share the folder
: >"$rc_new"
declare -A keep=()
made=0

while IFS=$'\t' read -r id key text; do
  hash=$(printf '%s\n%s\n%s\n%s' "$pipeline" "$voice" "$wpm" "$text" | md5sum | cut -c1-32)
  raw="$out/cache/$hash.raw"
  if [ ! -s "$raw" ]; then
    wav="$out/cache/$hash.$$.wav" part="$raw.$$.part"
    espeak-ng -v "$voice" -s "$wpm" -w "$wav" "$text"
    sox -D "$wav" -t raw -e signed-integer -b 16 -c 1 -r 16000 "$part" \
      rate 16000 silence 1 0.01 0.5% reverse silence 1 0.01 0.5% fade h 0.015 reverse fade h 0.005 \
      norm -1 pad 0 0.03
    if [ ! -s "$part" ]; then
      echo "make_clips: clip \"$key\" of $language ($voice) is silent" >&2
      exit 1
    fi
    mv "$part" "$raw"
    rm -f "$wav"
    made=$((made + 1))
  fi
  clip="$out/cache/$hash.$encoder.clip"
  if [ ! -s "$clip" ]; then
    "$tool" encode "$raw" "$clip.$$.part"
    mv "$clip.$$.part" "$clip"
  fi
  keep["$hash.raw"]=1
  keep["$hash.$encoder.clip"]=1
  printf '%s RCDATA "%s" // %s\n' "$id" "$clip" "$key" >>"$rc_new"
done <<<"$list"

for f in "$out"/cache/*.raw "$out"/cache/*.clip; do
  [ -e "$f" ] || continue
  [ -n "${keep[$(basename "$f")]:-}" ] || rm -f "$f"
done

if cmp -s "$rc_new" "$rc"; then
  rm -f "$rc_new"
else
  mv "$rc_new" "$rc"
fi
echo "make_clips: $language ($voice): $((${#keep[@]} / 2)) clips, $made synthesised"
