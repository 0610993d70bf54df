#!/usr/bin/env bash
# The program's own print path, from outside. First with no printer at all:
# each sheet kind becomes a PDF in the card folder, with the text, the order,
# the pages and the embedded font it should have. Then a real default
# printer: a private CUPS scheduler (its own folders and socket; no printer
# settings of the machine or the user are touched) with a raw queue whose
# backend copies each job into a folder. A word list goes out and arrives as
# the PDF it printed; a stopped queue, and one that takes no jobs, make the
# next job a PDF in the card folder.
# Usage: cups_test.sh PRINT_JOB_PROGRAM SAMPLE_FOLDER
set -euo pipefail
job_program=$1
sample=$2
work=$(mktemp -d)
cupsd_pid=
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; [ -f "$work/log/error_log" ] && tail -20 "$work/log/error_log"; exit 1; }

mkdir -p "$work"/{etc,spool/tmp,cache,log,state,out,home,cards,nocups} "$work/bin/backend" "$work/bin/daemon" "$work/bin/filter"

# No printer: the PDF in the card folder.
cp "$sample"/ZEK* "$work/nocups/"
head -n 31 "$sample/ZEKCARD1.LST" > "$work/nocups/ZEKCARD1.LST"
for sheet in "wordlist 2 Wort" "cardsheet 4 Abend" "familysheet 4 Lernwort"; do
  set -- $sheet
  answer=$(HOME="$work/home" CUPS_SERVER="$work/none.sock" "$job_program" "$work/nocups" "$1")
  case "$answer" in
    "pdf Druck_Lernwoerter_"*".pdf Es ist kein Standarddrucker eingerichtet") ;;
    *) fail "$1 without a printer: $answer" ;;
  esac
  pdf="$work/nocups/$(cut -d' ' -f2 <<<"$answer")"
  [ "$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')" = "$2" ] || fail "$1: not $2 pages"
  text=$(pdftotext -layout "$pdf" -)
  [ "$(head -c 300 <<<"$text" | tr -s ' \n' ' ' | sed 's/^ //' | cut -d' ' -f1)" = "$3" ] || fail "$1 does not begin with $3"
  [ "$(grep -o -E 'Abend|Affe|Ameise' <<<"$text" | awk '!seen[$0]++' | tr '\n' ' ')" = "Abend Affe Ameise " ] || fail "$1: the order"
  pdffonts "$pdf" | grep -E '^([A-Z]+\+)?ComicNeue' | grep -q ' yes ' || fail "$1: Comic Neue not embedded"
  # the first line stands wholly inside the page
  pdftotext -bbox -f 1 -l 1 "$pdf" "$work/bbox.html"
  ymin=$(grep -o -m 1 'yMin="[0-9.]*"' "$work/bbox.html" | tr -dc '0-9.')
  awk -v y="$ymin" 'BEGIN { exit !(y > 0) }' || fail "$1: the first line is cut"
  mv "$pdf" "$work/nocups/$1.pdf.seen"
done
# a second job of the same second gets a name of its own
a=$(CUPS_SERVER="$work/none.sock" "$job_program" "$work/nocups" wordlist)
b=$(CUPS_SERVER="$work/none.sock" "$job_program" "$work/nocups" wordlist)
[ "$a" != "$b" ] && [ "$(ls "$work"/nocups/Druck_*.pdf | wc -l)" -eq 2 ] || fail "a PDF written over"
chmod 0755 "$work" "$work"/*
chmod 0777 "$work/out"
ln -s /usr/lib/cups/daemon/cups-exec "$work/bin/daemon/cups-exec"
cat > "$work/bin/backend/zekcopy" <<BACKEND
#!/bin/sh
# With no arguments: the device it offers. Otherwise: the job's file, copied.
[ \$# -eq 0 ] && { echo 'direct zekcopy "Unknown" "ZEK copy"'; exit 0; }
if [ -n "\${6:-}" ]; then cp "\$6" "$work/out/job-\$1.pdf"; else cat > "$work/out/job-\$1.pdf"; fi
BACKEND
chmod 0700 "$work/bin/backend/zekcopy"
cat > "$work/etc/cupsd.conf" <<CONF
Listen $work/state/cups.sock
LogLevel warn
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
ServerBin $work/bin
DataDir /usr/share/cups
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/spool/tmp
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
FatalErrors none
Sandboxing Relaxed
CONF
/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$work/state/cups.sock" HOME="$work/home"
for _ in $(seq 100); do [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null 2>&1 || fail "the scheduler did not start"
lpadmin -p zekcopy -v zekcopy:/ -m raw -E 2>/dev/null || fail "no queue"
lpadmin -d zekcopy || fail "no default printer"

cp "$sample"/ZEK* "$work/cards/"
answer=$("$job_program" "$work/cards" wordlist)
[ "$answer" = "printed" ] || fail "the job did not go out: $answer"
for _ in $(seq 100); do
  if ls "$work"/out/job-*.pdf >/dev/null 2>&1 && ! lpstat -o | grep -q .; then break; fi
  sleep 0.1
done
arrived=$(ls "$work"/out/job-*.pdf 2>/dev/null | head -n 1)
[ -n "$arrived" ] || fail "no job arrived"
text=$(pdftotext -layout "$arrived" -)
grep -q "Abschreiben" <<<"$text" || fail "the arrived job is no word list"
grep -q "Apfel" <<<"$text" || fail "a card is missing in the arrived job"
[ "$(ls "$work"/cards/*.pdf 2>/dev/null | wc -l)" -eq 0 ] || fail "a PDF was written although the job went out"

cupsdisable zekcopy
answer=$("$job_program" "$work/cards" wordlist)
case "$answer" in
  "pdf Druck_Lernwoerter_"*".pdf Der Drucker „zekcopy“ ist angehalten") ;;
  *) fail "a stopped queue: $answer" ;;
esac
[ "$(ls "$work"/cards/Druck_Lernwoerter_*.pdf | wc -l)" -eq 1 ] || fail "no PDF in the card folder"
cupsenable zekcopy
cupsreject zekcopy
answer=$("$job_program" "$work/cards" wordlist)
case "$answer" in
  "pdf Druck_Lernwoerter_"*".pdf Der Drucker „zekcopy“ nimmt keine Aufträge an") ;;
  *) fail "a queue that takes no jobs: $answer" ;;
esac
echo "1 passed, 0 failed"
