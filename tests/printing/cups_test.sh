#!/usr/bin/env bash
# The program's own print path, from outside. First with no print service
# at all: each sheet kind becomes a PDF in the card folder, named after its
# kind, with the text, the order, the pages and the embedded font it should
# have. Then a real default printer: a private CUPS scheduler (its own
# folders and socket; no printer settings of the machine or the user are
# touched), first without a printer, then with a raw queue whose backend
# copies each job into a folder. Each sheet kind goes out and arrives with
# its pages; a stopped queue, and one that takes no jobs, make the next job
# a PDF in the card folder.
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
sheets=("wordlist 2 Wort Lernwoerter" "cardsheet 4 Abend Karteikarten" "familysheet 4 Lernwort Wortfamilien")
for sheet in "${sheets[@]}"; do
  set -- $sheet
  answer=$(HOME="$work/home" CUPS_SERVER="$work/none.sock" "$job_program" "$work/nocups" "$1")
  case "$answer" in
    "pdf Druck_$4_"*".pdf Der Druckdienst des Computers antwortet nicht") ;;
    *) fail "$1 without a print service: $answer" ;;
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

cp "$work"/nocups/ZEK* "$work/cards/"
answer=$("$job_program" "$work/cards" wordlist)
case "$answer" in
  "pdf Druck_Lernwoerter_"*".pdf Es ist kein Standarddrucker eingerichtet") ;;
  *) fail "a print service without a printer: $answer" ;;
esac
rm "$work"/cards/Druck_*.pdf
lpadmin -p zekcopy -v zekcopy:/ -m raw -E 2>/dev/null || fail "no queue"
lpadmin -d zekcopy || fail "no default printer"

jobs=0
for sheet in "${sheets[@]}"; do
  set -- $sheet
  answer=$("$job_program" "$work/cards" "$1")
  [ "$answer" = "printed" ] || fail "the $1 did not go out: $answer"
  jobs=$((jobs + 1))
  for _ in $(seq 100); do
    [ "$(ls "$work"/out/job-*.pdf 2>/dev/null | wc -l)" -eq "$jobs" ] && ! lpstat -o | grep -q . && break
    sleep 0.1
  done
  arrived="$work/out/job-$jobs.pdf"
  [ -f "$arrived" ] || fail "the $1 did not arrive"
  [ "$(pdfinfo "$arrived" | awk '/^Pages:/ {print $2}')" = "$2" ] || fail "the $1 arrived without its $2 pages"
  grep -q "$3" <<<"$(pdftotext -layout "$arrived" -)" || fail "the arrived $1 lacks $3"
done
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
