#!/bin/bash
# usage: cmp.sh OLD NEW  -- runs fixed command set, compares stdout/stderr/rc
OLD=$1; NEW=$2; F=/work/wt/shape/tests/cli/fixtures
total=0; same=0
echo '{"a":1,"a":2}' > /tmp/shape/dup.json
run() { # args: stdin-file cmd...
  local in=$1; shift
  for cli in "$OLD" "$NEW"; do
    tag=$([ "$cli" = "$OLD" ] && echo a || echo b)
    (cd /tmp/shape/pdf$tag 2>/dev/null || mkdir -p /tmp/shape/pdf$tag && cd /tmp/shape/pdf$tag; eval "\"$cli\" $*" < "$in" > /tmp/shape/o$tag 2> /tmp/shape/e$tag; echo $? > /tmp/shape/r$tag)
    sed -i "s#$cli#CLI#g" /tmp/shape/e$tag
  done
  total=$((total+1))
  if cmp -s /tmp/shape/oa /tmp/shape/ob && cmp -s /tmp/shape/ea /tmp/shape/eb && cmp -s /tmp/shape/ra /tmp/shape/rb; then same=$((same+1)); else echo "DIFF: $* < $in"; diff <(cat /tmp/shape/oa /tmp/shape/ea /tmp/shape/ra) <(cat /tmp/shape/ob /tmp/shape/eb /tmp/shape/rb) | head -5; fi
}
for j in "" "--json"; do
  for f in vedic_match.jsonl vedic_rejections.jsonl; do
    for o in "" "--report" "--uncertainty 30" "--with-catalogues" "--report --precise-moon --compare-moons"; do run $F/$f vedic $j $o; done
  done
  for f in western_forms.jsonl western_valid.json; do run $F/$f western $j; run $F/$f western $j --precise-moon; done
  run $F/moon.jsonl moon $j; run $F/moon.jsonl moon $j --precise-moon; run $F/moon.jsonl moon $j --compare-moons
  run $F/zone_forms.jsonl zone $j
  printf '{"Name":"J1","BirthDate":"1990-05-01","BirthTime":"10:30","Place":"Delhi"}\n{"Name":"J2","BirthDate":"1991-02-30","BirthTime":"10:30","Latitude":"28.6","Longitude":"77.2","TimeZone":"Asia/Kolkata"}\nnot json\n{"Name":3,"BirthDate":null,"BirthTime":"1:2"}\n' > /tmp/shape/cands.jsonl
  for c in $F/rank_candidates.csv $F/rank_refusals.csv /tmp/shape/cands.jsonl; do
    run /dev/null rank $j --boy $F/rank_boy.json --candidates $c; run /dev/null rank $j --girl $F/rank_girl.json --candidates $c
    run /dev/null rank $j --boy $F/rank_boy.json --top 1 --candidates $c; run /dev/null rank $j --girl $F/rank_girl.json --min-total 20 --uncertainty 30 --candidates $c
  done
  run /dev/null rank $j --boy /tmp/shape/dup.json --candidates $F/rank_candidates.csv
  run /dev/null rank $j
  run /dev/null info timezones $j; run /dev/null info rashi Leo $j; run /dev/null info nakshatra Moola $j
  run /dev/null info nakshatra "'Poorva Bhadrapada'" $j; run /dev/null info kootas $j; run /dev/null info rashi $j; run /dev/null info bogus $j
  run /dev/null atlas Bombay $j --limit 3; run /dev/null atlas Delhi $j; run /dev/null atlas "''" $j
  run /dev/null profile read /nonexistent $j
  run /dev/null bogus $j
done
run /dev/null --version; run /dev/null --help; run /dev/null; 
for c in vedic western moon zone rank info atlas profile places; do run /dev/null $c --help; done
run /dev/null vedic --bogus-option
run /tmp/shape/dup.json vedic --json
printf '[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[\n' > /tmp/shape/deep.json; run /tmp/shape/deep.json vedic --json
printf '{"Profile":["Leo","Aries","Magha","Ashwini"]}\n{"Profile":[1,2]}\n' > /tmp/shape/prof.jsonl; run /tmp/shape/prof.jsonl vedic; run /tmp/shape/prof.jsonl vedic --json
echo "runs $total identical $same"
